#include "braidbasics/tex.h"

#include <string_view>

#include "basics/console.h"

namespace BraidBasics {

char BPRINTSTYLE = '\0';
std::ostream* TEX = nullptr;

namespace {

// Everything goes through one sink so that a closed target is a sink that
// swallows the text: the fragments are built the same way either way.
std::ostream& TEXSINK() {
  static std::ostream NOWHERE(nullptr);  // no buffer: every write is dropped
  return TEX != nullptr ? *TEX : NOWHERE;
}

constexpr std::string_view TTBREAK = "\\hfill\\break\\indent ";
constexpr std::string_view MATHBREAK = "\\hfill \\break \\indent ";

constexpr std::int32_t TTLINE = 65;       // typewriter letters per line of TEX
constexpr std::int32_t MATHLINE = 20;     // generators between line-break texts
constexpr std::int32_t SPECIALLINE = 70;  // underlined form: letters between breaks

void PRINTTYPEWRITER(std::ostream& OUT, const BRAID& B) {
  if (B.L == 0) {
    OUT << "$\\e$ ";
  }
  OUT << " \\ni $\\tt ";
  for (std::int32_t R = 1; R <= B.L; ++R) {
    OUT << BLETTERCHAR(B.V[R]);
    if (R % TTLINE == 0) {
      OUT << TTBREAK << '\n';
    }
  }
  OUT << "$\n";
}

// Generator numbers (SIGMA false) or sigma notation (SIGMA true).
void PRINTMATH(std::ostream& OUT, const BRAID& B, bool SIGMA) {
  if (B.L == 0) {
    OUT << "$1$ ";
  }
  OUT << " \\ni $";
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const std::int32_t LETTER = B.V[R];
    const std::int32_t INDEX = LETTER > 0 ? LETTER : -LETTER;
    if (SIGMA) {
      OUT << " \\s_" << INDEX << (LETTER < 0 ? "^{-1}" : "");
    } else {
      OUT << (LETTER > 0 ? " \\; " : " \\;\\bar") << INDEX;
    }
    if (R % MATHLINE == 0) {
      OUT << MATHBREAK;
    }
  }
  OUT << (SIGMA ? "$ \n" : "$\n");
}

}  // namespace

void BPRINT(const BRAID& B) {
  std::ostream& OUT = TEXSINK();
  switch (BPRINTSTYLE) {
    case 'A': PRINTTYPEWRITER(OUT, B); break;
    case '1': PRINTMATH(OUT, B, false); break;
    case 's': PRINTMATH(OUT, B, true); break;
    default: break;
  }
}

void BPRINTLN(const BRAID& B) {
  BPRINT(B);
  TEXSINK() << "\n\n";
}

void BSPECIALPRINTLN(const BRAID& B, std::int32_t P, std::int32_t Q) {
  std::ostream& OUT = TEXSINK();
  std::ostream& ECHO = basics::OUTPUT();
  OUT << " \\ni $\\tt ";
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (R == P) {
      OUT << "\\underline{ ";
      ECHO << "  ";
    }
    const char LETTER = BLETTERCHAR(B.V[R]);
    OUT << LETTER;
    ECHO << LETTER;
    if (R == Q) {
      OUT << "} ";
      ECHO << "  ";
    }
    if (R % SPECIALLINE == 0) {
      OUT << TTBREAK;
    }
  }
  OUT << "$\n";
  ECHO << '\n';
  OUT << "\n\n";
}

}  // namespace BraidBasics
