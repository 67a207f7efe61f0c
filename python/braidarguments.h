// Translation between Python values and korvel::Braid, and the arguments
// every computation shares: the ordering, the method, the strand count and
// the length limit.
//
// A braid comes from Python in one of four forms: a korvel.Braid, a str in
// Korvel's letter syntax, a sequence of non-zero ints in the Tietze
// convention (i for sigma_i, -i for its inverse), or any object with a
// Tietze() method (a SageMath braid), whose strand count comes from its
// strands() or parent().strands(). Word results go back in the form the
// braid came in, so that a caller gets what they gave: a Braid for a Braid, a
// str for a str, a tuple of ints for a Tietze sequence or a SageMath braid.
#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "braidbasics/braid.h"
#include "korvel/braid.h"
#include "korvel/computations.h"

namespace korvelpython {

namespace py = pybind11;

// The largest Tietze index: korvel::MAX_STRANDS - 1.
inline constexpr int MAXINDEX = korvel::MAX_STRANDS - 1;

// The largest index a letter string can write: z is sigma_26.
inline constexpr int MAXLETTERINDEX = 26;

// korvel.Braid: a braid and, for its picture only, a marked stretch of its
// letters, (start, stop) in Python's positions as given. Equality, hash and
// the computations ignore the mark; pickling and copying keep it. HASH
// caches the hash of the braid, as a korvel.Braid never changes once made.
struct BRAIDOBJECT {
  korvel::Braid B;
  std::optional<std::pair<long long, long long>> MARK;
  mutable std::optional<std::size_t> HASH;
};

// The form a braid argument had.
enum class FORM { TEXT, TIETZE, BRAID };

// A braid argument: the braid and the form it came in.
struct BRAIDARGUMENT {
  korvel::Braid B;
  FORM F;
};

// Two braid arguments and the form of a result computed from both: a Braid
// when either was one, text when both were, a Tietze tuple otherwise.
struct BRAIDPAIR {
  korvel::Braid B1;
  korvel::Braid B2;
  FORM F;
};

// The braid OBJ stands for, and its form. The strand count is the braid's
// own for a korvel.Braid and a SageMath braid, and one more than the largest
// index (1 for the empty word) for a str or a Tietze sequence. Raises
// ValueError for a character that is not a letter, a blank or "." and for a
// Tietze letter 0 or outside -MAXINDEX..MAXINDEX, naming it and its 0-based
// position, and for a strand count below what the word needs or above
// korvel::MAX_STRANDS; TypeError for anything that is none of the four forms.
BRAIDARGUMENT TOBRAID(py::handle OBJ);

// The braids OBJ1 and OBJ2 stand for, as TOBRAID gives them (OBJ1's errors
// first), and the form of a result computed from both.
BRAIDPAIR TOBRAIDS(py::handle OBJ1, py::handle OBJ2);

// The strand count STRANDS asks for: 0 for None, otherwise an int from 1 to
// korvel::MAX_STRANDS (ValueError beyond, TypeError for a non-int).
int STRANDSARGUMENT(py::handle STRANDS);

// B on STRANDS strands (0: unchanged): ValueError when the word needs more.
korvel::Braid WITHSTRANDS(const korvel::Braid& B, int STRANDS);

// The number of strands the word of B needs: one more than its largest index.
int NEEDEDSTRANDS(const korvel::Braid& B);

// The form of the results of a call on braids of form F whose results live
// on STRANDS strands: a str cannot write a generator above sigma_26, so text
// becomes a Tietze tuple beyond 27 strands.
FORM RESULTFORM(FORM F, int STRANDS);

// The word of B in the form F: a korvel.Braid, a str, or a tuple of ints.
// Text needs every index at most 26 (see RESULTFORM).
py::object FROMBRAID(korvel::Braid B, FORM F);

// Whether every index of B is at most 26, so that it has a letter string.
bool HASLETTERS(const korvel::Braid& B);

// The Tietze tuple of B.
py::tuple TIETZEOF(const korvel::Braid& B);

// The ordering named ORDERING: "R", "F" or "U" (ValueError otherwise).
korvel::Ordering ORDERINGOF(std::string_view ORDERING);

// The method named METHOD: "auto", "handles" or "coordinates" (ValueError
// otherwise). The U-ordering is decided by handle reduction only, so
// "coordinates" with the ordering "U" is a ValueError too.
korvel::Method METHODOF(std::string_view METHOD);
korvel::Method METHODOF(std::string_view METHOD, korvel::Ordering ORDERING);

// The limit MAXLENGTH asks for: none for None, otherwise an int of at least
// 0 (ValueError below, TypeError for a non-int); a limit beyond what a size
// can hold is no limit.
std::optional<std::size_t> MAXLENGTHARGUMENT(py::handle MAXLENGTH);

// Defines korvel.BoundExceeded (a subclass of ArithmeticError). A
// computation that throws korvel::BoundExceeded is reported by
// RAISEBOUNDEXCEEDED with its limit (see calls.h); one thrown anywhere else,
// or the core's BraidBasics::BOUNDEXCEEDED, reaches Python with its own text.
void REGISTERBOUNDEXCEEDED(py::module_& M);

// Raises korvel.BoundExceeded for a computation under the limit LIMIT, with
// the console's message for that many letters.
[[noreturn]] void RAISEBOUNDEXCEEDED(std::size_t LIMIT);

}  // namespace korvelpython

namespace pybind11::detail {

// korvel.Braid.__new__ without __init__ leaves an instance whose braid was
// never made, and pybind11 would hand the bindings raw memory for it: every
// binding that takes a Braid refuses such an instance with TypeError.
template <>
class type_caster<korvelpython::BRAIDOBJECT> : public type_caster_base<korvelpython::BRAIDOBJECT> {
 public:
  bool load(handle SRC, bool CONVERT) {
    if (isinstance<korvelpython::BRAIDOBJECT>(SRC) &&
        !reinterpret_cast<instance*>(SRC.ptr())->get_value_and_holder().holder_constructed()) {
      throw type_error("a korvel.Braid made by __new__ without __init__ holds no braid");
    }
    return type_caster_base<korvelpython::BRAIDOBJECT>::load(SRC, CONVERT);
  }
};

}  // namespace pybind11::detail
