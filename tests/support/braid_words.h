// Braids from letter strings and back, and the equality of braids, for the
// unit tests of every module above basics.
#pragma once

#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/words.h"

namespace korveltest {

// The braid spelled by the letters of W (other characters dropped).
inline BraidBasics::BRAID DEF(const std::string& W) {
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, W);
  return B;
}

// The letter string of B.
inline std::string WORD(const BraidBasics::BRAID& B) { return BraidBasics::BWORD(B); }

// True iff the words W1 and W2 represent the same braid: W1^-1 W2 reverses
// right then left into a fraction D^-1 N with D and N coprime on the left,
// and D^-1 N = 1 forces D = N = gcd(D, N) = 1, so both are empty.
inline bool EQUIVALENT(const BraidBasics::BRAID& W1, const BraidBasics::BRAID& W2) {
  BraidBasics::BRAID B = BraidBasics::BPROD(BraidBasics::BINVERSED(W1), W2);
  BraidBasics::BRIGHTLEFTREVERSE(B);
  return B.L == 0;
}

}  // namespace korveltest
