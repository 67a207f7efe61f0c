// Korvel for C++ programs: braids as values and the computations on them.
#pragma once

#include "korvel/braid.h"
#include "korvel/burau.h"
#include "korvel/computations.h"
#include "korvel/conjugacy.h"
#include "korvel/errors.h"
#include "korvel/invariants.h"
#include "korvel/nielsenthurston.h"
