#include "braidbasics/words.h"

#include <ostream>
#include <string>

#include "basics/console.h"

namespace BraidBasics {

namespace {

// One typed line turned into a braid; the end of the input gives the unit.
void READBRAID(BRAID& B) {
  std::string LINE;
  basics::READLINE(LINE, BMAXLINE);
  BDEF(B, LINE);
}

}  // namespace

void BENTER(BRAID& B) {
  basics::OUTPUT() << "Enter a braid word, using \"a\" for \"sigma_1\" and \"A\" for "
                      "\"sigma_1^{-1}\" etc.\n"
                   << "    > ";
  READBRAID(B);
}

void BENTERPOS(BRAID& B) {
  basics::OUTPUT() << "Enter a positive braid word, using \"a\" for \"sigma_1\" etc.\n"
                   << "    > ";
  READBRAID(B);
}

void BENTER2(BRAID& B1, BRAID& B2) {
  basics::OUTPUT() << "Enter two braid words, using \"a\" for \"sigma_1\" and \"A\" for "
                      "\"sigma_1^{-1}\" etc.\n"
                   << "    > B1 = ";
  READBRAID(B1);
  basics::OUTPUT() << "    > B2 = ";
  READBRAID(B2);
}

std::string BWORD(const BRAID& B) {
  std::string RESULT = B.W <= 0 ? "?" : "";
  RESULT.reserve(RESULT.size() + static_cast<std::size_t>(B.L));
  for (std::int32_t R = 1; R <= B.L; ++R) {
    RESULT.push_back(BLETTERCHAR(B.V[R]));
  }
  return RESULT;
}

void BWRITE(const BRAID& B) {
  std::ostream& OUT = basics::OUTPUT();
  if (B.W == 0) {
    OUT << "??ined";
  } else if (B.L == 0) {
    OUT << '1';
  }
  for (std::int32_t R = 1; R <= B.L; ++R) {
    OUT << BLETTERCHAR(B.V[R]);
    if (R % 65 == 0) {
      OUT << "\n     ";
    }
  }
}

void BWRITELN(const BRAID& B) {
  BWRITE(B);
  basics::OUTPUT() << '\n';
}

void BSPECIALWRITELN(const BRAID& B, std::int32_t P, std::int32_t Q) {
  std::ostream& OUT = basics::OUTPUT();
  if (B.L == 0) {
    OUT << '1';
  }
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (R == P || R == Q + 1) {
      OUT << '.';
    }
    OUT << BLETTERCHAR(B.V[R]);
    if (R % 80 == 0) {
      OUT << "\n     ";
    }
  }
  if (B.L == Q) {
    OUT << '.';
  }
  OUT << '\n';
}

void WRITEFIX(std::string_view W, std::int32_t L) {
  std::ostream& OUT = basics::OUTPUT();
  OUT << W;
  for (std::int64_t K = static_cast<std::int64_t>(L) - static_cast<std::int64_t>(W.size()); K > 0;
       --K) {
    OUT << ' ';
  }
}

}  // namespace BraidBasics
