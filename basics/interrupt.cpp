#include "basics/interrupt.h"

namespace basics {

volatile std::sig_atomic_t INTERRUPTREQUESTED = 0;

void TAKEINTERRUPT() {
  INTERRUPTREQUESTED = 0;
  throw INTERRUPTED{};
}

}  // namespace basics
