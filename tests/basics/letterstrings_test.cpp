// Letter strings: letters and their inverses, free reduction, the shortlex
// order, substitution, compaction, re-punctuation, erasure and the parser of
// one relation.
#include "basics/letterstrings.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/random_words.h"

namespace {

using namespace basics;

TEST(Letters, ClassesStopAtTheAlphabetBoundaries) {
  // '@' and '[' flank "A".."Z", '`' and '{' flank "a".."z".
  for (char C : std::string("@[`{1 \x80\xff")) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(C)));
    EXPECT_FALSE(ISLETTER(C));
    EXPECT_EQ(INVCHAR(C), C);
  }
  EXPECT_TRUE(ISNEGLETTER('A') && ISNEGLETTER('Z') && !ISNEGLETTER('a'));
  EXPECT_TRUE(ISPOSLETTER('a') && ISPOSLETTER('z') && !ISPOSLETTER('Z'));
  EXPECT_TRUE(ISLETTER('q') && ISLETTER('Q'));
  EXPECT_EQ(INVCHAR('a'), 'A');
  EXPECT_EQ(INVCHAR('Z'), 'z');
  EXPECT_EQ(INVCHAR('7'), '7');
}

TEST(Letters, NextCharWrapsAfterCode255) {
  EXPECT_EQ(NEXTCHAR('a'), 'b');
  EXPECT_EQ(NEXTCHAR('\x7f'), '\x80');
  EXPECT_EQ(NEXTCHAR('\xff'), '\0');
  EXPECT_EQ(NEXTCHAR('\0'), '\x01');
}

TEST(Words, InverseAndMirror) {
  EXPECT_EQ(INVSTR("abC"), "cBA");
  EXPECT_EQ(MIRRORSTR("abC"), "Cba");
  EXPECT_EQ(INVSTR(""), "");
  EXPECT_EQ(INVSTR("a1B"), "b1A");
  for (const char* W : {"", "a", "abcABC", "xY1z"}) {
    EXPECT_EQ(INVSTR(INVSTR(W)), W);
    EXPECT_EQ(MIRRORSTR(MIRRORSTR(W)), W);
  }
}

TEST(Words, SignOfAWord) {
  EXPECT_TRUE(ISNEGSTR(""));
  EXPECT_TRUE(ISPOSSTR(""));
  EXPECT_TRUE(ISNEGSTR("ABZ"));
  EXPECT_FALSE(ISNEGSTR("ABz"));
  EXPECT_TRUE(ISPOSSTR("abz"));
  EXPECT_FALSE(ISPOSSTR("ab1"));
  EXPECT_FALSE(ISPOSSTR("aB"));
}

// The reduction as a literal search: delete the first cancelling pair, start
// again, until there is none.
std::string NaiveFreeReduction(std::string W) {
  for (bool CHANGED = true; CHANGED;) {
    CHANGED = false;
    for (std::size_t P = 0; P + 1 < W.size(); ++P) {
      if (INVCHAR(W[P]) == W[P + 1]) {
        W.erase(P, 2);
        CHANGED = true;
        break;
      }
    }
  }
  return W;
}

TEST(FREEREDUCE, NamedWords) {
  struct Case { const char* name; const char* word; const char* reduced; };
  const Case kCases[] = {
      {"empty", "", ""},
      {"nested pairs", "abBA", ""},
      {"pair in front", "aAb", "b"},
      {"pair at the end leaves the first letter", "aAa", "a"},
      {"pair after a letter", "abB", "a"},
      {"inner cascade", "abcCBd", "ad"},
      {"already reduced", "abAB", "abAB"},
      {"doubled non-letter cancels", "x11X", ""},
      {"same letter twice stays", "aa", "aa"},
  };
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.name);
    std::string W = C.word;
    FREEREDUCE(W);
    EXPECT_EQ(W, C.reduced);
    EXPECT_TRUE(FREEREDUCED(W));
  }
  EXPECT_FALSE(FREEREDUCED("aA"));
  EXPECT_FALSE(FREEREDUCED("bAa"));
  EXPECT_TRUE(FREEREDUCED("ab"));
  EXPECT_TRUE(FREEREDUCED(""));
  EXPECT_TRUE(FREEREDUCED("a"));
}

TEST(FREEREDUCE, SeededRandomWordsMatchTheLiteralSearch) {
  const unsigned kSeed = 20240607;
  std::mt19937 RNG(kSeed);
  const std::string kAlphabet = "abAB1";  // few letters: many cancellations
  for (int T = 0; T < 500; ++T) {
    const std::string W = korveltest::RANDOMSTRING(RNG, static_cast<int>(RNG() % 40), kAlphabet);
    SCOPED_TRACE("seed " + std::to_string(kSeed) + ", word " + W);
    std::string R = W;
    FREEREDUCE(R);
    EXPECT_EQ(R, NaiveFreeReduction(W));
    std::string AGAIN = R;
    FREEREDUCE(AGAIN);
    EXPECT_EQ(AGAIN, R);
    // W R^-1 is trivial in the free group.
    std::string QUOTIENT = W + INVSTR(R);
    FREEREDUCE(QUOTIENT);
    EXPECT_EQ(QUOTIENT, "");
  }
}

TEST(Letters, DistinctLetters) {
  EXPECT_EQ(THENEGLETTERS("aBcAB1A"), "BA");
  EXPECT_EQ(THEPOSLETTERS("cAbcab"), "cba");
  EXPECT_EQ(THEPOSLETTERS(""), "");
  EXPECT_EQ(THELETTERS("cAbBa1c"), "abc");
  EXPECT_EQ(THELETTERS("ABC"), "");
  EXPECT_EQ(THELETTERS("zyxa"), "axyz");
  EXPECT_EQ(NBLETTERS("zyxaZ"), 4);
  EXPECT_EQ(NBLETTERS(""), 0);
}

TEST(ISPREFIX, EmptyAndWholeStringsArePrefixes) {
  EXPECT_TRUE(ISPREFIX("", ""));
  EXPECT_TRUE(ISPREFIX("", "ab"));
  EXPECT_TRUE(ISPREFIX("ab", "ab"));
  EXPECT_TRUE(ISPREFIX("a", "ab"));
  EXPECT_FALSE(ISPREFIX("b", "ab"));
  EXPECT_FALSE(ISPREFIX("abc", "ab"));
}

TEST(SHORTLEXSMALLER, LengthFirstThenCodes) {
  EXPECT_TRUE(SHORTLEXSMALLER("b", "aa"));
  EXPECT_FALSE(SHORTLEXSMALLER("aa", "b"));
  EXPECT_TRUE(SHORTLEXSMALLER("ab", "ba"));
  EXPECT_FALSE(SHORTLEXSMALLER("ab", "ab"));
  EXPECT_FALSE(SHORTLEXSMALLER("ba", "ab"));
  EXPECT_TRUE(SHORTLEXSMALLER("", "a"));
  EXPECT_FALSE(SHORTLEXSMALLER("", ""));
  EXPECT_TRUE(SHORTLEXSMALLER("B", "a"));         // code 66 before 97
  EXPECT_TRUE(SHORTLEXSMALLER("a", "\xff"));      // codes are unsigned
  EXPECT_FALSE(SHORTLEXSMALLER("\xff", "a"));
  // Long strings are compared in full.
  std::string U(300, 'a');
  std::string V = U;
  V[299] = 'b';
  EXPECT_TRUE(SHORTLEXSMALLER(U, V));
  EXPECT_FALSE(SHORTLEXSMALLER(V, U));
}

TEST(SUBST, ReplacesByThePieceOfTheFirstOccurrence) {
  EXPECT_EQ(SUBST("abA", "ab", "ba/c"), "bacA");
  EXPECT_EQ(SUBST("ab", "ab", "x y/ z"), "xyz");    // blanks of the image dropped
  EXPECT_EQ(SUBST("abc", "abc", "X/Y"), "XY");      // c has no piece
  EXPECT_EQ(SUBST("a", "aa", "1/2"), "1");          // first occurrence counts
  EXPECT_EQ(SUBST("ab", "", "x"), "ab");
  EXPECT_EQ(SUBST("", "a", "x"), "");
  EXPECT_EQ(SUBST("aba", "a", ""), "b");            // the one piece is empty
}

TEST(NE, EmptyIsOne) {
  EXPECT_EQ(NE(""), "1");
  EXPECT_EQ(NE("ab"), "ab");
}

TEST(COMPACTION, RunsBecomePowers) {
  EXPECT_EQ(COMPACTION("a"), "a");
  EXPECT_EQ(COMPACTION("aabbb"), "a^2b^3");
  EXPECT_EQ(COMPACTION("aaab"), "a^3b");
  EXPECT_EQ(COMPACTION("abba"), "ab^2a");
  EXPECT_EQ(COMPACTION("xxxxxxxxxxxx"), "x^12");
  EXPECT_EQ(COMPACTION(""), "empty");
  EXPECT_EQ(COMPACTION(std::string(254, 'a')), "a^254");
  EXPECT_EQ(COMPACTION(std::string(255, 'a')), "too long");
  // Only the length of a cut line is refused; longer strings are compacted.
  EXPECT_EQ(COMPACTION(std::string(256, 'a')), "a^256");
  EXPECT_EQ(COMPACTION(std::string(200, 'a') + std::string(200, 'B')), "a^200B^200");
}

TEST(PADDING, TheTwoStyles) {
  EXPECT_EQ(PADDING("abc", "$,"), "a,b,c");
  EXPECT_EQ(PADDING("a", "$,"), "a");
  EXPECT_EQ(PADDING("", "$,"), "");
  EXPECT_EQ(PADDING("a,b,", ", "), "a, b");
  EXPECT_EQ(PADDING("a,,b", ", "), "a, , b");
  EXPECT_EQ(PADDING(",", ", "), "");
  EXPECT_EQ(PADDING("a,b", "$"), "a,b");
  EXPECT_EQ(PADDING("a,b", ""), "a,b");
}

TEST(ERASEBLOCK, RepeatsUntilNoOccurrenceIsLeft) {
  struct Case { const char* name; const char* block; const char* word; const char* left; };
  const Case kCases[] = {
      {"nested", "ab", "aabb", ""},
      {"nested in context", "ab", "xaabby", "xy"},
      {"junctions", "xy", "xxyy x y", " x y"},
      {"leftmost first", "aba", "ababa", "ba"},
      {"empty block", "", "abc", "abc"},
      {"absent", "q", "abc", "abc"},
  };
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.name);
    std::string W = C.word;
    ERASEBLOCK(C.block, W);
    EXPECT_EQ(W, C.left);
  }
}

TEST(ERASEALLCHAR, DeletesEveryListedCharacter) {
  std::string W = "abcabd a";
  ERASEALLCHAR("a b", W);
  EXPECT_EQ(W, "cd");
  W = "abc";
  ERASEALLCHAR("", W);
  EXPECT_EQ(W, "abc");
}

TEST(PARSEATOMICFORMULA, SplitsTermsAndSign) {
  std::string TL = "old", REL = "old", TR = "old";
  PARSEATOMICFORMULA("ab=ba", TL, REL, TR);
  EXPECT_EQ(TL, "ab");
  EXPECT_EQ(REL, "=");
  EXPECT_EQ(TR, "ba");
  PARSEATOMICFORMULA("ab \\leq ba", TL, REL, TR);
  EXPECT_EQ(TL, "ab");
  EXPECT_EQ(REL, "\\leq");
  EXPECT_EQ(TR, "ba");
  PARSEATOMICFORMULA("a1 b = c2 = d", TL, REL, TR);  // non-letters skipped
  EXPECT_EQ(TL, "ab");
  EXPECT_EQ(REL, "=");
  EXPECT_EQ(TR, "cd");
  PARSEATOMICFORMULA("abc", TL, REL, TR);  // no sign: all on the left
  EXPECT_EQ(TL, "abc");
  EXPECT_EQ(REL, "");
  EXPECT_EQ(TR, "");
  PARSEATOMICFORMULA("", TL, REL, TR);
  EXPECT_EQ(TL + REL + TR, "");
  // The formula may be held by one of the outputs.
  TL = "xY\\sim Zz";
  PARSEATOMICFORMULA(TL, TL, REL, TR);
  EXPECT_EQ(TL, "xY");
  EXPECT_EQ(REL, "\\sim");
  EXPECT_EQ(TR, "Zz");
}

}  // namespace
