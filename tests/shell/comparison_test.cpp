// The procedures COMPARE, REDUCEHANDLES and EQUIVALENT driven in-process (the
// golden transcripts compare_* and handles_* hold their dialogues on named
// words). Asserted: on seeded random pairs, under every option, the quotient
// printed by COMPARE is a word of the braid inverse(B1).B2 that shows the sign
// its sentence states; the display of H does not depend on the option;
// EQUIVALENT answers as the braids are; and a step-by-step reduction that
// outgrows the record is reported by the main loop, which shows the menu
// again (transcript compare_bound shows the same for C).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"
#include "shell/menu.h"
#include "shell/procedures.h"
#include "tests/support/ordering_fixture.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"

namespace {

using BraidBasics::BRAID;
using handlereduction::BORDEROPTION;
using korveltest::DEF;

const std::string RULE = std::string(80, '=') + "\n";
const std::string HEADING =
    "This procedure compares two braids with respect to the chosen braid ordering.\n"
    "Enter two braid words, using \"a\" for \"sigma_1\" and \"A\" for \"sigma_1^{-1}\" etc.\n"
    "    > B1 =     > B2 = ";
const std::string ENTER =
    "Enter a braid word, using \"a\" for \"sigma_1\" and \"A\" for \"sigma_1^{-1}\" etc.\n"
    "    > ";

std::string COMPARED(const std::string& B1, const std::string& B2) {
  korveltest::ConsoleCapture CAPTURE(B1 + "\n" + B2 + "\n");
  shell::COMPARE();
  return CAPTURE.Output();
}

using Comparison = korveltest::UnderOrderingR;

// The quotient between the marker and the "," that ends it, wrapping blanks
// and line ends dropped by BDEF.
BRAID PRINTEDQUOTIENT(const std::string& TEXT, const std::string& MARKER) {
  const std::size_t FROM = TEXT.find(MARKER) + MARKER.size();
  const std::size_t TO = TEXT.find(",\n", FROM);
  const std::string PRINTED = TEXT.substr(FROM, TO - FROM);
  return PRINTED == "1" ? BraidBasics::BONE() : DEF(PRINTED);
}

TEST_F(Comparison, EveryAnswerIsMathematicallyRight) {
  const unsigned SEED = 6174;
  std::mt19937 GEN(SEED);
  for (char OPTION : {'R', 'F', 'U', 'q'}) {
    BORDEROPTION = OPTION;
    for (int ROUND = 0; ROUND < 150; ++ROUND) {
      const int STRANDS = 2 + ROUND % 6;
      std::uniform_int_distribution<int> INDEX(0, STRANDS - 2);
      std::uniform_int_distribution<int> SIGN(0, 1);
      std::string W1;
      std::string W2;
      for (int K = 0; K < ROUND % 20; ++K) {
        W1.push_back(static_cast<char>((SIGN(GEN) != 0 ? 'a' : 'A') + INDEX(GEN)));
      }
      for (int K = 0; K < ROUND % 17; ++K) {
        W2.push_back(static_cast<char>((SIGN(GEN) != 0 ? 'a' : 'A') + INDEX(GEN)));
      }
      SCOPED_TRACE(std::string("option ") + OPTION + ", seed " + std::to_string(SEED) +
                   ", B1 = " + W1 + ", B2 = " + W2);
      const std::string TEXT = COMPARED(W1, W2);
      ASSERT_EQ(TEXT.rfind(RULE + HEADING, 0), 0U);
      ASSERT_EQ(TEXT.substr(TEXT.size() - RULE.size()), RULE);
      BRAID QUOTIENT = BraidBasics::BINVERSED(DEF(W1));
      BraidBasics::BCONCAT(QUOTIENT, DEF(W2));
      if (TEXT.find("We have B1 = B2.") != std::string::npos) {
        ASSERT_TRUE(handlereduction::BEQUIV(DEF(W1), DEF(W2)));
        continue;
      }
      const bool LESS = TEXT.find("We have B1 < B2") != std::string::npos;
      const std::string NAME = handlereduction::BORDERNAME();
      ASSERT_NE(TEXT.find(LESS ? ",\na braid larger than 1 in " + NAME + ".\n"
                               : ",\nand the quotient is smaller than 1 in " + NAME + ".\n"),
                std::string::npos);
      const BRAID PRINTED =
          PRINTEDQUOTIENT(TEXT, LESS ? "since inverse(B1).B2 = " : "namely B2 = B1 * ");
      ASSERT_TRUE(handlereduction::BEQUIV(PRINTED, QUOTIENT));
      ASSERT_EQ(handlereduction::BVISIBLESIGN(PRINTED), LESS ? '+' : '-');
      ASSERT_EQ(handlereduction::BSIGN(QUOTIENT), LESS ? '+' : '-');
    }
  }
}

TEST_F(Comparison, HandleReductionDisplayIgnoresTheOption) {
  const std::string EXPECTED = RULE +
                               "This procedure displays handle reduction w.r.t. the leftmost "
                               "strategy\ni.e., one always reduces the leftmost handle.\n" +
                               ENTER + "   0: .acbbcbA.\n   1: cBaa.bcB.ab\n   2: cBaaCbcab\n" +
                               RULE;
  for (char OPTION : {'R', 'F', 'U', 'f'}) {
    BORDEROPTION = OPTION;
    korveltest::ConsoleCapture CAPTURE("acbbcbA\n");
    shell::REDUCEHANDLES();
    EXPECT_EQ(CAPTURE.Output(), EXPECTED) << OPTION;
  }
}

TEST_F(Comparison, Equivalence) {
  {
    korveltest::ConsoleCapture CAPTURE("ab\nba\n");
    shell::EQUIVALENT();
    EXPECT_EQ(CAPTURE.Output(), ENTER + ENTER + "These braid words are not equivalent.\n");
  }
  {
    korveltest::ConsoleCapture CAPTURE("aba\nbab\n");
    shell::EQUIVALENT();
    EXPECT_EQ(CAPTURE.Output(), ENTER + ENTER + "These braid words are equivalent.\n");
  }
  {
    korveltest::ConsoleCapture CAPTURE("\naA\n");
    shell::EQUIVALENT();
    EXPECT_EQ(CAPTURE.Output(), ENTER + ENTER + "These braid words are equivalent.\n");
  }
}

// sigma_1 .. sigma_10 (sigma_11 sigma_12)^K and back: its handle-free form
// has 22 K letters.
std::string GROWINGWORD(int K) {
  std::string W = "abcdefghij";
  for (int J = 0; J < K; ++J) {
    W += "kl";
  }
  return W + "JIHGFEDCBA";
}

const std::string MENUSTART = "\n" + RULE + "MAIN MENU Choose a procedure:\n";
const std::string ABANDONED = std::string(BraidBasics::BOUNDMESSAGE) + "\n";

TEST_F(Comparison, AStepByStepReductionPastTheBoundIsAbandoned) {
  const std::string WORD = GROWINGWORD(117);
  ASSERT_LE(WORD.size(), 255U);
  korveltest::ConsoleCapture CAPTURE("H\n" + WORD + "\nQ\n");
  EXPECT_EQ(shell::RUNKORVEL(), 0);
  const std::string TEXT = CAPTURE.Output();
  const std::size_t AT = TEXT.find(ABANDONED);
  ASSERT_NE(AT, std::string::npos);
  // Right after the last step shown (a whole line), and followed by the menu.
  EXPECT_EQ(TEXT[AT - 1], '\n');
  EXPECT_EQ(TEXT.compare(AT + ABANDONED.size(), MENUSTART.size(), MENUSTART), 0);
  // The closing rule of the display is not printed.
  EXPECT_NE(TEXT.substr(AT - 81, 81), RULE);
}

}  // namespace
