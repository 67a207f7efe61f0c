// Left divisibility, gcd, lcm, meet, join and quotients.
//
// Asserted: the exact words of named cases; on seeded random positive words,
// that the gcd divides both arguments and no longer common divisor exists,
// that the lcm is a common multiple and no shorter one exists, that quotients
// multiply back, and that meet and join agree with gcd and lcm letter for
// letter; on random words of any sign, that the meet divides and the join is
// divided by both arguments.
#include "braidbasics/divisibility.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;
using korveltest::EQUIVALENT;
using korveltest::RANDOMWORD;
using korveltest::WORD;

TEST(BLEFTDIVIDES, NamedCases) {
  EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(DEF("a"), DEF("ab")));
  EXPECT_FALSE(BraidBasics::BLEFTDIVIDES(DEF("b"), DEF("ab")));
  EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(DEF("ab"), DEF("ab")));
  EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(DEF("b"), DEF("aba")));  // aba = bab
  EXPECT_FALSE(BraidBasics::BLEFTDIVIDES(DEF("ab"), DEF("a")));
  for (const char* W : {"", "a", "abc", "cbabc"}) {
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(BraidBasics::BONE(), DEF(W))) << W;
  }
  EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(DEF("A"), BraidBasics::BONE()));
  EXPECT_FALSE(BraidBasics::BLEFTDIVIDES(BraidBasics::BONE(), DEF("A")));
}

TEST(BLEFTGCD, NamedCases) {
  BRAID G = BraidBasics::BLEFTGCD(DEF("a"), DEF("b"));
  EXPECT_EQ(G.L, 0);
  EXPECT_EQ(G.W, 3);
  EXPECT_EQ(WORD(BraidBasics::BLEFTGCD(DEF("aba"), DEF("ab"))), "ab");
  EXPECT_EQ(WORD(BraidBasics::BLEFTGCD(DEF("ab"), DEF("ab"))), "ab");
  EXPECT_EQ(WORD(BraidBasics::BLEFTGCD(DEF("ac"), DEF("ca"))), "ac");
  G = BraidBasics::BLEFTGCD(DEF("aB"), DEF("a"));
  EXPECT_EQ(G.W, 0);
  EXPECT_EQ(G.L, 0);
  EXPECT_EQ(BraidBasics::BLEFTGCD(DEF("a"), DEF("A")).W, 0);
}

TEST(BRIGHTLCM, NamedCases) {
  EXPECT_EQ(WORD(BraidBasics::BRIGHTLCM(DEF("a"), DEF("b"))), "aba");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTLCM(DEF("ab"), DEF("ba"))), "aba");
  const BRAID AC = BraidBasics::BRIGHTLCM(DEF("a"), DEF("c"));
  EXPECT_EQ(WORD(AC), "ac");
  EXPECT_EQ(AC.W, 4);
  EXPECT_EQ(WORD(BraidBasics::BRIGHTLCM(DEF("ab"), DEF("bc"))), "abacb");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTLCM(BraidBasics::BONE(), DEF("bc"))), "bc");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTLCM(DEF("bc"), BraidBasics::BONE())), "bc");
  EXPECT_EQ(BraidBasics::BRIGHTLCM(DEF("Ab"), DEF("a")).W, 0);
  EXPECT_EQ(BraidBasics::BRIGHTLCM(DEF("b"), DEF("aB")).W, 0);
}

TEST(BLEFTDIVINF, MeetAndJoinOfNamedWords) {
  EXPECT_EQ(WORD(BraidBasics::BLEFTDIVINF(DEF("A"), DEF("B"))), "ABA");
  const BRAID SUP = BraidBasics::BLEFTDIVSUP(DEF("A"), DEF("B"));
  EXPECT_EQ(SUP.L, 0);
  EXPECT_EQ(SUP.W, 3);
  EXPECT_EQ(WORD(BraidBasics::BLEFTDIVINF(DEF("aB"), DEF("b"))), "BA");
  EXPECT_EQ(WORD(BraidBasics::BLEFTDIVSUP(DEF("aB"), DEF("b"))), "aba");
}

TEST(BLEFTQUOTIENT, NamedCases) {
  EXPECT_EQ(WORD(BraidBasics::BLEFTQUOTIENT(DEF("ab"), DEF("aba"))), "a");
  EXPECT_EQ(WORD(BraidBasics::BLEFTQUOTIENT(DEF("aba"), DEF("ab"))), "A");
  EXPECT_EQ(WORD(BraidBasics::BLEFTQUOTIENT(DEF("a"), DEF("b"))), "baBA");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTQUOTIENT(DEF("aba"), DEF("ba"))), "a");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTQUOTIENT(DEF("aba"), DEF("ab"))), "b");
  EXPECT_EQ(BraidBasics::BLEFTQUOTIENT(DEF("a"), DEF("d")).W, 5);
  EXPECT_EQ(BraidBasics::BRIGHTQUOTIENT(DEF("d"), DEF("a")).W, 5);
}

TEST(BLEFTGCD, SeededRandomPositiveWords) {
  const unsigned SEED = 5150;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 300; ++T) {
    const int WIDTH = 3 + T % 2;
    const std::string W1 = RANDOMWORD(RNG, static_cast<int>(RNG() % 9), WIDTH, true);
    const std::string W2 = RANDOMWORD(RNG, static_cast<int>(RNG() % 9), WIDTH, true);
    SCOPED_TRACE("seed 5150, words " + W1 + " and " + W2);
    const BRAID B1 = DEF(W1);
    const BRAID B2 = DEF(W2);
    const std::int32_t WIDEST = BraidBasics::SUP(B1.W, B2.W);

    const BRAID G = BraidBasics::BLEFTGCD(B1, B2);
    ASSERT_TRUE(BraidBasics::BPOSITIVE(G));
    EXPECT_EQ(G.W, WIDEST);
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(G, B1));
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(G, B2));
    // Greatest: no G sigma_i divides both.
    for (std::int32_t I = 1; I < WIDTH; ++I) {
      const BRAID LONGER = BraidBasics::BPROD(G, BraidBasics::BSIGMA(I));
      EXPECT_FALSE(BraidBasics::BLEFTDIVIDES(LONGER, B1) && BraidBasics::BLEFTDIVIDES(LONGER, B2))
          << "sigma_" << I;
    }
    EXPECT_EQ(WORD(BraidBasics::BLEFTDIVINF(B1, B2)), WORD(G));

    const BRAID M = BraidBasics::BRIGHTLCM(B1, B2);
    ASSERT_TRUE(BraidBasics::BPOSITIVE(M));
    EXPECT_EQ(M.W, WIDEST);
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(B1, M));
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(B2, M));
    // Least: whenever M = M' sigma_i, M' is not a multiple of both.
    for (std::int32_t I = 1; I < WIDTH; ++I) {
      const BRAID SHORTER = BraidBasics::BRIGHTQUOTIENT(M, BraidBasics::BSIGMA(I));
      if (BraidBasics::BPOSITIVE(SHORTER)) {
        EXPECT_FALSE(BraidBasics::BLEFTDIVIDES(B1, SHORTER) &&
                     BraidBasics::BLEFTDIVIDES(B2, SHORTER))
            << "sigma_" << I;
      }
    }
    EXPECT_EQ(WORD(BraidBasics::BLEFTDIVSUP(B1, B2)), WORD(M));

    // Exact quotients are positive and multiply back.
    const BRAID Q1 = BraidBasics::BLEFTQUOTIENT(G, B1);
    ASSERT_TRUE(BraidBasics::BPOSITIVE(Q1));
    EXPECT_EQ(Q1.L, B1.L - G.L);
    EXPECT_TRUE(EQUIVALENT(BraidBasics::BPROD(G, Q1), B1));
    // M = B2 X, so X right-divides M and the right quotient gives B2 back.
    const BRAID X = BraidBasics::BLEFTQUOTIENT(B2, M);
    ASSERT_TRUE(BraidBasics::BPOSITIVE(X));
    const BRAID Q2 = BraidBasics::BRIGHTQUOTIENT(M, X);
    ASSERT_TRUE(BraidBasics::BPOSITIVE(Q2));
    EXPECT_EQ(Q2.L, B2.L);
    EXPECT_TRUE(EQUIVALENT(Q2, B2));
    // An inexact quotient is not positive but still a word for BB^-1 B.
    const BRAID Q3 = BraidBasics::BLEFTQUOTIENT(B1, B2);
    EXPECT_EQ(BraidBasics::BPOSITIVE(Q3), BraidBasics::BLEFTDIVIDES(B1, B2));
    EXPECT_TRUE(EQUIVALENT(BraidBasics::BPROD(B1, Q3), B2));
  }
}

TEST(BLEFTDIVINF, SeededRandomWordsOfAnySign) {
  const unsigned SEED = 6160;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 200; ++T) {
    const std::string W1 = RANDOMWORD(RNG, static_cast<int>(RNG() % 8), 4, false);
    const std::string W2 = RANDOMWORD(RNG, static_cast<int>(RNG() % 8), 4, false);
    SCOPED_TRACE("seed 6160, words " + W1 + " and " + W2);
    const BRAID B1 = DEF(W1);
    const BRAID B2 = DEF(W2);
    const BRAID INF = BraidBasics::BLEFTDIVINF(B1, B2);
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(INF, B1));
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(INF, B2));
    const BRAID SUP = BraidBasics::BLEFTDIVSUP(B1, B2);
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(B1, SUP));
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(B2, SUP));
    // The meet and the join differ from B1 by the two parts of B1^-1 B2:
    // INF^-1 SUP = D N for the reduced fraction D^-1 N, positive.
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(INF, SUP));
    // Meet with oneself is oneself.
    EXPECT_TRUE(EQUIVALENT(BraidBasics::BLEFTDIVINF(B1, B1), B1));
    // Divisibility agrees with the positivity of the quotient's fraction.
    BRAID Q = BraidBasics::BPROD(BraidBasics::BINVERSED(B1), B2);
    BraidBasics::BRIGHTLEFTREVERSE(Q);
    EXPECT_EQ(BraidBasics::BLEFTDIVIDES(B1, B2), BraidBasics::BPOSITIVE(Q));
  }
}

}  // namespace
