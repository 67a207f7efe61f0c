// korvel::Braid as a value: how it is built and refused, its strand count,
// its words, and the word operations. Expected values are worked out by hand.
#include "korvel/braid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <unordered_set>

#include "korvel/computations.h"

namespace {

using korvel::Braid;

TEST(Braid, FromLettersKeepsLettersAndSkipsBlanksAndDots) {
  const Braid B("ab A.c\t");
  EXPECT_EQ(B.tietze(), (std::vector<int>{1, 2, -1, 3}));
  EXPECT_EQ(B.strands(), 4);
  EXPECT_EQ(B.length(), 4U);
  EXPECT_EQ(B.letters(), "abAc");
  EXPECT_EQ(Braid().strands(), 1);
  EXPECT_EQ(Braid("").length(), 0U);
}

TEST(Braid, RefusesWhatIsNotALetterNamingItAndItsPlace) {
  try {
    Braid("ab[1");
    FAIL() << "a bracket was taken as a letter";
  } catch (const std::invalid_argument& E) {
    EXPECT_NE(std::string(E.what()).find("'['"), std::string::npos) << E.what();
    EXPECT_NE(std::string(E.what()).find("position 2"), std::string::npos) << E.what();
  }
  EXPECT_THROW(Braid("a\n"), std::invalid_argument);
  EXPECT_THROW(Braid("ab", 2), std::invalid_argument);  // sigma_2 needs 3 strands
}

TEST(Braid, TietzeListsAtTheLimitsAndOnePast) {
  EXPECT_EQ(Braid(std::vector<int>{32766}).strands(), 32767);
  EXPECT_EQ(Braid(std::vector<int>{-32766}, 32767).strands(), 32767);
  EXPECT_THROW(Braid(std::vector<int>{32767}), std::invalid_argument);
  EXPECT_THROW(Braid(std::vector<int>{1}, 32768), std::invalid_argument);
  EXPECT_THROW(Braid(std::vector<int>{0}), std::invalid_argument);
  EXPECT_THROW(Braid(std::vector<int>{1, 2, -1}, 2), std::invalid_argument);
  EXPECT_EQ(Braid(std::vector<int>{1, 2, -1}, 0).strands(), 3);
  EXPECT_EQ(Braid(std::vector<int>{1}, 10).strands(), 10);
  EXPECT_EQ(Braid(std::vector<int>{}, 0).strands(), 1);
  // Words of 16-bit letters meet the same bounds: sigma_32767 would need
  // 32,768 strands.
  using Word16 = std::vector<std::int16_t>;
  EXPECT_EQ(Braid(Word16{-32766}).strands(), 32767);
  EXPECT_THROW(Braid(Word16{32767}), std::invalid_argument);
  EXPECT_THROW(Braid(Word16{1, -32767}), std::invalid_argument);
  EXPECT_THROW(Braid(Word16{-32768}), std::invalid_argument);
  try {
    (void)Braid::delta(0);
    FAIL() << "Delta on no strands";
  } catch (const std::invalid_argument& E) {
    EXPECT_NE(std::string(E.what()).find("not 0"), std::string::npos) << E.what();
  }
}

TEST(Braid, LettersStopAtTwentySix) {
  EXPECT_EQ(Braid(std::vector<int>{26, -26}).letters(), "zZ");
  EXPECT_THROW(Braid(std::vector<int>{27}).letters(), std::domain_error);
  EXPECT_EQ(Braid(std::vector<int>{27, -1}).str(), "[27, -1]");
  EXPECT_EQ(Braid("aB").str(), "aB");
}

TEST(Braid, WordOperations) {
  const Braid A("abC");
  EXPECT_EQ(A.inverse().letters(), "cBA");
  EXPECT_EQ((A * Braid("d")).letters(), "abCd");
  EXPECT_EQ((A * Braid("d")).strands(), 5);
  EXPECT_EQ(A.pow(0).length(), 0U);
  EXPECT_EQ(A.pow(0).strands(), 4);
  EXPECT_EQ(A.pow(2).letters(), "abCabC");
  EXPECT_EQ(A.pow(-2).letters(), "cBAcBA");
  EXPECT_EQ(Braid().pow(std::numeric_limits<long long>::min()).length(), 0U);
  EXPECT_THROW(A.pow(std::numeric_limits<long long>::max()), std::length_error);
  EXPECT_EQ(Braid::delta(4).letters(), "abacba");
  EXPECT_EQ(Braid::delta(1).length(), 0U);
  EXPECT_EQ(Braid::generator(-2).tietze(), (std::vector<int>{-2}));
  EXPECT_EQ(A.with_strands(9).strands(), 9);
  EXPECT_THROW(A.with_strands(3), std::invalid_argument);
}

TEST(Braid, EqualityAndOrderMeanBraidsNotWords) {
  EXPECT_EQ(Braid("aba"), Braid("bab"));
  EXPECT_NE(Braid("ab"), Braid("ba"));
  EXPECT_EQ(Braid("aA"), Braid());
  EXPECT_EQ(Braid("a"), Braid("a", 7));  // the image on more strands
  EXPECT_FALSE(Braid("aba").same_word(Braid("bab")));
  // sigma_1 is larger than sigma_2 in the R-ordering, and than any word in
  // sigma_2, sigma_3 alone.
  EXPECT_GT(Braid("a"), Braid("b"));
  EXPECT_LT(Braid("bbbbcCCC"), Braid("a"));
  EXPECT_LT(Braid("A"), Braid());
}

TEST(Braid, HashAgreesWithEqualityAcrossSpellingsAndStrandCounts) {
  const Braid A("abaCbc");
  const Braid B = Braid("babCbc", 6);  // aba = bab, two strands more
  ASSERT_EQ(A, B);
  EXPECT_EQ(A.hash(), B.hash());
  std::unordered_set<Braid> SET{A, Braid("ab"), Braid("ba"), Braid()};
  EXPECT_EQ(SET.size(), 4U);
  EXPECT_EQ(SET.count(B), 1U);
  EXPECT_EQ(SET.count(Braid("aA", 5)), 1U);
}

}  // namespace
