// Enumerations of braid words by an integer index.
//
// All three are bijective numerations with the last letter as the least
// significant digit, so words come by increasing length and, within one
// length, in the order a < b < ... (then A < B < ... for signed words).
// With N <= 1 strands there is no letter: every index gives the empty word.
// Indices above 26 have no letter that BDEF reads, so on N >= 28 strands the
// characters past "z" are dropped by BDEF.
#pragma once

#include <cstdint>
#include <string>

#include "braidbasics/braid.h"

namespace BraidBasics {

// B := the word of index P among all words on N strands, in bijective base
// 2(N-1): digits 1..N-1 are sigma_1..sigma_(N-1), digits N..2N-2 their
// inverses. P <= 0 gives the empty word.
void BGENERATE(BRAID& B, std::int64_t P, std::int32_t N);
BRAID BGENERATED(std::int64_t P, std::int32_t N);

// B := the word of index P among the positive words on N strands, in
// bijective base N-1 (the shortlex order with a < b < ...).
void BPOSGENERATE(BRAID& B, std::int64_t P, std::int32_t N);
BRAID BPOSGENERATED(std::int64_t P, std::int32_t N);

// The letter string of the positive word of index P on N strands: the same
// word as BPOSGENERATE.
std::string THEPOSITIVEWORD(std::int64_t P, std::int32_t N);

// BDEF of THEPOSITIVEWORD(P, N).
BRAID THEPOSITIVEBRAID(std::int64_t P, std::int32_t N);

}  // namespace BraidBasics
