// The core's records of the interface's values, and the core's exceptions as
// the interface's: for the interface itself and for front ends built with
// the project that call the core directly for what the interface does not
// offer (the Python module's alternating normal form, gcd and lcm, pictures).
// A private header: not installed, as it shows the core's names.
#pragma once

#include <utility>

#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/errors.h"

namespace korvel {

// What a StopRequest hands to the core: the core's request, whose FLAG is the
// StopRequest's own flag.
struct StopRequest::Core {
  basics::STOPREQUEST request;
};

}  // namespace korvel

namespace korvel::detail {

// The record of B: V[1..L] its letters, W its strands.
BraidBasics::BRAID record(const Braid& b);

// The braid of the record R, on the larger of STRANDS and R.W strands.
Braid braid_of(const BraidBasics::BRAID& r, int strands);

// The core's stop request of LIMITS (null for none), and its limits: the
// longest word (the record's capacity without max_length) and that request.
const basics::STOPREQUEST* stop_of(const Limits& limits);
BraidBasics::BLIMITS core_limits(const Limits& limits);

// Called in a catch block of a computation under LIMITS: throws the
// interface's exception for the core's one being handled (basics::INTERRUPTED
// as Interrupted, BraidBasics::BOUNDEXCEEDED as BoundExceeded naming the
// limit, garside::SetTooLarge as SetTooLarge with the engine's message less
// the engine's name), and rethrows every other exception as it is.
[[noreturn]] void rethrow_translated(const Limits& limits);

// FN() with the core's exceptions translated: the one place where a korvel::
// function that calls the core meets them.
template <typename FN>
auto translated(const Limits& limits, FN&& fn) -> decltype(std::forward<FN>(fn)()) {
  try {
    return std::forward<FN>(fn)();
  } catch (...) {
    rethrow_translated(limits);
  }
}

}  // namespace korvel::detail
