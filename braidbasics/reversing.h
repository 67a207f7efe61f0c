// Subword reversing: the rewriting engine under every Garside computation.
//
// Left reversing rewrites a positive letter followed by a negative one,
//   sigma_i sigma_j^-1  ->  sigma_j^-1 sigma_i                  (|i - j| >= 2)
//                       ->  (nothing)                           (i = j)
//                       ->  sigma_j^-1 sigma_i^-1 sigma_j sigma_i  (|i - j| = 1),
// until the word is a left fraction D^-1 N (negative letters first). Right
// reversing is the mirror and ends with a right fraction N D^-1. Each rule is a
// far commutation or the braid relation, so the braid never changes; W never
// changes either.
//
// The steps are taken on the leftmost pattern, one at a time, so the words
// produced (which the normal-form strings print) are always the same. A step
// that would grow the word past the limit of its computation throws
// BOUNDEXCEEDED; a full reversing polls the stop request once.
//
// BREVERSED is the console's flag: a one-step operation sets it when it finds
// no pattern, and a full reversing called without limits (the console's form)
// leaves it true. The forms that take limits read and write no global, so
// they may run in parallel threads.
#pragma once

#include "braidbasics/braid.h"

namespace BraidBasics {

extern bool BREVERSED;

// One left (right) step on the leftmost pattern; BREVERSED := true, and B
// unchanged, when there is none.
void BLEFTREVERSEONE(BRAID& B);
void BRIGHTREVERSEONE(BRAID& B);

// Full left reversing: B becomes a left fraction D^-1 N.
void BLEFTREVERSE(BRAID& B);
void BLEFTREVERSE(BRAID& B, const BLIMITS& LIMITS);

// Full right reversing: B becomes a right fraction N D^-1.
void BRIGHTREVERSE(BRAID& B);
void BRIGHTREVERSE(BRAID& B, const BLIMITS& LIMITS);

// Left then right reversing: a right fraction N D^-1 in which N and D have no
// common nontrivial right divisor.
void BLEFTRIGHTREVERSE(BRAID& B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// Right then left reversing: a left fraction D^-1 N in which D and N have no
// common nontrivial left divisor.
void BRIGHTLEFTREVERSE(BRAID& B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// N and D of the left fraction D^-1 N of B, both positive, width B.W.
BRAID BLEFTNUM(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());
BRAID BLEFTDEN(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// N and D of the right fraction N D^-1 of B, both positive, width B.W.
BRAID BRIGHTNUM(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());
BRAID BRIGHTDEN(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());

}  // namespace BraidBasics
