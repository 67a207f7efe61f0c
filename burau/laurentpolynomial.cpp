#include "burau/laurentpolynomial.h"

#include <flint/fmpq.h>
#include <flint/fmpz.h>

#include <stdexcept>
#include <utility>

namespace burau {

LaurentPolynomial::LaurentPolynomial() { fmpz_poly_init(p_); }

LaurentPolynomial::LaurentPolynomial(long c, long exponent) : LaurentPolynomial() {
  if (c != 0) {
    fmpz_poly_set_si(p_, c);
    shift_ = exponent;
  }
}

LaurentPolynomial::LaurentPolynomial(const std::vector<mpz_class>& coefficients, long lowest)
    : LaurentPolynomial() {
  for (std::size_t k = coefficients.size(); k-- > 0;) {
    fmpz_poly_set_coeff_mpz(p_, static_cast<slong>(k), coefficients[k].get_mpz_t());
  }
  shift_ = lowest;
  normalise();
}

LaurentPolynomial::LaurentPolynomial(const fmpz_poly_t p, long shift) : LaurentPolynomial() {
  fmpz_poly_set(p_, p);
  shift_ = shift;
  normalise();
}

LaurentPolynomial::LaurentPolynomial(const LaurentPolynomial& other) : shift_(other.shift_) {
  fmpz_poly_init(p_);
  fmpz_poly_set(p_, other.p_);
}

LaurentPolynomial::LaurentPolynomial(LaurentPolynomial&& other) noexcept : shift_(other.shift_) {
  fmpz_poly_init(p_);
  fmpz_poly_swap(p_, other.p_);
  other.shift_ = 0;
}

LaurentPolynomial& LaurentPolynomial::operator=(const LaurentPolynomial& other) {
  fmpz_poly_set(p_, other.p_);
  shift_ = other.shift_;
  return *this;
}

LaurentPolynomial& LaurentPolynomial::operator=(LaurentPolynomial&& other) noexcept {
  fmpz_poly_swap(p_, other.p_);
  std::swap(shift_, other.shift_);
  return *this;
}

LaurentPolynomial::~LaurentPolynomial() { fmpz_poly_clear(p_); }

void LaurentPolynomial::normalise() {
  if (fmpz_poly_is_zero(p_)) {
    shift_ = 0;
    return;
  }
  slong zeros = 0;
  while (fmpz_is_zero(p_->coeffs + zeros)) {
    ++zeros;
  }
  if (zeros > 0) {
    fmpz_poly_shift_right(p_, p_, zeros);
    shift_ += zeros;
  }
}

std::vector<mpz_class> LaurentPolynomial::coefficients() const {
  std::vector<mpz_class> result(static_cast<std::size_t>(fmpz_poly_length(p_)));
  for (std::size_t k = 0; k < result.size(); ++k) {
    fmpz_get_mpz(result[k].get_mpz_t(), p_->coeffs + k);
  }
  return result;
}

LaurentPolynomial& LaurentPolynomial::shift(long k) {
  if (!is_zero()) {
    shift_ += k;
  }
  return *this;
}

LaurentPolynomial LaurentPolynomial::inverted_variable() const {
  LaurentPolynomial result;
  fmpz_poly_reverse(result.p_, p_, fmpz_poly_length(p_));
  result.shift_ = is_zero() ? 0 : -highest_exponent();
  return result;
}

LaurentPolynomial& LaurentPolynomial::combine(const LaurentPolynomial& other, bool subtract) {
  if (other.is_zero()) {
    return *this;
  }
  if (is_zero()) {
    *this = other;
    if (subtract) {
      fmpz_poly_neg(p_, p_);
    }
    return *this;
  }
  // t^a p +- t^b q = t^min(a,b) (t^(a-min) p +- t^(b-min) q).
  if (shift_ <= other.shift_) {
    fmpz_poly_t aligned;
    fmpz_poly_init(aligned);
    fmpz_poly_shift_left(aligned, other.p_, other.shift_ - shift_);
    if (subtract) {
      fmpz_poly_sub(p_, p_, aligned);
    } else {
      fmpz_poly_add(p_, p_, aligned);
    }
    fmpz_poly_clear(aligned);
  } else {
    fmpz_poly_shift_left(p_, p_, shift_ - other.shift_);
    if (subtract) {
      fmpz_poly_sub(p_, p_, other.p_);
    } else {
      fmpz_poly_add(p_, p_, other.p_);
    }
    shift_ = other.shift_;
  }
  normalise();
  return *this;
}

LaurentPolynomial& LaurentPolynomial::operator+=(const LaurentPolynomial& other) { return combine(other, false); }

LaurentPolynomial& LaurentPolynomial::operator-=(const LaurentPolynomial& other) { return combine(other, true); }

LaurentPolynomial& LaurentPolynomial::operator*=(const LaurentPolynomial& other) {
  // A product of polynomials with nonzero constant terms has one too.
  fmpz_poly_mul(p_, p_, other.p_);
  shift_ = is_zero() ? 0 : shift_ + other.shift_;
  return *this;
}

LaurentPolynomial LaurentPolynomial::operator-() const {
  LaurentPolynomial result(*this);
  fmpz_poly_neg(result.p_, result.p_);
  return result;
}

mpq_class LaurentPolynomial::evaluate(const mpq_class& t) const {
  if (is_zero()) {
    return 0;
  }
  if (t == 0 && shift_ < 0) {
    throw std::domain_error("burau: a Laurent polynomial with a negative exponent evaluated at 0");
  }
  fmpq_t x;
  fmpq_t value;
  fmpq_init(x);
  fmpq_init(value);
  fmpq_set_mpq(x, t.get_mpq_t());
  fmpz_poly_evaluate_fmpq(value, p_, x);
  mpq_class result;
  fmpq_get_mpq(result.get_mpq_t(), value);
  fmpq_clear(x);
  fmpq_clear(value);
  mpq_class power = 1;
  mpz_pow_ui(power.get_num_mpz_t(), t.get_num_mpz_t(), static_cast<unsigned long>(shift_ < 0 ? -shift_ : shift_));
  mpz_pow_ui(power.get_den_mpz_t(), t.get_den_mpz_t(), static_cast<unsigned long>(shift_ < 0 ? -shift_ : shift_));
  power.canonicalize();
  if (shift_ < 0) {
    return result / power;
  }
  return result * power;
}

}  // namespace burau
