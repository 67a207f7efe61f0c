// Handles of a braid word: finding one and reducing it in place.
//
// A sigma_I-handle of a word is a stretch V[P..Q], P < Q, whose end letters
// have index I and opposite signs and whose interior V[P+1..Q-1] holds only
// letters of index greater than I (the interior may be empty). The sign e of
// the handle is the sign of V[P].
//
// Reducing a handle applies, to every letter of index I+1 of its interior,
//
//   sigma_I^e sigma_(I+1)^d sigma_I^-e = sigma_(I+1)^-e sigma_I^d sigma_(I+1)^e,
//
// while the letters of index I+2 or more commute with sigma_I; the factors
// sigma_(I+1)^e sigma_(I+1)^-e between neighbouring letters of one run are
// cancelled at once. The reduct therefore represents the same braid as the
// handle. Repeating "find, reduce" ends with a word that has no handle (the
// strategies are in reduction.h).
//
// Positions are 1-based, as in the BRAID record. The finders only read the
// word; on the console's words (at most 64 strands) they allocate nothing.
#pragma once

#include <cstdint>

#include "braidbasics/braid.h"

namespace handlereduction {

// The handle whose last letter comes first: P its first position, Q its last,
// I its index. Its first letter is the nearest letter of index I left of Q,
// and it contains no other handle, so the letters of index I+1 in its
// interior all have one sign. Without a handle, P = 0, Q = L + 1 and I is the
// index of the last letter (I is left untouched for the empty word).
// One left-to-right scan with a table of B.W entries.
void FINDHANDLE(const BraidBasics::BRAID& B, std::int32_t& P, std::int32_t& Q, std::int32_t& I);

// Over the positions X..Y: I := the least index of the letters there, P..Q
// the first sigma_I-handle among them (the sign of the first letter of index
// I opens; P follows the latest letter of that sign until the first letter
// of the opposite sign fixes Q). Q = 0 when there is none, in particular for
// an empty range.
void LOCALFINDHANDLE(const BraidBasics::BRAID& B, std::int32_t X, std::int32_t Y, std::int32_t& P,
                     std::int32_t& Q, std::int32_t& I);

// A handle of the least index of the word, refined inwards as long as its
// interior holds a handle of the next index: the result contains no handle of
// index I+1. P = 0 and Q = 0 when the letters of least index all have one
// sign, even if the word has handles of greater index.
void FINDNESTEDHANDLE(const BraidBasics::BRAID& B, std::int32_t& P, std::int32_t& Q,
                      std::int32_t& I);

// The letter I with its index moved by E and its sign kept.
constexpr std::int32_t BSHIFT(std::int32_t I, std::int32_t E) { return I > 0 ? I + E : I - E; }

// Replaces the handle P..Q of index I by its reduct, in place and without a
// second buffer. With M runs of letters of index I+1 in the interior, the
// length changes by -2 when M = 0 and by 2(M-1) otherwise; a reduct that
// would pass the limit throws BraidBasics::BOUNDEXCEEDED before anything is
// written. The arguments must describe a handle, as FINDHANDLE and
// FINDNESTEDHANDLE return it; nothing is checked.
void REDUCEHANDLE(BraidBasics::BRAID& B, std::int32_t P, std::int32_t Q, std::int32_t I,
                  const BraidBasics::BLIMITS& LIMITS = BraidBasics::BCONSOLELIMITS());

}  // namespace handlereduction
