// The console face of a braid: the prompts through which braid words are
// typed, the letter string of a braid, and the procedures that print braids.
//
// A typed line is cut to its first 255 characters, the rest of the line is
// discarded, and BDEF turns it into a braid: letters become letters, every
// other character is dropped. An empty line and the end of the input both give
// the empty braid.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "braidbasics/braid.h"

namespace BraidBasics {

// The longest part of a typed line that is kept.
constexpr std::size_t BMAXLINE = 255;

// Prompts for one braid word and reads it into B.
void BENTER(BRAID& B);

// The same with the prompt for a positive word; positivity is not checked.
void BENTERPOS(BRAID& B);

// Prompts once, then reads B1 and B2 from two lines.
void BENTER2(BRAID& B1, BRAID& B2);

// The letter string of B: "?" for the undefined braid, "" for the unit.
std::string BWORD(const BRAID& B);

// Writes B: "??ined" for the undefined braid, "1" for the unit, otherwise the
// letters in lines of 65, each line after the first indented by five blanks.
// No line end after the word.
void BWRITE(const BRAID& B);

// BWRITE(B), then a line end.
void BWRITELN(const BRAID& B);

// Writes B with a dot before letter P and a dot after letter Q, in lines of
// 80 letters (the dots are not counted), then a line end. The unit (and the
// undefined braid) writes as "1".
void BSPECIALWRITELN(const BRAID& B, std::int32_t P, std::int32_t Q);

// Writes W, then L - length(W) blanks when that is positive; no line end.
void WRITEFIX(std::string_view W, std::int32_t L);

}  // namespace BraidBasics
