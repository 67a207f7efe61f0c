#include "handlereduction/orderings.h"

namespace handlereduction {

char BORDEROPTION = 'R';

std::string BORDERNAME() {
  switch (BORDEROPTION) {
    case 'R':
      return "the original R-ordering";
    case 'F':
      return "the flipped R-ordering";
    case 'U':
      return "the DD-ordering";
    default:
      return "";
  }
}

}  // namespace handlereduction
