// Tietze words for the tests of the Garside library: seeded random words, the
// word operations, and two conjugacy invariants read from the letters alone
// (so independent of the library under test).
#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "garside/simple.h"

namespace garsidetest {

using garside::Word;

// LENGTH letters on STRANDS strands: the index first, then the sign.
inline Word random_word(std::mt19937& gen, int strands, int length) {
  Word w;
  for (int k = 0; k < length; ++k) {
    const auto i = static_cast<std::int16_t>(1 + gen() % static_cast<unsigned>(strands - 1));
    w.push_back(gen() % 2 == 0 ? i : static_cast<std::int16_t>(-i));
  }
  return w;
}

inline Word random_positive_word(std::mt19937& gen, int strands, int length) {
  Word w;
  for (int k = 0; k < length; ++k) {
    w.push_back(static_cast<std::int16_t>(1 + gen() % static_cast<unsigned>(strands - 1)));
  }
  return w;
}

inline Word inverse(Word w) {
  std::reverse(w.begin(), w.end());
  for (auto& x : w) {
    x = static_cast<std::int16_t>(-x);
  }
  return w;
}

inline Word concat(Word a, const Word& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Word concat(const Word& a, const Word& b, const Word& c) { return concat(concat(a, b), c); }

// c^-1 a c.
inline Word conjugated(const Word& a, const Word& c) { return concat(inverse(c), a, c); }

// The image of the word under sigma_i -> sigma_(n-i).
inline Word flipped(Word w, int strands) {
  for (auto& x : w) {
    x = static_cast<std::int16_t>(x > 0 ? strands - x : -(strands + x));
  }
  return w;
}

// The sum of the exponents, a conjugacy invariant (the abelianization).
inline std::int64_t exponent_sum(const Word& w) {
  std::int64_t s = 0;
  for (const auto x : w) {
    s += x > 0 ? 1 : -1;
  }
  return s;
}

// The cycle type (sorted cycle lengths) of the permutation of the strands, a
// conjugacy invariant (the permutation is conjugated by that of the
// conjugator).
inline std::vector<int> cycle_type(const Word& w, int strands) {
  std::vector<int> p(static_cast<std::size_t>(strands));
  for (int i = 0; i < strands; ++i) {
    p[static_cast<std::size_t>(i)] = i;
  }
  for (const auto x : w) {
    const int j = (x > 0 ? x : -x) - 1;
    std::swap(p[static_cast<std::size_t>(j)], p[static_cast<std::size_t>(j) + 1]);
  }
  std::vector<bool> seen(p.size(), false);
  std::vector<int> type;
  for (std::size_t i = 0; i < p.size(); ++i) {
    int len = 0;
    for (std::size_t j = i; !seen[j]; j = static_cast<std::size_t>(p[j])) {
      seen[j] = true;
      ++len;
    }
    if (len > 0) {
      type.push_back(len);
    }
  }
  std::sort(type.begin(), type.end());
  return type;
}

// Every simple braid on N strands, one per permutation.
inline std::vector<garside::Simple> all_simples(int n) {
  std::vector<garside::Simple::Index> p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  std::vector<garside::Simple> all;
  do {
    all.push_back(garside::Simple::from_permutation(p));
  } while (std::next_permutation(p.begin(), p.end()));
  return all;
}

}  // namespace garsidetest
