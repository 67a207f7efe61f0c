// The braid table: all positive braids of B_3 up to a length bound, each once,
// as its alternating normal word, in increasing order for the ordering option
// in force when it was built; and the rank of a braid in it.
//
// The table is the set of distinct positive braids sorted by the ordering, so
// it is built from that set directly: the braids are enumerated in their
// exact three-strand form (threestrand.h), each once, and sorted. Because
// the ordering is a strict total order, this is the list that inserting
// every enumerated word one by one gives, and every entry is the alternating
// normal word of its braid, as the inserted words are.
//
// The three-strand study is single-threaded: its builds read the ordering
// option and write the console's global tables, so one build runs at a time
// (the Python module runs braid_table on one thread of its own).
//
// The record BRAIDTABLE holds any number of entries of any length (the LIST
// record of lists.h keeps its fixed capacity for the super summit set lists)
// and, beside the words, what the study reads of every entry: its exact form,
// its code and its Garside word, and an index from exact forms to ranks. A
// table is THREESTRAND when every entry is the alternating normal word of a
// positive braid of B_3 of at most 32 letters, as every table that key B
// builds is; other tables (other widths, words set by hand) are searched by
// scans.
// Position 0 of every column is "?", the entry that stands for no braid.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "braidbasics/braid.h"
#include "braidconjugacy/threestrand.h"

namespace BraidConjugacy {

// Texts of the entries 0..L one after another: entry P is DATA[START[P] ..
// START[P + 1]).
struct TEXTCOLUMN {
  std::string DATA;
  std::vector<std::uint32_t> START{0};

  void CLEAR();
  void PUSH(std::string_view TEXT);
  std::string_view operator[](std::int32_t P) const {
    const std::size_t FROM = START[static_cast<std::size_t>(P)];
    return std::string_view(DATA).substr(FROM, START[static_cast<std::size_t>(P) + 1] - FROM);
  }
};

// Exact form -> rank, by open addressing; rank 0 marks a free slot.
struct RANKINDEX {
  std::vector<std::uint64_t> KEY;
  std::vector<std::int32_t> RANK;

  void RESET(std::int32_t COUNT);
  void ADD(std::uint64_t K, std::int32_t P);  // keeps the first rank of a key
  std::int32_t FIND(std::uint64_t K) const;   // 0 when absent
};

struct BRAIDTABLE {
  std::int32_t L = 0;        // entries 1..L
  std::int32_t LONGEST = 0;  // letters of the longest entry
  bool THREESTRAND = true;   // every entry a word in a and b
  TEXTCOLUMN WORD;           // the entries (alternating normal words)
  TEXTCOLUMN CODE;           // ALTCODE3 of each entry
  TEXTCOLUMN GARSIDE;        // GARNORMAL of each entry
  TEXTCOLUMN ALT;            // ALTNORMAL of each entry, when not THREESTRAND
  std::vector<POS3> FORM;    // exact form of entries 1..L (three strands)
  RANKINDEX INDEX;           // POS3KEY of the form -> first rank
  // (hash of the 3x3 Burau block, rank), sorted; made by the first RANK of a
  // word that is not positive, and emptied with the table.
  mutable std::vector<std::pair<std::uint64_t, std::int32_t>> BLOCKS;
};

// The braid table; empty until the first build.
extern BRAIDTABLE BRAIDLIST;

// Number of strands of the enumeration; key B sets it to 3.
extern std::int32_t WIDTHBOUND;

// The text of entry P (0..L; entry 0 is "?").
std::string_view ENTRY(const BRAIDTABLE& T, std::int32_t P);

// ALTNORMAL of entry P: the entry itself in a table of three strands.
std::string_view ALTWORD(const BRAIDTABLE& T, std::int32_t P);

// T := the table of the entries WORDS (in this order), with every column and
// the index made from them.
void SETBRAIDTABLE(BRAIDTABLE& T, const std::vector<std::string>& WORDS);

// T := the table of the positive braids on WIDTH strands of length at most
// BOUND (a bound of 0 or less gives the table of the empty word alone),
// sorted under the current ordering option. Three strands take the exact
// enumeration, any other width the insertion of every enumerated word. Polls
// basics::CHECKINTERRUPT; T is complete only when it returns. When WRITE is
// true, writes "Constructing the braid table." before and "Construction
// completed: there exist N positive braids of length at most BOUND in B_3."
// after, the messages of key B.
void MAKEBRAIDTABLE(BRAIDTABLE& T, std::int32_t BOUND, std::int32_t WIDTH, bool WRITE);

// The longest code of an entry of T (0 for a table of the empty word).
std::int32_t LONGESTCODE(const BRAIDTABLE& T);

// Writes "Constructing the braid table.", rebuilds BRAIDLIST from the
// positive words on WIDTHBOUND strands of length at most LENGTHBOUND, raises
// MAXCODELENGTHINBRAIDLIST to the longest code of an entry, and writes
// "Construction completed: there exist N positive braids of length at most
// LENGTHBOUND in B_3.". The table is built aside and replaces BRAIDLIST
// whole, so an interrupt leaves the old one.
void BUILDBRAIDLIST();

// The position of the first entry of T that represents the same braid as B;
// -1 when there is none. A positive word in a and b is answered by its exact
// key, any other word through its Burau image, the candidates confirmed by
// BEQUIV.
std::int32_t RANKIN(const BRAIDTABLE& T, const BraidBasics::BRAID& B);

// RANKIN(BRAIDLIST, B).
std::int32_t RANK(const BraidBasics::BRAID& B);

// The same answer by the linear scan with BEQUIV, in table order.
std::int32_t RANKBYSCAN(const BraidBasics::BRAID& B);

}  // namespace BraidConjugacy
