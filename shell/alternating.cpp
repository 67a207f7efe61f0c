// Key A: the alternating normal form of a typed positive braid.
#include <ostream>
#include <string>

#include "basics/console.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/braid.h"
#include "braidbasics/words.h"
#include "shell/procedures.h"

namespace shell {

// The reader does not refuse capital letters; for such a word the form is
// the undefined text "??ined", printed after the same lead-in.
void WRITEALT() {
  BraidBasics::BRAID B;
  BraidBasics::BENTERPOS(B);
  const std::string W = BraidBasics::BALTNORMALWORD(B);
  basics::OUTPUT() << "The alternating normal form is " << W << '\n';
}

}  // namespace shell
