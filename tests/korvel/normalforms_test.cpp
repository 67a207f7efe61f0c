// The normal forms for programs: left normal forms of any braid (negative
// powers of Delta included) and symmetric normal forms rebuild their braid,
// their factors are simple and left-weighted, and they agree with the
// console's procedures on positive words. Hand-worked cases first.
#include <gtest/gtest.h>

#include <random>

#include "braidbasics/braid.h"
#include "braidbasics/leftnormalform.h"
#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;

std::vector<std::string> LETTERS(const std::vector<Braid>& FACTORS) {
  std::vector<std::string> S;
  for (const Braid& F : FACTORS) {
    S.push_back(F.letters());
  }
  return S;
}

TEST(LeftNormalForm, WorkedExamples) {
  // sigma_1 is Delta on two strands, but not on three.
  korvel::LeftNormalForm X = korvel::left_normal_form(Braid("a"));
  EXPECT_EQ(X.delta_power, 1);
  EXPECT_TRUE(X.factors.empty());
  X = korvel::left_normal_form(Braid("a", 3));
  EXPECT_EQ(X.delta_power, 0);
  EXPECT_EQ(LETTERS(X.factors), std::vector<std::string>{"a"});
  // sigma_1^-1 = Delta^-1 (Delta sigma_1^-1) = Delta^-1 sigma_1 sigma_2 on
  // three strands, since Delta = aba = ab.a.
  X = korvel::left_normal_form(Braid("A", 3));
  EXPECT_EQ(X.delta_power, -1);
  EXPECT_EQ(LETTERS(X.factors), std::vector<std::string>{"ab"});
  // Delta^-2 is central: its form is the power alone.
  X = korvel::left_normal_form(Braid::delta(4).pow(-2));
  EXPECT_EQ(X.delta_power, -2);
  EXPECT_TRUE(X.factors.empty());
  EXPECT_EQ(X.strands, 4);
}

TEST(SymmetricNormalForm, WorkedExample) {
  // aB = (ab)^-1 ba: ab aB = (aba) B = (bab) B = ba.
  const korvel::SymmetricNormalForm S = korvel::symmetric_normal_form(Braid("aB"));
  EXPECT_EQ(LETTERS(S.denominator.factors), std::vector<std::string>{"ab"});
  EXPECT_EQ(LETTERS(S.numerator.factors), std::vector<std::string>{"ba"});
  EXPECT_EQ(S.denominator.delta_power, 0);
}

// Every factor is a proper simple braid: positive, not trivial, not Delta,
// and a divisor of Delta (its left gcd with Delta is itself).
void EXPECTSIMPLE(const Braid& F, int STRANDS) {
  ASSERT_GT(F.length(), 0U);
  for (int X : F.tietze()) {
    ASSERT_GT(X, 0);
  }
  EXPECT_NE(F, Braid::delta(STRANDS));
  // A positive word divides Delta exactly when no two strands cross twice,
  // that is when its length is that of its permutation (the number of
  // inversions): checked through the permutation directly.
  std::vector<int> P(static_cast<std::size_t>(STRANDS));
  for (int K = 0; K < STRANDS; ++K) {
    P[static_cast<std::size_t>(K)] = K;
  }
  for (int X : F.tietze()) {
    std::swap(P[static_cast<std::size_t>(X - 1)], P[static_cast<std::size_t>(X)]);
  }
  std::size_t INVERSIONS = 0;
  for (int I = 0; I < STRANDS; ++I) {
    for (int J = I + 1; J < STRANDS; ++J) {
      INVERSIONS += P[static_cast<std::size_t>(I)] > P[static_cast<std::size_t>(J)] ? 1 : 0;
    }
  }
  EXPECT_EQ(INVERSIONS, F.length()) << F.str();
}

TEST(LeftNormalForm, RebuildsEveryBraidWithSimpleFactors) {
  std::mt19937_64 GEN(20261209);
  for (int ROUND = 0; ROUND < 300; ++ROUND) {
    const int N = 2 + ROUND % 6;
    const Braid B = korveltest::RANDOMBRAID(GEN, N, GEN() % 40);
    SCOPED_TRACE(B.str());
    const korvel::LeftNormalForm X = korvel::left_normal_form(B);
    EXPECT_EQ(X.strands, N);
    EXPECT_EQ(X.braid(), B);
    for (const Braid& F : X.factors) {
      EXPECTSIMPLE(F, N);
    }
    const korvel::SymmetricNormalForm S = korvel::symmetric_normal_form(B);
    EXPECT_EQ(S.braid(), B);
    // The form is a function of the braid: another spelling gives it again.
    const korvel::LeftNormalForm Y = korvel::left_normal_form(korveltest::REWRITTEN(GEN, B, 30));
    EXPECT_EQ(Y.delta_power, X.delta_power);
    ASSERT_EQ(Y.factors.size(), X.factors.size());
    for (std::size_t K = 0; K < X.factors.size(); ++K) {
      EXPECT_EQ(Y.factors[K], X.factors[K]);
    }
  }
}

TEST(LeftNormalForm, AgreesWithTheConsoleOnPositiveWords) {
  std::mt19937_64 GEN(7);
  for (int ROUND = 0; ROUND < 200; ++ROUND) {
    const int N = 2 + ROUND % 5;
    std::string W;
    for (std::size_t K = GEN() % 30; K > 0; --K) {
      W.push_back(static_cast<char>('a' + GEN() % static_cast<unsigned>(N - 1)));
    }
    SCOPED_TRACE(W);
    BraidBasics::BRAID B;
    BraidBasics::BDEF(B, W);
    B.W = N;
    const BraidBasics::NF CONSOLE = BraidBasics::BLEFTNF(B);
    const korvel::LeftNormalForm X = korvel::left_normal_form(Braid(W, N));
    EXPECT_EQ(X.delta_power, CONSOLE.I);
    std::string S;
    for (const Braid& F : X.factors) {
      if (!S.empty()) {
        S += '.';
      }
      S += F.letters();
    }
    EXPECT_EQ(S, CONSOLE.S);
  }
}

}  // namespace
