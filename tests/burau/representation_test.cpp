// The Laurent polynomials and the Burau matrices. Asserted: arithmetic and
// values worked out by hand; the matrices of the generators as written in
// representation.h; the braid relations; the homomorphism on seeded words;
// the determinant (-t)^e, by FLINT's own determinant; the invariant row w =
// (1, t, ..., t^(n-1)) and column (1, ..., 1); the reduced matrix as the
// action on the basis f_j = t e_j - e_(j+1); stop requests and bad words.
#include <flint/fmpz_poly_mat.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "basics/interrupt.h"
#include "burau/laurentpolynomial.h"
#include "burau/representation.h"
#include "tests/burau/words.h"
#include "tests/support/gmp_printers.h"

namespace {

using burau::LaurentPolynomial;
using burau::Matrix;
using burautest::Word;
using burautest::random_word;

using burautest::c;
using burautest::t;


// det M by fmpz_poly_mat_det on t^s M, s clearing the negative exponents.
LaurentPolynomial determinant(const Matrix& m) {
  const auto n = static_cast<slong>(m.size());
  long s = 0;
  for (const auto& row : m) {
    for (const LaurentPolynomial& x : row) {
      s = std::max(s, -x.lowest_exponent());
    }
  }
  fmpz_poly_mat_t a;
  fmpz_poly_mat_init(a, n, n);
  for (slong i = 0; i < n; ++i) {
    for (slong j = 0; j < n; ++j) {
      const LaurentPolynomial& x = m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
      fmpz_poly_shift_left(fmpz_poly_mat_entry(a, i, j), x.polynomial(), x.lowest_exponent() + s);
    }
  }
  fmpz_poly_t det;
  fmpz_poly_init(det);
  fmpz_poly_mat_det(det, a);
  LaurentPolynomial result(det, -s * n);
  fmpz_poly_clear(det);
  fmpz_poly_mat_clear(a);
  return result;
}

TEST(LaurentPolynomial, ArithmeticAndValues) {
  // (1 - t)(1 + t) = 1 - t^2; (t^-1 + 1) - t^-1 = 1 starts at t^0 again.
  EXPECT_EQ((c(1) - t()) * (c(1) + t()), c(1) - t(2));
  const LaurentPolynomial one = (t(-1) + c(1)) - t(-1);
  EXPECT_EQ(one, c(1));
  EXPECT_EQ(one.lowest_exponent(), 0);
  EXPECT_EQ(t(3) * t(-3), c(1));
  const LaurentPolynomial zero = t(2) - t(2);
  EXPECT_TRUE(zero.is_zero());
  EXPECT_EQ(zero, LaurentPolynomial());
  EXPECT_EQ(zero.lowest_exponent(), 0);
  // t^-1 - 1 + t at 2 is 3/2, at 1/2 also, at -1 it is -3.
  const LaurentPolynomial trefoil = t(-1) - c(1) + t();
  EXPECT_EQ(trefoil.evaluate(2), mpq_class(3, 2));
  EXPECT_EQ(trefoil.evaluate(mpq_class(1, 2)), mpq_class(3, 2));
  EXPECT_EQ(trefoil.evaluate(-1), -3);
  EXPECT_THROW(static_cast<void>(trefoil.evaluate(0)), std::domain_error);
  EXPECT_EQ((c(2) * t(3) - t(5)).evaluate(0), 0);
  // 2t^3 - t^5 with t -> t^-1 is 2t^-3 - t^-5; coefficients from the lowest.
  const LaurentPolynomial p = c(2) * t(3) - t(5);
  EXPECT_EQ(p.inverted_variable(), c(2) * t(-3) - t(-5));
  EXPECT_EQ(p.coefficients(), (std::vector<mpz_class>{2, 0, -1}));
  EXPECT_EQ(p.highest_exponent(), 5);
  EXPECT_EQ(LaurentPolynomial({0, 0, 4, 0}, -2), c(4));
}

TEST(Burau, GeneratorsAsWritten) {
  // sigma_2 on 4 strands: [[1-t, t], [1, 0]] on rows and columns 2, 3.
  Matrix m = burau::burau_matrix(Word{2}, 4, false);
  Matrix expected = burau::identity(4);
  expected[1][1] = c(1) - t();
  expected[1][2] = t();
  expected[2][1] = c(1);
  expected[2][2] = LaurentPolynomial();
  EXPECT_EQ(m, expected);
  // Its inverse: [[0, 1], [t^-1, 1 - t^-1]].
  expected[1][1] = LaurentPolynomial();
  expected[1][2] = c(1);
  expected[2][1] = t(-1);
  expected[2][2] = c(1) - t(-1);
  EXPECT_EQ(burau::burau_matrix(Word{-2}, 4, false), expected);
  // Reduced, on 4 strands: row 2 of sigma_2 holds 1, -t, t.
  Matrix reduced = burau::identity(3);
  reduced[1] = {c(1), -t(), t()};
  EXPECT_EQ(burau::burau_matrix(Word{2}, 4, true), reduced);
  // On the first and last generator the row is cut: (-t, t) and (1, -t).
  reduced = burau::identity(3);
  reduced[0] = {-t(), t(), LaurentPolynomial()};
  EXPECT_EQ(burau::burau_matrix(Word{1}, 4, true), reduced);
  reduced = burau::identity(3);
  reduced[2] = {LaurentPolynomial(), c(1), -t()};
  EXPECT_EQ(burau::burau_matrix(Word{3}, 4, true), reduced);
  // One strand: 1 x 1 identity and 0 x 0; two strands reduced: (-t)^e.
  EXPECT_EQ(burau::burau_matrix(Word{}, 1, false), burau::identity(1));
  EXPECT_TRUE(burau::burau_matrix(Word{}, 1, true).empty());
  EXPECT_EQ(burau::burau_matrix(Word{1, 1, -1, 1}, 2, true), Matrix{{t(2)}});
}

TEST(Burau, BraidRelations) {
  for (const bool reduced : {false, true}) {
    for (int i = 1; i < 5; ++i) {
      const auto a = static_cast<std::int16_t>(i);
      if (i + 1 < 5) {
        const auto b = static_cast<std::int16_t>(i + 1);
        EXPECT_EQ(burau::burau_matrix(Word{a, b, a}, 5, reduced), burau::burau_matrix(Word{b, a, b}, 5, reduced));
      }
      for (int j = i + 2; j < 5; ++j) {
        const auto b = static_cast<std::int16_t>(j);
        EXPECT_EQ(burau::burau_matrix(Word{a, b}, 5, reduced), burau::burau_matrix(Word{b, a}, 5, reduced));
      }
      EXPECT_EQ(burau::burau_matrix(Word{a, static_cast<std::int16_t>(-a)}, 5, reduced),
                burau::identity(reduced ? 4 : 5));
    }
  }
}

TEST(Burau, HomomorphismOnSeededWords) {
  std::mt19937 rng(20261210);
  for (int round = 0; round < 30; ++round) {
    const int n = 2 + static_cast<int>(rng() % 5);
    const Word u = random_word(rng, n, static_cast<int>(rng() % 12));
    const Word v = random_word(rng, n, static_cast<int>(rng() % 12));
    Word uv = u;
    uv.insert(uv.end(), v.begin(), v.end());
    for (const bool reduced : {false, true}) {
      const Matrix mu = burau::burau_matrix(u, n, reduced);
      const Matrix mv = burau::burau_matrix(v, n, reduced);
      ASSERT_EQ(burau::burau_matrix(uv, n, reduced), burau::product(mu, mv)) << "round " << round;
      // det rho(b) = (-t)^e for both: per generator -t (the block's
      // determinant; the row of the reduced matrix has -t on the diagonal).
      long e = 0;
      for (const std::int16_t x : uv) {
        e += x > 0 ? 1 : -1;
      }
      LaurentPolynomial expected(e % 2 == 0 ? 1 : -1, e);
      EXPECT_EQ(determinant(burau::burau_matrix(uv, n, reduced)), expected);
    }
  }
}

TEST(Burau, InvariantVectorsAndTheReducedAction) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    const int n = 2 + static_cast<int>(rng() % 4);
    const Word w = random_word(rng, n, 1 + static_cast<int>(rng() % 15));
    const Matrix m = burau::burau_matrix(w, n, false);
    const Matrix r = burau::burau_matrix(w, n, true);
    const auto size = static_cast<std::size_t>(n);
    for (std::size_t j = 0; j < size; ++j) {
      LaurentPolynomial row_sum;
      LaurentPolynomial weighted;  // (w M)_j
      for (std::size_t k = 0; k < size; ++k) {
        row_sum += m[j][k];
        weighted += t(static_cast<long>(k)) * m[k][j];
      }
      EXPECT_EQ(row_sum, c(1));
      EXPECT_EQ(weighted, t(static_cast<long>(j)));
    }
    // M f_j = sum_k R[k][j] f_k, f_j = t e_j - e_(j+1), entry by entry.
    for (std::size_t j = 0; j + 1 < size; ++j) {
      for (std::size_t i = 0; i < size; ++i) {
        const LaurentPolynomial left = t() * m[i][j] - m[i][j + 1];
        LaurentPolynomial right;
        if (i + 1 < size) {
          right += t() * r[i][j];
        }
        if (i > 0) {
          right -= r[i - 1][j];
        }
        EXPECT_EQ(left, right);
      }
    }
  }
}

TEST(Burau, StopRequestsAndBadWords) {
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  std::mt19937 rng(3);
  const Word w = random_word(rng, 6, 5000);
  EXPECT_THROW(burau::burau_matrix(w, 6, false, &stop), basics::INTERRUPTED);
  EXPECT_THROW(burau::burau_matrix(w, 6, true, &stop), basics::INTERRUPTED);
  // A callback that stops at its third poll ends the long word midway.
  int polls = 0;
  basics::STOPREQUEST counting;
  counting.POLL = [&polls] { return ++polls == 3; };
  EXPECT_THROW(burau::burau_matrix(w, 6, false, &counting), basics::INTERRUPTED);
  EXPECT_EQ(polls, 3);
  EXPECT_THROW(burau::burau_matrix(Word{3}, 3, false), std::invalid_argument);
  EXPECT_THROW(burau::burau_matrix(Word{0}, 3, false), std::invalid_argument);
  EXPECT_THROW(burau::burau_matrix(Word{}, 0, false), std::invalid_argument);
}

}  // namespace
