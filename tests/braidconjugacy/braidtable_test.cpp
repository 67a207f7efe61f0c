// The braid table and the rank of a braid in it.
//
// Asserted: the named tables for bounds 1, 2 and 3; the counts and the
// longest code length for every bound 0..15 and that the latter never
// decreases; the messages; that the fast build makes the table of the
// word-by-word insertion for bounds 0..7 under R, F and U; that the table of
// bound 15 is increasing under R (and bound 10 under F and U); and that RANK
// answers as the linear scan with BEQUIV does, for positive, negative and
// wide words.
#include "braidconjugacy/braidtable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidbasics/enumeration.h"
#include "tests/braidconjugacy/study_support.h"
#include "tests/support/braid_words.h"

namespace {

using BraidConjugacy::BRAIDLIST;
using BraidConjugacy::ENTRY;
using studytest::BUILDALL;
using studytest::TABLEWORDS;
using korveltest::DEF;

std::string BUILDTABLE(std::int32_t BOUND, char OPTION = 'R', bool RESETCODE = true) {
  handlereduction::BORDEROPTION = OPTION;
  if (RESETCODE) {
    BraidBasics::MAXCODELENGTHINBRAIDLIST = 0;
  }
  BraidBasics::LENGTHBOUND = BOUND;
  BraidConjugacy::WIDTHBOUND = 3;
  korveltest::ConsoleCapture CAPTURE;
  BraidConjugacy::BUILDBRAIDLIST();
  return CAPTURE.Output();
}

// The table as the word-by-word insertion of every enumerated word builds it.
std::vector<std::string> INSERTIONTABLE(std::int32_t BOUND) {
  auto L = std::make_unique<BraidConjugacy::LIST>();
  BraidConjugacy::EMPTYLIST(*L);
  std::string W;
  for (std::int64_t P = 1; static_cast<std::int32_t>(W.size()) <= BOUND; ++P) {
    BraidConjugacy::INSERTLIST(W, *L);
    W = BraidBasics::BALTNORMALWORD(BraidBasics::THEPOSITIVEBRAID(P, 3));
  }
  std::vector<std::string> WORDS;
  for (std::int32_t P = 1; P <= L->L; ++P) {
    WORDS.emplace_back(ENTRY(*L, P));
  }
  return WORDS;
}

TEST(BraidTable, NamedTablesUnderTheDefaultOrdering) {
  EXPECT_EQ(BUILDTABLE(1),
            "Constructing the braid table.\n"
            "Construction completed: there exist 3 positive braids of length at most 1 in B_3.\n");
  EXPECT_EQ(TABLEWORDS(), (std::vector<std::string>{"", "b", "a"}));
  BUILDTABLE(2);
  EXPECT_EQ(TABLEWORDS(), (std::vector<std::string>{"", "b", "bb", "a", "ab", "aa", "ba"}));
  EXPECT_EQ(BUILDTABLE(3),
            "Constructing the braid table.\n"
            "Construction completed: there exist 14 positive braids of length at most 3 in B_3.\n");
  EXPECT_EQ(TABLEWORDS(), (std::vector<std::string>{"", "b", "bb", "bbb", "a", "ab", "abb", "aa",
                                                    "aab", "aaa", "ba", "aba", "baa", "bba"}));
  EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 3);
  EXPECT_EQ(ENTRY(BRAIDLIST, 0), "?");
}

TEST(BraidTable, ZeroAndNegativeBoundsGiveTheEmptyWord) {
  for (std::int32_t BOUND : {0, -1, -40}) {
    SCOPED_TRACE(BOUND);
    EXPECT_EQ(BUILDTABLE(BOUND), "Constructing the braid table.\n"
                                 "Construction completed: there exist 1 positive braids of length at most " +
                                     std::to_string(BOUND) + " in B_3.\n");
    EXPECT_EQ(TABLEWORDS(), (std::vector<std::string>{""}));
    EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 0);
  }
}

TEST(BraidTable, CountsAndCodeLengthsForEveryBound) {
  const std::int32_t COUNT[] = {1, 3, 7, 14, 26, 46, 79, 133, 221, 364, 596, 972, 1581, 2567, 4163, 6746};
  const std::int32_t CODE[] = {0, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9};
  for (std::int32_t N = 0; N <= 15; ++N) {
    SCOPED_TRACE(N);
    BUILDTABLE(N);
    EXPECT_EQ(BRAIDLIST.L, COUNT[N]);
    EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, CODE[N]);
    for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
      ASSERT_LE(ENTRY(BRAIDLIST, P).size(), static_cast<std::size_t>(N)) << P;
    }
  }
  // Never lowered by a later, smaller build.
  BUILDTABLE(12);
  BUILDTABLE(5, 'R', false);
  EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 8);
}

TEST(BraidTable, FastBuildEqualsTheInsertionBuild) {
  for (char OPTION : {'R', 'F', 'U', 'x'}) {
    for (std::int32_t N = 0; N <= 7; ++N) {
      SCOPED_TRACE(std::string(1, OPTION) + std::to_string(N));
      BUILDTABLE(N, OPTION);
      ASSERT_EQ(TABLEWORDS(), INSERTIONTABLE(N));
    }
  }
  // A letter other than R, F, U sorts as R.
  BUILDTABLE(6, 'x');
  const std::vector<std::string> OTHER = TABLEWORDS();
  BUILDTABLE(6, 'R');
  EXPECT_EQ(TABLEWORDS(), OTHER);
  BUILDTABLE(6, 'F');
  EXPECT_NE(TABLEWORDS(), OTHER);
}

TEST(BraidTable, EntriesAreAlternatingWordsInIncreasingOrder) {
  BUILDTABLE(15);
  for (std::int32_t P = 1; P < BRAIDLIST.L; ++P) {
    ASSERT_EQ(BraidConjugacy::LISTSIGN(ENTRY(BRAIDLIST, P), ENTRY(BRAIDLIST, P + 1)), '+') << P;
  }
  for (std::int32_t P = 1; P <= BRAIDLIST.L; P += 37) {
    ASSERT_EQ(BraidBasics::ALTNORMAL(ENTRY(BRAIDLIST, P)), ENTRY(BRAIDLIST, P)) << P;
  }
  for (char OPTION : {'F', 'U'}) {
    BUILDTABLE(10, OPTION);
    for (std::int32_t P = 1; P < BRAIDLIST.L; ++P) {
      ASSERT_EQ(BraidConjugacy::LISTSIGN(ENTRY(BRAIDLIST, P), ENTRY(BRAIDLIST, P + 1)), '+')
          << OPTION << P;
    }
  }
  handlereduction::BORDEROPTION = 'R';
}

TEST(BraidTable, RankAnswersAsTheLinearScan) {
  BUILDTABLE(5);
  const char* WORDS[] = {"",      "a",     "bab",    "aba",   "abab",     "aAb",      "ababa",
                         "abba",  "aaaaaa", "cC",    "acbCab", "Bab",     "AbaB",     "c",
                         "ab  c", "zZab",  "BBaaBB", "bbbbb", "abababab", "aaaaaaA", "bAAb"};
  for (const char* W : WORDS) {
    SCOPED_TRACE(W);
    const BraidBasics::BRAID B = DEF(W);
    EXPECT_EQ(BraidConjugacy::RANK(B), BraidConjugacy::RANKBYSCAN(B));
  }
  EXPECT_EQ(BraidConjugacy::RANK(DEF("")), 1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("bab")), BraidConjugacy::RANK(DEF("aba")));
  EXPECT_EQ(BraidConjugacy::RANK(DEF("abababab")), -1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("c")), -1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("caCb")), BraidConjugacy::RANK(DEF("ab")));  // c a c^-1 = a
  EXPECT_EQ(BraidConjugacy::RANK(BraidBasics::BRAID{{}, 0, 0}), 1);
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    ASSERT_EQ(BraidConjugacy::RANK(DEF(std::string(ENTRY(BRAIDLIST, P)))), P);
  }
}

TEST(BraidTable, RankAfterAnotherChangeOfTheTable) {
  BUILDTABLE(3);
  // A table set by hand is indexed with its words.
  BraidConjugacy::SETBRAIDTABLE(BRAIDLIST, {"ab"});
  EXPECT_EQ(BraidConjugacy::RANK(DEF("ab")), 1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("ba")), -1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("")), -1);
  // Words that are not alternating normal words are searched by the scan.
  BraidConjugacy::SETBRAIDTABLE(BRAIDLIST, {"bab", "ac"});
  EXPECT_FALSE(BRAIDLIST.THREESTRAND);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("aba")), 1);
  EXPECT_EQ(BraidConjugacy::RANK(DEF("ca")), 2);
  EXPECT_EQ(BraidConjugacy::ALTWORD(BRAIDLIST, 1), "aba");
}

}  // namespace
