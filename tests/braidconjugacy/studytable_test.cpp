// The study's tables past length 15 and the rows given to other callers.
//
// Asserted: the number of braids for every bound up to MAXSTUDYBOUND, from
// the counts by length (c_0 = 1, c_1 = 2, c_n = c_(n-1) + c_(n-2) + 1: a
// positive braid of length n is Delta^k w with w free of aba and bab, and
// those words number 2 F_(m+1) for length m >= 1); that at the largest bound
// (in most everyday runs a smaller one, tests/support/sampling.h) every
// entry is found again by its word, words of exactly the bound's
// length included, and longer ones are not; that the conjugators of whole
// tables equal those of an exact scan of the table (products compared as
// positive braids) under R, F and U; that for bounds 16 to 18 sampled SSS
// strings equal those of the literal cycling and sampled conjugators those
// of the literal scan with BEQUIV; and STUDYTABLEROWS against the tables key
// B installs, leaving the program's tables and option as they were.
#include "braidconjugacy/studytable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "tests/braidconjugacy/study_support.h"
#include "tests/support/braid_words.h"
#include "tests/support/sampling.h"

namespace {

using BraidConjugacy::BRAIDLIST;
using BraidConjugacy::ENTRY;
using korveltest::DEF;
using studytest::BUILDALL;

// The number of positive braids of B_3 of length at most N.
std::int64_t BRAIDCOUNT(std::int32_t N) {
  std::int64_t OLDER = 1, OLD = 2, TOTAL = N >= 1 ? 3 : 1;
  for (std::int32_t L = 2; L <= N; ++L) {
    const std::int64_t C = OLD + OLDER + 1;
    TOTAL += C;
    OLDER = OLD;
    OLD = C;
  }
  return TOTAL;
}

void BUILDTABLEONLY(std::int32_t BOUND) {
  handlereduction::BORDEROPTION = 'R';
  BraidBasics::LENGTHBOUND = BOUND;
  BraidConjugacy::WIDTHBOUND = 3;
  korveltest::ConsoleCapture CAPTURE;
  BraidConjugacy::BUILDBRAIDLIST();
}

// The tables grow by a factor of about 1.6 per letter: the largest bounds
// cost the most. Each bound is a case of the seeded share
// (tests/support/sampling.h).
TEST(StudyTable, CountsUpToTheLargestBound) {
  ASSERT_EQ(BRAIDCOUNT(15), 6746);
  ASSERT_EQ(BRAIDCOUNT(20), 75001);
  ASSERT_EQ(BRAIDCOUNT(25), 832011);
  ASSERT_GE(BraidConjugacy::MAXSTUDYBOUND, 25);
  for (std::int32_t N = 16; N <= BraidConjugacy::MAXSTUDYBOUND; ++N) {
    if (N > 16 && !testsupport::sampled(static_cast<std::uint64_t>(N), 27)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(static_cast<std::uint64_t>(N)));
    BUILDTABLEONLY(N);
    EXPECT_EQ(BRAIDLIST.L, BRAIDCOUNT(N));
    EXPECT_EQ(BRAIDLIST.LONGEST, N);
  }
}

// At the largest bound in the long tier and in one everyday run in
// KORVEL_TEST_SHARE; in the others at a bound of 18 to 22 drawn from the
// run's seed, a tenth of the work or less.
TEST(StudyTable, LookupsAtTheLargestBound) {
  const std::int32_t N = testsupport::sampled(0, 2727)
                             ? BraidConjugacy::MAXSTUDYBOUND
                             : 18 + static_cast<std::int32_t>(testsupport::mix(testsupport::sample_seed() ^ 2727) % 5);
  SCOPED_TRACE("bound " + std::to_string(N) + ", " + testsupport::replay(0));
  BUILDTABLEONLY(N);
  std::int32_t OFBOUNDLENGTH = 0;
  for (std::int32_t P = 1; P <= BRAIDLIST.L; P += 97) {
    const std::string W(ENTRY(BRAIDLIST, P));
    ASSERT_EQ(BraidConjugacy::RANK(DEF(W)), P) << W;
    OFBOUNDLENGTH += static_cast<std::int32_t>(W.size()) == N;
  }
  EXPECT_GT(OFBOUNDLENGTH, 0);
  // Other words of exactly the bound's length: a^N, b^N, (ab)^(N/2) b...,
  // the last entry, and a word that is not in normal form.
  std::vector<std::string> WORDS{std::string(N, 'a'), std::string(N, 'b'),
                                 std::string(ENTRY(BRAIDLIST, BRAIDLIST.L))};
  std::string ALTERNATING;
  for (std::int32_t K = 0; K < N; ++K) {
    ALTERNATING += K % 2 == 0 ? 'b' : 'a';
  }
  WORDS.push_back(ALTERNATING);
  for (const std::string& W : WORDS) {
    SCOPED_TRACE(W);
    ASSERT_EQ(W.size(), static_cast<std::size_t>(N));
    const std::int32_t P = BraidConjugacy::RANK(DEF(W));
    ASSERT_GT(P, 0);
    EXPECT_EQ(ENTRY(BRAIDLIST, P), BraidBasics::ALTNORMAL(W));
    EXPECT_EQ(BraidConjugacy::RANK(DEF(W + "a")), -1);
    EXPECT_EQ(BraidConjugacy::RANK(DEF("b" + W)), -1);
  }
}

// Whether entry R conjugates entry Q to entry P, by the exact forms.
bool CONJUGATESEXACTLY(std::int32_t R, std::int32_t Q, std::int32_t P) {
  BraidConjugacy::POS3 QR, RP;
  const std::string WR(ENTRY(BRAIDLIST, R));
  EXPECT_TRUE(BraidConjugacy::POS3FROMWORD(std::string(ENTRY(BRAIDLIST, Q)) + WR, QR));
  EXPECT_TRUE(BraidConjugacy::POS3FROMWORD(WR + std::string(ENTRY(BRAIDLIST, P)), RP));
  return BraidConjugacy::POS3KEY(QR) == BraidConjugacy::POS3KEY(RP);
}

TEST(StudyTable, ConjugatorsEqualThoseOfAnExactScan) {
  for (char OPTION : {'R', 'F', 'U'}) {
    SCOPED_TRACE(OPTION);
    BUILDALL(11, OPTION);
    std::int32_t NONE = 0;
    for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
      for (const auto& [Q, FOUND] : {std::pair{BraidConjugacy::MU3[P], BraidConjugacy::MU3CONJ[P]},
                                     std::pair{BraidConjugacy::MU3SSS[P], BraidConjugacy::MU3SSSCONJ[P]}}) {
        std::int32_t R = 1;
        while (R <= BRAIDLIST.L && !CONJUGATESEXACTLY(R, Q, P)) {
          ++R;
        }
        ASSERT_EQ(FOUND, R <= BRAIDLIST.L ? R : 0) << P << " " << Q;
        NONE += FOUND == 0;
      }
    }
    EXPECT_GT(NONE, 0);
  }
  handlereduction::BORDEROPTION = 'R';
}

// The SSS string of W by the literal cycling: cycle until a braid repeats,
// go once round the cycle, add the flips, sort with the comparison of
// INSERTLIST and join the codes.
std::string LITERALSSS(const std::string& W) {
  std::vector<std::string> MET{W};
  std::string X = BraidConjugacy::CYCLED(W);
  while (std::find(MET.begin(), MET.end(), X) == MET.end()) {
    MET.push_back(X);
    X = BraidConjugacy::CYCLED(X);
  }
  std::set<std::string> MEMBERS{X};
  for (std::string Y = BraidConjugacy::CYCLED(X); Y != X; Y = BraidConjugacy::CYCLED(Y)) {
    MEMBERS.insert(Y);
  }
  std::vector<std::string> ALL(MEMBERS.begin(), MEMBERS.end());
  for (const std::string& M : MEMBERS) {
    const std::string F = BraidBasics::ALTNORMAL(BraidConjugacy::FLIP(M, 1, 3));
    if (std::find(ALL.begin(), ALL.end(), F) == ALL.end()) {
      ALL.push_back(F);
    }
  }
  std::sort(ALL.begin(), ALL.end(), [](const std::string& U, const std::string& V) {
    return BraidConjugacy::LISTSIGN(U, V) == '+';
  });
  std::string TEXT;
  for (std::size_t I = 0; I < ALL.size(); ++I) {
    if (I > 0) {
      TEXT += ',';
    }
    TEXT += BraidBasics::ALTCODE3(ALL[I]);
  }
  return TEXT;
}

TEST(StudyTable, SamplesOfBoundsSixteenToEighteenAgainstTheLiteralProcedures) {
  for (std::int32_t N = 16; N <= 18; ++N) {
    SCOPED_TRACE(N);
    BUILDALL(N);
    // Entries spread over the table, and the first ones with and without a
    // conjugator from their mu3 value other than themselves.
    std::vector<std::int32_t> SAMPLE{2, BRAIDLIST.L / 3, BRAIDLIST.L - 1};
    for (bool WITH : {true, false}) {
      for (std::int32_t P = BRAIDLIST.L / 2; P <= BRAIDLIST.L; ++P) {
        if (BraidConjugacy::MU3[P] < P && (BraidConjugacy::MU3CONJ[P] != 0) == WITH &&
            static_cast<std::int32_t>(ENTRY(BRAIDLIST, P).size()) == N) {
          SAMPLE.push_back(P);
          break;
        }
      }
    }
    ASSERT_EQ(SAMPLE.size(), 5u);
    for (std::int32_t P : SAMPLE) {
      SCOPED_TRACE(P);
      const std::string SSS = BraidConjugacy::SSSLIST[P];
      EXPECT_EQ(SSS, LITERALSSS(std::string(ENTRY(BRAIDLIST, P))));
      std::int32_t Q = 1;
      while (BraidConjugacy::SSSLIST[Q] != SSS) {
        ++Q;
      }
      EXPECT_EQ(BraidConjugacy::MU3[P], Q);
      EXPECT_EQ(BraidConjugacy::MU3CONJ[P], BraidConjugacy::BCONJUGATOR3BYSCAN(P, Q));
      EXPECT_EQ(BraidConjugacy::MU3SSSCONJ[P],
                BraidConjugacy::BCONJUGATOR3BYSCAN(P, BraidConjugacy::MU3SSS[P]));
    }
  }
}

TEST(StudyTable, RowsAreThoseOfTheTablesAndChangeNothing) {
  BUILDALL(3, 'R');
  const std::vector<std::string> BEFORE = studytest::TABLEWORDS();
  const std::int32_t CODEWIDTH = BraidBasics::MAXCODELENGTHINBRAIDLIST;
  std::vector<BraidConjugacy::STUDYROW> ROWS;
  {
    korveltest::ConsoleCapture CAPTURE;
    ROWS = BraidConjugacy::STUDYTABLEROWS(7, 'U');
    EXPECT_EQ(CAPTURE.Output(), "");  // no message of key B
  }
  EXPECT_EQ(handlereduction::BORDEROPTION, 'R');
  EXPECT_EQ(studytest::TABLEWORDS(), BEFORE);
  EXPECT_EQ(BraidBasics::LENGTHBOUND, 3);
  EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, CODEWIDTH);
  EXPECT_EQ(BraidConjugacy::MU3.size(), 15u);
  BUILDALL(7, 'U');
  ASSERT_EQ(ROWS.size(), 133u);
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    const BraidConjugacy::STUDYROW& ROW = ROWS[static_cast<std::size_t>(P - 1)];
    ASSERT_EQ(ROW.RANK, P);
    EXPECT_EQ(ROW.WORD, ENTRY(BRAIDLIST, P));
    EXPECT_EQ(ROW.CODE, BraidBasics::ALTCODE3(ROW.WORD));
    EXPECT_EQ(ROW.SSS, BraidConjugacy::SSSLIST[P]);
    EXPECT_EQ(ROW.MU3, BraidConjugacy::MU3[P]);
    EXPECT_EQ(ROW.MU3CONJ, BraidConjugacy::MU3CONJ[P]);
    EXPECT_EQ(ROW.MU3SSS, BraidConjugacy::MU3SSS[P]);
    EXPECT_EQ(ROW.MU3SSSCONJ, BraidConjugacy::MU3SSSCONJ[P]);
  }
  handlereduction::BORDEROPTION = 'R';
  // Bounds below 1 give the empty word alone, bounds above the largest none.
  for (std::int32_t BOUND : {0, -5}) {
    const std::vector<BraidConjugacy::STUDYROW> ONE = BraidConjugacy::STUDYTABLEROWS(BOUND, 'F');
    ASSERT_EQ(ONE.size(), 1u);
    EXPECT_EQ(ONE[0].WORD, "");
    EXPECT_EQ(ONE[0].SSS, "");
    EXPECT_EQ(ONE[0].MU3, 1);
    EXPECT_EQ(ONE[0].MU3CONJ, 1);
  }
  EXPECT_TRUE(BraidConjugacy::STUDYTABLEROWS(BraidConjugacy::MAXSTUDYBOUND + 1, 'R').empty());
}

}  // namespace
