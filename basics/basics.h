// The module basics in one include: the console, the interrupt request,
// letter strings, conversions, word enumeration, string lists and the clocks.
#pragma once

#include "basics/console.h"
#include "basics/conversions.h"
#include "basics/interrupt.h"
#include "basics/letterstrings.h"
#include "basics/stringlists.h"
#include "basics/timing.h"
#include "basics/wordenumeration.h"
