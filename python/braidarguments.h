// Translation between Python values and Korvel's braid records, the ordering
// option of one call, and the exception of the 2000-letter bound.
//
// A braid comes from Python in one of two forms: a str in Korvel's letter
// syntax, or a sequence of non-zero ints in the Tietze convention (i for
// sigma_i, -i for its inverse). Word results go back in the form the braid
// came in, so that a caller gets what they gave.
#pragma once

#include <pybind11/pybind11.h>

#include <string_view>

#include "braidbasics/braid.h"

namespace korvelpython {

namespace py = pybind11;

// The form a braid argument had: a str of letters or a Tietze sequence.
enum class FORM { TEXT, TIETZE };

// A braid argument: the braid and the form it came in.
struct BRAIDARGUMENT {
  BraidBasics::BRAID B;
  FORM F;
};

// Two braid arguments and the form of a result computed from both: text only
// when both were.
struct BRAIDPAIR {
  BraidBasics::BRAID B1;
  BraidBasics::BRAID B2;
  FORM F;
};

// The braid OBJ stands for, with width one more than its largest index (1 for
// the empty word), as BDEF gives for text, and its form. Raises ValueError
// for a character that is not a letter, a blank or "." and for a Tietze
// letter 0 or outside -49..49, naming it and its 0-based position; TypeError
// for anything that is neither a str nor a sequence of ints; BoundExceeded
// for more than BMAXLENGTH letters.
BRAIDARGUMENT TOBRAID(py::handle OBJ);

// The braids OBJ1 and OBJ2 stand for, as TOBRAID gives them (OBJ1's errors
// first), and the form of a result computed from both.
BRAIDPAIR TOBRAIDS(py::handle OBJ1, py::handle OBJ2);

// The word of B in the form F: a str, or a tuple of ints.
py::object FROMBRAID(const BraidBasics::BRAID& B, FORM F);

// The word of the letter string LETTERS (as the normal-form strings write
// their factors) in the form F: the str itself, or the tuple of its letters.
py::object FROMLETTERS(std::string_view LETTERS, FORM F);

// Raises ValueError unless B is a positive word (no inverse letter), naming
// the first inverse letter's 0-based position; WHAT names the argument.
void REQUIREPOSITIVE(const BraidBasics::BRAID& B, const char* WHAT);

// The option letter of the ordering named ORDERING: "R", "F" or "U"
// (ValueError otherwise).
char ORDERINGLETTER(std::string_view ORDERING);

// Sets the ordering option ORDERINGLETTER(ORDERING) for the lifetime of the
// guard and restores the previous option when it ends, by return or by
// exception, so that no call changes the option another call sees.
class ORDERINGGUARD {
 public:
  explicit ORDERINGGUARD(std::string_view ORDERING);
  ~ORDERINGGUARD();
  ORDERINGGUARD(const ORDERINGGUARD&) = delete;
  ORDERINGGUARD& operator=(const ORDERINGGUARD&) = delete;

 private:
  char SAVED;
};

// Defines korvel.BoundExceeded (a subclass of ArithmeticError) and makes
// every BraidBasics::BOUNDEXCEEDED raised by the core reach Python as it,
// with the console's message.
void REGISTERBOUNDEXCEEDED(py::module_& M);

}  // namespace korvelpython
