#include "handlereduction/handles.h"

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

void REDUCEHANDLE(BRAID& B, std::int32_t P, std::int32_t Q, std::int32_t I,
                  const BraidBasics::BLIMITS& LIMITS) {
  BLETTER* V = B.V.data();
  REDUCEHANDLEWORD(V, B.L, P, Q, I, [&B, &LIMITS](std::int64_t LENGTH) {
    BraidBasics::BRESERVE(B, LENGTH, LIMITS);
    return B.V.data();
  });
}

}  // namespace handlereduction
