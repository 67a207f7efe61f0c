// The braid record of Korvel, its two bounds, the letter string, and the
// operations that make braids.
//
// A BRAID holds a word in the Artin generators:
//
//   V[1..L]   the letters; +i stands for sigma_i, -i for its inverse, and
//             1 <= |V[r]| <= W - 1. Slot 0 is never read, entries past L are
//             stale. L <= BMAXLENGTH.
//   W         the number of strands, an upper bound on the indices that no
//             operation lowers; W = 0 marks the undefined braid.
//
// The unit is L = 0, W = 1; the undefined braid, L = 0, W = 0, is the in-band
// no-result value of the gcd, lcm and head operations.
//
// Letter strings: "a".."z" are the letters +1..+26 and "A".."Z" the letters
// -1..-26. Writing uses one formula, 96 + i for +i and 64 + i for -i.
//
// The bound of BMAXLENGTH letters is kept by every operation that can
// lengthen a word: one that would go past it throws BOUNDEXCEEDED (through
// BCHECKLENGTH) before writing anything past the record. The main loop of the
// program catches it, says so, and shows the menu again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace BraidBasics {

constexpr std::int32_t BMAXLENGTH = 2000;  // capacity of a word, in letters
constexpr std::int32_t BMAXWIDTH = 50;     // largest number of strands

struct BRAID {
  std::int8_t V[BMAXLENGTH + 1];  // V[1..L]; V[0] unused
  std::int32_t L;
  std::int32_t W;
};

// Raised when a word would grow past BMAXLENGTH letters: the computation
// that needs it is abandoned as a whole.
struct BOUNDEXCEEDED {};

// Throws BOUNDEXCEEDED when a word of LENGTH letters does not fit a BRAID.
inline void BCHECKLENGTH(std::int64_t LENGTH) {
  if (LENGTH > BMAXLENGTH) {
    throw BOUNDEXCEEDED{};
  }
}

// The line the main loop prints when a computation was abandoned at the bound.
inline constexpr std::string_view BOUNDMESSAGE =
    "The braid exceeds the bound of 2000 crossings; the computation was abandoned.";

// The largest of I and J, the largest of three, the smallest of two.
std::int32_t SUP(std::int32_t I, std::int32_t J);
std::int32_t SUP3(std::int32_t I, std::int32_t J, std::int32_t K);
std::int32_t INF(std::int32_t I, std::int32_t J);

// The decimal value of the digit string W: result := 10 * result + (code - 48)
// per character, with no check of the characters; "" gives 0. The arithmetic
// wraps on overflow instead of being undefined.
std::int32_t INT(std::string_view W);

// B := the word spelled by the letter string W; every character other than
// "a".."z" and "A".."Z" is dropped. W of B is one more than the largest index
// (1 for a word without letters). No free reduction.
void BDEF(BRAID& B, std::string_view W);

// The Garside element Delta on N strands: Delta_(N-1) followed by
// sigma_(N-1) ... sigma_1, N(N-1)/2 letters, width N. N <= 1 gives the unit;
// N above BMAXWIDTH is taken as BMAXWIDTH.
BRAID BDELTA(std::int32_t N);

// The unit: L = 0, W = 1.
BRAID BONE();

// The one-letter word sigma_I (I >= 1), of width I + 1.
BRAID BSIGMA(std::int32_t I);

// The undefined braid: L = 0, W = 0.
BRAID BUNDEFINED();

// The character that writes the letter X: 96 + i for +i, 64 + i for -i.
char BLETTERCHAR(std::int32_t X);

}  // namespace BraidBasics
