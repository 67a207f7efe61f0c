// STOPREQUESTED, the answer to "stop now?" that programs read through the
// interface: each of the three ways a caller asks, alone, and the taking of
// the console's flag, which asks once.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>

#include "basics/interrupt.h"

namespace {

TEST(StopRequest, ANonzeroSignalFlagAsksOnceAndIsTaken) {
  volatile std::sig_atomic_t RAISED = 1;
  basics::STOPREQUEST STOP;
  STOP.SIGNAL = &RAISED;
  EXPECT_TRUE(basics::STOPREQUESTED(STOP));
  EXPECT_EQ(RAISED, 0);
  EXPECT_FALSE(basics::STOPREQUESTED(STOP));
  RAISED = 1;
  EXPECT_TRUE(basics::STOPREQUESTED(STOP));
}

TEST(StopRequest, AFlagAsksWhileItIsRaisedAndAPollWhenItSaysSo) {
  std::atomic<bool> FLAG = false;
  basics::STOPREQUEST STOP;
  STOP.FLAG = &FLAG;
  EXPECT_FALSE(basics::STOPREQUESTED(STOP));
  FLAG = true;
  EXPECT_TRUE(basics::STOPREQUESTED(STOP));
  EXPECT_TRUE(basics::STOPREQUESTED(STOP));  // a flag is not taken

  int CALLS = 0;
  basics::STOPREQUEST POLLED;
  POLLED.POLL = [&CALLS] { return ++CALLS == 2; };
  EXPECT_FALSE(basics::STOPREQUESTED(POLLED));
  EXPECT_TRUE(basics::STOPREQUESTED(POLLED));
  EXPECT_EQ(CALLS, 2);
  EXPECT_FALSE(basics::STOPREQUESTED(basics::STOPREQUEST{}));
}

TEST(StopRequest, TheConsolesRequestReadsTheInterruptFlag) {
  const basics::STOPREQUEST* CONSOLE = basics::CONSOLESTOP();
  ASSERT_NE(CONSOLE, nullptr);
  EXPECT_EQ(CONSOLE->SIGNAL, &basics::INTERRUPTREQUESTED);
  basics::INTERRUPTREQUESTED = 1;
  EXPECT_THROW(basics::CHECKSTOP(CONSOLE), basics::INTERRUPTED);
  EXPECT_EQ(basics::INTERRUPTREQUESTED, 0);
  EXPECT_NO_THROW(basics::CHECKSTOP(CONSOLE));
}

}  // namespace
