// The Alexander polynomial of closures. Asserted: knots and links whose
// polynomials follow by hand from Conway's skein relation (unknot 1,
// unlinks 0, Hopf link z, trefoil 1 + z^2, T(2,5), the figure-eight knot
// 1 - z^2, connected sums as products), with z = t^(1/2) - t^(-1/2) and the
// factor t^(1/2) for an even number of components; the skein relation itself,
// the invariance under conjugation and stabilisation and the symmetry
// t -> t^-1 on seeded braids; stop requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "basics/interrupt.h"
#include "burau/alexander.h"
#include "burau/representation.h"
#include "tests/burau/words.h"
#include "tests/support/gmp_printers.h"

namespace {

using burau::LaurentPolynomial;
using burautest::Word;
using burautest::random_word;

using burautest::c;
using burautest::t;

LaurentPolynomial alexander(const Word& w, int n) { return burau::alexander_polynomial(w, n); }


// The number of components of the closure: the cycles of the permutation.
int components(const Word& w, int n) {
  std::vector<int> p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  for (const std::int16_t x : w) {
    const auto i = static_cast<std::size_t>(std::abs(x) - 1);
    std::swap(p[i], p[i + 1]);
  }
  std::vector<bool> seen(p.size());
  int cycles = 0;
  for (std::size_t k = 0; k < p.size(); ++k) {
    if (!seen[k]) {
      ++cycles;
      for (std::size_t j = k; !seen[j]; j = static_cast<std::size_t>(p[j])) {
        seen[j] = true;
      }
    }
  }
  return cycles;
}

TEST(Alexander, KnotsAndLinksByHand) {
  // Unknots: one strand, sigma_1, sigma_1 sigma_2^-1 sigma_3.
  EXPECT_EQ(alexander({}, 1), c(1));
  EXPECT_EQ(alexander({1}, 2), c(1));
  EXPECT_EQ(alexander({1, -2, 3}, 4), c(1));
  // Unlinks and split links: 0.
  EXPECT_EQ(alexander({}, 2), LaurentPolynomial());
  EXPECT_EQ(alexander({}, 3), LaurentPolynomial());
  EXPECT_EQ(alexander({1, 1, 1}, 3), LaurentPolynomial());
  EXPECT_EQ(alexander({1, -1}, 2), LaurentPolynomial());
  // Hopf link sigma_1^2: z, returned as t^(1/2) z = t - 1; its mirror -z.
  EXPECT_EQ(alexander({1, 1}, 2), t() - c(1));
  EXPECT_EQ(alexander({-1, -1}, 2), c(1) - t());
  // Trefoils sigma_1^(+-3): 1 + z^2 = t^-1 - 1 + t; also (sigma_1 sigma_2)^2.
  const LaurentPolynomial trefoil = t(-1) - c(1) + t();
  EXPECT_EQ(alexander({1, 1, 1}, 2), trefoil);
  EXPECT_EQ(alexander({-1, -1, -1}, 2), trefoil);
  EXPECT_EQ(alexander({1, 2, 1, 2}, 3), trefoil);
  // T(2,5): (1 + t^5)/(1 + t) centred, t^-2 - t^-1 + 1 - t + t^2.
  EXPECT_EQ(alexander({1, 1, 1, 1, 1}, 2), t(-2) - t(-1) + c(1) - t() + t(2));
  // Figure-eight (sigma_1 sigma_2^-1)^2: 1 - z^2 = -t^-1 + 3 - t.
  EXPECT_EQ(alexander({1, -2, 1, -2}, 3), -t(-1) + c(3) - t());
  // Connected sums multiply: trefoil # trefoil, trefoil # figure-eight; the
  // chain of two Hopf links sigma_1^2 sigma_2^2 (three components) z^2.
  EXPECT_EQ(alexander({1, 1, 1, 2, 2, 2}, 3), trefoil * trefoil);
  EXPECT_EQ(alexander({1, 1, 1, 2, -3, 2, -3}, 4), trefoil * (-t(-1) + c(3) - t()));
  EXPECT_EQ(alexander({1, 1, 2, 2}, 3), t(-1) - c(2) + t());
}

TEST(Alexander, SkeinInvarianceAndSymmetryOnSeededBraids) {
  std::mt19937 rng(1210);
  for (int round = 0; round < 150; ++round) {
    const int n = 2 + static_cast<int>(rng() % 3);
    const Word w = random_word(rng, n, static_cast<int>(rng() % 9));
    const auto i = static_cast<std::int16_t>(1 + rng() % static_cast<unsigned>(n - 1));
    Word plus = w;
    plus.push_back(i);
    Word minus = w;
    minus.push_back(static_cast<std::int16_t>(-i));
    const LaurentPolynomial p = alexander(plus, n);
    const LaurentPolynomial m = alexander(minus, n);
    const LaurentPolynomial zero = alexander(w, n);
    // Delta+ - Delta- = z Delta0; with the factor t^(1/2) on the side of an
    // even number of components: (1 - t^-1) when L+- have an odd number, (t - 1)
    // when an even one.
    const int mu = components(plus, n);
    const LaurentPolynomial z = mu % 2 == 1 ? c(1) - t(-1) : t() - c(1);
    ASSERT_EQ(p - m, z * zero) << "round " << round;
    // Delta(t^-1) = Delta(t) for an odd number of components; for an even
    // number t^(1/2) Delta(t) =: P has P(t^-1) = -t^-1 P(t).
    LaurentPolynomial mirrored = p;
    mirrored.shift(-1);
    EXPECT_EQ(p.inverted_variable(), mu % 2 == 1 ? p : -mirrored);
    if (mu == 1) {
      EXPECT_EQ(p.evaluate(1), 1);
    }
    // Conjugation by a letter and stabilisation sigma_n^(+-1).
    Word conjugate{i};
    conjugate.insert(conjugate.end(), plus.begin(), plus.end());
    conjugate.push_back(static_cast<std::int16_t>(-i));
    EXPECT_EQ(alexander(conjugate, n), p);
    for (const int sign : {1, -1}) {
      Word stabilised = plus;
      stabilised.push_back(static_cast<std::int16_t>(sign * n));
      EXPECT_EQ(alexander(stabilised, n + 1), p);
    }
  }
}

TEST(Alexander, StopRequests) {
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  std::mt19937 rng(9);
  EXPECT_THROW(burau::alexander_polynomial(random_word(rng, 5, 3000), 5, &stop), basics::INTERRUPTED);
  // Polls after the reduced matrix, in the determinant: a callback that
  // stops once the letters are done still ends the call.
  const Word w = random_word(rng, 8, 200);
  int polls = 0;
  basics::STOPREQUEST counting;
  counting.POLL = [&polls] {
    ++polls;
    return false;
  };
  burau::burau_matrix(w, 8, true, &counting);
  const int letter_polls = polls;
  polls = 0;
  counting.POLL = [&polls, letter_polls] { return ++polls > letter_polls; };
  EXPECT_THROW(burau::alexander_polynomial(w, 8, &counting), basics::INTERRUPTED);
}

}  // namespace
