// Clocks, the duration prompt and the question whether to go on, driven by a
// clock that the test sets by hand.
#include "basics/timing.h"

#include <gtest/gtest.h>

#include <string>

#include "basics/console.h"
#include "tests/support/console_capture.h"

namespace {

using namespace basics;

double gNow = 0.0;
double FakeTime() { return gNow; }

const std::string kAskDuration =
    "Enter the maximal duration of the experiment in seconds: \n    > ";

std::string Question(const std::string& COMMENT) {
  return "\nComputing " + COMMENT + " is long; continue? Y(es)/N(o)/U(nlimited) \n    > ";
}

TEST(MACHINETIME, IsTheDefaultSourceAndNeverGoesBack) {
  EXPECT_EQ(CURRENTTIME, &MACHINETIME);
  const double FIRST = MACHINETIME();
  const double SECOND = MACHINETIME();
  EXPECT_LE(FIRST, SECOND);
}

class Timing : public ::testing::Test {
 protected:
  void SetUp() override {
    CURRENTTIME = FakeTime;
    gNow = 0.0;
    ABORT = false;
    CONTROL = '\0';
    for (double& C : CLOCK) C = 0.0;
    for (double& D : MAXDURATION) D = 0.0;
  }
  void TearDown() override { CURRENTTIME = MACHINETIME; }
};

TEST_F(Timing, ClocksMeasureSecondsFromTheirStart) {
  gNow = 100.0;
  STARTCLOCK(1);
  STARTCLOCK(32);
  gNow = 103.5;
  EXPECT_DOUBLE_EQ(ELAPSEDTIME(1), 3.5);
  EXPECT_DOUBLE_EQ(ELAPSEDTIME(32), 3.5);
  EXPECT_DOUBLE_EQ(ELAPSEDTIME(2), 103.5);  // never started: from time 0
  // Numbers outside 1..32 are ignored.
  STARTCLOCK(0);
  STARTCLOCK(33);
  STARTCLOCK(-1);
  EXPECT_EQ(CLOCK[0], 0.0);
  EXPECT_EQ(ELAPSEDTIME(0), 0.0);
  EXPECT_EQ(ELAPSEDTIME(33), 0.0);
}

TEST_F(Timing, PauseStoresTheFirstCharacter) {
  korveltest::ConsoleCapture CONSOLE("xyz\n\n");
  PAUSE();
  EXPECT_EQ(CONTROL, 'x');
  PAUSE();
  EXPECT_EQ(CONTROL, '\n');
  CONTROL = 'q';
  PAUSE();  // end of the input: an empty answer
  EXPECT_EQ(CONTROL, '\n');
  EXPECT_EQ(CONSOLE.Output(), "");
}

TEST_F(Timing, AskDurationReadsTheLeadingNumber) {
  korveltest::ConsoleCapture CONSOLE(
      "12.5 seconds\n"
      "abc\n"
      "\n"
      "  -3\n"
      "1e2\n"
      "inf\n"
      "nan\n"
      "+.25x\n");
  const double kAfter[] = {12.5, 12.5, 12.5, -3.0, 100.0, 100.0, 100.0, 0.25, 0.25};
  for (double EXPECTED : kAfter) {
    SCOPED_TRACE(EXPECTED);
    ASKDURATION(3);
    EXPECT_EQ(CONSOLE.Take(), kAskDuration);
    EXPECT_DOUBLE_EQ(MAXDURATION[3], EXPECTED);
  }
  EXPECT_EQ(MAXDURATION[2], 0.0);
}

TEST_F(Timing, AskDurationOutsideItsRangeDoesNothing) {
  korveltest::ConsoleCapture CONSOLE("5\n");
  ASKDURATION(0);
  ASKDURATION(21);
  EXPECT_EQ(CONSOLE.Output(), "");
  ASKDURATION(20);
  EXPECT_EQ(MAXDURATION[20], 5.0);
}

TEST_F(Timing, CheckDurationIsSilentUntilTheDurationHasPassed) {
  korveltest::ConsoleCapture CONSOLE("N\n");
  MAXDURATION[1] = 10.0;
  STARTCLOCK(1);
  gNow = 10.0;  // exactly the allowed duration: not longer
  CHECKDURATION(1, "the table");
  EXPECT_EQ(CONSOLE.Output(), "");
  EXPECT_FALSE(ABORT);
  std::string LINE;
  ASSERT_TRUE(READLINE(LINE));  // the answer is still unread
  EXPECT_EQ(LINE, "N");
}

TEST_F(Timing, AnswerYesRestartsTheClock) {
  korveltest::ConsoleCapture CONSOLE("Yes\n");
  MAXDURATION[1] = 10.0;
  STARTCLOCK(1);
  gNow = 10.5;
  CHECKDURATION(1, "the table");
  EXPECT_EQ(CONSOLE.Take(), Question("the table"));
  EXPECT_EQ(CONTROL, 'Y');
  EXPECT_FALSE(ABORT);
  EXPECT_DOUBLE_EQ(ELAPSEDTIME(1), 0.0);
  gNow = 20.0;
  CHECKDURATION(1, "the table");  // 9.5 seconds since the restart
  EXPECT_EQ(CONSOLE.Take(), "");
}

TEST_F(Timing, AnswerUnlimitedAllowsTenThousandSeconds) {
  korveltest::ConsoleCapture CONSOLE("U\n");
  MAXDURATION[4] = 1.0;
  STARTCLOCK(4);
  gNow = 2.0;
  CHECKDURATION(4, "");
  EXPECT_EQ(CONSOLE.Take(), Question(""));
  EXPECT_EQ(MAXDURATION[4], 10000.0);
  EXPECT_FALSE(ABORT);
  gNow = 10000.0;
  CHECKDURATION(4, "");
  EXPECT_EQ(CONSOLE.Take(), "");
  gNow = 10002.5;
  CHECKDURATION(4, "");  // asks again, and the input has ended
  EXPECT_EQ(CONSOLE.Take(), Question(""));
  EXPECT_TRUE(ABORT);
}

TEST_F(Timing, EveryOtherAnswerAborts) {
  for (const char* ANSWER : {"N\n", "n\n", "y\n", "u\n", "\n", ""}) {
    SCOPED_TRACE(ANSWER);
    korveltest::ConsoleCapture CONSOLE(ANSWER);
    ABORT = false;
    MAXDURATION[2] = 0.0;
    STARTCLOCK(2);
    gNow += 1.0;
    CHECKDURATION(2, "the mu3 tables");
    EXPECT_EQ(CONSOLE.Output(), Question("the mu3 tables"));
    EXPECT_TRUE(ABORT);
    EXPECT_EQ(CONTROL, ANSWER[0] == '\0' ? '\n' : ANSWER[0]);
    EXPECT_EQ(MAXDURATION[2], 0.0);
  }
}

TEST_F(Timing, AbortIsNeverReset) {
  korveltest::ConsoleCapture CONSOLE("N\nY\n");
  gNow = 5.0;
  CHECKDURATION(1, "x");
  EXPECT_TRUE(ABORT);
  gNow = 10.0;
  CHECKDURATION(1, "x");
  EXPECT_EQ(CONTROL, 'Y');
  EXPECT_TRUE(ABORT);
}

TEST_F(Timing, CheckDurationOutsideItsRangeDoesNothing) {
  korveltest::ConsoleCapture CONSOLE("N\n");
  gNow = 1000.0;
  CHECKDURATION(0, "x");
  CHECKDURATION(21, "x");
  CHECKDURATION(32, "x");  // a clock, but without an allowed duration
  EXPECT_EQ(CONSOLE.Output(), "");
  EXPECT_FALSE(ABORT);
}

}  // namespace
