// The Nielsen-Thurston type, reduction curves, centralizer, rigidity and
// entropy of korvel::Braid values.
#pragma once

#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/conjugacy.h"
