#include "braidconjugacy/threestrand.h"

#include <algorithm>

#include "braidbasics/codes3.h"

namespace BraidConjugacy {

namespace {

// The evaluation point of the Burau images: odd, so that it is a unit of
// Z/2^64 and the inverse letters have images too; otherwise arbitrary.
constexpr std::uint64_t T = 0x9E3779B97F4A7C15ULL;

// The inverse of an odd number modulo 2^64 by Newton's iteration: each step
// doubles the number of correct low bits, and X = A is right to 3 bits.
constexpr std::uint64_t ODDINVERSE(std::uint64_t A) {
  std::uint64_t X = A;
  for (int STEP = 0; STEP < 6; ++STEP) {
    X *= 2 - A * X;
  }
  return X;
}

constexpr std::uint64_t TINV = ODDINVERSE(T);
static_assert(T * TINV == 1, "the Burau point must be invertible");

std::uint64_t LOWMASK(std::int32_t N) {
  return N >= 64 ? ~0ULL : ((1ULL << N) - 1);
}

}  // namespace

POS3 POS3ONE() { return POS3{0, 0, 0}; }

std::int32_t POS3LETTER(const POS3& X, std::int32_t R) {
  return static_cast<std::int32_t>((X.BITS >> (R - 1)) & 1ULL);
}

std::int32_t POS3LENGTH(const POS3& X) { return 3 * X.K + X.N; }

bool POS3MULT(POS3& X, std::int32_t LETTER) {
  const std::uint64_t BIT = static_cast<std::uint64_t>(LETTER & 1);
  if (X.N >= 2) {
    const std::uint64_t Y = (X.BITS >> (X.N - 2)) & 1ULL;
    const std::uint64_t Z = (X.BITS >> (X.N - 1)) & 1ULL;
    if (Y == BIT && Z != BIT) {
      // w = w' y z with y z x = Delta: Delta^K w' Delta = Delta^(K+1) flip(w').
      X.N -= 2;
      X.BITS = (X.BITS ^ LOWMASK(X.N)) & LOWMASK(X.N);
      X.K += 1;
      return true;
    }
  }
  if (X.N >= POS3MAXWORD) {
    return false;
  }
  X.BITS |= BIT << X.N;
  X.N += 1;
  return true;
}

bool POS3FROMWORD(std::string_view WORD, POS3& X) {
  X = POS3ONE();
  if (WORD.size() > static_cast<std::size_t>(POS3MAXWORD)) {
    return false;  // keeps every quotient taken from X within the word bits
  }
  for (char C : WORD) {
    if (C != 'a' && C != 'b') {
      return false;
    }
    if (!POS3MULT(X, C == 'a' ? 0 : 1)) {
      return false;
    }
  }
  return true;
}

std::uint64_t POS3KEY(const POS3& X) {
  // K below 2^16, N at most 32 and 32 letter bits: the three fields do not
  // overlap, so the key is injective on the braids it is used for.
  return (static_cast<std::uint64_t>(X.K) << 48) | (static_cast<std::uint64_t>(X.N) << 40) |
         (X.BITS & 0xFFFFFFFFULL);
}

bool POS3RIGHTDIVIDES(const POS3& X, std::int32_t LETTER) {
  if (X.K >= 1) {
    return true;
  }
  return X.N >= 1 && POS3LETTER(X, X.N) == LETTER;
}

void POS3RIGHTQUOTIENT(POS3& X, std::int32_t LETTER) {
  if (X.N >= 1 && POS3LETTER(X, X.N) == LETTER) {
    X.N -= 1;
    X.BITS &= LOWMASK(X.N);
    return;
  }
  // Delta^K w x^-1 = Delta^(K-1) flip(w) Delta x^-1 = Delta^(K-1) flip(w) x x'.
  X.K -= 1;
  X.BITS = (X.BITS ^ LOWMASK(X.N)) & LOWMASK(X.N);
  POS3MULT(X, LETTER);
  POS3MULT(X, 1 - LETTER);
}

POS3 POS3FLIPPED(const POS3& X) {
  return POS3{X.K, X.N, (X.BITS ^ LOWMASK(X.N)) & LOWMASK(X.N)};
}

void POS3MULTDELTA(POS3& X, std::int32_t E) {
  X.K += E;
  if (E % 2 != 0) {
    X.BITS = (X.BITS ^ LOWMASK(X.N)) & LOWMASK(X.N);
  }
}

std::string POS3ALTWORD(const POS3& X) {
  // Runs from the right end: the i-th run stripped is of a for odd i.
  POS3 Y = X;
  std::string REVERSED;
  std::int32_t LETTER = 0;
  while (Y.K > 0 || Y.N > 0) {
    while (POS3RIGHTDIVIDES(Y, LETTER)) {
      POS3RIGHTQUOTIENT(Y, LETTER);
      REVERSED.push_back(LETTER == 0 ? 'a' : 'b');
    }
    LETTER = 1 - LETTER;
  }
  return std::string(REVERSED.rbegin(), REVERSED.rend());
}

std::string POS3CODE(const POS3& X) { return BraidBasics::CODE3(POS3ALTWORD(X)); }

std::string POS3GARSIDE(const POS3& X) {
  std::string TEXT(static_cast<std::size_t>(X.K), 'D');
  for (std::int32_t R = 1; R <= X.N; ++R) {
    TEXT.push_back(POS3LETTER(X, R) == 0 ? 'a' : 'b');
  }
  return TEXT;
}

POS3 POS3CYCLED(const POS3& X) {
  const bool TWOLETTERFIRST = X.N >= 2 && POS3LETTER(X, 1) != POS3LETTER(X, 2);
  const std::int32_t FIRST = TWOLETTERFIRST ? 2 : 1;
  if (X.N <= FIRST) {
    return X;  // at most one factor: its own cycling
  }
  POS3 Y{X.K, X.N - FIRST, X.BITS >> FIRST};
  for (std::int32_t R = 1; R <= FIRST; ++R) {
    std::int32_t LETTER = POS3LETTER(X, R);
    if (X.K % 2 != 0) {
      LETTER = 1 - LETTER;
    }
    POS3MULT(Y, LETTER);
  }
  return Y;
}

BURAUN BURAUNOFBRAID(const BraidBasics::BRAID& B, std::int32_t N) {
  BURAUN X;
  X.N = N;
  X.M.assign(static_cast<std::size_t>(N) * N, 0);
  for (std::int32_t R = 0; R < N; ++R) {
    X.M[static_cast<std::size_t>(R) * N + R] = 1;
  }
  // Right multiplication by the image of sigma_i changes columns i and i+1
  // only: block [[1-t, t], [1, 0]], inverse block [[0, 1], [1/t, 1-1/t]].
  for (std::int32_t P = 1; P <= B.L; ++P) {
    const std::int32_t LETTER = B.V[P];
    const std::int32_t C = (LETTER > 0 ? LETTER : -LETTER) - 1;
    if (C + 1 >= N) {
      continue;  // outside the N strands: the caller passes N > every index
    }
    for (std::int32_t R = 0; R < N; ++R) {
      std::uint64_t& U = X.M[static_cast<std::size_t>(R) * N + C];
      std::uint64_t& V = X.M[static_cast<std::size_t>(R) * N + C + 1];
      const std::uint64_t OLDU = U;
      const std::uint64_t OLDV = V;
      if (LETTER > 0) {
        U = (1 - T) * OLDU + OLDV;
        V = T * OLDU;
      } else {
        U = TINV * OLDV;
        V = OLDU + (1 - TINV) * OLDV;
      }
    }
  }
  return X;
}

bool BURAUNISTHREESTRAND(const BURAUN& X) {
  for (std::int32_t R = 0; R < X.N; ++R) {
    for (std::int32_t C = 0; C < X.N; ++C) {
      if (R < 3 && C < 3) {
        continue;
      }
      const std::uint64_t WANT = R == C ? 1 : 0;
      if (X.M[static_cast<std::size_t>(R) * X.N + C] != WANT) {
        return false;
      }
    }
  }
  return true;
}

void BURAUNBLOCK3(const BURAUN& X, std::uint64_t BLOCK[9]) {
  for (std::int32_t R = 0; R < 3; ++R) {
    for (std::int32_t C = 0; C < 3; ++C) {
      const bool INSIDE = R < X.N && C < X.N;
      BLOCK[R * 3 + C] = INSIDE ? X.M[static_cast<std::size_t>(R) * X.N + C] : (R == C ? 1 : 0);
    }
  }
}

std::uint64_t BLOCK3HASH(const std::uint64_t BLOCK[9]) {
  std::uint64_t H = 0x243F6A8885A308D3ULL;
  for (int I = 0; I < 9; ++I) {
    H ^= BLOCK[I];
    H *= 0x100000001B3ULL;
    H ^= H >> 29;
  }
  return H;
}

}  // namespace BraidConjugacy
