// The notes a person typing is given, in-process: their texts, written by
// hand here, and a whole session of RUNKORVEL with and without a person,
// whose bytes differ exactly by the notes. The same at a real terminal is
// tested through a pseudo-terminal in tests/terminal/test_notes.py.
#include "shell/notes.h"

#include <gtest/gtest.h>

#include <string>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "shell/menu.h"
#include "shell/symmetric.h"
#include "tests/support/console_capture.h"

namespace {

const std::string HOWTOWRITE =
    "; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses).";

TEST(Notes, IgnoredCharactersAreNamedOnceEachInTheOrderTyped) {
  EXPECT_EQ(shell::IGNOREDNOTE("[1, 2, -1]"),
            "ignored \"[\", \"1\", \",\", \"2\", \"-\", \"]\"" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("sigma_1"), "ignored \"_\", \"1\"" + HOWTOWRITE);
  // Past six characters the others are counted: 7, 8 and 9 are three more.
  EXPECT_EQ(shell::IGNOREDNOTE("a1b2c3d4e5f6g7h8i9"),
            "ignored \"1\", \"2\", \"3\", \"4\", \"5\", \"6\" and 3 other characters" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("1234567"),
            "ignored \"1\", \"2\", \"3\", \"4\", \"5\", \"6\" and 1 other character" + HOWTOWRITE);
}

TEST(Notes, LettersBlanksTabsAndDotsAreReadWithoutANote) {
  EXPECT_EQ(shell::IGNOREDNOTE(""), "");
  EXPECT_EQ(shell::IGNOREDNOTE("ab A\t.zZ. "), "");
}

TEST(Notes, CharactersAreNamedAsAPersonReadsThem) {
  // sigma typed in UTF-8 is one character; a lone byte of it is a byte.
  EXPECT_EQ(shell::IGNOREDNOTE("\xCF\x83" "1"), "ignored \"\xCF\x83\", \"1\"" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("a\xCF"), "ignored the byte 0xCF" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE(std::string("\0\x07\"", 3)),
            "ignored the byte 0x00, the byte 0x07, '\"'" + HOWTOWRITE);
  EXPECT_EQ(shell::CHARACTERLENGTH("\xE2\x88\x92x"), 3U);      // U+2212 minus sign
  EXPECT_EQ(shell::CHARACTERLENGTH("\xF0\x9D\x9C\x8E"), 4U);   // a mathematical sigma
  EXPECT_EQ(shell::CHARACTERLENGTH("\xE2\x88"), 1U);           // cut short
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\x9B"), 1U);           // U+009B, a control
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC0\x80"), 1U);           // overlong
  EXPECT_EQ(shell::SHOWN("\x7F"), "the byte 0x7F");
}

TEST(Notes, ACutLineSaysHowManyCharactersWereDropped) {
  EXPECT_EQ(shell::CUTNOTE(255, 45),
            "the line was cut at 255 characters; 45 more characters were dropped.");
  EXPECT_EQ(shell::CUTNOTE(255, 1),
            "the line was cut at 255 characters; 1 more character was dropped.");
}

TEST(SymmetricText, ThePartsOfTheTextsOfKeyN) {
  struct CASE {
    const char* TEXT;  // as key N prints it, for the word in the comment
    const char* DENOMINATOR;
    int INVERSEDELTAS;
    int DELTAS;
    const char* NUMERATOR;
  };
  const CASE CASES[] = {
      {".....", "", 0, 0, ""},              // the empty word
      {"...D..b", "", 0, 1, "b"},           // abab = Delta b
      {"..d...", "", 1, 0, ""},             // ABA
      {"...DD..", "", 0, 2, ""},            // ababab
      {"A.A.....b", "A.A", 0, 0, "b"},      // AAb
      {"BA.....ba", "BA", 0, 0, "ba"},      // aB = (ab)^-1 ba
      {"DE.....de", "DE", 0, 0, "de"},      // eD: here D and d are letters
      {"...D..cba", "", 0, 1, "cba"},       // abacba on four strands
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.TEXT);
    shell::SYMMETRICPARTS PARTS{};
    ASSERT_TRUE(shell::SPLITSYMMETRICTEXT(C.TEXT, PARTS));
    EXPECT_EQ(PARTS.DENOMINATOR, C.DENOMINATOR);
    EXPECT_EQ(PARTS.INVERSEDELTAS, C.INVERSEDELTAS);
    EXPECT_EQ(PARTS.DELTAS, C.DELTAS);
    EXPECT_EQ(PARTS.NUMERATOR, C.NUMERATOR);
  }
  for (const char* WORD : {"", "abA", "ab..cd", "a..d.b", ".D..", "..x.."}) {
    SCOPED_TRACE(WORD);
    shell::SYMMETRICPARTS PARTS{};
    EXPECT_FALSE(shell::SPLITSYMMETRICTEXT(WORD, PARTS));
  }
}

// Runs a whole session on INPUT, typed by a person or not.
std::string SESSION(const std::string& INPUT, bool PERSON) {
  korveltest::ConsoleCapture CAPTURE(INPUT);
  EXPECT_EQ(shell::RUNKORVEL(PERSON), 0);
  return CAPTURE.Output();
}

// TEXT with INSERTED put right after the first occurrence of AFTER at or
// after FROM; FROM moves past the insertion.
void INSERTAFTER(std::string& TEXT, const std::string& AFTER, const std::string& INSERTED,
                 std::size_t& FROM) {
  const std::size_t AT = TEXT.find(AFTER, FROM);
  ASSERT_NE(AT, std::string::npos) << AFTER;
  TEXT.insert(AT + AFTER.size(), INSERTED);
  FROM = AT + AFTER.size() + INSERTED.size();
}

// The session a person types differs from the piped one by the notes alone,
// each right after the line it is about: the piped bytes are the base.
TEST(Notes, APersonsSessionIsThePipedOneWithTheNotes) {
  const std::string LONG = std::string(255, 'a') + "[1]" + std::string(40, 'b');
  const std::string INPUT = "C\n[1, 2, -1]\n[2]\nX[1]\nH\nsigma_1\nN\n" + LONG + "\nA\naB\nA\nab\nQ\n";
  const std::string PIPED = SESSION(INPUT, false);
  EXPECT_EQ(PIPED.find("Note"), std::string::npos);
  std::string EXPECTED = PIPED;
  std::size_t FROM = 0;
  INSERTAFTER(EXPECTED, "    > B1 = ",
              "Note: ignored \"[\", \"1\", \",\", \"2\", \"-\", \"]\"" + HOWTOWRITE + "\n", FROM);
  INSERTAFTER(EXPECTED, "    > B2 = ", "Note: ignored \"[\", \"2\", \"]\"" + HOWTOWRITE + "\n", FROM);
  // The menu line "X[1]" is the key X: no note.
  INSERTAFTER(EXPECTED, "etc.\n    > ", "Note: ignored \"_\", \"1\"" + HOWTOWRITE + "\n", FROM);
  // The 255 letters are kept, the 43 characters after them dropped unread.
  INSERTAFTER(EXPECTED, "etc.\n    > ",
              "Note: the line was cut at 255 characters; 43 more characters were dropped.\n", FROM);
  INSERTAFTER(EXPECTED, "The alternating normal form is ??ined\n",
              "Note: the alternating normal form is defined for positive braids only, and this "
              "word has inverse letters (A..Z).\n",
              FROM);
  EXPECT_EQ(SESSION(INPUT, true), EXPECTED);
}

TEST(Notes, TheOrderingIsAskedAgainUntilItIsNamed) {
  const std::string ASKAGAIN = std::string(shell::REASKORDERING) + "\n> ";
  // x, the empty line and r name no ordering; R (of "Rest") does.
  const std::string INPUT = "O\nU\nO\nx\n\nr\nRest\nQ\n";
  // Piped, each answer is taken as typed: x is stored and names no ordering.
  EXPECT_NE(SESSION(INPUT, false).find("> From now on, the ordering is .\n"), std::string::npos);
  // Typed, the session is that of the answers U and R, asked three times more.
  std::string EXPECTED = SESSION("O\nU\nO\nR\nQ\n", false);
  std::size_t FROM = EXPECTED.find("the DD-ordering.\n");
  ASSERT_NE(FROM, std::string::npos);
  INSERTAFTER(EXPECTED, "\n> ", ASKAGAIN + ASKAGAIN + ASKAGAIN, FROM);
  EXPECT_EQ(SESSION(INPUT, true), EXPECTED);
}

TEST(Notes, TheEndOfTheInputAtTheOrderingPromptKeepsTheOrdering) {
  const std::string TYPED = SESSION("O\nx\n", true);
  EXPECT_NE(TYPED.find(std::string(shell::REASKORDERING) +
                       "\n> From now on, the ordering is the original R-ordering.\n"),
            std::string::npos);
}

// A key abandoned at the bound leaves no braid-word reading behind: the
// answer of key B is not a braid word, and gets no note.
TEST(Notes, AnAbandonedKeyLeavesNoBraidReadingBehind) {
  std::string GROWS = "abcdefghij";
  for (int K = 0; K < 117; ++K) {
    GROWS += "kl";
  }
  GROWS += "JIHGFEDCBA";
  const std::string TYPED = SESSION("H\n" + GROWS + "\nB\n1x\nQ\n", true);
  EXPECT_NE(TYPED.find(BraidBasics::BOUNDMESSAGE), std::string::npos);
  EXPECT_EQ(TYPED.find("Note"), std::string::npos);
}

TEST(Notes, TheSessionRestoresTheLineSourceItFound) {
  const basics::LINESOURCE BEFORE = basics::CURRENTLINESOURCE();
  SESSION("C\n1\n2\nQ\n", true);
  EXPECT_EQ(basics::CURRENTLINESOURCE(), BEFORE);
  EXPECT_FALSE(shell::PERSONTYPING());
}

}  // namespace
