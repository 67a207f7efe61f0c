// Addresses and the alternating normal form.
//
// Asserted: the address operations on named digits; the two worked runs of
// the search (abab on 3 strands, acb on 4) try by try; named forms; and, for
// every positive word on 3 and 4 strands up to 7 letters (5 strands up to 5),
// that the form has the word's length, represents the same braid, and is the
// same for all words of one braid. Equality of positive braids is decided by
// reversing: for positive u and v, right reversing of u^-1 v ends with
// N D^-1 where u N = v D is their least common right multiple, so it ends
// empty exactly when u = v.
#include "braidbasics/alternatingnormalform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/enumeration.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/tablebounds.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::ADDRESS;
using BraidBasics::BRAID;
using korveltest::DEF;
using korveltest::RANDOMPOSITIVE;

ADDRESS ADDR(const std::vector<std::int32_t>& DIGITS) {
  ADDRESS A = BraidBasics::FIRSTADD(static_cast<std::int32_t>(DIGITS.size()));
  for (std::size_t P = 0; P < DIGITS.size(); ++P) {
    A.V[P + 1] = DIGITS[P];
  }
  return A;
}

std::vector<std::int32_t> DIGITS(const ADDRESS& A) {
  return std::vector<std::int32_t>(A.V + 1, A.V + 1 + A.L);
}

// True iff the positive words U and V represent the same braid.
bool SAMEPOSITIVE(const std::string& U, const std::string& V) {
  BRAID X = BraidBasics::BINVERSED(DEF(U));
  BraidBasics::BCONCAT(X, DEF(V));
  BraidBasics::BRIGHTREVERSE(X);
  return X.L == 0;
}

// True iff sigma_I right-divides the positive braid B (B sigma_I^-1 is
// positive), decided by left reversing as a reader of the form would.
bool RIGHTDIVIDES(const BRAID& B, std::int32_t I) {
  BRAID X = BraidBasics::BPROD(B, BraidBasics::BINVERSED(BraidBasics::BSIGMA(I)));
  BraidBasics::BLEFTREVERSE(X);
  return BraidBasics::BPOSITIVE(X);
}

// Restores a global counter when the test ends.
class SAVEDBOUND {
 public:
  explicit SAVEDBOUND(std::int32_t& G) : G_(G), OLD_(G) {}
  ~SAVEDBOUND() { G_ = OLD_; }

 private:
  std::int32_t& G_;
  std::int32_t OLD_;
};

TEST(FIRSTADD, AllDigitsZeroAndTheLengthIsClipped) {
  const ADDRESS A = BraidBasics::FIRSTADD(5);
  EXPECT_EQ(DIGITS(A), (std::vector<std::int32_t>{0, 0, 0, 0, 0}));
  EXPECT_EQ(BraidBasics::FIRSTADD(0).L, 0);
  EXPECT_EQ(BraidBasics::FIRSTADD(-3).L, 0);
  EXPECT_EQ(BraidBasics::FIRSTADD(BraidBasics::MAXADDRESS).L, BraidBasics::MAXADDRESS);
  EXPECT_EQ(BraidBasics::FIRSTADD(BraidBasics::MAXADDRESS + 9).L, BraidBasics::MAXADDRESS);
}

TEST(NEXTADD, AdvancesOneDigitClearsTheLaterOnesAndLeavesTheArgument) {
  const ADDRESS A = ADDR({3, 1, 4, 1, 5});
  EXPECT_EQ(DIGITS(BraidBasics::NEXTADD(A, 3)), (std::vector<std::int32_t>{3, 1, 5, 0, 0}));
  EXPECT_EQ(DIGITS(BraidBasics::NEXTADD(A, 5)), (std::vector<std::int32_t>{3, 1, 4, 1, 6}));
  EXPECT_EQ(DIGITS(BraidBasics::NEXTADD(A, 1)), (std::vector<std::int32_t>{4, 0, 0, 0, 0}));
  EXPECT_EQ(DIGITS(A), (std::vector<std::int32_t>{3, 1, 4, 1, 5}));
  EXPECT_EQ(BraidBasics::NEXTADD(A, 2).L, 5);
}

TEST(GENERATOR, NamedAddresses) {
  struct CASE {
    std::vector<std::int32_t> DIGITS;
    std::int32_t I;
  };
  const CASE CASES[] = {
      {{}, 1},           {{7}, 1},          {{4, 9}, 1},       {{0, 2, 5}, 1},   {{3, 1, 0}, 2},
      {{0, 0, 0}, 1},    {{0, 1, 0}, 2},    {{0, 1, 1}, 2},    {{0, 2, 1}, 1},   {{0, 0, 0, 0}, 1},
      {{0, 0, 1, 0}, 2}, {{0, 1, 0, 0}, 3}, {{0, 1, 1, 0}, 2}, {{5, 2, 4, 7}, 1}, {{0, 0, 1, 0, 0}, 3},
      {{0, 1, 0, 0, 0}, 4}, {{0, 1, 1, 0, 0}, 2}, {{0, 0, 0, 1, 0}, 2}};
  for (const CASE& C : CASES) {
    SCOPED_TRACE(::testing::PrintToString(C.DIGITS));
    EXPECT_EQ(BraidBasics::GENERATOR(ADDR(C.DIGITS)), C.I);
  }
}

TEST(GENERATOR, OnlyParitiesOfDigitsTwoToLMatterAndEveryGeneratorOccurs) {
  // Six digits: V[1] and V[6] have no effect; the parities of V[2..5] name
  // each of the five generators of six strands.
  std::vector<bool> SEEN(6, false);
  for (std::int32_t MASK = 0; MASK < 64; ++MASK) {
    std::vector<std::int32_t> D(6);
    for (int K = 0; K < 6; ++K) {
      D[static_cast<std::size_t>(K)] = (MASK >> K) & 1;
    }
    const std::int32_t I = BraidBasics::GENERATOR(ADDR(D));
    ASSERT_GE(I, 1);
    ASSERT_LE(I, 5);
    SEEN[static_cast<std::size_t>(I)] = true;
    std::vector<std::int32_t> SHIFTED = D;
    SHIFTED[0] += 3;
    SHIFTED[5] += 1;
    for (std::size_t K = 1; K < 5; ++K) {
      SHIFTED[K] += 2;
    }
    EXPECT_EQ(BraidBasics::GENERATOR(ADDR(SHIFTED)), I);
  }
  for (std::int32_t I = 1; I <= 5; ++I) {
    EXPECT_TRUE(SEEN[static_cast<std::size_t>(I)]) << I;
  }
}

TEST(ENTERADD, PromptsAndStoresCharacterCodesMinus96) {
  korveltest::ConsoleCapture CONSOLE("abc\n`z\n" + std::string(60, 'b') + "\na\n");
  ADDRESS A = BraidBasics::FIRSTADD(0);
  BraidBasics::ENTERADD(A);
  EXPECT_EQ(CONSOLE.Take(), "Enter address\n");
  EXPECT_EQ(DIGITS(A), (std::vector<std::int32_t>{1, 2, 3}));
  BraidBasics::ENTERADD(A);
  EXPECT_EQ(DIGITS(A), (std::vector<std::int32_t>{0, 26}));
  BraidBasics::ENTERADD(A);  // only the first 50 characters are kept
  EXPECT_EQ(DIGITS(A), std::vector<std::int32_t>(50, 2));
  BraidBasics::ENTERADD(A);  // the rest of the long line was discarded
  EXPECT_EQ(DIGITS(A), (std::vector<std::int32_t>{1}));
  BraidBasics::ENTERADD(A);  // end of input: no digit
  EXPECT_EQ(A.L, 0);
}

TEST(WRITEADD, DigitsInDecimalWithNothingBetween) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::WRITEADD(ADDR({1, 12, 3}));
  EXPECT_EQ(CONSOLE.Take(), "1123");
  BraidBasics::WRITEADD(BraidBasics::FIRSTADD(0));
  EXPECT_EQ(CONSOLE.Take(), "");
}

// The tries of a run: the address tried, the generator it names, and whether
// that generator divided. The level goes back to the width after a success
// and one up after a failure.
struct TRY {
  std::vector<std::int32_t> ADDRESS;
  std::int32_t I;
  bool DIVIDES;
};

void FOLLOWRUN(const std::string& WORD, std::int32_t N, const std::vector<TRY>& TRIES,
               const std::string& FORM) {
  BRAID B = DEF(WORD);
  ADDRESS A = BraidBasics::FIRSTADD(N);
  std::int32_t P = N;
  for (std::size_t K = 0; K < TRIES.size(); ++K) {
    SCOPED_TRACE("try " + std::to_string(K + 1));
    ASSERT_GT(B.L, 0);
    EXPECT_EQ(DIGITS(A), TRIES[K].ADDRESS);
    const std::int32_t I = BraidBasics::GENERATOR(A);
    EXPECT_EQ(I, TRIES[K].I);
    EXPECT_EQ(RIGHTDIVIDES(B, I), TRIES[K].DIVIDES);
    if (RIGHTDIVIDES(B, I)) {
      B = BraidBasics::BPROD(B, BraidBasics::BINVERSED(BraidBasics::BSIGMA(I)));
      BraidBasics::BLEFTREVERSE(B);
      P = N;
    } else {
      --P;
    }
    A = BraidBasics::NEXTADD(A, P);
  }
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF(WORD)), FORM);
}

TEST(BALTNORMALWORD, WorkedRunAbabOnThreeStrands) {
  FOLLOWRUN("abab", 3,
            {{{0, 0, 0}, 1, true},
             {{0, 0, 1}, 1, false},
             {{0, 1, 0}, 2, true},
             {{0, 1, 1}, 2, false},
             {{0, 2, 0}, 1, true},
             {{0, 2, 1}, 1, true}},
            "aaba");
}

TEST(BALTNORMALWORD, WorkedRunAcbOnFourStrands) {
  FOLLOWRUN("acb", 4,
            {{{0, 0, 0, 0}, 1, false},
             {{0, 0, 1, 0}, 2, true},
             {{0, 0, 1, 1}, 2, false},
             {{0, 0, 2, 0}, 1, true},
             {{0, 0, 2, 1}, 1, false},
             {{0, 0, 3, 0}, 2, false},
             {{0, 1, 0, 0}, 3, true}},
            "cab");
}

TEST(BALTNORMALWORD, NamedWords) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", ""},           {"a", "a"},           {"aa", "aa"},         {"ab", "ab"},
      {"ba", "ba"},       {"aba", "aba"},       {"bab", "aba"},       {"abab", "aaba"},
      {"ababab", "baabaa"}, {"ac", "ca"},       {"ca", "ca"},         {"abacba", "abcaba"},
      {"cbabc", "abcba"}, {"acb", "cab"},       {"abcd", "abcd"},     {"dcba", "dcba"},
      {"bbb", "bbb"},     {"a b-a", "aba"}};
  for (const auto& [WORD, FORM] : CASES) {
    SCOPED_TRACE(WORD);
    EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF(WORD)), FORM);
    EXPECT_EQ(BraidBasics::ALTNORMAL(WORD), FORM);
  }
}

TEST(BALTNORMALWORD, WideWords) {
  // Ascending and descending runs of adjacent generators have one positive
  // word only, so they are their own forms; in zaz the letter a is found
  // first (the first address names it) and zz is what remains.
  const std::string UP = "abcdefghijklmnopqrstuvwxyz";
  const std::string DOWN(UP.rbegin(), UP.rend());
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF(UP)), UP);
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF(DOWN)), DOWN);
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF("zaz")), "zza");
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF("za")), "za");
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF("az")), "za");
}

TEST(BALTNORMALWORD, UnitAndUndefinedGiveTheEmptyString) {
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(BraidBasics::BONE()), "");
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(BraidBasics::BUNDEFINED()), "");
  BRAID WIDE = BraidBasics::BONE();
  WIDE.W = 7;
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(WIDE), "");
}

TEST(BALTNORMALWORD, ANegativeLetterGivesTheUndefinedText) {
  for (const char* WORD : {"A", "aB", "abA", "Zab", "abcdeF"}) {
    SCOPED_TRACE(WORD);
    EXPECT_EQ(BraidBasics::BALTNORMALWORD(DEF(WORD)), "??ined");
    EXPECT_EQ(BraidBasics::ALTNORMAL(WORD), "??ined");
  }
}

TEST(BALTNORMALWORD, TheWidthBeyondTheLettersChangesNothing) {
  for (const char* WORD : {"abab", "acb", "abacba", "cbabc", "bab"}) {
    SCOPED_TRACE(WORD);
    const std::string FORM = BraidBasics::BALTNORMALWORD(DEF(WORD));
    for (std::int32_t W = DEF(WORD).W; W <= BraidBasics::BMAXWIDTH; ++W) {
      BRAID B = DEF(WORD);
      B.W = W;
      EXPECT_EQ(BraidBasics::BALTNORMALWORD(B), FORM) << W;
    }
  }
}

TEST(BALTNORMALWORD, GrowthPastTheBoundIsRefused) {
  // Each try appends one letter: a word of BMAXLENGTH letters has no room.
  BRAID B = DEF(std::string(static_cast<std::size_t>(BraidBasics::BMAXLENGTH), 'a'));
  EXPECT_THROW(BraidBasics::BALTNORMALWORD(B), BraidBasics::BOUNDEXCEEDED);
  B.L = BraidBasics::BMAXLENGTH - 1;
  EXPECT_EQ(BraidBasics::BALTNORMALWORD(B),
            std::string(static_cast<std::size_t>(BraidBasics::BMAXLENGTH - 1), 'a'));
}

// Every positive word on N strands with at most MAXLENGTH letters: its form
// has its length and represents its braid; words are grouped by form, the
// number of distinct forms of each length is the number of positive braids of
// that length (COUNTS, from the growth series of the positive braid monoid),
// and forms of equal length are pairwise distinct braids. Together: one form
// per braid, and the same form for all words of a braid.
void CHECKALLWORDS(std::int32_t N, std::int32_t MAXLENGTH, const std::vector<int>& COUNTS) {
  std::vector<std::map<std::string, std::vector<std::string>>> BYLENGTH(
      static_cast<std::size_t>(MAXLENGTH) + 1);
  for (std::int64_t P = 0;; ++P) {
    const BRAID B = BraidBasics::BPOSGENERATED(P, N);
    if (B.L > MAXLENGTH) {
      break;
    }
    const std::string WORD = BraidBasics::BWORD(B);
    SCOPED_TRACE(WORD);
    const std::string FORM = BraidBasics::BALTNORMALWORD(B);
    ASSERT_EQ(static_cast<std::int32_t>(FORM.size()), B.L);
    ASSERT_TRUE(SAMEPOSITIVE(WORD, FORM));
    BRAID WIDE = B;
    WIDE.W = N;
    ASSERT_EQ(BraidBasics::BALTNORMALWORD(WIDE), FORM);
    BYLENGTH[static_cast<std::size_t>(B.L)][FORM].push_back(WORD);
  }
  for (std::size_t K = 0; K < BYLENGTH.size(); ++K) {
    SCOPED_TRACE("length " + std::to_string(K));
    if (K < COUNTS.size()) {
      EXPECT_EQ(static_cast<int>(BYLENGTH[K].size()), COUNTS[K]);
    }
    std::vector<std::string> FORMS;
    for (const auto& [FORM, WORDS] : BYLENGTH[K]) {
      EXPECT_EQ(BraidBasics::ALTNORMAL(FORM), FORM);  // a form is its own form
      FORMS.push_back(FORM);
    }
    for (std::size_t X = 0; X < FORMS.size(); ++X) {
      for (std::size_t Y = X + 1; Y < FORMS.size(); ++Y) {
        ASSERT_FALSE(SAMEPOSITIVE(FORMS[X], FORMS[Y])) << FORMS[X] << " " << FORMS[Y];
      }
    }
  }
}

// Positive braids of length k: on 3 strands the coefficients of
// 1 / (1 - 2t + t^3), on 4 strands of 1 / (1 - 3t + t^2 + 2t^3 - t^6).
TEST(BALTNORMALWORD, AllWordsOnThreeStrandsUpToSevenLetters) {
  CHECKALLWORDS(3, 7, {1, 2, 4, 7, 12, 20, 33, 54});
}

TEST(BALTNORMALWORD, AllWordsOnFourStrandsUpToSevenLetters) {
  CHECKALLWORDS(4, 7, {1, 3, 8, 19, 43, 94, 202, 429});
}

TEST(BALTNORMALWORD, AllWordsOnFiveStrandsUpToFiveLetters) { CHECKALLWORDS(5, 5, {}); }

// Applies one positive relation at a random place if one applies there: a far
// commutation xy -> yx or a braid relation xyx -> yxy. Such moves connect all
// positive words of one braid.
std::string RELATIONMOVE(std::string W, std::mt19937& RNG) {
  if (W.size() < 2) {
    return W;
  }
  const std::size_t P = RNG() % (W.size() - 1);
  const int X = W[P];
  const int Y = W[P + 1];
  if (X - Y >= 2 || Y - X >= 2) {
    std::swap(W[P], W[P + 1]);
  } else if ((X - Y == 1 || Y - X == 1) && P + 2 < W.size() && W[P + 2] == W[P]) {
    W[P] = W[P + 2] = static_cast<char>(Y);
    W[P + 1] = static_cast<char>(X);
  }
  return W;
}

TEST(BALTNORMALWORD, RelationMovesOnWideWordsKeepTheForm) {
  const std::uint32_t SEED = 20240605;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 300; ++T) {
    const int LENGTH = 1 + static_cast<int>(RNG() % 14);
    const int STRANDS = 2 + static_cast<int>(RNG() % 9);
    const std::string WORD = RANDOMPOSITIVE(RNG, LENGTH, STRANDS);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + WORD);
    const std::string FORM = BraidBasics::ALTNORMAL(WORD);
    ASSERT_EQ(FORM.size(), WORD.size());
    ASSERT_TRUE(SAMEPOSITIVE(WORD, FORM));
    std::string MOVED = WORD;
    for (int M = 0; M < 40; ++M) {
      MOVED = RELATIONMOVE(MOVED, RNG);
    }
    ASSERT_EQ(BraidBasics::ALTNORMAL(MOVED), FORM) << MOVED;
  }
}

TEST(ALTNORMAL, TheMissingMarkerPassesThrough) {
  EXPECT_EQ(BraidBasics::ALTNORMAL("?"), "?");
  EXPECT_EQ(BraidBasics::ALTNORMAL(""), "");
  EXPECT_EQ(BraidBasics::ALTNORMAL("??"), "");  // no letter: the unit
}

TEST(PADDEDALTNORMAL, RightAlignedToTheLengthBoundAndNeverCut) {
  SAVEDBOUND SAVE(BraidBasics::LENGTHBOUND);
  BraidBasics::LENGTHBOUND = 5;
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL("ab"), "   ab");
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL("bab"), "  aba");
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL("?"), "    ?");
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL(""), "     ");
  BraidBasics::LENGTHBOUND = 1;
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL("ab"), "ab");
  BraidBasics::LENGTHBOUND = 0;
  EXPECT_EQ(BraidBasics::PADDEDALTNORMAL("abab"), "aaba");
}

}  // namespace
