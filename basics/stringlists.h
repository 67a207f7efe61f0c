// Fixed-capacity lists of strings, characters and integers, their printing,
// and the numbering of the combinations of one entry from each list of a
// multilist.
//
// A list holds its entries in V[1..L]; slot 0 is not read (INTEGER_LIST has
// a slot 0 that no operation uses). Every operation reads at most MAXLIST
// entries, whatever L says, and one that would produce more stops at
// MAXLIST: nothing is ever written past a record. A count L <= 0 is an
// empty list (LISTTOSTR reads L = -1 as a mark of its own).
//
// The records are large (a STRING_LIST holds 5001 strings, a
// STRING_MULTILIST sixteen STRING_LISTs, about 2.6 MB): give them static or
// heap storage rather than the stack when there are several of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basics {

constexpr std::int32_t MINLIST = 1;         // first position of a list
constexpr std::int32_t MAXLIST = 5000;      // capacity of a list
constexpr std::int32_t MAXSHORTLIST = 15;   // capacity of a multilist

struct STRING_LIST {
  std::int32_t L = 0;
  char S = '\0';                 // free for the caller; no operation uses it
  std::string V[MAXLIST + 1];    // V[1..L]
};

struct CHAR_LIST {
  std::int32_t L = 0;
  char V[MAXLIST + 1] = {};      // V[1..L]
};

struct INTEGER_LIST {
  std::int32_t L = 0;
  std::int32_t V[MAXLIST + 1] = {};  // V[1..L]; V[0] exists but is unused
};

// L component lists V[1..L]. P[I] is the place value of component I when a
// combination of one entry from each component is numbered: the number of
// combinations of the components I..L (see SPLITTING).
struct STRING_MULTILIST {
  std::int32_t L = 0;
  STRING_LIST V[MAXSHORTLIST + 1];        // V[1..L]
  std::int32_t P[MAXSHORTLIST + 1] = {};  // P[1..L], and P[L+1] = 1 when L < 15
};

// The pieces of W between the separator characters SEP, blanks dropped
// everywhere; L is the number of separators plus 1, so "" gives one empty
// piece. Past MAXLIST - 1 separators the rest of W is not read.
STRING_LIST STRTOLIST(std::string_view W, char SEP);

// The entries 1..L of L joined by SEP: "" when L.L = 0, "$" when L.L = -1.
std::string LISTTOSTR(const STRING_LIST& L, char SEP);

// True iff every entry 1..A.L is empty (so true for an empty list).
bool TRIVIALLIST(const STRING_LIST& A);

// Writes the entries of L to the console, each as itself or "1" when empty,
// punctuated by the marks that STYLE contains: "1:" numbers each entry
// ("3: "), "," puts ", " between entries, ";" puts "; " after each entry,
// "*" and "/" put themselves between entries, "RC" ends each entry's line.
// No line end of its own.
void WRITELIST(const STRING_LIST& L, std::string_view STYLE);

// WRITELIST, then a line end.
void WRITELNLIST(const STRING_LIST& L, std::string_view STYLE);

// Writes V[1..L] of L in decimal to the console, separated by ", " for
// OPTION ',', "/" for '/', "*" for '*', nothing for '-', and a line end for
// any other OPTION. No line end after the last number.
void WRITEINTEGERLIST(const INTEGER_LIST& L, char OPTION);

// Sorts the entries 1..L in increasing byte-wise order (codes 0..255, a
// proper prefix first).
void ORDERLIST(STRING_LIST& L);

// Reverses the order of the entries 1..L.
void REFLECTLIST(STRING_LIST& L);

// Cuts the combination number N (from 1) into one 1-based index per
// component, the last component varying fastest: with Q the place value of
// component I+1 (ML.P[I+1]; ML.P[L+1] as the caller stored it, normally 1;
// 1 after the fifteenth component), index I is (N - 1) div Q + 1 and N goes
// on as N - (index - 1) * Q. A place value of 0 counts as 1. The result has
// ML.L entries (at most MAXSHORTLIST).
INTEGER_LIST SPLITTING(std::int32_t N, const STRING_MULTILIST& ML);

// The combination number N itself: entry I is the entry of component ML.V[I]
// at index I of SPLITTING(N, ML), "" for an index outside 1..MAXLIST.
STRING_LIST MULTIELEMENT(std::int32_t N, const STRING_MULTILIST& ML);

}  // namespace basics
