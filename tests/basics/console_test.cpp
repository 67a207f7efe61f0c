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

// A line source stands in for the plain reading of every READLINE until it is
// removed; the console's input is then read again from where it was.
TEST(SETLINESOURCE, ReplacesThePlainReadingUntilRemoved) {
  korveltest::ConsoleCapture CONSOLE(std::string("plain one\nplain two\n"));
  static std::size_t KEPT = 0;
  static int CALLS = 0;
  CALLS = 0;
  basics::SETLINESOURCE([](std::string& LINE, std::size_t KEEP) {
    KEPT = KEEP;
    ++CALLS;
    LINE = CALLS == 1 ? std::string("from the source").substr(0, KEEP) : "";
    return CALLS == 1;
  });
  std::string LINE;
  ASSERT_TRUE(basics::READLINE(LINE, 7));
  EXPECT_EQ(LINE, "from th");
  EXPECT_EQ(KEPT, 7u);
  EXPECT_FALSE(basics::READLINE(LINE));  // the source's end of input
  EXPECT_EQ(KEPT, 255u);
  basics::SETLINESOURCE(nullptr);
  ASSERT_TRUE(basics::READLINE(LINE));
  EXPECT_EQ(LINE, "plain one");
  ASSERT_TRUE(basics::READPLAINLINE(LINE, 5));
  EXPECT_EQ(LINE, "plain");
  EXPECT_EQ(CALLS, 2);
}

TEST(HRULE, EightyEqualSigns) {
  korveltest::ConsoleCapture CONSOLE;
  basics::HRULE();
  EXPECT_EQ(CONSOLE.Output(), std::string(80, '=') + "\n");
}

}  // namespace
