#include "burau/representation.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace burau {

namespace {

// How many letters act between two polls of the stop request.
constexpr std::size_t poll_interval = 64;

// M <- M rho(sigma_i^(+-1)), 0-based i: columns i and i+1 change.
//   sigma_i:    c_i' = (1 - t) c_i + c_(i+1),  c_(i+1)' = t c_i;
//   sigma_i^-1: c_i' = t^-1 c_(i+1),           c_(i+1)' = c_i + (1 - t^-1) c_(i+1).
void apply_unreduced(Matrix& m, int i, bool positive) {
  for (std::vector<LaurentPolynomial>& row : m) {
    LaurentPolynomial& a = row[static_cast<std::size_t>(i)];
    LaurentPolynomial& b = row[static_cast<std::size_t>(i) + 1];
    if (positive) {
      LaurentPolynomial ta = a;
      ta.shift(1);
      a -= ta;
      a += b;
      b = std::move(ta);
    } else {
      LaurentPolynomial b_over_t = b;
      b_over_t.shift(-1);
      b -= b_over_t;
      b += a;
      a = std::move(b_over_t);
    }
  }
}

// M <- M rho_reduced(sigma_i^(+-1)), 0-based i on n-1 columns: with the old
// column c_i,
//   sigma_i:    c_(i-1)' = c_(i-1) + c_i,       c_i' = -t c_i,    c_(i+1)' = c_(i+1) + t c_i;
//   sigma_i^-1: c_(i-1)' = c_(i-1) + t^-1 c_i,  c_i' = -t^-1 c_i, c_(i+1)' = c_(i+1) + c_i,
// the second being the inverse of the first.
void apply_reduced(Matrix& m, int i, bool positive) {
  const auto columns = static_cast<int>(m.empty() ? 0 : m.front().size());
  for (std::vector<LaurentPolynomial>& row : m) {
    LaurentPolynomial c = row[static_cast<std::size_t>(i)];
    LaurentPolynomial tc = c;
    tc.shift(positive ? 1 : -1);
    if (i > 0) {
      row[static_cast<std::size_t>(i) - 1] += positive ? c : tc;
    }
    if (i + 1 < columns) {
      row[static_cast<std::size_t>(i) + 1] += positive ? tc : c;
    }
    row[static_cast<std::size_t>(i)] = -tc;
  }
}

}  // namespace

void check_word(std::span<const std::int16_t> word, int strands) {
  if (strands < 1) {
    throw std::invalid_argument("burau: the number of strands must be at least 1, not " + std::to_string(strands));
  }
  for (const std::int16_t x : word) {
    const int index = x < 0 ? -int{x} : int{x};
    if (index == 0 || index >= strands) {
      throw std::invalid_argument("burau: the letter " + std::to_string(x) + " is not a generator on " +
                                  std::to_string(strands) + " strands");
    }
  }
}

Matrix identity(int n) {
  Matrix m(static_cast<std::size_t>(n), std::vector<LaurentPolynomial>(static_cast<std::size_t>(n)));
  for (int k = 0; k < n; ++k) {
    m[static_cast<std::size_t>(k)][static_cast<std::size_t>(k)] = LaurentPolynomial(1);
  }
  return m;
}

Matrix product(const Matrix& a, const Matrix& b) {
  const std::size_t n = a.size();
  Matrix c(n, std::vector<LaurentPolynomial>(n));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t k = 0; k < n; ++k) {
      if (a[i][k].is_zero()) {
        continue;
      }
      for (std::size_t j = 0; j < n; ++j) {
        c[i][j] += a[i][k] * b[k][j];
      }
    }
  }
  return c;
}

Matrix burau_matrix(std::span<const std::int16_t> word, int strands, bool reduced,
                    const basics::STOPREQUEST* stop) {
  check_word(word, strands);
  const auto size = static_cast<std::size_t>(reduced ? strands - 1 : strands);
  {
    // The n^2 entries are asked for in one piece first (and given back), so
    // that a matrix that cannot fit fails at once with std::bad_alloc rather
    // than after filling the memory row by row.
    std::vector<LaurentPolynomial> all;
    all.reserve(size * size);
  }
  Matrix m = identity(static_cast<int>(size));
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (k % poll_interval == 0) {
      basics::CHECKSTOP(stop);
    }
    const std::int16_t x = word[k];
    const int i = (x < 0 ? -int{x} : int{x}) - 1;
    if (reduced) {
      apply_reduced(m, i, x > 0);
    } else {
      apply_unreduced(m, i, x > 0);
    }
  }
  basics::CHECKSTOP(stop);
  return m;
}

}  // namespace burau
