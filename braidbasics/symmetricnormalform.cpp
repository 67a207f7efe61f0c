#include "braidbasics/symmetricnormalform.h"

#include "braidbasics/leftnormalform.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"

namespace BraidBasics {

void BSYMFRACTION(BRAID B, BRAID& D, BRAID& N, const BLIMITS& LIMITS) {
  // Right reversing gives N2 D2^-1; left reversing of that gives D^-1 N with
  // D N2 = N D2 the least common left multiple, so D and N are coprime on the
  // left: the pair of the decomposition.
  BRIGHTLEFTREVERSE(B, LIMITS);
  D = BLEFTDEN(B, LIMITS);
  N = BLEFTNUM(B, LIMITS);
}

std::string BSYMLEFTNORMALWORD(BRAID B, std::string_view SEP, const BLIMITS& LIMITS) {
  BRAID D;
  BRAID N;
  BSYMFRACTION(B, D, N, LIMITS);
  std::string W1 = BLEFTNORMALWORD(D, SEP, LIMITS);
  BINVWORD(W1);
  std::string W2 = BLEFTNORMALWORD(N, SEP, LIMITS);
  if (W1.empty()) {
    return W2;
  }
  if (W2.empty()) {
    return W1;
  }
  W1.append(SEP);
  W1.append(W2);
  return W1;
}

}  // namespace BraidBasics
