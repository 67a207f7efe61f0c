// TeX output of braid words: fragments of TeX text written to the stream
// TEX, for a document that defines the macros \e (the unit) and \s (a
// generator). Nothing in Korvel opens TEX or sets BPRINTSTYLE: a caller that
// wants TeX output points TEX at a stream it owns and chooses a style. While
// TEX is null, the three operations write nothing to it (BSPECIALPRINTLN
// still echoes on the console).
//
// Each fragment is " \ni $...$" with the letters in the chosen notation, and
// long words carry a line-break text every so many letters: the form
// "\hfill\break\indent " for typewriter letters, "\hfill \break \indent " for
// generator numbers and sigma notation. The width of a braid is not read:
// the undefined braid is written like the unit.
#pragma once

#include <cstdint>
#include <ostream>

#include "braidbasics/braid.h"

namespace BraidBasics {

// The notation of BPRINT: 'A' letters in typewriter type ("aB"), '1'
// generator numbers (" \; 1 \;\bar2"), 's' sigma notation
// (" \s_1 \s_2^{-1}"); any other value (the code 0 at start) writes nothing.
extern char BPRINTSTYLE;

// The target of all TeX output, or null when none is open. The caller owns
// the stream and keeps it alive while TEX points at it.
extern std::ostream* TEX;

// Writes B to TEX in the style BPRINTSTYLE, ending with a line end; the
// empty word is preceded by the unit ("$\e$ " in style 'A', "$1$ " in the
// others). Typewriter letters end a line of TEX after every 65 letters;
// the other styles put the line-break text after every 20 letters within
// the same line.
void BPRINT(const BRAID& B);

// BPRINT(B), then two more line ends, so that an empty line follows.
void BPRINTLN(const BRAID& B);

// Writes B to TEX in typewriter letters, whatever BPRINTSTYLE holds, with
// the letters P..Q in the argument of \underline and a line-break text
// (no line end) after every 70 letters, then "$" and three line ends. The
// word is echoed on the console on one line, with two blanks before letter
// P and two after letter Q, and a line end. The caller gives
// 1 <= P <= Q <= L; otherwise each of P and Q that is the position of a
// letter still writes its own mark, and one that is not writes nothing.
void BSPECIALPRINTLN(const BRAID& B, std::int32_t P, std::int32_t Q);

}  // namespace BraidBasics
