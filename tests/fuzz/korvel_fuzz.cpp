// The whole program under libFuzzer: each input is the standard input of one
// session of Korvel, run in-process through the console seam.
//
// A session fails (and libFuzzer keeps its input) when a sanitizer reports,
// when an exception leaves the main loop (the real program would terminate),
// when the main loop returns anything but 0, or when the output does not have
// the shape of a session: the banner once, every menu followed by its prompt,
// nothing after the empty line that follows the last menu (CheckSessionOutput).
// A session that never ends is left to libFuzzer's -timeout.
//
// Bounded work: the input is cut, never the program. Only the first
// kMaxInput bytes are given; at "Until which length? " the input ends unless
// the answer is a plain number of at most 8 (or empty, or negative), and after
// four table builds; at the factors of key I it ends after four studies or at
// a factor of more than 16 letters. So a single input cannot ask for a table
// whose construction takes minutes.
//
// Global state: the ordering option is set to R by the banner of every
// session, and the menu key is rewritten by every menu. The three-strand
// tables built by key B stay from one input to the next, as they stay from one
// key B to the next in a run; so an input that shows M, S or I before its
// own B sees the last table of an earlier input. Every table the program can
// hold is a legitimate state for those keys. If a crash does not reproduce on
// its input alone, run the inputs of the campaign before it again in order.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/shell/hostile_console.h"
#include "tests/shell/hostile_sessions.h"

namespace {

constexpr std::size_t kMaxInput = 64 * 1024;
constexpr std::size_t kKeptOutput = 8 * 1024 * 1024;

[[noreturn]] void Fail(const std::string& WHY, std::string_view INPUT) {
  std::fprintf(stderr, "korvel_fuzz: %s\n--- input ---\n%s\n", WHY.c_str(),
               korveltest::Escaped(INPUT, 4000).c_str());
  std::abort();
}

}  // namespace

// Undefined behaviour stops the run at its first report, as a crash does.
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* DATA, std::size_t SIZE) {
  std::string INPUT(reinterpret_cast<const char*>(DATA), SIZE < kMaxInput ? SIZE : kMaxInput);
  korveltest::HostileLimits LIMITS;
  LIMITS.KEEP = kKeptOutput;
  korveltest::WorkBounds BOUNDS;  // bound 8, four builds, four studies, 16 letters
  korveltest::HostileConsole CONSOLE(INPUT, LIMITS, korveltest::BoundedWorkFilter(BOUNDS));
  korveltest::SessionRun RUN = korveltest::RunOnConsole(CONSOLE);
  if (!RUN.ESCAPE.empty()) {
    Fail(RUN.ESCAPE, INPUT);
  }
  if (RUN.STATUS != 0) {
    Fail("the main loop returned " + std::to_string(RUN.STATUS), INPUT);
  }
  if (CONSOLE.OutputComplete()) {
    std::string DEFECT =
        korveltest::CheckSessionOutput(CONSOLE.Output(), korveltest::CountLines(CONSOLE.Offered()));
    if (!DEFECT.empty()) {
      Fail(DEFECT, INPUT);
    }
  } else {
    // Too much output to keep: at least its end must be the last menu.
    const std::string_view LAST =
        "  Quit .................................................................. Q\n    > \n";
    std::string_view TAIL = CONSOLE.LastOutput();
    if (TAIL.size() < LAST.size() || TAIL.substr(TAIL.size() - LAST.size()) != LAST) {
      Fail("the output does not end with the last menu's prompt and empty line", INPUT);
    }
  }
  return 0;
}
