// Words for the tests of the coordinates library: seeded random Tietze
// lists, the inverse and the flip of a word, spellings of the same braid by
// the braid relations, and the action of one letter transcribed from its
// defining formulas (both signs written out, no shortcut), the reference the
// library is measured against.
#pragma once

#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

// GoogleTest prints a value through a PrintTo found beside its type before
// it tries operator<<. This one writes the digits with mpz_get_str, so that
// no test needs the stream operators compiled into libgmpxx, which a build
// on another C++ standard library (libc++) cannot link.
inline void PrintTo(const mpz_class& x, std::ostream* out) { *out << x.get_str(); }

namespace coordtest {

using word = std::vector<std::int16_t>;

// LENGTH letters over sigma_1..sigma_(STRANDS-1) and their inverses, each
// index and sign drawn uniformly.
inline word random_word(std::mt19937& gen, int strands, std::size_t length) {
  std::uniform_int_distribution<int> index(1, strands - 1);
  std::uniform_int_distribution<int> sign(0, 1);
  word w(length);
  for (auto& x : w) {
    const int i = index(gen);
    x = static_cast<std::int16_t>(sign(gen) != 0 ? i : -i);
  }
  return w;
}

inline word inverse(const word& w) {
  word r(w.rbegin(), w.rend());
  for (auto& x : r) {
    x = static_cast<std::int16_t>(-x);
  }
  return r;
}

// sigma_i -> sigma_(n-i), the automorphism that exchanges the R- and
// F-orderings.
inline word flipped(const word& w, int strands) {
  word r(w);
  for (auto& x : r) {
    x = static_cast<std::int16_t>(x > 0 ? strands - x : -(strands + x));
  }
  return r;
}

inline word concat(const word& a, const word& b) {
  word r(a);
  r.insert(r.end(), b.begin(), b.end());
  return r;
}

// A word of the same braid: MOVES times, at a random place, one of
//   x y -> y x                    |i - j| >= 2, any signs;
//   x y x -> y x y                x = sigma_i^e, y = sigma_j^e, |i - j| = 1;
//   x y x^-1 -> y^-1 x y          same x, y (the braid relation multiplied by
//                                 y^-1 on the left and x^-1 on the right);
//   insert x x^-1 for a random letter x; delete a pair x x^-1.
// Each identity holds in B_n, so the braid never changes.
inline word rewritten(std::mt19937& gen, word w, int strands, int moves) {
  std::uniform_int_distribution<int> kind(0, 4);
  std::uniform_int_distribution<int> index(1, strands - 1);
  std::uniform_int_distribution<int> sign(0, 1);
  auto size = [](int x) { return x < 0 ? -x : x; };
  for (int m = 0; m < moves; ++m) {
    const int k = kind(gen);
    if (k == 3 || w.size() < 3) {
      const int i = index(gen);
      const auto x = static_cast<std::int16_t>(sign(gen) != 0 ? i : -i);
      const auto at = std::uniform_int_distribution<std::size_t>(0, w.size())(gen);
      const std::int16_t pair[2] = {x, static_cast<std::int16_t>(-x)};
      w.insert(w.begin() + static_cast<std::ptrdiff_t>(at), pair, pair + 2);
      continue;
    }
    const auto r = std::uniform_int_distribution<std::size_t>(0, w.size() - 3)(gen);
    const int x = w[r], y = w[r + 1], z = w[r + 2];
    const int distance = size(size(x) - size(y));
    if (k == 0 && distance >= 2) {
      std::swap(w[r], w[r + 1]);
    } else if (k == 1 && distance == 1 && z == x && (x > 0) == (y > 0)) {
      w[r] = static_cast<std::int16_t>(y);
      w[r + 1] = static_cast<std::int16_t>(x);
      w[r + 2] = static_cast<std::int16_t>(y);
    } else if (k == 2 && distance == 1 && z == -x && (x > 0) == (y > 0)) {
      w[r] = static_cast<std::int16_t>(-y);
      w[r + 1] = static_cast<std::int16_t>(x);
      w[r + 2] = static_cast<std::int16_t>(y);
    } else if (k == 4 && x == -y) {
      w.erase(w.begin() + static_cast<std::ptrdiff_t>(r), w.begin() + static_cast<std::ptrdiff_t>(r) + 2);
    }
  }
  return w;
}

// The letters as text, for failure messages: "1 -2 3".
inline std::string text(const word& w) {
  std::string s;
  for (const auto x : w) {
    if (!s.empty()) {
      s += ' ';
    }
    s += std::to_string(x);
  }
  return s;
}

// The action of the letter x on (a_1, b_1, ..., a_n, b_n), transcribed from
// the formulas of sigma_i and sigma_i^-1, all new values from the old ones.
inline void act(std::vector<mpz_class>& v, int x) {
  auto plus = [](const mpz_class& p) { return p > 0 ? mpz_class(p) : mpz_class(0); };
  auto minus = [](const mpz_class& p) { return p < 0 ? mpz_class(p) : mpz_class(0); };
  const std::size_t i = static_cast<std::size_t>(x < 0 ? -x : x) - 1;
  const mpz_class a1 = v[2 * i], b1 = v[2 * i + 1], a2 = v[2 * i + 2], b2 = v[2 * i + 3];
  if (x > 0) {
    const mpz_class d = a1 - minus(b1) - a2 + plus(b2);
    v[2 * i] = a1 + plus(b1) + plus(plus(b2) - d);
    v[2 * i + 1] = b2 - plus(d);
    v[2 * i + 2] = a2 + minus(b2) + minus(minus(b1) + d);
    v[2 * i + 3] = b1 + plus(d);
  } else {
    const mpz_class e = a1 + minus(b1) - a2 - plus(b2);
    v[2 * i] = a1 - plus(b1) - plus(plus(b2) + e);
    v[2 * i + 1] = b2 + minus(e);
    v[2 * i + 2] = a2 - minus(b2) - minus(minus(b1) - e);
    v[2 * i + 3] = b1 - minus(e);
  }
}

// (0, 1, ..., 0, 1) moved by the letters of w.
inline std::vector<mpz_class> reference(const word& w, int strands) {
  std::vector<mpz_class> v(2 * static_cast<std::size_t>(strands));
  for (std::size_t k = 1; k < v.size(); k += 2) {
    v[k] = 1;
  }
  for (const auto x : w) {
    act(v, x);
  }
  return v;
}

// The sign of the first nonzero entry of (a_1, b_1 - 1, ..., a_n, b_n - 1).
inline int reference_sign(const std::vector<mpz_class>& v) {
  for (std::size_t k = 0; k < v.size(); ++k) {
    const int s = sgn(k % 2 == 0 ? v[k] : mpz_class(v[k] - 1));
    if (s != 0) {
      return s;
    }
  }
  return 0;
}

// Integers written out, for comparisons with hand-computed values.
inline std::vector<mpz_class> values(std::initializer_list<long> list) {
  std::vector<mpz_class> v;
  for (const long x : list) {
    v.emplace_back(x);
  }
  return v;
}

}  // namespace coordtest
