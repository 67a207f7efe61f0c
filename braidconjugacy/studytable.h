// The tables of the three-strand study as one value: the braid table, the
// SSS table and the mu3 tables of one length bound, built aside and then
// installed as the program's tables in one step, so that a build abandoned
// half-way (an interrupt, a word past the bound of the braid record) leaves
// the tables, the bounds and the counters exactly as they were. The rows of
// such a build are also given to callers outside the program (STUDYTABLEROWS).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "braidconjugacy/braidtable.h"
#include "braidconjugacy/mu3.h"
#include "braidconjugacy/supersummit.h"

namespace BraidConjugacy {

// The largest length bound key B accepts: the tables of bound 27 hold
// 2,178,278 braids, and the session B, M, S, I of that bound runs in about
// 20 seconds and half a gigabyte (bench/study3.sh); each further letter
// costs about twice as much. The exact forms key words of at most 32
// letters, which bounds the tables from above in any case.
constexpr std::int32_t MAXSTUDYBOUND = 27;

// Everything key B builds.
struct STUDYTABLES {
  std::int32_t LENGTHBOUND = 0;  // as typed (a bound below 0 is kept as typed)
  std::int32_t WIDTHBOUND = 0;
  BRAIDTABLE BRAIDS;
  SSSTABLE SSS;
  std::vector<std::int32_t> MU3SSS;
  std::vector<std::int32_t> MU3;
  std::vector<std::int32_t> MU3CONJ;
  std::vector<std::int32_t> MU3SSSCONJ;
};

// S := the tables of length bound BOUND (at most MAXSTUDYBOUND; a bound below
// 0 gives the table of the empty word alone) on three strands, under the
// current ordering option. When WRITE is true, writes the messages of the
// three builds as key B shows them. Changes no global; polls
// basics::CHECKINTERRUPT.
void MAKESTUDYTABLES(STUDYTABLES& S, std::int32_t BOUND, bool WRITE);

// Makes S the program's tables: BRAIDLIST, SSSLIST, MU3SSS, MU3, MU3CONJ,
// MU3SSSCONJ, LENGTHBOUND and WIDTHBOUND take the values of S (S receives
// the old ones), and MAXCODELENGTHINBRAIDLIST rises to the longest code of
// the new table. Throws nothing.
void INSTALLSTUDYTABLES(STUDYTABLES& S) noexcept;

// One entry of a table, as the listings of keys B, M and S show it.
struct STUDYROW {
  std::int32_t RANK;        // 1..n, the rank in the table
  std::string WORD;         // the entry, its alternating normal word
  std::string CODE;         // its code (ALTCODE3), unpadded
  std::string SSS;          // its SSS string: the codes of the members joined by ","
  std::int32_t MU3;         // the first entry with the same SSS string
  std::int32_t MU3CONJ;     // the first entry conjugating MU3 to it; 0 if none
  std::int32_t MU3SSS;      // the first member of its SSS
  std::int32_t MU3SSSCONJ;  // the first entry conjugating MU3SSS to it; 0 if none
};

// The rows, in rank order, of the tables key B builds for BOUND under the
// ordering option ORDER ('R', 'F' or 'U'; any other letter orders as R, as
// the program does for an option it does not know). BOUND is taken as key B
// takes it: a bound of 0 or less gives the one row of the empty word, and a
// bound above MAXSTUDYBOUND, which key B refuses, gives no row at all. The
// program's tables, counters and ordering option are left exactly as they
// were, also when the build is abandoned by an exception.
std::vector<STUDYROW> STUDYTABLEROWS(std::int32_t BOUND, char ORDER);

}  // namespace BraidConjugacy
