// The mu3 tables: for every entry of the braid table, the first entry with
// the same SSS string (the smallest tabulated braid of its class), and the
// first entries that conjugate that braid, and the first member of its SSS,
// to it. All values are ranks in the braid table; rank 0 means "none found".
//
// Entry R conjugates entry Q to entry P when R^-1 Q R = P. The smallest such
// R is found without scanning the table: the conjugators from Q to P form
// one coset of the centraliser of Q, which the modular group describes
// (modulargroup.h); the search walks the few elements of that coset whose
// shortest positive preimage is short enough to be an entry, looks each one
// up by its exact form, and confirms the winner exactly (Q R and R P compared
// as positive braids by their three-strand forms).
#pragma once

#include <cstdint>
#include <vector>

#include "braidconjugacy/braidtable.h"
#include "braidconjugacy/supersummit.h"

namespace BraidConjugacy {

// MU3[P]: the smallest rank Q with SSSLIST[Q] equal to SSSLIST[P].
extern std::vector<std::int32_t> MU3;

// MU3CONJ[P]: the smallest rank conjugating entry MU3[P] to entry P; 0 if none.
extern std::vector<std::int32_t> MU3CONJ;

// MU3SSSCONJ[P]: the smallest rank conjugating entry MU3SSS[P] to entry P.
extern std::vector<std::int32_t> MU3SSSCONJ;

// The smallest rank R whose entry of T conjugates entry Q to entry P; 0 if
// no entry does (and for ranks outside 1..T.L).
std::int32_t CONJUGATORIN(const BRAIDTABLE& T, std::int32_t P, std::int32_t Q);

// CONJUGATORIN(BRAIDLIST, P, Q).
std::int32_t BCONJUGATOR3(std::int32_t P, std::int32_t Q);

// The same answer by the linear scan of BRAIDLIST with BEQUIV of
// B^-1 . Q . B against P.
std::int32_t BCONJUGATOR3BYSCAN(std::int32_t P, std::int32_t Q);

// The mu3 tables of the table T with the SSS table S and first members
// FIRST (MAKESSSTABLE), entries 0..T.L. Writes nothing; polls
// basics::CHECKINTERRUPT.
void MAKEMU3TABLES(const BRAIDTABLE& T, const SSSTABLE& S, const std::vector<std::int32_t>& FIRST,
                   std::vector<std::int32_t>& MU3OF, std::vector<std::int32_t>& MU3CONJOF,
                   std::vector<std::int32_t>& MU3SSSCONJOF);

// Fills MU3, MU3CONJ and MU3SSSCONJ for the entries of BRAIDLIST, from
// SSSLIST and MU3SSS, replacing the three only when all are made. Writes
// nothing.
void BUILDMU3();

}  // namespace BraidConjugacy
