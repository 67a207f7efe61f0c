#include "handlereduction/reduction.h"

#include <algorithm>
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

// The letter X as 2|X| for sigma_|X| and 2|X| + 1 for its inverse: keys
// order letters by index, and the two letters of one index differ in the
// last bit only, so the scan compares keys where it would compare indices
// and signs. Computed without a branch, since the signs of a word are
// unpredictable: with the sign mask S = 0 or -1, (X ^ S) - S = |X| and -S is
// 1 for an inverse.
inline std::int32_t KEY(std::int32_t X) {
  const std::int32_t S = X >> 31;
  return 2 * ((X ^ S) - S) - S;
}

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
template <typename LETTER>
[[gnu::always_inline]] inline std::int32_t FREEREDUCEAROUND(LETTER* const V, std::int32_t& L,
                                                           std::int32_t FIRST, std::int32_t LAST,
                                                           bool CLEAN) {
  const std::int32_t LENGTH = L;  // in a register: stores of letters may alias L
  std::int32_t TOP = FIRST - 1;
  std::int32_t LOWEST = TOP;
  for (std::int32_t R = FIRST; R <= LENGTH; ++R) {
    if (TOP > 0 && V[TOP] + V[R] == 0) {
      --TOP;
      if (TOP < LOWEST) {
        LOWEST = TOP;
      }
    } else if (CLEAN && R > LAST) {
      const std::int32_t REST = LENGTH - R + 1;
      if (TOP + 1 != R) {
        std::memmove(&V[TOP + 1], &V[R], REST * sizeof(LETTER));
      }
      TOP += REST;
      break;
    } else {
      V[++TOP] = V[R];
    }
  }
  L = TOP;
  return LOWEST + 1;
}

// The sizes of a small word, in letters of 8 bits: every console word, since
// room is asked for (and the limit checked) before every letter a pass adds.
constexpr std::int32_t SMALLLENGTH = BraidBasics::BMAXLENGTH;
constexpr std::int32_t SMALLWIDTH = 64;

// The scratch of a reduction: a plain array of N entries when SMALL, which
// the scan addresses from the stack pointer and which no store through a
// pointer can alias; otherwise as much as the word needs.
template <typename T, bool SMALL, std::size_t N>
struct SCRATCH : BSCRATCH<T, 1> {
  using BSCRATCH<T, 1>::BSCRATCH;
};

template <typename T, std::size_t N>
struct SCRATCH<T, true, N> {
  explicit SCRATCH(std::size_t /*SIZE*/) {}
  void GROW(std::size_t /*SIZE*/) {}
  T& operator[](std::size_t K) { return DATA[K]; }
  T DATA[N];
};

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
// The reduction works on the letters V[1..L] of a WORD (below). POS holds
// positions: 16 bits when the limit keeps every word below 2^15 letters, 32
// bits otherwise.
template <typename POS, typename WORD>
std::int64_t LEFTMOSTREDUCE(WORD& STORE, std::int32_t W, bool FREE, const BLIMITS& LIMITS) {
  using LETTER = typename WORD::LETTER;
  std::int64_t PASSES = 0;
  LETTER* V = STORE.LETTERS();
  std::int32_t& L = STORE.LENGTH();

  // PREVIOUS, and the pending letters 1..DEPTH, bottom first: positions and
  // keys (KEY), indices strictly increasing upwards, so at most one per
  // strand. Entry 0 is a sentinel of key 0 and position 0, below every
  // letter's key, which ends the scan's descent without a test of DEPTH. A
  // small word keeps them in arrays of fixed size on the stack, which the
  // scan addresses from the stack pointer and which no store through a
  // pointer can alias; the others get the room they need.
  constexpr bool SMALL = WORD::SMALL;
  SCRATCH<POS, SMALL, SMALLLENGTH + 1> PREVIOUS(static_cast<std::size_t>(L) + 1);
  SCRATCH<POS, SMALL, SMALLWIDTH + 2> PENDPOSSPACE(static_cast<std::size_t>(W) + 2);
  SCRATCH<std::int32_t, SMALL, SMALLWIDTH + 2> PENDKEYSPACE(static_cast<std::size_t>(W) + 2);
  // Plain pointers for the scan, so that the compiler keeps them and the
  // depth in registers.
  POS* const PENDPOS = &PENDPOSSPACE[0];
  std::int32_t* const PENDKEY = &PENDKEYSPACE[0];
  PENDPOS[0] = 0;
  PENDKEY[0] = 0;
  std::int32_t DEPTH = 0;
  const auto ROOM = [&STORE, &LIMITS](std::int64_t LENGTH) { return STORE.ROOM(LENGTH, LIMITS); };

  std::int32_t START = 1;
  bool CLEAN = false;  // the whole word is freely reduced

  for (;;) {
    // Each pass is a point where a stop request abandons the reduction,
    // leaving the word of the last completed pass.
    BraidBasics::BCHECKSTOP(LIMITS);
    // Pending letters after START - 1, from the chain.
    DEPTH = 0;
    for (std::int32_t R = START - 1; R > 0; R = PREVIOUS[R]) {
      PENDPOS[++DEPTH] = static_cast<POS>(R);
    }
    for (std::int32_t J = 1, K = DEPTH; J < K; ++J, --K) {
      const POS T = PENDPOS[J];
      PENDPOS[J] = PENDPOS[K];
      PENDPOS[K] = T;
    }
    for (std::int32_t J = 1; J <= DEPTH; ++J) {
      PENDKEY[J] = KEY(V[PENDPOS[J]]);
    }

    std::int32_t P = 0;
    std::int32_t Q = START;
    POS* const PREV = &PREVIOUS[0];
    const std::int32_t LENGTH = L;
    for (; Q <= LENGTH; ++Q) {
      const std::int32_t X = KEY(V[Q]);
      const std::int32_t LOW = X & ~1;  // the key of sigma_k, k the index of X
      while (PENDKEY[DEPTH] > LOW + 1) {
        --DEPTH;  // a greater index
      }
      if (PENDKEY[DEPTH] >= LOW) {
        if (PENDKEY[DEPTH] != X) {
          P = PENDPOS[DEPTH];  // same index, opposite sign: a handle closes
          break;
        }
        --DEPTH;  // same letter: the newer one replaces it
      }
      PREV[Q] = PENDPOS[DEPTH];
      ++DEPTH;
      PENDPOS[DEPTH] = static_cast<POS>(Q);
      PENDKEY[DEPTH] = X;
    }

    if (P == 0) {
      // No handle: the word is freely reduced already (x x^-1 would be a
      // handle), so the free reduction of this last pass changes nothing.
      return PASSES + 1;
    }

    const std::int32_t OLDLENGTH = L;
    REDUCEHANDLEWORD(V, L, P, Q, INDEX(V[Q]), ROOM);
    PREVIOUS.GROW(static_cast<std::size_t>(L) + 1);
    START = P;
    if (FREE) {
      START = FREEREDUCEAROUND(V, L, P, Q + (L - OLDLENGTH), CLEAN);
      CLEAN = true;
    }
    ++PASSES;
  }
}

// The words the reduction works on: the record itself, or, for a small word,
// a copy in 8-bit letters on the stack, which halves what the reduction reads
// and moves (letters of at most 64 strands fit). Both make room through
// ROOM, which checks the limit before anything is written, so a pass either
// completes or throws with the word as the previous pass left it; the copy
// is written back to the record whether the reduction ends or throws.
class RECORDWORD {
 public:
  using LETTER = BLETTER;
  static constexpr bool SMALL = false;
  explicit RECORDWORD(BRAID& B) : B_(B) {}
  LETTER* LETTERS() { return B_.V.data(); }
  std::int32_t& LENGTH() { return B_.L; }
  LETTER* ROOM(std::int64_t LENGTH, const BLIMITS& LIMITS) {
    BraidBasics::BRESERVE(B_, LENGTH, LIMITS);
    return B_.V.data();
  }

 private:
  BRAID& B_;
};

class SMALLWORD {
 public:
  using LETTER = std::int8_t;
  static constexpr bool SMALL = true;
  explicit SMALLWORD(BRAID& B) : B_(B), L_(B.L) { std::copy(&B.V[1], &B.V[1] + L_, &V_[1]); }
  LETTER* LETTERS() { return V_; }
  std::int32_t& LENGTH() { return L_; }
  LETTER* ROOM(std::int64_t LENGTH, const BLIMITS& LIMITS) {
    BraidBasics::BCHECKLENGTH(LENGTH, LIMITS);
    return V_;
  }
  void WRITEBACK() {
    BraidBasics::BROOM(B_, L_);
    std::copy(&V_[1], &V_[1] + L_, &B_.V[1]);
    B_.L = L_;
  }

 private:
  BRAID& B_;
  std::int32_t L_;
  LETTER V_[SMALLLENGTH + 1];
};

// The reduction in the narrowest storage that the word and the limit allow:
// a word never passes the longer of its length and LIMITS.MAXLENGTH.
std::int64_t LEFTMOSTREDUCE(BRAID& B, bool FREE, const BLIMITS& LIMITS) {
  const std::int64_t LONGEST = std::max<std::int64_t>(B.L, LIMITS.MAXLENGTH);
  if (LONGEST <= SMALLLENGTH && B.W <= SMALLWIDTH) {
    SMALLWORD WORD(B);
    std::int64_t PASSES = 0;
    try {
      PASSES = LEFTMOSTREDUCE<std::int16_t>(WORD, B.W, FREE, LIMITS);
    } catch (...) {
      WORD.WRITEBACK();
      throw;
    }
    WORD.WRITEBACK();
    return PASSES;
  }
  RECORDWORD WORD(B);
  if (LONGEST < 32767) {
    return LEFTMOSTREDUCE<std::int16_t>(WORD, B.W, FREE, LIMITS);
  }
  return LEFTMOSTREDUCE<std::int32_t>(WORD, B.W, FREE, LIMITS);
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

// B is a copy already: it becomes inverse(B).BB in place.
bool BEQUIV(BRAID B, const BRAID& BB) {
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
