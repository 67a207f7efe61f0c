// The ordering options and the sign of a braid. Asserted: the names, the
// occurrence strings and the visible sign of named words under every option;
// and, on seeded random words under R, F, U and an unlisted letter, that the
// sign is the sign of an ordering: BREDUCE gives a word of the same braid
// whose deciding generator occurs with one sign, a word and its inverse have
// opposite signs, the positive braids are closed under product, and (under R
// and F) every conjugate of a generator is positive.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"
#include "tests/support/ordering_fixture.h"
#include "tests/support/braid_words.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using handlereduction::BORDEROPTION;
using handlereduction::BSIGN;
using handlereduction::BVISIBLESIGN;
using korveltest::DEF;
using korveltest::RANDOMSTRANDWORD;

using Orderings = korveltest::UnderOrderingR;

TEST_F(Orderings, NamesAndOccurrences) {
  EXPECT_EQ(handlereduction::BORDERNAME(), "the original R-ordering");
  BORDEROPTION = 'F';
  EXPECT_EQ(handlereduction::BORDERNAME(), "the flipped R-ordering");
  BORDEROPTION = 'U';
  EXPECT_EQ(handlereduction::BORDERNAME(), "the DD-ordering");
  for (char OTHER : {'f', 'r', 'X', '\n'}) {
    BORDEROPTION = OTHER;
    EXPECT_EQ(handlereduction::BORDERNAME(), "");
  }
  EXPECT_EQ(handlereduction::BOCCURRENCES(DEF("aBa")), "+-");
  EXPECT_EQ(handlereduction::BOCCURRENCES(DEF("aA")), "?");
  EXPECT_EQ(handlereduction::BOCCURRENCES(DEF("")), "");
  EXPECT_EQ(handlereduction::BOCCURRENCES(BraidBasics::BUNDEFINED()), "");
  EXPECT_EQ(handlereduction::BOCCURRENCES(DEF("abA")), "?+");
  EXPECT_EQ(handlereduction::BOCCURRENCES(DEF("ad")), "+00+");
  BRAID WIDE = DEF("A");
  WIDE.W = 50;
  EXPECT_EQ(handlereduction::BOCCURRENCES(WIDE), "-" + std::string(48, '0'));
}

TEST_F(Orderings, VisibleSignOfNamedWords) {
  struct CASE {
    const char* WORD;
    char R, F, U;
  };
  const CASE CASES[] = {
      {"", '1', '1', '1'},   {"Ab", '-', '+', '-'},  {"b", '+', '+', '-'},   {"B", '-', '-', '+'},
      {"aA", '?', '?', '?'}, {"abA", '?', '+', '?'}, {"Bab", '+', '?', '+'}, {"bB", '?', '?', '?'},
      {"aB", '+', '-', '+'}, {"cAd", '-', '+', '-'}, {"bcD", '+', '-', '-'},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    const BRAID B = DEF(C.WORD);
    for (auto [OPTION, SIGN] : {std::pair{'R', C.R}, {'F', C.F}, {'U', C.U}, {'f', C.R}}) {
      BORDEROPTION = OPTION;
      EXPECT_EQ(BVISIBLESIGN(B), SIGN) << "option " << OPTION;
    }
  }
}

TEST_F(Orderings, SignAndReductionOfNamedWords) {
  const BRAID B = DEF("abA");
  for (char OPTION : {'R', 'U', 'F', 'f'}) {
    BORDEROPTION = OPTION;
    EXPECT_EQ(BSIGN(B), '+') << OPTION;
    EXPECT_EQ(BSIGN(DEF("aA")), '1');
  }
  EXPECT_EQ(BraidBasics::BWORD(B), "abA");  // BSIGN works on a copy

  BORDEROPTION = 'R';
  BRAID C = DEF("abA");
  handlereduction::BREDUCE(C);
  EXPECT_EQ(BraidBasics::BWORD(C), "Bab");
  // Flipped, bAB is the handle aBA, reduced to BAb, which flips back to ABa.
  BORDEROPTION = 'F';
  C = DEF("bAB");
  handlereduction::BREDUCE(C);
  EXPECT_EQ(BraidBasics::BWORD(C), "ABa");
  // Under U the generators alternate in sign.
  BORDEROPTION = 'U';
  for (int I = 1; I <= 26; ++I) {
    EXPECT_EQ(BSIGN(BraidBasics::BSIGMA(I)), I % 2 == 1 ? '+' : '-') << "sigma_" << I;
  }
}

char OPPOSITE(char SIGN) { return SIGN == '+' ? '-' : SIGN == '-' ? '+' : SIGN; }

// The deciding generator (least index, or greatest under F) has one sign.
bool DECIDINGGENERATORHASONESIGN(const BRAID& B, bool GREATEST) {
  int BEST = GREATEST ? 0 : 1000;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const int K = B.V[R] > 0 ? B.V[R] : -B.V[R];
    BEST = GREATEST ? std::max(BEST, K) : std::min(BEST, K);
  }
  return std::find(&B.V[1], &B.V[B.L + 1], BEST) == &B.V[B.L + 1] ||
         std::find(&B.V[1], &B.V[B.L + 1], -BEST) == &B.V[B.L + 1];
}

TEST_F(Orderings, SeededRandomWordsUnderEveryOption) {
  const unsigned SEED = 90210;
  std::mt19937 GEN(SEED);
  for (char OPTION : {'R', 'F', 'U', 'f'}) {
    int PRODUCTS = 0;
    for (int ROUND = 0; ROUND < 500; ++ROUND) {
      const int STRANDS = 2 + ROUND % 8;
      const BRAID X = DEF(RANDOMSTRANDWORD(GEN, STRANDS, ROUND % 60));
      const BRAID Y = DEF(RANDOMSTRANDWORD(GEN, STRANDS, 1 + ROUND % 23));
      SCOPED_TRACE(std::string("option ") + OPTION + ", seed " + std::to_string(SEED) + ", words " +
                   BraidBasics::BWORD(X) + " and " + BraidBasics::BWORD(Y));
      BORDEROPTION = OPTION;
      BRAID REDUCED = X;
      handlereduction::BREDUCE(REDUCED);
      ASSERT_TRUE(DECIDINGGENERATORHASONESIGN(REDUCED, OPTION == 'F'));
      ASSERT_TRUE(handlereduction::BEQUIV(REDUCED, X));
      const char SX = BSIGN(X);
      ASSERT_EQ(BVISIBLESIGN(REDUCED), SX);
      ASSERT_EQ(SX == '1', REDUCED.L == 0);
      ASSERT_EQ(BSIGN(BraidBasics::BINVERSED(X)), OPPOSITE(SX));
      if (SX != '1' && BSIGN(Y) == SX) {
        ASSERT_EQ(BSIGN(BraidBasics::BPROD(X, Y)), SX);
        ++PRODUCTS;
      }
      if (OPTION == 'F' || OPTION == 'R') {
        // inverse(X) sigma_i X is positive: the subword property.
        BRAID CONJUGATE = BraidBasics::BINVERSED(X);
        BraidBasics::BCONCAT(CONJUGATE, BraidBasics::BSIGMA(1 + GEN() % (STRANDS - 1)));
        BraidBasics::BCONCAT(CONJUGATE, X);
        ASSERT_EQ(BSIGN(CONJUGATE), '+');
      }
      if (OPTION == 'f') {  // an unlisted letter reduces and reads as R
        BORDEROPTION = 'R';
        BRAID UNDERR = X;
        handlereduction::BREDUCE(UNDERR);
        ASSERT_TRUE(BraidBasics::BEQUAL(UNDERR, REDUCED));
        ASSERT_EQ(BSIGN(X), SX);
      }
    }
    EXPECT_GT(PRODUCTS, 100) << OPTION;
  }
}

}  // namespace

// BCOMPARE: the sign of the reduced quotient inverse(B1).B2, which it leaves
// in QUOTIENT: a against b under R is '-' with the quotient Ab (a > b);
// b against a is '+' with Ba; aba against bab is '1' with the empty word;
// a against b under F is '+' with Ab. QUOTIENT may be one of the arguments.
TEST_F(Orderings, CompareGivesTheSignOfTheReducedQuotient) {
  BRAID Q;
  EXPECT_EQ(handlereduction::BCOMPARE(DEF("a"), DEF("b"), Q), '-');
  EXPECT_EQ(korveltest::WORD(Q), "Ab");
  EXPECT_EQ(handlereduction::BCOMPARE(DEF("b"), DEF("a"), Q), '+');
  EXPECT_EQ(korveltest::WORD(Q), "Ba");
  EXPECT_EQ(handlereduction::BCOMPARE(DEF("aba"), DEF("bab"), Q), '1');
  EXPECT_EQ(Q.L, 0);
  BRAID B1 = DEF("abA");
  EXPECT_EQ(handlereduction::BCOMPARE(B1, DEF(""), B1), '-');  // abA = Bab > 1
  EXPECT_EQ(korveltest::WORD(B1), "BAb");  // inverse(Bab)
  BORDEROPTION = 'F';
  EXPECT_EQ(handlereduction::BCOMPARE(DEF("a"), DEF("b"), Q), '+');
  EXPECT_EQ(korveltest::WORD(Q), "Ab");
}
