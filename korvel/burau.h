// The Burau representation of korvel::Braid values and the Alexander
// polynomial of their closures, with exact Laurent polynomials in t.
//
// Convention: sigma_i maps to the n x n identity but for its block on rows
// and columns i, i+1 (1-based),
//
//     [ 1 - t   t ]
//     [ 1       0 ],
//
// 1 - t in the upper left corner (determinant -t), and a word x_1 ... x_L to
// the product of its letters' matrices in that order. The reduced matrix is
// the (n-1) x (n-1) matrix of the same action on the submodule of the
// vectors x with x_1 + t x_2 + ... + t^(n-1) x_n = 0, in its basis
// t e_j - e_(j+1): sigma_i maps to the identity but for row i, which holds
// 1, -t, t in columns i-1, i, i+1 (those that exist).
//
// The Alexander polynomial is Conway-normalised: it satisfies the skein
// relation Delta(L+) - Delta(L-) = (t^(1/2) - t^(-1/2)) Delta(L0) and is 1
// for the unknot; so a knot's is symmetric under t -> t^-1 with Delta(1) = 1
// (the trefoil t^-1 - 1 + t, the figure-eight knot -t^-1 + 3 - t). For a
// link of an even number of components it has half-integer exponents, and
// t^(1/2) Delta(t) is returned (the Hopf link of sigma_1^2: -1 + t). It is
// computed as (1 - t)/(1 - t^n) det(I - reduced(b)), times (-1)^m t^(-m/2),
// m = e - n + 1, e the exponent sum; 0 for a split link.
//
// Cost: O(n L) polynomial operations for the matrix of a word of L letters
// (entries of degree at most L, coefficients that may grow exponentially in
// L), and an (n-1) x (n-1) determinant for the polynomial. Limits::stop is
// polled every few letters and at every step of the determinant
// (Interrupted); max_length does not apply, as no word is built. Thread-safe
// like computations.h.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <vector>

#include "korvel/braid.h"
#include "korvel/computations.h"

namespace korvel {

// A Laurent polynomial in t with integer coefficients: the sum over k of
// coefficients()[k] t^(lowest_exponent() + k), its first and last
// coefficients nonzero (none for 0, whose lowest exponent is 0).
class LaurentPolynomial {
 public:
  // Zero.
  LaurentPolynomial() = default;
  // C t^EXPONENT.
  explicit LaurentPolynomial(long c, long exponent = 0);
  // sum over k of COEFFICIENTS[k] t^(LOWEST + k); zeros at either end are
  // dropped.
  LaurentPolynomial(std::vector<mpz_class> coefficients, long lowest);

  bool is_zero() const { return coefficients_.empty(); }
  long lowest_exponent() const { return lowest_; }
  // The greatest exponent (lowest_exponent() - 1 for 0).
  long highest_exponent() const { return lowest_ + static_cast<long>(coefficients_.size()) - 1; }
  const std::vector<mpz_class>& coefficients() const { return coefficients_; }
  // The coefficient of t^EXPONENT.
  mpz_class coefficient(long exponent) const;

  // "t^-1 - 1 + t", "2*t^3 - t^5", "0": terms by increasing exponent, as
  // SageMath writes them read backwards and parses them.
  std::string str() const;

  // The value at T, exact; std::domain_error at 0 when an exponent is
  // negative.
  mpq_class operator()(const mpq_class& t) const;

  friend LaurentPolynomial operator+(const LaurentPolynomial& a, const LaurentPolynomial& b);
  friend LaurentPolynomial operator-(const LaurentPolynomial& a, const LaurentPolynomial& b);
  friend LaurentPolynomial operator*(const LaurentPolynomial& a, const LaurentPolynomial& b);
  LaurentPolynomial operator-() const;
  friend bool operator==(const LaurentPolynomial& a, const LaurentPolynomial& b) = default;

  // A hash equal for equal polynomials.
  std::size_t hash() const;

 private:
  std::vector<mpz_class> coefficients_;
  long lowest_ = 0;
};

// A matrix as the list of its rows.
using LaurentMatrix = std::vector<std::vector<LaurentPolynomial>>;

// The Burau matrix of B, n x n on its n strands, or (n-1) x (n-1) when
// REDUCED (empty on one strand).
LaurentMatrix burau_matrix(const Braid& b, bool reduced = false, const Limits& limits = {});

// The Alexander polynomial of the closure of B, normalised as above.
LaurentPolynomial alexander_polynomial(const Braid& b, const Limits& limits = {});

}  // namespace korvel

template <>
struct std::hash<korvel::LaurentPolynomial> {
  std::size_t operator()(const korvel::LaurentPolynomial& p) const { return p.hash(); }
};
