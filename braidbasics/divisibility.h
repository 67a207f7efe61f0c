// Left divisibility in the braid group and its lattice operations, all
// computed by subword reversing on products of words and inverses.
//
// B1 left-divides B2 when B1^-1 B2 is a positive braid. For positive braids
// this is ordinary left divisibility; on the whole group it is the lattice
// order whose meet and join are BLEFTDIVINF and BLEFTDIVSUP.
//
// Every braid result other than the undefined braid has width
// SUP(B1.W, B2.W). The letters of each result are those that the fixed
// sequence of reversings leaves, and the normal forms print them, so each
// operation keeps its sequence exactly. Arguments are read only; a word that
// grows past the limit of the computation on the way throws BOUNDEXCEEDED.
// Reentrant: nothing global is read or written.
#pragma once

#include "braidbasics/braid.h"

namespace BraidBasics {

// True iff B1 left-divides B2: the reduced right fraction of B1^-1 B2 has an
// empty denominator.
bool BLEFTDIVIDES(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The meet of B1 and B2 for left divisibility, as a left fraction: B1 D^-1,
// with D^-1 N the reduced left fraction of B1^-1 B2. Positive for positive
// arguments, where it is the same word as BLEFTGCD.
BRAID BLEFTDIVINF(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The join of B1 and B2 for left divisibility, as a right fraction: B1 N,
// with N D^-1 the reduced right fraction of B1^-1 B2. For positive arguments
// it is the same word as BRIGHTLCM.
BRAID BLEFTDIVSUP(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The greatest common left divisor of two positive braids, a positive word;
// the undefined braid if B1 or B2 has a negative letter. (The undefined braid
// itself has no letter and counts as the empty word.)
BRAID BLEFTGCD(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The least common right multiple of two positive braids: the letters of B1
// followed by the numerator N of the right reversing of B1^-1 B2, where
// B1 N = B2 D; the undefined braid if B1 or B2 has a negative letter.
BRAID BRIGHTLCM(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// BB^-1 B, right reversed into a right fraction. When BB left-divides B it is
// the positive word X with B = BB X; otherwise it has a negative letter.
BRAID BLEFTQUOTIENT(const BRAID& BB, const BRAID& B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// B BB^-1, left reversed into a left fraction. When BB right-divides B it is
// the positive word X with B = X BB; otherwise it has a negative letter.
BRAID BRIGHTQUOTIENT(const BRAID& B, const BRAID& BB, const BLIMITS& LIMITS = BCONSOLELIMITS());

}  // namespace BraidBasics
