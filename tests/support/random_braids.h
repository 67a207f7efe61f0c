// Seeded random braids for the tests of the interface for programs: random
// words, and other spellings of the same braid made by the defining
// relations, so that "the same braid" is known by construction.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "korvel/braid.h"

namespace korveltest {

// LENGTH letters on STRANDS strands (at least 2), each index and sign uniform.
inline korvel::Braid RANDOMBRAID(std::mt19937_64& GEN, int STRANDS, std::size_t LENGTH) {
  std::vector<std::int16_t> W(LENGTH);
  for (std::int16_t& X : W) {
    const auto I = static_cast<std::int16_t>(1 + GEN() % static_cast<unsigned>(STRANDS - 1));
    X = GEN() % 2 == 0 ? I : static_cast<std::int16_t>(-I);
  }
  return korvel::Braid(std::move(W), STRANDS);
}

// Another spelling of the braid of B: about ROUNDS random moves, each one of
// a far commutation xy = yx (|i - j| >= 2), a braid relation
// xyx = yxy (|i - j| = 1, one sign), or the insertion of a pair x x^-1.
// Every move keeps the braid, so the result is B's braid by construction.
inline korvel::Braid REWRITTEN(std::mt19937_64& GEN, const korvel::Braid& B, std::size_t ROUNDS) {
  std::vector<std::int16_t> W = B.word();
  const int N = B.strands();
  for (std::size_t K = 0; K < ROUNDS; ++K) {
    const std::size_t MOVE = GEN() % 3;
    if (MOVE == 2 || W.size() < 3) {
      if (N < 2) {
        continue;
      }
      const auto I = static_cast<std::int16_t>(1 + GEN() % static_cast<unsigned>(N - 1));
      const std::size_t AT = GEN() % (W.size() + 1);
      const std::int16_t X = GEN() % 2 == 0 ? I : static_cast<std::int16_t>(-I);
      W.insert(W.begin() + static_cast<std::ptrdiff_t>(AT), {X, static_cast<std::int16_t>(-X)});
      continue;
    }
    const std::size_t AT = GEN() % (W.size() - 1);
    const int X = W[AT];
    const int Y = W[AT + 1];
    const int DIFF = (X > 0 ? X : -X) - (Y > 0 ? Y : -Y);
    if (DIFF >= 2 || DIFF <= -2) {
      std::swap(W[AT], W[AT + 1]);
    } else if ((DIFF == 1 || DIFF == -1) && AT + 2 < W.size() && W[AT + 2] == X &&
               (X > 0) == (Y > 0)) {
      W[AT] = static_cast<std::int16_t>(Y);
      W[AT + 1] = static_cast<std::int16_t>(X);
      W[AT + 2] = static_cast<std::int16_t>(Y);
    }
  }
  return korvel::Braid(std::move(W), N);
}

// C^-1 B C for a random C of CLENGTH letters: a conjugate, not the same braid
// in general.
inline korvel::Braid CONJUGATED(std::mt19937_64& GEN, const korvel::Braid& B, std::size_t CLENGTH) {
  const korvel::Braid C = RANDOMBRAID(GEN, B.strands(), CLENGTH);
  return C.inverse() * B * C;
}

}  // namespace korveltest
