#include "shell/procedures.h"

namespace shell {

void SYMMETRIC() {}

}  // namespace shell
