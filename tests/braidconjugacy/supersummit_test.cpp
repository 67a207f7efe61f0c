// Cycling and super summit sets.
//
// Asserted: the flip; the SSS strings and first members of the named tables
// (bounds 1 and 3); that the fast build gives the strings and ranks of the
// procedures SSS3ASALTCODEDSTRING and RANKFIRSTENTRY for bounds 0..7 under
// R, F and U; the sizes of the largest SSS and the longest SSS string for
// every bound up to 15; and that every member of an SSS is a conjugate of the
// braid, by a conjugator built from the cycling steps and checked by BEQUIV.
#include "braidconjugacy/supersummit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "braidbasics/operations.h"
#include "handlereduction/reduction.h"
#include "tests/braidconjugacy/study_support.h"
#include "tests/support/braid_words.h"

namespace {

using BraidConjugacy::BRAIDLIST;
using BraidConjugacy::ENTRY;
using BraidConjugacy::MU3SSS;
using BraidConjugacy::SSSLIST;
using studytest::BUILDALL;
using korveltest::DEF;

TEST(SuperSummit, Flip) {
  EXPECT_EQ(BraidConjugacy::FLIP("aab", 1, 3), "bba");
  EXPECT_EQ(BraidConjugacy::FLIP("aab", 2, 3), "aab");
  EXPECT_EQ(BraidConjugacy::FLIP("aab", -1, 3), "bba");
  EXPECT_EQ(BraidConjugacy::FLIP("acb", 1, 4), "cab");
  EXPECT_EQ(BraidConjugacy::FLIP("", 1, 3), "");
}

TEST(SuperSummit, NamedTables) {
  const std::string OUTPUT = BUILDALL(1);
  EXPECT_NE(OUTPUT.find("Constructing the table of SSS.\n"
                        "1 braids have been treated.\n"
                        "2 braids have been treated.\n"
                        "3 braids have been treated.\n"),
            std::string::npos);
  EXPECT_EQ(SSSLIST[1], "");
  EXPECT_EQ(SSSLIST[2], "10,1");
  EXPECT_EQ(SSSLIST[3], "10,1");
  EXPECT_EQ(std::vector<std::int32_t>(MU3SSS.begin() + 1, MU3SSS.begin() + 4), (std::vector<std::int32_t>{1, 2, 2}));
  BUILDALL(2);
  EXPECT_EQ((std::vector<std::string>{SSSLIST[1], SSSLIST[2], SSSLIST[3], SSSLIST[4], SSSLIST[5],
                                      SSSLIST[6], SSSLIST[7]}),
            (std::vector<std::string>{"", "10,1", "20,2", "10,1", "110,11", "20,2", "110,11"}));
  BUILDALL(3);
  // abb, aab, baa, bba cycle to aba (Delta), whose SSS is itself.
  for (std::int32_t P : {7, 9, 12, 13, 14}) {
    SCOPED_TRACE(P);
    EXPECT_EQ(SSSLIST[P], "111");
    EXPECT_EQ(MU3SSS[P], 12);
  }
  EXPECT_EQ(BraidConjugacy::SSS3ASSTRING("abb"), "aba");
  EXPECT_EQ(BraidConjugacy::SSS3ASSTRING("ab"), "ab;ba");
  EXPECT_EQ(BraidConjugacy::SSS3ASSTRING(""), "");
  EXPECT_EQ(BraidConjugacy::RANKFIRSTENTRY(""), 1);
  EXPECT_EQ(BraidConjugacy::RANKFIRSTENTRY("111"), 12);
  EXPECT_EQ(BraidConjugacy::RANKFIRSTENTRY("1111,11"), -1);
  EXPECT_EQ(BraidConjugacy::CYCLED("abb"), "aba");
  EXPECT_EQ(BraidConjugacy::CYCLED("aab"), "aba");
}

TEST(SuperSummit, FastBuildEqualsTheProcedures) {
  for (char OPTION : {'R', 'F', 'U'}) {
    for (std::int32_t N = 0; N <= 7; ++N) {
      SCOPED_TRACE(std::string(1, OPTION) + std::to_string(N));
      BUILDALL(N, OPTION);
      for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
        const std::string TEXT = BraidConjugacy::SSS3ASALTCODEDSTRING(ENTRY(BRAIDLIST, P));
        ASSERT_EQ(SSSLIST[P], TEXT) << P;
        ASSERT_EQ(MU3SSS[P], BraidConjugacy::RANKFIRSTENTRY(TEXT)) << P;
      }
    }
  }
  handlereduction::BORDEROPTION = 'R';
}

TEST(SuperSummit, SizesForEveryBound) {
  for (std::int32_t N = 1; N <= 15; ++N) {
    SCOPED_TRACE(N);
    handlereduction::BORDEROPTION = 'R';
    BraidBasics::LENGTHBOUND = N;
    BraidConjugacy::WIDTHBOUND = 3;
    korveltest::ConsoleCapture CAPTURE;
    BraidConjugacy::BUILDBRAIDLIST();
    BraidConjugacy::BUILDSSS3LIST();
    std::size_t LARGEST = 0;
    std::size_t LONGEST = 0;
    for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
      const std::string TEXT = SSSLIST[P];
      const std::size_t MEMBERS = TEXT.empty() ? 1 : 1 + std::count(TEXT.begin(), TEXT.end(), ',');
      LARGEST = std::max(LARGEST, MEMBERS);
      LONGEST = std::max(LONGEST, TEXT.size());
      ASSERT_GE(MU3SSS[P], 1);
      ASSERT_LE(MU3SSS[P], BRAIDLIST.L);
    }
    EXPECT_EQ(LARGEST, N <= 4 ? 2u : static_cast<std::size_t>(2 * N - 4));
    if (N == 15) {
      EXPECT_EQ(LONGEST, 152u);
    }
  }
}

// Walks the cycling orbit of W with the conjugator that each step applies:
// the cycling of Delta^p x1 ... xr is y^-1 X y with y = x1 flipped p times,
// and the flip of X is Delta^-1 X Delta. Braids with one SSS string share
// its members, so this also shows them conjugate to each other.
TEST(SuperSummit, MembersAreConjugates) {
  BUILDALL(9);
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    const std::string W(ENTRY(BRAIDLIST, P));
    SCOPED_TRACE(W);
    BraidConjugacy::POS3 X;
    ASSERT_TRUE(BraidConjugacy::POS3FROMWORD(W, X));
    std::vector<std::uint64_t> KEYS;
    std::vector<std::string> CONJUGATORS;
    std::string Y;  // X conjugated by Y is the current braid
    BraidConjugacy::POS3 CURRENT = X;
    for (int STEP = 0; STEP < 40; ++STEP) {
      KEYS.push_back(BraidConjugacy::POS3KEY(CURRENT));
      CONJUGATORS.push_back(Y);
      const std::string GARSIDE = BraidConjugacy::POS3GARSIDE(CURRENT);
      const std::string WORD = GARSIDE.substr(static_cast<std::size_t>(CURRENT.K));
      std::string FIRST = WORD.size() >= 2 && WORD[0] != WORD[1] ? WORD.substr(0, 2) : WORD.substr(0, 1);
      if (CURRENT.K % 2 != 0) {
        FIRST = BraidConjugacy::FLIP(FIRST, 1, 3);
      }
      const BraidConjugacy::POS3 NEXT = BraidConjugacy::POS3CYCLED(CURRENT);
      if (BraidConjugacy::POS3KEY(NEXT) != BraidConjugacy::POS3KEY(CURRENT)) {
        Y += FIRST;
      }
      CURRENT = NEXT;
    }
    for (const BraidConjugacy::POS3& M : BraidConjugacy::SSS3MEMBERS(X)) {
      const auto IT = std::find(KEYS.begin(), KEYS.end(), BraidConjugacy::POS3KEY(M));
      const BraidConjugacy::POS3 F = BraidConjugacy::POS3FLIPPED(M);
      const auto FIT = std::find(KEYS.begin(), KEYS.end(), BraidConjugacy::POS3KEY(F));
      ASSERT_TRUE(IT != KEYS.end() || FIT != KEYS.end());
      const std::string CONJ = IT != KEYS.end() ? CONJUGATORS[IT - KEYS.begin()]
                                                : CONJUGATORS[FIT - KEYS.begin()] + "aba";
      const BraidBasics::BRAID C = DEF(CONJ);
      const BraidBasics::BRAID LHS =
          BraidBasics::BPROD(BraidBasics::BINVERSED(C), BraidBasics::BPROD(DEF(W), C));
      ASSERT_TRUE(handlereduction::BEQUIV(LHS, DEF(BraidConjugacy::POS3ALTWORD(M))))
          << CONJ << " " << BraidConjugacy::POS3ALTWORD(M);
    }
  }
}

}  // namespace
