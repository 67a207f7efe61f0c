#include "basics/console.h"

#include <iostream>

namespace basics {

namespace {
std::istream* CURRENTIN = &std::cin;
std::ostream* CURRENTOUT = &std::cout;
LINESOURCE CURRENTSOURCE = nullptr;
}  // namespace

std::istream& INPUT() { return *CURRENTIN; }

std::ostream& OUTPUT() { return *CURRENTOUT; }

void SETCONSOLE(std::istream& IN, std::ostream& OUT) {
  CURRENTIN = &IN;
  CURRENTOUT = &OUT;
}

void RESETCONSOLE() {
  CURRENTIN = &std::cin;
  CURRENTOUT = &std::cout;
}

void SETLINESOURCE(LINESOURCE SOURCE) { CURRENTSOURCE = SOURCE; }

LINESOURCE CURRENTLINESOURCE() { return CURRENTSOURCE; }

bool READLINE(std::string& LINE, std::size_t KEEP) {
  if (CURRENTSOURCE != nullptr) {
    LINE.clear();
    return CURRENTSOURCE(LINE, KEEP);
  }
  return READLINEPLAINLY(LINE, KEEP);
}

bool READLINEPLAINLY(std::string& LINE, std::size_t KEEP) {
  // The prompt before a read must reach the user before the read waits.
  OUTPUT().flush();
  return READPLAINLINE(LINE, KEEP);
}

bool READPLAINLINE(std::string& LINE, std::size_t KEEP) {
  LINE.clear();
  std::istream& IN = INPUT();
  std::streambuf* BUF = IN.rdbuf();
  if (!IN.good() || BUF == nullptr) {
    return false;
  }
  using TRAITS = std::istream::traits_type;
  bool READANY = false;
  for (;;) {
    TRAITS::int_type C = BUF->sbumpc();
    if (TRAITS::eq_int_type(C, TRAITS::eof())) {
      IN.setstate(std::ios::eofbit);
      return READANY;
    }
    READANY = true;
    char CH = TRAITS::to_char_type(C);
    if (CH == '\n') {
      return true;
    }
    if (CH == '\r') {
      // A carriage return ends the line; a line feed right after it belongs
      // to the same line end.
      TRAITS::int_type NEXT = BUF->sgetc();
      if (TRAITS::eq_int_type(NEXT, TRAITS::to_int_type('\n'))) {
        BUF->sbumpc();
      }
      return true;
    }
    if (LINE.size() < KEEP) {
      LINE.push_back(CH);
    }
  }
}

void HRULE() { OUTPUT() << std::string(80, '=') << '\n'; }

}  // namespace basics
