#include "handlereduction/reduction.h"

#include <cstring>
#include <ostream>
#include <string>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/operations.h"
#include "braidbasics/scratch.h"
#include "braidbasics/words.h"
#include "handlereduction/handles.h"

namespace handlereduction {

using BraidBasics::BLETTER;
using BraidBasics::BLIMITS;
using BraidBasics::BRAID;
using BraidBasics::BSCRATCH;

std::int32_t BNBREDSTEPS = 0;
bool BREDUCED = false;

namespace {

inline std::int32_t INDEX(std::int32_t X) { return X > 0 ? X : -X; }

// Free reduction after the handle reduced in the current pass, whose reduct
// now fills FIRST..LAST. The reduct itself is freely reduced when the word
// was (its new letters s^(+-e) stand between letters of other indices, and
// the lowered letters of one run keep the one sign of the handle's letters
// of index I+1), so letters cancel only across its two ends, possibly in
// cascade. V[1..FIRST-1] is freely reduced in every pass: before the first
// free reduction it lies left of the first handle to close, and an adjacent
// pair x x^-1 is a handle. A stack sweep from FIRST therefore gives the
// freely reduced word; when the whole word was freely reduced before the
// pass (CLEAN), the sweep stops at the first letter right of the reduct that
// cancels nothing, since everything after it is unchanged.
//
// Returns the first position whose letter may differ from the word before
// the free reduction.
[[gnu::always_inline]] inline std::int32_t FREEREDUCEAROUND(BRAID& B, std::int32_t FIRST, std::int32_t LAST,
                                                           bool CLEAN) {
  BLETTER* const V = B.V.data();
  std::int32_t TOP = FIRST - 1;
  std::int32_t LOWEST = TOP;
  for (std::int32_t R = FIRST; R <= B.L; ++R) {
    if (TOP > 0 && V[TOP] + V[R] == 0) {
      --TOP;
      if (TOP < LOWEST) {
        LOWEST = TOP;
      }
    } else if (CLEAN && R > LAST) {
      const std::int32_t REST = B.L - R + 1;
      if (TOP + 1 != R) {
        std::memmove(&V[TOP + 1], &V[R], REST * sizeof(BLETTER));
      }
      TOP += REST;
      break;
    } else {
      V[++TOP] = V[R];
    }
  }
  B.L = TOP;
  return LOWEST + 1;
}

// The leftmost strategy with or without free reduction, giving exactly the
// words of the plain loop "FINDHANDLE, REDUCEHANDLE[, BFREEREDUCE]" without
// scanning the whole word again on every pass.
//
// The scan of FINDHANDLE keeps the pending letters, whose indices increase
// from left to right: after position q they are q itself, the nearest letter
// left of q of smaller index, the nearest letter left of that one of smaller
// index again, and so on. PREVIOUS[q] records that nearest letter of smaller
// index, so the scan state after any position q is the chain q, PREVIOUS[q],
// PREVIOUS[PREVIOUS[q]], ... A pass changes no letter left of some position
// START (the handle's first position, or lower when free reduction cancels
// into the prefix); the scan state after START-1 is then the same as in the
// previous pass, and no handle closes before START. So each pass rebuilds the
// state from the chain of START-1 and scans on from START. PREVIOUS of the
// positions before START stays valid since it depends on the prefix only.
//
// Returns the number of passes, the last one (which finds no handle)
// included.
//
// POS holds positions: 16 bits when the limit keeps every word below 2^15
// letters (the console's computations, whose scratch then takes the room it
// took when the record had a fixed capacity), 32 bits otherwise.
template <typename POS>
std::int64_t LEFTMOSTREDUCE(BRAID& B, bool FREE, const BLIMITS& LIMITS) {
  std::int64_t PASSES = 0;

  // Room for the console's words on the stack (2000 letters, and a pass
  // adds at most the strand count); longer words get what they need.
  BSCRATCH<POS, 2048> PREVIOUS(static_cast<std::size_t>(B.L) + 1);
  // The pending letters, bottom first: positions and letters, indices
  // strictly increasing upwards, so at most one per strand.
  BSCRATCH<POS, 64> PENDPOSSPACE(static_cast<std::size_t>(B.W) + 1);
  BSCRATCH<BLETTER, 64> PENDLETTERSPACE(static_cast<std::size_t>(B.W) + 1);
  // Plain pointers for the scan, so that the compiler keeps them and the
  // depth in registers.
  POS* const PENDPOS = &PENDPOSSPACE[0];
  BLETTER* const PENDLETTER = &PENDLETTERSPACE[0];
  std::int32_t DEPTH = 0;

  std::int32_t START = 1;
  bool CLEAN = false;  // the whole word is freely reduced

  for (;;) {
    // Each pass is a point where a stop request abandons the reduction: B is
    // the caller's record, dropped with the computation.
    BraidBasics::BCHECKSTOP(LIMITS);
    const BLETTER* const V = B.V.data();
    // Pending letters after START - 1, from the chain.
    DEPTH = 0;
    for (std::int32_t R = START - 1; R > 0; R = PREVIOUS[R]) {
      PENDPOS[DEPTH++] = static_cast<POS>(R);
    }
    for (std::int32_t J = 0, K = DEPTH - 1; J < K; ++J, --K) {
      const POS T = PENDPOS[J];
      PENDPOS[J] = PENDPOS[K];
      PENDPOS[K] = T;
    }
    for (std::int32_t J = 0; J < DEPTH; ++J) {
      PENDLETTER[J] = V[PENDPOS[J]];
    }

    std::int32_t P = 0;
    std::int32_t Q = START;
    POS* const PREV = &PREVIOUS[0];
    const std::int32_t LENGTH = B.L;
    for (; Q <= LENGTH; ++Q) {
      const BLETTER X = V[Q];
      const std::int32_t K = INDEX(X);
      while (DEPTH > 0 && INDEX(PENDLETTER[DEPTH - 1]) > K) {
        --DEPTH;
      }
      if (DEPTH > 0 && INDEX(PENDLETTER[DEPTH - 1]) == K) {
        if (PENDLETTER[DEPTH - 1] != X) {
          P = PENDPOS[DEPTH - 1];  // same index, opposite sign: a handle closes
          break;
        }
        --DEPTH;  // same letter: the newer one replaces it
      }
      PREV[Q] = DEPTH > 0 ? PENDPOS[DEPTH - 1] : static_cast<POS>(0);
      PENDPOS[DEPTH] = static_cast<POS>(Q);
      PENDLETTER[DEPTH] = X;
      ++DEPTH;
    }

    if (P == 0) {
      // No handle: the word is freely reduced already (x x^-1 would be a
      // handle), so the free reduction of this last pass changes nothing.
      return PASSES + 1;
    }

    const std::int32_t OLDLENGTH = B.L;
    REDUCEHANDLE(B, P, Q, INDEX(V[Q]), LIMITS);
    PREVIOUS.GROW(static_cast<std::size_t>(B.L) + 1);
    START = P;
    if (FREE) {
      START = FREEREDUCEAROUND(B, P, Q + (B.L - OLDLENGTH), CLEAN);
      CLEAN = true;
    }
    ++PASSES;
  }
}

// The reduction with the narrowest positions that the limit allows: a word
// never passes LIMITS.MAXLENGTH letters, and a pass adds at most W letters
// before the next check.
std::int64_t LEFTMOSTREDUCE(BRAID& B, bool FREE, const BLIMITS& LIMITS) {
  if (LIMITS.MAXLENGTH + B.W < 32767) {
    return LEFTMOSTREDUCE<std::int16_t>(B, FREE, LIMITS);
  }
  return LEFTMOSTREDUCE<std::int32_t>(B, FREE, LIMITS);
}

// The console's record of a reduction: the globals it reports through.
void RECORD(std::int64_t PASSES) {
  BNBREDSTEPS = static_cast<std::int32_t>(PASSES);
  BREDUCED = true;
}

// The step-by-step reduction; PASS(n) is told the number of each pass before
// STEP sees it.
template <typename PASSFN>
void STEPS(BRAID& B, const HREDUCTIONSTEP& STEP, const BLIMITS& LIMITS, PASSFN PASS) {
  for (std::int64_t N = 1;; ++N) {
    BraidBasics::BCHECKSTOP(LIMITS);  // between two whole lines of the display
    PASS(N);
    std::int32_t P = 0;
    std::int32_t Q = 0;
    std::int32_t I = 0;
    FINDHANDLE(B, P, Q, I);
    if (P == 0) {
      STEP(B, 0, Q);
      return;
    }
    STEP(B, P, Q);
    REDUCEHANDLE(B, P, Q, I, LIMITS);
  }
}

}  // namespace

void BFULLHREDUCE(BRAID& B) {
  BREDUCED = false;
  BNBREDSTEPS = 0;
  RECORD(LEFTMOSTREDUCE(B, false, BraidBasics::BCONSOLELIMITS()));
}

void BFULLHFREDUCE(BRAID& B) {
  BREDUCED = false;
  BNBREDSTEPS = 0;
  RECORD(LEFTMOSTREDUCE(B, true, BraidBasics::BCONSOLELIMITS()));
}

std::int64_t BFULLHREDUCE(BRAID& B, const BLIMITS& LIMITS) { return LEFTMOSTREDUCE(B, false, LIMITS); }

std::int64_t BFULLHFREDUCE(BRAID& B, const BLIMITS& LIMITS) { return LEFTMOSTREDUCE(B, true, LIMITS); }

void BHREDUCESTEPS(BRAID& B, const HREDUCTIONSTEP& STEP) {
  BREDUCED = false;
  BNBREDSTEPS = 0;
  // BNBREDSTEPS is the number of the pass during each call of STEP.
  STEPS(B, STEP, BraidBasics::BCONSOLELIMITS(),
        [](std::int64_t N) { BNBREDSTEPS = static_cast<std::int32_t>(N - 1); });
  ++BNBREDSTEPS;
  BREDUCED = true;
}

void BHREDUCESTEPS(BRAID& B, const HREDUCTIONSTEP& STEP, const BLIMITS& LIMITS) {
  STEPS(B, STEP, LIMITS, [](std::int64_t) {});
}

void BSTEPBYSTEPHREDUCE(BRAID& B) {
  std::ostream& OUT = basics::OUTPUT();
  BHREDUCESTEPS(B, [&OUT](const BRAID& WORD, std::int32_t P, std::int32_t Q) {
    const std::string NUMBER = std::to_string(BNBREDSTEPS);
    for (std::size_t K = NUMBER.size(); K < 4; ++K) {
      OUT << ' ';
    }
    OUT << NUMBER << ": ";
    if (P == 0) {
      BraidBasics::BWRITELN(WORD);
    } else {
      BraidBasics::BSPECIALWRITELN(WORD, P, Q);
    }
  });
}

// The halves are reduced first, so the last reduction starts from a product
// of two handle-free words; each level keeps one extra record (BB).
void BQUICKFULLHFREDUCE(BRAID& B, std::int32_t THRESHOLD) {
  if (THRESHOLD < 1) {
    THRESHOLD = 1;  // a half of one letter is reduced, never cut again
  }
  BraidBasics::BFREEREDUCE(B);
  if (B.L == 0) {
    BNBREDSTEPS = 0;
    return;
  }
  if (B.L <= THRESHOLD) {
    BFULLHFREDUCE(B);
    return;
  }
  BRAID BB;
  BraidBasics::BSPLIT(B, BB);
  BQUICKFULLHFREDUCE(B, THRESHOLD);
  const std::int32_t N = BNBREDSTEPS;
  BQUICKFULLHFREDUCE(BB, THRESHOLD);
  const std::int32_t NN = BNBREDSTEPS;
  BraidBasics::BCONCAT(B, BB);
  BFULLHFREDUCE(B);
  BNBREDSTEPS += N + NN;
}

// B and BB are copies already: B becomes inverse(B).BB in place.
bool BEQUIV(BRAID B, BRAID BB) {
  BraidBasics::BINV(B);
  BraidBasics::BCONCAT(B, BB);
  BFULLHFREDUCE(B);
  return B.L == 0;
}

bool BEQUIV(BRAID B, const BRAID& BB, const BLIMITS& LIMITS) {
  BraidBasics::BINV(B);
  BraidBasics::BCONCAT(B, BB, LIMITS);
  BFULLHFREDUCE(B, LIMITS);
  return B.L == 0;
}

}  // namespace handlereduction
