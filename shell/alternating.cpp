#include "shell/procedures.h"

namespace shell {

void WRITEALT() {}

}  // namespace shell
