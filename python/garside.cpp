// Garside normal forms, the alternating normal form, gcd and lcm for Python.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/braid.h"
#include "braidbasics/divisibility.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/symmetricnormalform.h"
#include "braidbasics/words.h"

namespace korvelpython {

using BraidBasics::BRAID;
using namespace pybind11::literals;

namespace {

// The factors of the left normal form record X as a list of words: X.I
// times Delta on X.W strands (a simple factor itself), then the factors of
// X.S, which BLEFTNF joins by "." and never leaves empty.
py::list FACTORLIST(const BraidBasics::NF& X, FORM F, bool WITHDELTA) {
  py::list FACTORS;
  if (WITHDELTA && X.I > 0) {
    const py::object DELTA = FROMBRAID(BraidBasics::BDELTA(X.W), F);
    for (std::int32_t K = 0; K < X.I; ++K) {
      FACTORS.append(DELTA);
    }
  }
  const std::string_view S = X.S;
  std::size_t START = 0;
  while (START < S.size()) {
    std::size_t END = S.find('.', START);
    if (END == std::string_view::npos) {
      END = S.size();
    }
    FACTORS.append(FROMLETTERS(S.substr(START, END - START), F));
    START = END + 1;
  }
  return FACTORS;
}

// The word OP gives for the positive braid words A and B, a str when both
// are str and a tuple otherwise; a word with an inverse letter raises
// ValueError naming it a or b.
template <BRAID (*OP)(const BRAID&, const BRAID&)>
py::object POSITIVEPAIROPERATION(py::handle A, py::handle B) {
  const BRAIDPAIR P = TOBRAIDS(A, B);
  REQUIREPOSITIVE(P.B1, "a");
  REQUIREPOSITIVE(P.B2, "b");
  return FROMBRAID(OP(P.B1, P.B2), P.F);
}

}  // namespace

void BINDGARSIDE(py::module_& M) {
  M.def(
      "symmetric_normal_form",
      [](py::handle B) {
        const BRAIDARGUMENT X = TOBRAID(B);
        BRAID D;
        BRAID N;
        BraidBasics::BSYMFRACTION(X.B, D, N);
        return py::make_tuple(FACTORLIST(BraidBasics::BLEFTNF(D), X.F, true),
                              FACTORLIST(BraidBasics::BLEFTNF(N), X.F, true));
      },
      "b"_a,
      R"(symmetric_normal_form(b) -> tuple[list[word], list[word]]

The symmetric normal decomposition of any braid.

Returns (denominator, numerator), two lists of simple factors (words) with
b = inverse(product(denominator)) * product(numerator). The braids D and N of
the products are positive and have no common left divisor but 1, and each
list is the left normal form of its braid: Delta (on the braid's number of
strands) as often as it divides, then the left-greedy factors. A braid is
taken on one more strand than its largest generator.
symmetric_normal_form('aB') is (['ab'], ['ba']).)");

  M.def(
      "left_normal_form",
      [](py::handle B) {
        const BRAIDARGUMENT X = TOBRAID(B);
        REQUIREPOSITIVE(X.B, "b");
        const BraidBasics::NF FORMRECORD = BraidBasics::BLEFTNF(X.B);
        return py::make_tuple(FORMRECORD.I, FACTORLIST(FORMRECORD, X.F, false));
      },
      "b"_a,
      R"(left_normal_form(b) -> tuple[int, list[word]]

The left (Garside) normal form of a positive braid word.

Returns (delta_power, factors): b = Delta^delta_power * product(factors),
Delta the Garside element on one more strand than the largest generator of b,
and the factors the left-greedy simple factors of what remains, none of them
Delta. left_normal_form('abab') is (1, ['b']). A word with an inverse letter
raises ValueError.)");

  M.def(
      "alternating_normal_form",
      [](py::handle B) {
        const BRAIDARGUMENT X = TOBRAID(B);
        REQUIREPOSITIVE(X.B, "b");
        return FROMLETTERS(BraidBasics::BALTNORMALWORD(X.B), X.F);
      },
      "b"_a,
      R"(alternating_normal_form(b) -> word

The alternating normal form of a positive braid word, as the console's
key A prints it: a distinguished positive word of the same length, the same
for every positive word of the braid. On three strands it is the braid
written as alternating powers of a and b found from the right, starting with
a: alternating_normal_form('abab') is 'aaba'. A word with an inverse letter
raises ValueError.)");

  M.def("left_gcd", &POSITIVEPAIROPERATION<BraidBasics::BLEFTGCD>, "a"_a, "b"_a,
        R"(left_gcd(a, b) -> word

The greatest common left divisor of two positive braid words, a positive
word: left_gcd('aba', 'ab') is 'ab'. The result is a str when both arguments
are str, a tuple otherwise. A word with an inverse letter raises ValueError.)");

  M.def("right_lcm", &POSITIVEPAIROPERATION<BraidBasics::BRIGHTLCM>, "a"_a, "b"_a,
        R"(right_lcm(a, b) -> word

The least common right multiple of two positive braid words, a positive
word beginning with a: right_lcm('a', 'b') is 'aba'. The result is a str when
both arguments are str, a tuple otherwise. A word with an inverse letter
raises ValueError.)");
}

}  // namespace korvelpython
