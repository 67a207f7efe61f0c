// Reduction strategies and the equivalence test. Asserted on named words and
// on seeded random words: BFULLHFREDUCE and BFULLHREDUCE give exactly the
// words and pass counts of the plain loop of FINDHANDLE and REDUCEHANDLE
// (with BFREEREDUCE); the reduced word has no handle, is freely reduced and
// sigma-definite, and represents the input's braid by two routes: the Burau
// matrices (an invariant computed apart from any reduction) agree, and
// inverse(reduced).input reduces to the empty word. BEQUIV agrees with the
// braid relations, the far commutations and the exponent sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "handlereduction/handles.h"
#include "handlereduction/reduction.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"
#include "tests/support/random_words.h"

namespace {

// The console's forms of the two full reductions, as plain function pointers.
void (*const CONSOLEFULLHREDUCE)(BraidBasics::BRAID&) = handlereduction::BFULLHREDUCE;
void (*const CONSOLEFULLHFREDUCE)(BraidBasics::BRAID&) = handlereduction::BFULLHFREDUCE;

using BraidBasics::BRAID;
using handlereduction::BEQUIV;
using handlereduction::BNBREDSTEPS;
using korveltest::DEF;
using korveltest::RANDOMSTRANDWORD;
using korveltest::WORD;

// The unreduced Burau matrix of B on N strands at the point T, modulo the
// prime 2^31 - 1: sigma_i multiplies on the right by the block
// [[1-t, t], [1, 0]] at rows and columns i, i+1, its inverse by
// [[0, 1], [1/t, 1-1/t]]. Equal braids have equal matrices.
std::vector<std::uint64_t> BURAU(const BRAID& B, int N, std::uint64_t T) {
  constexpr std::uint64_t PRIME = 2147483647ULL;
  std::uint64_t TINV = 1;  // T^(PRIME - 2)
  for (std::uint64_t BASE = T, E = PRIME - 2; E > 0; E >>= 1, BASE = BASE * BASE % PRIME) {
    TINV = (E & 1) != 0 ? TINV * BASE % PRIME : TINV;
  }
  std::vector<std::uint64_t> M(static_cast<std::size_t>(N * N), 0);
  for (int K = 0; K < N; ++K) {
    M[static_cast<std::size_t>(K * N + K)] = 1;
  }
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const int I = (B.V[R] > 0 ? B.V[R] : -B.V[R]) - 1;
    for (int ROW = 0; ROW < N; ++ROW) {
      std::uint64_t& X = M[static_cast<std::size_t>(ROW * N + I)];
      std::uint64_t& Y = M[static_cast<std::size_t>(ROW * N + I + 1)];
      const std::uint64_t A = X;
      const std::uint64_t C = Y;
      if (B.V[R] > 0) {
        X = (A * (1 + PRIME - T) + C) % PRIME;
        Y = A * T % PRIME;
      } else {
        X = C * TINV % PRIME;
        Y = (A + C * (1 + PRIME - TINV)) % PRIME;
      }
    }
  }
  return M;
}

bool SAMEBURAU(const BRAID& B, const BRAID& BB) {
  const int N = std::max({B.W, BB.W, 2});
  return BURAU(B, N, 12345) == BURAU(BB, N, 12345) &&
         BURAU(B, N, 987654321) == BURAU(BB, N, 987654321);
}

bool HASHANDLE(const BRAID& B) {
  std::int32_t P = 0, Q = 0, I = 0;
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
  return std::find(&B.V[1], &B.V[B.L + 1], LEAST) == &B.V[B.L + 1] ||
         std::find(&B.V[1], &B.V[B.L + 1], -LEAST) == &B.V[B.L + 1];
}

// The plain loop of the leftmost strategy; returns the number of passes.
std::int32_t PLAINLOOP(BRAID& B, bool FREE) {
  for (std::int32_t PASSES = 1;; ++PASSES) {
    std::int32_t P = 0, Q = 0, I = 0;
    handlereduction::FINDHANDLE(B, P, Q, I);
    if (P == 0) {
      return PASSES;
    }
    handlereduction::REDUCEHANDLE(B, P, Q, I);
    if (FREE) {
      BraidBasics::BFREEREDUCE(B);
    }
  }
}

TEST(FullReduction, NamedWords) {
  struct CASE {
    const char* WORD;
    bool FREE;
    const char* REDUCED;
    std::int32_t PASSES;
  };
  const CASE CASES[] = {
      {"", true, "", 1},           {"aA", true, "", 2},
      {"ab", true, "ab", 1},       {"abA", true, "Bab", 2},
      {"bBaA", true, "", 2},       {"bBaA", false, "", 3},  // aA is a handle of its own
      {"abcBA", true, "CBabc", 3}, {"BAba", true, "aB", 2},
      {"aabAA", true, "aBBab", 3}, {"acbbcbA", true, "cBaaCbcab", 3},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    BRAID B = DEF(C.WORD);
    handlereduction::BREDUCED = false;
    (C.FREE ? CONSOLEFULLHFREDUCE : CONSOLEFULLHREDUCE)(B);
    EXPECT_EQ(WORD(B), C.REDUCED);
    EXPECT_EQ(BNBREDSTEPS, C.PASSES);
    EXPECT_TRUE(handlereduction::BREDUCED);
  }
  BRAID B = DEF("dD");
  handlereduction::BFULLHFREDUCE(B);
  EXPECT_EQ(B.W, 5);  // the width is kept
}

TEST(FullReduction, SeededRandomWords) {
  const unsigned SEED = 424242;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 3000; ++ROUND) {
    std::string W = RANDOMSTRANDWORD(GEN, 2 + ROUND % 12, ROUND % 150);
    if (ROUND % 3 == 0) {
      // u v inverse(u) v u: free reduction cascades across the reducts.
      const std::string U = RANDOMSTRANDWORD(GEN, 3 + ROUND % 4, 1 + ROUND % 12);
      const std::string V = RANDOMSTRANDWORD(GEN, 3 + ROUND % 4, ROUND % 7);
      W = U + V + WORD(BraidBasics::BINVERSED(DEF(U))) + V + U;
    }
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", round " + std::to_string(ROUND) + ", word " +
                 W);
    const BRAID INPUT = DEF(W);
    for (bool FREE : {true, false}) {
      BRAID B = INPUT;
      BRAID PLAIN = INPUT;
      const std::int32_t PASSES = PLAINLOOP(PLAIN, FREE);
      (FREE ? CONSOLEFULLHFREDUCE : CONSOLEFULLHREDUCE)(B);
      ASSERT_EQ(WORD(B), WORD(PLAIN)) << (FREE ? "with" : "without") << " free reduction";
      ASSERT_EQ(BNBREDSTEPS, PASSES);
      ASSERT_FALSE(HASHANDLE(B));
      ASSERT_TRUE(SIGMADEFINITE(B));
      ASSERT_TRUE(SAMEBURAU(B, INPUT));
    }
    BRAID B = INPUT;
    handlereduction::BFULLHFREDUCE(B);
    ASSERT_TRUE(FREELYREDUCED(B));
    BRAID CHECK = BraidBasics::BINVERSED(B);
    BraidBasics::BCONCAT(CHECK, INPUT);
    handlereduction::BFULLHFREDUCE(CHECK);
    ASSERT_EQ(CHECK.L, 0);
    handlereduction::BFULLHFREDUCE(B);  // a second reduction: one pass
    ASSERT_EQ(BNBREDSTEPS, 1);
  }
}

// A handle of index I whose interior holds, between letters of index I+1,
// further nested handles of index I+1, DEPTH levels down: the reduction of
// such a word keeps reopening handles inside reducts, where a pass that
// resumes its search in the middle of the word could go wrong.
std::string NESTEDWORD(std::mt19937& GEN, int I, int STRANDS, int DEPTH) {
  if (I >= STRANDS || DEPTH == 0) {
    return "";
  }
  const bool POSITIVE = GEN() % 2 == 0;
  const auto LETTER = [](int INDEX, bool UP) {
    return static_cast<char>((UP ? 'a' : 'A') + INDEX - 1);
  };
  std::string W(1, LETTER(I, POSITIVE));
  for (int PART = 0, PARTS = 1 + static_cast<int>(GEN() % 3); PART < PARTS; ++PART) {
    W += NESTEDWORD(GEN, I + 1, STRANDS, DEPTH - 1);
    if (I + 1 < STRANDS && GEN() % 2 == 0) {
      W.push_back(LETTER(I + 1, GEN() % 2 == 0));
    }
  }
  W.push_back(LETTER(I, !POSITIVE));
  return W;
}

TEST(FullReduction, DeeplyNestedHandlesGiveThePlainLoopsWordsAndPasses) {
  const unsigned SEED = 90210;
  std::mt19937 GEN(SEED);
  std::int32_t MOSTPASSES = 0;
  for (int ROUND = 0; ROUND < 400; ++ROUND) {
    const int STRANDS = 4 + ROUND % 12;
    std::string W = NESTEDWORD(GEN, 1 + ROUND % 2, STRANDS, 3 + ROUND % 6);
    if (W.size() > 255) {
      continue;
    }
    // Two statements, so that the words do not depend on the order in which
    // a compiler evaluates the operands of one expression.
    const std::string LEFT = RANDOMSTRANDWORD(GEN, STRANDS, ROUND % 5);
    const std::string RIGHT = RANDOMSTRANDWORD(GEN, STRANDS, ROUND % 3);
    W = LEFT + W + RIGHT;
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", round " + std::to_string(ROUND) + ", word " +
                 W);
    const BRAID INPUT = DEF(W);
    for (bool FREE : {true, false}) {
      BRAID B = INPUT;
      BRAID PLAIN = INPUT;
      std::int32_t PASSES = 0;
      try {
        PASSES = PLAINLOOP(PLAIN, FREE);
      } catch (const BraidBasics::BOUNDEXCEEDED&) {
        EXPECT_THROW((FREE ? CONSOLEFULLHFREDUCE : CONSOLEFULLHREDUCE)(B),
                     BraidBasics::BOUNDEXCEEDED);
        continue;
      }
      (FREE ? CONSOLEFULLHFREDUCE : CONSOLEFULLHREDUCE)(B);
      ASSERT_EQ(WORD(B), WORD(PLAIN)) << (FREE ? "with" : "without") << " free reduction";
      ASSERT_EQ(BNBREDSTEPS, PASSES);
      MOSTPASSES = std::max(MOSTPASSES, PASSES);
    }
  }
  EXPECT_GT(MOSTPASSES, 100);  // the words do nest deeply enough to matter
}

// sigma_1 .. sigma_10 (sigma_11 sigma_12)^K and back; its handle-free form
// has 22 K letters.
std::string GROWINGWORD(int K) {
  std::string W = "abcdefghij";
  for (int J = 0; J < K; ++J) {
    W += "kl";
  }
  return W + "JIHGFEDCBA";
}

TEST(FullReduction, GrowthPastTheBoundIsRefused) {
  BRAID B = DEF(GROWINGWORD(100));
  EXPECT_THROW(handlereduction::BFULLHFREDUCE(B), BraidBasics::BOUNDEXCEEDED);
  EXPECT_LE(B.L, BraidBasics::BMAXLENGTH);
  B = DEF(GROWINGWORD(100));
  EXPECT_THROW(handlereduction::BFULLHREDUCE(B), BraidBasics::BOUNDEXCEEDED);
  B = DEF(GROWINGWORD(90));
  handlereduction::BFULLHFREDUCE(B);
  EXPECT_EQ(B.L, 1980);
}

// A record of LENGTH random letters on STRANDS strands, of any width.
BRAID RANDOMRECORD(std::mt19937& GEN, int STRANDS, int LENGTH) {
  BRAID B;
  B.W = STRANDS;
  B.L = LENGTH;
  BraidBasics::BROOM(B, LENGTH);
  for (int R = 1; R <= LENGTH; ++R) {
    const auto X = static_cast<BraidBasics::BLETTER>(1 + GEN() % (STRANDS - 1));
    B.V[R] = GEN() % 2 == 0 ? X : static_cast<BraidBasics::BLETTER>(-X);
  }
  return B;
}

std::vector<int> LETTERS(const BRAID& B) { return {&B.V[1], &B.V[1] + B.L}; }

// The reduction keeps a console word in 8-bit letters on the stack, and
// other words in the record with 16-bit or 32-bit positions, as the limit and
// the strand count allow. All three give the same words and pass counts, and
// a reduction refused at the limit leaves the same word in each: the word of
// the last completed pass, a word of the input's braid within the limit.
TEST(FullReduction, EveryStorageGivesTheSameWordsPassesAndRefusals) {
  const unsigned SEED = 5150;
  std::mt19937 GEN(SEED);
  const BraidBasics::BLIMITS CONSOLEBOUND{BraidBasics::BMAXLENGTH, nullptr};
  const BraidBasics::BLIMITS SIXTEEN{20000, nullptr};  // 16-bit positions, in the record
  const BraidBasics::BLIMITS UNLIMITED = BraidBasics::BUNLIMITED();
  int REFUSALS = 0;
  for (int ROUND = 0; ROUND < 400; ++ROUND) {
    // 2 to 80 strands: past 64 even a console word stays in the record.
    const int STRANDS = 2 + ROUND % 79;
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", round " + std::to_string(ROUND));
    const BRAID INPUT = RANDOMRECORD(GEN, STRANDS, 1 + (ROUND * 37) % 1900);
    for (bool FREE : {true, false}) {
      const auto REDUCE = [FREE](BRAID& B, const BraidBasics::BLIMITS& LIMITS) {
        return FREE ? handlereduction::BFULLHFREDUCE(B, LIMITS)
                    : handlereduction::BFULLHREDUCE(B, LIMITS);
      };
      BRAID SMALL = INPUT;
      BRAID RECORD16 = INPUT;
      BRAID RECORD32 = INPUT;
      bool REFUSED = false;
      try {
        (FREE ? CONSOLEFULLHFREDUCE : CONSOLEFULLHREDUCE)(SMALL);
      } catch (const BraidBasics::BOUNDEXCEEDED&) {
        REFUSED = true;
      }
      if (REFUSED) {
        ++REFUSALS;
        BRAID WIDE = INPUT;  // the same letters on 70 strands or more: the record
        WIDE.W = std::max(STRANDS, 70);
        ASSERT_THROW(REDUCE(WIDE, CONSOLEBOUND), BraidBasics::BOUNDEXCEEDED);
        ASSERT_EQ(LETTERS(SMALL), LETTERS(WIDE));
        ASSERT_LE(SMALL.L, BraidBasics::BMAXLENGTH);
        ASSERT_TRUE(SAMEBURAU(SMALL, INPUT));
        continue;
      }
      const std::int64_t PASSES16 = REDUCE(RECORD16, SIXTEEN);
      const std::int64_t PASSES32 = REDUCE(RECORD32, UNLIMITED);
      ASSERT_EQ(LETTERS(SMALL), LETTERS(RECORD16));
      ASSERT_EQ(LETTERS(SMALL), LETTERS(RECORD32));
      ASSERT_EQ(BNBREDSTEPS, PASSES16);
      ASSERT_EQ(PASSES16, PASSES32);
      ASSERT_EQ(SMALL.W, STRANDS);
      ASSERT_TRUE(SAMEBURAU(SMALL, INPUT));
    }
  }
  EXPECT_GT(REFUSALS, 0);  // some words do grow past the console's bound
}

TEST(FullReduction, RefusalLeavesTheLastCompletedPassInEveryStorage) {
  // GROWINGWORD(100) (220 letters) reduces to 2200 letters: under a bound of
  // 1000 the small copy and the record are refused at the same pass and keep
  // the same longer word.
  const BRAID INPUT = DEF(GROWINGWORD(100));
  const BraidBasics::BLIMITS THOUSAND{1000, nullptr};
  BRAID SMALL = INPUT;
  EXPECT_THROW(handlereduction::BFULLHFREDUCE(SMALL, THOUSAND), BraidBasics::BOUNDEXCEEDED);
  BRAID WIDE = INPUT;  // 70 strands: the record, with the same letters
  WIDE.W = 70;
  EXPECT_THROW(handlereduction::BFULLHFREDUCE(WIDE, THOUSAND), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(WORD(SMALL), WORD(WIDE));
  EXPECT_GT(SMALL.L, INPUT.L);
  EXPECT_LE(SMALL.L, 1000);
  EXPECT_TRUE(SAMEBURAU(SMALL, INPUT));
}

TEST(QuickReduction, SeededRandomWordsForEveryThreshold) {
  const unsigned SEED = 2718;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 600; ++ROUND) {
    const std::string W = RANDOMSTRANDWORD(GEN, 2 + ROUND % 8, 1 + ROUND % 90);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + W);
    BRAID ONE = DEF(W);
    handlereduction::BQUICKFULLHFREDUCE(ONE, 1);
    const std::int32_t PASSES = BNBREDSTEPS;
    ASSERT_FALSE(HASHANDLE(ONE));
    ASSERT_TRUE(SAMEBURAU(ONE, DEF(W)));
    for (std::int32_t THRESHOLD : {0, -100, 5, 1000}) {
      BRAID B = DEF(W);
      handlereduction::BQUICKFULLHFREDUCE(B, THRESHOLD);
      ASSERT_FALSE(HASHANDLE(B));
      ASSERT_TRUE(SAMEBURAU(B, DEF(W)));
      if (THRESHOLD < 1) {  // works as 1
        ASSERT_TRUE(BraidBasics::BEQUAL(B, ONE));
        ASSERT_EQ(BNBREDSTEPS, PASSES);
      }
    }
  }
}

TEST(QuickReduction, NamedWords) {
  // abAB is cut into ab and AB, each handle-free (one pass each); their
  // product takes the two passes of a full reduction.
  BRAID B = DEF("abAB");
  handlereduction::BQUICKFULLHFREDUCE(B, 2);
  EXPECT_EQ(WORD(B), "Ba");
  EXPECT_EQ(BNBREDSTEPS, 4);

  B = DEF("abcCBA");  // emptied by free reduction: no pass, BREDUCED untouched
  handlereduction::BREDUCED = false;
  handlereduction::BQUICKFULLHFREDUCE(B, 1);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(BNBREDSTEPS, 0);
  EXPECT_FALSE(handlereduction::BREDUCED);
}

TEST(Equivalence, NamedPairs) {
  EXPECT_TRUE(BEQUIV(DEF("a"), DEF("a")));
  EXPECT_FALSE(BEQUIV(DEF("ab"), DEF("ba")));
  EXPECT_TRUE(BEQUIV(DEF("aba"), DEF("bab")));
  EXPECT_TRUE(BEQUIV(DEF(""), DEF("aA")));
  EXPECT_TRUE(BEQUIV(DEF("abacba"), DEF("cbcabc")));  // Delta_4 two ways
  EXPECT_FALSE(BEQUIV(DEF("abacba"), DEF("cbacba")));
  const BRAID B = DEF("abA");
  EXPECT_TRUE(BEQUIV(B, DEF("Bab")));
  EXPECT_EQ(WORD(B), "abA");  // arguments are copies
}

TEST(Equivalence, SeededRelationsAndExponentSums) {
  const unsigned SEED = 1234;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 1000; ++ROUND) {
    const int STRANDS = 3 + ROUND % 10;
    const std::string U = RANDOMSTRANDWORD(GEN, STRANDS, ROUND % 25);
    const std::string V = RANDOMSTRANDWORD(GEN, STRANDS, ROUND % 17);
    const auto X = static_cast<char>('a' + GEN() % (STRANDS - 2));
    const auto Y = static_cast<char>(X + 1);
    const auto Z = static_cast<char>(X + 2 + GEN() % 24);  // far from X when it exists
    const auto XI = static_cast<char>(X - 32);
    const auto YI = static_cast<char>(Y - 32);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", " + U + " / " + V + ", letter " + X);
    ASSERT_TRUE(BEQUIV(DEF(U + X + Y + X + V), DEF(U + Y + X + Y + V)));
    ASSERT_TRUE(BEQUIV(DEF(U + XI + YI + XI + V), DEF(U + YI + XI + YI + V)));
    ASSERT_FALSE(BEQUIV(DEF(U + X + Y + V), DEF(U + Y + X + V)));
    if (Z <= 'z') {
      ASSERT_TRUE(BEQUIV(DEF(U + XI + Z + V), DEF(U + Z + XI + V)));
    }
    int SUM = 0;
    for (char C : U + WORD(BraidBasics::BINVERSED(DEF(V)))) {
      SUM += C >= 'a' ? 1 : -1;
    }
    const bool EQUIVALENT = BEQUIV(DEF(U), DEF(V));
    if (EQUIVALENT) {
      ASSERT_EQ(SUM, 0);
      ASSERT_TRUE(SAMEBURAU(DEF(U), DEF(V)));
    }
  }
}

TEST(StepByStep, NamedDisplays) {
  struct CASE {
    const char* WORD;
    const char* DISPLAY;
  };
  const CASE CASES[] = {
      {"", "   0: 1\n"},
      {"ab", "   0: ab\n"},
      {"aA", "   0: .aA.\n   1: 1\n"},
      {"cabAd", "   0: c.abA.d\n   1: cBabd\n"},
      {"abcBA", "   0: a.bcB.A\n   1: .aCbcA.\n   2: CBabc\n"},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    korveltest::ConsoleCapture CAPTURE;
    BRAID B = DEF(C.WORD);
    handlereduction::BSTEPBYSTEPHREDUCE(B);
    EXPECT_EQ(CAPTURE.Output(), C.DISPLAY);
  }
}

TEST(StepByStep, PassNumbersAreRightAlignedInFourColumns) {
  // a^1000 A^1000: one empty handle per pass, lines numbered 0..1000.
  korveltest::ConsoleCapture CAPTURE;
  BRAID B = DEF(std::string(1000, 'a') + std::string(1000, 'A'));
  handlereduction::BSTEPBYSTEPHREDUCE(B);
  EXPECT_EQ(BNBREDSTEPS, 1001);
  const std::string TEXT = CAPTURE.Output();
  for (const char* NUMBER : {"\n   9: ", "\n  10: ", "\n  99: ", "\n 100: ", "\n1000: 1\n"}) {
    EXPECT_NE(TEXT.find(NUMBER), std::string::npos) << NUMBER;
  }
  EXPECT_EQ(TEXT.rfind("   0: ", 0), 0U);
}

}  // namespace

// BHREDUCESTEPS shows each pass before its handle is reduced: on abA the word
// and the handle 1..3, then the reduced word Bab with P = 0; the pass number
// is BNBREDSTEPS during the call, and B ends as BFULLHREDUCE leaves it.
namespace {

struct SHOWNSTEP {
  std::string WORD;
  std::int32_t P;
  std::int32_t Q;
  std::int32_t PASS;
};

std::vector<SHOWNSTEP> STEPSOF(BRAID& B) {
  std::vector<SHOWNSTEP> STEPS;
  handlereduction::BHREDUCESTEPS(B, [&STEPS](const BRAID& W, std::int32_t P, std::int32_t Q) {
    STEPS.push_back({WORD(W), P, Q, BNBREDSTEPS});
  });
  return STEPS;
}

}  // namespace

TEST(StepByStepReduction, ShowsEveryPassBeforeItsHandle) {
  BRAID B = DEF("abA");
  const std::vector<SHOWNSTEP> STEPS = STEPSOF(B);
  ASSERT_EQ(STEPS.size(), 2U);
  EXPECT_EQ(STEPS[0].WORD, "abA");
  EXPECT_EQ(STEPS[0].P, 1);
  EXPECT_EQ(STEPS[0].Q, 3);
  EXPECT_EQ(STEPS[0].PASS, 0);
  EXPECT_EQ(STEPS[1].WORD, "Bab");
  EXPECT_EQ(STEPS[1].P, 0);
  EXPECT_EQ(STEPS[1].PASS, 1);
  EXPECT_EQ(WORD(B), "Bab");
  EXPECT_EQ(BNBREDSTEPS, 2);

  BRAID EMPTY = DEF("");
  const std::vector<SHOWNSTEP> ONE = STEPSOF(EMPTY);
  ASSERT_EQ(ONE.size(), 1U);
  EXPECT_EQ(ONE[0].WORD, "");
  EXPECT_EQ(ONE[0].P, 0);
}

TEST(StepByStepReduction, SeededWordsGiveThePlainLoopAndItsPrintedLines) {
  std::mt19937 GEN(2012);
  for (int K = 0; K < 200; ++K) {
    const std::string W = RANDOMSTRANDWORD(GEN, 2 + K % 5, K % 40);
    SCOPED_TRACE(W);
    BRAID B = DEF(W);
    BRAID PLAIN = B;
    handlereduction::BFULLHREDUCE(PLAIN);
    const std::int32_t PASSES = BNBREDSTEPS;
    const std::vector<SHOWNSTEP> STEPS = STEPSOF(B);
    ASSERT_EQ(static_cast<std::int32_t>(STEPS.size()), PASSES);
    EXPECT_TRUE(BraidBasics::BEQUAL(B, PLAIN));
    // Each word shown is the previous one with its handle reduced.
    for (std::size_t S = 0; S + 1 < STEPS.size(); ++S) {
      BRAID X = DEF(STEPS[S].WORD);
      std::int32_t P = 0;
      std::int32_t Q = 0;
      std::int32_t I = 0;
      handlereduction::FINDHANDLE(X, P, Q, I);
      ASSERT_EQ(P, STEPS[S].P);
      ASSERT_EQ(Q, STEPS[S].Q);
      handlereduction::REDUCEHANDLE(X, P, Q, I);
      ASSERT_EQ(WORD(X), STEPS[S + 1].WORD);
    }
    EXPECT_EQ(STEPS.back().P, 0);
  }
}
