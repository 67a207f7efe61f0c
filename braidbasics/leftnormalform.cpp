#include "braidbasics/leftnormalform.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "basics/console.h"
#include "braidbasics/divisibility.h"
#include "braidbasics/operations.h"
#include "braidbasics/tablebounds.h"

namespace BraidBasics {

namespace {

// The text that stands for the normal form of a braid that is not positive.
constexpr std::string_view NOTPOSITIVE = "??ined";

// Appends the letter string of B to T, as BWORD writes it.
void APPENDWORD(std::string& T, const BRAID& B) {
  if (B.W <= 0) {
    T.push_back('?');
  }
  for (std::int32_t R = 1; R <= B.L; ++R) {
    T.push_back(BLETTERCHAR(B.V[R]));
  }
}

// The left-greedy factor loop shared by both builders. On entry B is a
// positive word; each pass takes its head H = gcd(B, Delta_(B.W)), calls
// EMIT(H), and replaces B by the quotient H^-1 B. H left-divides B, so right
// reversing of H^-1 B computes the lcm of H and B, which is B itself: the
// quotient is a positive word of B.L - H.L letters. The body runs at least
// once and stops when nothing is left.
//
// The head of a non-empty positive braid is non-empty (every generator
// sigma_i with i < W left-divides Delta_W), so each pass shortens B. Only a
// record wider than BMAXSTRANDS, whose Delta is cut at BMAXSTRANDS strands, could
// give an empty head; the loop then ends instead of turning for ever, and the
// letters not yet factored are emitted as one last factor.
template <typename EMITTER>
void FACTORLOOP(BRAID& B, EMITTER EMIT, const BLIMITS& LIMITS) {
  // Heads and quotients have the width SUP(B.W, DELTA.W), which is B.W for
  // every width from 1 to BMAXSTRANDS, so one Delta serves every pass.
  const BRAID DELTA = BDELTA(B.W);
  do {
    const BRAID HEAD = BLEFTGCD(B, DELTA, LIMITS);
    if (HEAD.L == 0 && B.L > 0) {
      EMIT(B);
      return;
    }
    EMIT(HEAD);
    BCOPY(BLEFTQUOTIENT(HEAD, B, LIMITS), B);  // copies the letters only
  } while (B.L != 0);
}

// Divides Delta_N out of B on the left as often as it goes and returns how
// often. Each pass replaces B by the quotient Delta_N^-1 B, right reversed,
// which is positive exactly when Delta_N left-divides B, and is then B
// shortened by the letters of Delta_N, so the loop ends. Delta_N of N <= 1 is
// empty and would be divided out for ever: no pass then.
std::int32_t EXTRACTDELTA(BRAID& B, std::int32_t N, const BLIMITS& LIMITS) {
  std::int32_t I = 0;
  if (BPOSITIVE(B) && B.W > 1 && N > 1) {
    const BRAID DELTA = BDELTA(N);
    for (;;) {
      const BRAID Q = BLEFTQUOTIENT(DELTA, B, LIMITS);
      if (!BPOSITIVE(Q)) {
        break;
      }
      ++I;
      BCOPY(Q, B);
    }
  }
  return I;
}

}  // namespace

void BEXTRACTDELTA(BRAID B, std::int32_t N, std::int32_t& I, BRAID& BB, const BLIMITS& LIMITS) {
  I = EXTRACTDELTA(B, N, LIMITS);
  BCOPY(B, BB);
}

BRAID BLEFTHEAD(const BRAID& B, const BLIMITS& LIMITS) {
  if (!BPOSITIVE(B)) {
    return BUNDEFINED();
  }
  return BLEFTGCD(B, BDELTA(B.W), LIMITS);
}

std::string BLEFTNORMALWORD(BRAID B, std::string_view SEP, const BLIMITS& LIMITS) {
  if (!BPOSITIVE(B)) {
    return std::string(NOTPOSITIVE);
  }
  const std::int32_t I = EXTRACTDELTA(B, 3, LIMITS);
  std::string T;
  T.reserve(static_cast<std::size_t>(I) + 2 * SEP.size() +
            static_cast<std::size_t>(B.L) * (1 + SEP.size()));
  T.append(static_cast<std::size_t>(I), 'D');
  T.append(SEP);
  FACTORLOOP(B, [&T, SEP](const BRAID& FACTOR) {
    T.append(SEP);
    APPENDWORD(T, FACTOR);
  }, LIMITS);
  return T;
}

bool BLEFTFACTORS(BRAID B, std::int32_t& I, std::vector<BRAID>& FACTORS, const BLIMITS& LIMITS) {
  I = 0;
  FACTORS.clear();
  if (!BPOSITIVE(B)) {
    return false;
  }
  I = EXTRACTDELTA(B, B.W, LIMITS);
  FACTORLOOP(B, [&FACTORS](const BRAID& FACTOR) {
    if (FACTOR.L > 0) {
      FACTORS.push_back(FACTOR);
    }
  }, LIMITS);
  return true;
}

NF BLEFTNF(BRAID B, const BLIMITS& LIMITS) {
  NF X;
  X.I = 0;
  X.W = B.W;
  if (!BPOSITIVE(B)) {
    X.S = NOTPOSITIVE;
    return X;
  }
  X.I = EXTRACTDELTA(B, B.W, LIMITS);
  X.S.reserve(2 * static_cast<std::size_t>(B.L));
  // A pure power of Delta makes one pass with an empty head and leaves S
  // empty; the separator goes only between non-empty pieces of text.
  FACTORLOOP(B, [&X](const BRAID& FACTOR) {
    if (!X.S.empty()) {
      X.S.push_back('.');
    }
    APPENDWORD(X.S, FACTOR);
  }, LIMITS);
  return X;
}

void NFWRITE(const NF& X) {
  basics::OUTPUT() << "D_" << X.W << '^' << X.I << '.' << X.S;
}

bool NFEQUAL(const NF& X, const NF& Y) { return X.I == Y.I && X.W == Y.W && X.S == Y.S; }

BRAID NFBRAID(const NF& X, const BLIMITS& LIMITS) {
  BRAID B;
  BDEF(B, X.S, LIMITS);  // the "." separators are not letters and are skipped
  if (X.I <= 0) {
    return B;
  }
  // Delta_W^I in front of the letters, built in one pass: the same word and
  // width as putting one Delta in front I times.
  const BRAID DELTA = BDELTA(X.W);
  BRAID RESULT;
  RESULT.W = SUP(DELTA.W, B.W);
  if (DELTA.L == 0) {
    RESULT.L = B.L;
    BROOM(RESULT, B.L);
    std::copy(B.V.begin() + 1, B.V.begin() + 1 + B.L, RESULT.V.begin() + 1);
    return RESULT;
  }
  BRESERVE(RESULT, static_cast<std::int64_t>(X.I) * DELTA.L + B.L, LIMITS);
  RESULT.L = 0;
  for (std::int32_t K = 0; K < X.I; ++K) {
    std::copy(DELTA.V.begin() + 1, DELTA.V.begin() + 1 + DELTA.L,
              RESULT.V.begin() + RESULT.L + 1);
    RESULT.L += DELTA.L;
  }
  std::copy(B.V.begin() + 1, B.V.begin() + 1 + B.L, RESULT.V.begin() + RESULT.L + 1);
  RESULT.L += B.L;
  return RESULT;
}

std::string GARNORMAL(std::string_view W) {
  if (W == "?") {
    return "?";  // the missing entry of the three-strand tables passes through
  }
  BRAID B;
  BDEF(B, W);
  return BLEFTNORMALWORD(B, "");
}

std::string PADDEDGARNORMAL(std::string_view W) {
  std::string U = GARNORMAL(W);
  if (static_cast<std::int64_t>(U.size()) < LENGTHBOUND) {
    U.append(static_cast<std::size_t>(LENGTHBOUND) - U.size(), ' ');
  }
  return U;
}

}  // namespace BraidBasics
