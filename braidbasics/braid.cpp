#include "braidbasics/braid.h"

#include <algorithm>
#include <cstdint>

#include "basics/conversions.h"

namespace BraidBasics {

std::int32_t SUP(std::int32_t I, std::int32_t J) { return I < J ? J : I; }

std::int32_t SUP3(std::int32_t I, std::int32_t J, std::int32_t K) {
  return I < J ? SUP(J, K) : SUP(I, K);
}

std::int32_t INF(std::int32_t I, std::int32_t J) { return I < J ? I : J; }

std::int32_t INT(std::string_view W) { return basics::STRTOINT(W); }

void BGROW(BRAID& B, std::int64_t LENGTH) {
  if (LENGTH > BMAXRECORD) {
    throw BOUNDEXCEEDED{};
  }
  // At least doubling keeps a run of appends linear; a record starts with
  // room for 15 letters, so small words make one small allocation.
  const std::size_t NEEDED = static_cast<std::size_t>(LENGTH) + 1;
  std::size_t SIZE = B.V.size() < 16 ? 16 : 2 * B.V.size();
  if (SIZE < NEEDED) {
    SIZE = NEEDED;
  }
  B.V.resize(SIZE);
}

void BDEF(BRAID& B, std::string_view W, const BLIMITS& LIMITS) {
  // Room for every character at once (a letter is a character), up to the
  // limit: the letter that would pass it is refused before it is written.
  const std::int64_t MAXLENGTH = LIMITS.MAXLENGTH;
  BROOM(B, std::min(static_cast<std::int64_t>(W.size()), MAXLENGTH));
  BLETTER* const V = B.V.data();
  std::int32_t L = 0;
  std::int32_t WIDTH = 1;
  for (char CH : W) {
    int C = static_cast<unsigned char>(CH);
    std::int32_t LETTER;
    if (C >= 65 && C <= 90) {
      LETTER = -(C - 64);
    } else if (C >= 97 && C <= 122) {
      LETTER = C - 96;
    } else {
      continue;
    }
    if (L >= MAXLENGTH) {
      throw BOUNDEXCEEDED{};
    }
    V[++L] = static_cast<BLETTER>(LETTER);
    WIDTH = SUP(WIDTH, (LETTER < 0 ? -LETTER : LETTER) + 1);
  }
  B.L = L;
  B.W = WIDTH;
}

BRAID BDELTA(std::int32_t N, const BLIMITS& LIMITS) {
  BRAID B;
  if (N > BMAXSTRANDS) {
    N = BMAXSTRANDS;
  }
  B.L = 0;
  B.W = N < 1 ? 1 : N;
  // Delta_N = Delta_(N-1) sigma_(N-1) ... sigma_1: append the descending runs
  // for 2, 3, ..., N strands.
  const std::int64_t LENGTH = N < 2 ? 0 : static_cast<std::int64_t>(N) * (N - 1) / 2;
  BRESERVE(B, LENGTH, LIMITS);
  for (std::int32_t K = 2; K <= N; ++K) {
    for (std::int32_t I = K - 1; I >= 1; --I) {
      B.V[++B.L] = static_cast<BLETTER>(I);
    }
  }
  return B;
}

BRAID BONE() {
  BRAID B;
  B.L = 0;
  B.W = 1;
  return B;
}

BRAID BSIGMA(std::int32_t I) {
  BRAID B;
  BROOM(B, 1);
  B.L = 1;
  B.V[1] = static_cast<BLETTER>(I);
  B.W = I + 1;
  return B;
}

BRAID BUNDEFINED() {
  BRAID B;
  B.L = 0;
  B.W = 0;
  return B;
}

char BLETTERCHAR(std::int32_t X) {
  return static_cast<char>(X > 0 ? 96 + X : 64 - X);
}

}  // namespace BraidBasics
