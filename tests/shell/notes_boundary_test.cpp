// Where a note's "character" begins to be a UTF-8 sequence after the lead
// byte C2. C2 80..C2 9F encode U+0080..U+009F, the C1 controls, which a
// terminal may obey (C2 9B is a control sequence introducer): the note names
// them byte by byte. C2 A0 encodes U+00A0, the no-break space that text
// pasted from web pages is full of, and is named as the one character it is.
// The bytes and their meaning below are those of UTF-8 (RFC 3629): a lead
// byte 110xxxxx, then one byte 10xxxxxx.
#include <gtest/gtest.h>

#include <string>

#include "shell/notes.h"

namespace {

const std::string HOWTOWRITE =
    "; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses).";

const std::string NOBREAKSPACE = "\xC2\xA0";  // U+00A0

TEST(NotesBoundary, C2A0IsOneCharacterAndC29FIsTwoBytes) {
  EXPECT_EQ(shell::CHARACTERLENGTH(NOBREAKSPACE), 2U);
  EXPECT_EQ(shell::CHARACTERLENGTH(NOBREAKSPACE + "a"), 2U);
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\xA1"), 2U);  // U+00A1, the first printable after it
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\xBF"), 2U);  // U+00BF, the last of lead byte C2
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\x9F"), 1U);  // U+009F, the last C1 control
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\x80"), 1U);  // U+0080, the first
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2"), 1U);      // a lead byte at the end of the line
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2" "a"), 1U);  // followed by no continuation byte
  EXPECT_EQ(shell::CHARACTERLENGTH("\xC2\xC2\xA0"), 1U);
}

TEST(NotesBoundary, TheNoBreakSpaceIsNamedInQuotesAsOneCharacter) {
  // The note quotes the character's own two bytes, as it quotes a sigma:
  // a UTF-8 terminal shows one blank between the quotes.
  EXPECT_EQ(shell::SHOWN(NOBREAKSPACE), "\"\xC2\xA0\"");
  EXPECT_EQ(shell::IGNOREDNOTE("a" + NOBREAKSPACE + "b"), "ignored \"\xC2\xA0\"" + HOWTOWRITE);
  // Named once however often it stands in the word.
  EXPECT_EQ(shell::IGNOREDNOTE(NOBREAKSPACE + "ab" + NOBREAKSPACE + NOBREAKSPACE),
            "ignored \"\xC2\xA0\"" + HOWTOWRITE);
}

TEST(NotesBoundary, TheC1ControlsAreNamedByteByByte) {
  EXPECT_EQ(shell::IGNOREDNOTE("a\xC2\x9F" "b"),
            "ignored the byte 0xC2, the byte 0x9F" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2\x80"), "ignored the byte 0xC2, the byte 0x80" + HOWTOWRITE);
  // U+009F and U+0080 share their lead byte: it is named once.
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2\x9F\xC2\x80"),
            "ignored the byte 0xC2, the byte 0x9F, the byte 0x80" + HOWTOWRITE);
}

TEST(NotesBoundary, ALeadByteWithoutItsContinuationIsAByte) {
  // The letter after it is read, without a note of its own.
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2" "ab"), "ignored the byte 0xC2" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("ab\xC2"), "ignored the byte 0xC2" + HOWTOWRITE);
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2" "1"), "ignored the byte 0xC2, \"1\"" + HOWTOWRITE);
  // A lead byte before a whole no-break space: the byte, then the character.
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2\xC2\xA0"), "ignored the byte 0xC2, \"\xC2\xA0\"" + HOWTOWRITE);
  // Each side of the boundary in one word: the control's two bytes, then the
  // no-break space whole.
  EXPECT_EQ(shell::IGNOREDNOTE("\xC2\x9F" "a" + NOBREAKSPACE),
            "ignored the byte 0xC2, the byte 0x9F, \"\xC2\xA0\"" + HOWTOWRITE);
}

}  // namespace
