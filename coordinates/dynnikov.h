// Exact answers about braids from their Dynnikov coordinates: the
// coordinates themselves, the sign of a braid in the R- and F-orderings, the
// comparison of two braids and their equality.
//
// Words are Tietze lists: +i stands for sigma_i, -i for its inverse, and on
// n strands every letter satisfies 1 <= |x| <= n-1 (so n = 1 admits only the
// empty word, the trivial braid). Any n >= 1 is accepted; as letters reach
// 32767 at most, strands past 32768 are never moved. The R-ordering is the one in which sigma_1
// is large; the F-ordering compares the flipped braids, in which the letter x
// is read as sign(x) * (n - |x|), so that sigma_(n-1) is large.
//
// Common contract of the functions below:
//   - std::invalid_argument when strands < 1 or a letter is 0 or has
//     |x| >= strands; every word is checked before any arithmetic.
//   - basics::INTERRUPTED when a non-null stop request asks to stop; it is
//     polled at least once every 4096 letters (a POLL that throws ends the call with its
//     own exception). std::bad_alloc when a vector cannot allocate; GMP's
//     own allocation functions end the process when memory runs out (this
//     library leaves them as the program set them).
//   - Cost: every letter changes four of the 2n values. The values are
//     64-bit integers while they fit, GMP integers afterwards; on random
//     words they grow by about one bit every 7 to 10 letters, so a word of L
//     letters costs O(L) machine operations for its first few hundred
//     letters and O(L^2 / 64) limb operations in all. Letters that cancel
//     (x x^-1) are dropped before they act; compare leaves out a common
//     prefix of its words, equal a common prefix and suffix. Only the strands
//     from the least index used to one past the greatest are held, so a
//     large strand count costs nothing but the O(n) result of dynnikov().
//   - Memory: the words are read in place, never copied; the working state
//     is O(number of strands used) values, each at most as large as the
//     coordinates of the longest prefix, and 32 KB of letters held back.
//   - Thread safety: reentrant; no global state. Distinct calls may run in
//     distinct threads at the same time (GMP with its default allocator is
//     thread-safe).
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <span>
#include <vector>

#include "basics/interrupt.h"

namespace coordinates {

// The Dynnikov coordinates (a_1, b_1, ..., a_n, b_n) of the braid spelled by
// word on n = strands strands: the point (0, 1, ..., 0, 1) moved by the
// letters from left to right. Two words on n strands spell the same braid
// exactly when their coordinates are equal. Entries of strands that no
// letter reaches stay (0, 1).
std::vector<mpz_class> dynnikov(std::span<const std::int16_t> word, std::int32_t strands,
                                const basics::STOPREQUEST* stop = nullptr);

// The sign of the braid of word: +1 when it is larger than 1, -1 when
// smaller, 0 when it is the trivial braid; in the R-ordering, or in the
// F-ordering when flipped is true. It is the sign of the first nonzero entry
// of (a_1, b_1 - 1, ..., a_n, b_n - 1) for the word (for its flipped word).
int sign(std::span<const std::int16_t> word, std::int32_t strands, bool flipped = false,
         const basics::STOPREQUEST* stop = nullptr);

// -1 when the braid of a is smaller than that of b (a^-1 b larger than 1),
// 0 when they are the same braid, +1 when a is larger; in the R-ordering, or
// in the F-ordering when flipped is true. The letters of a act reversed and
// negated, then those of b: a^-1 b is never formed as a word.
int compare(std::span<const std::int16_t> a, std::span<const std::int16_t> b, std::int32_t strands,
            bool flipped = false, const basics::STOPREQUEST* stop = nullptr);

// True when a and b spell the same braid on n = strands strands. Words whose
// exponent sums or strand permutations differ are told apart in one pass
// without arithmetic on coordinates; the others are decided by comparing the
// coordinates of a with those of b.
bool equal(std::span<const std::int16_t> a, std::span<const std::int16_t> b, std::int32_t strands,
           const basics::STOPREQUEST* stop = nullptr);

}  // namespace coordinates
