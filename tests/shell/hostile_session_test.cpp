// Hostile sessions: the whole program, driven in-process and through pipes by
// scripts no user should type, must always end with status 0, show the prompt
// after every menu, end right after the empty line that follows the last
// menu, never run away, and leave later answers as they would have been.
//
// Asserted for every session (CheckSessionOutput): the banner once, at the
// start; every menu whole and followed by its prompt and the empty line
// written after the key; nothing after the last menu; no more menus than input
// lines plus one; every ordering dialogue closed by its confirmation. The
// console stops a session that writes more than kMaxOutput bytes or keeps
// reading after the end of its input, and any exception that leaves the main
// loop fails the session. The scripts come from fixed seeds; a failure prints
// the seed and the script.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "basics/console.h"
#include "shell/menu.h"
#include "tests/shell/hostile_console.h"
#include "tests/shell/hostile_pipes.h"
#include "tests/shell/hostile_sessions.h"

namespace korveltest {
namespace {

constexpr std::size_t kMaxOutput = std::size_t{256} << 20;
constexpr std::size_t kMaxReadsAtEnd = 10000;
constexpr std::uint32_t kSessionsPerBatch = 500;

HostileLimits TestLimits() {
  HostileLimits L;
  L.MAXOUTPUT = kMaxOutput;
  L.MAXREADSATEND = kMaxReadsAtEnd;
  return L;
}

// Bounds for the random sessions: the generator types small bounds and long
// factors only with small tables, but a dialogue that reads lines in another
// way than the script intends must not turn a later line into a long build.
WorkBounds RandomSessionBounds() {
  WorkBounds B;
  B.MAXBOUND = 9;
  B.MAXBUILDS = 8;
  B.MAXSTUDIES = 8;
  B.MAXFACTORLETTERS = 255;
  return B;
}

struct Outcome {
  std::string DEFECT;  // empty when the session is sound
  std::string OUTPUT;
};

Outcome RunSession(const std::string& SCRIPT, LineFilter FILTER = {}) {
  HostileConsole CONSOLE(SCRIPT, TestLimits(), std::move(FILTER));
  SessionRun RUN = RunOnConsole(CONSOLE);
  Outcome O;
  O.OUTPUT = CONSOLE.Output();
  if (!RUN.ESCAPE.empty()) {
    O.DEFECT = RUN.ESCAPE;
  } else if (RUN.STATUS != 0) {
    O.DEFECT = "the main loop returned " + std::to_string(RUN.STATUS);
  } else {
    O.DEFECT = CheckSessionOutput(O.OUTPUT, CountLines(CONSOLE.Offered()));
  }
  return O;
}

std::string Describe(const std::string& WHAT, const std::string& SCRIPT, const Outcome& O) {
  std::string TAIL = O.OUTPUT.size() > 600 ? O.OUTPUT.substr(O.OUTPUT.size() - 600) : O.OUTPUT;
  return WHAT + ": " + O.DEFECT + "\n--- script ---\n" + Escaped(SCRIPT) +
         "\n--- end of the output ---\n" + Escaped(TAIL);
}

// ---------------------------------------------------------------------------
// The instruments themselves: the check and the console can fail.

TEST(HostileConsole, TheCheckAcceptsPlainSessionsAndRejectsBrokenOnes) {
  Outcome PLAIN = RunSession("O\nF\nX\nQ\n");
  ASSERT_EQ(PLAIN.DEFECT, "");
  const std::string& OUT = PLAIN.OUTPUT;
  const std::size_t LINES = 4;
  EXPECT_EQ(CheckSessionOutput(OUT, LINES), "");

  EXPECT_NE(CheckSessionOutput(OUT.substr(0, OUT.size() - 1), LINES), "") << "last empty line missing";
  EXPECT_NE(CheckSessionOutput(OUT + "x", LINES), "") << "output after the last menu";
  EXPECT_NE(CheckSessionOutput(OUT, 1), "") << "three menus for one line";
  EXPECT_NE(CheckSessionOutput(OUT.substr(1), LINES), "") << "no banner";

  std::string NOPROMPT = OUT;
  std::size_t AT = NOPROMPT.find("    > \n");
  ASSERT_NE(AT, std::string::npos);
  NOPROMPT.erase(AT, 6);
  EXPECT_NE(CheckSessionOutput(NOPROMPT, LINES), "") << "a menu without its prompt";

  std::string NOCONFIRMATION = OUT;
  AT = NOCONFIRMATION.find(kConfirmation);
  ASSERT_NE(AT, std::string::npos);
  NOCONFIRMATION.erase(AT, kConfirmation.size());
  EXPECT_NE(CheckSessionOutput(NOCONFIRMATION, LINES), "") << "an ordering dialogue left open";

  std::string TWOBANNERS = OUT;
  TWOBANNERS.insert(TWOBANNERS.size() - MenuBlock().size() - 1, kBannerTitle);
  EXPECT_NE(CheckSessionOutput(TWOBANNERS, LINES), "") << "the banner twice";
}

TEST(HostileConsole, LinesAreCountedAsTheLineReaderCountsThem) {
  EXPECT_EQ(CountLines(""), 0u);
  EXPECT_EQ(CountLines("a"), 1u);
  EXPECT_EQ(CountLines("a\n"), 1u);
  EXPECT_EQ(CountLines("a\r\nb\rc\n\rd"), 5u);
  EXPECT_EQ(CountLines(std::string("\0\n", 2)), 1u);
}

TEST(HostileConsole, StopsAReaderThatGoesOnAfterTheEnd) {
  HostileConsole CONSOLE("one line\n", TestLimits());
  ConsoleSwap SWAP(CONSOLE);
  std::string LINE;
  EXPECT_TRUE(basics::READLINE(LINE));
  EXPECT_EQ(LINE, "one line");
  EXPECT_THROW(
      {
        for (int I = 0; I < 1000000; ++I) {
          basics::OUTPUT() << "    > ";
          basics::READLINE(LINE);
        }
      },
      RunawaySession);
}

TEST(HostileConsole, StopsAWriterThatRunsAway) {
  HostileLimits LIMITS;
  LIMITS.MAXOUTPUT = 1000;
  HostileConsole CONSOLE("", LIMITS);
  ConsoleSwap SWAP(CONSOLE);
  EXPECT_THROW(
      {
        for (int I = 0; I < 1000000; ++I) {
          basics::OUTPUT() << "Constructing the braid table.\n";
        }
      },
      RunawaySession);
}

TEST(HostileConsole, TheWorkFilterEndsTheInputAtLongBuilds) {
  EXPECT_TRUE(SmallLengthAnswer("", 8));
  EXPECT_TRUE(SmallLengthAnswer(" 8\t", 8));
  EXPECT_TRUE(SmallLengthAnswer("-999", 8));
  EXPECT_TRUE(SmallLengthAnswer("+0008", 8));
  EXPECT_FALSE(SmallLengthAnswer("9", 8));
  EXPECT_FALSE(SmallLengthAnswer("3x", 8));
  EXPECT_FALSE(SmallLengthAnswer("abc", 8));
  EXPECT_TRUE(SmallLengthAnswer("-2147483648", 8));
  EXPECT_FALSE(SmallLengthAnswer("-2147483649", 8));
  EXPECT_FALSE(SmallLengthAnswer("00000000003", 8));

  WorkBounds BOUNDS;
  BOUNDS.MAXBUILDS = 1;
  HostileConsole CONSOLE("5\n3\nabc\n", TestLimits(), BoundedWorkFilter(BOUNDS));
  ConsoleSwap SWAP(CONSOLE);
  std::string LINE;
  basics::OUTPUT() << "Until which length? ";
  EXPECT_TRUE(basics::READLINE(LINE));
  EXPECT_EQ(LINE, "5");
  basics::OUTPUT() << "Until which length? ";
  EXPECT_FALSE(basics::READLINE(LINE)) << "a second build is one too many";
  EXPECT_TRUE(CONSOLE.Cut());
  EXPECT_EQ(CONSOLE.Offered(), "5\n");
}

// ---------------------------------------------------------------------------
// Deterministic hostile sessions.

// Every key's dialogue with well-formed answers, then every prefix of it: the
// input ends at each prompt and inside each line, with each kind of line end.
TEST(HostileSessions, EndOfInputAtEveryPromptAndInsideEveryLine) {
  const std::vector<std::string> DIALOGUES = {
      "h\n",     "O\nF\n",         "C\nabA\nba\n", "H\nabA\n", "N\naBcA\n", "A\nbab\n",
      "B\n3\n",  "M\n",            "S\n",          "I\na\nb\n", "X\n",      "q\n",
  };
  for (const std::string END : {"\n", "\r", "\r\n"}) {
    for (const std::string& D : DIALOGUES) {
      std::string FULL;
      for (char C : D) {
        FULL += C == '\n' ? END : std::string(1, C);
      }
      // A first table, so that M, S and I have rows to print.
      const std::string BEFORE = "B" + END + "2" + END;
      for (std::size_t CUT = 0; CUT <= FULL.size(); ++CUT) {
        std::string SCRIPT = BEFORE + FULL.substr(0, CUT);
        Outcome O = RunSession(SCRIPT);
        ASSERT_EQ(O.DEFECT, "") << Describe("end of input", SCRIPT, O);
      }
    }
  }
}

TEST(HostileSessions, EveryAnswerAtTheOrderingPromptIsConfirmed) {
  struct ANSWER {
    std::string LINE;
    std::string NAME;
  };
  const std::vector<ANSWER> ANSWERS = {
      {"R", "the original R-ordering"}, {"F", "the flipped R-ordering"},
      {"U", "the DD-ordering"},         {"Fxyz", "the flipped R-ordering"},
      {"f", ""},                        {"u", ""},
      {"", ""},                         {" R", ""},
      {std::string(1, '\0'), ""},       {"\xE9", ""},
      {std::string(10000, 'U'), "the DD-ordering"},
  };
  for (const ANSWER& A : ANSWERS) {
    for (const std::string END : {"\n", "\r", "\r\n"}) {
      std::string SCRIPT = "O" + END + A.LINE + END + "O" + END + "R" + END + "Q" + END;
      Outcome O = RunSession(SCRIPT);
      ASSERT_EQ(O.DEFECT, "") << Describe("ordering answer", SCRIPT, O);
      std::string CONFIRMED = std::string(kConfirmation) + A.NAME + ".\n";
      EXPECT_NE(O.OUTPUT.find(OrderingBlock() + CONFIRMED), std::string::npos)
          << "after the answer \"" << Escaped(A.LINE, 40) << "\"";
    }
  }
  // The end of the input at the ordering prompt.
  Outcome O = RunSession("O\n");
  EXPECT_EQ(O.DEFECT, "") << Describe("end of input at the ordering prompt", "O\n", O);
}

// Each kind of answer at "Until which length? ", followed by the keys that read
// the tables. No filter here: these answers are typed once each.
TEST(HostileSessions, EveryAnswerAtTheLengthPrompt) {
  const std::vector<std::string> ANSWERS = {
      "0",     "1",      "-1",   "-7",     "", "   ", "\t3", " 4 ", "+2", "002",
      "2x",    "x2",     "x",    "abc",    "1.5", "1e1", "two", "3 4", "--3", "+-2",
      std::string("2\0", 2), std::string(1, '\0'), "\xEF\xBC\x93",  // a full-width digit 3
      "-2147483647", "-99999999999999999999", "99999999999999999999", "4294967299",
      std::string(10000, '1'), std::string(300, ' ') + "2",
  };
  for (const std::string& A : ANSWERS) {
    std::string SCRIPT = "B\n" + A + "\nM\nS\nI\nab\nBA\nC\nab\nba\nQ\n";
    Outcome O = RunSession(SCRIPT);
    ASSERT_EQ(O.DEFECT, "") << Describe("length answer", SCRIPT, O);
  }
}

// The most negative bounds a 32-bit number holds: a table of the empty word
// alone, whose listings must still lay out their header.
TEST(HostileSessions, MostNegativeLengthsThenListings) {
  for (const std::string A : {"-1073741831", "-2147483648"}) {
    std::string SCRIPT = "B\n" + A + "\nM\nS\nI\n\n\nQ\n";
    Outcome O = RunSession(SCRIPT);
    ASSERT_EQ(O.DEFECT, "") << Describe("length answer", SCRIPT, O);
  }
}

// A fixed probe gives the same output before and after hundreds of hostile
// sessions in the same process: nothing a session leaves behind changes a
// later answer. (The probe avoids keys M and S, whose code columns are as wide
// as the longest code met in the run.)
TEST(HostileSessions, LaterAnswersAreUnchanged) {
  const std::string PROBE =
      "h\nC\naba\nbab\nC\nb\na\nH\nabA\nN\nabAB\nA\nbab\nB\n3\nI\na\n\n"
      "O\nF\nC\na\nb\nO\nU\nC\n\nb\nQ\n";
  Outcome BEFORE = RunSession(PROBE);
  ASSERT_EQ(BEFORE.DEFECT, "") << Describe("probe", PROBE, BEFORE);
  SessionGenerator GEN(20240501);
  for (int I = 0; I < 300; ++I) {
    std::string SCRIPT = GEN.Next();
    Outcome O = RunSession(SCRIPT, BoundedWorkFilter(RandomSessionBounds()));
    ASSERT_EQ(O.DEFECT, "") << Describe("session " + std::to_string(I) + " of seed 20240501", SCRIPT, O);
  }
  Outcome AFTER = RunSession(PROBE);
  ASSERT_EQ(AFTER.DEFECT, "");
  EXPECT_EQ(AFTER.OUTPUT, BEFORE.OUTPUT);
}

// Seeded random sessions, in batches so that they run in parallel.
class HostileBatch : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(HostileBatch, RandomSessionsEndCleanly) {
  const std::uint32_t SEED = 1000 + GetParam();
  SessionGenerator GEN(SEED);
  for (std::uint32_t I = 0; I < kSessionsPerBatch; ++I) {
    std::string SCRIPT = GEN.Next();
    Outcome O = RunSession(SCRIPT, BoundedWorkFilter(RandomSessionBounds()));
    ASSERT_EQ(O.DEFECT, "") << Describe(
        "session " + std::to_string(I) + " of seed " + std::to_string(SEED), SCRIPT, O);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, HostileBatch, ::testing::Range<std::uint32_t>(0, 6));

// The real binary, its standard input and output on pipes: the exit status is
// 0 and the output has the shape of a session. These scripts are unfiltered;
// their bounds at key B are the generator's (at most 9).
TEST(HostileSessions, ThroughTheBinaryOnPipes) {
  SessionGenerator GEN(777);
  for (int I = 0; I < 50; ++I) {
    std::string SCRIPT = GEN.Next();
    PipeRun RUN = RunThroughPipes(KORVEL_BINARY, SCRIPT);
    ASSERT_TRUE(RUN.STARTED) << "could not start " << KORVEL_BINARY;
    Outcome O;
    O.OUTPUT = RUN.OUTPUT;
    if (!WIFEXITED(RUN.STATUS)) {
      O.DEFECT = "the program did not exit normally (wait status " + std::to_string(RUN.STATUS) + ")";
    } else if (WEXITSTATUS(RUN.STATUS) != 0) {
      O.DEFECT = "exit status " + std::to_string(WEXITSTATUS(RUN.STATUS));
    } else {
      O.DEFECT = CheckSessionOutput(O.OUTPUT, CountLines(SCRIPT));
    }
    ASSERT_EQ(O.DEFECT, "") << Describe("binary session " + std::to_string(I) + " of seed 777", SCRIPT, O);
  }
}

}  // namespace
}  // namespace korveltest
