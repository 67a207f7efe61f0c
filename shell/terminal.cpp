#include "shell/terminal.h"

#include <iostream>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

#include "basics/console.h"

namespace shell {

namespace {

// Standard input for --echo: every byte consumed from it is written to OUT,
// but for the line ends; the reader of lines writes one line feed after each
// line, whatever ended it (a line feed, a carriage return or both). A line of
// any length is thus written whole, while the reader keeps only its first
// characters, and a byte looked at but not consumed is not written.
class ECHOINPUT final : public std::streambuf {
 public:
  ECHOINPUT(std::streambuf* SOURCE, std::ostream& OUT) : SOURCE_(SOURCE), OUT_(OUT) {}

 protected:
  int_type underflow() override { return SOURCE_->sgetc(); }

  int_type uflow() override {
    const int_type C = SOURCE_->sbumpc();
    if (!traits_type::eq_int_type(C, traits_type::eof())) {
      const char CH = traits_type::to_char_type(C);
      if (CH != '\n' && CH != '\r') {
        OUT_.put(CH);
      }
    }
    return C;
  }

 private:
  std::streambuf* SOURCE_;
  std::ostream& OUT_;
};

bool ECHOING = false;  // the lines of input that is not a terminal are echoed

// Makes standard input, echoed to standard output, the console.
void STARTECHO() {
  static ECHOINPUT BUFFER(std::cin.rdbuf(), std::cout);
  static std::istream IN(&BUFFER);
  basics::SETCONSOLE(IN, std::cout);
  ECHOING = true;
}

// The line end written after a line read with --echo.
void ECHOLINEEND() { basics::OUTPUT() << '\n'; }

}  // namespace

}  // namespace shell

#if !defined(__EMSCRIPTEN__) && __has_include(<unistd.h>) && __has_include(<termios.h>)

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>

#include "basics/interrupt.h"
#include "shell/lineeditor.h"

namespace shell {

namespace {

// What the program is doing when SIGINT comes, which decides what it means.
enum : int {
  COMPUTING = 0,        // anything but reading: the computation is abandoned
  READINGPIPE = 1,      // a plain read of input that is not a terminal
  READINGTERMINAL = 2,  // a plain read of a terminal
  EDITING = 3,          // a read by the line editor
};
volatile std::sig_atomic_t STATE = COMPUTING;

// The exit status of a program ended by SIGINT, by the shell convention
// 128 + the signal number.
constexpr int INTERRUPTEDSTATUS = 128 + SIGINT;

bool INTERACTIVE = false;  // standard input is a terminal
bool EDITOR = false;       // and its lines are edited

// The terminal echoes Ctrl-C as "^C" where the cursor is; the next text the
// program writes then starts on a new line.
bool ECHOESCONTROL = false;
volatile std::sig_atomic_t ECHOPENDING = 0;

// The prompt of a plain terminal read, for the handler to write again: a
// copy in static storage, since the handler may touch nothing else.
char PROMPTCOPY[256];
volatile std::sig_atomic_t PROMPTLENGTH = 0;

// The program's output to a terminal. Every byte passes to standard output
// unchanged and in order, but the text written since the last line end, the
// prompt of the next read, is held back until the line ends or the output
// is flushed. A read by the line editor takes it instead (TAKEPROMPT) and
// hands it to the editor, which writes it once the terminal is ready for
// editing, and redraws it with the line.
class SCREENLINE final : public std::streambuf {
 public:
  explicit SCREENLINE(std::streambuf* TARGET) : TARGET_(TARGET) {}

  // The text written on the current screen line, held or written.
  const std::string& UNFINISHED() const { return LINE_; }

  // Takes the held text: the caller writes it.
  std::string TAKEPROMPT() {
    std::string PROMPT;
    PROMPT.swap(HELD_);
    return PROMPT;
  }

  // The user's line end moved the cursor to a new line.
  void NEWLINE() { LINE_.clear(); }

 protected:
  int_type overflow(int_type C) override {
    if (traits_type::eq_int_type(C, traits_type::eof())) {
      return traits_type::not_eof(C);
    }
    const char CH = traits_type::to_char_type(C);
    return xsputn(&CH, 1) == 1 ? C : traits_type::eof();
  }

  std::streamsize xsputn(const char* S, std::streamsize N) override {
    if (ECHOPENDING != 0) {
      ECHOPENDING = 0;
      TARGET_->sputc('\n');  // after the "^C" the terminal wrote
      LINE_.clear();
    }
    const std::string_view TEXT(S, static_cast<std::size_t>(N));
    const std::size_t LAST = TEXT.rfind('\n');
    if (LAST == std::string_view::npos) {
      HELD_.append(TEXT);
      LINE_.append(TEXT);
      return N;
    }
    if (!RELEASE() || TARGET_->sputn(S, static_cast<std::streamsize>(LAST + 1)) !=
                          static_cast<std::streamsize>(LAST + 1)) {
      return 0;
    }
    HELD_.assign(TEXT.substr(LAST + 1));
    LINE_ = HELD_;
    return N;
  }

  int sync() override { return RELEASE() ? TARGET_->pubsync() : -1; }

 private:
  bool RELEASE() {
    const std::streamsize N = static_cast<std::streamsize>(HELD_.size());
    const bool WRITTEN = TARGET_->sputn(HELD_.data(), N) == N;
    HELD_.clear();
    return WRITTEN;
  }

  std::streambuf* TARGET_;
  std::string HELD_;  // written by the program, not yet passed on
  std::string LINE_;  // the whole current screen line
};

SCREENLINE* SCREEN = nullptr;  // set when standard output is a terminal too

void WRITEALL(const char* TEXT, std::size_t LENGTH) {
  while (LENGTH > 0) {
    const ssize_t N = write(STDOUT_FILENO, TEXT, LENGTH);
    if (N <= 0) {
      if (N < 0 && errno == EINTR) {
        continue;
      }
      return;
    }
    TEXT += N;
    LENGTH -= static_cast<std::size_t>(N);
  }
}

// Only async-signal-safe work: flags, write and _exit. At a plain terminal
// read the terminal itself drops the characters typed on the line when it
// sends SIGINT, so writing the prompt again is all that is left to do.
void ONINTERRUPT(int) {
  const int SAVEDERRNO = errno;
  switch (STATE) {
    case READINGPIPE:
      _exit(INTERRUPTEDSTATUS);
    case READINGTERMINAL:
      if (SCREEN != nullptr) {
        WRITEALL("\n", 1);
        WRITEALL(PROMPTCOPY, static_cast<std::size_t>(PROMPTLENGTH));
      }
      break;
    case EDITING:
      basics::INTERRUPTREQUESTED = 1;
      break;
    default:
      if (SCREEN != nullptr && ECHOESCONTROL) {
        ECHOPENDING = 1;
      }
      basics::INTERRUPTREQUESTED = 1;
      break;
  }
  errno = SAVEDERRNO;
}

// A terminal delivers at most a few thousand characters per line.
constexpr std::size_t TERMINALLINE = 65536;

// Removes from a line typed at a plain terminal the control sequences that
// keys such as the arrows send: ESC [ parameters and a final byte (CSI),
// ESC O and one byte (SS3), and ESC with any other one byte (Alt and a key).
// Their last bytes are often letters, which would become braid letters.
void DROPCONTROLSEQUENCES(std::string& LINE) {
  std::size_t TO = 0;
  std::size_t P = 0;
  while (P < LINE.size()) {
    const char C = LINE[P];
    if (C != '\x1b') {
      LINE[TO++] = C;
      ++P;
      continue;
    }
    ++P;
    if (P < LINE.size() && LINE[P] == '[') {
      ++P;
      while (P < LINE.size() && (LINE[P] < '@' || LINE[P] > '~')) {
        ++P;  // parameter and intermediate bytes
      }
    } else if (P < LINE.size() && LINE[P] == 'O') {
      ++P;
    }
    if (P < LINE.size()) {
      ++P;  // the final byte
    }
  }
  LINE.resize(TO);
}

// The terminal's modes before the line editor changed them.
termios STARTMODES{};
bool HAVESTARTMODES = false;

// Ctrl-Z, kill and Ctrl-\ while the line editor has the terminal in its own
// modes: the terminal gets its modes back before the program stops or ends,
// and after a stop the editor's modes return with a redraw of the line.
void ONSTOPORQUIT(int SIGNAL) {
  const int SAVEDERRNO = errno;
  termios EDITMODES{};
  const bool ASEDITED = STATE == EDITING && tcgetattr(STDIN_FILENO, &EDITMODES) == 0;
  if (ASEDITED) {
    tcsetattr(STDIN_FILENO, TCSADRAIN, &STARTMODES);
  }
  if (SIGNAL == SIGTSTP) {
    kill(getpid(), SIGSTOP);
    if (ASEDITED) {  // continued
      tcsetattr(STDIN_FILENO, TCSADRAIN, &EDITMODES);
      REDRAWREQUESTED = 1;
    }
  } else {
    struct sigaction DEFAULT {};
    DEFAULT.sa_handler = SIG_DFL;
    sigemptyset(&DEFAULT.sa_mask);
    sigaction(SIGNAL, &DEFAULT, nullptr);
    raise(SIGNAL);  // delivered when this handler returns
  }
  errno = SAVEDERRNO;
}

// Installs HANDLER for SIGNAL unless the signal is ignored (as SIGINT and
// SIGQUIT are in a background job). Reads and writes of the computation go
// on after the handler; the line editor waits in pselect, which returns on
// the signal all the same.
void CATCH(int SIGNAL, void (*HANDLER)(int)) {
  struct sigaction PREVIOUS {};
  if (sigaction(SIGNAL, nullptr, &PREVIOUS) != 0 || PREVIOUS.sa_handler == SIG_IGN) {
    return;
  }
  struct sigaction ACTION {};
  ACTION.sa_handler = HANDLER;
  sigemptyset(&ACTION.sa_mask);
  ACTION.sa_flags = SA_RESTART;
  sigaction(SIGNAL, &ACTION, nullptr);
}

// The line source of the console. A request left from the computation
// before this read is spent: that computation has ended. The prompt is
// flushed only once the state says "reading", so that a user who answers
// the prompt with Ctrl-C is never taken for one who interrupts a computation.
bool READCONSOLELINE(std::string& LINE, std::size_t KEEP) {
  basics::INTERRUPTREQUESTED = 0;
  if (EDITOR) {
    STATE = EDITING;
    const std::string PROMPT = SCREEN->TAKEPROMPT();
    basics::OUTPUT().flush();
    std::string WHOLE;
    const bool GOT = EDITLINE(WHOLE, PROMPT);
    STATE = COMPUTING;
    if (GOT) {
      SCREEN->NEWLINE();
      LINE.assign(WHOLE, 0, std::min(KEEP, WHOLE.size()));
    }
    return GOT;
  }
  if (INTERACTIVE) {
    if (SCREEN != nullptr) {
      const std::string& PROMPT = SCREEN->UNFINISHED();
      const std::size_t N = std::min(PROMPT.size(), sizeof PROMPTCOPY);
      std::memcpy(PROMPTCOPY, PROMPT.data(), N);
      PROMPTLENGTH = static_cast<std::sig_atomic_t>(N);
    }
    STATE = READINGTERMINAL;
  } else {
    STATE = READINGPIPE;
    if (basics::INTERRUPTREQUESTED != 0) {
      _exit(INTERRUPTEDSTATUS);  // came between the two lines above
    }
  }
  basics::OUTPUT().flush();
  // At a terminal the whole line is read first: its control sequences are
  // dropped before the line is cut to KEEP characters.
  const bool GOT = basics::READPLAINLINE(LINE, INTERACTIVE ? TERMINALLINE : KEEP);
  STATE = COMPUTING;
  if (GOT && ECHOING) {
    ECHOLINEEND();
  }
  if (GOT && INTERACTIVE) {
    DROPCONTROLSEQUENCES(LINE);
    if (LINE.size() > KEEP) {
      LINE.resize(KEEP);
    }
    if (SCREEN != nullptr) {
      SCREEN->NEWLINE();
    }
  }
  return GOT;
}

}  // namespace

bool STARTTERMINAL(bool ECHOLINES) {
  INTERACTIVE = isatty(STDIN_FILENO) != 0;
  if (!INTERACTIVE && ECHOLINES) {
    STARTECHO();
  }
  if (INTERACTIVE && isatty(STDOUT_FILENO) != 0) {
    static SCREENLINE BUFFER(std::cout.rdbuf());
    static std::ostream OUT(&BUFFER);
    SCREEN = &BUFFER;
    basics::SETCONSOLE(std::cin, OUT);
    HAVESTARTMODES = tcgetattr(STDIN_FILENO, &STARTMODES) == 0;
#if defined(ECHOCTL)
    ECHOESCONTROL = HAVESTARTMODES && (STARTMODES.c_lflag & ECHO) != 0 &&
                    (STARTMODES.c_lflag & ECHOCTL) != 0;
#endif
    EDITOR = STARTEDITOR();
    if (EDITOR && HAVESTARTMODES) {
      for (const int SIGNAL : {SIGTSTP, SIGTERM, SIGQUIT}) {
        CATCH(SIGNAL, ONSTOPORQUIT);
      }
    }
  }
  CATCH(SIGINT, ONINTERRUPT);
  basics::SETLINESOURCE(READCONSOLELINE);
  return INTERACTIVE;
}

}  // namespace shell

#else  // no terminals or signals: lines are read plainly

namespace shell {

namespace {

bool READECHOEDLINE(std::string& LINE, std::size_t KEEP) {
  const bool GOT = basics::READLINEPLAINLY(LINE, KEEP);
  if (GOT) {
    ECHOLINEEND();
  }
  return GOT;
}

}  // namespace

bool STARTTERMINAL(bool ECHOLINES) {
  if (ECHOLINES) {
    STARTECHO();
    basics::SETLINESOURCE(READECHOEDLINE);
  }
  return false;
}

}  // namespace shell

#endif
