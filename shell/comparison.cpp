#include <ostream>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"
#include "shell/procedures.h"

namespace shell {

using BraidBasics::BRAID;

// B1 < B2 exactly when inverse(B1).B2 is larger than 1; the quotient is
// printed after the reduction that lets the current option read its sign.
void COMPARE() {
  std::ostream& OUT = basics::OUTPUT();
  basics::HRULE();
  OUT << "This procedure compares two braids with respect to the chosen braid ordering.\n";
  BRAID B1;
  BRAID B2;
  BraidBasics::BENTER2(B1, B2);
  const char SIGN = handlereduction::BCOMPARE(B1, B2, B1);
  if (SIGN == '1') {
    OUT << "We have B1 = B2.\n";
  } else if (SIGN == '+') {
    OUT << "We have B1 < B2, since inverse(B1).B2 = ";
    BraidBasics::BWRITE(B1);
    OUT << ",\n"
        << "a braid larger than 1 in " << handlereduction::BORDERNAME() << ".\n";
  } else {
    OUT << "We have B1 > B2, namely B2 = B1 * ";
    BraidBasics::BWRITE(B1);
    OUT << ",\n"
        << "and the quotient is smaller than 1 in " << handlereduction::BORDERNAME() << ".\n";
  }
  basics::HRULE();
}

// The display always follows the leftmost strategy, whatever the option.
void REDUCEHANDLES() {
  std::ostream& OUT = basics::OUTPUT();
  basics::HRULE();
  OUT << "This procedure displays handle reduction w.r.t. the leftmost strategy\n"
      << "i.e., one always reduces the leftmost handle.\n";
  BRAID B;
  BraidBasics::BENTER(B);
  handlereduction::BSTEPBYSTEPHREDUCE(B);
  basics::HRULE();
}

void EQUIVALENT() {
  BRAID B;
  BRAID BB;
  BraidBasics::BENTER(B);
  BraidBasics::BENTER(BB);
  if (handlereduction::BEQUIV(B, BB)) {
    basics::OUTPUT() << "These braid words are equivalent.\n";
  } else {
    basics::OUTPUT() << "These braid words are not equivalent.\n";
  }
}

}  // namespace shell
