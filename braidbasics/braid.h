// The braid record of Korvel, the limits a computation is given, the letter
// string, and the operations that make braids.
//
// A BRAID holds a word in the Artin generators:
//
//   V[1..L]   the letters, 16-bit signed: +i stands for sigma_i, -i for its
//             inverse, and 1 <= |V[r]| <= W - 1. Slot 0 is never read; the
//             vector may be longer than L + 1, entries past L are stale.
//   L         the length, 0 <= L <= BMAXRECORD.
//   W         the number of strands, 1 <= W <= BMAXSTRANDS, an upper bound on
//             the indices that no operation lowers; W = 0 marks the
//             undefined braid.
//
// The unit is L = 0, W = 1; the undefined braid, L = 0, W = 0, is the in-band
// no-result value of the gcd, lcm and head operations.
//
// Letter strings: "a".."z" are the letters +1..+26 and "A".."Z" the letters
// -1..-26. Writing uses one formula, 96 + i for +i and 64 + i for -i.
//
// The record grows as its word grows: one implementation of every algorithm
// serves the console and programs. What bounds a computation is a BLIMITS
// value it is given: the longest word it may build and the stop request it
// polls. Every operation that can lengthen a word takes one and makes room
// through BRESERVE, which throws BOUNDEXCEEDED before anything is written
// when the word would pass the limit, so a computation that is abandoned has
// not changed what its caller passed by value or by const reference. The
// console computes under BCONSOLELIMITS (2000 letters, the user's Ctrl-C),
// the default of every such operation, and its main loop catches the
// exception, says so, and shows the menu again; programs pass their own.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "basics/interrupt.h"

namespace BraidBasics {

// The console's limits: the longest word a console computation may build,
// and the most strands of a braid it reads (the text of the help key).
constexpr std::int32_t BMAXLENGTH = 2000;
constexpr std::int32_t BMAXWIDTH = 50;

// The capacities of the record itself: 16-bit letters give at most 32,767
// strands; 32-bit positions give at most 2^31 - 1 letters.
constexpr std::int32_t BMAXSTRANDS = 32767;
constexpr std::int64_t BMAXRECORD = 2147483647;

using BLETTER = std::int16_t;

struct BRAID {
  std::vector<BLETTER> V;  // V[1..L]; V[0] unused
  std::int32_t L = 0;
  std::int32_t W = 1;
};

// Raised when a word would grow past the limit of its computation: the
// computation that needs it is abandoned as a whole.
struct BOUNDEXCEEDED : std::length_error {
  BOUNDEXCEEDED() : std::length_error("the braid exceeds the length limit of the computation") {}
};

// What a computation is given besides its braids: the longest word it may
// build (at most BMAXRECORD) and the stop request it polls (none when null).
struct BLIMITS {
  std::int64_t MAXLENGTH = BMAXRECORD;
  const basics::STOPREQUEST* STOP = nullptr;
};

// The console's limits: BMAXLENGTH letters and the user's Ctrl-C. Inline,
// since every letter a console operation appends reads them.
inline const BLIMITS& BCONSOLELIMITS() {
  static const BLIMITS CONSOLE{BMAXLENGTH, basics::CONSOLESTOP()};
  return CONSOLE;
}

// Limits that stop only at the capacity of the record, polling STOP.
inline BLIMITS BUNLIMITED(const basics::STOPREQUEST* STOP = nullptr) { return {BMAXRECORD, STOP}; }

// Throws BOUNDEXCEEDED when a word of LENGTH letters passes LIMITS.
inline void BCHECKLENGTH(std::int64_t LENGTH, const BLIMITS& LIMITS = BCONSOLELIMITS()) {
  if (LENGTH > LIMITS.MAXLENGTH) [[unlikely]] {
    throw BOUNDEXCEEDED{};
  }
}

// The vector grows geometrically, so appending letter by letter is linear.
void BGROW(BRAID& B, std::int64_t LENGTH);

// Makes room for LENGTH letters without a limit: for words that are no
// longer than one the computation already holds.
inline void BROOM(BRAID& B, std::int64_t LENGTH) {
  if (static_cast<std::int64_t>(B.V.size()) <= LENGTH) [[unlikely]] {
    BGROW(B, LENGTH);
  }
}

// Makes room in B for a word of LENGTH letters (V[1..LENGTH] writable),
// keeping V[1..L]; throws BOUNDEXCEEDED first when LENGTH passes LIMITS.
inline void BRESERVE(BRAID& B, std::int64_t LENGTH, const BLIMITS& LIMITS = BCONSOLELIMITS()) {
  BCHECKLENGTH(LENGTH, LIMITS);
  BROOM(B, LENGTH);
}

// Polls the stop request of LIMITS (basics::INTERRUPTED).
inline void BCHECKSTOP(const BLIMITS& LIMITS) { basics::CHECKSTOP(LIMITS.STOP); }

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
void BDEF(BRAID& B, std::string_view W, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The Garside element Delta on N strands: Delta_(N-1) followed by
// sigma_(N-1) ... sigma_1, N(N-1)/2 letters, width N. N <= 1 gives the unit;
// N above BMAXSTRANDS is taken as BMAXSTRANDS.
BRAID BDELTA(std::int32_t N, const BLIMITS& LIMITS = BUNLIMITED());

// The unit: L = 0, W = 1.
BRAID BONE();

// The one-letter word sigma_I (I >= 1), of width I + 1.
BRAID BSIGMA(std::int32_t I);

// The undefined braid: L = 0, W = 0.
BRAID BUNDEFINED();

// The character that writes the letter X: 96 + i for +i, 64 + i for -i.
char BLETTERCHAR(std::int32_t X);

}  // namespace BraidBasics
