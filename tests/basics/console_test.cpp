// The line reader of the console.
#include "basics/console.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/console_capture.h"

namespace {

TEST(READLINE, LineEndsAndEndOfInput) {
  korveltest::ConsoleCapture CONSOLE(std::string("one\ntwo\rthree\r\nfour\n\r\n\nlast"));
  std::string LINE;
  const char* EXPECTED[] = {"one", "two", "three", "four", "", "", "last"};
  for (const char* E : EXPECTED) {
    ASSERT_TRUE(basics::READLINE(LINE));
    EXPECT_EQ(LINE, E);
  }
  EXPECT_FALSE(basics::READLINE(LINE));
  EXPECT_EQ(LINE, "");
  EXPECT_FALSE(basics::READLINE(LINE));  // and it stays ended
}

TEST(READLINE, KeepsAtMostKeepCharactersAndDiscardsTheRest) {
  std::string LONG(10000, 'x');
  LONG[254] = 'y';
  LONG[255] = 'z';
  korveltest::ConsoleCapture CONSOLE(LONG + "\nnext\n");
  std::string LINE;
  ASSERT_TRUE(basics::READLINE(LINE));
  EXPECT_EQ(LINE.size(), 255u);
  EXPECT_EQ(LINE.back(), 'y');
  ASSERT_TRUE(basics::READLINE(LINE, 1));
  EXPECT_EQ(LINE, "n");
  EXPECT_FALSE(basics::READLINE(LINE));
}

TEST(READLINE, KeepsNulAndHighBytes) {
  korveltest::ConsoleCapture CONSOLE(std::string("a\0\xff b\n", 6));
  std::string LINE;
  ASSERT_TRUE(basics::READLINE(LINE));
  EXPECT_EQ(LINE, std::string("a\0\xff b", 5));
}

TEST(HRULE, EightyEqualSigns) {
  korveltest::ConsoleCapture CONSOLE;
  basics::HRULE();
  EXPECT_EQ(CONSOLE.Output(), std::string(80, '=') + "\n");
}

}  // namespace
