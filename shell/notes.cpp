#include "shell/notes.h"

#include <algorithm>
#include <limits>
#include <ostream>
#include <vector>

#include "basics/console.h"
#include "basics/letterstrings.h"

namespace shell {

namespace {

bool TYPED = false;       // a person types the session's input
bool BRAIDLINES = false;  // the lines read now are braid words
basics::LINESOURCE FRONTEND = nullptr;  // the source the notes read through

// The reader keeps what it asks for; the rest is only counted. No line a
// person can type comes near this length.
constexpr std::size_t WHOLELINE = std::numeric_limits<std::size_t>::max();

// The distinct characters a note names before it only counts the others.
constexpr std::size_t SHOWNCHARACTERS = 6;

// The line source of a session typed by a person: the line the front end
// reads, whole, then cut to KEEP characters as the plain reading would cut
// it, and the notes on it.
bool READNOTEDLINE(std::string& LINE, std::size_t KEEP) {
  bool GOT = false;
  if (FRONTEND != nullptr) {
    GOT = FRONTEND(LINE, WHOLELINE);
  } else {
    GOT = basics::READLINEPLAINLY(LINE, WHOLELINE);
  }
  if (!GOT) {
    return false;
  }
  const std::size_t DROPPED = LINE.size() > KEEP ? LINE.size() - KEEP : 0;
  LINE.resize(LINE.size() - DROPPED);
  if (BRAIDLINES) {
    const std::string IGNORED = IGNOREDNOTE(LINE);
    if (!IGNORED.empty()) {
      NOTE(IGNORED);
    }
  }
  // A one-key answer keeps its first character by design: the rest of its
  // line is no news.
  if (KEEP > 1 && DROPPED > 0) {
    NOTE(CUTNOTE(KEEP, DROPPED));
  }
  return true;
}

// Characters that a braid word holds without a note.
bool READSILENTLY(std::string_view CHARACTER) {
  return CHARACTER.size() == 1 && BRAIDWORDCHARACTER(CHARACTER[0]);
}

}  // namespace

bool PERSONTYPING() { return TYPED; }

bool BRAIDWORDCHARACTER(char C) { return basics::ISLETTER(C) || C == ' ' || C == '\t' || C == '.'; }

NOTEDSESSION::NOTEDSESSION(bool PERSON) : WASTYPED_(TYPED) {
  TYPED = PERSON;
  if (PERSON) {
    FRONTEND = basics::CURRENTLINESOURCE();
    basics::SETLINESOURCE(READNOTEDLINE);
  }
}

NOTEDSESSION::~NOTEDSESSION() {
  if (TYPED) {
    basics::SETLINESOURCE(FRONTEND);
    FRONTEND = nullptr;
  }
  TYPED = WASTYPED_;
  BRAIDLINES = false;
}

void SETBRAIDLINES(bool BRAIDS) { BRAIDLINES = BRAIDS; }

void NOTE(std::string_view TEXT) {
  if (TYPED) {
    basics::OUTPUT() << "Note: " << TEXT << '\n';
  }
}

std::string IGNOREDNOTE(std::string_view LINE) {
  std::vector<std::string_view> IGNORED;
  for (std::size_t P = 0; P < LINE.size();) {
    const std::string_view C = LINE.substr(P, CHARACTERLENGTH(LINE.substr(P)));
    P += C.size();
    if (!READSILENTLY(C) && std::find(IGNORED.begin(), IGNORED.end(), C) == IGNORED.end()) {
      IGNORED.push_back(C);
    }
  }
  if (IGNORED.empty()) {
    return "";
  }
  std::string TEXT = "ignored ";
  const std::size_t NAMED = std::min(IGNORED.size(), SHOWNCHARACTERS);
  for (std::size_t K = 0; K < NAMED; ++K) {
    TEXT += K == 0 ? "" : ", ";
    TEXT += SHOWN(IGNORED[K]);
  }
  if (IGNORED.size() > NAMED) {
    const std::size_t OTHERS = IGNORED.size() - NAMED;
    TEXT += " and " + std::to_string(OTHERS) + (OTHERS == 1 ? " other character" : " other characters");
  }
  TEXT += "; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses).";
  return TEXT;
}

std::string CUTNOTE(std::size_t KEEP, std::size_t DROPPED) {
  return "the line was cut at " + std::to_string(KEEP) + " characters; " +
         std::to_string(DROPPED) +
         (DROPPED == 1 ? " more character was dropped." : " more characters were dropped.");
}

std::size_t CHARACTERLENGTH(std::string_view TEXT) {
  if (TEXT.empty()) {
    return 0;
  }
  const auto LEAD = static_cast<unsigned char>(TEXT[0]);
  const auto SECOND = TEXT.size() > 1 ? static_cast<unsigned char>(TEXT[1]) : 0;
  // Lead bytes of two, three and four bytes; C0 and C1 would be overlong,
  // above F4 past the last code point, and C2 80..C2 9F are the control
  // characters U+0080..U+009F, which a terminal may obey: each stays a byte.
  std::size_t N = 1;
  if (LEAD >= 0xC2 && LEAD <= 0xDF && !(LEAD == 0xC2 && SECOND < 0xA0)) {
    N = 2;
  } else if (LEAD >= 0xE0 && LEAD <= 0xEF) {
    N = 3;
  } else if (LEAD >= 0xF0 && LEAD <= 0xF4) {
    N = 4;
  }
  if (N == 1 || TEXT.size() < N) {
    return 1;
  }
  for (std::size_t K = 1; K < N; ++K) {
    if ((static_cast<unsigned char>(TEXT[K]) & 0xC0) != 0x80) {
      return 1;
    }
  }
  return N;
}

std::string SHOWN(std::string_view CHARACTER) {
  if (CHARACTER.size() > 1) {
    return '"' + std::string(CHARACTER) + '"';
  }
  const auto CODE = CHARACTER.empty() ? 0U : static_cast<unsigned char>(CHARACTER[0]);
  if (CODE == '"') {
    return "'\"'";
  }
  if (CODE >= 0x20 && CODE < 0x7F) {
    return std::string("\"") + static_cast<char>(CODE) + '"';
  }
  const char* HEX = "0123456789ABCDEF";
  return std::string("the byte 0x") + HEX[CODE >> 4] + HEX[CODE & 0xF];
}

}  // namespace shell
