// Exact and cheap arithmetic of positive three-strand braids.
//
// Every positive braid of B_3 is Delta^K w for exactly one K >= 0 and one
// word w over a, b that contains neither aba nor bab ("Delta-free"):
//   - K is the largest power of Delta = aba = bab that left-divides the braid;
//   - the rest is not left-divisible by Delta, so none of its positive words
//     contains aba or bab (a word u Delta v equals Delta flip(u) v), and aba =
//     bab is the only relation of the positive monoid, so a Delta-free word is
//     the only positive word of its braid.
// Two positive braids are equal exactly when their (K, w) are equal, which
// makes (K, w) an exact 64-bit key. Right multiplication keeps the form at
// the cost of looking at the last two letters of w (POS3MULT), and every
// other operation here (divisibility, the alternating and Garside normal
// words, the run-length code, cycling, the flip) is read off it.
//
// The module also holds the Burau images used as homomorphic hashes: equal
// braids always have equal images, so an image comparison never loses a
// match, and every match it suggests is confirmed exactly by the caller.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "braidbasics/braid.h"

namespace BraidConjugacy {

// Letters of a POS3 word: 0 for a (sigma_1), 1 for b (sigma_2).
constexpr std::int32_t POS3MAXWORD = 64;  // letters of w that fit in BITS

// Delta^K w: letter r (1-based) of w is bit r - 1 of BITS; N letters.
struct POS3 {
  std::int32_t K;
  std::int32_t N;
  std::uint64_t BITS;
};

// Whether X and Y are the same form, field for field.
inline bool POS3SAME(const POS3& X, const POS3& Y) {
  return X.K == Y.K && X.N == Y.N && X.BITS == Y.BITS;
}

// The trivial braid.
POS3 POS3ONE();

// Letter R (1-based) of w: 0 for a, 1 for b.
std::int32_t POS3LETTER(const POS3& X, std::int32_t R);

// Number of letters of the braid: 3K + N.
std::int32_t POS3LENGTH(const POS3& X);

// X := X . x for the letter x (0 or 1). When w ends with y z and y z x is
// aba or bab, w = w' y z and w x = w' Delta = Delta flip(w'). The caller
// keeps N below POS3MAXWORD (checked: false, X unchanged, when it is not).
bool POS3MULT(POS3& X, std::int32_t LETTER);

// The braid of a positive word over a and b; false when the word holds any
// other character or has more than POS3MAXWORD letters (so that the
// quotients taken from it stay within the word bits).
bool POS3FROMWORD(std::string_view WORD, POS3& X);

// Exact key of the braid for words w of at most 32 letters (a product of two
// entries of a table of length bound 15 has at most 30).
std::uint64_t POS3KEY(const POS3& X);

// Whether the letter x right-divides X. For K = 0, exactly when w ends with
// x (a braid right-divisible by both letters is right-divisible by their
// left lcm Delta, hence left-divisible by Delta); for K >= 1, always.
bool POS3RIGHTDIVIDES(const POS3& X, std::int32_t LETTER);

// X := X x^-1, for a letter that right-divides X. When w does not end with
// x, X x^-1 = Delta^(K-1) flip(w) (Delta x^-1), and Delta x^-1 is x then
// the other letter.
void POS3RIGHTQUOTIENT(POS3& X, std::int32_t LETTER);

// The image under the flip a <-> b (conjugation by Delta): Delta^K flip(w).
POS3 POS3FLIPPED(const POS3& X);

// X := X Delta^E (E of any sign): w Delta = Delta flip(w), so Delta^(K+E)
// followed by w flipped E times. K may become negative: Delta^K w with any
// integer K and w Delta-free is the left normal form of every braid of B_3.
void POS3MULTDELTA(POS3& X, std::int32_t E);

// The alternating normal word: the largest power of a stripped from the
// right, then of b, then of a, ..., the runs written left to right.
std::string POS3ALTWORD(const POS3& X);

// The run-length code of the alternating normal word.
std::string POS3CODE(const POS3& X);

// The Garside normal word without separators: "D" K times, then w (the
// left normal factors of a Delta-free word are consecutive pieces of it).
std::string POS3GARSIDE(const POS3& X);

// The cycling of the left normal form Delta^K x1 ... xr: Delta^K x2 ... xr
// x1', x1' being x1 flipped K times; the braid itself when r <= 1. The
// factors of w are its pieces taken greedily from the left: two different
// letters together, otherwise one letter.
POS3 POS3CYCLED(const POS3& X);

// The unreduced Burau image of a braid word on N strands at one odd
// integer, over Z/2^64, N x N, row-major; letters with inverses allowed.
// The image of a word in a and b alone is block diag(its 3x3 image, I).
struct BURAUN {
  std::int32_t N;
  std::vector<std::uint64_t> M;
};
BURAUN BURAUNOFBRAID(const BraidBasics::BRAID& B, std::int32_t N);

// True when the image is the identity outside its top-left 3x3 block, as
// the image of every braid of B_3 is.
bool BURAUNISTHREESTRAND(const BURAUN& X);

// The top-left 3x3 block, row-major.
void BURAUNBLOCK3(const BURAUN& X, std::uint64_t BLOCK[9]);

// A hash of a 3x3 block.
std::uint64_t BLOCK3HASH(const std::uint64_t BLOCK[9]);

}  // namespace BraidConjugacy
