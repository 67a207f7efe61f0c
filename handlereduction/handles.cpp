#include "handlereduction/handles.h"

#include <cstring>

#include "braidbasics/scratch.h"

namespace handlereduction {

using BraidBasics::BLETTER;
using BraidBasics::BRAID;

namespace {

inline std::int32_t INDEX(std::int32_t X) { return X > 0 ? X : -X; }

}  // namespace

// LAST[k] holds the pending letter of index k: its position, negated when the
// letter is negative, or 0. A letter of index k makes every pending letter of
// greater index useless (a handle of index j > k cannot span a letter of
// index k), so the table only ever holds letters whose indices increase from
// left to right. Instead of clearing the entries above k letter by letter,
// HIGH records that entries HIGH+1.. are to be read as 0; an entry is zeroed
// only when HIGH climbs over it.
void FINDHANDLE(const BRAID& B, std::int32_t& P, std::int32_t& Q, std::int32_t& I) {
  BraidBasics::BSCRATCH<std::int32_t, 64> LAST(static_cast<std::size_t>(B.W) + 1);
  std::int32_t HIGH = 0;
  P = 0;
  for (Q = 1; Q <= B.L; ++Q) {
    const std::int32_t X = B.V[Q];
    const std::int32_t K = INDEX(X);
    I = K;
    if (K <= HIGH) {
      const std::int32_t PENDING = LAST[K];
      if ((X > 0 && PENDING < 0) || (X < 0 && PENDING > 0)) {
        P = INDEX(PENDING);
        return;
      }
    } else {
      for (std::int32_t J = HIGH + 1; J < K; ++J) {
        LAST[J] = 0;
      }
    }
    LAST[K] = X > 0 ? Q : -Q;
    HIGH = K;
  }
}

void LOCALFINDHANDLE(const BRAID& B, std::int32_t X, std::int32_t Y, std::int32_t& P,
                     std::int32_t& Q, std::int32_t& I) {
  P = 0;
  Q = 0;
  std::int32_t LETTER = B.W;  // signed; its index exceeds every index of the word
  for (std::int32_t R = X; R <= Y; ++R) {
    const std::int32_t Z = B.V[R];
    if (INDEX(Z) < INDEX(LETTER)) {
      LETTER = Z;
      P = R;
      Q = 0;
    } else if (Q == 0) {
      if (Z == LETTER) {
        P = R;
      } else if (Z == -LETTER) {
        Q = R;
      }
    }
  }
  I = INDEX(LETTER);
}

void FINDNESTEDHANDLE(const BRAID& B, std::int32_t& P, std::int32_t& Q, std::int32_t& I) {
  LOCALFINDHANDLE(B, 1, B.L, P, Q, I);
  if (Q == 0) {
    P = 0;
    return;
  }
  // Invariant: P..Q is a handle of index I. Every letter of its interior has
  // an index above I, so a handle of index I+1 found there is a handle of the
  // word lying strictly inside the current one: the refinement ends.
  for (;;) {
    std::int32_t PP = 0;
    std::int32_t QQ = 0;
    std::int32_t II = 0;
    LOCALFINDHANDLE(B, P + 1, Q - 1, PP, QQ, II);
    if (QQ == 0 || II != I + 1) {
      return;
    }
    P = PP;
    Q = QQ;
    I = II;
  }
}

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
void REDUCEHANDLE(BRAID& B, std::int32_t P, std::int32_t Q, std::int32_t I,
                  const BraidBasics::BLIMITS& LIMITS) {
  BLETTER* V = B.V.data();
  const std::int32_t UP = I + 1;

  std::int32_t M = 0;
  for (std::int32_t R = P + 1; R < Q; ++R) {
    if (INDEX(V[R]) == UP && INDEX(V[R + 1]) != UP) {
      ++M;  // R ends a run; V[Q] has index I, so no run reaches past Q - 1
    }
  }

  if (M == 0) {
    std::memmove(&V[P], &V[P + 1], (Q - P - 1) * sizeof(BLETTER));
    std::memmove(&V[Q - 1], &V[Q + 1], (B.L - Q) * sizeof(BLETTER));
    B.L -= 2;
    return;
  }

  const std::int32_t GROW = 2 * (M - 1);
  BraidBasics::BRESERVE(B, static_cast<std::int64_t>(B.L) + GROW, LIMITS);
  V = B.V.data();  // the record may have grown

  const auto CLOSE = static_cast<BLETTER>(BSHIFT(V[P], 1));  // s^e
  const auto OPEN = static_cast<BLETTER>(-CLOSE);            // s^-e

  std::int32_t R = P + 1;
  while (INDEX(V[R]) != UP) {
    V[R - 1] = V[R];
    ++R;
  }
  V[R - 1] = OPEN;
  while (INDEX(V[R]) == UP) {
    V[R] = static_cast<BLETTER>(BSHIFT(V[R], -1));
    ++R;
  }
  const std::int32_t END1 = R - 1;  // last letter of R_1'

  if (GROW > 0) {
    std::memmove(&V[Q + 1 + GROW], &V[Q + 1], (B.L - Q) * sizeof(BLETTER));
  }

  std::int32_t WRITE = Q + GROW;
  bool INRUN = false;
  for (std::int32_t READ = Q - 1; READ > END1; --READ) {
    const BLETTER X = V[READ];
    if (INDEX(X) == UP) {
      if (!INRUN) {
        V[WRITE--] = CLOSE;
        INRUN = true;
      }
      V[WRITE--] = static_cast<BLETTER>(BSHIFT(X, -1));
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
  B.L += GROW;
}

}  // namespace handlereduction
