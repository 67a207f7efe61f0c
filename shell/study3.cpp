#include "shell/procedures.h"

namespace shell {

void BUILDSSS3() {}

void DISPLAYMU3() {}

void DISPLAYMU3SSS() {}

void STUDYMU3() {}

}  // namespace shell
