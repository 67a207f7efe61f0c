// Reduction strategies and the equivalence test. Asserted on named words and
// on seeded random words: the reduced word has no handle, is freely reduced
// and sigma-definite; it represents the same braid as the input, checked by
// an independent invariant (the Burau matrices at random points modulo a
// prime) and by the route inverse(reduced).input -> empty word; BFULLHFREDUCE
// and BFULLHREDUCE give exactly the words and pass counts of the plain loop of
// FINDHANDLE, REDUCEHANDLE (and BFREEREDUCE); BEQUIV agrees with the braid
// relations, the far commutations and the exponent sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "handlereduction/handles.h"
#include "handlereduction/reduction.h"
#include "tests/support/console_capture.h"

namespace {

using BraidBasics::BRAID;
using handlereduction::BEQUIV;
using handlereduction::BFULLHFREDUCE;
using handlereduction::BFULLHREDUCE;
using handlereduction::BNBREDSTEPS;
using handlereduction::BQUICKFULLHFREDUCE;
using handlereduction::BREDUCED;

BRAID MAKE(const std::string& LETTERS) {
  BRAID B;
  BraidBasics::BDEF(B, LETTERS);
  return B;
}

std::string WORD(const BRAID& B) { return BraidBasics::BWORD(B); }

std::string RANDOMWORD(std::mt19937& GEN, int STRANDS, int LENGTH) {
  std::string W;
  std::uniform_int_distribution<int> INDEX(0, STRANDS - 2);
  std::uniform_int_distribution<int> SIGN(0, 1);
  for (int K = 0; K < LENGTH; ++K) {
    const int X = INDEX(GEN);
    W.push_back(static_cast<char>(SIGN(GEN) != 0 ? 'a' + X : 'A' + X));
  }
  return W;
}

// The unreduced Burau matrix of a word on N strands at the point T of the
// field of integers modulo 2^31 - 1. Equal braids have equal matrices.
class BURAU {
 public:
  static constexpr std::uint64_t PRIME = 2147483647ULL;

  BURAU(int N, std::uint64_t T) : N_(N), T_(T), TINV_(POWER(T, PRIME - 2)), M_(N * N, 0) {
    for (int K = 0; K < N; ++K) {
      M_[K * N + K] = 1;
    }
  }

  // M := M * S, with S the 2 x 2 block [[1-t, t], [1, 0]] of sigma_i at the
  // rows and columns i-1, i (0-based), or its inverse [[0, 1], [1/t, 1-1/t]].
  void APPLY(int LETTER) {
    const int I = (LETTER > 0 ? LETTER : -LETTER) - 1;
    for (int R = 0; R < N_; ++R) {
      std::uint64_t& X = M_[R * N_ + I];
      std::uint64_t& Y = M_[R * N_ + I + 1];
      const std::uint64_t A = X;
      const std::uint64_t C = Y;
      if (LETTER > 0) {
        X = (A * ((1 + PRIME - T_) % PRIME) + C) % PRIME;
        Y = A * T_ % PRIME;
      } else {
        X = C * TINV_ % PRIME;
        Y = (A + C * ((1 + PRIME - TINV_) % PRIME)) % PRIME;
      }
    }
  }

  bool operator==(const BURAU& OTHER) const { return M_ == OTHER.M_; }

 private:
  static std::uint64_t POWER(std::uint64_t B, std::uint64_t E) {
    std::uint64_t R = 1;
    for (B %= PRIME; E > 0; E >>= 1, B = B * B % PRIME) {
      if ((E & 1) != 0) {
        R = R * B % PRIME;
      }
    }
    return R;
  }
  int N_;
  std::uint64_t T_;
  std::uint64_t TINV_;
  std::vector<std::uint64_t> M_;
};

BURAU BURAUOF(const BRAID& B, int N, std::uint64_t T) {
  BURAU M(N, T);
  for (std::int32_t R = 1; R <= B.L; ++R) {
    M.APPLY(B.V[R]);
  }
  return M;
}

// Same braid for the Burau invariant at two points.
bool SAMEBURAU(const BRAID& B, const BRAID& BB) {
  const int N = std::max(std::max(B.W, BB.W), 2);
  for (std::uint64_t T : {12345ULL, 987654321ULL}) {
    if (!(BURAUOF(B, N, T) == BURAUOF(BB, N, T))) {
      return false;
    }
  }
  return true;
}

bool HASHANDLE(const BRAID& B) {
  std::int32_t P = 0;
  std::int32_t Q = 0;
  std::int32_t I = 0;
  handlereduction::FINDHANDLE(B, P, Q, I);
  return P != 0;
}

bool FREELYREDUCED(const BRAID& B) {
  for (std::int32_t R = 1; R < B.L; ++R) {
    if (B.V[R] + B.V[R + 1] == 0) {
      return false;
    }
  }
  return true;
}

// The generator of least index occurs with one sign only.
bool SIGMADEFINITE(const BRAID& B) {
  int LEAST = 1000;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    LEAST = std::min(LEAST, B.V[R] > 0 ? int{B.V[R]} : -int{B.V[R]});
  }
  bool POS = false;
  bool NEG = false;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    POS = POS || B.V[R] == LEAST;
    NEG = NEG || B.V[R] == -LEAST;
  }
  return !(POS && NEG);
}

// The plain loop of the leftmost strategy, step by step.
void PLAINLOOP(BRAID& B, bool FREE, std::int32_t& PASSES) {
  PASSES = 0;
  for (;;) {
    std::int32_t P = 0;
    std::int32_t Q = 0;
    std::int32_t I = 0;
    handlereduction::FINDHANDLE(B, P, Q, I);
    if (P != 0) {
      handlereduction::REDUCEHANDLE(B, P, Q, I);
    }
    if (FREE) {
      BraidBasics::BFREEREDUCE(B);
    }
    ++PASSES;
    if (P == 0) {
      return;
    }
  }
}

std::string TRACE(unsigned SEED, int ROUND, const std::string& W) {
  return "seed " + std::to_string(SEED) + ", round " + std::to_string(ROUND) + ", word " + W;
}

TEST(FullReduction, NamedWords) {
  struct CASE {
    const char* WORD;
    const char* REDUCED;
    std::int32_t PASSES;
  };
  const CASE CASES[] = {
      {"", "", 1},       {"aA", "", 2},        {"ab", "ab", 1},
      {"abA", "Bab", 2}, {"bBaA", "", 2},      {"abcBA", "CBabc", 3},
      {"BAba", "aB", 2}, {"aabAA", "aBBab", 3}, {"acbbcbA", "cBaaCbcab", 3},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    BRAID B = MAKE(C.WORD);
    BREDUCED = false;
    BFULLHFREDUCE(B);
    EXPECT_EQ(WORD(B), C.REDUCED);
    EXPECT_EQ(BNBREDSTEPS, C.PASSES);
    EXPECT_TRUE(BREDUCED);
  }
}

TEST(FullReduction, WithoutFreeReductionEmptyPairsAreHandlesOfTheirOwn) {
  BRAID B = MAKE("bBaA");
  BFULLHREDUCE(B);
  EXPECT_EQ(WORD(B), "");
  EXPECT_EQ(BNBREDSTEPS, 3);  // bB, then aA, then the search that finds nothing
  EXPECT_TRUE(BREDUCED);

  B = MAKE("abA");
  BFULLHREDUCE(B);
  EXPECT_EQ(WORD(B), "Bab");
  EXPECT_EQ(BNBREDSTEPS, 2);
}

TEST(FullReduction, TheWidthIsKept) {
  BRAID B = MAKE("dD");
  BFULLHFREDUCE(B);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(B.W, 5);
}

TEST(FullReduction, SameWordsAndPassesAsThePlainLoop) {
  const unsigned SEED = 424242;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 3000; ++ROUND) {
    const int STRANDS = 2 + ROUND % 9;
    const std::string W = RANDOMWORD(GEN, STRANDS, ROUND % 120);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    for (bool FREE : {true, false}) {
      BRAID FAST = MAKE(W);
      BRAID PLAIN = FAST;
      std::int32_t PASSES = 0;
      PLAINLOOP(PLAIN, FREE, PASSES);
      if (FREE) {
        BFULLHFREDUCE(FAST);
      } else {
        BFULLHREDUCE(FAST);
      }
      ASSERT_EQ(WORD(FAST), WORD(PLAIN)) << (FREE ? "with" : "without") << " free reduction";
      ASSERT_EQ(BNBREDSTEPS, PASSES);
      ASSERT_EQ(FAST.W, PLAIN.W);
    }
  }
}

TEST(FullReduction, SameWordsAsThePlainLoopOnWordsRichInCancellations) {
  // Words of few letters and their inverses side by side make free reduction
  // cascade across the reducts.
  const unsigned SEED = 5150;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 1500; ++ROUND) {
    const std::string U = RANDOMWORD(GEN, 3 + ROUND % 4, 1 + ROUND % 12);
    const std::string V = RANDOMWORD(GEN, 3 + ROUND % 4, ROUND % 7);
    BRAID B = MAKE(U);
    BraidBasics::BINV(B);
    const std::string W = U + V + WORD(B) + V + U;
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    BRAID FAST = MAKE(W);
    BRAID PLAIN = FAST;
    std::int32_t PASSES = 0;
    PLAINLOOP(PLAIN, true, PASSES);
    BFULLHFREDUCE(FAST);
    ASSERT_EQ(WORD(FAST), WORD(PLAIN));
    ASSERT_EQ(BNBREDSTEPS, PASSES);
  }
}

TEST(FullReduction, ReducedWordIsHandleFreeSigmaDefiniteAndTheSameBraid) {
  const unsigned SEED = 31337;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 1500; ++ROUND) {
    const int STRANDS = 2 + ROUND % 12;
    const std::string W = RANDOMWORD(GEN, STRANDS, 1 + ROUND % 150);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    const BRAID INPUT = MAKE(W);
    BRAID B = INPUT;
    BFULLHFREDUCE(B);
    ASSERT_FALSE(HASHANDLE(B));
    ASSERT_TRUE(FREELYREDUCED(B));
    ASSERT_TRUE(SIGMADEFINITE(B));
    ASSERT_TRUE(SAMEBURAU(B, INPUT));
    // Independent route: inverse(reduced).input reduces to the empty word.
    BRAID CHECK = BraidBasics::BINVERSED(B);
    BraidBasics::BCONCAT(CHECK, INPUT);
    BFULLHFREDUCE(CHECK);
    ASSERT_EQ(CHECK.L, 0);
    // A second reduction changes nothing and makes one pass.
    BRAID AGAIN = B;
    BFULLHFREDUCE(AGAIN);
    ASSERT_TRUE(BraidBasics::BEQUAL(AGAIN, B));
    ASSERT_EQ(BNBREDSTEPS, 1);
  }
}

TEST(FullReduction, WithoutFreeReductionTheResultIsHandleFreeAndTheSameBraid) {
  const unsigned SEED = 8086;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 800; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 2 + ROUND % 8, ROUND % 100);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    const BRAID INPUT = MAKE(W);
    BRAID B = INPUT;
    BFULLHREDUCE(B);
    ASSERT_FALSE(HASHANDLE(B));
    ASSERT_TRUE(SIGMADEFINITE(B));
    ASSERT_TRUE(SAMEBURAU(B, INPUT));
  }
}

TEST(FullReduction, GrowthPastTheBoundIsRefused) {
  // The conjugate of (kl)^100 by abcdefghij reduces to a word of 2200 letters.
  std::string W = "abcdefghij";
  for (int K = 0; K < 100; ++K) {
    W += "kl";
  }
  W += "JIHGFEDCBA";
  BRAID B = MAKE(W);
  EXPECT_THROW(BFULLHFREDUCE(B), BraidBasics::BOUNDEXCEEDED);
  EXPECT_LE(B.L, BraidBasics::BMAXLENGTH);
  B = MAKE(W);
  EXPECT_THROW(BFULLHREDUCE(B), BraidBasics::BOUNDEXCEEDED);

  // With 90 factors the result, 1980 letters, fits.
  W = "abcdefghij";
  for (int K = 0; K < 90; ++K) {
    W += "kl";
  }
  W += "JIHGFEDCBA";
  B = MAKE(W);
  BFULLHFREDUCE(B);
  EXPECT_EQ(B.L, 1980);
  EXPECT_FALSE(HASHANDLE(B));
}

TEST(QuickReduction, HandleFreeAndTheSameBraidForEveryThreshold) {
  const unsigned SEED = 2718;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 600; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 2 + ROUND % 8, 1 + ROUND % 90);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    const BRAID INPUT = MAKE(W);
    for (std::int32_t THRESHOLD : {1, 2, 5, 16, 1000}) {
      BRAID B = INPUT;
      BQUICKFULLHFREDUCE(B, THRESHOLD);
      ASSERT_FALSE(HASHANDLE(B)) << "threshold " << THRESHOLD;
      ASSERT_TRUE(FREELYREDUCED(B));
      ASSERT_TRUE(SAMEBURAU(B, INPUT));
      ASSERT_GE(BNBREDSTEPS, 0);
    }
  }
}

TEST(QuickReduction, AThresholdBelowOneWorksAsOne) {
  const unsigned SEED = 1618;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 200; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 4, 1 + ROUND % 40);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    BRAID ONE = MAKE(W);
    BQUICKFULLHFREDUCE(ONE, 1);
    const std::int32_t PASSES = BNBREDSTEPS;
    for (std::int32_t THRESHOLD : {0, -1, -100}) {
      BRAID B = MAKE(W);
      BQUICKFULLHFREDUCE(B, THRESHOLD);
      ASSERT_TRUE(BraidBasics::BEQUAL(B, ONE));
      ASSERT_EQ(BNBREDSTEPS, PASSES);
    }
  }
}

TEST(QuickReduction, ShortWordsAreReducedAsByTheFullLoop) {
  BRAID B = MAKE("abcBA");
  BQUICKFULLHFREDUCE(B, 10);
  EXPECT_EQ(WORD(B), "CBabc");
  EXPECT_EQ(BNBREDSTEPS, 3);
}

TEST(QuickReduction, PassesOfAllLevelsAreCounted) {
  // abAB is cut into ab and AB, each handle-free (one pass each); their
  // product then needs the passes of a full reduction.
  BRAID WHOLE = MAKE("abAB");
  BFULLHFREDUCE(WHOLE);
  const std::int32_t FULLPASSES = BNBREDSTEPS;
  BRAID B = MAKE("abAB");
  BQUICKFULLHFREDUCE(B, 2);
  EXPECT_TRUE(BraidBasics::BEQUAL(B, WHOLE));
  EXPECT_EQ(BNBREDSTEPS, FULLPASSES + 2);
}

TEST(QuickReduction, AWordThatFreeReductionEmptiesMakesNoPass) {
  BRAID B = MAKE("abcCBA");
  BREDUCED = false;
  BQUICKFULLHFREDUCE(B, 1);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(BNBREDSTEPS, 0);
  EXPECT_FALSE(BREDUCED);  // untouched
}

TEST(Equivalence, NamedPairs) {
  EXPECT_TRUE(BEQUIV(MAKE("a"), MAKE("a")));
  EXPECT_FALSE(BEQUIV(MAKE("ab"), MAKE("ba")));
  EXPECT_TRUE(BEQUIV(MAKE("aba"), MAKE("bab")));
  EXPECT_TRUE(BEQUIV(MAKE(""), MAKE("aA")));
  EXPECT_TRUE(BEQUIV(MAKE("ac"), MAKE("ca")));
  EXPECT_FALSE(BEQUIV(MAKE("a"), MAKE("b")));
  EXPECT_FALSE(BEQUIV(MAKE("aba"), MAKE("ab")));
  EXPECT_TRUE(BEQUIV(MAKE("abacba"), MAKE("cbcabc")));  // Delta_4 two ways
  EXPECT_FALSE(BEQUIV(MAKE("abacba"), MAKE("cbacba")));
}

TEST(Equivalence, ArgumentsAreNotChanged) {
  const BRAID B = MAKE("abA");
  const BRAID BB = MAKE("Bab");
  EXPECT_TRUE(BEQUIV(B, BB));
  EXPECT_EQ(WORD(B), "abA");
  EXPECT_EQ(WORD(BB), "Bab");
}

TEST(Equivalence, BraidRelationsAndFarCommutationsInContext) {
  const unsigned SEED = 1234;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 800; ++ROUND) {
    const int STRANDS = 3 + ROUND % 10;
    const std::string U = RANDOMWORD(GEN, STRANDS, ROUND % 25);
    const std::string V = RANDOMWORD(GEN, STRANDS, ROUND % 17);
    std::uniform_int_distribution<int> PICK(0, STRANDS - 3);
    const char X = static_cast<char>('a' + PICK(GEN));
    const char Y = static_cast<char>(X + 1);
    SCOPED_TRACE(TRACE(SEED, ROUND, U + " . " + V) + ", letter " + X);
    // sigma_i sigma_(i+1) sigma_i = sigma_(i+1) sigma_i sigma_(i+1)
    ASSERT_TRUE(BEQUIV(MAKE(U + X + Y + X + V), MAKE(U + Y + X + Y + V)));
    // and its inverse form
    const char XI = static_cast<char>(X - 32);
    const char YI = static_cast<char>(Y - 32);
    ASSERT_TRUE(BEQUIV(MAKE(U + XI + YI + XI + V), MAKE(U + YI + XI + YI + V)));
    // sigma_i and sigma_j commute when |i - j| >= 2
    if (STRANDS >= 4) {
      std::uniform_int_distribution<int> FAR(2, STRANDS - 2);
      const int J = X - 'a' + FAR(GEN);
      if (J <= STRANDS - 2) {
        const char Z = static_cast<char>('a' + J);
        ASSERT_TRUE(BEQUIV(MAKE(U + X + Z + V), MAKE(U + Z + X + V)));
        ASSERT_TRUE(BEQUIV(MAKE(U + XI + Z + V), MAKE(U + Z + XI + V)));
      }
    }
    // neighbours do not commute
    ASSERT_FALSE(BEQUIV(MAKE(U + X + Y + V), MAKE(U + Y + X + V)));
  }
}

TEST(Equivalence, DifferentExponentSumsAreNeverEquivalent) {
  const unsigned SEED = 777;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 800; ++ROUND) {
    const int STRANDS = 2 + ROUND % 8;
    const std::string U = RANDOMWORD(GEN, STRANDS, ROUND % 60);
    const std::string V = RANDOMWORD(GEN, STRANDS, ROUND % 50);
    SCOPED_TRACE(TRACE(SEED, ROUND, U + " / " + V));
    int SUM = 0;
    for (char C : U) {
      SUM += C >= 'a' ? 1 : -1;
    }
    for (char C : V) {
      SUM -= C >= 'a' ? 1 : -1;
    }
    const bool EQUIVALENT = BEQUIV(MAKE(U), MAKE(V));
    if (SUM != 0) {
      ASSERT_FALSE(EQUIVALENT);
    }
    // Whatever the sums, the answer agrees with the Burau invariant when it
    // says "equivalent", and whenever the Burau matrices differ it says no.
    const bool SAME = SAMEBURAU(MAKE(U), MAKE(V));
    if (EQUIVALENT) {
      ASSERT_TRUE(SAME);
    }
    if (!SAME) {
      ASSERT_FALSE(EQUIVALENT);
    }
    ASSERT_TRUE(BEQUIV(MAKE(U), MAKE(U)));
  }
}

TEST(StepByStep, NamedDisplays) {
  struct CASE {
    const char* WORD;
    const char* DISPLAY;
    std::int32_t PASSES;
  };
  const CASE CASES[] = {
      {"", "   0: 1\n", 1},
      {"ab", "   0: ab\n", 1},
      {"abA", "   0: .abA.\n   1: Bab\n", 2},
      {"aA", "   0: .aA.\n   1: 1\n", 2},
      {"cabAd", "   0: c.abA.d\n   1: cBabd\n", 2},
      {"abcBA", "   0: a.bcB.A\n   1: .aCbcA.\n   2: CBabc\n", 3},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    korveltest::ConsoleCapture CAPTURE;
    BRAID B = MAKE(C.WORD);
    handlereduction::BSTEPBYSTEPHREDUCE(B);
    EXPECT_EQ(CAPTURE.Output(), C.DISPLAY);
    EXPECT_EQ(BNBREDSTEPS, C.PASSES);
    EXPECT_TRUE(BREDUCED);
  }
}

TEST(StepByStep, PassNumbersAreRightAlignedInFourColumns) {
  // a^1000 A^1000: one empty handle per pass, 1001 lines numbered 0..1000.
  const std::string W = std::string(1000, 'a') + std::string(1000, 'A');
  korveltest::ConsoleCapture CAPTURE;
  BRAID B = MAKE(W);
  handlereduction::BSTEPBYSTEPHREDUCE(B);
  EXPECT_EQ(BNBREDSTEPS, 1001);
  std::istringstream LINES(CAPTURE.Output());
  std::string LINE;
  std::vector<std::string> NUMBERED;
  while (std::getline(LINES, LINE)) {
    if (LINE.rfind("     ", 0) != 0) {  // not a continuation line
      NUMBERED.push_back(LINE.substr(0, 6));
    }
  }
  ASSERT_EQ(NUMBERED.size(), 1001U);
  EXPECT_EQ(NUMBERED[0], "   0: ");
  EXPECT_EQ(NUMBERED[9], "   9: ");
  EXPECT_EQ(NUMBERED[10], "  10: ");
  EXPECT_EQ(NUMBERED[99], "  99: ");
  EXPECT_EQ(NUMBERED[100], " 100: ");
  EXPECT_EQ(NUMBERED[999], " 999: ");
  EXPECT_EQ(NUMBERED[1000], "1000: ");
}

TEST(StepByStep, ShowsTheWordsOfTheLoopWithoutFreeReduction) {
  const unsigned SEED = 4711;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 100; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 2 + ROUND % 5, ROUND % 30);
    SCOPED_TRACE(TRACE(SEED, ROUND, W));
    BRAID SHOWN = MAKE(W);
    BRAID SILENT = SHOWN;
    {
      korveltest::ConsoleCapture CAPTURE;
      handlereduction::BSTEPBYSTEPHREDUCE(SHOWN);
    }
    const std::int32_t PASSES = BNBREDSTEPS;
    BFULLHREDUCE(SILENT);
    ASSERT_TRUE(BraidBasics::BEQUAL(SHOWN, SILENT));
    ASSERT_EQ(PASSES, BNBREDSTEPS);
  }
}

}  // namespace
