#include "braidbasics/tablebounds.h"

namespace BraidBasics {

std::int32_t LENGTHBOUND = 0;
std::int32_t MAXCODELENGTHINBRAIDLIST = 0;

}  // namespace BraidBasics
