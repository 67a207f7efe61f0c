#include "braidbasics/reversing.h"

#include <cstring>

#include "basics/interrupt.h"
#include "braidbasics/operations.h"

namespace BraidBasics {

bool BREVERSED = false;

namespace {

// The sign that opens a pattern: a left step rewrites (+, -), a right step
// (-, +).
enum class SIDE { LEFT, RIGHT };

// Rewrites the pattern at positions I, I+1 (V[I] of the opening sign, V[I+1]
// of the other one). With x, y the two indices, the replacement is, for a left
// step, -y +x; nothing; or -y -x +y +x; and for a right step +y -x; nothing;
// or +y +x -y -x.
void REWRITE(BRAID& B, std::int32_t I, SIDE S, const BLIMITS& LIMITS) {
  const std::int32_t X = S == SIDE::LEFT ? B.V[I] : -B.V[I];
  const std::int32_t Y = S == SIDE::LEFT ? -B.V[I + 1] : B.V[I + 1];
  const std::int32_t T = X - Y;
  const std::int32_t SIGN = S == SIDE::LEFT ? 1 : -1;  // sign of the letter x
  if (T >= 2 || T <= -2) {
    B.V[I] = static_cast<BLETTER>(-SIGN * Y);
    B.V[I + 1] = static_cast<BLETTER>(SIGN * X);
  } else if (T == 0) {
    std::memmove(&B.V[I], &B.V[I + 2], (B.L - I - 1) * sizeof(BLETTER));
    B.L -= 2;
  } else {
    BRESERVE(B, static_cast<std::int64_t>(B.L) + 2, LIMITS);
    std::memmove(&B.V[I + 4], &B.V[I + 2], (B.L - I - 1) * sizeof(BLETTER));
    B.V[I] = static_cast<BLETTER>(-SIGN * Y);
    B.V[I + 1] = static_cast<BLETTER>(-SIGN * X);
    B.V[I + 2] = static_cast<BLETTER>(SIGN * Y);
    B.V[I + 3] = static_cast<BLETTER>(SIGN * X);
    B.L += 2;
  }
}

bool OPENS(const BRAID& B, std::int32_t I, SIDE S) {
  return S == SIDE::LEFT ? (B.V[I] > 0 && B.V[I + 1] < 0) : (B.V[I] < 0 && B.V[I + 1] > 0);
}

// The leftmost pattern at or after position FROM, or 0.
std::int32_t FINDPATTERN(const BRAID& B, std::int32_t FROM, SIDE S) {
  for (std::int32_t I = FROM; I < B.L; ++I) {
    if (OPENS(B, I, S)) {
      return I;
    }
  }
  return 0;
}

void REVERSEONE(BRAID& B, SIDE S) {
  const std::int32_t I = FINDPATTERN(B, 1, S);
  if (I == 0) {
    BREVERSED = true;
    return;
  }
  REWRITE(B, I, S, BCONSOLELIMITS());
}

// Full reversing, always on the leftmost pattern. A step at I changes letters
// from I on only, so no pattern can open before I - 1: the search resumes
// there, which finds exactly the pattern a search from position 1 would.
// Reversing terminates on every braid word. The stop request is polled once
// per reversing, before the word is touched, and then every 2^16 steps, so
// that a long word (possible for programs) is still abandoned promptly; the
// loops that call reversing on every pass (the left-greedy factors, the
// alternating-form search) are served by the same poll.
void REVERSE(BRAID& B, SIDE S, const BLIMITS& LIMITS) {
  BCHECKSTOP(LIMITS);
  std::int32_t FROM = 1;
  for (std::uint32_t STEPS = 1;; ++STEPS) {
    const std::int32_t I = FINDPATTERN(B, FROM, S);
    if (I == 0) {
      return;
    }
    REWRITE(B, I, S, LIMITS);
    FROM = I > 1 ? I - 1 : 1;
    if ((STEPS & 0xFFFF) == 0) [[unlikely]] {
      BCHECKSTOP(LIMITS);
    }
  }
}

// The first position whose letter has the sign SIGN, or L + 1.
std::int32_t FIRSTOFSIGN(const BRAID& B, int SIGN) {
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if ((SIGN > 0 && B.V[R] > 0) || (SIGN < 0 && B.V[R] < 0)) {
      return R;
    }
  }
  return B.L + 1;
}

}  // namespace

void BLEFTREVERSEONE(BRAID& B) { REVERSEONE(B, SIDE::LEFT); }

void BRIGHTREVERSEONE(BRAID& B) { REVERSEONE(B, SIDE::RIGHT); }

void BLEFTREVERSE(BRAID& B) {
  BREVERSED = false;
  REVERSE(B, SIDE::LEFT, BCONSOLELIMITS());
  BREVERSED = true;
}

void BRIGHTREVERSE(BRAID& B) {
  BREVERSED = false;
  REVERSE(B, SIDE::RIGHT, BCONSOLELIMITS());
  BREVERSED = true;
}

void BLEFTREVERSE(BRAID& B, const BLIMITS& LIMITS) { REVERSE(B, SIDE::LEFT, LIMITS); }

void BRIGHTREVERSE(BRAID& B, const BLIMITS& LIMITS) { REVERSE(B, SIDE::RIGHT, LIMITS); }

void BLEFTRIGHTREVERSE(BRAID& B, const BLIMITS& LIMITS) {
  BLEFTREVERSE(B, LIMITS);
  BRIGHTREVERSE(B, LIMITS);
}

void BRIGHTLEFTREVERSE(BRAID& B, const BLIMITS& LIMITS) {
  BRIGHTREVERSE(B, LIMITS);
  BLEFTREVERSE(B, LIMITS);
}

BRAID BLEFTNUM(BRAID B, const BLIMITS& LIMITS) {
  BLEFTREVERSE(B, LIMITS);
  return BEXTRACTED(B, FIRSTOFSIGN(B, 1), B.L);
}

BRAID BLEFTDEN(BRAID B, const BLIMITS& LIMITS) {
  BLEFTREVERSE(B, LIMITS);
  BINV(B);  // D^-1 N becomes N^-1 D
  return BEXTRACTED(B, FIRSTOFSIGN(B, 1), B.L);
}

BRAID BRIGHTNUM(BRAID B, const BLIMITS& LIMITS) {
  BRIGHTREVERSE(B, LIMITS);
  return BEXTRACTED(B, 1, FIRSTOFSIGN(B, -1) - 1);
}

BRAID BRIGHTDEN(BRAID B, const BLIMITS& LIMITS) {
  BRIGHTREVERSE(B, LIMITS);
  BINV(B);  // N D^-1 becomes D N^-1
  return BEXTRACTED(B, 1, FIRSTOFSIGN(B, -1) - 1);
}

}  // namespace BraidBasics
