// Simple braids: the positive braids in which any two strands cross at most
// once. They are exactly the left divisors of Delta (and exactly its right
// divisors), and each is determined by the permutation it induces, so a
// simple braid is stored as that permutation.
//
// Conventions used throughout this library:
//
//   - a braid word is a Tietze list (Word): +i stands for sigma_i, -i for its
//     inverse, 1 <= |i| <= n - 1 on n strands; words are read from left to
//     right, so the word x y is x followed by y;
//   - strand positions are 0-based; the permutation of a simple braid s sends
//     the strand that starts at position i to the position s[i] where it
//     ends. The permutation of a product x y is then i -> y[x[i]];
//   - a strands count n runs from 1 to 32767 (kMaxStrands);
//   - a <= b ("a left-divides b", a is a prefix of b) means b = a c with c
//     positive; a right-divides b when b = c a with c positive.
//
// Two strands cross in a simple braid exactly when their order is reversed,
// and a <= b exactly when every pair that crosses in a crosses in b (pairs
// named by their starting positions); so sigma_i <= s exactly when s[i-1] >
// s[i] (the starting set), and s ends with sigma_i exactly when the strands
// that end at positions i-1 and i cross (the finishing set).
//
// Costs: a simple braid on n strands holds n 16-bit entries, inline for up to
// 16 strands and on the heap beyond. Products, quotients, complements and tau
// cost O(n). A meet costs O(n + l), l the length of the meet (the number of
// its crossings); a join costs a meet of complements, O(n + n(n-1)/2 - l')
// where l' is the length of the join.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace garside {

// A braid word: +i is sigma_i, -i is sigma_i^-1.
using Word = std::vector<std::int16_t>;

// The largest strands count a braid may have (indices fit a std::int16_t).
constexpr int kMaxStrands = 32767;

class Simple {
 public:
  using Index = std::uint16_t;

  // The trivial braid on STRANDS strands (1 <= STRANDS <= kMaxStrands;
  // std::invalid_argument otherwise).
  explicit Simple(int strands = 1);

  // Delta, the half twist: the strand at i ends at n - 1 - i.
  static Simple delta(int strands);
  // The generator sigma_I, 1 <= I <= STRANDS - 1.
  static Simple atom(int strands, int i);
  // The simple braid of a permutation of 0 .. n - 1 (IMAGES[i] = where the
  // strand starting at i ends); std::invalid_argument if IMAGES is not one.
  static Simple from_permutation(std::span<const Index> images);
  // The simple braid spelled by WORD, which must be positive with every pair
  // of strands crossing at most once (std::invalid_argument otherwise).
  static Simple from_word(int strands, const Word& word);

  int strands() const { return n_; }
  Index operator[](int i) const { return data()[i]; }
  const Index* data() const { return n_ <= kInline ? small_.data() : large_.data(); }
  Index* data() { return n_ <= kInline ? small_.data() : large_.data(); }
  std::vector<Index> permutation() const;

  bool is_identity() const;
  bool is_delta() const;
  // The number of crossings, the length of every positive word of the braid.
  std::int64_t length() const;
  // The permutation braid: a positive word of length() letters.
  Word word() const;

  // sigma_I <= this (1 <= I <= n - 1).
  bool starts_with(int i) const { return data()[i - 1] > data()[i]; }
  // this = x sigma_I for a positive x.
  bool ends_with(int i) const;
  // The generators that left-divide (right-divide) this, increasing.
  std::vector<int> starting_set() const;
  std::vector<int> finishing_set() const;

  friend bool operator==(const Simple& a, const Simple& b);
  // Strands count first, then the permutations lexicographically.
  friend std::strong_ordering operator<=>(const Simple& a, const Simple& b);
  std::size_t hash() const;

 private:
  friend struct SimpleAccess;
  struct Uninitialized {};
  // Entries left for the caller to fill; STRANDS already checked.
  Simple(int strands, Uninitialized);

  static constexpr int kInline = 16;
  std::int32_t n_;
  std::array<Index, kInline> small_{};
  std::vector<Index> large_;
};

struct SimpleHash {
  std::size_t operator()(const Simple& s) const { return s.hash(); }
};

// The greatest common left divisor a ^ b and right divisor of two simple
// braids on the same strands (std::invalid_argument if the counts differ).
Simple left_meet(const Simple& a, const Simple& b);
Simple right_meet(const Simple& a, const Simple& b);
// The least common left multiple in the prefix order (the smallest m with
// a <= m and b <= m), and its right counterpart (the smallest m that both
// right-divide). Both are simple, since Delta is a common multiple.
Simple left_join(const Simple& a, const Simple& b);
Simple right_join(const Simple& a, const Simple& b);

// a <= b; a right-divides b.
bool left_divides(const Simple& a, const Simple& b);
bool right_divides(const Simple& a, const Simple& b);

// a b, which must be simple (std::invalid_argument otherwise).
Simple product(const Simple& a, const Simple& b);
// a^-1 b, for a <= b; b a^-1, for a right-dividing b (std::invalid_argument
// otherwise).
Simple left_quotient(const Simple& a, const Simple& b);
Simple right_quotient(const Simple& b, const Simple& a);

// The right complement s^-1 Delta, with s * right_complement(s) = Delta, and
// the left complement Delta s^-1, with left_complement(s) * s = Delta. They
// are inverse bijections; each reverses divisibility (a <= b exactly when
// right_complement(b) right-divides right_complement(a)).
Simple right_complement(const Simple& s);
Simple left_complement(const Simple& s);
// tau^K(s) = Delta^-K s Delta^K: sigma_i becomes sigma_(n-i) for odd K.
Simple tau(const Simple& s, std::int64_t k = 1);
// The braid of the reversed word, which has the inverse permutation.
Simple reverse(const Simple& s);

// The operations above without their checks, for the loops of this library:
// the caller guarantees the preconditions named.
namespace unchecked {
// a b, when it is simple.
Simple product(const Simple& a, const Simple& b);
// a^-1 b, when a <= b.
Simple left_quotient(const Simple& a, const Simple& b);
// The simple braid x^-1 y z of three simple braids, when it is simple: its
// permutation is that of the product.
Simple conjugate_product(const Simple& x, const Simple& y, const Simple& z);
// a \ t = a^-1 (a v t): the smallest c with t <= a c.
Simple residual(const Simple& a, const Simple& t);
}  // namespace unchecked

}  // namespace garside
