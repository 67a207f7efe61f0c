#include "basics/interrupt.h"

namespace basics {

volatile std::sig_atomic_t INTERRUPTREQUESTED = 0;

}  // namespace basics
