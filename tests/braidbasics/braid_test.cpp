// The braid record, its constructors and the integer helpers.
#include "braidbasics/braid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "braidbasics/enumeration.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;

std::vector<int> LETTERS(const BRAID& B) {
  return std::vector<int>(B.V.begin() + 1, B.V.begin() + 1 + B.L);
}

TEST(BDEF, KeepsLettersAndDropsEverythingElse) {
  BRAID B = DEF("a b-A");
  EXPECT_EQ(LETTERS(B), (std::vector<int>{1, 2, -1}));
  EXPECT_EQ(B.W, 3);

  B = DEF("Z");
  EXPECT_EQ(LETTERS(B), (std::vector<int>{-26}));
  EXPECT_EQ(B.W, 27);

  B = DEF("aA");  // no cancellation
  EXPECT_EQ(LETTERS(B), (std::vector<int>{1, -1}));

  for (const char* EMPTY : {"", "0123 ,.;-+*/ \t@[`{~", "\x80\xff\x01"}) {
    B = DEF(EMPTY);
    EXPECT_EQ(B.L, 0) << EMPTY;
    EXPECT_EQ(B.W, 1) << EMPTY;
  }
}

TEST(BDEF, RefusesWordsPastTheBound) {
  BRAID B = DEF(std::string(2000, 'c') + "...");
  EXPECT_EQ(B.L, 2000);
  EXPECT_EQ(B.W, 4);
  EXPECT_THROW(DEF(std::string(2001, 'a')), BraidBasics::BOUNDEXCEEDED);
  EXPECT_NO_THROW(DEF(std::string(5000, '.') + "ab"));
}

TEST(Constructors, UnitUndefinedSigma) {
  BRAID ONE = BraidBasics::BONE();
  BRAID UNDEF = BraidBasics::BUNDEFINED();
  EXPECT_EQ(ONE.L, 0);
  EXPECT_EQ(ONE.W, 1);
  EXPECT_EQ(UNDEF.L, 0);
  EXPECT_EQ(UNDEF.W, 0);
  BRAID S = BraidBasics::BSIGMA(3);
  EXPECT_EQ(LETTERS(S), (std::vector<int>{3}));
  EXPECT_EQ(S.W, 4);
}

TEST(BDELTA, TableRuleAndEdges) {
  const char* TABLE[] = {"", "a", "aba", "abacba", "abacbadcba", "abacbadcbaedcba"};
  for (int N = 1; N <= 6; ++N) {
    BRAID D = BraidBasics::BDELTA(N);
    EXPECT_EQ(BraidBasics::BWORD(D), TABLE[N - 1]) << N;
    EXPECT_EQ(D.W, N);
  }
  BRAID D12 = BraidBasics::BDELTA(12);
  EXPECT_EQ(D12.L, 66);
  EXPECT_EQ(D12.W, 12);
  EXPECT_EQ(BraidBasics::BWORD(D12),
            "abacbadcbaedcbafedcbagfedcbahgfedcbaihgfedcbajihgfedcbakjihgfedcba");
  // Above 12 strands Delta_N is Delta_(N-1) followed by sigma_(N-1)...sigma_1.
  for (int N = 13; N <= 50; ++N) {
    BRAID D = BraidBasics::BDELTA(N);
    BRAID PREVIOUS = BraidBasics::BDELTA(N - 1);
    ASSERT_EQ(D.L, N * (N - 1) / 2);
    EXPECT_EQ(D.W, N);
    for (int R = 1; R <= PREVIOUS.L; ++R) {
      ASSERT_EQ(D.V[R], PREVIOUS.V[R]);
    }
    for (int K = 1; K <= N - 1; ++K) {
      ASSERT_EQ(D.V[PREVIOUS.L + K], N - K);
    }
  }
  for (int N : {1, 0, -5}) {
    BRAID D = BraidBasics::BDELTA(N);
    EXPECT_EQ(D.L, 0);
    EXPECT_EQ(D.W, 1);
  }
  // Past the console's 50 strands Delta is still whole: on 60 strands it has
  // 60 * 59 / 2 letters and ends with sigma_59 ... sigma_1.
  const BRAID D60 = BraidBasics::BDELTA(60);
  EXPECT_EQ(D60.W, 60);
  ASSERT_EQ(D60.L, 1770);
  EXPECT_EQ(D60.V[D60.L - 58], 59);
  EXPECT_EQ(D60.V[D60.L], 1);
  // A Delta that passes the limit it is given is refused before it is built.
  BraidBasics::BLIMITS SHORT;
  SHORT.MAXLENGTH = 1769;
  EXPECT_THROW(BraidBasics::BDELTA(60, SHORT), BraidBasics::BOUNDEXCEEDED);
}

TEST(Integers, SupInfInt) {
  EXPECT_EQ(BraidBasics::SUP(3, -4), 3);
  EXPECT_EQ(BraidBasics::INF(3, -4), -4);
  EXPECT_EQ(BraidBasics::SUP3(1, 7, 5), 7);
  EXPECT_EQ(BraidBasics::SUP3(9, 7, 5), 9);
  EXPECT_EQ(BraidBasics::SUP3(1, 2, 5), 5);
  EXPECT_EQ(BraidBasics::INT("0042"), 42);
  EXPECT_EQ(BraidBasics::INT(""), 0);
  EXPECT_EQ(BraidBasics::INT("2147483647"), 2147483647);
  EXPECT_EQ(BraidBasics::INT("1a"), 10 + 49);  // no check of the characters
}

TEST(Enumerations, ThreeStrandIndices) {
  const char* ALL[] = {"", "a", "b", "A", "B", "aa", "ab", "aA", "aB", "ba", "bb", "bA", "bB", "Aa"};
  for (int P = 0; P < 14; ++P) {
    EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BGENERATED(P, 3)), ALL[P]) << P;
  }
  const char* POS[] = {"", "a", "b", "aa", "ab", "ba", "bb", "aaa", "aab", "aba", "abb"};
  for (int P = 0; P < 11; ++P) {
    EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BPOSGENERATED(P, 3)), POS[P]) << P;
    EXPECT_EQ(BraidBasics::THEPOSITIVEWORD(P, 3), POS[P]) << P;
  }
  const char* FOUR[] = {"", "a", "b", "c", "aa", "ab", "ac", "ba", "bb", "bc", "ca", "cb", "cc", "aaa"};
  for (int P = 0; P < 14; ++P) {
    EXPECT_EQ(BraidBasics::THEPOSITIVEWORD(P, 4), FOUR[P]) << P;
  }
  EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BGENERATED(-3, 3)), "");
  EXPECT_EQ(BraidBasics::THEPOSITIVEWORD(7, 2), "aaaaaaa");
}

TEST(Enumerations, PositiveWordsComeInShortlexOrder) {
  // With m = N - 1 letters, the m^k words of length k take the indices
  // (m^k - 1)/(m - 1) .. (m^(k+1) - 1)/(m - 1) - 1, alphabetically.
  for (int N : {3, 4, 6}) {
    const long M = N - 1;
    long FIRST = 0;
    long COUNT = 1;
    std::string PREVIOUS;
    for (int K = 0; K <= 4; ++K) {
      for (long P = FIRST; P < FIRST + COUNT; ++P) {
        std::string W = BraidBasics::THEPOSITIVEWORD(P, N);
        ASSERT_EQ(static_cast<int>(W.size()), K) << "N=" << N << " P=" << P;
        if (P > FIRST) {
          ASSERT_LT(PREVIOUS, W);
        }
        EXPECT_EQ(BraidBasics::BWORD(BraidBasics::THEPOSITIVEBRAID(P, N)), W);
        EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BPOSGENERATED(P, N)), W);
        PREVIOUS = W;
      }
      FIRST += COUNT;
      COUNT *= M;
    }
  }
}

TEST(Enumerations, DegenerateStrandCountsGiveTheEmptyWordOrDropLetters) {
  for (int N : {1, 0, -4}) {
    EXPECT_EQ(BraidBasics::THEPOSITIVEWORD(12, N), "");
    EXPECT_EQ(BraidBasics::BGENERATED(12, N).L, 0);
    EXPECT_EQ(BraidBasics::BPOSGENERATED(12, N).L, 0);
  }
  // On 28 strands the 27th letter is the character after "z", which BDEF
  // drops.
  EXPECT_EQ(BraidBasics::THEPOSITIVEWORD(27, 28), "{");
  EXPECT_EQ(BraidBasics::THEPOSITIVEBRAID(27, 28).L, 0);
  EXPECT_EQ(BraidBasics::BWORD(BraidBasics::THEPOSITIVEBRAID(26, 28)), "z");
  // Two strands: index P is the letter a P times, refused past the bound.
  EXPECT_THROW(BraidBasics::THEPOSITIVEBRAID(5000, 2), BraidBasics::BOUNDEXCEEDED);
}

}  // namespace
