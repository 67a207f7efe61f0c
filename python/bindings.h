// The functions of the Python module korvel, by topic; each adds its
// functions, with their docstrings, to the module M.
#pragma once

#include <pybind11/pybind11.h>

namespace korvelpython {

// compare, sign, equivalent, is_trivial, handle_reduce,
// handle_reduction_steps.
void BINDREDUCTION(pybind11::module_& M);

// symmetric_normal_form, left_normal_form, alternating_normal_form,
// left_gcd, right_lcm.
void BINDGARSIDE(pybind11::module_& M);

// svg, tikz and the Braid object that Jupyter shows as its picture.
void BINDPICTURES(pybind11::module_& M);

// braid_table and its row type StudyRow.
void BINDSTUDY(pybind11::module_& M);

}  // namespace korvelpython
