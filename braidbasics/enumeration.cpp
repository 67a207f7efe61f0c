#include "braidbasics/enumeration.h"

#include <algorithm>
#include <string>

namespace BraidBasics {

namespace {

// The digits of P in bijective base BASE, most significant first, each digit
// X in 1..BASE turned into a character by LETTER(X). Every digit divides P by
// at least 2 when BASE >= 2, and by 1 when BASE = 1, so the word of an index
// P has at most P letters; the caller's bound check stops a runaway length.
template <typename LETTERFN>
std::string BIJECTIVEDIGITS(std::int64_t P, std::int64_t BASE, LETTERFN LETTER) {
  std::string WORD;
  if (BASE < 1) {
    return WORD;
  }
  while (P > 0) {
    std::int64_t X = P % BASE;
    if (X == 0) {
      X = BASE;
    }
    P = (P - X) / BASE;
    WORD.push_back(LETTER(X));
    if (static_cast<std::int64_t>(WORD.size()) > BMAXLENGTH) {
      break;  // BDEF of this text will refuse it at the bound
    }
  }
  std::reverse(WORD.begin(), WORD.end());
  return WORD;
}

char POSITIVELETTER(std::int64_t X) {
  // Letters past sigma_26 write as the characters after "z", which BDEF drops;
  // past code 127 they are cut to a character BDEF drops as well.
  return X <= 31 ? static_cast<char>(96 + X) : '~';
}

}  // namespace

void BGENERATE(BRAID& B, std::int64_t P, std::int32_t N) {
  const std::int64_t NN = static_cast<std::int64_t>(N) - 1;
  std::string WORD = BIJECTIVEDIGITS(P, 2 * NN, [NN](std::int64_t X) {
    if (X <= NN) {
      return POSITIVELETTER(X);
    }
    std::int64_t I = X - NN;
    return I <= 31 ? static_cast<char>(64 + I) : '~';
  });
  BDEF(B, WORD);
}

BRAID BGENERATED(std::int64_t P, std::int32_t N) {
  BRAID B;
  BGENERATE(B, P, N);
  return B;
}

void BPOSGENERATE(BRAID& B, std::int64_t P, std::int32_t N) {
  BDEF(B, THEPOSITIVEWORD(P, N));
}

BRAID BPOSGENERATED(std::int64_t P, std::int32_t N) {
  BRAID B;
  BPOSGENERATE(B, P, N);
  return B;
}

std::string THEPOSITIVEWORD(std::int64_t P, std::int32_t N) {
  // THEPOSITIVEWORD(P) = THEPOSITIVEWORD((P-1) div (N-1)) followed by the
  // letter ((P-1) mod (N-1)) + 1: bijective base N-1, computed without
  // recursion.
  return BIJECTIVEDIGITS(P, static_cast<std::int64_t>(N) - 1, POSITIVELETTER);
}

BRAID THEPOSITIVEBRAID(std::int64_t P, std::int32_t N) {
  BRAID B;
  BDEF(B, THEPOSITIVEWORD(P, N));
  return B;
}

}  // namespace BraidBasics
