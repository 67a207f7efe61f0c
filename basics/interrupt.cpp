#include "basics/interrupt.h"

namespace basics {

volatile std::sig_atomic_t INTERRUPTREQUESTED = 0;

void TAKEINTERRUPT() {
  INTERRUPTREQUESTED = 0;
  throw INTERRUPTED{};
}

bool STOPREQUESTED(const STOPREQUEST& STOP) {
  if (STOP.SIGNAL != nullptr && *STOP.SIGNAL != 0) {
    *STOP.SIGNAL = 0;
    return true;
  }
  if (STOP.FLAG != nullptr && STOP.FLAG->load(std::memory_order_relaxed)) {
    return true;
  }
  return STOP.POLL && STOP.POLL();
}

const STOPREQUEST* CONSOLESTOP() {
  static const STOPREQUEST CONSOLE{nullptr, {}, &INTERRUPTREQUESTED};
  return &CONSOLE;
}

}  // namespace basics
