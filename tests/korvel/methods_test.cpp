// The two exact methods, handle reduction and the Dynnikov coordinates,
// answer the same questions: the sign in the R- and F-orderings, comparison
// and equality. Neither is the reference: they are checked against each other
// on seeded words of 1 to 3,000 letters on 2 to 30 strands, and against facts
// known by construction (a rewritten spelling is the same braid, a word times
// its inverse is trivial). The fixed cases are worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"
#include "tests/support/sampling.h"

namespace {

using korvel::Braid;
using korvel::Method;
using korvel::Ordering;

TEST(Methods, HandWorkedSigns) {
  for (Method M : {Method::Handles, Method::Coordinates, Method::Automatic}) {
    SCOPED_TRACE(static_cast<int>(M));
    EXPECT_EQ(korvel::sign(Braid("a"), Ordering::R, M), 1);
    EXPECT_EQ(korvel::sign(Braid("A"), Ordering::R, M), -1);
    EXPECT_EQ(korvel::sign(Braid("aA"), Ordering::R, M), 0);
    // sigma_1 sigma_2^-1 on three strands: sigma_1 occurs positively only, so
    // it is positive in R; sigma_2 occurs negatively only: negative in F.
    EXPECT_EQ(korvel::sign(Braid("aB"), Ordering::R, M), 1);
    EXPECT_EQ(korvel::sign(Braid("aB"), Ordering::F, M), -1);
    // sigma_1 > sigma_2 in R; sigma_1 < sigma_2 in F on three strands.
    EXPECT_EQ(korvel::compare(Braid("a"), Braid("b"), Ordering::R, M), 1);
    EXPECT_EQ(korvel::compare(Braid("a"), Braid("b"), Ordering::F, M), -1);
    EXPECT_EQ(korvel::compare(Braid("aba"), Braid("bab"), Ordering::R, M), 0);
    EXPECT_TRUE(korvel::equal(Braid("acb"), Braid("cab"), M));
    EXPECT_FALSE(korvel::equal(Braid("ab"), Braid("ba"), M));
    // The flip of F is taken on the strand count of the braid, but a shift
    // of all indices keeps the R-ordering, so the F-sign does not depend on
    // how many strands are added.
    EXPECT_EQ(korvel::sign(Braid("aB", 7), Ordering::F, M), -1);
    EXPECT_EQ(korvel::compare(Braid("c"), Braid("b", 4), Ordering::F, M), 1);
  }
  // The DD-ordering reverses the sign at an even index; only handles decide it.
  EXPECT_EQ(korvel::sign(Braid("b"), Ordering::U), -1);
  EXPECT_EQ(korvel::sign(Braid("aB"), Ordering::U), 1);
  EXPECT_THROW(korvel::sign(Braid("b"), Ordering::U, Method::Coordinates), std::invalid_argument);
}

// A length between 1 and 3,000, about uniform on a log scale, so that short
// and long words both come often.
std::size_t LENGTH(std::mt19937_64& GEN) {
  return static_cast<std::size_t>(std::exp(std::uniform_real_distribution<double>(0, 8.0)(GEN)));
}

int STRANDS(std::mt19937_64& GEN) { return 2 + static_cast<int>(GEN() % 29); }

// One group of seeded words: each is checked for its sign in R and F by both
// methods, then paired with a rewritten spelling (equal), a conjugate and a
// fresh word (compared both ways). Word K is drawn from (SEED, K) alone, so
// it is the same braid whichever share of the group a run checks
// (tests/support/sampling.h).
void AGREEMENT(std::uint64_t SEED, int WORDS) {
  for (int K = 0; K < WORDS; ++K) {
    if (!testsupport::sampled(static_cast<std::uint64_t>(K), SEED)) {
      continue;
    }
    std::seed_seq SEEDS{static_cast<std::uint32_t>(SEED), static_cast<std::uint32_t>(K)};
    std::mt19937_64 GEN(SEEDS);
    const int N = STRANDS(GEN);
    const Braid A = korveltest::RANDOMBRAID(GEN, N, LENGTH(GEN) % 3001);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + testsupport::replay(static_cast<std::uint64_t>(K)) +
                 " on " + std::to_string(N) + " strands, " + std::to_string(A.length()) + " letters");
    for (Ordering O : {Ordering::R, Ordering::F}) {
      ASSERT_EQ(korvel::sign(A, O, Method::Handles), korvel::sign(A, O, Method::Coordinates));
    }
    Braid B;
    switch (K % 3) {
      case 0:
        B = korveltest::REWRITTEN(GEN, A, 1 + A.length() / 2);
        ASSERT_TRUE(korvel::equal(A, B, Method::Coordinates));
        break;
      case 1:
        B = korveltest::CONJUGATED(GEN, A, 1 + GEN() % 20);
        break;
      default:
        B = korveltest::RANDOMBRAID(GEN, N, LENGTH(GEN) % 3001);
        break;
    }
    ASSERT_EQ(korvel::equal(A, B, Method::Handles), korvel::equal(A, B, Method::Coordinates));
    for (Ordering O : {Ordering::R, Ordering::F}) {
      ASSERT_EQ(korvel::compare(A, B, O, Method::Handles), korvel::compare(A, B, O, Method::Coordinates));
    }
  }
}

// 100,000 words in all, in groups that ctest can run side by side.
TEST(Methods, AgreeOnSeededWords0) { AGREEMENT(1000, 12500); }
TEST(Methods, AgreeOnSeededWords1) { AGREEMENT(1001, 12500); }
TEST(Methods, AgreeOnSeededWords2) { AGREEMENT(1002, 12500); }
TEST(Methods, AgreeOnSeededWords3) { AGREEMENT(1003, 12500); }
TEST(Methods, AgreeOnSeededWords4) { AGREEMENT(1004, 12500); }
TEST(Methods, AgreeOnSeededWords5) { AGREEMENT(1005, 12500); }
TEST(Methods, AgreeOnSeededWords6) { AGREEMENT(1006, 12500); }
TEST(Methods, AgreeOnSeededWords7) { AGREEMENT(1007, 12500); }

TEST(Methods, LimitsApplyToBothMethods) {
  const Braid A("abAB");
  korvel::Limits L;
  L.max_length = 8;  // a^-1 b has exactly 8 letters
  for (Method M : {Method::Handles, Method::Coordinates}) {
    EXPECT_EQ(korvel::compare(A, A, Ordering::R, M, L), 0);
  }
  L.max_length = 7;
  for (Method M : {Method::Handles, Method::Coordinates}) {
    EXPECT_THROW(korvel::compare(A, A, Ordering::R, M, L), korvel::BoundExceeded);
  }
  // Handle reduction may grow the word past its input: the handle a bcb A
  // has two runs of sigma_2 in its interior and reduces to B a b c B a b,
  // seven letters, in which sigma_1 occurs positively only: the braid is
  // larger than 1. The coordinates build no word and answer at the input's
  // length.
  const Braid G("abcbA");
  L.max_length = 6;
  EXPECT_THROW(korvel::sign(G, Ordering::R, Method::Handles, L), korvel::BoundExceeded);
  L.max_length = 5;
  EXPECT_EQ(korvel::sign(G, Ordering::R, Method::Coordinates, L), 1);
  L.max_length = 7;
  EXPECT_EQ(korvel::sign(G, Ordering::R, Method::Handles, L), 1);
}

}  // namespace
