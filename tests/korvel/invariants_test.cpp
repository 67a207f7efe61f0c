// The quick invariants through the interface for programs: permutations by
// hand and as a homomorphism onto S_n, exponent sums, purity, the mirror image
// and the reverse as maps of braids (not only of words), right normal forms
// against the left ones, gcds and lcms worked by hand, limits and stops (the
// laws of gcds and lcms on seeded braids are tested on the engine, in
// tests/garside/lattice_test.cpp, and through Python). Divisibility is read
// from left normal forms: a braid is positive exactly when its Delta power
// is >= 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;
using korveltest::RANDOMBRAID;
using korveltest::REWRITTEN;

bool POSITIVE(const Braid& B) { return korvel::left_normal_form(B).delta_power >= 0; }
// A <= B: A is a prefix of B.
bool PREFIX(const Braid& A, const Braid& B) { return POSITIVE(A.inverse() * B); }

TEST(Invariants, PermutationsByHand) {
  // sigma_1 sigma_2: the strand at 1 goes to 2, then to 3; the one at 2 goes
  // to 1; the one at 3 goes to 2.
  EXPECT_EQ(korvel::permutation(Braid("ab")), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(korvel::permutation(Braid("ba")), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(korvel::permutation(Braid("A", 4)), (std::vector<int>{2, 1, 3, 4}));
  EXPECT_EQ(korvel::permutation(Braid()), (std::vector<int>{1}));
  for (int N = 2; N <= 8; ++N) {
    const std::vector<int> P = korvel::permutation(Braid::delta(N));
    for (int I = 1; I <= N; ++I) {
      EXPECT_EQ(P[I - 1], N + 1 - I);
    }
    EXPECT_TRUE(korvel::is_pure(Braid::delta(N).pow(2)));
    EXPECT_EQ(korvel::exponent_sum(Braid::delta(N)), N * (N - 1) / 2);
  }
  EXPECT_TRUE(korvel::is_pure(Braid("aaBBccabbA")));  // squares, and a conjugate of one
  EXPECT_FALSE(korvel::is_pure(Braid("aaa")));
  EXPECT_FALSE(korvel::is_pure(Braid::delta(3)));
}

TEST(Invariants, HomomorphismsOnSeededBraids) {
  std::mt19937_64 GEN(2026);
  for (int ROUND = 0; ROUND < 60; ++ROUND) {
    const int N = 2 + ROUND % 6;
    const Braid X = RANDOMBRAID(GEN, N, 1 + GEN() % 15);
    const Braid Y = RANDOMBRAID(GEN, N, 1 + GEN() % 15);
    const std::vector<int> PX = korvel::permutation(X);
    const std::vector<int> PY = korvel::permutation(Y);
    const std::vector<int> PXY = korvel::permutation(X * Y);
    for (int I = 0; I < N; ++I) {
      EXPECT_EQ(PXY[I], PY[PX[I] - 1]);  // strands follow X, then Y
    }
    EXPECT_EQ(korvel::exponent_sum(X * Y), korvel::exponent_sum(X) + korvel::exponent_sum(Y));
    // Another word of the same braid has the same invariants, and its
    // reverse and mirror image are the same braids.
    const Braid Z = REWRITTEN(GEN, X, 20);
    EXPECT_EQ(korvel::permutation(Z), PX);
    EXPECT_EQ(korvel::exponent_sum(Z), korvel::exponent_sum(X));
    EXPECT_EQ(korvel::reverse(Z), korvel::reverse(X));
    EXPECT_EQ(korvel::mirror_image(Z), korvel::mirror_image(X));
    EXPECT_EQ(korvel::mirror_image(X), korvel::reverse(X).inverse());
    EXPECT_EQ(korvel::reverse(X * Y), korvel::reverse(Y) * korvel::reverse(X));
    EXPECT_EQ(korvel::mirror_image(X * Y), korvel::mirror_image(X) * korvel::mirror_image(Y));
  }
  EXPECT_EQ(korvel::mirror_image(Braid::delta(4)), Braid::delta(4).inverse());
  EXPECT_EQ(korvel::reverse(Braid::delta(4)), Braid::delta(4));
}

TEST(Invariants, RightNormalForms) {
  std::mt19937_64 GEN(5);
  for (int ROUND = 0; ROUND < 40; ++ROUND) {
    const int N = 2 + ROUND % 5;
    const Braid X = RANDOMBRAID(GEN, N, GEN() % 20);
    const korvel::RightNormalForm R = korvel::right_normal_form(X);
    const korvel::LeftNormalForm L = korvel::left_normal_form(X);
    EXPECT_EQ(R.braid(), X);
    EXPECT_EQ(R.delta_power, L.delta_power);
    EXPECT_EQ(R.factors.size(), L.factors.size());
    const Braid DELTA = Braid::delta(N);
    for (std::size_t K = 0; K < R.factors.size(); ++K) {
      const Braid& F = R.factors[K];
      EXPECT_TRUE(POSITIVE(F) && PREFIX(F, DELTA));  // simple
      EXPECT_NE(F, DELTA);
      EXPECT_NE(F, Braid());
      if (K > 0) {
        // Right-weighted: the largest simple suffix of B_(k-1) B_k is B_k.
        EXPECT_EQ(korvel::right_gcd(R.factors[K - 1] * F, DELTA), F);
      }
    }
  }
}

TEST(Invariants, GcdsAndLcmsByHand) {
  const Braid A("a");
  const Braid B("b");
  const Braid DELTA = Braid::delta(3);
  EXPECT_EQ(korvel::left_lcm(A, B), DELTA);
  EXPECT_EQ(korvel::right_lcm(A, B), DELTA);
  EXPECT_EQ(korvel::left_gcd(Braid("ab"), Braid("ba")), Braid());
  EXPECT_EQ(korvel::right_gcd(Braid("ab"), Braid("ba")), Braid());
  EXPECT_EQ(korvel::left_gcd(Braid("aba"), Braid("ab")), Braid("ab"));
  EXPECT_EQ(korvel::right_gcd(Braid("aba"), Braid("ab")), Braid("ab"));  // aba = bab
  EXPECT_EQ(korvel::left_gcd(Braid("A"), Braid("B")), DELTA.inverse());
  // On the larger strand count: a and c commute, their lcm is ac.
  EXPECT_EQ(korvel::right_lcm(A, Braid("c")), Braid("ac"));
  EXPECT_EQ(korvel::right_lcm(A, B).word(), (std::vector<std::int16_t>{1, 2, 1}));  // a, then ba
  EXPECT_EQ(korvel::left_lcm(A, B).word().back(), 2);                                // ends with b
}

TEST(Invariants, LimitsAndStops) {
  const Braid X = Braid::delta(6).pow(40) * Braid("abcdeABC");
  korvel::StopRequest STOP;
  STOP.request_stop();
  const korvel::Limits STOPPED{std::nullopt, &STOP};
  EXPECT_THROW(korvel::left_gcd(X, X, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::right_lcm(X, X, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::right_normal_form(X, STOPPED), korvel::Interrupted);
  const korvel::Limits SHORT{10, nullptr};
  EXPECT_THROW(korvel::left_gcd(X, Braid("a"), SHORT), korvel::BoundExceeded);
  EXPECT_THROW(korvel::left_lcm(Braid("a"), Braid("c"), korvel::Limits{1, nullptr}), korvel::BoundExceeded);
  EXPECT_EQ(korvel::left_lcm(Braid("a"), Braid("c"), korvel::Limits{2, nullptr}), Braid("ac"));
}

}  // namespace
