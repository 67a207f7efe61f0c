// The exact three-strand forms and the Burau images.
//
// Asserted: for every positive word in a and b up to 11 letters, the form's
// alternating word, code and Garside word equal those of the general
// normal-form procedures, two words have the same key exactly when they
// have the same alternating normal form (a canonical word), and the form's
// cycling is that of the left normal form procedures; right division undoes
// right multiplication; the Burau images satisfy the braid relations, so that
// they are images of braids, and tell three-strand braids apart from others.
#include "braidconjugacy/threestrand.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidbasics/leftnormalform.h"
#include "braidconjugacy/supersummit.h"
#include "tests/braidconjugacy/study_support.h"
#include "tests/support/braid_words.h"

namespace {

using BraidConjugacy::POS3;
using korveltest::DEF;

POS3 FORM(const std::string& W) {
  POS3 X;
  EXPECT_TRUE(BraidConjugacy::POS3FROMWORD(W, X)) << W;
  return X;
}

TEST(ThreeStrandForm, NamedBraids) {
  // aba = bab = Delta; abab = Delta b; ababab = Delta^2.
  EXPECT_EQ(FORM("aba").K, 1);
  EXPECT_EQ(FORM("aba").N, 0);
  EXPECT_EQ(BraidConjugacy::POS3KEY(FORM("aba")), BraidConjugacy::POS3KEY(FORM("bab")));
  EXPECT_EQ(BraidConjugacy::POS3GARSIDE(FORM("abab")), "Db");
  EXPECT_EQ(BraidConjugacy::POS3GARSIDE(FORM("ababab")), "DD");
  EXPECT_EQ(BraidConjugacy::POS3GARSIDE(FORM("baab")), "baab");
  EXPECT_EQ(BraidConjugacy::POS3ALTWORD(FORM("abab")), "aaba");
  EXPECT_EQ(BraidConjugacy::POS3ALTWORD(FORM("ababab")), "baabaa");
  EXPECT_EQ(BraidConjugacy::POS3CODE(FORM("aab")), "210");
  EXPECT_EQ(BraidConjugacy::POS3CODE(FORM("")), "");
  EXPECT_EQ(BraidConjugacy::POS3LENGTH(FORM("abababb")), 7);
  // a Delta = Delta b: the flip moves letters across Delta.
  EXPECT_EQ(BraidConjugacy::POS3KEY(FORM("aaba")), BraidConjugacy::POS3KEY(FORM("abab")));
}

TEST(ThreeStrandForm, RefusesOtherWords) {
  POS3 X;
  EXPECT_FALSE(BraidConjugacy::POS3FROMWORD("abc", X));
  EXPECT_FALSE(BraidConjugacy::POS3FROMWORD("aB", X));
  EXPECT_FALSE(BraidConjugacy::POS3FROMWORD(std::string(65, 'a'), X));
  EXPECT_TRUE(BraidConjugacy::POS3FROMWORD(std::string(64, 'a'), X));
}

TEST(ThreeStrandForm, AgreesWithTheNormalFormsOnAllShortWords) {
  std::map<std::string, std::uint64_t> KEYOFFORM;
  std::map<std::uint64_t, std::string> FORMOFKEY;
  for (const std::string& W : studytest::ALLWORDS(11)) {
    SCOPED_TRACE(W);
    const POS3 X = FORM(W);
    const std::string ALT = BraidBasics::BALTNORMALWORD(DEF(W));
    ASSERT_EQ(BraidConjugacy::POS3ALTWORD(X), ALT);
    ASSERT_EQ(BraidConjugacy::POS3CODE(X), BraidBasics::ALTCODE3(W));
    ASSERT_EQ(BraidConjugacy::POS3GARSIDE(X), BraidBasics::GARNORMAL(W));
    ASSERT_EQ(BraidConjugacy::POS3LENGTH(X), static_cast<std::int32_t>(W.size()));
    const std::uint64_t KEY = BraidConjugacy::POS3KEY(X);
    // One key per braid and one braid per key.
    ASSERT_EQ(KEYOFFORM.emplace(ALT, KEY).first->second, KEY);
    ASSERT_EQ(FORMOFKEY.emplace(KEY, ALT).first->second, ALT);
  }
  // The number of distinct positive braids of length at most 11.
  EXPECT_EQ(KEYOFFORM.size(), 972u);
}

TEST(ThreeStrandForm, CyclingAgreesWithTheLeftNormalForm) {
  for (const std::string& W : studytest::ALLWORDS(9)) {
    SCOPED_TRACE(W);
    const std::string ALT = BraidBasics::BALTNORMALWORD(DEF(W));
    ASSERT_EQ(BraidConjugacy::POS3ALTWORD(BraidConjugacy::POS3CYCLED(FORM(W))),
              BraidConjugacy::CYCLED(ALT));
  }
}

TEST(ThreeStrandForm, DivisionUndoesMultiplication) {
  for (const std::string& W : studytest::ALLWORDS(9)) {
    for (std::int32_t LETTER = 0; LETTER <= 1; ++LETTER) {
      SCOPED_TRACE(W + (LETTER == 0 ? "+a" : "+b"));
      POS3 X = FORM(W);
      ASSERT_TRUE(BraidConjugacy::POS3MULT(X, LETTER));
      ASSERT_TRUE(BraidConjugacy::POS3RIGHTDIVIDES(X, LETTER));
      BraidConjugacy::POS3RIGHTQUOTIENT(X, LETTER);
      EXPECT_EQ(BraidConjugacy::POS3KEY(X), BraidConjugacy::POS3KEY(FORM(W)));
    }
  }
  // A braid of no Delta is right-divisible only by its last letter.
  EXPECT_FALSE(BraidConjugacy::POS3RIGHTDIVIDES(FORM("ab"), 0));
  EXPECT_FALSE(BraidConjugacy::POS3RIGHTDIVIDES(FORM(""), 0));
  EXPECT_TRUE(BraidConjugacy::POS3RIGHTDIVIDES(FORM("aba"), 0));
  EXPECT_TRUE(BraidConjugacy::POS3RIGHTDIVIDES(FORM("aba"), 1));
}

TEST(ThreeStrandForm, FlipExchangesTheLetters) {
  EXPECT_EQ(BraidConjugacy::POS3ALTWORD(BraidConjugacy::POS3FLIPPED(FORM("aab"))), "bba");
  EXPECT_EQ(BraidConjugacy::POS3KEY(BraidConjugacy::POS3FLIPPED(FORM("abab"))),
            BraidConjugacy::POS3KEY(FORM("baba")));
}

bool SAMEBURAUN(const std::string& U, const std::string& V, std::int32_t N) {
  return BraidConjugacy::BURAUNOFBRAID(DEF(U), N).M == BraidConjugacy::BURAUNOFBRAID(DEF(V), N).M;
}

TEST(Burau, UnreducedImageSatisfiesTheBraidRelations) {
  EXPECT_TRUE(SAMEBURAUN("aba", "bab", 5));
  EXPECT_TRUE(SAMEBURAUN("bcb", "cbc", 5));
  EXPECT_TRUE(SAMEBURAUN("cdc", "dcd", 5));
  EXPECT_TRUE(SAMEBURAUN("ac", "ca", 5));
  EXPECT_TRUE(SAMEBURAUN("aA", "", 5));
  EXPECT_TRUE(SAMEBURAUN("Dd", "", 5));
  EXPECT_TRUE(SAMEBURAUN("abAB", "BAba", 5) == false);
  EXPECT_FALSE(SAMEBURAUN("ab", "ba", 5));
}

TEST(Burau, TellsThreeStrandImages) {
  EXPECT_TRUE(BraidConjugacy::BURAUNISTHREESTRAND(BraidConjugacy::BURAUNOFBRAID(DEF("abAB"), 6)));
  EXPECT_TRUE(BraidConjugacy::BURAUNISTHREESTRAND(BraidConjugacy::BURAUNOFBRAID(DEF("cC"), 6)));
  EXPECT_FALSE(BraidConjugacy::BURAUNISTHREESTRAND(BraidConjugacy::BURAUNOFBRAID(DEF("c"), 6)));
  std::uint64_t X[9];
  std::uint64_t Y[9];
  BraidConjugacy::BURAUNBLOCK3(BraidConjugacy::BURAUNOFBRAID(DEF("abba"), 3), X);
  BraidConjugacy::BURAUNBLOCK3(BraidConjugacy::BURAUNOFBRAID(DEF("dabDba"), 7), Y);
  EXPECT_TRUE(std::equal(X, X + 9, Y));
  EXPECT_EQ(BraidConjugacy::BLOCK3HASH(X), BraidConjugacy::BLOCK3HASH(Y));
}

}  // namespace
