// The functions of the Python module korvel, by topic; each adds its
// functions, with their docstrings, to the module M, and the methods of the
// same computations to the class korvel.Braid (a method is the module
// function with the braid as its first argument).
#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>

#include "braidarguments.h"

namespace korvelpython {

using BRAIDCLASS = pybind11::class_<BRAIDOBJECT>;

// The class korvel.Braid: construction, the group operations, equality,
// hashing, the R-ordering, pickling, str, repr and _latex_.
BRAIDCLASS BINDBRAID(pybind11::module_& M);

// compare, sign, equivalent, is_trivial, handle_reduce,
// handle_reduction_steps, coordinates.
void BINDREDUCTION(pybind11::module_& M, BRAIDCLASS& CLASS);

// symmetric_normal_form, left_normal_form, alternating_normal_form.
void BINDGARSIDE(pybind11::module_& M, BRAIDCLASS& CLASS);

// svg, tikz, and the pictures of a Braid (_repr_svg_ for Jupyter).
void BINDPICTURES(pybind11::module_& M, BRAIDCLASS& CLASS);

// is_conjugate (and is_conjugated), conjugating_braid,
// conjugacy_representative, the summit sets, cycling, decycling, inf, sup,
// canonical_length, and SetTooLarge.
void BINDCONJUGACY(pybind11::module_& M, BRAIDCLASS& CLASS);

// thurston_type, is_periodic, is_reducible, is_pseudoanosov,
// reduction_system (and its type ReductionSystem), centralizer, rigidity,
// entropy. After BINDCONJUGACY, whose SetTooLarge they raise.
void BINDNIELSENTHURSTON(pybind11::module_& M, BRAIDCLASS& CLASS);

// permutation, exponent_sum, is_pure, mirror_image, reverse,
// right_normal_form, left_gcd, right_gcd, left_lcm, right_lcm.
void BINDINVARIANTS(pybind11::module_& M, BRAIDCLASS& CLASS);

// The class LaurentPolynomial, burau_matrix and alexander_polynomial (built
// when FLINT was found: KORVEL_BURAU).
void BINDBURAU(pybind11::module_& M, BRAIDCLASS& CLASS);

// The limit on the members of a set that the argument max_elements asks
// for: 0 (none) for None or an int too large to hold, otherwise an int of at
// least 1 (ValueError below, TypeError for a non-int).
std::size_t MAXELEMENTS(pybind11::handle M);

// braid_table and its row type StudyRow.
void BINDSTUDY(pybind11::module_& M);

}  // namespace korvelpython
