// Cycling and super summit sets of the braids of the braid table.
//
// The super summit set (SSS) of a braid here is the set of braids on the
// periodic part of its cycling orbit together with their flips (conjugates by
// Delta). It is kept as a LIST in increasing order, and written as its SSS
// string: the codes of the members in list order joined by ",". Equal sets
// give equal strings, so the strings compare as plain text.
//
// BUILDSSS3LIST works on the exact three-strand forms: every member of an SSS
// is a conjugate of the same length as the braid, so for a table holding all
// braids up to its length bound the members are entries, and their order is
// that of their ranks (the table being sorted for the current ordering
// option, as key B builds it). It falls back on the procedures below for any
// entry whose members are not all in the table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "braidbasics/leftnormalform.h"
#include "braidconjugacy/lists.h"
#include "braidconjugacy/threestrand.h"

namespace BraidConjugacy {

constexpr std::int32_t MAXSSSTABLE = 7000;  // entries of the tables by rank

// SSSLIST[P]: the SSS string of entry P of BRAIDLIST (positions 1..7000).
extern std::string SSSLIST[MAXSSSTABLE + 1];

// MU3SSS[P]: the rank of the first member of the SSS of entry P.
extern std::int32_t MU3SSS[MAXSSSTABLE + 1];

// U conjugated I times by the Delta of N strands: for odd I (negative
// included) every character c becomes the character of code N + 192 - c,
// which maps the letter of sigma_k to that of sigma_(N-k); for even I, U.
std::string FLIP(std::string_view U, std::int32_t I, std::int32_t N);

// The left normal form of the cycling of X: Delta^p x2 ... xr x1' with x1'
// the first factor flipped p times; X itself, renormalised, when it has at
// most one factor.
BraidBasics::NF NFCYCLED(BraidBasics::NF X);

// The alternating normal word of the cycling of the braid of W.
std::string CYCLED(std::string_view W);

// L := the SSS list of W: the cycle that the cycling orbit of W falls into,
// and the flips of its members, inserted with INSERTLIST.
void SSS3ASLIST(std::string_view W, LIST& L);

// The members of the SSS list of W joined by ";".
std::string SSS3ASSTRING(std::string_view W);

// The SSS string of W: ALTCODE3 of the members joined by ",".
std::string SSS3ASALTCODEDSTRING(std::string_view W);

// The rank in BRAIDLIST of the braid of the first code of the SSS string W;
// -1 if it is not in the table.
std::int32_t RANKFIRSTENTRY(std::string_view W);

// The members of the SSS of X in exact form: the cycle reached by cycling X,
// then the flips not already there; each braid once, in no particular order.
std::vector<POS3> SSS3MEMBERS(const POS3& X);

// Writes "Constructing the table of SSS.", then for P = 1..BRAIDLIST.L
// (at most MAXSSSTABLE) sets SSSLIST[P] and MU3SSS[P] and writes
// "P braids have been treated.".
void BUILDSSS3LIST();

}  // namespace BraidConjugacy
