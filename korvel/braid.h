// korvel::Braid: a braid as a value, for C++ programs.
//
// A Braid is a word in the Artin generators on a number of strands:
// letters +i for sigma_i and -i for its inverse, 1 <= |i| <= strands - 1,
// with 1 <= strands <= MAX_STRANDS (32,767). A word may have any length that
// fits in memory (up to 2^31 - 1 letters). The word is kept as it was built:
// no operation of this class applies a braid relation except that products
// and inverses are plain concatenations and reversals.
//
// Comparisons mean braids, not words: a == b when a and b are the same
// element of the braid group B_n, n the larger of the two strand counts (a
// braid on fewer strands is identified with its image on more); a < b in the
// R-ordering, in which sigma_1 is large (a < b exactly when a^-1 b is larger
// than 1). That order is total and left-invariant, and compatible with adding
// strands. Deciding either is a computation (see computations.h); hash()
// agrees with ==.
//
// Thread safety: a Braid is a plain value; distinct objects may be used in
// different threads freely, and one object may be read from several threads.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// The largest number of strands a Braid may have, and the largest index of a
// letter: letters are 16-bit signed integers.
inline constexpr int MAX_STRANDS = 32767;

class Braid {
 public:
  // The trivial braid on one strand.
  Braid() = default;

  // The braid spelled by LETTERS: "a".."z" are sigma_1..sigma_26, "A".."Z"
  // their inverses; blanks, tabs and "." are ignored. Any other character
  // throws std::invalid_argument naming it and its position. The strand
  // count is one more than the largest index (1 for the empty word), or
  // STRANDS when that is larger.
  explicit Braid(std::string_view letters, int strands = 0);

  // The braid of a Tietze list: +i for sigma_i, -i for its inverse. STRANDS 0
  // means one more than the largest index; fewer strands than the word needs,
  // a zero letter, an index above MAX_STRANDS - 1 or STRANDS above
  // MAX_STRANDS throw std::invalid_argument.
  explicit Braid(const std::vector<int>& tietze, int strands = 0);

  // The same, from 16-bit letters, without the copy through int.
  explicit Braid(std::vector<std::int16_t> word, int strands = 0);

  // sigma_i on STRANDS strands (0: i + 1), or its inverse for negative i.
  static Braid generator(int i, int strands = 0);

  // The Garside element Delta on N strands, N(N-1)/2 letters.
  static Braid delta(int strands);

  int strands() const { return strands_; }
  std::size_t length() const { return word_.size(); }
  bool empty() const { return word_.empty(); }

  // The letters as a Tietze list, and as stored.
  std::vector<int> tietze() const;
  const std::vector<std::int16_t>& word() const { return word_; }

  // The letter string; throws std::domain_error when an index is above 26.
  std::string letters() const;

  // A readable form: the letter string when every index is at most 26,
  // otherwise the Tietze list in brackets.
  std::string str() const;

  // The same braid on STRANDS strands (at least strands()).
  Braid with_strands(int strands) const;

  // The inverse word: reversed, each letter negated.
  Braid inverse() const;

  // The K-th power for any K: |K| copies of the word or of its inverse,
  // the trivial braid for K = 0. Throws std::length_error when the result
  // would pass 2^31 - 1 letters.
  Braid pow(long long k) const;

  // The word of A followed by that of B, on the larger strand count.
  friend Braid operator*(const Braid& a, const Braid& b);
  Braid& operator*=(const Braid& b);

  // The same braid (an exact computation, see equal()).
  friend bool operator==(const Braid& a, const Braid& b);

  // The R-ordering (an exact computation, see compare()).
  friend std::strong_ordering operator<=>(const Braid& a, const Braid& b);

  // The same word on the same strand count.
  bool same_word(const Braid& other) const {
    return strands_ == other.strands_ && word_ == other.word_;
  }

  // A hash of the braid, equal for equal braids (on any strand counts): the
  // Dynnikov coordinates with the untouched last strands left out.
  std::size_t hash() const;

 private:
  std::vector<std::int16_t> word_;
  int strands_ = 1;
};

}  // namespace korvel

template <>
struct std::hash<korvel::Braid> {
  std::size_t operator()(const korvel::Braid& b) const { return b.hash(); }
};
