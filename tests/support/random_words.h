// Seeded random letter strings for the unit tests. Each generator draws from
// the engine in a fixed order, so a test with a fixed seed sees the same words
// on every run and can name the failing word; generators that draw in another
// order are kept apart even where they look alike, since merging them would
// change the words of the tests that use them.
#pragma once

#include <random>
#include <string>

namespace korveltest {

// LENGTH letters over indices 1..WIDTH-1: for each letter the index is drawn
// first, then (unless POSITIVE) the sign, positive on an odd draw.
inline std::string RANDOMWORD(std::mt19937& RNG, int LENGTH, int WIDTH, bool POSITIVE = false) {
  std::string W;
  for (int K = 0; K < LENGTH; ++K) {
    const int INDEX = static_cast<int>(RNG() % static_cast<unsigned>(WIDTH - 1));
    W.push_back(static_cast<char>((POSITIVE || RNG() % 2 ? 'a' : 'A') + INDEX));
  }
  return W;
}

// A positive word of LENGTH letters over indices 1..WIDTH-1, one draw a letter.
inline std::string RANDOMPOSITIVE(std::mt19937& RNG, int LENGTH, int WIDTH) {
  return RANDOMWORD(RNG, LENGTH, WIDTH, true);
}

// LENGTH letters on STRANDS strands: the index is drawn first, then the sign,
// positive on an even draw (the opposite of RANDOMWORD).
inline std::string RANDOMSTRANDWORD(std::mt19937& GEN, int STRANDS, int LENGTH) {
  std::string W;
  for (int K = 0; K < LENGTH; ++K) {
    const auto X = static_cast<char>(GEN() % (STRANDS - 1));
    W.push_back(static_cast<char>(GEN() % 2 == 0 ? 'a' + X : 'A' + X));
  }
  return W;
}

// LENGTH characters of ALPHABET, each drawn uniformly (one draw a character).
inline std::string RANDOMSTRING(std::mt19937& RNG, int LENGTH, const std::string& ALPHABET) {
  std::string W;
  for (int K = 0; K < LENGTH; ++K) {
    W.push_back(ALPHABET[RNG() % ALPHABET.size()]);
  }
  return W;
}

}  // namespace korveltest
