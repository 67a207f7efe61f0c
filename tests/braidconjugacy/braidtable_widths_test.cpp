// The braid table on other numbers of strands than key B's three, built by
// inserting every enumerated word: its entries are the positive braids of
// B_n up to the length bound, each once, in increasing order. The counts are
// those of the positive monoid, by hand: on two strands a^k for k = 0..BOUND;
// on four strands, up to length 2, the empty word, a, b, c and the nine
// words of two letters less one for ac = ca: 1 + 3 + 8 = 12.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "braidconjugacy/braidtable.h"
#include "handlereduction/orderings.h"
#include "tests/support/console_capture.h"

namespace {

std::vector<std::string> ENTRIES(std::int32_t BOUND, std::int32_t WIDTH) {
  BraidConjugacy::BRAIDTABLE T;
  BraidConjugacy::MAKEBRAIDTABLE(T, BOUND, WIDTH, false);
  std::vector<std::string> WORDS;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    WORDS.emplace_back(BraidConjugacy::ENTRY(T, P));
  }
  return WORDS;
}

TEST(BraidTableWidths, TwoStrandsGiveThePowersOfSigma1InIncreasingOrder) {
  for (const char OPTION : {'R', 'F', 'U'}) {
    SCOPED_TRACE(OPTION);
    handlereduction::BORDEROPTION = OPTION;
    EXPECT_EQ(ENTRIES(3, 2), (std::vector<std::string>{"", "a", "aa", "aaa"}));
  }
  handlereduction::BORDEROPTION = 'R';
}

TEST(BraidTableWidths, OneStrandHasTheEmptyWordAlone) {
  EXPECT_EQ(ENTRIES(5, 1), std::vector<std::string>{""});
}

TEST(BraidTableWidths, FourStrandsUpToLengthTwoHaveTwelveBraids) {
  handlereduction::BORDEROPTION = 'R';
  const std::vector<std::string> WORDS = ENTRIES(2, 4);
  ASSERT_EQ(WORDS.size(), 12U);
  EXPECT_EQ(WORDS.front(), "");
  std::set<std::string> LETTERS;
  for (const std::string& W : WORDS) {
    EXPECT_LE(W.size(), 2U) << W;
    EXPECT_EQ(W.find_first_not_of("abc"), std::string::npos) << W;
    if (W.size() == 1) {
      LETTERS.insert(W);
    }
  }
  EXPECT_EQ(LETTERS, (std::set<std::string>{"a", "b", "c"}));
  // ac and ca are one braid: exactly one of the two words is an entry.
  const auto HAS = [&WORDS](const char* W) {
    return std::find(WORDS.begin(), WORDS.end(), W) != WORDS.end();
  };
  EXPECT_NE(HAS("ac"), HAS("ca"));
  for (const char* W : {"aa", "ab", "ba", "bb", "bc", "cb", "cc"}) {
    EXPECT_TRUE(HAS(W)) << W;
  }
}

TEST(BraidTableWidths, TheMessagesNameTheCount) {
  BraidConjugacy::BRAIDTABLE T;
  korveltest::ConsoleCapture CAPTURE;
  BraidConjugacy::MAKEBRAIDTABLE(T, 2, 2, true);
  EXPECT_EQ(T.L, 3);
  EXPECT_NE(CAPTURE.Output().find("there exist 3 positive braids of length at most 2"),
            std::string::npos)
      << CAPTURE.Output();
}

}  // namespace
