// The three braid orderings of Korvel and the sign of a braid.
//
// BORDEROPTION selects the ordering: R, the original Ravelind ordering, in
// which sigma_1 is large (a braid is positive when the generator of least
// index of a handle-free word occurs positively); F, its flipped form, read at
// the generator of greatest index; U, the Dubrovina-Dubrovin ordering, read at
// the least index with the sign reversed when that index is even. Options are
// case-sensitive. Any other character is stored as typed: its name is empty
// and its reduction and sign are those of R.
//
// Sign characters: '1' the trivial braid, '+' larger than 1, '-' smaller than
// 1, '?' not readable from the word (both signs at the deciding generator).
//
// Each operation has the console's form, which reads BORDEROPTION and
// computes under the console's limits, and a form that is given the ordering
// character and the limits and reads or writes no global.
#pragma once

#include <string>

#include "braidbasics/braid.h"

namespace handlereduction {

// The current ordering option; R at start-up.
extern char BORDEROPTION;

// The printed name of the current option: "the original R-ordering",
// "the flipped R-ordering", "the DD-ordering", or "" for any other letter.
std::string BORDERNAME();

// W - 1 characters, one per generator sigma_k: '0' absent, '+' only positive,
// '-' only negative, '?' both signs. Empty when W <= 1.
std::string BOCCURRENCES(const BraidBasics::BRAID& B);

// Reduces B in place so that the current option can read its sign: handle
// reduction, between two flips under F.
void BREDUCE(BraidBasics::BRAID& B);
void BREDUCE(BraidBasics::BRAID& B, char ORDER, const BraidBasics::BLIMITS& LIMITS);

// The sign read from the letters of B as they stand, without reduction.
char BVISIBLESIGN(const BraidBasics::BRAID& B);
char BVISIBLESIGN(const BraidBasics::BRAID& B, char ORDER);

// The sign of the braid B under the current option ('1', '+' or '-'); the
// caller's word is not changed.
char BSIGN(BraidBasics::BRAID B);
char BSIGN(BraidBasics::BRAID B, char ORDER, const BraidBasics::BLIMITS& LIMITS);

// Compares B1 with B2 under the current option: QUOTIENT := inverse(B1).B2
// reduced by BREDUCE, and the result is its visible sign, '+' when B1 < B2,
// '-' when B1 > B2, '1' when they are the same braid (B1 < B2 exactly when
// B1^-1 B2 is larger than 1). QUOTIENT may be B1 or B2.
char BCOMPARE(const BraidBasics::BRAID& B1, const BraidBasics::BRAID& B2,
              BraidBasics::BRAID& QUOTIENT);
char BCOMPARE(const BraidBasics::BRAID& B1, const BraidBasics::BRAID& B2,
              BraidBasics::BRAID& QUOTIENT, char ORDER, const BraidBasics::BLIMITS& LIMITS);

}  // namespace handlereduction
