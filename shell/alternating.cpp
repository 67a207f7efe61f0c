// Key A: the alternating normal form of a typed positive braid.
#include <ostream>
#include <string>

#include "basics/console.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "shell/notes.h"
#include "shell/procedures.h"

namespace shell {

namespace {

const char* const NOTPOSITIVENOTE =
    "the alternating normal form is defined for positive braids only, and this word has "
    "inverse letters (A..Z).";

}  // namespace

// The reader does not refuse capital letters; for such a word the form is
// the undefined text "??ined", printed after the same lead-in, and a person
// is told why.
void WRITEALT() {
  BraidBasics::BRAID B;
  BraidBasics::BENTERPOS(B);
  const std::string W = BraidBasics::BALTNORMALWORD(B);
  basics::OUTPUT() << "The alternating normal form is " << W << '\n';
  if (!BraidBasics::BPOSITIVE(B)) {
    NOTE(NOTPOSITIVENOTE);
  }
}

}  // namespace shell
