// TeX fragments of braid words: the three notations, their line-break texts,
// the underlined form with its echo on the console, and a closed target.
#include "braidbasics/tex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "braidbasics/braid.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;

const std::string kTtBreak = "\\hfill\\break\\indent ";
const std::string kMathBreak = "\\hfill \\break \\indent ";

// Points TEX at a string for the length of a test and puts the globals back.
class Tex : public ::testing::Test {
 protected:
  void SetUp() override {
    BraidBasics::TEX = &tex_;
    BraidBasics::BPRINTSTYLE = '\0';
  }
  void TearDown() override {
    BraidBasics::TEX = nullptr;
    BraidBasics::BPRINTSTYLE = '\0';
  }
  std::string Take() {
    std::string TEXT = tex_.str();
    tex_.str("");
    return TEXT;
  }
  std::string Print(char STYLE, const BRAID& B) {
    BraidBasics::BPRINTSTYLE = STYLE;
    BraidBasics::BPRINT(B);
    return Take();
  }
  std::ostringstream tex_;
};

TEST(TexGlobals, NothingIsOpenAndNoStyleAtStart) {
  EXPECT_EQ(BraidBasics::TEX, nullptr);
  EXPECT_EQ(BraidBasics::BPRINTSTYLE, '\0');
}

TEST_F(Tex, TheThreeNotations) {
  const BRAID B = DEF("aB");
  EXPECT_EQ(Print('A', B), " \\ni $\\tt aB$\n");
  EXPECT_EQ(Print('1', B), " \\ni $ \\; 1 \\;\\bar2$\n");
  EXPECT_EQ(Print('s', B), " \\ni $ \\s_1 \\s_2^{-1}$ \n");
}

TEST_F(Tex, TheEmptyWordStartsWithTheUnit) {
  const BRAID E = BraidBasics::BONE();
  EXPECT_EQ(Print('A', E), "$\\e$  \\ni $\\tt $\n");
  EXPECT_EQ(Print('1', E), "$1$  \\ni $$\n");
  EXPECT_EQ(Print('s', E), "$1$  \\ni $$ \n");
  // The width is not read: the undefined braid is written the same way.
  const BRAID U = BraidBasics::BUNDEFINED();
  EXPECT_EQ(Print('A', U), "$\\e$  \\ni $\\tt $\n");
  EXPECT_EQ(Print('s', U), "$1$  \\ni $$ \n");
}

TEST_F(Tex, IndicesAreWrittenInDecimal) {
  BRAID B = DEF("jZ");  // +10, -26
  EXPECT_EQ(Print('1', B), " \\ni $ \\; 10 \\;\\bar26$\n");
  EXPECT_EQ(Print('s', B), " \\ni $ \\s_10 \\s_26^{-1}$ \n");
  B.V[1] = 30;  // past the letters of the keyboard
  B.W = 31;
  EXPECT_EQ(Print('1', B), " \\ni $ \\; 30 \\;\\bar26$\n");
  EXPECT_EQ(Print('A', B), std::string(" \\ni $\\tt ") + BraidBasics::BLETTERCHAR(30) + "Z$\n");
}

TEST_F(Tex, AnyOtherStyleWritesNothing) {
  const BRAID B = DEF("ab");
  for (char STYLE : {'\0', 'a', 'S', 'x', '2'}) {
    SCOPED_TRACE(static_cast<int>(STYLE));
    EXPECT_EQ(Print(STYLE, B), "");
    BraidBasics::BPRINTLN(B);
    EXPECT_EQ(Take(), "\n\n");
  }
}

TEST_F(Tex, PrintlnAddsAnEmptyLine) {
  BraidBasics::BPRINTSTYLE = 'A';
  BraidBasics::BPRINTLN(DEF("aB"));
  EXPECT_EQ(Take(), " \\ni $\\tt aB$\n\n\n");
  BraidBasics::BPRINTSTYLE = 's';
  BraidBasics::BPRINTLN(DEF("b"));
  EXPECT_EQ(Take(), " \\ni $ \\s_2$ \n\n\n");
}

TEST_F(Tex, MathStylesBreakEveryTwentyLettersOnOneLine) {
  const BRAID B = DEF(std::string(20, 'a') + std::string(20, 'B'));
  const std::string ONES = [] {
    std::string S;
    for (int K = 0; K < 20; ++K) S += " \\; 1";
    return S;
  }();
  const std::string BARS = [] {
    std::string S;
    for (int K = 0; K < 20; ++K) S += " \\;\\bar2";
    return S;
  }();
  const std::string NUMBERS = Print('1', B);
  EXPECT_EQ(NUMBERS, " \\ni $" + ONES + kMathBreak + BARS + kMathBreak + "$\n");
  const std::string SIGMAS = Print('s', B);
  EXPECT_EQ(std::count(SIGMAS.begin(), SIGMAS.end(), '\n'), 1);
  std::string EXPECTED = " \\ni $";
  for (int K = 0; K < 20; ++K) EXPECTED += " \\s_1";
  EXPECTED += kMathBreak;
  for (int K = 0; K < 20; ++K) EXPECTED += " \\s_2^{-1}";
  EXPECTED += kMathBreak + "$ \n";
  EXPECT_EQ(SIGMAS, EXPECTED);
  // 19 letters: no break at all; 21 letters: one, after the 20th.
  EXPECT_EQ(Print('1', DEF(std::string(19, 'a'))).find("\\hfill"), std::string::npos);
  EXPECT_EQ(Print('1', DEF(std::string(20, 'a') + "b")), " \\ni $" + ONES + kMathBreak + " \\; 2$\n");
}

TEST_F(Tex, TypewriterLinesHoldSixtyFiveLetters) {
  std::string W;
  for (int K = 0; K < 130; ++K) W.push_back("abcABC"[K % 6]);
  const std::string TEXT = Print('A', DEF(W));
  EXPECT_EQ(TEXT, " \\ni $\\tt " + W.substr(0, 65) + kTtBreak + "\n" + W.substr(65) + kTtBreak +
                      "\n$\n");
  const std::string SHORTER = Print('A', DEF(W.substr(0, 66)));
  EXPECT_EQ(SHORTER, " \\ni $\\tt " + W.substr(0, 65) + kTtBreak + "\n" + W.substr(65, 1) + "$\n");
}

TEST_F(Tex, SpecialPrintUnderlinesAndEchoes) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::BPRINTSTYLE = '1';  // not looked at
  BraidBasics::BSPECIALPRINTLN(DEF("abcde"), 2, 3);
  EXPECT_EQ(Take(), " \\ni $\\tt a\\underline{ bc} de$\n\n\n");
  EXPECT_EQ(CONSOLE.Take(), "a  bc  de\n");
  BraidBasics::BSPECIALPRINTLN(DEF("abcde"), 1, 1);
  EXPECT_EQ(Take(), " \\ni $\\tt \\underline{ a} bcde$\n\n\n");
  EXPECT_EQ(CONSOLE.Take(), "  a  bcde\n");
  BraidBasics::BSPECIALPRINTLN(DEF("aBc"), 1, 3);
  EXPECT_EQ(Take(), " \\ni $\\tt \\underline{ aBc} $\n\n\n");
  EXPECT_EQ(CONSOLE.Take(), "  aBc  \n");
  BraidBasics::BSPECIALPRINTLN(BraidBasics::BONE(), 1, 1);
  EXPECT_EQ(Take(), " \\ni $\\tt $\n\n\n");
  EXPECT_EQ(CONSOLE.Take(), "\n");
}

TEST_F(Tex, SpecialPrintBreaksEverySeventyLettersWithoutLineEnd) {
  korveltest::ConsoleCapture CONSOLE;
  std::string W;
  for (int K = 0; K < 140; ++K) W.push_back("aBc"[K % 3]);
  BraidBasics::BSPECIALPRINTLN(DEF(W), 71, 72);
  EXPECT_EQ(Take(), " \\ni $\\tt " + W.substr(0, 70) + kTtBreak + "\\underline{ " + W.substr(70, 2) +
                        "} " + W.substr(72) + kTtBreak + "$\n\n\n");
  EXPECT_EQ(CONSOLE.Take(), W.substr(0, 70) + "  " + W.substr(70, 2) + "  " + W.substr(72) + "\n");
}

TEST_F(Tex, AClosedTargetTakesNothingAndDoesNotCrash) {
  korveltest::ConsoleCapture CONSOLE;
  BraidBasics::TEX = nullptr;
  for (char STYLE : {'A', '1', 's'}) {
    BraidBasics::BPRINTSTYLE = STYLE;
    BraidBasics::BPRINT(DEF("aB"));
    BraidBasics::BPRINTLN(DEF("aB"));
  }
  BraidBasics::BSPECIALPRINTLN(DEF("abc"), 2, 2);
  EXPECT_EQ(CONSOLE.Take(), "a  b  c\n");  // the echo still comes
  // Opening a target afterwards works as before.
  BraidBasics::TEX = &tex_;
  EXPECT_EQ(Take(), "");
  EXPECT_EQ(Print('A', DEF("ab")), " \\ni $\\tt ab$\n");
  EXPECT_EQ(CONSOLE.Take(), "");  // BPRINT writes nothing on the console
}

}  // namespace
