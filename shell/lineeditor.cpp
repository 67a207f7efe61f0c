#include "shell/lineeditor.h"

#if defined(KORVEL_HAVE_READLINE)

#include <readline/history.h>
#include <readline/readline.h>
#include <sys/select.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "basics/interrupt.h"

namespace shell {

volatile std::sig_atomic_t REDRAWREQUESTED = 0;

namespace {

// The outcome of the line being read, set by ACCEPT when Readline has a
// whole line or the end of the input.
bool ACCEPTED = false;
bool GOTLINE = false;
std::string TYPED;

// The end of the input stays: every later read is at the end as well.
bool ENDED = false;

void ACCEPT(char* TEXT) {
  ACCEPTED = true;
  GOTLINE = TEXT != nullptr;
  if (TEXT != nullptr) {
    TYPED = TEXT;
    if (TEXT[0] != '\0') {
      add_history(TEXT);
    }
    std::free(TEXT);
  }
  // Without the handler Readline gives the terminal its modes back at once:
  // the program computes and answers on the terminal as it found it.
  rl_callback_handler_remove();
}

// The user's Ctrl-C at the prompt: "^C" where the terminal shows it, the
// line and any search in progress dropped, and the cursor on a new line.
void DROPLINE() {
  rl_free_line_state();
  rl_callback_sigcleanup();
  rl_echo_signal_char(SIGINT);
  rl_crlf();
  rl_replace_line("", 1);
  rl_point = 0;
  rl_callback_handler_remove();
}

}  // namespace

bool STARTEDITOR() {
  const char* TERM = std::getenv("TERM");
  if (TERM == nullptr || TERM[0] == '\0' || std::strcmp(TERM, "dumb") == 0) {
    return false;
  }
  rl_readline_name = "korvel";
  rl_instream = stdin;
  rl_outstream = stdout;
  // Ctrl-C reaches the program's own handler, which tells a prompt from a
  // computation; Readline keeps its handling of window size changes.
  rl_catch_signals = 0;
  rl_catch_sigwinch = 1;
  rl_persistent_signal_handlers = 1;
  rl_change_environment = 0;
  // Braid words are not file names: Tab completes nothing.
  rl_inhibit_completion = 1;
  using_history();
  if (rl_initialize() != 0) {
    return false;
  }
  // A key that sends a control sequence the editor does not know (F5,
  // Ctrl-Left, Shift-Tab, ...) is consumed whole instead of inserting its
  // last bytes, which may be letters, into the braid word.
  rl_bind_keyseq("\\e[", rl_skip_csi_sequence);
  return true;
}

// The line is read one character at a time when the terminal has one, so
// that the wait between characters is the only place where an interrupt or
// a stop can arrive: SIGINT and SIGTSTP are blocked except inside pselect,
// which returns at once with EINTR when one comes, and the request (or the
// redraw after a stop) is then taken before the next character.
bool EDITLINE(std::string& LINE, const std::string& PROMPT) {
  LINE.clear();
  if (ENDED) {
    return false;
  }
  std::fflush(stdout);
  sigset_t INTERRUPT;
  sigset_t ORIGINAL;
  sigemptyset(&INTERRUPT);
  sigaddset(&INTERRUPT, SIGINT);
  sigaddset(&INTERRUPT, SIGTSTP);
  sigprocmask(SIG_BLOCK, &INTERRUPT, &ORIGINAL);
  sigset_t WAITING = ORIGINAL;
  sigdelset(&WAITING, SIGINT);
  sigdelset(&WAITING, SIGTSTP);

  ACCEPTED = false;
  GOTLINE = false;
  TYPED.clear();
  rl_already_prompted = 0;
  rl_callback_handler_install(PROMPT.c_str(), ACCEPT);
  const int FD = fileno(rl_instream);
  while (!ACCEPTED) {
    if (basics::INTERRUPTREQUESTED != 0) {
      basics::INTERRUPTREQUESTED = 0;
      DROPLINE();
      rl_callback_handler_install(PROMPT.c_str(), ACCEPT);
      continue;
    }
    fd_set READY;
    FD_ZERO(&READY);
    FD_SET(FD, &READY);
    const int R = pselect(FD + 1, &READY, nullptr, nullptr, nullptr, &WAITING);
    if (R < 0) {
      if (errno == EINTR) {
        if (REDRAWREQUESTED != 0) {
          REDRAWREQUESTED = 0;
          rl_forced_update_display();
        }
        continue;
      }
      rl_callback_handler_remove();  // the terminal is gone: the input ends
      break;
    }
    rl_callback_read_char();
  }
  sigprocmask(SIG_SETMASK, &ORIGINAL, nullptr);
  std::fflush(stdout);  // Readline's echo comes before the program's answer
  if (!GOTLINE) {
    ENDED = true;
    return false;
  }
  LINE = TYPED;
  return true;
}

}  // namespace shell

#else  // without Readline

namespace shell {

volatile std::sig_atomic_t REDRAWREQUESTED = 0;

bool STARTEDITOR() { return false; }

bool EDITLINE(std::string& LINE, const std::string&) {
  LINE.clear();
  return false;
}

}  // namespace shell

#endif
