// Three-strand word codes.
//
// Asserted: the digit alphabet and its inverse; the code table of named
// words; the shape of every code (only the last digit may be 0, and it is 0
// exactly for words ending in b); decoding undoes coding for every word over
// a and b up to 12 letters; code lists, their empty items and the cut of the
// text after the first comma; the codes of alternating forms and their
// padding; and the Garside decoding of codes and lists.
#include "braidbasics/codes3.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "braidbasics/leftnormalform.h"
#include "braidbasics/tablebounds.h"

namespace {

// Restores MAXCODELENGTHINBRAIDLIST when the test ends.
class SAVEDWIDTH {
 public:
  SAVEDWIDTH() : OLD_(BraidBasics::MAXCODELENGTHINBRAIDLIST) {}
  ~SAVEDWIDTH() { BraidBasics::MAXCODELENGTHINBRAIDLIST = OLD_; }

 private:
  std::int32_t OLD_;
};

// The word over a and b whose letters are the bits of MASK, LENGTH letters.
std::string WORDOFBITS(std::uint32_t MASK, int LENGTH) {
  std::string W;
  for (int K = 0; K < LENGTH; ++K) {
    W.push_back((MASK >> K) & 1 ? 'b' : 'a');
  }
  return W;
}

TEST(HEXACODE, DigitsThenCapitalsAndTheInverse) {
  EXPECT_EQ(BraidBasics::HEXACODE(0), '0');
  EXPECT_EQ(BraidBasics::HEXACODE(9), '9');
  EXPECT_EQ(BraidBasics::HEXACODE(10), 'A');
  EXPECT_EQ(BraidBasics::HEXACODE(11), 'B');
  EXPECT_EQ(BraidBasics::HEXACODE(15), 'F');
  EXPECT_EQ(BraidBasics::HEXACODE(35), 'Z');
  EXPECT_EQ(BraidBasics::HEXADECODE('7'), 7);
  EXPECT_EQ(BraidBasics::HEXADECODE('C'), 12);
  for (std::int32_t E = 0; E <= 35; ++E) {
    EXPECT_EQ(BraidBasics::HEXADECODE(BraidBasics::HEXACODE(E)), E) << E;
  }
}

TEST(CODE3, NamedWords) {
  const std::pair<std::string, const char*> CASES[] = {
      {"", ""},
      {"a", "1"},
      {"b", "10"},
      {"ab", "110"},
      {"ba", "11"},
      {"abba", "121"},
      {"aab", "210"},
      {std::string(10, 'a'), "A"},
      {std::string(15, 'a'), "F"},
      {"baaaaaaaaaaaa", "1C"},
      {"bbaaabbbb", "2340"},
      {"?", "?"}};
  for (const auto& [WORD, CODE] : CASES) {
    SCOPED_TRACE(WORD);
    EXPECT_EQ(BraidBasics::CODE3(WORD), CODE);
  }
}

TEST(CODE3, AWordWithAnyOtherCharacterHasNoCode) {
  for (const char* WORD : {"abc", "aB", "a b", "A", "??ined", "??", "ab?", "c"}) {
    SCOPED_TRACE(WORD);
    EXPECT_EQ(BraidBasics::CODE3(WORD), "?");
  }
}

TEST(CODE3, OnlyTheLastDigitMayBeZeroAndDecodingUndoesCoding) {
  for (int LENGTH = 0; LENGTH <= 12; ++LENGTH) {
    for (std::uint32_t MASK = 0; MASK < (1u << LENGTH); ++MASK) {
      const std::string WORD = WORDOFBITS(MASK, LENGTH);
      SCOPED_TRACE(WORD);
      const std::string CODE = BraidBasics::CODE3(WORD);
      ASSERT_EQ(BraidBasics::ALTDECODE3(CODE), WORD);
      if (WORD.empty()) {
        EXPECT_EQ(CODE, "");
        continue;
      }
      EXPECT_EQ(CODE.back() == '0', WORD.back() == 'b');
      EXPECT_EQ(CODE.substr(0, CODE.size() - 1).find('0'), std::string::npos);
      EXPECT_LE(CODE.size(), WORD.size() + 1);
    }
  }
}

TEST(ALTDECODE3, CodesAndCodeLists) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", ""},           {"121", "abba"}, {"110", "ab"},     {"10", "b"},
      {"1C", "baaaaaaaaaaaa"}, {"F", "aaaaaaaaaaaaaaa"}, {"121,10", "abba,b"},
      {"10,,1", "b,,a"},  {",", ","},      {"1,", "a,"},      {",1", ",a"},
      {"1,10,110,11", "a,b,ab,ba"}};
  for (const auto& [CODE, WORD] : CASES) {
    SCOPED_TRACE(CODE);
    EXPECT_EQ(BraidBasics::ALTDECODE3(CODE), WORD);
  }
}

TEST(ALTDECODE3, TheTextAfterTheFirstCommaIsCutTo255Characters) {
  // After the first comma come 100 items "10,", 300 characters: the first 255
  // of them are 85 whole items, the last one ending with its comma, so an
  // empty item closes the list.
  std::string LIST = "1,";
  for (int K = 0; K < 100; ++K) {
    LIST += "10,";
  }
  std::string EXPECTED = "a";
  for (int K = 0; K < 85; ++K) {
    EXPECTED += ",b";
  }
  EXPECTED += ",";
  EXPECT_EQ(BraidBasics::ALTDECODE3(LIST), EXPECTED);
  // A single code after the comma loses everything past 255 characters; a
  // code without a comma is never cut.
  const std::string LONG(300, '1');
  EXPECT_EQ(BraidBasics::ALTDECODE3("1," + LONG),
            "a," + BraidBasics::ALTDECODE3(LONG.substr(0, 255)));
  EXPECT_EQ(BraidBasics::ALTDECODE3(LONG).size(), 300u);
}

TEST(ALTCODE3, CodesOfAlternatingForms) {
  // Forms: abab -> aaba, bab -> aba, ababab -> baabaa, ba -> ba.
  const std::pair<const char*, const char*> CASES[] = {
      {"abab", "211"}, {"bab", "111"}, {"ababab", "1212"}, {"ba", "11"}, {"", ""},
      {"?", "?"},      {"aB", "?"},    {"b", "10"}};
  for (const auto& [WORD, CODE] : CASES) {
    SCOPED_TRACE(WORD);
    EXPECT_EQ(BraidBasics::ALTCODE3(WORD), CODE);
  }
}

TEST(PADDEDALTCODE3, RightAlignedToTheLongestCodeAndNeverCut) {
  SAVEDWIDTH SAVE;
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 3;
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3("?"), "  ?");
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3(""), "   ");
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3("a"), "  1");
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3("abab"), "211");
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3("ababab"), "1212");
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 0;
  EXPECT_EQ(BraidBasics::PADDEDALTCODE3("a"), "1");
}

// The Garside forms with the empty separator: abab gives Db, bab gives D,
// ababab gives DD, baab gives baab, the empty word the empty string.
TEST(GARDECODE3, GarsideFormsOfTheDecodedWords) {
  const std::pair<const char*, const char*> CASES[] = {
      {"?", "?"},
      {"11110", "Db"},
      {"1110", "D"},
      {"1111110", "DD"},
      {"1210", "baab"},
      {"", ""},
      {"11110,1110,?,1210", "Db,D,?,baab"},
      {"1110,", "D,"}};
  for (const auto& [CODE, FORM] : CASES) {
    SCOPED_TRACE(CODE);
    EXPECT_EQ(BraidBasics::GARDECODE3(CODE), FORM);
  }
}

TEST(GARDECODE3, AgreesWithGarnormalOfTheDecodedWord) {
  for (int LENGTH = 0; LENGTH <= 8; ++LENGTH) {
    for (std::uint32_t MASK = 0; MASK < (1u << LENGTH); ++MASK) {
      const std::string CODE = BraidBasics::CODE3(WORDOFBITS(MASK, LENGTH));
      SCOPED_TRACE(CODE);
      EXPECT_EQ(BraidBasics::GARDECODE3(CODE),
                BraidBasics::GARNORMAL(BraidBasics::ALTDECODE3(CODE)));
    }
  }
}

}  // namespace
