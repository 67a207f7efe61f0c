// The mu3 tables: for every entry of the braid table, the first entry with
// the same SSS string (the smallest tabulated braid of its class), and the
// first entries that conjugate that braid, and the first member of its SSS,
// to it. All values are ranks in BRAIDLIST; rank 0 means "none found".
//
// Entry R conjugates entry Q to entry P when R^-1 Q R = P, that is when
// Q R = R P. For positive three-strand braids both sides are positive and are
// compared exactly by their three-strand forms; a reduced Burau image of
// each entry, compared first, discards almost every R cheaply and never
// discards a conjugator (equal braids have equal images).
#pragma once

#include <cstdint>

#include "braidconjugacy/supersummit.h"

namespace BraidConjugacy {

// MU3[P]: the smallest rank Q with SSSLIST[Q] equal to SSSLIST[P].
extern std::int32_t MU3[MAXSSSTABLE + 1];

// MU3CONJ[P]: the smallest rank conjugating entry MU3[P] to entry P; 0 if none.
extern std::int32_t MU3CONJ[MAXSSSTABLE + 1];

// MU3SSSCONJ[P]: the smallest rank conjugating entry MU3SSS[P] to entry P.
extern std::int32_t MU3SSSCONJ[MAXSSSTABLE + 1];

// The smallest rank R whose entry conjugates entry Q to entry P; 0 if no
// entry does (and for ranks outside 1..BRAIDLIST.L).
std::int32_t BCONJUGATOR3(std::int32_t P, std::int32_t Q);

// The same answer by the linear scan with BEQUIV of B^-1 . Q . B against P.
std::int32_t BCONJUGATOR3BYSCAN(std::int32_t P, std::int32_t Q);

// Fills MU3, MU3CONJ and MU3SSSCONJ for the entries 1..BRAIDLIST.L (at most
// MAXSSSTABLE), from SSSLIST and MU3SSS. Writes nothing.
void BUILDMU3();

}  // namespace BraidConjugacy
