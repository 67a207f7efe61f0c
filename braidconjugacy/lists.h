// Lists of braid words: the record that holds the braid table and the super
// summit sets, and its operations. The central one, INSERTLIST, is an ordered
// insertion by binary search whose comparisons are braid comparisons under
// the current ordering option, so that a list built by insertion holds each
// braid once, as the first word inserted for it, in increasing order.
//
// A LIST holds entries V[1..L], each a string of at most
// MAXLENGTHINBRAIDLIST characters (a longer string stored there keeps its
// first MAXLENGTHINBRAIDLIST characters); V[0] holds "?", the entry that
// stands for no braid, in every list made by EMPTYLIST or INITLIST. The record
// is large (MAXBRAIDLIST + 1 entries): pass it by reference.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace BraidConjugacy {

constexpr std::int32_t MAXBRAIDLIST = 10000;        // entries of a list
constexpr std::int32_t MAXLENGTHINBRAIDLIST = 15;   // characters of an entry

// One entry: TEXT[0..SIZE-1].
struct LISTENTRY {
  std::uint8_t SIZE;
  char TEXT[MAXLENGTHINBRAIDLIST];
};

struct LIST {
  LISTENTRY V[MAXBRAIDLIST + 1];  // V[0] "?", V[1..L] the entries
  std::int32_t L;
};

// Set by every INSERTLIST: true when the braid was already in the list.
extern bool FOUND;

// The text of entry P of LIST (positions 0..MAXBRAIDLIST).
std::string_view ENTRY(const LIST& LIST, std::int32_t P);

// Entry P of LIST := the first MAXLENGTHINBRAIDLIST characters of W.
void SETENTRY(LIST& LIST, std::int32_t P, std::string_view W);

// L := the list with no entry and V[0] = "?".
void EMPTYLIST(LIST& L);

// L := the one-entry list of W, with V[0] = "?".
void INITLIST(std::string_view W, LIST& L);

// Writes "(", the entries separated by "; ", then ")"; no line end.
void WRITELIST(const LIST& L);

// Cuts L around its middle entry M = (L.L + 1) div 2: L1 gets the entries
// 1..M-1, L2 the entry M alone, L3 the entries M+1..L.L renumbered from 1.
// Position 0 of the parts is not set. The parts must be records other than L.
void SPLITLIST(const LIST& L, LIST& L1, LIST& L2, LIST& L3);

// L := the entries of L1, the first entry of L2, the entries of L3; V[0] of
// L is left as it was. L may be the same record as any of the three.
void CONCATLIST(const LIST& L1, const LIST& L2, const LIST& L3, LIST& L);

// LL := the count and the entries 0..L.L of L.
void COPYLIST(const LIST& L, LIST& LL);

// The sign under the current ordering option of the braid X^-1 . W, with X
// and W read by BDEF: the comparison that INSERTLIST makes ('+' when W is
// larger than X, '-' when smaller, '1' when they are the same braid).
char LISTSIGN(std::string_view X, std::string_view W);

// Inserts W at its place in increasing order unless the list already holds
// the same braid (then FOUND is true and L is unchanged). The middle entries
// compared are those of the recursive halving into SPLITLIST parts, but the
// list is changed in place. A sign other than '+', '-', '1' leaves L
// unchanged with FOUND false; so does a list already holding MAXBRAIDLIST
// entries.
void INSERTLIST(std::string_view W, LIST& L);

}  // namespace BraidConjugacy
