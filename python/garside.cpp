// Garside normal forms and the alternating normal form for Python.
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cstdint>
#include <vector>
#include <string>
#include <utility>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/braid.h"
#include "braidbasics/divisibility.h"
#include "calls.h"
#include "korvel/detail/records.h"

namespace korvelpython {

using namespace pybind11::literals;

namespace {

// The factors of F as a list of words of form FORM, WITHDELTA: Delta (on
// F.strands strands) delta_power times first, as the symmetric normal form
// lists it (delta_power >= 0 there).
py::list FACTORLIST(korvel::LeftNormalForm& F, FORM FORM, bool WITHDELTA) {
  py::list FACTORS;
  if (WITHDELTA && F.delta_power > 0) {
    const korvel::Braid DELTA = korvel::Braid::delta(F.strands);
    for (long long K = 0; K < F.delta_power; ++K) {
      FACTORS.append(FROMBRAID(DELTA, FORM));
    }
  }
  for (korvel::Braid& FACTOR : F.factors) {
    FACTORS.append(FROMBRAID(std::move(FACTOR), FORM));
  }
  return FACTORS;
}

py::tuple SYMMETRICNORMALFORM(py::handle B, py::handle STRANDS, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Braid W = WITHSTRANDS(X.B, STRANDSARGUMENT(STRANDS));
  korvel::SymmetricNormalForm S = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&W](const korvel::Limits& L) {
    return korvel::symmetric_normal_form(W, L);
  });
  const FORM F = RESULTFORM(X.F, W.strands());
  return py::make_tuple(FACTORLIST(S.denominator, F, true), FACTORLIST(S.numerator, F, true));
}

py::tuple LEFTNORMALFORM(py::handle B, py::handle STRANDS, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Braid W = WITHSTRANDS(X.B, STRANDSARGUMENT(STRANDS));
  korvel::LeftNormalForm N = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&W](const korvel::Limits& L) {
    return korvel::left_normal_form(W, L);
  });
  return py::make_tuple(N.delta_power, FACTORLIST(N, RESULTFORM(X.F, W.strands()), false));
}

// Raises ValueError unless B is a positive word (no inverse letter), naming
// the first inverse letter's 0-based position; WHAT names the argument.
void REQUIREPOSITIVE(const korvel::Braid& B, const char* WHAT) {
  const std::vector<std::int16_t>& WORD = B.word();
  for (std::size_t R = 0; R < WORD.size(); ++R) {
    if (WORD[R] < 0) {
      throw py::value_error(py::str("{} must be a positive braid word, but letter {} is the "
                                    "inverse of sigma_{}")
                                .format(WHAT, R, -WORD[R])
                                .cast<std::string>());
    }
  }
}

// The alternating normal form counts one address digit per strand, up to
// BraidBasics::MAXADDRESS, and writes generator i as the character 96 + i.
py::object ALTERNATINGNORMALFORM(py::handle B, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  REQUIREPOSITIVE(X.B, "b");
  if (NEEDEDSTRANDS(X.B) > BraidBasics::MAXADDRESS) {
    throw py::value_error(py::str("the alternating normal form is computed on at most {} "
                                  "strands; this word needs {}")
                              .format(BraidBasics::MAXADDRESS, NEEDEDSTRANDS(X.B))
                              .cast<std::string>());
  }
  const std::string FORMWORD = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&X](const korvel::Limits& L) {
    return BraidBasics::BALTNORMALWORD(korvel::detail::record(X.B), korvel::detail::core_limits(L));
  });
  std::vector<std::int16_t> WORD(FORMWORD.size());
  for (std::size_t K = 0; K < FORMWORD.size(); ++K) {
    WORD[K] = static_cast<std::int16_t>(static_cast<unsigned char>(FORMWORD[K]) - 96);
  }
  return FROMBRAID(korvel::Braid(std::move(WORD), X.B.strands()), X.F);
}

}  // namespace

void BINDGARSIDE(py::module_& M, BRAIDCLASS& CLASS) {
  M.def("symmetric_normal_form", &SYMMETRICNORMALFORM, "b"_a, "strands"_a = py::none(),
        "max_length"_a = py::none(),
        R"(symmetric_normal_form(b, strands=None, max_length=None) -> tuple[list[word], list[word]]

The symmetric normal decomposition of any braid.

Returns (denominator, numerator), two lists of simple factors (words) with
b = inverse(product(denominator)) * product(numerator). The braids D and N of
the products are positive and have no common left divisor but 1, and each
list is the left normal form of its braid: Delta on strands strands (by
default the braid's own: one more than the largest generator of a word) as
often as it divides, then the left-greedy factors.
symmetric_normal_form('aB') is (['ab'], ['ba']).)");

  M.def("left_normal_form", &LEFTNORMALFORM, "b"_a, "strands"_a = py::none(),
        "max_length"_a = py::none(),
        R"(left_normal_form(b, strands=None, max_length=None) -> tuple[int, list[word]]

The left (Garside) normal form of any braid.

Returns (delta_power, factors): b = Delta^delta_power * product(factors),
Delta the Garside element on strands strands (by default the braid's own:
one more than the largest generator of a word), delta_power any int, and
the factors the left-greedy simple factors of what remains, none of them
Delta or trivial. left_normal_form('abab') is (1, ['b']);
left_normal_form('A') is (-1, []), and left_normal_form('a', strands=3) is
(0, ['a']).)");

  M.def("alternating_normal_form", &ALTERNATINGNORMALFORM, "b"_a, "max_length"_a = py::none(),
        R"(alternating_normal_form(b, max_length=None) -> word

The alternating normal form of a positive braid word, as the console's
key A prints it: a distinguished positive word of the same length, the same
for every positive word of the braid. On three strands it is the braid
written as alternating powers of a and b found from the right, starting with
a: alternating_normal_form('abab') is 'aaba'. A word with an inverse letter
raises ValueError, and so does one on more than 50 strands.)");

  CLASS
      .def(
          "symmetric_normal_form",
          [](py::handle SELF, py::handle MAXLENGTH) {
            return SYMMETRICNORMALFORM(SELF, py::none(), MAXLENGTH);
          },
          "max_length"_a = py::none(),
          R"(symmetric_normal_form(max_length=None) -> tuple[list[Braid], list[Braid]]

(denominator, numerator): b = inverse(product(denominator)) *
product(numerator), each list a left normal form with Delta on b.strands
strands; korvel.symmetric_normal_form.)")
      .def(
          "left_normal_form",
          [](py::handle SELF, py::handle MAXLENGTH) {
            return LEFTNORMALFORM(SELF, py::none(), MAXLENGTH);
          },
          "max_length"_a = py::none(),
          R"(left_normal_form(max_length=None) -> tuple[int, list[Braid]]

(k, factors): b = Delta^k * product(factors), Delta on b.strands strands, k
any int; korvel.left_normal_form.)");
}

}  // namespace korvelpython
