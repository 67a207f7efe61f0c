// Conjugacy in every braid group: module functions and Braid methods over
// korvel/conjugacy.h. Each releases the interpreter lock and stops on Ctrl-C
// like every computation of the module; a set that would have more members
// than max_elements raises korvel.SetTooLarge.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "korvel/conjugacy.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace korvelpython {

std::size_t MAXELEMENTS(py::handle M) {
  if (M.is_none()) {
    return 0;
  }
  if (PyBool_Check(M.ptr()) || !PyIndex_Check(M.ptr())) {
    throw py::type_error("max_elements must be an int or None");
  }
  const py::object INDEX = py::reinterpret_steal<py::object>(PyNumber_Index(M.ptr()));
  if (!INDEX) {
    throw py::error_already_set();
  }
  int OVERFLOW = 0;
  const long long V = PyLong_AsLongLongAndOverflow(INDEX.ptr(), &OVERFLOW);
  if (OVERFLOW > 0) {
    return 0;  // more members than any set can hold: no limit
  }
  if (OVERFLOW < 0 || V < 1) {
    throw py::value_error("max_elements must be at least 1, or None for no limit");
  }
  return static_cast<std::size_t>(V);
}

namespace {

py::tuple PAIR(const korvel::Conjugate& C, FORM F) {
  return py::make_tuple(FROMBRAID(C.element, F), FROMBRAID(C.conjugator, F));
}

py::list ORBITS(const std::vector<std::vector<korvel::Conjugate>>& SETS, FORM F) {
  py::list RESULT;
  for (const auto& ORBIT : SETS) {
    py::list MEMBERS;
    for (const korvel::Conjugate& C : ORBIT) {
      MEMBERS.append(PAIR(C, F));
    }
    RESULT.append(MEMBERS);
  }
  return RESULT;
}

py::object CONJUGATINGBRAID(py::handle A, py::handle B, py::handle M) {
  const BRAIDPAIR X = TOBRAIDS(A, B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  const std::optional<korvel::Braid> C = COMPUTE(std::nullopt, [&](const korvel::Limits& L) {
    return korvel::conjugating_braid(X.B1, X.B2, LIMIT, L);
  });
  if (!C) {
    return py::none();
  }
  return FROMBRAID(*C, RESULTFORM(X.F, C->strands()));
}

// A bool, never the conjugator: the trivial conjugator of x and x is an
// empty word, which Python takes for false.
bool ISCONJUGATE(py::handle A, py::handle B, py::handle M) {
  const BRAIDPAIR X = TOBRAIDS(A, B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::is_conjugate(X.B1, X.B2, LIMIT, L); });
}

py::object REPRESENTATIVE(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  korvel::Braid R = COMPUTE(std::nullopt, [&](const korvel::Limits& L) {
    return korvel::conjugacy_representative(X.B, LIMIT, L);
  });
  const int N = R.strands();
  return FROMBRAID(std::move(R), RESULTFORM(X.F, N));
}

py::list SSS(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  const std::vector<korvel::Conjugate> S = COMPUTE(std::nullopt, [&](const korvel::Limits& L) {
    return korvel::super_summit_set(X.B, LIMIT, L);
  });
  py::list RESULT;
  for (const korvel::Conjugate& C : S) {
    RESULT.append(PAIR(C, RESULTFORM(X.F, X.B.strands())));
  }
  return RESULT;
}

template <std::vector<std::vector<korvel::Conjugate>> (*SETS)(const korvel::Braid&, std::size_t,
                                                              const korvel::Limits&)>
py::list ORBITSET(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  const auto S = COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return SETS(X.B, LIMIT, L); });
  return ORBITS(S, RESULTFORM(X.F, X.B.strands()));
}

template <korvel::Conjugate (*STEP)(const korvel::Braid&, const korvel::Limits&)>
py::tuple ONESTEP(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const korvel::Conjugate C = COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return STEP(X.B, L); });
  return PAIR(C, RESULTFORM(X.F, X.B.strands()));
}

template <long long (*MEASURE)(const korvel::Braid&, const korvel::Limits&)>
long long NUMBER(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return MEASURE(X.B, L); });
}

}  // namespace

void BINDCONJUGACY(py::module_& M, BRAIDCLASS& CLASS) {
  py::exception<korvel::SetTooLarge>& SETTOOLARGE =
      py::register_exception<korvel::SetTooLarge>(M, "SetTooLarge", PyExc_RuntimeError);
  SETTOOLARGE.attr("__doc__") =
      "Raised when a conjugacy set would have more members than max_elements.";
  const py::int_ DEFAULT(korvel::DEFAULT_MAX_ELEMENTS);
  M.attr("DEFAULT_MAX_ELEMENTS") = DEFAULT;

  const char* ISCONJUGATEDOC = R"(is_conjugate(a, b, max_elements=100000) -> bool

Whether a and b are conjugate in B_n (n the larger strand count), decided
through the sliding circuits (Gebhardt and Gonzalez-Meneses 2010):
is_conjugate('ab', 'ba') is True. conjugating_braid gives the conjugator. At
most max_elements members of a set are built (None: no limit); past that
SetTooLarge is raised.)";
  M.def("is_conjugate", &ISCONJUGATE, "a"_a, "b"_a, "max_elements"_a = DEFAULT, ISCONJUGATEDOC);
  M.def("is_conjugated", &ISCONJUGATE, "a"_a, "b"_a, "max_elements"_a = DEFAULT,
        "is_conjugated(a, b, max_elements=100000) -> bool\n\nThe same as is_conjugate.");
  M.def("conjugating_braid", &CONJUGATINGBRAID, "a"_a, "b"_a, "max_elements"_a = DEFAULT,
        R"(conjugating_braid(a, b, max_elements=100000) -> word or None

A braid c with c^-1 a c = b when a and b are conjugate in B_n (n the larger
strand count), None when they are not; c is checked before it is returned.
conjugating_braid('ab', 'ba') is a word c with c^-1 ab c = ba; for a braid
and itself it may be the empty word, which is not None (test with "is not
None", or use is_conjugate).)");
  M.def("conjugacy_representative", &REPRESENTATIVE, "b"_a, "max_elements"_a = DEFAULT,
        R"(conjugacy_representative(b, max_elements=100000) -> word

One braid of the conjugacy class of b, the same word for every braid of the
class: the least member of the sliding circuits in a fixed order of left
normal forms, written as its normal form's word. Classes can be compared and
hashed through it. It needs the whole set of sliding circuits.)");
  M.def("super_summit_set", &SSS, "b"_a, "max_elements"_a = DEFAULT,
        R"(super_summit_set(b, max_elements=100000) -> list[(member, conjugator)]

The conjugates of b with the largest inf and the smallest sup (Elrifai and
Morton 1994), each with a braid c such that c^-1 b c is the member.)");
  M.def("ultra_summit_set", &ORBITSET<korvel::ultra_summit_set>, "b"_a,
        "max_elements"_a = DEFAULT,
        R"(ultra_summit_set(b, max_elements=100000) -> list[list[(member, conjugator)]]

The members of the super summit set that cycling brings back to themselves,
as their cycling orbits (Gebhardt 2005), each member with its conjugator.)");
  M.def("sliding_circuits", &ORBITSET<korvel::sliding_circuits>, "b"_a,
        "max_elements"_a = DEFAULT,
        R"(sliding_circuits(b, max_elements=100000) -> list[list[(member, conjugator)]]

The conjugates of b that cyclic sliding brings back to themselves, as their
circuits (Gebhardt and Gonzalez-Meneses 2010), each with its conjugator.)");
  M.def("cycling", &ONESTEP<korvel::cycling>, "b"_a,
        R"(cycling(b) -> (braid, conjugator)

For b = Delta^p A_1 ... A_r in left normal form: Delta^p A_2 ... A_r
tau^-p(A_1), the first factor moved to the end, and the conjugator c with
c^-1 b c the result.)");
  M.def("decycling", &ONESTEP<korvel::decycling>, "b"_a,
        R"(decycling(b) -> (braid, conjugator)

A_r Delta^p A_1 ... A_(r-1), the last factor moved to the front, and the
conjugator c (A_r^-1) with c^-1 b c the result.)");
  M.def("inf", &NUMBER<korvel::inf>, "b"_a,
        "inf(b) -> int\n\nThe power p of Delta in the left normal form Delta^p A_1 ... A_r.");
  M.def("sup", &NUMBER<korvel::sup>, "b"_a, "sup(b) -> int\n\np + r for Delta^p A_1 ... A_r.");
  M.def("canonical_length", &NUMBER<korvel::canonical_length>, "b"_a,
        "canonical_length(b) -> int\n\nr, the number of simple factors of Delta^p A_1 ... A_r.");

  CLASS
      .def("is_conjugate", &ISCONJUGATE, "other"_a, "max_elements"_a = DEFAULT,
           "is_conjugate(other, max_elements=100000) -> bool\n\n"
           "Whether self and other are conjugate; korvel.is_conjugate.")
      .def("is_conjugated", &ISCONJUGATE, "other"_a, "max_elements"_a = DEFAULT,
           "is_conjugated(other, max_elements=100000) -> bool\n\nThe same as is_conjugate.")
      .def("conjugating_braid", &CONJUGATINGBRAID, "other"_a, "max_elements"_a = DEFAULT,
           "conjugating_braid(other, max_elements=100000) -> Braid or None\n\n"
           "A braid c with c^-1 self c = other, or None; korvel.conjugating_braid.")
      .def("conjugacy_representative", &REPRESENTATIVE, "max_elements"_a = DEFAULT,
           "conjugacy_representative(max_elements=100000) -> Braid\n\n"
           "korvel.conjugacy_representative.")
      .def("super_summit_set", &SSS, "max_elements"_a = DEFAULT, "korvel.super_summit_set.")
      .def("ultra_summit_set", &ORBITSET<korvel::ultra_summit_set>, "max_elements"_a = DEFAULT,
           "korvel.ultra_summit_set.")
      .def("sliding_circuits", &ORBITSET<korvel::sliding_circuits>, "max_elements"_a = DEFAULT,
           "korvel.sliding_circuits.")
      .def("cycling", &ONESTEP<korvel::cycling>, "korvel.cycling.")
      .def("decycling", &ONESTEP<korvel::decycling>, "korvel.decycling.")
      .def("inf", &NUMBER<korvel::inf>, "korvel.inf.")
      .def("sup", &NUMBER<korvel::sup>, "korvel.sup.")
      .def("canonical_length", &NUMBER<korvel::canonical_length>, "korvel.canonical_length.");
}

}  // namespace korvelpython
