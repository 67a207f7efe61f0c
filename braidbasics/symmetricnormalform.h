// The symmetric normal decomposition of an arbitrary braid.
//
// Every braid is D^-1 N for two positive braids D and N with no common
// nontrivial left divisor, and that pair is unique. The decomposition is
// written as the inverse of the normal-form string of D followed by the
// normal-form string of N.
#pragma once

#include <string>
#include <string_view>

#include "braidbasics/braid.h"

namespace BraidBasics {

// D and N of the decomposition B = D^-1 N: positive words with no common
// nontrivial left divisor, both of width B.W. A word that grows past
// the limit while it is reversed throws BOUNDEXCEEDED.
void BSYMFRACTION(BRAID B, BRAID& D, BRAID& N, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The text inv(WD) SEP WN, where WD and WN are the BLEFTNORMALWORD strings of
// D and N with the separator SEP, and inv is BINVWORD (the order of the
// characters reversed, the cases exchanged, so a Delta "D" becomes "d",
// "." kept and any other character dropped). When one of inv(WD) and WN is
// empty the other stands alone. D and N keep the width of B, which chooses
// the Delta of their heads. A word that grows past the limit while it is
// reversed throws BOUNDEXCEEDED.
std::string BSYMLEFTNORMALWORD(BRAID B, std::string_view SEP,
                               const BLIMITS& LIMITS = BCONSOLELIMITS());

}  // namespace BraidBasics
