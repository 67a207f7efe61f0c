// The left (Garside) normal form of a positive braid: the largest power of
// Delta that left-divides it, then the left-greedy simple factors, each the
// greatest common left divisor of what remains and Delta.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "braidbasics/braid.h"

namespace BraidBasics {

// A left normal form: Delta_W to the power I, then the factors of S (letter
// strings joined by "."). S is "??ined" for a braid that was not positive.
struct NF {
  std::int32_t I;
  std::int32_t W;
  std::string S;
};

// I := the largest k such that Delta_N^k left-divides B (0 if B is not
// positive, if B.W <= 1 or if N <= 1); BB := the positive remainder, so that
// B = Delta_N^I BB. B and BB may be the same record.
void BEXTRACTDELTA(BRAID B, std::int32_t N, std::int32_t& I, BRAID& BB,
                   const BLIMITS& LIMITS = BCONSOLELIMITS());

// The greatest common left divisor of B and Delta on B.W strands; the
// undefined braid if B has a negative letter.
BRAID BLEFTHEAD(const BRAID& B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The normal-form string: "D" once per power of the three-strand Delta, SEP,
// then SEP and the letters of each factor; "??ined" for a non-positive braid.
// The factors are the heads for Delta on B.W strands, so the string is the
// left normal form for width 3. The letters of each factor are those that
// reversing leaves: from four strands on, two words of one braid may give
// factors spelled differently (cbd and cdb).
std::string BLEFTNORMALWORD(BRAID B, std::string_view SEP,
                            const BLIMITS& LIMITS = BCONSOLELIMITS());

// The left normal form record, with Delta on B.W strands. A non-positive
// braid gives I = 0, W = B.W, S = "??ined".
NF BLEFTNF(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// The left-greedy factors of the positive word B under Delta on B.W strands,
// after the largest power of Delta: B = Delta^I F_1 ... F_k with each F_j
// the greatest common left divisor of F_j ... F_k and Delta, as the words
// that reversing leaves. Returns false, with I = 0 and no factor, when B is
// not positive.
bool BLEFTFACTORS(BRAID B, std::int32_t& I, std::vector<BRAID>& FACTORS,
                  const BLIMITS& LIMITS = BCONSOLELIMITS());

// Prints "D_", W, "^", I, ".", S; no line end.
void NFWRITE(const NF& X);

// True iff the three fields are equal.
bool NFEQUAL(const NF& X, const NF& Y);

// The braid Delta_(X.W)^(X.I) followed by the letters of X.S (the "."
// separators are skipped). With I >= 1 its width is the larger of X.W and the
// width of the letters; with I <= 0 it is the word of the letters alone, with
// their own width. Throws BOUNDEXCEEDED past the limit.
BRAID NFBRAID(const NF& X, const BLIMITS& LIMITS = BCONSOLELIMITS());

// "?" for "?"; otherwise BLEFTNORMALWORD(BDEF(W), "").
std::string GARNORMAL(std::string_view W);

// GARNORMAL(W) followed by blanks up to LENGTHBOUND characters (never cut).
std::string PADDEDGARNORMAL(std::string_view W);

}  // namespace BraidBasics
