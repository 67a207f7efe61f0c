// Word-level operations on braids: concatenation, copying, letter-by-letter
// comparison, extraction and replacement of stretches, inversion, the flip
// automorphism, free reduction, sign prefixes, positivity, splitting, and the
// inverse of a letter string.
//
// None applies a braid relation; only BFREEREDUCE cancels letters. Braid
// arguments taken by value are copies, so the same record may be passed as
// target and argument (BCONCAT(B, B) doubles B). The operations that lengthen
// a word take the limits of their computation and check them before writing
// (BOUNDEXCEEDED).
#pragma once

#include <cstdint>
#include <string>

#include "braidbasics/braid.h"

namespace BraidBasics {

// Appends the letters of BB to B; width SUP(B.W, BB.W).
void BCONCAT(BRAID& B, const BRAID& BB, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The word B1 followed by B2; width SUP(B1.W, B2.W).
BRAID BPROD(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS = BCONSOLELIMITS());

// BB := B.
void BCOPY(const BRAID& B, BRAID& BB);

// True iff the words have the same length and the same letters; widths are
// not compared.
bool BEQUAL(const BRAID& B, const BRAID& BB);

// BB := the letters of B at positions P..Q that lie in 1..L; width B.W.
void BEXTRACT(const BRAID& B, std::int32_t P, std::int32_t Q, BRAID& BB);
BRAID BEXTRACTED(const BRAID& B, std::int32_t P, std::int32_t Q);

// Replaces the letters P..Q of B by the word BB (Q = P - 1 inserts before P).
// Positions outside 1 <= P <= Q + 1 <= L + 1 change nothing.
void BINSERT(BRAID& B, std::int32_t P, std::int32_t Q, const BRAID& BB,
             const BLIMITS& LIMITS = BCONSOLELIMITS());

// B := its inverse (reverse the word, negate every letter); width unchanged.
void BINV(BRAID& B);
BRAID BINVERSED(const BRAID& B);

// The flip automorphism sigma_i -> sigma_(W-i), conjugation by Delta_W; an
// involution, width unchanged.
void BFLIP(BRAID& B);

// Cancels adjacent pairs x x^-1 until the word is freely reduced; the letters
// that remain keep their order and W is not lowered.
void BFREEREDUCE(BRAID& B);

// The longest prefix of negative (positive) letters; width B.W.
BRAID BNEGPREFIX(const BRAID& B);
BRAID BPOSPREFIX(const BRAID& B);

// True iff no letter of B is negative (true for the unit and the undefined
// braid).
bool BPOSITIVE(const BRAID& B);

// B keeps its first L div 2 letters, BB receives the others; both width B.W.
void BSPLIT(BRAID& B, BRAID& BB);

// W := the letter string of the inverse word: the order reversed, codes 65..95
// and 97..127 exchanged by 32, "." kept in mirrored places, everything else
// dropped.
void BINVWORD(std::string& W);

}  // namespace BraidBasics
