// Comparison, sign, equivalence, handle reduction and the Dynnikov
// coordinates for Python.
#include <pybind11/pybind11.h>

#include <gmp.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"

namespace korvelpython {

using namespace pybind11::literals;

namespace {

int COMPARE(py::handle B1, py::handle B2, std::string_view ORDERING, std::string_view METHOD,
            py::handle MAXLENGTH) {
  const BRAIDPAIR P = TOBRAIDS(B1, B2);
  const korvel::Ordering O = ORDERINGOF(ORDERING);
  const korvel::Method H = METHODOF(METHOD, O);
  return COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&P, O, H](const korvel::Limits& L) {
    return korvel::compare(P.B1, P.B2, O, H, L);
  });
}

int SIGN(py::handle B, std::string_view ORDERING, std::string_view METHOD, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Ordering O = ORDERINGOF(ORDERING);
  const korvel::Method H = METHODOF(METHOD, O);
  return COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH),
                 [&X, O, H](const korvel::Limits& L) { return korvel::sign(X.B, O, H, L); });
}

bool EQUIVALENT(py::handle B1, py::handle B2, std::string_view METHOD, py::handle MAXLENGTH) {
  const BRAIDPAIR P = TOBRAIDS(B1, B2);
  const korvel::Method H = METHODOF(METHOD);
  return COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&P, H](const korvel::Limits& L) {
    return korvel::equal(P.B1, P.B2, H, L);
  });
}

bool ISTRIVIAL(py::handle B, std::string_view METHOD, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Method H = METHODOF(METHOD);
  return COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH),
                 [&X, H](const korvel::Limits& L) { return korvel::is_trivial(X.B, H, L); });
}

py::object HANDLEREDUCE(py::handle B, std::string_view ORDERING, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Ordering O = ORDERINGOF(ORDERING);
  korvel::Braid R = COMPUTE(MAXLENGTHARGUMENT(MAXLENGTH), [&X, O](const korvel::Limits& L) {
    return korvel::handle_reduce(X.B, O, L);
  });
  return FROMBRAID(std::move(R), X.F);
}

py::list HANDLEREDUCTIONSTEPS(py::handle B, py::handle MAXLENGTH) {
  const BRAIDARGUMENT X = TOBRAID(B);
  std::vector<korvel::ReductionStep> STEPS = COMPUTE(
      MAXLENGTHARGUMENT(MAXLENGTH),
      [&X](const korvel::Limits& L) { return korvel::handle_reduction_steps(X.B, L); });
  py::list LIST;
  for (korvel::ReductionStep& S : STEPS) {
    // The span [first, second) is word[first:second], as in the interface.
    const py::object HANDLE =
        S.handle ? py::object(py::make_tuple(S.handle->first, S.handle->second))
                 : py::object(py::none());
    LIST.append(py::make_tuple(FROMBRAID(std::move(S.word), X.F), HANDLE));
  }
  return LIST;
}

// The Python int of X, exactly: a small one directly, a large one through
// its hexadecimal digits (linear in their number).
py::object PYTHONINT(const mpz_class& X) {
  if (mpz_fits_slong_p(X.get_mpz_t())) {
    return py::reinterpret_steal<py::object>(PyLong_FromLong(mpz_get_si(X.get_mpz_t())));
  }
  std::string DIGITS(mpz_sizeinbase(X.get_mpz_t(), 16) + 2, '\0');
  mpz_get_str(DIGITS.data(), 16, X.get_mpz_t());
  const py::object R =
      py::reinterpret_steal<py::object>(PyLong_FromString(DIGITS.c_str(), nullptr, 16));
  if (!R) {
    throw py::error_already_set();
  }
  return R;
}

py::tuple COORDINATES(py::handle B, py::handle STRANDS) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Braid W = WITHSTRANDS(X.B, STRANDSARGUMENT(STRANDS));
  const std::vector<mpz_class> C = COMPUTE(
      std::nullopt, [&W](const korvel::Limits& L) { return korvel::coordinates(W, L); });
  py::tuple T(C.size());
  for (std::size_t K = 0; K < C.size(); ++K) {
    T[K] = PYTHONINT(C[K]);
  }
  return T;
}

}  // namespace

void BINDREDUCTION(py::module_& M, BRAIDCLASS& CLASS) {
  M.def("compare", &COMPARE, "b1"_a, "b2"_a, "ordering"_a = "R", "method"_a = "auto",
        "max_length"_a = py::none(),
        R"(compare(b1, b2, ordering='R', method='auto', max_length=None) -> int

Compare two braids in a braid ordering.

Returns -1 when b1 < b2, 0 when b1 and b2 are the same braid, 1 when b1 > b2:
b1 < b2 exactly when inverse(b1).b2 is larger than 1, so compare('a', 'b')
is 1 under "R", where Ab is smaller than 1. Both braids are taken on the
larger of their strand counts.

ordering: "R" the original Ravelind ordering (sigma_1 large), "F" its flipped
form (sigma_n large), "U" the Dubrovina-Dubrovin ordering.
method: "handles" (handle reduction of inverse(b1).b2, whose words may grow),
"coordinates" (the Dynnikov coordinates: one pass over the letters with
exact integers, for "R" and "F"), or "auto" (the one faster for the input;
"U" is always decided by handle reduction).
max_length: the longest word the computation may build, in letters;
BoundExceeded past it. None: no limit.)");

  M.def("sign", &SIGN, "b"_a, "ordering"_a = "R", "method"_a = "auto",
        "max_length"_a = py::none(),
        R"(sign(b, ordering='R', method='auto', max_length=None) -> int

The sign of a braid in a braid ordering: 1 when b is larger than the
trivial braid, -1 when smaller, 0 when b is trivial: sign(b) == compare(b, '').
The arguments are those of compare.)");

  M.def("equivalent", &EQUIVALENT, "b1"_a, "b2"_a, "method"_a = "auto",
        "max_length"_a = py::none(),
        R"(equivalent(b1, b2, method='auto', max_length=None) -> bool

True when b1 and b2 are the same braid: inverse(b1).b2 reduces to the empty
word by handle reduction ("handles"), or both have the same Dynnikov
coordinates ("coordinates"); "auto" takes the faster for the input.)");

  M.def("is_trivial", &ISTRIVIAL, "b"_a, "method"_a = "auto", "max_length"_a = py::none(),
        R"(is_trivial(b, method='auto', max_length=None) -> bool

True when b is the trivial braid; the arguments are those of equivalent.)");

  M.def("handle_reduce", &HANDLEREDUCE, "b"_a, "ordering"_a = "R", "max_length"_a = py::none(),
        R"(handle_reduce(b, ordering='R', max_length=None) -> word

The handle-free word equivalent to b from which the ordering reads the
sign: the generator of least index ("R", "U") or of greatest index ("F")
occurs with one sign only. It is the word the console's key C prints for the
quotient. Handle reduction with free reduction after every step; under "F"
the word is flipped (sigma_i <-> sigma_(n-i)) before and after.)");

  M.def("handle_reduction_steps", &HANDLEREDUCTIONSTEPS, "b"_a, "max_length"_a = py::none(),
        R"(handle_reduction_steps(b, max_length=None) -> list[tuple[word, tuple[int, int] | None]]

The steps of handle reduction as the console's key H shows them.

Returns a list of (word, (start, stop)) pairs, one per step: the word before
the step and the handle reduced in it, word[start:stop] (0-based, stop
excluded). The last item is (reduced word, None). Each step reduces the
handle whose last letter comes first, with no free reduction and whatever
the ordering: handle_reduction_steps('abA') is
[('abA', (0, 3)), ('Bab', None)].)");

  M.def("coordinates", &COORDINATES, "b"_a, "strands"_a = py::none(),
        R"(coordinates(b, strands=None) -> tuple[int, ...]

The Dynnikov coordinates (a_1, b_1, ..., a_n, b_n) of the braid b on n
strands (by default its own): the image of (0, 1, 0, 1, ..., 0, 1) under the
letters of b read from left to right, exact Python ints. Two braids on n
strands are the same exactly when their coordinates are; b is larger than 1
in the R-ordering exactly when the first non-zero number of
(a_1, b_1 - 1, ..., a_n, b_n - 1) is positive.)");

  CLASS
      .def(
          "compare",
          [](py::handle SELF, py::handle OTHER, std::string_view ORDERING,
             std::string_view METHOD,
             py::handle MAXLENGTH) { return COMPARE(SELF, OTHER, ORDERING, METHOD, MAXLENGTH); },
          "other"_a, "ordering"_a = "R", "method"_a = "auto", "max_length"_a = py::none(),
          R"(compare(other, ordering='R', method='auto', max_length=None) -> int

-1, 0 or 1 as b < other, b == other, b > other in the ordering; korvel.compare.)")
      .def("sign", &SIGN, "ordering"_a = "R", "method"_a = "auto", "max_length"_a = py::none(),
           R"(sign(ordering='R', method='auto', max_length=None) -> int

-1, 0 or 1 as b is smaller than, equal to or larger than 1; korvel.sign.)")
      .def("is_trivial", &ISTRIVIAL, "method"_a = "auto", "max_length"_a = py::none(),
           R"(is_trivial(method='auto', max_length=None) -> bool

Whether b is the trivial braid; korvel.is_trivial.)")
      .def("handle_reduced", &HANDLEREDUCE, "ordering"_a = "R", "max_length"_a = py::none(),
           R"(handle_reduced(ordering='R', max_length=None) -> Braid

The handle-free word of b as a Braid on b.strands strands; korvel.handle_reduce.)")
      .def(
          "coordinates", [](py::handle SELF) { return COORDINATES(SELF, py::none()); },
          R"(coordinates() -> tuple[int, ...]

The Dynnikov coordinates of b on b.strands strands; korvel.coordinates.)");
}

}  // namespace korvelpython
