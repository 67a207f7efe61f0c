// Laurent polynomials in t with integer coefficients, as values over FLINT's
// fmpz_poly: t^shift * p(t), every operation done by FLINT on p.
//
// The representation is canonical: p(0) != 0, or p = 0 and shift = 0; so two
// values are equal exactly when their polynomials and shifts are. Sums and
// differences align the shifts with fmpz_poly_shift_left (multiplying by a
// power of t), products add them, and each result is brought back to the
// canonical form by dividing out the power of t that p holds.
//
// Thread safety: a plain value; FLINT's fmpz_poly functions are reentrant.
#pragma once

#include <flint/fmpz_poly.h>
#include <gmpxx.h>

#include <vector>

namespace burau {

class LaurentPolynomial {
 public:
  // Zero.
  LaurentPolynomial();
  // C * t^EXPONENT.
  explicit LaurentPolynomial(long c, long exponent = 0);
  // sum over k of COEFFICIENTS[k] t^(LOWEST + k).
  LaurentPolynomial(const std::vector<mpz_class>& coefficients, long lowest);
  // p(t) t^SHIFT, taking P as it is (it is copied).
  LaurentPolynomial(const fmpz_poly_t p, long shift);

  LaurentPolynomial(const LaurentPolynomial& other);
  LaurentPolynomial(LaurentPolynomial&& other) noexcept;
  LaurentPolynomial& operator=(const LaurentPolynomial& other);
  LaurentPolynomial& operator=(LaurentPolynomial&& other) noexcept;
  ~LaurentPolynomial();

  bool is_zero() const { return fmpz_poly_is_zero(p_) != 0; }
  // The least and greatest exponents of a nonzero term (0 and -1 for zero).
  long lowest_exponent() const { return shift_; }
  long highest_exponent() const { return shift_ + fmpz_poly_degree(p_); }
  // The coefficients from the lowest exponent to the highest (none for zero).
  std::vector<mpz_class> coefficients() const;
  // The polynomial p of t^shift p(t), p(0) != 0 unless p = 0.
  const fmpz_poly_struct* polynomial() const { return p_; }

  // Multiplies by t^K.
  LaurentPolynomial& shift(long k);
  // t -> t^-1.
  LaurentPolynomial inverted_variable() const;

  LaurentPolynomial& operator+=(const LaurentPolynomial& other);
  LaurentPolynomial& operator-=(const LaurentPolynomial& other);
  LaurentPolynomial& operator*=(const LaurentPolynomial& other);
  friend LaurentPolynomial operator+(LaurentPolynomial a, const LaurentPolynomial& b) { return a += b; }
  friend LaurentPolynomial operator-(LaurentPolynomial a, const LaurentPolynomial& b) { return a -= b; }
  friend LaurentPolynomial operator*(LaurentPolynomial a, const LaurentPolynomial& b) { return a *= b; }
  LaurentPolynomial operator-() const;

  friend bool operator==(const LaurentPolynomial& a, const LaurentPolynomial& b) {
    return a.shift_ == b.shift_ && fmpz_poly_equal(a.p_, b.p_) != 0;
  }

  // The value at T; throws std::domain_error at 0 when an exponent is
  // negative.
  mpq_class evaluate(const mpq_class& t) const;

 private:
  // Divides out the power of t that p holds into the shift.
  void normalise();
  // *this + other, or *this - other when SUBTRACT.
  LaurentPolynomial& combine(const LaurentPolynomial& other, bool subtract);

  fmpz_poly_t p_;
  long shift_ = 0;
};

}  // namespace burau
