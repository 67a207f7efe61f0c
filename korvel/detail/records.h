// The core's records of the interface's values, for the interface itself and
// for front ends that call the core directly for what the interface does not
// offer (the Python module's alternating normal form, gcd and lcm, pictures).
#pragma once

#include "braidbasics/braid.h"
#include "korvel/braid.h"
#include "korvel/computations.h"

namespace korvel::detail {

// The record of B: V[1..L] its letters, W its strands.
BraidBasics::BRAID record(const Braid& b);

// The braid of the record R, on the larger of STRANDS and R.W strands.
Braid braid_of(const BraidBasics::BRAID& r, int strands);

// The core's stop request of LIMITS (null for none), and its limits: the
// longest word (the record's capacity without max_length) and that request.
const basics::STOPREQUEST* stop_of(const Limits& limits);
BraidBasics::BLIMITS core_limits(const Limits& limits);

}  // namespace korvel::detail
