// The Python module korvel: Korvel's braid computations for Python and
// SageMath. This file holds the module's docstring and constants; the
// functions are bound by topic in reduction.cpp, garside.cpp, pictures.cpp and
// study.cpp.
#include <pybind11/pybind11.h>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/braid.h"

#ifndef KORVEL_VERSION
#error "KORVEL_VERSION must be defined by the build"
#endif

PYBIND11_MODULE(korvel, M) {
  M.doc() = R"(Braid groups: orderings, handle reduction and normal forms.

A braid is given either as a str in Korvel's letter syntax, 'a'..'z' for the
generators sigma_1..sigma_26 and 'A'..'Z' for their inverses (blanks and '.'
are ignored, any other character raises ValueError), or as a sequence of
non-zero ints in the Tietze convention of SageMath, i for sigma_i and -i for
its inverse, 1 <= |i| <= 49 (so a SageMath braid b is passed as b.Tietze()).
A braid lives on one more strand than its largest generator. Functions that
return words ("word" in the signatures) return them in the form of the
argument: a str for a str, a tuple of ints for a sequence.

Orderings (the argument ordering of compare, sign and handle_reduce):
  "R"  the original Ravelind ordering, sigma_1 large (the default);
  "F"  the flipped Ravelind ordering, sigma_n large;
  "U"  the Dubrovina-Dubrovin ordering.
Each call sets its ordering for its own duration only.

A computation whose word would pass MAX_LENGTH letters raises BoundExceeded
(an ArithmeticError).

References:
  F. A. Garside, The braid group and other groups, Quart. J. Math. Oxford 20
  (1969), 235-254.
  T. V. Dubrovina and N. I. Dubrovin, On braid groups, Sbornik: Mathematics
  192 (2001), no. 5, 693-703.)";

  // Each docstring begins with its own signature, written for the Python
  // reader (a braid is a str or a Tietze sequence, a word comes back in the
  // same form), rather than the one pybind11 would derive from C++ types.
  pybind11::options OPTIONS;
  OPTIONS.disable_function_signatures();

  M.attr("__version__") = KORVEL_VERSION;
  M.attr("MAX_LENGTH") = BraidBasics::BMAXLENGTH;
  M.attr("MAX_STRANDS") = BraidBasics::BMAXWIDTH;

  korvelpython::REGISTERBOUNDEXCEEDED(M);
  korvelpython::BINDREDUCTION(M);
  korvelpython::BINDGARSIDE(M);
  korvelpython::BINDPICTURES(M);
  korvelpython::BINDSTUDY(M);
}
