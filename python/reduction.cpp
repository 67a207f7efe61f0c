// Comparison, sign, equivalence and handle reduction for Python.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string_view>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/braid.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"

namespace korvelpython {

using BraidBasics::BRAID;
using namespace pybind11::literals;

namespace {

// A sign character of the core as a number: -1, 0 or 1.
int SIGNVALUE(char SIGN) { return SIGN == '+' ? 1 : SIGN == '-' ? -1 : 0; }

}  // namespace

void BINDREDUCTION(py::module_& M) {
  M.def(
      "compare",
      [](py::handle B1, py::handle B2, std::string_view ORDERING) {
        const BRAIDPAIR P = TOBRAIDS(B1, B2);
        const ORDERINGGUARD GUARD(ORDERING);
        BRAID QUOTIENT;
        // '+' says that inverse(b1).b2 is larger than 1, that is b1 < b2.
        return -SIGNVALUE(handlereduction::BCOMPARE(P.B1, P.B2, QUOTIENT));
      },
      "b1"_a, "b2"_a, "ordering"_a = "R",
      R"(compare(b1, b2, ordering='R') -> int

Compare two braids in a braid ordering.

Returns -1 when b1 < b2, 0 when b1 and b2 are the same braid, 1 when b1 > b2.
The answer is the sign of inverse(b1).b2 after handle reduction, as the
console's key C finds it: compare('a', 'b') is 1 under "R", since
inverse(a).b = Ab is smaller than 1 there.

ordering: "R" the original Ravelind ordering (sigma_1 large), "F" its flipped
form (sigma_n large), "U" the Dubrovina-Dubrovin ordering.)");

  M.def(
      "sign",
      [](py::handle B, std::string_view ORDERING) {
        const BRAIDARGUMENT X = TOBRAID(B);
        const ORDERINGGUARD GUARD(ORDERING);
        return SIGNVALUE(handlereduction::BSIGN(X.B));
      },
      "b"_a, "ordering"_a = "R",
      R"(sign(b, ordering='R') -> int

The sign of a braid in a braid ordering: 1 when b is larger than the
trivial braid, -1 when smaller, 0 when b is trivial: sign(b) == compare(b, '').)");

  M.def(
      "equivalent",
      [](py::handle B1, py::handle B2) {
        const BRAIDPAIR P = TOBRAIDS(B1, B2);
        return handlereduction::BEQUIV(P.B1, P.B2);
      },
      "b1"_a, "b2"_a,
      R"(equivalent(b1, b2) -> bool

True when the words b1 and b2 represent the same braid: inverse(b1).b2
reduces to the empty word by handle reduction.)");

  M.def(
      "is_trivial",
      [](py::handle B) {
        return handlereduction::BEQUIV(BraidBasics::BONE(), TOBRAID(B).B);
      },
      "b"_a, R"(is_trivial(b) -> bool

True when the word b represents the trivial braid.)");

  M.def(
      "handle_reduce",
      [](py::handle B, std::string_view ORDERING) {
        BRAIDARGUMENT X = TOBRAID(B);
        const ORDERINGGUARD GUARD(ORDERING);
        handlereduction::BREDUCE(X.B);
        return FROMBRAID(X.B, X.F);
      },
      "b"_a, "ordering"_a = "R",
      R"(handle_reduce(b, ordering='R') -> word

The handle-free word equivalent to b from which the ordering reads the
sign: the generator of least index ("R", "U") or of greatest index ("F")
occurs with one sign only. It is the word the console's key C prints for the
quotient. Handle reduction with free reduction after every step; under "F"
the word is flipped (sigma_i <-> sigma_(n-i)) before and after.)");

  M.def(
      "handle_reduction_steps",
      [](py::handle B) {
        BRAIDARGUMENT X = TOBRAID(B);
        const FORM F = X.F;
        py::list STEPS;
        handlereduction::BHREDUCESTEPS(
            X.B, [&STEPS, F](const BRAID& WORD, std::int32_t P, std::int32_t Q) {
              // Letters P..Q (1-based, inclusive) are word[P-1:Q] in Python.
              const py::object HANDLE =
                  P == 0 ? py::object(py::none()) : py::object(py::make_tuple(P - 1, Q));
              STEPS.append(py::make_tuple(FROMBRAID(WORD, F), HANDLE));
            });
        return STEPS;
      },
      "b"_a,
      R"(handle_reduction_steps(b) -> list[tuple[word, tuple[int, int] | None]]

The steps of handle reduction as the console's key H shows them.

Returns a list of (word, (start, stop)) pairs, one per step: the word before
the step and the handle reduced in it, word[start:stop] (0-based, stop
excluded). The last item is (reduced word, None). Each step reduces the
handle whose last letter comes first, with no free reduction and whatever
the ordering: handle_reduction_steps('abA') is
[('abA', (0, 3)), ('Bab', None)].)");
}

}  // namespace korvelpython
