#include "braidbasics/divisibility.h"

#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"

namespace BraidBasics {

namespace {

// The word B1^-1 B2, width SUP(B1.W, B2.W).
BRAID INVERSETIMES(const BRAID& B1, const BRAID& B2) {
  BRAID B = BINVERSED(B1);
  BCONCAT(B, B2);
  return B;
}

// B1 D^-1 left reversed, with D^-1 the negative prefix of the reduced left
// fraction of B1^-1 B2. Writing B1 = g D and B2 = g N with D and N coprime on
// the left, the left reversing deletes D from the right end of B1 and leaves
// a word for g whenever the arguments are positive.
BRAID MEET(const BRAID& B1, const BRAID& FRACTION) {
  BRAID B = BPROD(B1, BNEGPREFIX(FRACTION));
  BLEFTREVERSE(B);
  return B;
}

}  // namespace

bool BLEFTDIVIDES(const BRAID& B1, const BRAID& B2) {
  BRAID B = INVERSETIMES(B1, B2);
  BLEFTRIGHTREVERSE(B);
  return BPOSITIVE(B);
}

BRAID BLEFTDIVINF(const BRAID& B1, const BRAID& B2) {
  BRAID B = INVERSETIMES(B1, B2);
  BRIGHTLEFTREVERSE(B);
  return MEET(B1, B);
}

BRAID BLEFTDIVSUP(const BRAID& B1, const BRAID& B2) {
  BRAID B = INVERSETIMES(B1, B2);
  BLEFTRIGHTREVERSE(B);
  B = BPROD(B1, BPOSPREFIX(B));
  BRIGHTREVERSE(B);
  return B;
}

BRAID BLEFTGCD(const BRAID& B1, const BRAID& B2) {
  if (!BPOSITIVE(B1) || !BPOSITIVE(B2)) {
    return BUNDEFINED();
  }
  // Right reversing of B1^-1 B2 gives N2 D2^-1 with B1 N2 = B2 D2 the right
  // lcm; left reversing then gives D^-1 N with D N2 = N D2 the left lcm of N2
  // and D2, so that B1 = g D and B2 = g N for the gcd g.
  BRAID B = INVERSETIMES(B1, B2);
  BRIGHTLEFTREVERSE(B);
  return MEET(B1, B);
}

BRAID BRIGHTLCM(const BRAID& B1, const BRAID& B2) {
  if (!BPOSITIVE(B1) || !BPOSITIVE(B2)) {
    return BUNDEFINED();
  }
  // Right reversing of B1^-1 B2 ends with N D^-1 where B1 N = B2 D is the
  // least common right multiple (reversing is complete for positive words).
  BRAID B = INVERSETIMES(B1, B2);
  BRIGHTREVERSE(B);
  return BPROD(B1, BPOSPREFIX(B));
}

BRAID BLEFTQUOTIENT(const BRAID& BB, const BRAID& B) {
  BRAID Q = INVERSETIMES(BB, B);
  BRIGHTREVERSE(Q);
  return Q;
}

BRAID BRIGHTQUOTIENT(const BRAID& B, const BRAID& BB) {
  BRAID Q = B;
  BCONCAT(Q, BINVERSED(BB));
  BLEFTREVERSE(Q);
  return Q;
}

}  // namespace BraidBasics
