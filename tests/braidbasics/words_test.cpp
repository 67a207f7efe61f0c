// Reading braid words from the console and writing them back.
#include "braidbasics/words.h"

#include <gtest/gtest.h>

#include <string>

#include "braidbasics/braid.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;

const std::string kEnter =
    "Enter a braid word, using \"a\" for \"sigma_1\" and \"A\" for \"sigma_1^{-1}\" etc.\n    > ";

TEST(BENTER, PromptsAndReadsOneLine) {
  korveltest::ConsoleCapture CONSOLE("a b  A\nbb\n");
  BRAID B;
  BraidBasics::BENTER(B);
  EXPECT_EQ(CONSOLE.Take(), kEnter);
  EXPECT_EQ(BraidBasics::BWORD(B), "abA");
  EXPECT_EQ(B.W, 3);
  BraidBasics::BENTER(B);
  EXPECT_EQ(BraidBasics::BWORD(B), "bb");
  // The end of the input gives the empty braid, every time.
  BraidBasics::BENTER(B);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(B.W, 1);
  BraidBasics::BENTER(B);
  EXPECT_EQ(B.L, 0);
}

TEST(BENTER, KeepsTheFirst255CharactersOfALine) {
  korveltest::ConsoleCapture CONSOLE(std::string(300, 'a') + "\nb\n");
  BRAID B;
  BraidBasics::BENTER(B);
  EXPECT_EQ(B.L, 255);
  BraidBasics::BENTER(B);  // the rest of the long line was discarded
  EXPECT_EQ(BraidBasics::BWORD(B), "b");
}

TEST(BENTERPOSAndBENTER2, PromptsAndLineEnds) {
  korveltest::ConsoleCapture CONSOLE("aB\r\nc\rd\r\r\n");
  BRAID B1;
  BRAID B2;
  BraidBasics::BENTERPOS(B1);
  EXPECT_EQ(CONSOLE.Take(),
            "Enter a positive braid word, using \"a\" for \"sigma_1\" etc.\n    > ");
  EXPECT_EQ(BraidBasics::BWORD(B1), "aB");  // positivity is not checked
  BraidBasics::BENTER2(B1, B2);
  EXPECT_EQ(CONSOLE.Take(),
            "Enter two braid words, using \"a\" for \"sigma_1\" and \"A\" for "
            "\"sigma_1^{-1}\" etc.\n    > B1 =     > B2 = ");
  EXPECT_EQ(BraidBasics::BWORD(B1), "c");
  EXPECT_EQ(BraidBasics::BWORD(B2), "d");
  // "\r" then "\r\n": two line ends, so one empty line is left.
  BraidBasics::BENTER(B1);
  EXPECT_EQ(B1.L, 0);
  BraidBasics::BENTER(B1);
  EXPECT_EQ(B1.L, 0);
}

TEST(BWORD, UndefinedUnitAndLetters) {
  EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BUNDEFINED()), "?");
  EXPECT_EQ(BraidBasics::BWORD(BraidBasics::BONE()), "");
  EXPECT_EQ(BraidBasics::BWORD(DEF("azAZ")), "azAZ");
}

TEST(BWRITE, UnitUndefinedAndLinesOf65) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::BWRITE(BraidBasics::BUNDEFINED());
  EXPECT_EQ(CONSOLE.Take(), "??ined");
  BraidBasics::BWRITELN(BraidBasics::BONE());
  EXPECT_EQ(CONSOLE.Take(), "1\n");
  std::string W = std::string(65, 'a') + std::string(65, 'B');
  BraidBasics::BWRITE(DEF(W));
  EXPECT_EQ(CONSOLE.Take(), std::string(65, 'a') + "\n     " + std::string(65, 'B') + "\n     ");
  BraidBasics::BWRITE(DEF(std::string(66, 'c')));
  EXPECT_EQ(CONSOLE.Take(), std::string(65, 'c') + "\n     c");
}

TEST(BSPECIALWRITELN, DotsAroundTheStretch) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::BSPECIALWRITELN(DEF("abcde"), 2, 3);
  EXPECT_EQ(CONSOLE.Take(), "a.bc.de\n");
  BraidBasics::BSPECIALWRITELN(DEF("abcde"), 1, 5);
  EXPECT_EQ(CONSOLE.Take(), ".abcde.\n");
  BraidBasics::BSPECIALWRITELN(BraidBasics::BONE(), 1, 0);
  EXPECT_EQ(CONSOLE.Take(), "1.\n");
  BraidBasics::BSPECIALWRITELN(BraidBasics::BUNDEFINED(), 1, 5);
  EXPECT_EQ(CONSOLE.Take(), "1\n");
  BraidBasics::BSPECIALWRITELN(DEF("abcde"), 3, 2);  // an empty stretch: one dot
  EXPECT_EQ(CONSOLE.Take(), "ab.cde\n");
  // Lines of 80 letters; the dots are not counted.
  std::string W = std::string(85, 'a');
  BraidBasics::BSPECIALWRITELN(DEF(W), 79, 82);
  EXPECT_EQ(CONSOLE.Take(),
            std::string(78, 'a') + ".aa\n     aa.aaa\n");
}

TEST(WRITEFIX, PadsButNeverCuts) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::WRITEFIX("ab", 5);
  EXPECT_EQ(CONSOLE.Take(), "ab   ");
  BraidBasics::WRITEFIX("ab", 1);
  EXPECT_EQ(CONSOLE.Take(), "ab");
  BraidBasics::WRITEFIX("", -3);
  EXPECT_EQ(CONSOLE.Take(), "");
}

}  // namespace
