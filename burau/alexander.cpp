#include "burau/alexander.h"

#include <flint/fmpz_poly.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "burau/representation.h"

namespace burau {

namespace {

// A FLINT polynomial that clears itself, also when a stop request ends the
// computation.
struct Poly {
  fmpz_poly_t p;
  Poly() { fmpz_poly_init(p); }
  Poly(const Poly&) = delete;
  Poly& operator=(const Poly&) = delete;
  ~Poly() { fmpz_poly_clear(p); }
};

// A square matrix of FLINT polynomials that clears itself.
class PolynomialMatrix {
 public:
  explicit PolynomialMatrix(std::size_t n) : n_(n), entries_(n * n) {
    for (fmpz_poly_struct& p : entries_) {
      fmpz_poly_init(&p);
    }
  }
  PolynomialMatrix(const PolynomialMatrix&) = delete;
  PolynomialMatrix& operator=(const PolynomialMatrix&) = delete;
  ~PolynomialMatrix() {
    for (fmpz_poly_struct& p : entries_) {
      fmpz_poly_clear(&p);
    }
  }
  fmpz_poly_struct* at(std::size_t i, std::size_t j) { return &entries_[i * n_ + j]; }
  void swap_rows(std::size_t a, std::size_t b) {
    for (std::size_t j = 0; j < n_; ++j) {
      fmpz_poly_swap(at(a, j), at(b, j));
    }
  }

 private:
  std::size_t n_;
  std::vector<fmpz_poly_struct> entries_;
};

// The determinant of A (destroyed) into DET by Bareiss' fraction-free
// elimination: after step k every entry below and right of the pivot is a
// (k+1)-minor of A, so the division by the previous pivot is exact.
void determinant(PolynomialMatrix& a, std::size_t n, fmpz_poly_t det, const basics::STOPREQUEST* stop) {
  if (n == 0) {
    fmpz_poly_one(det);
    return;
  }
  Poly previous_holder;
  Poly product_holder;
  fmpz_poly_struct* previous = previous_holder.p;
  fmpz_poly_struct* product = product_holder.p;
  fmpz_poly_one(previous);
  bool negate = false;
  bool zero = false;
  for (std::size_t k = 0; k + 1 < n && !zero; ++k) {
    basics::CHECKSTOP(stop);
    std::size_t pivot = k;
    while (pivot < n && fmpz_poly_is_zero(a.at(pivot, k))) {
      ++pivot;
    }
    if (pivot == n) {
      zero = true;
      break;
    }
    if (pivot != k) {
      a.swap_rows(pivot, k);
      negate = !negate;
    }
    for (std::size_t i = k + 1; i < n; ++i) {
      for (std::size_t j = k + 1; j < n; ++j) {
        fmpz_poly_mul(a.at(i, j), a.at(i, j), a.at(k, k));
        fmpz_poly_mul(product, a.at(i, k), a.at(k, j));
        fmpz_poly_sub(a.at(i, j), a.at(i, j), product);
        fmpz_poly_div(a.at(i, j), a.at(i, j), previous);
      }
    }
    fmpz_poly_set(previous, a.at(k, k));
  }
  if (zero) {
    fmpz_poly_zero(det);
  } else {
    fmpz_poly_set(det, a.at(n - 1, n - 1));
    if (negate) {
      fmpz_poly_neg(det, det);
    }
  }
}

// Whether the letters join all STRANDS strands, that is whether every
// sigma_i, 1 <= i < strands, occurs: otherwise the closure is split.
bool connected(std::span<const std::int16_t> word, int strands) {
  std::vector<bool> seen(static_cast<std::size_t>(strands), false);
  int count = 0;
  for (const std::int16_t x : word) {
    const auto i = static_cast<std::size_t>(x < 0 ? -int{x} : int{x});
    if (!seen[i]) {
      seen[i] = true;
      ++count;
    }
  }
  return count == strands - 1;
}

long floor_half(long long x) { return static_cast<long>(x >= 0 ? x / 2 : -((-x + 1) / 2)); }

}  // namespace

LaurentPolynomial alexander_polynomial(std::span<const std::int16_t> word, int strands,
                                       const basics::STOPREQUEST* stop) {
  check_word(word, strands);
  if (!connected(word, strands)) {
    return strands == 1 ? LaurentPolynomial(1) : LaurentPolynomial();
  }
  const Matrix m = burau_matrix(word, strands, true, stop);
  const auto n = static_cast<std::size_t>(strands - 1);

  // I - rho'(b) = t^-s N, N a matrix of polynomials: det = t^(-s n) det N.
  long s = 0;
  for (const auto& row : m) {
    for (const LaurentPolynomial& x : row) {
      if (!x.is_zero()) {
        s = std::max(s, -x.lowest_exponent());
      }
    }
  }
  PolynomialMatrix a(n);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      LaurentPolynomial x = -m[i][j];
      if (i == j) {
        x += LaurentPolynomial(1);
      }
      if (!x.is_zero()) {
        fmpz_poly_shift_left(a.at(i, j), x.polynomial(), x.lowest_exponent() + s);
      }
    }
  }
  Poly det_holder;
  Poly sum_of_powers_holder;
  Poly remainder_holder;
  fmpz_poly_struct* det = det_holder.p;
  fmpz_poly_struct* sum_of_powers = sum_of_powers_holder.p;
  fmpz_poly_struct* remainder = remainder_holder.p;
  determinant(a, n, det, stop);
  for (int k = 0; k < strands; ++k) {
    fmpz_poly_set_coeff_si(sum_of_powers, k, 1);
  }
  fmpz_poly_divrem(det, remainder, det, sum_of_powers);
  const bool exact = fmpz_poly_is_zero(remainder) != 0;
  long long e = 0;
  for (const std::int16_t x : word) {
    e += x > 0 ? 1 : -1;
  }
  const long long m_exponent = e - strands + 1;
  LaurentPolynomial result(det, -s * static_cast<long>(n) - floor_half(m_exponent));
  if (!exact) {
    throw std::logic_error("burau: det(I - rho'(b)) is not divisible by 1 + t + ... + t^(n-1)");
  }
  return m_exponent % 2 != 0 ? -result : result;
}

}  // namespace burau
