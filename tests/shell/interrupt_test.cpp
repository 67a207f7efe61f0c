// The user's interrupt inside the program: a request pending when a key's
// computation starts abandons that computation at its first poll, the main
// loop says so, takes the request and shows the menu; the same key then
// computes as usual. Asserted for the keys C, H, N and A (handle reduction,
// its display step by step, the Garside and the alternating normal forms).
#include <gtest/gtest.h>

#include <string>

#include "basics/interrupt.h"
#include "shell/menu.h"
#include "tests/support/console_capture.h"

namespace {

struct KeyCase {
  const char* NAME;
  const char* DIALOGUE;  // the key and its answers
  const char* ANSWER;    // a text of the answer only the whole computation prints
};

const KeyCase kCases[] = {
    {"compare", "C\nab\nba\n", "We have B1 < B2"},
    {"handles step by step", "H\nabA\n", "   1: Bab"},  // a b A = B a b
    {"symmetric normal form", "N\nabcA\n", "The symmetric normal decomposition is"},
    {"alternating form", "A\nabab\n", "The alternating normal form is"},
};

int COUNT(const std::string& TEXT, const std::string& PART) {
  int N = 0;
  for (std::size_t AT = TEXT.find(PART); AT != std::string::npos; AT = TEXT.find(PART, AT + 1)) {
    ++N;
  }
  return N;
}

TEST(Interrupt, APendingRequestAbandonsTheComputationOnceAndTheMenuComesBack) {
  for (const KeyCase& C : kCases) {
    SCOPED_TRACE(C.NAME);
    const std::string ONCE = C.DIALOGUE;
    korveltest::ConsoleCapture CONSOLE(ONCE + ONCE + "Q\n");
    basics::INTERRUPTREQUESTED = 1;
    EXPECT_EQ(shell::RUNKORVEL(), 0);
    EXPECT_EQ(basics::INTERRUPTREQUESTED, 0) << "the main loop took the request";
    const std::string OUT = CONSOLE.Output();
    const std::string MESSAGE = std::string(shell::INTERRUPTEDMESSAGE) + "\n";
    ASSERT_EQ(COUNT(OUT, MESSAGE), 1) << OUT;
    const std::size_t AT = OUT.find(MESSAGE);
    EXPECT_EQ(OUT.find(C.ANSWER), OUT.find(C.ANSWER, AT)) << "no answer before the message";
    EXPECT_NE(OUT.find(C.ANSWER, AT), std::string::npos) << "the second time it computes";
    EXPECT_EQ(OUT.compare(AT + MESSAGE.size(), 2 + 80, "\n" + std::string(80, '=') + "\n"), 0)
        << "the menu follows the message";
    EXPECT_EQ(COUNT(OUT, "MAIN MENU"), 3);
  }
}

TEST(Interrupt, TheMessagesAreTheUsersOwn) {
  EXPECT_STREQ(shell::INTERRUPTEDMESSAGE, "The computation was interrupted.");
  EXPECT_STREQ(shell::INTERRUPTEDBUILDMESSAGE,
               "The computation was interrupted; the tables are unchanged.");
}

}  // namespace
