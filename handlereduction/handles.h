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
#include <cstring>

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

// REDUCEHANDLE on the letters V[1..L] of any storage: ROOM(N) makes room for
// a word of N letters, or throws, and returns the letters, which may have
// moved. The record and the reduction's narrow copy of a small word share it.
//
// The interior is u_0 R_1 u_1 R_2 ... R_M u_M, where the R_j are the maximal
// runs of letters of index I+1 and the u_j hold letters of index I+2 or more
// (u_1 .. u_(M-1) are not empty). With s = sigma_(I+1) the reduct is
//
//   u_0 s^-e R_1' s^e u_1 s^-e R_2' s^e ... s^-e R_M' s^e u_M,
//
// R_j' being R_j moved down one index. It fills P..Q+2(M-1) in two sweeps:
// left to right, u_0 moves one place left over the dropped first letter and
// s^-e R_1' takes the places of R_1 shifted by one; then, after the tail has
// moved right by 2(M-1), the rest is written from the right end backwards.
// In that backward sweep the write position stays above the read position
// (the space still to fill exceeds the letters still to read by the s^(+-e)
// of the runs not yet written, and at least one), so no unread letter is
// overwritten.
template <typename LETTER, typename ROOMFN>
void REDUCEHANDLEWORD(LETTER*& V, std::int32_t& L, std::int32_t P, std::int32_t Q, std::int32_t I,
                      ROOMFN ROOM) {
  const auto INDEX = [](std::int32_t X) { return X > 0 ? X : -X; };
  const std::int32_t UP = I + 1;

  std::int32_t M = 0;
  for (std::int32_t R = P + 1; R < Q; ++R) {
    if (INDEX(V[R]) == UP && INDEX(V[R + 1]) != UP) {
      ++M;  // R ends a run; V[Q] has index I, so no run reaches past Q - 1
    }
  }

  if (M == 0) {
    std::memmove(&V[P], &V[P + 1], (Q - P - 1) * sizeof(LETTER));
    std::memmove(&V[Q - 1], &V[Q + 1], (L - Q) * sizeof(LETTER));
    L -= 2;
    return;
  }

  const std::int32_t GROW = 2 * (M - 1);
  V = ROOM(static_cast<std::int64_t>(L) + GROW);  // may have moved the letters

  const auto CLOSE = static_cast<LETTER>(BSHIFT(V[P], 1));  // s^e
  const auto OPEN = static_cast<LETTER>(-CLOSE);            // s^-e

  std::int32_t R = P + 1;
  while (INDEX(V[R]) != UP) {
    V[R - 1] = V[R];
    ++R;
  }
  V[R - 1] = OPEN;
  while (INDEX(V[R]) == UP) {
    V[R] = static_cast<LETTER>(BSHIFT(V[R], -1));
    ++R;
  }
  const std::int32_t END1 = R - 1;  // last letter of R_1'

  if (GROW > 0) {
    std::memmove(&V[Q + 1 + GROW], &V[Q + 1], (L - Q) * sizeof(LETTER));
  }

  std::int32_t WRITE = Q + GROW;
  bool INRUN = false;
  for (std::int32_t READ = Q - 1; READ > END1; --READ) {
    const LETTER X = V[READ];
    if (INDEX(X) == UP) {
      if (!INRUN) {
        V[WRITE--] = CLOSE;
        INRUN = true;
      }
      V[WRITE--] = static_cast<LETTER>(BSHIFT(X, -1));
    } else {
      if (INRUN) {
        V[WRITE--] = OPEN;
        INRUN = false;
      }
      V[WRITE--] = X;
    }
  }
  // Here WRITE = END1 + 1: the place of the closing letter of R_1'.
  V[WRITE] = CLOSE;
  L += GROW;
}


}  // namespace handlereduction
