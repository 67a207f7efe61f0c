// The braid table: all positive braids of B_3 up to a length bound, each once,
// as its alternating normal word, in increasing order for the ordering option
// in force when it was built; and the rank of a braid in it.
//
// The table is the set of distinct positive braids sorted by the ordering, so
// it is built from that set directly: the braids are enumerated in their
// exact three-strand form (threestrand.h) and sorted with the comparison that
// INSERTLIST makes. Because the ordering is a strict total order, this is
// the list that inserting every enumerated word one by one gives, and every
// entry is the alternating normal word of its braid, as the inserted words
// are.
//
// Beside BRAIDLIST the module keeps an index of it (the exact form, the
// Burau images and the printed texts of every entry), rebuilt by
// BUILDBRAIDLIST and INDEXBRAIDLIST. Code that changes BRAIDLIST in another
// way calls INDEXBRAIDLIST afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "braidbasics/braid.h"
#include "braidconjugacy/lists.h"
#include "braidconjugacy/threestrand.h"

namespace BraidConjugacy {

// The braid table; empty until the first build.
extern LIST BRAIDLIST;

// Number of strands of the enumeration; key B sets it to 3.
extern std::int32_t WIDTHBOUND;

// Writes "Constructing the braid table.", rebuilds BRAIDLIST from the
// positive words on WIDTHBOUND strands of length at most LENGTHBOUND (a bound
// of 0 or less gives the table of the empty word alone), raises
// MAXCODELENGTHINBRAIDLIST to the longest code of an entry, and writes
// "Construction completed: there exist N positive braids of length at most
// LENGTHBOUND in B_3.". A bound above MAXLENGTHINBRAIDLIST is taken as
// that length, the longest an entry holds. Three strands take the fast exact
// way; any other width inserts the enumerated words one by one.
void BUILDBRAIDLIST();

// Rebuilds the index of BRAIDLIST from its current entries.
void INDEXBRAIDLIST();

// The position of the first entry of BRAIDLIST that represents the same
// braid as B; -1 when there is none. Answered through the index: a positive
// word in a and b by its exact key, any other word by its Burau image, the
// candidates confirmed by BEQUIV.
std::int32_t RANK(const BraidBasics::BRAID& B);

// The same answer by the linear scan with BEQUIV, in table order.
std::int32_t RANKBYSCAN(const BraidBasics::BRAID& B);

// What the index knows of BRAIDLIST, entries 0..L (entry 0 is "?").
struct BRAIDTABLEINDEX {
  std::int32_t L = -1;        // BRAIDLIST.L when indexed; -1 before
  bool THREESTRAND = false;   // every entry 1..L a word in a and b
  std::vector<POS3> FORM;     // exact form of entries 1..L
  std::vector<BURAU2> BURAU;  // reduced Burau image of entries 1..L
  std::vector<std::string> CODE;     // ALTCODE3 of entries 0..L
  std::vector<std::string> ALT;      // ALTNORMAL of entries 0..L
  std::vector<std::string> GARSIDE;  // GARNORMAL of entries 0..L
  std::unordered_map<std::uint64_t, std::int32_t> RANKOFKEY;  // first rank of each key
  // Ranks (increasing) of the entries by the hash of their 3x3 Burau block.
  std::unordered_map<std::uint64_t, std::vector<std::int32_t>> RANKSOFBLOCK;
};

// The index of BRAIDLIST, rebuilt first if BRAIDLIST.L has changed since.
const BRAIDTABLEINDEX& TABLEINDEX();

}  // namespace BraidConjugacy
