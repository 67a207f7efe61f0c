// Braid diagrams: the picture of a braid word as SVG or as TikZ, with an
// optional marked stretch of letters (a handle, say) shown as a band.
//
// Convention of every picture: the strands stand at positions 1..n numbered
// from the top; the word is read from left to right, one column per letter.
// The letter sigma_i exchanges the positions i and i+1, the strand coming
// from position i passing over the one coming from position i+1; for
// sigma_i^-1 it passes under. So sigma_i is a positive crossing.
//
// The work is split in two: BDIAGRAM computes the shapes once (where each
// strand runs, which strand is over at each crossing, where the under-strand
// is broken, where the band lies), and two small writers print them. Every
// strand is one path that follows it through all crossings, coloured by the
// position it starts from, so that pictures of successive steps of one
// computation keep their colours. The same word gives the same bytes.
//
// Coordinates are in picture units: a column is COLUMNWIDTH wide, strands
// are STRANDSPACING apart, y grows downwards. The SVG writer takes a unit as
// a pixel; the TikZ writer takes COLUMNWIDTH units as 1 cm and turns y up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "braidbasics/braid.h"

namespace BraidBasics {

constexpr double COLUMNWIDTH = 40.0;    // one letter's column
constexpr double STRANDSPACING = 30.0;  // between neighbouring positions
// The under-strand is left out for the curve parameters within GAPHALFWIDTH
// of the crossing point (t = 1/2): about 7 units of arc on either side, so
// that more than the two stroke widths of white shows around the over-strand.
constexpr double GAPHALFWIDTH = 0.14;

struct DIAGRAMPOINT {
  double X;
  double Y;
};

// One step of a strand's path: 'M' moves the pen to P (the far side of a
// gap), 'L' draws a straight line to P, 'C' a cubic curve to P with the
// control points C1 and C2 (unused for 'M' and 'L').
struct DIAGRAMSEGMENT {
  char KIND;
  DIAGRAMPOINT C1;
  DIAGRAMPOINT C2;
  DIAGRAMPOINT P;
};

// A strand, named by the position 1..n it starts from; its path begins with
// an 'M' at the left end and runs to the right edge of the picture.
struct DIAGRAMSTRAND {
  std::int32_t START;
  std::int32_t END;  // the position it ends at
  std::vector<DIAGRAMSEGMENT> PATH;
};

// The crossing of the column COLUMN (1-based, the letter's position in the
// word): the letter, the positions POSITION and POSITION + 1 it exchanges,
// the strands over and under (by starting position) and the crossing point.
struct DIAGRAMCROSSING {
  std::int32_t COLUMN;
  std::int32_t LETTER;
  std::int32_t POSITION;
  std::int32_t OVER;
  std::int32_t UNDER;
  DIAGRAMPOINT CENTRE;
};

struct DIAGRAM {
  std::int32_t STRANDS;  // n; 0 only for the undefined braid
  std::int32_t LETTERS;  // the columns, one per letter
  std::int32_t MARKFIRST;  // the marked letters after clipping; 0 when none
  std::int32_t MARKLAST;
  double WIDTH;
  double HEIGHT;
  std::vector<BLETTER> WORD;  // the letters, WORD[k - 1] for column k
  std::vector<double> COLUMNLEFT;  // left edge of column k at [k - 1], and the right end at [LETTERS]
  std::vector<double> POSITIONY;  // y of position p at [p - 1]
  double LABELY;  // baseline of the letter labels under the columns
  double LEFTEDGE;  // where the strands begin (right of the position numbers)
  std::vector<DIAGRAMCROSSING> CROSSINGS;
  std::vector<DIAGRAMSTRAND> STRANDPATHS;  // the strand starting at p at [p - 1]
  // The band behind the marked columns, when MARKFIRST >= 1.
  DIAGRAMPOINT BANDTOPLEFT;
  DIAGRAMPOINT BANDBOTTOMRIGHT;
};

// The shapes of the picture of B with the letters MARKFIRST..MARKLAST
// (1-based, inclusive) marked: B.W strands (the empty word still draws its
// one strand; the undefined braid draws none), one column per letter.
// MARKFIRST < 1 (0 by default) marks nothing; MARKLAST beyond the word is
// taken as B.L, and a stretch left empty marks nothing.
DIAGRAM BDIAGRAM(const BRAID& B, std::int32_t MARKFIRST = 0, std::int32_t MARKLAST = 0);

// The picture of B as a standalone SVG document that may also be inlined in
// an HTML page: an <svg> root with xmlns, viewBox and a size in px, role="img",
// a <title> and a <desc> stating the word, the marked stretch and the
// convention; each column a <g class="letter">, the band a
// <rect class="handle">, each strand a <path class="strand">. No ids, no
// scripts, no external references.
std::string BSVGDIAGRAM(const BRAID& B, std::int32_t MARKFIRST = 0, std::int32_t MARKLAST = 0);

// The picture of B as a tikzpicture environment for a LaTeX document that
// loads the tikz package; comment lines before it state the word, the marked
// stretch and the convention. One \draw per strand, the band a \fill.
std::string BTIKZDIAGRAM(const BRAID& B, std::int32_t MARKFIRST = 0, std::int32_t MARKLAST = 0);

// The colour of the strand starting at position P, as six hex digits: 50
// distinct colours of at least 4:1 contrast on white, neighbouring
// positions far apart in hue; beyond 50 they repeat.
const char* BSTRANDCOLOUR(std::int32_t P);

}  // namespace BraidBasics
