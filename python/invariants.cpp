// The quick invariants (korvel/invariants.h): the permutation, the exponent
// sum, purity, the mirror image and the reverse, the right normal form, and
// the gcds and lcms of two braids of any sign, as module functions and Braid
// methods. Each releases the interpreter lock and stops on Ctrl-C like every
// computation of the module; words come back in the form of the argument.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "korvel/invariants.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace korvelpython {

namespace {

py::list PERMUTATION(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return py::cast(COMPUTE(std::nullopt, [&](const korvel::Limits&) { return korvel::permutation(X.B); }));
}

long long EXPONENTSUM(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits&) { return korvel::exponent_sum(X.B); });
}

bool ISPURE(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits&) { return korvel::is_pure(X.B); });
}

// The word OP gives for B, in B's form.
template <korvel::Braid (*OP)(const korvel::Braid&)>
py::object WORDMAP(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  korvel::Braid R = COMPUTE(std::nullopt, [&](const korvel::Limits&) { return OP(X.B); });
  return FROMBRAID(std::move(R), RESULTFORM(X.F, X.B.strands()));
}

py::tuple RIGHTNORMALFORM(py::handle B, py::handle STRANDS, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Braid W = WITHSTRANDS(X.B, STRANDSARGUMENT(STRANDS));
  korvel::RightNormalForm N = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&W](const korvel::Limits& L) {
    return korvel::right_normal_form(W, L);
  });
  const FORM F = RESULTFORM(X.F, W.strands());
  py::list FACTORS;
  for (korvel::Braid& FACTOR : N.factors) {
    FACTORS.append(FROMBRAID(std::move(FACTOR), F));
  }
  return py::make_tuple(FACTORS, N.delta_power);
}

// The word OP gives for A and B, in the form of the pair.
template <korvel::Braid (*OP)(const korvel::Braid&, const korvel::Braid&, const korvel::Limits&)>
py::object PAIROPERATION(py::handle A, py::handle B, py::handle MAXLENGTH) {
  const BRAIDPAIR P = TOBRAIDS(A, B);
  const int STRANDS = std::max(P.B1.strands(), P.B2.strands());
  korvel::Braid R = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH),
                            [&P](const korvel::Limits& L) { return OP(P.B1, P.B2, L); });
  return FROMBRAID(std::move(R), RESULTFORM(P.F, STRANDS));
}

}  // namespace

void BINDINVARIANTS(py::module_& M, BRAIDCLASS& CLASS) {
  M.def("permutation", &PERMUTATION, "b"_a,
        R"(permutation(b) -> list[int]

The permutation of the strands of b, 1-based: p[i-1] is the position at
the bottom where the strand that starts at position i ends, the word read
from left to right (top to bottom), sigma_i exchanging i and i+1. The
permutation of a product a*b is i -> p_b[p_a[i]]: permutation('ab') is
[3, 1, 2], and Delta on n strands gives [n, ..., 1].)");
  M.def("exponent_sum", &EXPONENTSUM, "b"_a,
        "exponent_sum(b) -> int\n\n"
        "The number of positive letters of b less the number of inverse ones: the\n"
        "image of b under the abelianization of the braid group onto Z.");
  M.def("is_pure", &ISPURE, "b"_a,
        "is_pure(b) -> bool\n\nWhether every strand of b ends where it starts (its permutation is the\n"
        "identity).");
  M.def("mirror_image", &WORDMAP<korvel::mirror_image>, "b"_a,
        "mirror_image(b) -> word\n\n"
        "The word of b with every letter inverted, in the same order: mirror_image('aB')\n"
        "is 'Ab'. It is inverse(reverse(b)).");
  M.def("reverse", &WORDMAP<korvel::reverse>, "b"_a,
        "reverse(b) -> word\n\n"
        "The word of b read backwards: reverse('aB') is 'Ba'; reverse(a * b) is\n"
        "reverse(b) * reverse(a).");
  M.def("right_normal_form", &RIGHTNORMALFORM, "b"_a, "strands"_a = py::none(),
        "max_length"_a = py::none(),
        R"(right_normal_form(b, strands=None, max_length=None) -> tuple[list[word], int]

The right normal form of any braid.

Returns (factors, delta_power): b = product(factors) * Delta^delta_power,
Delta the Garside element on strands strands (by default the braid's own),
and the factors simple, none of them Delta or trivial, each pair
right-weighted (no generator that ends a factor can be moved onto the next
one). It has the delta_power and the number of factors of the left normal
form. right_normal_form('abab') is (['a'], 1).)");

  M.def("left_gcd", &PAIROPERATION<korvel::left_gcd>, "a"_a, "b"_a, "max_length"_a = py::none(),
        R"(left_gcd(a, b, max_length=None) -> word

The greatest common left divisor of two braids of any sign: the largest g
in the prefix order (g <= x when g^-1 x is a positive braid) with g <= a and
g <= b, on the larger strand count, spelled as its left normal form (Delta
powers first). left_gcd('aba', 'ab') is 'ab'; left_gcd('A', 'B') is
inverse(Delta). Multiplying a and b on the right by a power of Delta^2
multiplies the gcd by it. The result is a Braid when either argument is
one, a str when both are str, a tuple otherwise.)");
  M.def("right_gcd", &PAIROPERATION<korvel::right_gcd>, "a"_a, "b"_a, "max_length"_a = py::none(),
        R"(right_gcd(a, b, max_length=None) -> word

The greatest common right divisor of two braids of any sign: the largest g
in the suffix order (g divides x on the right when x g^-1 is positive),
spelled as its left normal form: right_gcd('aba', 'ab') is 'ab'. Results as
for left_gcd.)");
  M.def("left_lcm", &PAIROPERATION<korvel::left_lcm>, "a"_a, "b"_a, "max_length"_a = py::none(),
        R"(left_lcm(a, b, max_length=None) -> word

The least common left multiple of two braids of any sign: the smallest m in
the suffix order with m = x a = y b, x and y positive, written as a positive
word followed by the word of b: left_lcm('a', 'b') is Delta = 'aba' = 'bab'.
Results as for left_gcd.)");
  M.def("right_lcm", &PAIROPERATION<korvel::right_lcm>, "a"_a, "b"_a, "max_length"_a = py::none(),
        R"(right_lcm(a, b, max_length=None) -> word

The least common right multiple of two braids of any sign: the smallest m
in the prefix order with m = a x = b y, x and y positive, written as the word
of a followed by a positive word: right_lcm('a', 'b') is 'aba'. Results as
for left_gcd.)");

  CLASS
      .def("permutation", &PERMUTATION, "permutation() -> list[int]\n\nkorvel.permutation.")
      .def("exponent_sum", &EXPONENTSUM, "exponent_sum() -> int\n\nkorvel.exponent_sum.")
      .def("is_pure", &ISPURE, "is_pure() -> bool\n\nkorvel.is_pure.")
      .def("mirror_image", &WORDMAP<korvel::mirror_image>,
           "mirror_image() -> Braid\n\nEvery letter inverted; korvel.mirror_image.")
      .def("reverse", &WORDMAP<korvel::reverse>,
           "reverse() -> Braid\n\nThe word read backwards; korvel.reverse.")
      .def(
          "right_normal_form",
          [](py::handle SELF, py::handle MAXLENGTH) { return RIGHTNORMALFORM(SELF, py::none(), MAXLENGTH); },
          "max_length"_a = py::none(),
          R"(right_normal_form(max_length=None) -> tuple[list[Braid], int]

(factors, k): b = product(factors) * Delta^k, Delta on b.strands strands;
korvel.right_normal_form.)")
      .def("left_gcd", &PAIROPERATION<korvel::left_gcd>, "other"_a, "max_length"_a = py::none(),
           "left_gcd(other, max_length=None) -> Braid\n\nkorvel.left_gcd(self, other).")
      .def("right_gcd", &PAIROPERATION<korvel::right_gcd>, "other"_a, "max_length"_a = py::none(),
           "right_gcd(other, max_length=None) -> Braid\n\nkorvel.right_gcd(self, other).")
      .def("left_lcm", &PAIROPERATION<korvel::left_lcm>, "other"_a, "max_length"_a = py::none(),
           "left_lcm(other, max_length=None) -> Braid\n\nkorvel.left_lcm(self, other).")
      .def("right_lcm", &PAIROPERATION<korvel::right_lcm>, "other"_a, "max_length"_a = py::none(),
           "right_lcm(other, max_length=None) -> Braid\n\nkorvel.right_lcm(self, other).");
}

}  // namespace korvelpython
