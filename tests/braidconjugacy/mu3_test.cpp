// The mu3 tables and conjugators.
//
// Asserted: the named tables of bounds 1, 2 and 3; that BCONJUGATOR3 answers
// as the linear scan with BEQUIV for every pair of entries of bound 3 and
// that the whole tables equal those of the scan for bounds 0..6 under R, F
// and U; and, for bound 15, that every conjugator found really conjugates
// (checked by BEQUIV) and that braids with one SSS string share their mu3.
#include "braidconjugacy/mu3.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "braidbasics/operations.h"
#include "handlereduction/reduction.h"
#include "tests/braidconjugacy/study_support.h"
#include "tests/support/braid_words.h"

namespace {

using BraidConjugacy::BRAIDLIST;
using BraidConjugacy::ENTRY;
using BraidConjugacy::MU3;
using BraidConjugacy::MU3CONJ;
using BraidConjugacy::MU3SSS;
using BraidConjugacy::MU3SSSCONJ;
using studytest::BUILDALL;
using korveltest::DEF;

std::vector<std::int32_t> FIRST(const std::vector<std::int32_t>& TABLE, std::int32_t COUNT) {
  return std::vector<std::int32_t>(TABLE.begin() + 1, TABLE.begin() + 1 + COUNT);
}

// Whether entry R conjugates entry Q to entry P: R^-1 Q R = P.
bool CONJUGATES(std::int32_t R, std::int32_t Q, std::int32_t P) {
  const BraidBasics::BRAID B = DEF(std::string(ENTRY(BRAIDLIST, R)));
  const BraidBasics::BRAID CONJ = BraidBasics::BPROD(
      BraidBasics::BINVERSED(B), BraidBasics::BPROD(DEF(std::string(ENTRY(BRAIDLIST, Q))), B));
  return handlereduction::BEQUIV(CONJ, DEF(std::string(ENTRY(BRAIDLIST, P))));
}

TEST(Mu3, NamedTables) {
  BUILDALL(1);
  EXPECT_EQ(FIRST(MU3, 3), (std::vector<std::int32_t>{1, 2, 2}));
  EXPECT_EQ(FIRST(MU3CONJ, 3), (std::vector<std::int32_t>{1, 1, 0}));
  EXPECT_EQ(FIRST(MU3SSSCONJ, 3), (std::vector<std::int32_t>{1, 1, 0}));
  BUILDALL(2);
  EXPECT_EQ(FIRST(MU3, 7), (std::vector<std::int32_t>{1, 2, 3, 2, 5, 3, 5}));
  EXPECT_EQ(FIRST(MU3CONJ, 7), (std::vector<std::int32_t>{1, 1, 1, 5, 1, 5, 4}));
  EXPECT_EQ(FIRST(MU3SSSCONJ, 7), FIRST(MU3CONJ, 7));
  BUILDALL(3);
  for (std::int32_t P : {7, 9, 12, 13, 14}) {
    EXPECT_EQ(MU3[P], 7) << P;
  }
  EXPECT_EQ(MU3CONJ[9], 0);
  EXPECT_EQ(MU3CONJ[12], 6);
  EXPECT_EQ(MU3CONJ[13], 12);
  EXPECT_EQ(MU3CONJ[14], 5);
  EXPECT_EQ(MU3SSSCONJ[7], 2);
  EXPECT_EQ(BraidConjugacy::BCONJUGATOR3(0, 1), 0);
  EXPECT_EQ(BraidConjugacy::BCONJUGATOR3(1, 15), 0);
}

TEST(Mu3, ConjugatorAnswersAsTheLinearScan) {
  BUILDALL(3);
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    for (std::int32_t Q = 1; Q <= BRAIDLIST.L; ++Q) {
      ASSERT_EQ(BraidConjugacy::BCONJUGATOR3(P, Q), BraidConjugacy::BCONJUGATOR3BYSCAN(P, Q))
          << P << " " << Q;
    }
  }
}

TEST(Mu3, TablesEqualThoseOfTheLinearScans) {
  for (char OPTION : {'R', 'F', 'U'}) {
    for (std::int32_t N = 0; N <= 6; ++N) {
      SCOPED_TRACE(std::string(1, OPTION) + std::to_string(N));
      BUILDALL(N, OPTION);
      for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
        std::int32_t Q = 1;
        while (BraidConjugacy::SSSLIST[Q] != BraidConjugacy::SSSLIST[P]) {
          ++Q;
        }
        ASSERT_EQ(MU3[P], Q) << P;
        ASSERT_EQ(MU3CONJ[P], BraidConjugacy::BCONJUGATOR3BYSCAN(P, Q)) << P;
        ASSERT_EQ(MU3SSSCONJ[P], BraidConjugacy::BCONJUGATOR3BYSCAN(P, MU3SSS[P])) << P;
      }
    }
  }
  handlereduction::BORDEROPTION = 'R';
}

TEST(Mu3, ConjugatorsOfTheLargestTableConjugate) {
  BUILDALL(15);
  std::unordered_map<std::string, std::int32_t> FIRSTOFCLASS;
  std::int32_t FOUNDCONJ = 0;
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    ASSERT_EQ(MU3[P], FIRSTOFCLASS.emplace(BraidConjugacy::SSSLIST[P], P).first->second) << P;
    ASSERT_LE(MU3[P], P);
    if (MU3CONJ[P] != 0) {
      ++FOUNDCONJ;
      ASSERT_TRUE(CONJUGATES(MU3CONJ[P], MU3[P], P)) << P;
    }
    if (MU3SSSCONJ[P] != 0) {
      ASSERT_TRUE(CONJUGATES(MU3SSSCONJ[P], MU3SSS[P], P)) << P;
    }
  }
  EXPECT_GT(FOUNDCONJ, 0);
  // No smaller rank conjugates, checked on a sample by the linear scan.
  for (std::int32_t P = 1; P <= BRAIDLIST.L; P += 997) {
    EXPECT_EQ(MU3CONJ[P], BraidConjugacy::BCONJUGATOR3BYSCAN(P, MU3[P])) << P;
  }
}

}  // namespace
