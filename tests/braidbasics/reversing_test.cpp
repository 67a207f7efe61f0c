// Subword reversing: the rewriting rules, the leftmost-first order of the
// steps, the fraction shapes, the extractions, and the bound.
//
// Asserted: fixed results of named words; on seeded random words, the shape
// of the result, its equivalence with the input, agreement of the full loop
// with repeated single steps and with a plain string rewriter; growth past
// BMAXLENGTH throws and never writes past the record.
#include "braidbasics/reversing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;
using korveltest::EQUIVALENT;
using korveltest::RANDOMWORD;
using korveltest::WORD;

std::string LEFTREVERSED(const std::string& W) {
  BRAID B = DEF(W);
  BraidBasics::BLEFTREVERSE(B);
  return WORD(B);
}

std::string RIGHTREVERSED(const std::string& W) {
  BRAID B = DEF(W);
  BraidBasics::BRIGHTREVERSE(B);
  return WORD(B);
}

// The word reached by repeating the one-step reversing STEP on B until a step
// finds no pattern left.
std::string STEPPEDTOTHEEND(BRAID B, void (*STEP)(BRAID&)) {
  BraidBasics::BREVERSED = false;
  while (!BraidBasics::BREVERSED) {
    STEP(B);
  }
  return WORD(B);
}

// True iff the word is (letters of the sign of FIRST)(letters of the other
// sign).
bool SHAPED(const BRAID& B, int FIRST) {
  bool SEENOTHER = false;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const bool ISFIRST = (B.V[R] > 0) == (FIRST > 0);
    if (!ISFIRST) {
      SEENOTHER = true;
    } else if (SEENOTHER) {
      return false;
    }
  }
  return true;
}

// A plain rewriter on letter strings, written from the rules alone: rewrite
// the leftmost pattern, search again from the start.
std::string NAIVELEFTREVERSED(std::string W) {
  for (;;) {
    std::size_t P = 0;
    while (P + 1 < W.size() && !(std::islower(W[P]) && std::isupper(W[P + 1]))) {
      ++P;
    }
    if (P + 1 >= W.size()) {
      return W;
    }
    const char X = W[P];
    const char Y = static_cast<char>(std::tolower(W[P + 1]));
    const int T = X - Y;
    const char XU = static_cast<char>(std::toupper(X));
    const char YU = static_cast<char>(std::toupper(Y));
    if (T == 0) {
      W.erase(P, 2);
    } else if (T == 1 || T == -1) {
      W.replace(P, 2, std::string{YU, XU, Y, X});
    } else {
      W.replace(P, 2, std::string{YU, X});
    }
  }
}

TEST(BLEFTREVERSEONE, WordsWithoutAPatternAreLeftAloneAndSetTheFlag) {
  for (const char* W : {"", "a", "Ab", "aa", "ABab"}) {
    SCOPED_TRACE(W);
    BRAID B = DEF(W);
    BraidBasics::BREVERSED = false;
    BraidBasics::BLEFTREVERSEONE(B);
    EXPECT_TRUE(BraidBasics::BREVERSED);
    EXPECT_EQ(WORD(B), W);
  }
}

TEST(BLEFTREVERSEONE, TakesTheLeftmostPatternFirst) {
  // abAB: bA at 2 gives aABabB; then aA at 1 gives BabB; then bB at 3 gives Ba.
  BRAID B = DEF("abAB");
  const char* STEPS[] = {"aABabB", "BabB", "Ba"};
  BraidBasics::BREVERSED = false;
  for (const char* EXPECTED : STEPS) {
    BraidBasics::BLEFTREVERSEONE(B);
    EXPECT_FALSE(BraidBasics::BREVERSED);
    EXPECT_EQ(WORD(B), EXPECTED);
  }
  BraidBasics::BLEFTREVERSEONE(B);
  EXPECT_TRUE(BraidBasics::BREVERSED);
  EXPECT_EQ(WORD(B), "Ba");
  // Two patterns: the one at position 1 goes first.
  B = DEF("aCbD");
  BraidBasics::BLEFTREVERSEONE(B);
  EXPECT_EQ(WORD(B), "CabD");
}

TEST(BRIGHTREVERSEONE, TakesTheLeftmostPatternFirst) {
  BRAID B = DEF("AcBd");
  BraidBasics::BREVERSED = false;
  BraidBasics::BRIGHTREVERSEONE(B);
  EXPECT_FALSE(BraidBasics::BREVERSED);
  EXPECT_EQ(WORD(B), "cABd");
  B = DEF("aB");
  BraidBasics::BRIGHTREVERSEONE(B);
  EXPECT_TRUE(BraidBasics::BREVERSED);
  EXPECT_EQ(WORD(B), "aB");
}

TEST(BLEFTREVERSE, NamedWords) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", ""},         {"a", "a"},           {"Ab", "Ab"},    {"aa", "aa"},
      {"aB", "BAba"},   {"aC", "Ca"},         {"aA", ""},      {"abaBAB", ""},
      {"abAB", "Ba"},   {"aaBB", "BAABabba"}, {"bA", "ABab"},  {"cA", "Ac"},
      {"Ba", "Ba"},     {"baBA", "Ab"}};
  for (const auto& [IN, OUT] : CASES) {
    SCOPED_TRACE(IN);
    EXPECT_EQ(LEFTREVERSED(IN), OUT);
    EXPECT_TRUE(BraidBasics::BREVERSED);
  }
}

TEST(BRIGHTREVERSE, NamedWords) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", ""},       {"Ab", "baBA"}, {"aB", "aB"},     {"abaBAB", "abaBAB"},
      {"Aa", ""},     {"Ac", "cA"},   {"Ba", "abAB"},   {"AAbb", "baabABBA"}};
  for (const auto& [IN, OUT] : CASES) {
    SCOPED_TRACE(IN);
    EXPECT_EQ(RIGHTREVERSED(IN), OUT);
  }
}

TEST(BLEFTREVERSE, KeepsTheWidthAndAcceptsTheUndefinedBraid) {
  BRAID B = DEF("dD");
  BraidBasics::BLEFTREVERSE(B);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(B.W, 5);
  B = BraidBasics::BUNDEFINED();
  BraidBasics::BLEFTREVERSE(B);
  BraidBasics::BRIGHTREVERSE(B);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(B.W, 0);
}

TEST(BLEFTRIGHTREVERSE, GivesReducedFractions) {
  BRAID B = DEF("ABab");
  BraidBasics::BLEFTRIGHTREVERSE(B);
  EXPECT_EQ(WORD(B), "bA");
  BraidBasics::BRIGHTLEFTREVERSE(B);
  EXPECT_EQ(WORD(B), "ABab");
  // A word for the unit reverses to the empty word.
  B = DEF("abBA");
  BraidBasics::BLEFTRIGHTREVERSE(B);
  EXPECT_EQ(WORD(B), "");
}

TEST(Extraction, NumeratorsAndDenominators) {
  const BRAID AB = DEF("aB");
  const BRAID BA = DEF("Ab");
  EXPECT_EQ(WORD(BraidBasics::BLEFTNUM(AB)), "ba");
  EXPECT_EQ(WORD(BraidBasics::BLEFTDEN(AB)), "ab");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTNUM(BA)), "ba");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTDEN(BA)), "ab");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTNUM(AB)), "a");
  EXPECT_EQ(WORD(BraidBasics::BRIGHTDEN(AB)), "b");
  for (const BRAID& B : {BraidBasics::BLEFTNUM(AB), BraidBasics::BLEFTDEN(AB),
                         BraidBasics::BRIGHTNUM(BA), BraidBasics::BRIGHTDEN(BA)}) {
    EXPECT_EQ(B.W, 3);
  }
  EXPECT_EQ(BraidBasics::BLEFTNUM(DEF("ABC")).L, 0);
  EXPECT_EQ(BraidBasics::BLEFTDEN(DEF("abc")).L, 0);
  EXPECT_EQ(BraidBasics::BLEFTNUM(DEF("ABC")).W, 4);
  EXPECT_EQ(WORD(BraidBasics::BLEFTDEN(DEF("ABC"))), "cba");
  EXPECT_EQ(BraidBasics::BRIGHTNUM(DEF("ABC")).L, 0);
  EXPECT_EQ(BraidBasics::BRIGHTDEN(DEF("abc")).L, 0);
  // The argument is a copy: the caller's word is not reversed.
  const BRAID KEPT = DEF("aB");
  (void)BraidBasics::BLEFTNUM(KEPT);
  EXPECT_EQ(WORD(KEPT), "aB");
}

TEST(BLEFTREVERSE, SeededRandomWordsGiveEquivalentLeftFractions) {
  const unsigned SEED = 4104;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 400; ++T) {
    const int WIDTH = 3 + T % 3;
    const std::string W = RANDOMWORD(RNG, static_cast<int>(RNG() % 24), WIDTH);
    SCOPED_TRACE("seed 4104, word " + W);
    const BRAID INPUT = DEF(W);
    BRAID LEFT = INPUT;
    BraidBasics::BLEFTREVERSE(LEFT);
    ASSERT_TRUE(SHAPED(LEFT, -1));
    EXPECT_EQ(LEFT.W, INPUT.W);
    EXPECT_TRUE(EQUIVALENT(INPUT, LEFT));
    EXPECT_EQ(WORD(LEFT), NAIVELEFTREVERSED(W));
    // Single steps from position 1 every time reach the same word.
    EXPECT_EQ(STEPPEDTOTHEEND(INPUT, BraidBasics::BLEFTREVERSEONE), WORD(LEFT));

    BRAID RIGHT = INPUT;
    BraidBasics::BRIGHTREVERSE(RIGHT);
    ASSERT_TRUE(SHAPED(RIGHT, +1));
    EXPECT_TRUE(EQUIVALENT(INPUT, RIGHT));
    EXPECT_EQ(STEPPEDTOTHEEND(INPUT, BraidBasics::BRIGHTREVERSEONE), WORD(RIGHT));

    // Right then left: D^-1 N with D and N coprime on the left, D and N the
    // extractions of the input.
    BRAID BOTH = INPUT;
    BraidBasics::BRIGHTLEFTREVERSE(BOTH);
    ASSERT_TRUE(SHAPED(BOTH, -1));
    const BRAID D = BraidBasics::BLEFTDEN(BOTH);
    const BRAID N = BraidBasics::BLEFTNUM(BOTH);
    EXPECT_TRUE(BraidBasics::BPOSITIVE(D));
    EXPECT_TRUE(BraidBasics::BPOSITIVE(N));
    EXPECT_EQ(D.L + N.L, BOTH.L);
    EXPECT_TRUE(EQUIVALENT(INPUT, BraidBasics::BPROD(BraidBasics::BINVERSED(D), N)));
  }
}

TEST(EquivalenceByReversing, TellsDifferentBraidsApart) {
  // The helper the random tests lean on must be able to say no.
  EXPECT_TRUE(EQUIVALENT(DEF("aba"), DEF("bab")));
  EXPECT_TRUE(EQUIVALENT(DEF("ac"), DEF("ca")));
  EXPECT_FALSE(EQUIVALENT(DEF("ab"), DEF("ba")));
  EXPECT_FALSE(EQUIVALENT(DEF("aba"), DEF("ab")));
  EXPECT_FALSE(EQUIVALENT(DEF("aB"), DEF("Ba")));
}

TEST(BLEFTREVERSE, GrowthPastTheBoundIsRefused) {
  // aB followed by positive letters: one step of the third kind adds two.
  BRAID B = DEF("aB");
  const BRAID A = DEF("a");
  while (B.L < BraidBasics::BMAXLENGTH - 2) {
    BraidBasics::BCONCAT(B, A);
  }
  BRAID FITS = B;  // 1998 letters become 2000: allowed
  BraidBasics::BLEFTREVERSE(FITS);
  EXPECT_EQ(FITS.L, BraidBasics::BMAXLENGTH);
  EXPECT_EQ(FITS.V[1], -2);
  EXPECT_EQ(FITS.V[4], 1);
  BraidBasics::BCONCAT(B, A);  // 1999 letters would become 2001
  const BRAID BEFORE = B;
  EXPECT_THROW(BraidBasics::BLEFTREVERSE(B), BraidBasics::BOUNDEXCEEDED);
  EXPECT_TRUE(BraidBasics::BEQUAL(B, BEFORE));  // refused before any change
  BRAID R = DEF("Ab");
  while (R.L < BraidBasics::BMAXLENGTH - 1) {
    BraidBasics::BCONCAT(R, DEF("A"));
  }
  EXPECT_THROW(BraidBasics::BRIGHTREVERSE(R), BraidBasics::BOUNDEXCEEDED);
}

}  // namespace
