// A hostile console for whole-program sessions, shared by the hostile-session
// test and the fuzz target.
//
// HostileConsole is one stream buffer behind an istream and an ostream that
// are made the program's console. Its read side serves a script one line at a
// time; before each line it may ask a filter, which sees the last bytes the
// program wrote (the prompt being answered) and the line, whether the input
// goes on: a filter that says no ends the input there, as if the user had
// closed it. Its write side keeps what the program writes (up to a bound) and
// its last bytes.
//
// A session that runs away is stopped from inside the console by the
// exception RunawaySession: too much output, or reading again and again after
// the end of the input (a loop that waits for an answer that never comes).
// The product catches nothing but its own bound exception, so the exception
// leaves the main loop and the caller reports it. The fuzz target sets no
// such limits and leaves runaways to libFuzzer's time and memory limits.
//
// CheckSessionOutput tells whether a whole session's output has the shape
// every session must have, whatever was typed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "basics/console.h"
#include "shell/menu.h"

namespace korveltest {

struct RunawaySession {
  std::string WHY;
};

struct HostileLimits {
  std::size_t MAXOUTPUT = SIZE_MAX;      // bytes the program may write
  std::size_t MAXREADSATEND = SIZE_MAX;  // reads and flushes after the end of the input
  std::size_t KEEP = SIZE_MAX;           // bytes of output kept; the rest is only counted
};

// Decides, at the start of each input line, whether the input goes on. TAIL
// is the end of what the program has written (at least the last 64 bytes, or
// all of it); LINE is the line without its line end.
using LineFilter = std::function<bool(std::string_view TAIL, std::string_view LINE)>;

class HostileConsole : public std::streambuf {
 public:
  explicit HostileConsole(std::string SCRIPT, HostileLimits LIMITS = {}, LineFilter FILTER = {})
      : script_(std::move(SCRIPT)), limits_(LIMITS), filter_(std::move(FILTER)), in_(this), out_(this) {
    setp(put_, put_ + sizeof put_);
    // A stream that catches an exception of its buffer passes it on when
    // badbit is among its exceptions: so a RunawaySession leaves the program.
    in_.exceptions(std::ios::badbit);
    out_.exceptions(std::ios::badbit);
  }
  HostileConsole(const HostileConsole&) = delete;
  HostileConsole& operator=(const HostileConsole&) = delete;

  std::istream& In() { return in_; }
  std::ostream& Out() { return out_; }

  // Hands the bytes still in the put area to the output. The stream buffers
  // what the program writes (one virtual call per byte would dominate the
  // cost of a session); everything the accessors below report is settled.
  void Settle() { Drain(); }

  const std::string& Output() const { return kept_; }
  std::size_t OutputSize() const { return written_; }
  bool OutputComplete() const { return written_ == kept_.size(); }
  // The last bytes written (at least 128 of them, or all).
  std::string_view LastOutput() const { return Tail(); }
  // True when a filter ended the input before the end of the script.
  bool Cut() const { return cut_; }
  // The part of the script the program was allowed to read.
  std::string_view Offered() const { return std::string_view(script_).substr(0, cut_ ? next_ : script_.size()); }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) {
      return traits_type::to_int_type(*gptr());
    }
    // The filter judges the prompt being answered: all of it must be out.
    Drain();
    if (cut_ || next_ >= script_.size()) {
      return AtEnd();
    }
    // One line a time, with its line end: a line feed, a carriage return, or
    // both in this order, as the console's line reader counts them.
    const std::size_t START = next_;
    std::size_t STOP = script_.find_first_of("\r\n", START);
    std::size_t END;
    if (STOP == std::string::npos) {
      STOP = END = script_.size();
    } else if (script_[STOP] == '\r' && STOP + 1 < script_.size() && script_[STOP + 1] == '\n') {
      END = STOP + 2;
    } else {
      END = STOP + 1;
    }
    if (filter_ && !filter_(Tail(), std::string_view(script_).substr(START, STOP - START))) {
      cut_ = true;
      return AtEnd();
    }
    next_ = END;
    char* BASE = script_.data();
    setg(BASE + START, BASE + START, BASE + END);
    return traits_type::to_int_type(*gptr());
  }

  // The put area is full (or C is to be written through it).
  int_type overflow(int_type C) override {
    Drain();
    if (!traits_type::eq_int_type(C, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(C);
      pbump(1);
    }
    return traits_type::not_eof(C);
  }

  std::streamsize xsputn(const char* S, std::streamsize N) override {
    const std::size_t ROOM = static_cast<std::size_t>(epptr() - pptr());
    if (static_cast<std::size_t>(N) <= ROOM) {
      std::copy(S, S + N, pptr());
      pbump(static_cast<int>(N));
    } else {
      Drain();
      Write(S, static_cast<std::size_t>(N));
    }
    return N;
  }

  int sync() override {
    Drain();
    // The console flushes before every read: flushes after the end of the
    // input count as reads there.
    if (ended_) {
      NoteReadAtEnd();
    }
    return 0;
  }

 private:
  int_type AtEnd() {
    ended_ = true;
    NoteReadAtEnd();
    return traits_type::eof();
  }

  void NoteReadAtEnd() {
    if (++readsAtEnd_ > limits_.MAXREADSATEND) {
      throw RunawaySession{"the program kept reading after the end of its input"};
    }
  }

  // Empties the put area into the output; the area is reset first, so that
  // a runaway stopped inside Write leaves no bytes to be written twice.
  void Drain() {
    const std::size_t N = static_cast<std::size_t>(pptr() - pbase());
    setp(put_, put_ + sizeof put_);
    if (N > 0) {
      Write(put_, N);
    }
  }

  void Write(const char* S, std::size_t N) {
    written_ += N;
    if (written_ > limits_.MAXOUTPUT) {
      throw RunawaySession{"the program wrote more than " + std::to_string(limits_.MAXOUTPUT) +
                           " bytes"};
    }
    if (kept_.size() < limits_.KEEP) {
      kept_.append(S, std::min(N, limits_.KEEP - kept_.size()));
    }
    if (limits_.KEEP != SIZE_MAX) {
      if (N >= 128) {
        tail_.assign(S + N - 128, 128);
      } else {
        tail_.append(S, N);
        if (tail_.size() > 512) {
          tail_.erase(0, tail_.size() - 128);
        }
      }
    }
  }

  std::string_view Tail() const {
    const std::string& T = limits_.KEEP == SIZE_MAX ? kept_ : tail_;
    std::size_t N = T.size() < 128 ? T.size() : 128;
    return std::string_view(T).substr(T.size() - N);
  }

  std::string script_;
  HostileLimits limits_;
  LineFilter filter_;
  std::size_t next_ = 0;
  bool cut_ = false;
  bool ended_ = false;
  std::size_t readsAtEnd_ = 0;
  std::size_t written_ = 0;
  std::string kept_;
  std::string tail_;
  char put_[4096];
  std::istream in_;
  std::ostream out_;
};

// Makes a hostile console the program's console for as long as it lives.
class ConsoleSwap {
 public:
  explicit ConsoleSwap(HostileConsole& CONSOLE) { basics::SETCONSOLE(CONSOLE.In(), CONSOLE.Out()); }
  ~ConsoleSwap() { basics::RESETCONSOLE(); }
  ConsoleSwap(const ConsoleSwap&) = delete;
  ConsoleSwap& operator=(const ConsoleSwap&) = delete;
};

// What came of running the program on a hostile console.
struct SessionRun {
  int STATUS = -1;     // RUNKORVEL's result; -1 when it did not return
  std::string ESCAPE;  // what left the main loop instead of a return, if anything
};

inline SessionRun RunOnConsole(HostileConsole& CONSOLE) {
  SessionRun RUN;
  ConsoleSwap SWAP(CONSOLE);
  try {
    RUN.STATUS = shell::RUNKORVEL();
    CONSOLE.Settle();
  } catch (const RunawaySession& E) {
    RUN.ESCAPE = "runaway session: " + E.WHY;
  } catch (const std::exception& E) {
    RUN.ESCAPE = std::string("an exception left the main loop: ") + E.what();
  } catch (...) {
    RUN.ESCAPE = "an exception of unknown type left the main loop";
  }
  if (!RUN.ESCAPE.empty()) {
    try {
      CONSOLE.Settle();  // what it can of the last output, for the report
    } catch (const RunawaySession&) {
    }
  }
  return RUN;
}

// ---------------------------------------------------------------------------
// The fixed texts of the shell that frame every session.

inline std::string RuleLine() { return std::string(80, '=') + "\n"; }

inline const std::string& MenuBlock() {
  static const std::string TEXT =
      "\n" + RuleLine() +
      "MAIN MENU Choose a procedure:\n"
      "  Help\n"
      "    Explanations about the program and references ....................... h \n"
      "    Change the reference braid ordering ................................. O\n"
      "  Garside structure\n"
      "    Display the symmetric normal form ................................... N\n"
      "  Ordered structure\n"
      "    Display the alternating form ........................................ A\n"
      "    Reduce the handles .................................................. H\n"
      "    Compare two braids .................................................. C\n"
      "  Quit .................................................................. Q\n"
      "    > ";
  return TEXT;
}

inline const std::string& OrderingBlock() {
  static const std::string TEXT =
      "  Choose a braid ordering:\n"
      "    Original Ravelind ordering (sigma_1 large) .......................... R\n"
      "    Flipped Ravelind ordering (sigma_n large) ........................... F\n"
      "    Dubrovina-Dubrovin-ordering ......................................... U\n"
      "> ";
  return TEXT;
}

inline constexpr std::string_view kBannerTitle = "   Korvel, version 1.1 (Sep.10, 2016)\n";
inline constexpr std::string_view kBannerEnd =
    "The current bounds for the braids are 2000 crossings on 50 strands. \n"
    "The default braid order is the original Ravelind ordering (sigma_1 large). \n";
inline constexpr std::string_view kConfirmation = "From now on, the ordering is ";

// The number of lines in an input: every line end (CR, LF, or CR LF) closes
// one, and a last line without a line end is a line too.
inline std::size_t CountLines(std::string_view INPUT) {
  std::size_t N = 0;
  for (std::size_t I = 0; I < INPUT.size(); ++I) {
    if (INPUT[I] == '\n' || INPUT[I] == '\r') {
      ++N;
      if (INPUT[I] == '\r' && I + 1 < INPUT.size() && INPUT[I + 1] == '\n') {
        ++I;
      }
    }
  }
  if (!INPUT.empty() && INPUT.back() != '\n' && INPUT.back() != '\r') {
    ++N;
  }
  return N;
}

// Empty when OUT is the output of a whole session whose program read from at
// most LINES input lines; otherwise the first defect found. The shape:
// the banner once, at the start, ending in the bounds and the default
// ordering; then menus, each introduced by an empty line and a rule and
// closed by its prompt and the empty line written after the key is read, at
// least one menu and at most one more than there were lines to read (each
// menu consumes a line, or ends the program at the end of the input); every
// ordering dialogue closed by its confirmation line with one of the four
// possible names; nothing after the empty line that follows the last menu.
inline std::string CheckSessionOutput(std::string_view OUT, std::size_t LINES) {
  const std::string& MENU = MenuBlock();
  const std::string BANNERSTART = "\n" + RuleLine() + std::string(kBannerTitle);
  if (OUT.substr(0, BANNERSTART.size()) != BANNERSTART) {
    return "the output does not begin with the banner";
  }
  if (OUT.find(kBannerTitle, BANNERSTART.size()) != std::string_view::npos) {
    return "the banner is written more than once";
  }
  std::size_t FIRST = OUT.find(MENU);
  if (FIRST == std::string_view::npos) {
    return "no complete menu in the output";
  }
  const std::string BANNEREND = RuleLine() + "\n" + std::string(kBannerEnd);
  if (FIRST < BANNEREND.size() || OUT.substr(FIRST - BANNEREND.size(), BANNEREND.size()) != BANNEREND) {
    return "the banner does not end with the rule, an empty line, the bounds and the default ordering";
  }
  const std::string_view HEADING = "MAIN MENU Choose a procedure:\n";
  std::size_t MENUS = 0;
  std::size_t LASTEND = 0;
  for (std::size_t AT = OUT.find(HEADING); AT != std::string_view::npos;
       AT = OUT.find(HEADING, AT + 1)) {
    // The menu begins with an empty line and a rule of 81 bytes before its heading.
    if (AT < 82 || OUT.substr(AT - 82, MENU.size()) != MENU) {
      return "menu number " + std::to_string(MENUS + 1) + " (at byte " + std::to_string(AT) +
             ") is not the whole menu followed by its prompt";
    }
    LASTEND = AT - 82 + MENU.size();
    if (OUT.substr(LASTEND, 1) != "\n") {
      return "the prompt of menu number " + std::to_string(MENUS + 1) +
             " is not followed by the empty line written after the key";
    }
    ++LASTEND;
    ++MENUS;
  }
  if (LASTEND != OUT.size()) {
    return "the output goes on after the last menu's prompt and empty line: \"" +
           std::string(OUT.substr(LASTEND, 200)) + "\"";
  }
  if (MENUS > LINES + 1) {
    return std::to_string(MENUS) + " menus for only " + std::to_string(LINES) + " input lines";
  }
  const std::string& ORDERING = OrderingBlock();
  for (std::size_t AT = OUT.find(ORDERING); AT != std::string_view::npos;
       AT = OUT.find(ORDERING, AT + 1)) {
    std::string_view AFTER = OUT.substr(AT + ORDERING.size());
    bool NAMED = false;
    for (std::string_view NAME :
         {"the original R-ordering", "the flipped R-ordering", "the DD-ordering", ""}) {
      std::string LINE = std::string(kConfirmation) + std::string(NAME) + ".\n";
      if (AFTER.substr(0, LINE.size()) == LINE) {
        NAMED = true;
      }
    }
    if (!NAMED) {
      return "an ordering dialogue is not closed by its confirmation line: \"" +
             std::string(AFTER.substr(0, 120)) + "\"";
    }
  }
  return "";
}

// A readable form of a script for failure messages: printable ASCII as it
// is, everything else escaped, long runs of one character shortened.
inline std::string Escaped(std::string_view S, std::size_t MAX = 3000) {
  static const char* HEX = "0123456789abcdef";
  std::string R;
  for (std::size_t I = 0; I < S.size() && R.size() < MAX;) {
    std::size_t RUN = 1;
    while (I + RUN < S.size() && S[I + RUN] == S[I]) {
      ++RUN;
    }
    auto PUT = [&](char C) {
      unsigned char U = static_cast<unsigned char>(C);
      if (C == '\n') {
        R += "\\n";
      } else if (C == '\r') {
        R += "\\r";
      } else if (C == '\\') {
        R += "\\\\";
      } else if (U >= 32 && U < 127) {
        R += C;
      } else {
        R += "\\x";
        R += HEX[U >> 4];
        R += HEX[U & 15];
      }
    };
    if (RUN > 8) {
      PUT(S[I]);
      R += "{x" + std::to_string(RUN) + "}";
    } else {
      for (std::size_t K = 0; K < RUN; ++K) {
        PUT(S[I]);
      }
    }
    if (S[I] == '\n') {
      R += "\n";
    }
    I += RUN;
  }
  return R;
}

}  // namespace korveltest
