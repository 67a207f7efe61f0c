#include "coordinates/dynnikov.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <stdexcept>
#include <string>
#include <utility>

#include "coordinates/lamination.h"

namespace coordinates {

namespace {

void check_strands(std::int32_t strands) {
  if (strands < 1) {
    throw std::invalid_argument("a braid has at least 1 strand, not " + std::to_string(strands));
  }
}

// The generator indices that words use, as read on n strands (flipped or
// not): low..high, empty while low > high.
struct used_indices {
  std::int32_t low = INT32_MAX;
  std::int32_t high = 0;

  bool empty() const { return low > high; }
  // The strands low..high+1, the only ones the letters move: the values of
  // every other strand stay (0, 1), and the letters act on the held strands
  // by the same formulas, their indices shifted by low - 1.
  std::int32_t strands() const { return high - low + 2; }
  reading read(bool inverse, bool flipped, std::int32_t n) const {
    return reading{inverse, flipped ? n : 0, low - 1};
  }
};

// Checks every letter of word for n strands and widens used by its indices.
void check_word(std::span<const std::int16_t> word, std::int32_t strands, bool flipped, used_indices& used) {
  for (std::size_t k = 0; k < word.size(); ++k) {
    const std::int32_t x = word[k];
    const std::int32_t size = x < 0 ? -x : x;
    if (x == 0 || size >= strands) {
      throw std::invalid_argument("letter " + std::to_string(x) + " at index " + std::to_string(k) +
                                  " is not a letter of a braid on " + std::to_string(strands) +
                                  " strands");
    }
    const std::int32_t index = flipped ? strands - size : size;
    used.low = std::min(used.low, index);
    used.high = std::max(used.high, index);
  }
}

// The sum of the exponents of word: the image of its braid in Z, the same
// for every spelling of the braid.
std::int64_t exponent_sum(std::span<const std::int16_t> word) {
  std::int64_t sum = 0;
  for (const std::int16_t x : word) {
    sum += x > 0 ? 1 : -1;
  }
  return sum;
}

// The permutation of the strands low..high+1 that word induces (sigma_i and
// its inverse both exchange strands i and i+1): the same for every spelling.
std::vector<std::int32_t> permutation(std::span<const std::int16_t> word, const used_indices& used) {
  std::vector<std::int32_t> strand(static_cast<std::size_t>(used.strands()));
  std::iota(strand.begin(), strand.end(), 0);
  for (const std::int16_t x : word) {
    const std::int32_t i = (x < 0 ? -x : x) - used.low;
    std::swap(strand[static_cast<std::size_t>(i)], strand[static_cast<std::size_t>(i) + 1]);
  }
  return strand;
}

// The number of letters a and b begin with in common, and end with.
std::size_t common_prefix(std::span<const std::int16_t> a, std::span<const std::int16_t> b) {
  const std::size_t most = std::min(a.size(), b.size());
  return static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(most), b.begin()).first -
                                  a.begin());
}

std::size_t common_suffix(std::span<const std::int16_t> a, std::span<const std::int16_t> b) {
  const std::size_t most = std::min(a.size(), b.size());
  return static_cast<std::size_t>(
      std::mismatch(a.rbegin(), a.rbegin() + static_cast<std::ptrdiff_t>(most), b.rbegin()).first - a.rbegin());
}

}  // namespace

std::vector<mpz_class> dynnikov(std::span<const std::int16_t> word, std::int32_t strands,
                                const basics::STOPREQUEST* stop) {
  check_strands(strands);
  used_indices used;
  check_word(word, strands, false, used);
  std::vector<mpz_class> result(2 * static_cast<std::size_t>(strands));
  for (std::size_t k = 1; k < result.size(); k += 2) {
    result[k] = 1;
  }
  if (used.empty()) {
    return result;
  }
  lamination point(used.strands());
  point.apply(word, used.read(false, false, strands), stop);
  std::vector<mpz_class> held = point.coordinates();
  std::move(held.begin(), held.end(), result.begin() + 2 * static_cast<std::ptrdiff_t>(used.low - 1));
  return result;
}

int sign(std::span<const std::int16_t> word, std::int32_t strands, bool flipped,
         const basics::STOPREQUEST* stop) {
  check_strands(strands);
  used_indices used;
  check_word(word, strands, flipped, used);
  if (used.empty()) {
    return 0;
  }
  // The entries before the held strands are those of (0, 1): zero in
  // (a_1, b_1 - 1, ...), so the first nonzero entry is among the held ones.
  lamination point(used.strands());
  point.apply(word, used.read(false, flipped, strands), stop);
  return point.sign();
}

int compare(std::span<const std::int16_t> a, std::span<const std::int16_t> b, std::int32_t strands,
            bool flipped, const basics::STOPREQUEST* stop) {
  check_strands(strands);
  used_indices all;
  check_word(a, strands, flipped, all);
  check_word(b, strands, flipped, all);
  // Both orderings are invariant under left multiplication: p a < p b
  // exactly when a < b, so a common prefix is left out.
  const std::size_t common = common_prefix(a, b);
  a = a.subspan(common);
  b = b.subspan(common);
  used_indices used;
  check_word(a, strands, flipped, used);
  check_word(b, strands, flipped, used);
  if (used.empty()) {
    return 0;
  }
  // a < b exactly when a^-1 b is larger than 1.
  lamination point(used.strands());
  point.apply(a, used.read(true, flipped, strands), stop);
  point.apply(b, used.read(false, flipped, strands), stop);
  return -point.sign();
}

bool equal(std::span<const std::int16_t> a, std::span<const std::int16_t> b, std::int32_t strands,
           const basics::STOPREQUEST* stop) {
  check_strands(strands);
  used_indices all;
  check_word(a, strands, false, all);
  check_word(b, strands, false, all);
  // p a s = p b s exactly when a = b.
  const std::size_t prefix = common_prefix(a, b);
  a = a.subspan(prefix);
  b = b.subspan(prefix);
  const std::size_t suffix = common_suffix(a, b);
  a = a.first(a.size() - suffix);
  b = b.first(b.size() - suffix);
  used_indices used;
  check_word(a, strands, false, used);
  check_word(b, strands, false, used);
  if (used.empty()) {
    return true;
  }
  if (exponent_sum(a) != exponent_sum(b) || permutation(a, used) != permutation(b, used)) {
    return false;
  }
  lamination x(used.strands());
  x.apply(a, used.read(false, false, strands), stop);
  lamination y(used.strands());
  y.apply(b, used.read(false, false, strands), stop);
  return x == y;
}

}  // namespace coordinates
