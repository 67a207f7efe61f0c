// Lists of braid words.
//
// Asserted: the cuts and joins on their boundary sizes, copying, writing,
// the 15-character entries, and that insertion keeps one entry per braid in
// increasing order and reports FOUND; that insertion in place makes exactly
// the list of the recursive insertion through SPLITLIST and CONCATLIST, for
// the same words in the same order, under R, F and U.
#include "braidconjugacy/lists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/enumeration.h"
#include "tests/braidconjugacy/study_support.h"

namespace {

using BraidConjugacy::ENTRY;
using BraidConjugacy::LIST;

std::unique_ptr<LIST> MAKE(const std::vector<std::string>& WORDS) {
  auto L = std::make_unique<LIST>();
  BraidConjugacy::EMPTYLIST(*L);
  for (const std::string& W : WORDS) {
    L->L += 1;
    BraidConjugacy::SETENTRY(*L, L->L, W);
  }
  return L;
}

std::vector<std::string> WORDSOF(const LIST& L) {
  std::vector<std::string> WORDS;
  for (std::int32_t P = 1; P <= L.L; ++P) {
    WORDS.emplace_back(ENTRY(L, P));
  }
  return WORDS;
}

TEST(Lists, EmptyAndOneEntryLists) {
  auto L = std::make_unique<LIST>();
  BraidConjugacy::EMPTYLIST(*L);
  EXPECT_EQ(L->L, 0);
  EXPECT_EQ(ENTRY(*L, 0), "?");
  BraidConjugacy::INITLIST("ab", *L);
  EXPECT_EQ(L->L, 1);
  EXPECT_EQ(ENTRY(*L, 0), "?");
  EXPECT_EQ(ENTRY(*L, 1), "ab");
}

TEST(Lists, EntriesKeepFifteenCharacters) {
  auto L = MAKE({"abababababababababab"});
  EXPECT_EQ(ENTRY(*L, 1), "abababababababa");
}

TEST(Lists, SplitCutsAroundTheMiddle) {
  const struct {
    std::int32_t SIZE, LEFT, RIGHT;
  } CASES[] = {{1, 0, 0}, {2, 0, 1}, {4, 1, 2}, {5, 2, 2}};
  for (const auto& C : CASES) {
    SCOPED_TRACE(C.SIZE);
    std::vector<std::string> WORDS;
    for (std::int32_t I = 1; I <= C.SIZE; ++I) {
      WORDS.push_back(std::string(static_cast<std::size_t>(I), 'a'));
    }
    auto L = MAKE(WORDS);
    auto L1 = std::make_unique<LIST>();
    auto L2 = std::make_unique<LIST>();
    auto L3 = std::make_unique<LIST>();
    BraidConjugacy::SPLITLIST(*L, *L1, *L2, *L3);
    EXPECT_EQ(L1->L, C.LEFT);
    EXPECT_EQ(L2->L, 1);
    EXPECT_EQ(ENTRY(*L2, 1), WORDS[static_cast<std::size_t>(C.LEFT)]);
    EXPECT_EQ(L3->L, C.RIGHT);
    auto JOINED = std::make_unique<LIST>();
    BraidConjugacy::EMPTYLIST(*JOINED);
    BraidConjugacy::CONCATLIST(*L1, *L2, *L3, *JOINED);
    EXPECT_EQ(WORDSOF(*JOINED), WORDS);
    EXPECT_EQ(ENTRY(*JOINED, 0), "?");
    // The result may be one of the parts.
    BraidConjugacy::CONCATLIST(*L1, *L2, *L3, *L3);
    EXPECT_EQ(WORDSOF(*L3), WORDS);
  }
}

TEST(Lists, CopyAndWrite) {
  auto L = MAKE({"b", "a"});
  auto LL = std::make_unique<LIST>();
  BraidConjugacy::COPYLIST(*L, *LL);
  EXPECT_EQ(WORDSOF(*LL), WORDSOF(*L));
  EXPECT_EQ(ENTRY(*LL, 0), "?");
  korveltest::ConsoleCapture CAPTURE;
  BraidConjugacy::WRITELIST(*L);
  BraidConjugacy::EMPTYLIST(*L);
  BraidConjugacy::WRITELIST(*L);
  EXPECT_EQ(CAPTURE.Output(), "(b; a)()");
}

TEST(Lists, InsertionKeepsOneEntryPerBraid) {
  handlereduction::BORDEROPTION = 'R';
  auto L = std::make_unique<LIST>();
  BraidConjugacy::EMPTYLIST(*L);
  for (const char* W : {"", "a", "b", "ab", "ba", "aa", "bb"}) {
    BraidConjugacy::INSERTLIST(W, *L);
    EXPECT_FALSE(BraidConjugacy::FOUND) << W;
  }
  EXPECT_EQ(WORDSOF(*L), (std::vector<std::string>{"", "b", "bb", "a", "ab", "aa", "ba"}));
  // bab is the braid aba; inserted twice, kept once as the first word.
  BraidConjugacy::INSERTLIST("bab", *L);
  EXPECT_FALSE(BraidConjugacy::FOUND);
  BraidConjugacy::INSERTLIST("aba", *L);
  EXPECT_TRUE(BraidConjugacy::FOUND);
  BraidConjugacy::INSERTLIST("b", *L);
  EXPECT_TRUE(BraidConjugacy::FOUND);
  EXPECT_EQ(L->L, 8);
  EXPECT_EQ(ENTRY(*L, 8), "bab");
  EXPECT_EQ(BraidConjugacy::LISTSIGN("a", "b"), '-');
  EXPECT_EQ(BraidConjugacy::LISTSIGN("b", "a"), '+');
  EXPECT_EQ(BraidConjugacy::LISTSIGN("aba", "bab"), '1');
}

// The insertion as the recursive halving does it, copying the parts.
void RECURSIVEINSERT(const std::string& W, LIST& L) {
  BraidConjugacy::FOUND = false;
  if (L.L == 0) {
    L.L = 1;
    BraidConjugacy::SETENTRY(L, 1, W);
    return;
  }
  auto L1 = std::make_unique<LIST>();
  auto L2 = std::make_unique<LIST>();
  auto L3 = std::make_unique<LIST>();
  BraidConjugacy::SPLITLIST(L, *L1, *L2, *L3);
  const char SIGN = BraidConjugacy::LISTSIGN(ENTRY(*L2, 1), W);
  if (SIGN == '-') {
    RECURSIVEINSERT(W, *L1);
    BraidConjugacy::CONCATLIST(*L1, *L2, *L3, L);
  } else if (SIGN == '+') {
    RECURSIVEINSERT(W, *L3);
    BraidConjugacy::CONCATLIST(*L1, *L2, *L3, L);
  } else if (SIGN == '1') {
    BraidConjugacy::FOUND = true;
  }
}

TEST(Lists, InPlaceInsertionEqualsTheRecursiveOne) {
  for (char OPTION : {'R', 'F', 'U'}) {
    SCOPED_TRACE(OPTION);
    handlereduction::BORDEROPTION = OPTION;
    auto INPLACE = std::make_unique<LIST>();
    auto RECURSIVE = std::make_unique<LIST>();
    BraidConjugacy::EMPTYLIST(*INPLACE);
    BraidConjugacy::EMPTYLIST(*RECURSIVE);
    // All positive words up to 6 letters, as typed (not normalised).
    for (const std::string& W : studytest::ALLWORDS(6)) {
      BraidConjugacy::INSERTLIST(W, *INPLACE);
      const bool FOUNDINPLACE = BraidConjugacy::FOUND;
      RECURSIVEINSERT(W, *RECURSIVE);
      ASSERT_EQ(FOUNDINPLACE, BraidConjugacy::FOUND) << W;
    }
    EXPECT_EQ(WORDSOF(*INPLACE), WORDSOF(*RECURSIVE));
    EXPECT_EQ(INPLACE->L, 79);
    for (std::int32_t P = 1; P < INPLACE->L; ++P) {
      ASSERT_EQ(BraidConjugacy::LISTSIGN(ENTRY(*INPLACE, P), ENTRY(*INPLACE, P + 1)), '+') << P;
    }
  }
  handlereduction::BORDEROPTION = 'R';
}

}  // namespace
