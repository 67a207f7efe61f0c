// The module handlereduction whole: handles, the reduction strategies and
// the equivalence test, the ordering options and the sign of a braid.
#pragma once

#include "handlereduction/handles.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"
