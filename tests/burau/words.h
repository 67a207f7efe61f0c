// What the Burau tests share: the polynomials t^e and the constant k, and
// seeded random words in the generators of B_n.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "burau/laurentpolynomial.h"

namespace burautest {

using Word = std::vector<std::int16_t>;

inline burau::LaurentPolynomial t(long e = 1) { return burau::LaurentPolynomial(1, e); }
inline burau::LaurentPolynomial c(long k) { return burau::LaurentPolynomial(k); }

// LENGTH letters sigma_i^(+-1), 1 <= i < STRANDS, each drawn uniformly.
inline Word random_word(std::mt19937& rng, int strands, int length) {
  Word w;
  std::uniform_int_distribution<int> index(1, strands - 1);
  for (int k = 0; k < length; ++k) {
    const int i = index(rng);
    w.push_back(static_cast<std::int16_t>(rng() % 2 ? i : -i));
  }
  return w;
}

}  // namespace burautest
