// Words by index: shortlex enumerations, words of one length, and the counts.
#include "basics/wordenumeration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

#include "basics/letterstrings.h"

namespace {

using namespace basics;

TEST(THESTRING, FirstIndices) {
  EXPECT_EQ(THESTRING(0, 2), "");
  EXPECT_EQ(THESTRING(1, 2), "a");
  EXPECT_EQ(THESTRING(2, 2), "b");
  EXPECT_EQ(THESTRING(3, 2), "aa");
  EXPECT_EQ(THESTRING(5, 2), "ba");
  EXPECT_EQ(THESTRING(6, 2), "bb");
  EXPECT_EQ(THESTRING(7, 2), "aaa");
  EXPECT_EQ(THESTRING(26, 26), "z");
  EXPECT_EQ(THESTRING(27, 26), "aa");
  EXPECT_EQ(THESTRING(5, 1), "aaaaa");
  EXPECT_EQ(THESTRING(5, 0), "");
  EXPECT_EQ(THESTRING(-1, 2), "");
}

TEST(THESTRING, IsTheShortlexOrderWithoutGaps) {
  for (std::int32_t M : {1, 2, 3, 5}) {
    SCOPED_TRACE(M);
    std::string PREVIOUS = THESTRING(0, M);
    for (std::int64_t NN = 1; NN < 2000; ++NN) {
      const std::string W = THESTRING(NN, M);
      ASSERT_TRUE(SHORTLEXSMALLER(PREVIOUS, W)) << NN;
      // No word is skipped: the successor in shortlex order is reached.
      std::string NEXT = PREVIOUS;
      int P = static_cast<int>(NEXT.size()) - 1;
      while (P >= 0 && NEXT[P] == static_cast<char>('a' + M - 1)) {
        NEXT[P] = 'a';
        --P;
      }
      if (P < 0) {
        NEXT = std::string(NEXT.size() + 1, 'a');
      } else {
        ++NEXT[P];
      }
      ASSERT_EQ(W, NEXT) << NN;
      PREVIOUS = W;
    }
  }
}

TEST(THESIGNEDSTRING, LowerCaseThenUpperCase) {
  EXPECT_EQ(THESIGNEDSTRING(0, 2), "");
  EXPECT_EQ(THESIGNEDSTRING(1, 2), "a");
  EXPECT_EQ(THESIGNEDSTRING(2, 2), "b");
  EXPECT_EQ(THESIGNEDSTRING(3, 2), "A");
  EXPECT_EQ(THESIGNEDSTRING(4, 2), "B");
  EXPECT_EQ(THESIGNEDSTRING(5, 2), "aa");
  EXPECT_EQ(THESIGNEDSTRING(20, 2), "BB");  // 4 + 16 words of length <= 2
  EXPECT_EQ(THESIGNEDSTRING(52, 26), "Z");
  EXPECT_EQ(THESIGNEDSTRING(3, 0), "");
}

TEST(THEREFSTRING, LettersReplacedByTheReference) {
  EXPECT_EQ(THEREFSTRING(1, "xyz"), "x");
  EXPECT_EQ(THEREFSTRING(4, "xyz"), "xx");
  EXPECT_EQ(THEREFSTRING(12, "xyz"), "zz");
  EXPECT_EQ(THEREFSTRING(13, "xyz"), "xxx");
  EXPECT_EQ(THEREFSTRING(3, ""), "");
  for (std::int64_t NN = 0; NN < 300; ++NN) {
    EXPECT_EQ(THEREFSTRING(NN, "abc"), THESTRING(NN, 3));
  }
}

TEST(THEELREFSTRING, WordsOfOneLengthInLexicographicOrder) {
  const char* kTwo[] = {"bb", "aa", "ab", "ba", "bb", "aa"};
  for (std::int64_t NN = 0; NN < 6; ++NN) {
    EXPECT_EQ(THEELREFSTRING(NN, 2, "ab"), kTwo[NN]) << NN;
  }
  // Indices 1..27 give the 27 words of length 3 over xyz, in order.
  std::string PREVIOUS;
  std::set<std::string> SEEN;
  for (std::int64_t NN = 1; NN <= 27; ++NN) {
    const std::string W = THEELREFSTRING(NN, 3, "xyz");
    ASSERT_EQ(W.size(), 3u);
    if (NN > 1) {
      EXPECT_LT(PREVIOUS, W);
    }
    SEEN.insert(W);
    PREVIOUS = W;
  }
  EXPECT_EQ(SEEN.size(), 27u);
  EXPECT_EQ(THEELREFSTRING(28, 3, "xyz"), "xxx");
  EXPECT_EQ(THEELREFSTRING(5, 0, "ab"), "");
  EXPECT_EQ(THEELREFSTRING(5, 3, ""), "");
  EXPECT_EQ(THEELREFSTRING(5, 4, "q"), "qqqq");
}

TEST(THEELREFSTRING, ExtremeIndices) {
  // INT64_MAX is 7 mod 8: the seventh word of length 3, "bba", without the
  // index step overflowing.
  EXPECT_EQ(THEELREFSTRING(std::numeric_limits<std::int64_t>::max(), 3, "ab"), "bba");
  // A negative index: remainders are not positive, the last character is
  // taken, and the division truncates towards 0.
  EXPECT_EQ(THEELREFSTRING(-1, 2, "ab"), "bb");
}

TEST(Counts, NamedCases) {
  EXPECT_EQ(NBREFSTRING(2, "ab"), 6);    // a, b, aa, ab, ba, bb
  EXPECT_EQ(NBELREFSTRING(2, "ab"), 4);
  EXPECT_EQ(NBREFSTRING(3, "abc"), 39);  // 3 + 9 + 27
  EXPECT_EQ(NBELREFSTRING(3, "abc"), 27);
  EXPECT_EQ(NBREFSTRING(3, "a"), 3);     // a, aa, aaa
  EXPECT_EQ(NBELREFSTRING(3, "a"), 1);
  EXPECT_EQ(NBREFSTRING(0, "ab"), 0);
  EXPECT_EQ(NBELREFSTRING(0, "ab"), 1);  // the empty word
  EXPECT_EQ(NBREFSTRING(3, ""), 0);
  EXPECT_EQ(NBELREFSTRING(3, ""), 0);
  EXPECT_EQ(NBELREFSTRING(0, ""), 1);
  EXPECT_EQ(NBREFSTRING(-2, "ab"), 0);
  EXPECT_EQ(NBELREFSTRING(-2, "ab"), 0);
  EXPECT_EQ(NBELREFSTRING(40, "ab"), std::int64_t{1} << 40);
  EXPECT_EQ(NBREFSTRING(40, "ab"), (std::int64_t{1} << 41) - 2);
}

TEST(Counts, NBREFSTRINGIsTheLastIndexOfTheLengthBound) {
  for (const char* WREF : {"a", "ab", "xyz", "abcd"}) {
    for (std::int32_t L = 1; L <= 5; ++L) {
      SCOPED_TRACE(std::string(WREF) + " up to " + std::to_string(L));
      const std::int64_t N = NBREFSTRING(L, WREF);
      EXPECT_EQ(THEREFSTRING(N, WREF).size(), static_cast<std::size_t>(L));
      EXPECT_EQ(THEREFSTRING(N + 1, WREF).size(), static_cast<std::size_t>(L + 1));
      EXPECT_EQ(N - NBREFSTRING(L - 1, WREF), NBELREFSTRING(L, WREF));
    }
  }
}

}  // namespace
