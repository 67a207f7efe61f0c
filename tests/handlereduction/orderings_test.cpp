// The ordering options and the sign of a braid. Asserted: the names and the
// occurrence strings; the visible sign of named words under every option; and,
// on seeded random words under R, F, U and an unlisted letter, that the sign
// is a sign of an ordering: w and its inverse have opposite signs, the
// positive braids are closed under product, BREDUCE gives a word of the same
// braid whose deciding generator occurs with one sign, and (for R and F)
// every conjugate of a generator is positive.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"

namespace {

using BraidBasics::BRAID;
using handlereduction::BORDEROPTION;
using handlereduction::BREDUCE;
using handlereduction::BSIGN;
using handlereduction::BVISIBLESIGN;

BRAID MAKE(const std::string& LETTERS) {
  BRAID B;
  BraidBasics::BDEF(B, LETTERS);
  return B;
}

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

char OPPOSITE(char SIGN) { return SIGN == '+' ? '-' : SIGN == '-' ? '+' : SIGN; }

// Every test starts under R and leaves the option as it found it.
class Orderings : public ::testing::Test {
 protected:
  void SetUp() override {
    SAVED_ = BORDEROPTION;
    BORDEROPTION = 'R';
  }
  void TearDown() override { BORDEROPTION = SAVED_; }

 private:
  char SAVED_ = 'R';
};

TEST_F(Orderings, Names) {
  EXPECT_EQ(handlereduction::BORDERNAME(), "the original R-ordering");
  BORDEROPTION = 'F';
  EXPECT_EQ(handlereduction::BORDERNAME(), "the flipped R-ordering");
  BORDEROPTION = 'U';
  EXPECT_EQ(handlereduction::BORDERNAME(), "the DD-ordering");
  for (char OTHER : {'f', 'r', 'u', 'X', '\n'}) {
    BORDEROPTION = OTHER;
    EXPECT_EQ(handlereduction::BORDERNAME(), "");
  }
}

TEST_F(Orderings, OccurrenceStrings) {
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("aBa")), "+-");
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("aA")), "?");
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("")), "");
  EXPECT_EQ(handlereduction::BOCCURRENCES(BraidBasics::BUNDEFINED()), "");
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("abA")), "?+");
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("Bab")), "+?");
  EXPECT_EQ(handlereduction::BOCCURRENCES(MAKE("ad")), "+00+");
  BRAID WIDE = MAKE("A");
  WIDE.W = 50;
  EXPECT_EQ(handlereduction::BOCCURRENCES(WIDE), "-" + std::string(48, '0'));
}

TEST_F(Orderings, VisibleSignOfNamedWords) {
  struct CASE {
    const char* WORD;
    char R;
    char F;
    char U;
  };
  const CASE CASES[] = {
      {"", '1', '1', '1'},    {"Ab", '-', '+', '-'},  {"b", '+', '+', '-'},
      {"B", '-', '-', '+'},   {"aA", '?', '?', '?'},  {"abA", '?', '+', '?'},
      {"Bab", '+', '?', '+'}, {"bB", '?', '?', '?'},  {"aB", '+', '-', '+'},
      {"cAd", '-', '+', '-'}, {"bcD", '+', '-', '-'}, {"cC", '?', '?', '?'},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    const BRAID B = MAKE(C.WORD);
    BORDEROPTION = 'R';
    EXPECT_EQ(BVISIBLESIGN(B), C.R);
    BORDEROPTION = 'F';
    EXPECT_EQ(BVISIBLESIGN(B), C.F);
    BORDEROPTION = 'U';
    EXPECT_EQ(BVISIBLESIGN(B), C.U);
    BORDEROPTION = 'f';  // an unlisted letter reads as R
    EXPECT_EQ(BVISIBLESIGN(B), C.R);
  }
}

TEST_F(Orderings, SignReducesOnlyWhenTheWordDoesNotShowIt) {
  BRAID B = MAKE("aA");
  EXPECT_EQ(BSIGN(B), '1');
  EXPECT_EQ(BraidBasics::BWORD(B), "aA");

  B = MAKE("abA");
  for (char OPTION : {'R', 'U', 'F', 'f'}) {
    BORDEROPTION = OPTION;
    EXPECT_EQ(BSIGN(B), '+') << OPTION;
    EXPECT_EQ(BraidBasics::BWORD(B), "abA");  // the caller's word is kept
  }
}

TEST_F(Orderings, ReduceFollowsTheOption) {
  BRAID B = MAKE("abA");
  BREDUCE(B);
  EXPECT_EQ(BraidBasics::BWORD(B), "Bab");

  // Flipped, abA is baB, which has no handle: it comes back unchanged.
  BORDEROPTION = 'F';
  B = MAKE("abA");
  BREDUCE(B);
  EXPECT_EQ(BraidBasics::BWORD(B), "abA");

  // Flipped, bAB is the handle aBA, reduced to BAb, which flips back to
  // ABa: its greatest index, 2, occurs with one sign.
  B = MAKE("bAB");
  EXPECT_EQ(BVISIBLESIGN(B), '?');
  BREDUCE(B);
  EXPECT_EQ(BraidBasics::BWORD(B), "ABa");
  EXPECT_EQ(BVISIBLESIGN(B), '-');

  BORDEROPTION = 'U';
  B = MAKE("abA");
  BREDUCE(B);
  EXPECT_EQ(BraidBasics::BWORD(B), "Bab");
}

struct OPTIONCASE {
  char OPTION;
  bool LEASTINDEX;  // the deciding generator is the one of least index
};

const OPTIONCASE OPTIONS[] = {{'R', true}, {'F', false}, {'U', true}, {'f', true}};

// The deciding generator of B under the option occurs with one sign only.
bool DECIDINGGENERATORHASONESIGN(const BRAID& B, bool LEAST) {
  int BEST = LEAST ? 1000 : 0;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const int K = B.V[R] > 0 ? B.V[R] : -B.V[R];
    BEST = LEAST ? std::min(BEST, K) : std::max(BEST, K);
  }
  bool POS = false;
  bool NEG = false;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    POS = POS || B.V[R] == BEST;
    NEG = NEG || B.V[R] == -BEST;
  }
  return !(POS && NEG);
}

TEST_F(Orderings, ReducedWordShowsTheSignOfTheSameBraid) {
  const unsigned SEED = 90210;
  std::mt19937 GEN(SEED);
  for (const OPTIONCASE& O : OPTIONS) {
    BORDEROPTION = O.OPTION;
    for (int ROUND = 0; ROUND < 400; ++ROUND) {
      const std::string W = RANDOMWORD(GEN, 2 + ROUND % 8, ROUND % 80);
      SCOPED_TRACE(std::string("option ") + O.OPTION + ", seed " + std::to_string(SEED) +
                   ", word " + W);
      const BRAID INPUT = MAKE(W);
      BRAID B = INPUT;
      BREDUCE(B);
      ASSERT_TRUE(DECIDINGGENERATORHASONESIGN(B, O.LEASTINDEX));
      ASSERT_TRUE(handlereduction::BEQUIV(B, INPUT));
      const char VISIBLE = BVISIBLESIGN(B);
      ASSERT_NE(VISIBLE, '?');
      ASSERT_EQ(VISIBLE == '1', B.L == 0);
      ASSERT_EQ(BSIGN(INPUT), VISIBLE);
    }
  }
}

TEST_F(Orderings, InverseHasTheOppositeSign) {
  const unsigned SEED = 2001;
  std::mt19937 GEN(SEED);
  for (const OPTIONCASE& O : OPTIONS) {
    BORDEROPTION = O.OPTION;
    for (int ROUND = 0; ROUND < 500; ++ROUND) {
      const std::string W = RANDOMWORD(GEN, 2 + ROUND % 9, ROUND % 70);
      SCOPED_TRACE(std::string("option ") + O.OPTION + ", seed " + std::to_string(SEED) +
                   ", word " + W);
      const BRAID B = MAKE(W);
      const char S = BSIGN(B);
      ASSERT_NE(S, '?');
      ASSERT_EQ(BSIGN(BraidBasics::BINVERSED(B)), OPPOSITE(S));
    }
  }
}

TEST_F(Orderings, PositiveBraidsAreClosedUnderProduct) {
  const unsigned SEED = 4096;
  std::mt19937 GEN(SEED);
  for (const OPTIONCASE& O : OPTIONS) {
    BORDEROPTION = O.OPTION;
    int CHECKED = 0;
    for (int ROUND = 0; ROUND < 600; ++ROUND) {
      const int STRANDS = 3 + ROUND % 5;
      const BRAID X = MAKE(RANDOMWORD(GEN, STRANDS, 1 + ROUND % 30));
      const BRAID Y = MAKE(RANDOMWORD(GEN, STRANDS, 1 + ROUND % 23));
      SCOPED_TRACE(std::string("option ") + O.OPTION + ", seed " + std::to_string(SEED) +
                   ", words " + BraidBasics::BWORD(X) + " and " + BraidBasics::BWORD(Y));
      const char SX = BSIGN(X);
      if (SX != BSIGN(Y) || SX == '1') {
        continue;
      }
      ASSERT_EQ(BSIGN(BraidBasics::BPROD(X, Y)), SX);
      ++CHECKED;
    }
    EXPECT_GT(CHECKED, 100);
  }
}

TEST_F(Orderings, ConjugatesOfGeneratorsArePositiveUnderRAndF) {
  const unsigned SEED = 1999;
  std::mt19937 GEN(SEED);
  for (char OPTION : {'R', 'F'}) {
    BORDEROPTION = OPTION;
    for (int ROUND = 0; ROUND < 400; ++ROUND) {
      const int STRANDS = 2 + ROUND % 8;
      const std::string W = RANDOMWORD(GEN, STRANDS, ROUND % 40);
      std::uniform_int_distribution<int> PICK(0, STRANDS - 2);
      const char X = static_cast<char>('a' + PICK(GEN));
      SCOPED_TRACE(std::string("option ") + OPTION + ", seed " + std::to_string(SEED) +
                   ", word " + W + ", letter " + X);
      BRAID B = BraidBasics::BINVERSED(MAKE(W));
      BraidBasics::BCONCAT(B, MAKE(std::string(1, X)));
      BraidBasics::BCONCAT(B, MAKE(W));
      ASSERT_EQ(BSIGN(B), '+');
    }
  }
}

TEST_F(Orderings, UnderUTheGeneratorsAlternateInSign) {
  BORDEROPTION = 'U';
  for (int I = 1; I <= 26; ++I) {
    const BRAID B = BraidBasics::BSIGMA(I);
    EXPECT_EQ(BSIGN(B), I % 2 == 1 ? '+' : '-') << "sigma_" << I;
  }
}

TEST_F(Orderings, AnUnlistedLetterBehavesAsR) {
  const unsigned SEED = 3141;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 300; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 2 + ROUND % 6, ROUND % 50);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + W);
    BORDEROPTION = 'R';
    BRAID UNDERR = MAKE(W);
    BREDUCE(UNDERR);
    const char SIGNR = BSIGN(MAKE(W));
    BORDEROPTION = 'x';
    BRAID UNDERX = MAKE(W);
    BREDUCE(UNDERX);
    ASSERT_TRUE(BraidBasics::BEQUAL(UNDERR, UNDERX));
    ASSERT_EQ(BSIGN(MAKE(W)), SIGNR);
  }
}

}  // namespace
