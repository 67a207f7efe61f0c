// The modular group PSL(2,Z) as the quotient of B_3 by its centre <Delta^2>,
// used to find every conjugator between two braids of B_3.
//
// PSL(2,Z) is the free product <s | s^2> * <u | u^3>, with s the image of
// Delta and u the image of (ab)^-1; then a maps to u s and b to s u. An
// element is written as its reduced word of syllables (MODWORD): s, u and
// u^-1, never two s next to each other nor two syllables of u; the reduced
// word of an element is unique, so equal elements have equal words.
//
// Why this quotient decides conjugacy in B_3: if g^-1 x g = y Delta^(2k),
// the exponent sums give 0 = 6k, so g conjugates x to y in B_3 exactly when
// its image conjugates the image of x to that of y and x and y have the same
// exponent sum. The conjugators from x to y are then the preimages of one
// coset Z g0 of the centraliser Z of the image of x, and in a free product
// that centraliser is known: write the image as c h c^-1 with h cyclically
// reduced; it is c <r> c^-1 with r the primitive root of h when h has two
// or more syllables, c <h> c^-1 when h is one syllable (a finite group), and
// the whole group when h is empty (x central).
//
// Every element of B_3 is Delta^K w with one integer K and one Delta-free
// word w (the form POS3 of threestrand.h with K of any sign), and its image
// is that of Delta^(K mod 2) w; so the preimages of an element of PSL(2,Z)
// that are positive braids are Delta^(e + 2j) w, j >= 0, with e = K mod 2,
// and the shortest of them, Delta^e w, is also the smallest in every
// ordering of the system (Delta^2 is larger than 1 in each).
#pragma once

#include <cstdint>
#include <vector>

#include "braidconjugacy/threestrand.h"

namespace BraidConjugacy {

// Syllables of a reduced word.
constexpr std::int8_t MODS = 0;     // s, the image of Delta
constexpr std::int8_t MODU = 1;     // u, the image of (ab)^-1
constexpr std::int8_t MODUINV = 2;  // u^-1 = u^2, the image of ab

using MODWORD = std::vector<std::int8_t>;

// X := X . SYLLABLE, reduced (a syllable of u merges with a neighbouring one
// and both vanish when they multiply to 1, and so may a pair of s after).
void MODAPPEND(MODWORD& X, std::int8_t SYLLABLE);

// X := X . Y, reduced.
void MODMULTIPLY(MODWORD& X, const MODWORD& Y);

// The inverse: the syllables in reverse order, u and u^-1 exchanged.
MODWORD MODINVERSE(const MODWORD& X);

// The image of the braid Delta^K w (any K).
MODWORD MODIMAGE(const POS3& X);

// The shortest positive preimage Delta^e w (e = 0 or 1) of X. False when w
// would have more than POS3MAXWORD letters, which never happens for a word
// of fewer than POS3MAXWORD syllables: at most (|X| + 1) / 2 syllables are
// of u, and each adds at most two letters.
bool MODLIFT(const MODWORD& X, POS3& LIFT);

// X = C H C^-1 with H cyclically reduced: empty, one syllable, or of even
// length with first and last syllables of different kinds (then every power
// of H is reduced as written).
void MODCYCLICALLYREDUCE(const MODWORD& X, MODWORD& C, MODWORD& H);

// The length of the primitive root of a cyclically reduced H of two or more
// syllables: the least D with H = (its first D syllables)^(|H| / D).
std::int32_t MODROOTLENGTH(const MODWORD& H);

}  // namespace BraidConjugacy
