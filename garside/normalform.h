// Left and right normal forms of braids of any sign.
//
// Every braid x on n strands is uniquely Delta^p A_1 ... A_r (its left normal
// form) with each A_i simple, neither trivial nor Delta, and each pair
// (A_i, A_(i+1)) left-weighted: A_i A_(i+1) ^ Delta = A_i, that is no
// generator that starts A_(i+1) can be moved onto A_i, that is the starting
// set of A_(i+1) lies in the finishing set of A_i. Then
//
//   inf(x) = p        the largest k with Delta^k <= x,
//   sup(x) = p + r    the smallest k with x <= Delta^k,
//   canonical length r.
//
// Delta conjugates by the flip tau (Delta^-1 sigma_i Delta = sigma_(n-i)), so
// x Delta^k = Delta^k tau^k(x): Delta^2 is central.
//
// The right normal form is the mirror image: x = B_1 ... B_r Delta^p with
// each pair right-weighted (no generator that ends B_i can be moved onto
// B_(i+1)); it has the same p and r.
//
// Costs: one right multiplication by a simple braid is one pass of
// left-weightings from the last factor backwards that stops as soon as a pair
// is already left-weighted; one left multiplication is one pass forwards.
// Each left-weighting is a meet, O(n) to O(n^2). The normal form of a word of
// L letters costs at most L such passes, typically a few meets per letter.
// Powers of Delta cost nothing in a word: the flips they cause are carried as
// a parity.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "basics/interrupt.h"
#include "garside/simple.h"

namespace garside {

struct NormalForm {
  int strands = 1;
  std::int64_t delta = 0;       // p, the power of Delta
  std::vector<Simple> factors;  // A_1 .. A_r

  // On one strand Delta is trivial: the only braid is (1, 0, {}).
  friend bool operator==(const NormalForm& a, const NormalForm& b) = default;
};

// The fixed total order of normal forms: strands, then inf, then canonical
// length, then the factors' permutations lexicographically.
std::strong_ordering operator<=>(const NormalForm& a, const NormalForm& b);

struct NormalFormHash {
  std::size_t operator()(const NormalForm& x) const;
};

// The trivial braid, Delta^K and one simple braid as normal forms.
NormalForm identity(int strands);
NormalForm delta_power(int strands, std::int64_t k);
NormalForm normal_form(const Simple& s);

// The left normal form of WORD on STRANDS strands. Letters must satisfy
// 1 <= |x| <= STRANDS - 1 (std::invalid_argument otherwise). STOP is polled
// every few hundred letters.
NormalForm normal_form(int strands, const Word& word, const basics::STOPREQUEST* stop = nullptr);

// A word of the braid: Delta^p as |p| copies of the permutation braid of
// Delta (inverted when p < 0), then the permutation braid of each factor.
Word to_word(const NormalForm& x);

std::int64_t inf(const NormalForm& x);
std::int64_t sup(const NormalForm& x);
std::int64_t canonical_length(const NormalForm& x);

// x y; x^-1; tau^K(x) = Delta^-K x Delta^K; c^-1 x c.
NormalForm multiply(const NormalForm& x, const NormalForm& y);
NormalForm inverse(const NormalForm& x);
NormalForm tau(const NormalForm& x, std::int64_t k = 1);
NormalForm conjugate(const NormalForm& x, const NormalForm& c);

// In place: x := x s, x := s x, x := x s^-1, x := s^-1 x, x := c^-1 x c.
void multiply_right(NormalForm& x, const Simple& s);
void multiply_left(NormalForm& x, const Simple& s);
void divide_right(NormalForm& x, const Simple& s);
void divide_left(NormalForm& x, const Simple& s);
void conjugate_by(NormalForm& x, const Simple& c);

// (a, b) is left-weighted: a b ^ Delta = a.
bool left_weighted(const Simple& a, const Simple& b);
// (a, b) is right-weighted: the largest simple right divisor of a b is b.
bool right_weighted(const Simple& a, const Simple& b);

// x = B_1 ... B_r Delta^delta.
struct RightNormalForm {
  int strands = 1;
  std::vector<Simple> factors;
  std::int64_t delta = 0;
  friend bool operator==(const RightNormalForm& a, const RightNormalForm& b) = default;
};

RightNormalForm right_normal_form(const NormalForm& x);
NormalForm left_normal_form(const RightNormalForm& x);
Word to_word(const RightNormalForm& x);

}  // namespace garside
