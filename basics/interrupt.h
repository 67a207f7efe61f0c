// Interrupting a computation: the one request that may reach the program
// while it computes, the user's Ctrl-C at a terminal.
//
// A signal handler may only store to a volatile std::sig_atomic_t, so the
// handler sets INTERRUPTREQUESTED and nothing else. Long computations poll it
// with CHECKINTERRUPT at points where abandoning the whole computation leaves
// every global as it was before the key was typed (or as the caller restores
// it), and the main loop catches INTERRUPTED, says so and shows the menu
// again, exactly as it does for BOUNDEXCEEDED. A program that installs no
// handler never sees the flag set, so polling costs one load per check.
#pragma once

#include <csignal>

namespace basics {

// Set to 1 by the interrupt handler; cleared by whoever takes the request.
extern volatile std::sig_atomic_t INTERRUPTREQUESTED;

// Raised by CHECKINTERRUPT: the computation that runs is abandoned as a whole.
struct INTERRUPTED {};

// Clears the flag and throws INTERRUPTED.
[[noreturn]] void TAKEINTERRUPT();

// Takes a pending request, if any, by clearing the flag and throwing
// INTERRUPTED; otherwise does nothing. The throw stays out of line, so that
// a poll in a hot loop is one load and one branch that is never taken.
inline void CHECKINTERRUPT() {
  if (INTERRUPTREQUESTED != 0) [[unlikely]] {
    TAKEINTERRUPT();
  }
}

}  // namespace basics
