// The Burau matrices and the Alexander polynomial (korvel/burau.h), and the
// class korvel.LaurentPolynomial of their exact values. The computations
// release the interpreter lock and stop on Ctrl-C like every computation of
// the module; their values become Python objects with the lock held.
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <utility>
#include <vector>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "korvel/burau.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace korvelpython {

namespace {

using POLYNOMIAL = korvel::LaurentPolynomial;

py::int_ TOINT(const mpz_class& X) {
  const std::string DIGITS = X.get_str(16);
  return py::reinterpret_steal<py::int_>(PyLong_FromString(DIGITS.c_str(), nullptr, 16));
}

// A Python int as a GMP integer; TypeError for anything else (bool is an int).
mpz_class TOMPZ(py::handle X) {
  if (!PyLong_Check(X.ptr())) {
    throw py::type_error("a coefficient must be an int, not " + std::string(py::str(py::type::of(X).attr("__name__"))));
  }
  return mpz_class(std::string(py::str(py::reinterpret_borrow<py::object>(X).attr("__format__")("x"))), 16);
}

long EXPONENT(py::handle X) {
  if (!PyLong_Check(X.ptr())) {
    throw py::type_error("an exponent must be an int");
  }
  return X.cast<long>();
}

POLYNOMIAL MAKE(const py::iterable& COEFFICIENTS, py::handle LOWEST) {
  std::vector<mpz_class> C;
  for (py::handle X : COEFFICIENTS) {
    C.push_back(TOMPZ(X));
  }
  return POLYNOMIAL(std::move(C), EXPONENT(LOWEST));
}

py::list COEFFICIENTS(const POLYNOMIAL& P) {
  py::list RESULT;
  for (const mpz_class& C : P.coefficients()) {
    RESULT.append(TOINT(C));
  }
  return RESULT;
}

py::dict TERMS(const POLYNOMIAL& P) {
  py::dict RESULT;
  long E = P.lowest_exponent();
  for (const mpz_class& C : P.coefficients()) {
    if (C != 0) {
      RESULT[py::int_(E)] = TOINT(C);
    }
    ++E;
  }
  return RESULT;
}

// The polynomial OTHER stands for: itself, or an int as a constant; nothing
// for any other object.
std::optional<POLYNOMIAL> OPERAND(py::handle OTHER) {
  if (py::isinstance<POLYNOMIAL>(OTHER)) {
    return OTHER.cast<POLYNOMIAL>();
  }
  if (PyLong_Check(OTHER.ptr())) {
    return POLYNOMIAL({TOMPZ(OTHER)}, 0);
  }
  return std::nullopt;
}

template <POLYNOMIAL (*OP)(const POLYNOMIAL&, const POLYNOMIAL&), bool SWAPPED>
py::object BINARY(const POLYNOMIAL& P, py::handle OTHER) {
  const std::optional<POLYNOMIAL> Q = OPERAND(OTHER);
  if (!Q) {
    return py::reinterpret_borrow<py::object>(Py_NotImplemented);
  }
  return py::cast(SWAPPED ? OP(*Q, P) : OP(P, *Q));
}

POLYNOMIAL ADD(const POLYNOMIAL& A, const POLYNOMIAL& B) { return A + B; }
POLYNOMIAL SUBTRACT(const POLYNOMIAL& A, const POLYNOMIAL& B) { return A - B; }
POLYNOMIAL MULTIPLY(const POLYNOMIAL& A, const POLYNOMIAL& B) { return A * B; }

py::object EQUALS(const POLYNOMIAL& P, py::handle OTHER) {
  const std::optional<POLYNOMIAL> Q = OPERAND(OTHER);
  if (!Q) {
    return py::reinterpret_borrow<py::object>(Py_NotImplemented);
  }
  return py::bool_(P == *Q);
}

// Equal to the hash of the int for a constant, as the two compare equal.
py::int_ HASH(const POLYNOMIAL& P) {
  if (P.is_zero() || (P.lowest_exponent() == 0 && P.coefficients().size() == 1)) {
    return py::int_(py::hash(P.is_zero() ? py::int_(0) : TOINT(P.coefficients().front())));
  }
  return py::int_(py::hash(py::make_tuple(P.lowest_exponent(), py::tuple(COEFFICIENTS(P)))));
}

std::string REPR(const POLYNOMIAL& P) {
  return "korvel.LaurentPolynomial(" + std::string(py::repr(COEFFICIENTS(P))) + ", " +
         std::to_string(P.lowest_exponent()) + ")";
}

// The value at X: a Fraction, exact, for an int or a Fraction; for any
// other X (a SageMath ring element, a Decimal) the sum of c * X**e, in X's
// own arithmetic.
py::object CALL(const POLYNOMIAL& P, py::handle X) {
  const py::object FRACTION = py::module_::import("fractions").attr("Fraction");
  if (PyLong_Check(X.ptr()) || py::isinstance(X, FRACTION)) {
    const py::object Q = FRACTION(X);
    const mpq_class T(TOMPZ(Q.attr("numerator")), TOMPZ(Q.attr("denominator")));
    if (T == 0 && P.lowest_exponent() < 0) {
      PyErr_SetString(PyExc_ZeroDivisionError, "a Laurent polynomial with a negative exponent at 0");
      throw py::error_already_set();
    }
    const mpq_class V = P(T);
    return FRACTION(TOINT(V.get_num()), TOINT(V.get_den()));
  }
  py::object SUM = py::int_(0);
  long E = P.lowest_exponent();
  for (const mpz_class& C : P.coefficients()) {
    if (C != 0) {
      SUM = SUM + TOINT(C) * py::reinterpret_borrow<py::object>(X).attr("__pow__")(py::int_(E));
    }
    ++E;
  }
  return SUM;
}

py::list MATRIX(korvel::LaurentMatrix&& M) {
  py::list ROWS;
  for (std::vector<POLYNOMIAL>& ROW : M) {
    py::list R;
    for (POLYNOMIAL& X : ROW) {
      R.append(py::cast(std::move(X)));
    }
    ROWS.append(std::move(R));
  }
  return ROWS;
}

// REDUCED is read by its truth value, as Python reads a flag.
py::list BURAUMATRIX(py::handle B, py::handle FLAG) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const int TRUTH = PyObject_IsTrue(FLAG.ptr());
  if (TRUTH < 0) {
    throw py::error_already_set();
  }
  const bool REDUCED = TRUTH != 0;
  return MATRIX(
      COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::burau_matrix(X.B, REDUCED, L); }));
}

POLYNOMIAL ALEXANDER(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::alexander_polynomial(X.B, L); });
}

constexpr const char* BURAUDOC = R"(burau_matrix(b, reduced=False) -> list[list[LaurentPolynomial]]

The Burau matrix of b as a list of rows of exact Laurent polynomials in t:
n x n on the n strands of b, or (n-1) x (n-1) when reduced. sigma_i is the
identity but for the block [[1 - t, t], [1, 0]] on rows and columns i, i+1
(1 - t in the upper left corner, determinant -t); a word maps to the product
of its letters' matrices in order. The reduced matrix is the action on the
vectors x with x_1 + t x_2 + ... + t^(n-1) x_n = 0 in the basis t e_j -
e_(j+1): sigma_i is the identity but for row i, which holds 1, -t, t in
columns i-1, i, i+1.)";

constexpr const char* ALEXANDERDOC = R"(alexander_polynomial(b) -> LaurentPolynomial

The Alexander polynomial of the closure of b, Conway-normalised: it satisfies
Delta(L+) - Delta(L-) = (t^(1/2) - t^(-1/2)) Delta(L0) and is 1 for the
unknot, so a knot's is symmetric with Delta(1) = 1 (the trefoil 'aaa':
t^-1 - 1 + t; the figure-eight knot 'aBaB': -t^-1 + 3 - t). For a link of an
even number of components, whose polynomial has half-integer exponents,
t^(1/2) Delta(t) is returned (the Hopf link 'aa': -1 + t). 0 for a split
link, such as the closure of a trivial braid on two strands or more.)";

}  // namespace

void BINDBURAU(py::module_& M, BRAIDCLASS& CLASS) {
  py::class_<POLYNOMIAL>(M, "LaurentPolynomial", R"(A Laurent polynomial in t with integer coefficients, exact.

LaurentPolynomial(coefficients, lowest_exponent=0) is the sum of
coefficients[k] * t**(lowest_exponent + k). str() writes it as SageMath does,
by increasing exponent ('t^-1 - 1 + t'); p(x) is its value, a Fraction for an
int or a Fraction x, and in x's own arithmetic otherwise, so that with
SageMath p(LaurentPolynomialRing(ZZ, 't').gen()) is the same polynomial in
Sage. +, -, * and == work with LaurentPolynomial and int operands.)")
      .def(py::init(&MAKE), "coefficients"_a, "lowest_exponent"_a = 0)
      .def("coefficients", &COEFFICIENTS,
           "coefficients() -> list[int]\n\nThe coefficients from the lowest exponent to the highest (none for 0).")
      .def("lowest_exponent", &POLYNOMIAL::lowest_exponent,
           "lowest_exponent() -> int\n\nThe least exponent of a nonzero term (0 for 0).")
      .def("highest_exponent", &POLYNOMIAL::highest_exponent,
           "highest_exponent() -> int\n\nThe greatest exponent of a nonzero term (-1 for 0).")
      .def("dict", &TERMS, "dict() -> dict[int, int]\n\nThe nonzero terms, {exponent: coefficient}.")
      .def("is_zero", &POLYNOMIAL::is_zero, "is_zero() -> bool")
      .def("__call__", &CALL, "x"_a)
      .def("__str__", &POLYNOMIAL::str)
      .def("__repr__", &REPR)
      .def("__eq__", &EQUALS)
      .def("__hash__", &HASH)
      .def("__add__", &BINARY<ADD, false>)
      .def("__radd__", &BINARY<ADD, true>)
      .def("__sub__", &BINARY<SUBTRACT, false>)
      .def("__rsub__", &BINARY<SUBTRACT, true>)
      .def("__mul__", &BINARY<MULTIPLY, false>)
      .def("__rmul__", &BINARY<MULTIPLY, true>)
      .def("__neg__", [](const POLYNOMIAL& P) { return -P; })
      .def("__reduce__", [](py::handle SELF) {
        const POLYNOMIAL& P = SELF.cast<const POLYNOMIAL&>();
        return py::make_tuple(py::type::of(SELF), py::make_tuple(COEFFICIENTS(P), P.lowest_exponent()));
      });

  M.def("burau_matrix", &BURAUMATRIX, "b"_a, "reduced"_a = py::bool_(false), BURAUDOC);
  M.def("alexander_polynomial", &ALEXANDER, "b"_a, ALEXANDERDOC);
  CLASS
      .def("burau_matrix", &BURAUMATRIX, "reduced"_a = py::bool_(false),
           "burau_matrix(reduced=False) -> list[list[LaurentPolynomial]]\n\nkorvel.burau_matrix.")
      .def("alexander_polynomial", &ALEXANDER,
           "alexander_polynomial() -> LaurentPolynomial\n\nkorvel.alexander_polynomial.");
}

}  // namespace korvelpython
