#include "shell/procedures.h"

namespace shell {

void COMPARE() {}

void REDUCEHANDLES() {}

void EQUIVALENT() {}

}  // namespace shell
