#include "braidbasics/divisibility.h"

#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"

namespace BraidBasics {

namespace {

// The word B1^-1 B2, width SUP(B1.W, B2.W).
BRAID INVERSETIMES(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  BRAID B = BINVERSED(B1);
  BCONCAT(B, B2, LIMITS);
  return B;
}

// B1 D^-1 left reversed, with D^-1 the negative prefix of the reduced left
// fraction of B1^-1 B2. Writing B1 = g D and B2 = g N with D and N coprime on
// the left, the left reversing deletes D from the right end of B1 and leaves
// a word for g whenever the arguments are positive.
BRAID MEET(const BRAID& B1, const BRAID& FRACTION, const BLIMITS& LIMITS) {
  BRAID B = BPROD(B1, BNEGPREFIX(FRACTION), LIMITS);
  BLEFTREVERSE(B, LIMITS);
  return B;
}

}  // namespace

bool BLEFTDIVIDES(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  BRAID B = INVERSETIMES(B1, B2, LIMITS);
  BLEFTRIGHTREVERSE(B, LIMITS);
  return BPOSITIVE(B);
}

BRAID BLEFTDIVINF(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  BRAID B = INVERSETIMES(B1, B2, LIMITS);
  BRIGHTLEFTREVERSE(B, LIMITS);
  return MEET(B1, B, LIMITS);
}

BRAID BLEFTDIVSUP(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  BRAID B = INVERSETIMES(B1, B2, LIMITS);
  BLEFTRIGHTREVERSE(B, LIMITS);
  B = BPROD(B1, BPOSPREFIX(B), LIMITS);
  BRIGHTREVERSE(B, LIMITS);
  return B;
}

BRAID BLEFTGCD(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  if (!BPOSITIVE(B1) || !BPOSITIVE(B2)) {
    return BUNDEFINED();
  }
  // Right reversing of B1^-1 B2 gives N2 D2^-1 with B1 N2 = B2 D2 the right
  // lcm; left reversing then gives D^-1 N with D N2 = N D2 the left lcm of N2
  // and D2, so that B1 = g D and B2 = g N for the gcd g.
  BRAID B = INVERSETIMES(B1, B2, LIMITS);
  BRIGHTLEFTREVERSE(B, LIMITS);
  return MEET(B1, B, LIMITS);
}

BRAID BRIGHTLCM(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  if (!BPOSITIVE(B1) || !BPOSITIVE(B2)) {
    return BUNDEFINED();
  }
  // Right reversing of B1^-1 B2 ends with N D^-1 where B1 N = B2 D is the
  // least common right multiple (reversing is complete for positive words).
  BRAID B = INVERSETIMES(B1, B2, LIMITS);
  BRIGHTREVERSE(B, LIMITS);
  return BPROD(B1, BPOSPREFIX(B), LIMITS);
}

BRAID BLEFTQUOTIENT(const BRAID& BB, const BRAID& B, const BLIMITS& LIMITS) {
  BRAID Q = INVERSETIMES(BB, B, LIMITS);
  BRIGHTREVERSE(Q, LIMITS);
  return Q;
}

BRAID BRIGHTQUOTIENT(const BRAID& B, const BRAID& BB, const BLIMITS& LIMITS) {
  BRAID Q = B;
  BCONCAT(Q, BINVERSED(BB), LIMITS);
  BLEFTREVERSE(Q, LIMITS);
  return Q;
}

}  // namespace BraidBasics
