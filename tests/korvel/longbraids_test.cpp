// Braids far beyond the console's 2,000 letters and 50 strands: the group
// laws and the properties of the ordering that hold by mathematics, checked
// on words of 10,000 to 100,000 letters and on 300 strands, with both
// methods where both are quick.
#include <gtest/gtest.h>

#include <random>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;
using korvel::Method;
using korvel::Ordering;

TEST(LongBraids, AWordTimesARewrittenInverseIsTrivial) {
  std::mt19937_64 GEN(17);
  for (std::size_t LENGTH : {10000U, 30000U, 100000U}) {
    const Braid A = korveltest::RANDOMBRAID(GEN, 2 + static_cast<int>(GEN() % 12), LENGTH);
    const Braid B = korveltest::REWRITTEN(GEN, A.inverse(), LENGTH);
    SCOPED_TRACE(LENGTH);
    EXPECT_TRUE(korvel::is_trivial(A * B, Method::Coordinates));
    EXPECT_TRUE(korvel::equal(A, B.inverse(), Method::Coordinates));
    EXPECT_FALSE(korvel::is_trivial(A * B * Braid("a"), Method::Coordinates));
    if (LENGTH <= 10000) {
      EXPECT_TRUE(korvel::is_trivial(A * B, Method::Handles));
    }
  }
}

TEST(LongBraids, TheOrderingIsAntisymmetricTransitiveAndLeftInvariant) {
  std::mt19937_64 GEN(18);
  for (int ROUND = 0; ROUND < 6; ++ROUND) {
    const int N = 3 + ROUND;
    const std::size_t LENGTH = ROUND < 3 ? 10000 : 100000;
    const Braid A = korveltest::RANDOMBRAID(GEN, N, LENGTH);
    const Braid B = korveltest::RANDOMBRAID(GEN, N, LENGTH);
    const Braid C = korveltest::RANDOMBRAID(GEN, N, LENGTH);
    SCOPED_TRACE(std::to_string(N) + " strands, " + std::to_string(LENGTH) + " letters");
    for (Ordering O : {Ordering::R, Ordering::F}) {
      const int AB = korvel::compare(A, B, O, Method::Coordinates);
      const int BC = korvel::compare(B, C, O, Method::Coordinates);
      const int AC = korvel::compare(A, C, O, Method::Coordinates);
      EXPECT_EQ(korvel::compare(B, A, O, Method::Coordinates), -AB);
      if (AB == BC) {
        EXPECT_EQ(AC, AB);  // a < b < c gives a < c, and a > b > c gives a > c
      }
      EXPECT_EQ(korvel::compare(C * A, C * B, O, Method::Coordinates), AB);
      if (LENGTH <= 10000) {
        EXPECT_EQ(korvel::compare(A, B, O, Method::Handles), AB);
        EXPECT_EQ(korvel::compare(C * A, C * B, O, Method::Handles), AB);
      }
    }
  }
}

TEST(LongBraids, ThreeHundredStrandsFromTietzeLists) {
  std::mt19937_64 GEN(19);
  std::vector<int> T;
  for (int K = 0; K < 5000; ++K) {
    const int I = 1 + static_cast<int>(GEN() % 299);
    T.push_back(GEN() % 2 == 0 ? I : -I);
  }
  const Braid A(T);
  EXPECT_LE(A.strands(), 300);
  const Braid A300 = A.with_strands(300);
  EXPECT_EQ(A300.strands(), 300);
  EXPECT_EQ(A300.tietze(), T);
  const Braid B = korveltest::REWRITTEN(GEN, A300, 3000);
  for (Method M : {Method::Handles, Method::Coordinates}) {
    EXPECT_TRUE(korvel::equal(A300, B, M));
    EXPECT_EQ(korvel::compare(A300, B * Braid::generator(150, 300), Ordering::R, M), -1);
  }
  EXPECT_EQ(korvel::coordinates(A300).size(), 600U);
}

TEST(LongBraids, DeltaSquaredIsCentralOnFortyStrands) {
  std::mt19937_64 GEN(20);
  const Braid D2 = Braid::delta(40).pow(2);
  ASSERT_EQ(D2.length(), 40U * 39U);
  for (int ROUND = 0; ROUND < 5; ++ROUND) {
    const Braid W = korveltest::RANDOMBRAID(GEN, 40, 2000);
    EXPECT_TRUE(korvel::equal(D2 * W, W * D2, Method::Coordinates));
    // Handle reduction is slow on forty strands: a shorter word.
    const Braid V = korveltest::RANDOMBRAID(GEN, 40, 200);
    EXPECT_TRUE(korvel::equal(D2 * V, V * D2, Method::Handles));
    // Delta itself is not central: it conjugates sigma_i to sigma_(40-i).
    const Braid D = Braid::delta(40);
    EXPECT_TRUE(korvel::equal(D * Braid::generator(1, 40), Braid::generator(39, 40) * D));
    EXPECT_FALSE(korvel::equal(D * Braid::generator(1, 40), Braid::generator(1, 40) * D));
  }
}

TEST(LongBraids, TheLeftNormalFormOfALongMixedBraidRebuildsIt) {
  std::mt19937_64 GEN(21);
  const Braid A = korveltest::RANDOMBRAID(GEN, 5, 3000);
  const korvel::LeftNormalForm X = korvel::left_normal_form(A);
  EXPECT_LT(X.delta_power, 0);
  EXPECT_EQ(X.braid(), A);
}

}  // namespace
