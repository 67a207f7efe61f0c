// The Python module korvel: Korvel's braid computations for Python and
// SageMath. This file holds the module's docstring and constants; the class
// Braid is bound in braid.cpp, the functions (and the Braid methods of the
// same computations) by topic in reduction.cpp, garside.cpp, conjugacy.cpp,
// nielsenthurston.cpp, invariants.cpp, pictures.cpp and study.cpp.
#include <pybind11/pybind11.h>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "braidbasics/braid.h"

#ifndef KORVEL_VERSION
#error "KORVEL_VERSION must be defined by the build"
#endif

PYBIND11_MODULE(korvel, M) {
  M.doc() = R"(Braid groups: braids as values, orderings, handle reduction, Dynnikov
coordinates, normal forms, conjugacy and the Nielsen-Thurston type.

A braid is a korvel.Braid, or is given as a str in Korvel's letter syntax,
'a'..'z' for the generators sigma_1..sigma_26 and 'A'..'Z' for their inverses
(blanks and '.' are ignored, any other character raises ValueError), or as a
sequence of non-zero ints in the Tietze convention of SageMath, i for sigma_i
and -i for its inverse, 1 <= |i| <= 32766, or as any object with a Tietze()
method, such as a SageMath braid. Words have any length. A braid given as a
word lives on one more strand than its largest generator; a Braid or a
SageMath braid has its own strand count, up to 32767. Functions that return
words ("word" in the signatures) return them in the form of the argument: a
Braid for a Braid, a str for a str (a tuple when a result needs a generator
above sigma_26), a tuple of ints for a sequence or a SageMath braid.

Orderings (the argument ordering):
  "R"  the original Ravelind ordering, sigma_1 large (the default);
  "F"  the flipped Ravelind ordering, sigma_n large;
  "U"  the Dubrovina-Dubrovin ordering.
Methods (the argument method) that decide equality and the orderings R and F:
  "handles"      handle reduction;
  "coordinates"  the Dynnikov coordinates, exact integers;
  "auto"         the one faster for the input (the default).

No computation has a length limit unless it is given one: max_length=N
abandons it with BoundExceeded (an ArithmeticError) when it would build a
word of more than N letters. MAX_LENGTH and MAX_STRANDS are the console's
limits (2000 letters, 50 strands), for computations that should keep them.

Every computation runs without the interpreter lock, so threads compute in
parallel, and Ctrl-C abandons a long one with KeyboardInterrupt.

References:
  F. A. Garside, The braid group and other groups, Quart. J. Math. Oxford 20
  (1969), 235-254.
  T. V. Dubrovina and N. I. Dubrovin, On braid groups, Sbornik: Mathematics
  192 (2001), no. 5, 693-703.)";

  // Each docstring begins with its own signature, written for the Python
  // reader (a braid is a Braid, a str or a Tietze sequence, a word comes back
  // in the same form), rather than the one pybind11 would derive from C++
  // types.
  pybind11::options OPTIONS;
  OPTIONS.disable_function_signatures();

  M.attr("__version__") = KORVEL_VERSION;
  M.attr("MAX_LENGTH") = BraidBasics::BMAXLENGTH;
  M.attr("MAX_STRANDS") = BraidBasics::BMAXWIDTH;

  korvelpython::RECORDMAINTHREAD();
  pybind11::module_::import("os").attr("register_at_fork")(
      pybind11::arg("after_in_child") = pybind11::cpp_function(&korvelpython::RECORDMAINTHREAD));
  korvelpython::REGISTERBOUNDEXCEEDED(M);
  korvelpython::BRAIDCLASS CLASS = korvelpython::BINDBRAID(M);
  korvelpython::BINDREDUCTION(M, CLASS);
  korvelpython::BINDGARSIDE(M, CLASS);
  korvelpython::BINDCONJUGACY(M, CLASS);
  korvelpython::BINDNIELSENTHURSTON(M, CLASS);
  korvelpython::BINDINVARIANTS(M, CLASS);
#ifdef KORVEL_BURAU
  korvelpython::BINDBURAU(M, CLASS);
#endif
  korvelpython::BINDPICTURES(M, CLASS);
  korvelpython::BINDSTUDY(M);
}
