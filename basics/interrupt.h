// Interrupting a computation.
//
// Two kinds of request reach a long computation:
//
//   - the console's: the user's Ctrl-C at a terminal. A signal handler may
//     only store to a volatile std::sig_atomic_t, so the handler sets
//     INTERRUPTREQUESTED and nothing else;
//   - a program's: a STOPREQUEST that the caller owns and passes to the
//     computation, a flag that another thread may raise or a callback that
//     the computation asks.
//
// Long computations poll their request with CHECKSTOP (the console's
// computations are given CONSOLESTOP, which reads INTERRUPTREQUESTED) at
// points where abandoning the whole computation leaves the caller's data as
// it was before, and throw INTERRUPTED. The main loop of the console catches
// it, says so and shows the menu again; the interface for programs turns it
// into an exception of its own. A computation given no request (a null
// pointer) polls nothing, so a poll costs one load and one branch.
#pragma once

#include <atomic>
#include <csignal>
#include <functional>

namespace basics {

// Set to 1 by the console's interrupt handler; cleared by whoever takes it.
extern volatile std::sig_atomic_t INTERRUPTREQUESTED;

// Raised when a computation takes a stop request: it is abandoned as a whole.
struct INTERRUPTED {};

// Clears the console's flag and throws INTERRUPTED.
[[noreturn]] void TAKEINTERRUPT();

// Takes a pending console request, if any, by clearing the flag and throwing
// INTERRUPTED; otherwise does nothing. The throw stays out of line, so that
// a poll in a hot loop is one load and one branch that is never taken.
inline void CHECKINTERRUPT() {
  if (INTERRUPTREQUESTED != 0) [[unlikely]] {
    TAKEINTERRUPT();
  }
}

// A request to stop, owned by the caller of a computation and read by it,
// possibly from another thread: the computation stops when FLAG (if set)
// reads true or when POLL (if set) returns true. POLL is called from the
// computing thread at every poll point, so it should be cheap; it may throw,
// and what it throws leaves the computation as INTERRUPTED does.
// The console's own request sets SIGNAL alone, the flag of its signal
// handler, and takes (clears) it when it stops.
struct STOPREQUEST {
  const std::atomic<bool>* FLAG = nullptr;
  std::function<bool()> POLL;
  volatile std::sig_atomic_t* SIGNAL = nullptr;
};

// True when STOP asks the computation to stop (taking SIGNAL if it is set).
bool STOPREQUESTED(const STOPREQUEST& STOP);

// The console's request: SIGNAL is INTERRUPTREQUESTED.
const STOPREQUEST* CONSOLESTOP();

// Throws INTERRUPTED when STOP is given and asks to stop; a null STOP polls
// nothing. The flags are read inline; only a callback costs a call.
inline void CHECKSTOP(const STOPREQUEST* STOP) {
  if (STOP == nullptr) {
    return;
  }
  if (STOP->SIGNAL != nullptr) {
    if (*STOP->SIGNAL != 0) [[unlikely]] {
      TAKEINTERRUPT();
    }
  } else if ((STOP->FLAG != nullptr && STOP->FLAG->load(std::memory_order_relaxed)) ||
             (STOP->POLL && STOPREQUESTED(*STOP))) [[unlikely]] {
    throw INTERRUPTED{};
  }
}

}  // namespace basics
