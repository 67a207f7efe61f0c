// Cycling and super summit sets of the braids of the braid table.
//
// The super summit set (SSS) of a braid here is the set of braids on the
// periodic part of its cycling orbit together with their flips (conjugates by
// Delta). It is kept as a LIST in increasing order, and written as its SSS
// string: the codes of the members in list order joined by ",". Equal sets
// give equal strings, so the strings compare as plain text.
//
// The SSS table works on the exact three-strand forms: every member of an
// SSS is a conjugate of the same length as the braid, so for a table holding
// all braids up to its length bound the members are entries, and their order
// is that of their ranks (the table being sorted for the current ordering
// option, as key B builds it). An SSS is then kept once, as the increasing
// ranks of its members, and each entry names its SSS: two entries have equal
// SSS strings exactly when they name the same one, since the code of a braid
// names the braid. For any other table (other widths, words set by hand, or
// an entry whose members are not all in the table) the table keeps the SSS
// string of every entry, made by the procedures below.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "braidbasics/leftnormalform.h"
#include "braidconjugacy/lists.h"
#include "braidconjugacy/threestrand.h"

namespace BraidConjugacy {

struct BRAIDTABLE;

// The super summit sets of the entries of a braid table.
struct SSSTABLE {
  std::int32_t L = 0;  // entries 1..L
  // When every SSS is a set of entries: the SSS of entry P is number
  // CLASSOF[P]; SSS number C has the members MEMBERS[MEMBERSTART[C] ..
  // MEMBERSTART[C + 1]) in increasing rank, and FIRSTENTRY[C] is the first
  // entry whose SSS it is.
  std::vector<std::int32_t> CLASSOF;
  std::vector<std::uint32_t> MEMBERSTART{0};
  std::vector<std::int32_t> MEMBERS;
  std::vector<std::int32_t> FIRSTENTRY;
  // Otherwise the SSS string of every entry (entries 0..L).
  std::vector<std::string> TEXT;

  // The SSS string of entry P of BRAIDLIST (the table this one belongs to
  // when it is SSSLIST).
  std::string operator[](std::int32_t P) const;
};

// The SSS string of entry P of T, whose SSS table is S.
std::string SSSTEXT(const SSSTABLE& S, const BRAIDTABLE& T, std::int32_t P);

// Appends to OUT the words of the members of the SSS of entry P of T, in
// order, joined by ",": ALTDECODE3 of its SSS string, each code decoded
// whole however long the string is.
void APPENDSSSWORDS(const SSSTABLE& S, const BRAIDTABLE& T, std::int32_t P, std::string& OUT);

// SSSLIST[P]: the SSS string of entry P of BRAIDLIST.
extern SSSTABLE SSSLIST;

// MU3SSS[P]: the rank of the first member of the SSS of entry P (entries
// 0..BRAIDLIST.L).
extern std::vector<std::int32_t> MU3SSS;

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

// S and FIRST := the SSS table of T and the rank of the first member of
// the SSS of every entry. Writes "Constructing the table of SSS." and, for
// P = 1..T.L, "P braids have been treated." when WRITE is true. Polls
// basics::CHECKINTERRUPT.
void MAKESSSTABLE(const BRAIDTABLE& T, SSSTABLE& S, std::vector<std::int32_t>& FIRST, bool WRITE);

// MAKESSSTABLE of BRAIDLIST into SSSLIST and MU3SSS, with its messages; the
// two are replaced only when the whole table is made.
void BUILDSSS3LIST();

}  // namespace BraidConjugacy
