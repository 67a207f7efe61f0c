// The action of the braid group B_n on Z^(2n) by Dynnikov coordinates, one
// letter at a time.
//
// A point of Z^(2n) is written (a_1, b_1, ..., a_n, b_n). The letters act on
// the right: a word x_1 x_2 ... x_k sends v to (...((v.x_1).x_2)...).x_k. With
// p+ = max(p, 0) and p- = min(p, 0), the letter sigma_i (1 <= i <= n-1)
// changes a_i, b_i, a_(i+1), b_(i+1) only:
//
//   d = a_i - b_i- - a_(i+1) + b_(i+1)+
//   a_i'     = a_i + b_i+ + (b_(i+1)+ - d)+      b_i'     = b_(i+1) - d+
//   a_(i+1)' = a_(i+1) + b_(i+1)- + (b_i- + d)-  b_(i+1)' = b_i + d+
//
// and sigma_i^-1 is its inverse map, which is sigma_i conjugated by the
// reflection R that negates every a_k and keeps every b_k. Started from
// (0, 1, 0, 1, ..., 0, 1), the point reached by a word depends only on the
// braid the word spells, and different braids reach different points: these
// are the Dynnikov coordinates of the braid. A braid is larger than 1 in the
// R-ordering (sigma_1 large) exactly when the first nonzero entry of
// (a_1, b_1 - 1, ..., a_n, b_n - 1) is positive.
//
// Every map is piecewise linear and homogeneous, so the values grow with the
// word: on random words by about one bit every 7 to 10 letters. A lamination
// holds them in 64-bit integers while every letter's results fit (each sum
// checked) and moves them all to GMP integers at the first letter whose
// results would not; it never moves back.
//
// Thread safety: a lamination is a plain value; distinct laminations may be
// used from distinct threads at the same time, one lamination from one thread
// at a time (const members may be shared). There is no global state.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "basics/interrupt.h"

namespace coordinates {

// How a lamination holds its values: `automatic` uses 64-bit integers while
// they fit and GMP integers from then on; `big_only` uses GMP integers from
// the start (the two give the same points; the second serves to check the
// first).
enum class arithmetic { automatic, big_only };

// How apply reads the letters of a word. A letter x of the word acts as the
// generator of index
//   (flip > 0 ? flip - |x| : |x|) - shift
// with the sign of x; when `inverse` is set, the word is read from its last
// letter to its first and every letter acts negated, so that the word acts as
// its inverse braid. flip = n turns sigma_i of B_n into sigma_(n-i) (flip <= 0
// flips nothing); shift moves a word onto a lamination that holds only the
// strands it touches.
struct reading {
  bool inverse = false;
  std::int32_t flip = 0;
  std::int32_t shift = 0;
};

class lamination {
 public:
  // The point (0, 1, ..., 0, 1) of Z^(2 strands), the coordinates of the
  // trivial braid. Throws std::invalid_argument when strands < 1.
  // Cost: O(strands) time and memory.
  explicit lamination(std::int32_t strands, arithmetic mode = arithmetic::automatic);

  std::int32_t strands() const noexcept { return strands_; }

  // Moves the point by the letters of word, read as `how` says. Every letter
  // is checked before the first one acts: a generator index outside
  // 1..strands-1 throws std::invalid_argument and leaves the point as it was.
  // Letters that cancel (x x^-1, also across cancelled runs) are dropped
  // before they act, as far back as the last 4096 letters still held.
  // With a non-null stop, the request is polled before every 4096 letters
  // read and between runs of at most 4096 letters that act; a
  // request to stop throws basics::INTERRUPTED (so does whatever its POLL
  // throws) and leaves the point moved by part of the word only, the point
  // of a braid the caller cannot name.
  // Cost: one pass over the word to check it, then per letter that acts O(1)
  // while the values fit in 64 bits and O(size of the four values it
  // changes) after; no allocation per letter once the GMP values have
  // grown, and 32 KB of held letters.
  void apply(std::span<const std::int16_t> word, const reading& how = {},
             const basics::STOPREQUEST* stop = nullptr);

  // -1, 0 or +1: the sign of the first nonzero entry of
  // (a_1, b_1 - 1, ..., a_n, b_n - 1), 0 when there is none. For the point
  // reached from the start by a braid, its sign in the R-ordering. O(n).
  int sign() const noexcept;

  // The 2n values (a_1, b_1, ..., a_n, b_n). O(n + their size).
  std::vector<mpz_class> coordinates() const;

  // True while the values are held in 64-bit integers.
  bool small() const noexcept { return !big_; }

  // Same number of strands and the same point, whatever the arithmetic.
  friend bool operator==(const lamination& x, const lamination& y);

 private:
  // The letters +i (sigma_i) and -i (its inverse), in order.
  void act(const std::int32_t* letters, std::size_t count);
  void go_big();

  std::int32_t strands_;
  bool big_;
  std::vector<std::int64_t> small_;  // 2n values while !big_
  std::vector<mpz_class> values_;    // 2n values once big_
  mpz_class u_, t_;                  // scratch of one letter, kept to reuse their limbs
};

}  // namespace coordinates
