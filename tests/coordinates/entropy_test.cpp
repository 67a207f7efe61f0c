// The topological entropy of braids. Asserted: values worked out from the
// action of B_3 on the torus (below) and of split and cabled braids built
// from them; entropy 0 for periodic braids, half twists and products of
// twists, also conjugated; the laws h(b^k) = k h(b), h(c^-1 b c) = h(b)
// and the independence of the strand count; the tolerance; bad arguments;
// stop requests. The long tier compares every 3-strand word with its trace.
//
// B_3 on the torus: the torus is the double cover of the disk branched at
// its 3 punctures, and sigma_1, sigma_2 lift to the matrices
//   S1 = [[1, 1], [0, 1]],  S2 = [[1, 0], [-1, 1]]
// of SL(2, Z) (S1 S2 S1 = S2 S1 S2 = [[0, 1], [-1, 0]]). A 3-braid whose
// matrix has trace t with |t| > 2 is pseudo-Anosov with dilatation the
// larger root of x^2 - |t| x + 1, so its entropy is
// log((|t| + sqrt(t^2 - 4)) / 2); for |t| <= 2 the braid is periodic or
// reducible and its entropy is 0. For sigma_1 sigma_2^-1,
// S1 S2^-1 = [[1, 1], [0, 1]] [[1, 0], [1, 1]] = [[2, 1], [1, 1]], t = 3:
// log((3 + sqrt 5) / 2) = 0.96242365011920689...; for sigma_1^2 sigma_2^-1,
// [[3, 2], [1, 1]], t = 4: log(2 + sqrt 3) = 1.31695789692481670...
#include <gtest/gtest.h>

#include <gmpxx.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include "coordinates/entropy.h"
#include "tests/coordinates/words.h"
#include "tests/support/sampling.h"

namespace {

using coordtest::concat;
using coordtest::inverse;
using coordtest::word;

const double golden = std::log((3 + std::sqrt(5.0)) / 2);  // sigma_1 sigma_2^-1
const double silver = std::log(2 + std::sqrt(3.0));        // sigma_1^2 sigma_2^-1

// sigma_1 sigma_2 ... sigma_(n-1), whose n-th power is the full twist.
word delta(int strands) {
  word w;
  for (int i = 1; i < strands; ++i) {
    w.push_back(static_cast<std::int16_t>(i));
  }
  return w;
}

// The full twist Delta^2 = delta^n.
word full_twist(int strands) {
  word w;
  for (int k = 0; k < strands; ++k) {
    w = concat(w, delta(strands));
  }
  return w;
}

word power(const word& w, int k) {
  word r;
  for (int i = 0; i < k; ++i) {
    r = concat(r, w);
  }
  return r;
}

// The word moved up by SHIFT strands: sigma_i -> sigma_(i+shift).
word shifted(word w, int shift) {
  for (auto& x : w) {
    x = static_cast<std::int16_t>(x > 0 ? x + shift : x - shift);
  }
  return w;
}

// The entropy of a 3-braid from the trace of its matrix in SL(2, Z).
double torus_entropy(const word& w) {
  mpz_class m[2][2] = {{1, 0}, {0, 1}};
  for (const auto x : w) {
    // Right multiplication by S1^(+-1) or S2^(+-1).
    const int s = x > 0 ? 1 : -1;
    for (auto& row : m) {
      if (x == 1 || x == -1) {
        row[1] += s * row[0];  // [[1, s], [0, 1]]
      } else {
        row[0] -= s * row[1];  // [[1, 0], [-s, 1]]
      }
    }
  }
  const mpz_class t = abs(m[0][0] + m[1][1]);
  if (t <= 2) {
    return 0.0;
  }
  const double td = t.get_d();
  // The larger root, written so that a large trace loses nothing.
  return std::log(td) + std::log1p(std::sqrt(1 - 4 / (td * td))) - std::log(2.0);
}

TEST(Entropy, ThreeStrandValuesFromTheTorus) {
  // The matrices of the comment above, checked by the helper itself first.
  EXPECT_NEAR(torus_entropy({1, -2}), golden, 1e-15);
  EXPECT_NEAR(torus_entropy({1, 1, -2}), silver, 1e-15);
  EXPECT_EQ(torus_entropy({1, 2, 1}), 0.0);  // trace 0: Delta
  EXPECT_EQ(torus_entropy({1, 2}), 0.0);     // trace 1: delta

  EXPECT_NEAR(coordinates::entropy(word{1, -2}, 3), golden, 1e-6);
  EXPECT_NEAR(coordinates::entropy(word{1, -2}, 3, 1e-10), 0.9624236501192069, 1e-10);
  EXPECT_NEAR(coordinates::entropy(word{-2, 1}, 3, 1e-9), golden, 1e-9);
  EXPECT_NEAR(coordinates::entropy(word{1, 1, -2}, 3, 1e-9), silver, 1e-9);
  EXPECT_NEAR(coordinates::entropy(word{2, 2, -1}, 3, 1e-9), silver, 1e-9);
  // sigma_1 sigma_2^-3: [[1, 1], [0, 1]] [[1, 0], [3, 1]] = [[4, 1], [3, 1]], t = 5.
  EXPECT_NEAR(coordinates::entropy(word{1, -2, -2, -2}, 3, 1e-9), std::log((5 + std::sqrt(21.0)) / 2), 1e-9);
  // The inverse braid has the same entropy.
  EXPECT_NEAR(coordinates::entropy(word{2, -1, -1}, 3, 1e-9), silver, 1e-9);
}

TEST(Entropy, ZeroForPeriodicAndReducibleBraids) {
  for (const int n : {2, 3, 4, 5, 7}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(coordinates::entropy(word{1}, n), 0.0);  // a half twist
    EXPECT_EQ(coordinates::entropy(word{-1, -1, -1}, n), 0.0);
    EXPECT_EQ(coordinates::entropy(delta(n), n), 0.0);
    EXPECT_EQ(coordinates::entropy(inverse(delta(n)), n), 0.0);
    EXPECT_EQ(coordinates::entropy(full_twist(n), n), 0.0);
    // epsilon = sigma_1 delta, whose (n-1)-th power is the full twist.
    EXPECT_EQ(coordinates::entropy(concat(word{1}, delta(n)), n), 0.0);
  }
  // The empty word on one strand and a trivial braid spelled by letters.
  EXPECT_EQ(coordinates::entropy(word{}, 1), 0.0);
  EXPECT_EQ(coordinates::entropy(word{2, 1, -2, -1, 1, 2, -1, -2}, 4), 0.0);
  // Twists about disjoint round curves, of both signs.
  EXPECT_EQ(coordinates::entropy(word{1, 1, 1, -3, -3, 5, 6, 5, 5, 6, 5}, 7), 0.0);
  // delta of strands 2..5 in B_5, conjugated by sigma_1: reducible.
  EXPECT_EQ(coordinates::entropy(word{1, 2, 3, 4, -1}, 5), 0.0);
  // Periodic and reducible braids conjugated by pseudo-Anosov words.
  std::mt19937 gen(2024);
  for (int k = 0; k < 6; ++k) {
    const int n = 5 + k;
    const word c = coordtest::random_word(gen, n, 10 + 8 * static_cast<std::size_t>(k));
    EXPECT_LT(coordinates::entropy(concat(inverse(c), concat(word{1}, c)), n), 1e-6) << coordtest::text(c);
    EXPECT_LT(coordinates::entropy(concat(inverse(c), concat(word{2, 2, -4}, c)), n), 1e-6) << coordtest::text(c);
    EXPECT_LT(coordinates::entropy(concat(inverse(c), concat(delta(n), c)), n), 1e-6) << coordtest::text(c);
  }
}

TEST(Entropy, SplitAndCabledBraids) {
  // Side by side, the larger entropy of the two, whichever is where.
  EXPECT_NEAR(coordinates::entropy(word{1, -2, 4, 4, -5}, 6, 1e-9), silver, 1e-9);
  EXPECT_NEAR(coordinates::entropy(word{1, 1, -2, 4, -5}, 6, 1e-9), silver, 1e-9);
  EXPECT_NEAR(coordinates::entropy(word{4, -5, 1, -2}, 6, 1e-9), golden, 1e-9);
  // A pseudo-Anosov piece beside a twist, and inside a twisted tube.
  EXPECT_NEAR(coordinates::entropy(word{1, -2, 4, 4, 4}, 5, 1e-9), golden, 1e-9);
  EXPECT_NEAR(coordinates::entropy(concat(word{1, -2}, full_twist(4)), 4, 1e-9), golden, 1e-9);
  // Two tubes of 3 strands exchanged by X (each strand of one crosses each
  // of the other once), sigma_1 sigma_2^-1 inside the first: the square is
  // that braid in each tube (times twists about the tubes), so the entropy
  // is golden / 2; with a copy in both tubes, b^2 is the square of the
  // tube braid in each, and the entropy is golden.
  const word X = {3, 2, 1, 4, 3, 2, 5, 4, 3};
  EXPECT_EQ(coordinates::entropy(X, 6), 0.0);
  EXPECT_NEAR(coordinates::entropy(concat(word{1, -2}, X), 6, 1e-9), golden / 2, 1e-9);
  EXPECT_NEAR(coordinates::entropy(concat(word{1, -2, 4, -5}, X), 6, 1e-9), golden, 1e-9);
}

TEST(Entropy, PowersConjugatesAndStrandCounts) {
  for (const int k : {2, 3, 5}) {
    EXPECT_NEAR(coordinates::entropy(power(word{1, -2}, k), 3, 1e-9), k * golden, 1e-8) << k;
  }
  std::mt19937 gen(77);
  for (int round = 0; round < 4; ++round) {
    const int n = 4 + 2 * round;
    const word b = coordtest::random_word(gen, n, 12);
    const word c = coordtest::random_word(gen, n, 15);
    const double h = coordinates::entropy(b, n, 1e-8);
    SCOPED_TRACE(coordtest::text(b));
    EXPECT_NEAR(coordinates::entropy(power(b, 3), n, 1e-8), 3 * h, 1e-7);
    EXPECT_NEAR(coordinates::entropy(inverse(b), n, 1e-8), h, 1e-7);
    EXPECT_NEAR(coordinates::entropy(concat(inverse(c), concat(b, c)), n, 1e-8), h, 1e-7);
    EXPECT_NEAR(coordinates::entropy(coordtest::rewritten(gen, b, n, 60), n, 1e-8), h, 1e-7);
    // More strands, and the same braid higher up: straight strands beside
    // a braid add nothing.
    EXPECT_NEAR(coordinates::entropy(b, n + 7, 1e-8), h, 1e-7);
    EXPECT_NEAR(coordinates::entropy(shifted(b, 20), n + 30, 1e-8), h, 1e-7);
  }
  EXPECT_NEAR(coordinates::entropy(shifted(word{1, -2}, 30000), 32768, 1e-9), golden, 1e-9);
}

TEST(Entropy, TheToleranceIsHonoured) {
  std::mt19937 gen(5);
  for (int round = 0; round < 6; ++round) {
    const int n = 3 + round;
    const word b = coordtest::random_word(gen, n, 30);
    const double coarse = coordinates::entropy(b, n, 1e-3);
    const double fine = coordinates::entropy(b, n, 1e-9);
    EXPECT_NEAR(coarse, fine, 1e-3) << coordtest::text(b);
    if (n == 3) {
      EXPECT_NEAR(fine, torus_entropy(b), 1e-9);
      EXPECT_NEAR(coarse, torus_entropy(b), 1e-3);
    }
  }
  // A braid whose estimates approach their limit by about 1% per power: a
  // rule that took small changes for convergence would stop 3e-3 short.
  const word slow = {-13, -15, -11, -12, 12, 8, 3, -11, 7, 18, 15, -9, 6, 13, -12,
                     10, -19, -6, 15, -5, 11, -16, -4, 9, -7, 17, 18, 14, 19, 10};
  const double slow_fine = coordinates::entropy(slow, 20, 1e-9);
  EXPECT_NEAR(coordinates::entropy(slow, 20, 1e-3), slow_fine, 1e-3);
  EXPECT_NEAR(coordinates::entropy(slow, 20, 1e-6), slow_fine, 1e-6);
  // The coarse answer is a coarse one: it stops before the fine one.
  EXPECT_NEAR(coordinates::entropy(word{1, -2}, 3, 1e-2), golden, 1e-2);
  EXPECT_NE(coordinates::entropy(word{1, -2}, 3, 1e-2), coordinates::entropy(word{1, -2}, 3, 1e-12));
}

TEST(Entropy, BadArgumentsThrow) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(coordinates::entropy(word{}, 0), std::invalid_argument);
  EXPECT_THROW(coordinates::entropy(word{1}, -3), std::invalid_argument);
  EXPECT_THROW(coordinates::entropy(word{1, 0}, 3), std::invalid_argument);
  EXPECT_THROW(coordinates::entropy(word{1, 3}, 3), std::invalid_argument);
  EXPECT_THROW(coordinates::entropy(word{-3}, 3), std::invalid_argument);
  EXPECT_THROW(coordinates::entropy(word{1}, 1), std::invalid_argument);
  for (const double t : {0.0, -1e-6, nan, inf, -inf}) {
    EXPECT_THROW(coordinates::entropy(word{1, -2}, 3, t), std::invalid_argument) << t;
  }
  EXPECT_NO_THROW(coordinates::entropy(word{1, -2}, 3, 1e300));
  EXPECT_NO_THROW(coordinates::entropy(word{1, -2}, 3, std::numeric_limits<double>::denorm_min()));
}

TEST(Entropy, StopRequests) {
  std::atomic<bool> flag{true};
  basics::STOPREQUEST raised;
  raised.FLAG = &flag;
  EXPECT_THROW(coordinates::entropy(word{1, -2}, 3, 1e-6, &raised), basics::INTERRUPTED);
  flag = false;
  EXPECT_NEAR(coordinates::entropy(word{1, -2}, 3, 1e-6, &raised), golden, 1e-6);
  // A callback that says stop at its tenth call: at least once per power.
  int calls = 0;
  basics::STOPREQUEST tenth;
  tenth.POLL = [&calls] { return ++calls == 10; };
  EXPECT_THROW(coordinates::entropy(word{1, 1, -2}, 3, 1e-12, &tenth), basics::INTERRUPTED);
  EXPECT_EQ(calls, 10);
  // What a callback throws ends the computation as it is thrown.
  struct cancelled {};
  basics::STOPREQUEST throwing;
  throwing.POLL = []() -> bool { throw cancelled{}; };
  EXPECT_THROW(coordinates::entropy(word{1}, 3, 1e-6, &throwing), cancelled);
}

// Every 3-strand word against the trace of its matrix.
TEST(EntropyLong, ThreeStrandWordsAgainstTheTorus) {
  constexpr std::uint64_t base = 31000;
  int checked = 0;
  for (std::uint64_t i = 0; i < 2000; ++i) {
    if (!testsupport::sampled(i, base)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::uint32_t>(base + i));
    const word w = coordtest::random_word(gen, 3, 1 + i % 40);
    const double expected = torus_entropy(w);
    const double h = coordinates::entropy(w, 3, 1e-9);
    EXPECT_NEAR(h, expected, 1e-9 + 1e-15 * expected) << coordtest::text(w);
    if (expected == 0.0) {
      EXPECT_EQ(h, 0.0) << coordtest::text(w);
    }
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

// Split braids, conjugates and powers of seeded words on up to 12 strands.
TEST(EntropyLong, LawsOnSeededWords) {
  constexpr std::uint64_t base = 47000;
  for (std::uint64_t i = 0; i < 300; ++i) {
    if (!testsupport::sampled(i, base)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::uint32_t>(base + i));
    const int p = 3 + static_cast<int>(i % 4);
    const int q = 3 + static_cast<int>((i / 4) % 4);
    const word a = coordtest::random_word(gen, p, 8 + i % 30);
    const word b = coordtest::random_word(gen, q, 8 + i % 23);
    const int n = p + q;
    const double ha = coordinates::entropy(a, p, 1e-8);
    const double hb = coordinates::entropy(b, q, 1e-8);
    // Two pieces that grow at close rates converge with a ratio near 1 and
    // may reach the cap of the stopping rule (coordinates/entropy.h), whose
    // estimate can miss the tolerance: 1e-5 was seen on 2 of these 300 split
    // braids (with libc++'s random words). The split laws are held to 1e-4.
    const word split = concat(a, shifted(b, p));
    EXPECT_NEAR(coordinates::entropy(split, n, 1e-8), std::max(ha, hb), 1e-4)
        << coordtest::text(a) << " | " << coordtest::text(b);
    const word c = coordtest::random_word(gen, n, 20);
    EXPECT_NEAR(coordinates::entropy(concat(inverse(c), concat(split, c)), n, 1e-8), std::max(ha, hb), 1e-4);
    EXPECT_NEAR(coordinates::entropy(power(a, 2), p, 1e-8), 2 * ha, 2e-7) << coordtest::text(a);
    // A product of twists about disjoint curves, conjugated: entropy 0.
    const word twists = concat(power(word{1}, 1 + static_cast<int>(i % 3)),
                               shifted(full_twist(q), p));
    EXPECT_LT(coordinates::entropy(concat(inverse(c), concat(twists, c)), n, 1e-8), 1e-8);
  }
}

// Seeded words on 10 strands: other spellings, conjugates and the inverse
// have the same entropy, and the coarse and fine estimates agree.
TEST(EntropyLong, InvariantsOnTenStrands) {
  constexpr std::uint64_t base = 58000;
  for (std::uint64_t i = 0; i < 200; ++i) {
    if (!testsupport::sampled(i, base)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::uint32_t>(base + i));
    const word b = coordtest::random_word(gen, 10, 20 + i % 100);
    const word c = coordtest::random_word(gen, 10, 30);
    const double h = coordinates::entropy(b, 10, 1e-9);
    SCOPED_TRACE(coordtest::text(b));
    EXPECT_NEAR(coordinates::entropy(b, 10, 1e-3), h, 1e-3);
    EXPECT_NEAR(coordinates::entropy(coordtest::rewritten(gen, b, 10, 200), 10, 1e-9), h, 2e-9);
    EXPECT_NEAR(coordinates::entropy(concat(inverse(c), concat(b, c)), 10, 1e-9), h, 2e-9);
    EXPECT_NEAR(coordinates::entropy(inverse(b), 10, 1e-9), h, 2e-9);
  }
}

// Braids of entropy 0 built from blocks of consecutive strands: in each
// block a power of delta (periodic) or of sigma_1 (a half twist about two
// strands), then the whole conjugated by a seeded word.
TEST(EntropyLong, ZeroEntropyBlocks) {
  constexpr std::uint64_t base = 69000;
  int checked = 0, exact = 0;
  for (std::uint64_t i = 0; i < 300; ++i) {
    if (!testsupport::sampled(i, base)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::uint32_t>(base + i));
    std::uniform_int_distribution<int> size(1, 4), exponent(-3, 3), kind(0, 1);
    word b;
    int n = 0;
    for (int block = 0; block < 3; ++block) {
      const int m = size(gen);
      const int e = exponent(gen);
      const word piece = m == 1 ? word{} : kind(gen) == 0 ? delta(m) : word{1};
      const word p = power(e < 0 ? inverse(piece) : piece, e < 0 ? -e : e);
      b = concat(b, shifted(p, n));
      n += m;
    }
    n = std::max(n, 2);
    const word c = coordtest::random_word(gen, n, i % 25);
    const word w = concat(inverse(c), concat(b, c));
    const double h = coordinates::entropy(w, n, 1e-6);
    EXPECT_LT(h, 1e-6) << coordtest::text(w);
    ++checked;
    exact += h == 0.0;
  }
  std::cout << "[          ] " << exact << " of " << checked << " certified 0 exactly\n";
  // Their powers of order P are products of twists, whose orbits settle
  // into rays after a few powers: nearly all are certified.
  EXPECT_GE(20 * exact, 19 * checked);
}

}  // namespace
