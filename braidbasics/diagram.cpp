#include "braidbasics/diagram.h"

#include <cmath>
#include <string_view>

namespace BraidBasics {

namespace {

// Layout of the picture, in picture units (SVG pixels).
constexpr double TOPMARGIN = 20.0;     // above position 1
constexpr double NUMBERSWIDTH = 24.0;  // the position numbers left of the strands
constexpr double LEADIN = 14.0;        // straight strand before the first column
constexpr double LEADOUT = 14.0;       // and after the last one
constexpr double RIGHTMARGIN = 8.0;
constexpr double LABELDROP = 28.0;    // from the lowest position to the letter labels
constexpr double BOTTOMMARGIN = 10.0;  // below the letter labels
constexpr double BANDOVERHANG = 12.0;  // of the band above the top and below the bottom strand
constexpr double STROKE = 3.0;         // width of a strand

constexpr const char* BANDCOLOUR = "F2B705";
constexpr double BANDOPACITY = 0.3;

// 50 hues a golden angle apart, each darkened to one of three contrasts on
// white (about 4, 6.5 and 9.5 to 1) in turn, so that neighbouring positions
// differ in hue and in depth, and every strand reads on white.
constexpr const char* PALETTE[] = {
    "2C7CEE", "BB0F25", "075113", "9242F0", "755A0A", "074D51", "EC18A6", "2E6B09", "1121D5",
    "EA4013", "096C3B", "740C90", "7B850B", "0C6297", "8B0B36", "11930C", "6233EE", "663B08",
    "0C8F7A", "AA0E97", "304D06", "4274F0", "BC100F", "07511D", "A842F0", "6A5E09", "074C5B",
    "ED2390", "216C09", "1B12E0", "D85512", "096B47", "7A0B84", "6E890B", "0E5DAE", "8D0B26",
    "0C9318", "7227ED", "5C4007", "0C8E89", "AF0E86", "274F06", "425EF0", "B5240F", "075026",
    "BE42F0", "616108", "084A67", "EE2A7A", "156D09"};
constexpr std::int32_t PALETTESIZE = static_cast<std::int32_t>(sizeof PALETTE / sizeof PALETTE[0]);

constexpr std::int32_t TITLEWORDLIMIT = 40;  // longer words are named by their length in titles

std::int32_t ABS(std::int32_t X) { return X < 0 ? -X : X; }

DIAGRAMPOINT MID(DIAGRAMPOINT A, DIAGRAMPOINT B, double T) {
  return {A.X + (B.X - A.X) * T, A.Y + (B.Y - A.Y) * T};
}

// A cubic Bezier curve by its end points P0, P3 and control points P1, P2.
struct CUBIC {
  DIAGRAMPOINT P0, P1, P2, P3;
};

// LEFT and RIGHT := the pieces of C for the parameters 0..T and T..1, each a
// cubic again (de Casteljau's construction), so a piece draws exactly the
// same points as the stretch of C it replaces.
void SPLITCUBIC(const CUBIC& C, double T, CUBIC& LEFT, CUBIC& RIGHT) {
  const DIAGRAMPOINT A = MID(C.P0, C.P1, T);
  const DIAGRAMPOINT B = MID(C.P1, C.P2, T);
  const DIAGRAMPOINT D = MID(C.P2, C.P3, T);
  const DIAGRAMPOINT AB = MID(A, B, T);
  const DIAGRAMPOINT BD = MID(B, D, T);
  const DIAGRAMPOINT AT = MID(AB, BD, T);
  LEFT = {C.P0, A, AB, AT};
  RIGHT = {AT, BD, D, C.P3};
}

void LINETO(DIAGRAMSTRAND& S, DIAGRAMPOINT& PEN, DIAGRAMPOINT P) {
  if (PEN.X != P.X || PEN.Y != P.Y) {
    S.PATH.push_back({'L', {0, 0}, {0, 0}, P});
    PEN = P;
  }
}

void CURVETO(DIAGRAMSTRAND& S, DIAGRAMPOINT& PEN, const CUBIC& C) {
  S.PATH.push_back({'C', C.P1, C.P2, C.P3});
  PEN = C.P3;
}

void MOVETO(DIAGRAMSTRAND& S, DIAGRAMPOINT& PEN, DIAGRAMPOINT P) {
  S.PATH.push_back({'M', {0, 0}, {0, 0}, P});
  PEN = P;
}

// V rounded to DECIMALS places, without trailing zeros; no locale, no
// exponent, so the same value always gives the same text.
std::string NUMBER(double V, int DECIMALS) {
  std::int64_t SCALE = 1;
  for (int K = 0; K < DECIMALS; ++K) {
    SCALE *= 10;
  }
  std::int64_t N = std::llround(V * static_cast<double>(SCALE));
  std::string TEXT;
  if (N < 0) {
    TEXT.push_back('-');
    N = -N;
  }
  TEXT += std::to_string(N / SCALE);
  std::int64_t FRACTION = N % SCALE;
  if (FRACTION != 0) {
    std::string DIGITS = std::to_string(FRACTION);
    DIGITS.insert(0, static_cast<std::size_t>(DECIMALS) - DIGITS.size(), '0');
    while (DIGITS.back() == '0') {
      DIGITS.pop_back();
    }
    TEXT += '.' + DIGITS;
  }
  return TEXT;
}

// The letter as typed ("a".."z", "A".."Z"), or for an index above 26, which
// has no letter, the generator in words.
std::string LETTERTEXT(std::int32_t X) {
  const std::int32_t I = ABS(X);
  if (I >= 1 && I <= 26) {
    return std::string(1, BLETTERCHAR(X));
  }
  return "(sigma_" + std::to_string(I) + (X < 0 ? "^-1)" : ")");
}

std::string GENERATORTEXT(std::int32_t X) {
  return "sigma_" + std::to_string(ABS(X)) + (X < 0 ? "^-1" : "");
}

std::string WORDTEXT(const DIAGRAM& D, std::int32_t FIRST, std::int32_t LAST) {
  std::string TEXT;
  for (std::int32_t K = FIRST; K <= LAST; ++K) {
    TEXT += LETTERTEXT(D.WORD[static_cast<std::size_t>(K - 1)]);
  }
  return TEXT;
}

std::string PLURAL(std::int32_t N, std::string_view ONE) {
  std::string TEXT = std::to_string(N) + ' ' + std::string(ONE);
  return N == 1 ? TEXT : TEXT + 's';
}

// "Braid diagram of abA", or of a long word by its length.
std::string TITLE(const DIAGRAM& D) {
  if (D.STRANDS == 0) {
    return "Braid diagram of the undefined braid";
  }
  if (D.LETTERS == 0) {
    return "Braid diagram of the empty word";
  }
  if (D.LETTERS > TITLEWORDLIMIT) {
    return "Braid diagram of a word of " + PLURAL(D.LETTERS, "letter");
  }
  return "Braid diagram of " + WORDTEXT(D, 1, D.LETTERS);
}

// The word, the marked stretch and the convention, in sentences.
std::string DESCRIPTION(const DIAGRAM& D) {
  if (D.STRANDS == 0) {
    return "The undefined braid, which has no strands.";
  }
  std::string TEXT = D.LETTERS == 0 ? std::string("The empty braid word")
                                    : "The braid word " + WORDTEXT(D, 1, D.LETTERS) + " (" +
                                          PLURAL(D.LETTERS, "letter") + ")";
  TEXT += " on " + PLURAL(D.STRANDS, "strand");
  if (D.MARKFIRST >= 1) {
    TEXT += D.MARKFIRST == D.MARKLAST
                ? ", with letter " + std::to_string(D.MARKFIRST)
                : ", with letters " + std::to_string(D.MARKFIRST) + " to " +
                      std::to_string(D.MARKLAST);
    TEXT += " (" + WORDTEXT(D, D.MARKFIRST, D.MARKLAST) + ") marked.";
  } else {
    TEXT += ", nothing marked.";
  }
  TEXT += D.STRANDS == 1 ? std::string(" The strand stands at position 1")
                         : " The strands stand at positions 1 to " + std::to_string(D.STRANDS) +
                               ", numbered from the top";
  TEXT +=
      "; the word is read from left to right, one column per letter; sigma_i exchanges the "
      "positions i and i+1, the strand coming from position i passing over the one coming "
      "from position i+1 (sigma_i^-1: under).";
  return TEXT;
}

// The label under a column: the letter, or the signed index beyond 26.
std::string LABEL(std::int32_t X) {
  const std::int32_t I = ABS(X);
  return I >= 1 && I <= 26 ? std::string(1, BLETTERCHAR(X)) : std::to_string(X);
}

std::string SVGNUMBER(double V) { return NUMBER(V, 2); }

std::string SVGPOINT(DIAGRAMPOINT P) { return SVGNUMBER(P.X) + ' ' + SVGNUMBER(P.Y); }

// TikZ coordinates: COLUMNWIDTH units to the centimetre, y upwards.
std::string TIKZLENGTH(double V) { return NUMBER(V / COLUMNWIDTH, 3); }

std::string TIKZPOINT(DIAGRAMPOINT P) {
  return '(' + TIKZLENGTH(P.X) + ',' + TIKZLENGTH(-P.Y) + ')';
}

std::string TIKZLABEL(std::int32_t X) {
  return "$\\sigma_{" + std::to_string(ABS(X)) + '}' + (X < 0 ? "^{-1}$" : "$");
}

}  // namespace

const char* BSTRANDCOLOUR(std::int32_t P) {
  const std::int32_t K = P >= 1 ? (P - 1) % PALETTESIZE : 0;
  return PALETTE[K];
}

DIAGRAM BDIAGRAM(const BRAID& B, std::int32_t MARKFIRST, std::int32_t MARKLAST) {
  DIAGRAM D;
  D.LETTERS = B.L < 0 ? 0 : B.L;
  // W bounds the indices; a record that breaks that bound still draws all
  // its letters rather than reading past its strands.
  std::int32_t N = B.W < 0 ? 0 : B.W;
  for (std::int32_t K = 1; K <= D.LETTERS; ++K) {
    D.WORD.push_back(B.V[K]);
    if (B.V[K] != 0 && ABS(B.V[K]) + 1 > N) {
      N = ABS(B.V[K]) + 1;
    }
  }
  D.STRANDS = N;

  if (MARKLAST > D.LETTERS) {
    MARKLAST = D.LETTERS;
  }
  const bool MARKED = MARKFIRST >= 1 && MARKFIRST <= MARKLAST;
  D.MARKFIRST = MARKED ? MARKFIRST : 0;
  D.MARKLAST = MARKED ? MARKLAST : 0;

  D.LEFTEDGE = NUMBERSWIDTH;
  const double FIRSTCOLUMN = D.LEFTEDGE + LEADIN;
  for (std::int32_t K = 0; K <= D.LETTERS; ++K) {
    D.COLUMNLEFT.push_back(FIRSTCOLUMN + COLUMNWIDTH * K);
  }
  const double RIGHTEDGE = D.COLUMNLEFT.back() + LEADOUT;
  for (std::int32_t P = 1; P <= N; ++P) {
    D.POSITIONY.push_back(TOPMARGIN + STRANDSPACING * (P - 1));
  }
  const double LOWEST = N >= 1 ? D.POSITIONY.back() : TOPMARGIN;
  D.LABELY = LOWEST + LABELDROP;
  D.WIDTH = RIGHTEDGE + RIGHTMARGIN;
  D.HEIGHT = D.LABELY + BOTTOMMARGIN;
  if (MARKED) {
    D.BANDTOPLEFT = {D.COLUMNLEFT[static_cast<std::size_t>(MARKFIRST - 1)],
                     TOPMARGIN - BANDOVERHANG};
    D.BANDBOTTOMRIGHT = {D.COLUMNLEFT[static_cast<std::size_t>(MARKLAST)],
                         LOWEST + BANDOVERHANG};
  } else {
    D.BANDTOPLEFT = {0, 0};
    D.BANDBOTTOMRIGHT = {0, 0};
  }

  // AT[p] is the strand (by starting position) at position p after the
  // columns drawn so far; PEN[s] is where the path of strand s has got to.
  // A strand that a column leaves alone draws nothing there: its straight
  // run is one line, drawn when it next crosses or at the end.
  std::vector<std::int32_t> AT(static_cast<std::size_t>(N) + 1);
  std::vector<DIAGRAMPOINT> PEN(static_cast<std::size_t>(N) + 1);
  D.STRANDPATHS.resize(static_cast<std::size_t>(N));
  for (std::int32_t P = 1; P <= N; ++P) {
    AT[static_cast<std::size_t>(P)] = P;
    DIAGRAMSTRAND& S = D.STRANDPATHS[static_cast<std::size_t>(P - 1)];
    S.START = P;
    MOVETO(S, PEN[static_cast<std::size_t>(P)],
           {D.LEFTEDGE, D.POSITIONY[static_cast<std::size_t>(P - 1)]});
  }

  for (std::int32_t K = 1; K <= D.LETTERS; ++K) {
    const std::int32_t X = D.WORD[static_cast<std::size_t>(K - 1)];
    if (X == 0) {
      continue;  // not a letter: an empty column
    }
    const std::int32_t I = ABS(X);
    const double X0 = D.COLUMNLEFT[static_cast<std::size_t>(K - 1)];
    const double X1 = D.COLUMNLEFT[static_cast<std::size_t>(K)];
    const double XM = (X0 + X1) / 2;
    const double YI = D.POSITIONY[static_cast<std::size_t>(I - 1)];
    const double YJ = D.POSITIONY[static_cast<std::size_t>(I)];
    const std::int32_t FROMI = AT[static_cast<std::size_t>(I)];
    const std::int32_t FROMJ = AT[static_cast<std::size_t>(I + 1)];
    // sigma_i: the strand from position i is over; sigma_i^-1: under.
    const std::int32_t OVER = X > 0 ? FROMI : FROMJ;
    const std::int32_t UNDER = X > 0 ? FROMJ : FROMI;
    D.CROSSINGS.push_back({K, X, I, OVER, UNDER, {XM, (YI + YJ) / 2}});

    // Both curves leave and reach their positions horizontally, so the
    // paths are smooth through every column, and cross at t = 1/2 in the
    // middle of the column by symmetry.
    const CUBIC DOWN = {{X0, YI}, {XM, YI}, {XM, YJ}, {X1, YJ}};
    const CUBIC UP = {{X0, YJ}, {XM, YJ}, {XM, YI}, {X1, YI}};
    for (std::int32_t S : {FROMI, FROMJ}) {
      DIAGRAMSTRAND& PATH = D.STRANDPATHS[static_cast<std::size_t>(S - 1)];
      DIAGRAMPOINT& SPEN = PEN[static_cast<std::size_t>(S)];
      const CUBIC& C = S == FROMI ? DOWN : UP;
      LINETO(PATH, SPEN, C.P0);
      if (S == OVER) {
        CURVETO(PATH, SPEN, C);
      } else {
        // REST runs over t = 1/2 - g .. 1; the gap ends at t = 1/2 + g, which
        // is 2g / (1/2 + g) of the way along it.
        CUBIC BEFORE;
        CUBIC REST;
        CUBIC GAP;
        CUBIC AFTER;
        SPLITCUBIC(C, 0.5 - GAPHALFWIDTH, BEFORE, REST);
        SPLITCUBIC(REST, (2 * GAPHALFWIDTH) / (0.5 + GAPHALFWIDTH), GAP, AFTER);
        CURVETO(PATH, SPEN, BEFORE);
        MOVETO(PATH, SPEN, AFTER.P0);
        CURVETO(PATH, SPEN, AFTER);
      }
    }
    AT[static_cast<std::size_t>(I)] = FROMJ;
    AT[static_cast<std::size_t>(I + 1)] = FROMI;
  }

  for (std::int32_t P = 1; P <= N; ++P) {
    const std::int32_t S = AT[static_cast<std::size_t>(P)];
    DIAGRAMSTRAND& PATH = D.STRANDPATHS[static_cast<std::size_t>(S - 1)];
    PATH.END = P;
    LINETO(PATH, PEN[static_cast<std::size_t>(S)],
           {RIGHTEDGE, D.POSITIONY[static_cast<std::size_t>(P - 1)]});
  }
  return D;
}

std::string BSVGDIAGRAM(const BRAID& B, std::int32_t MARKFIRST, std::int32_t MARKLAST) {
  const DIAGRAM D = BDIAGRAM(B, MARKFIRST, MARKLAST);
  const std::string WIDTH = SVGNUMBER(D.WIDTH);
  const std::string HEIGHT = SVGNUMBER(D.HEIGHT);
  std::string OUT;
  OUT += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + WIDTH + "\" height=\"" + HEIGHT +
         "\" viewBox=\"0 0 " + WIDTH + ' ' + HEIGHT + "\" role=\"img\" class=\"braid\">\n";
  OUT += "<title>" + TITLE(D) + "</title>\n";
  OUT += "<desc>" + DESCRIPTION(D) + "</desc>\n";
  OUT += "<rect class=\"background\" width=\"" + WIDTH + "\" height=\"" + HEIGHT +
         "\" fill=\"#fff\"/>\n";
  if (D.MARKFIRST >= 1) {
    OUT += "<rect class=\"handle\" x=\"" + SVGNUMBER(D.BANDTOPLEFT.X) + "\" y=\"" +
           SVGNUMBER(D.BANDTOPLEFT.Y) + "\" width=\"" +
           SVGNUMBER(D.BANDBOTTOMRIGHT.X - D.BANDTOPLEFT.X) + "\" height=\"" +
           SVGNUMBER(D.BANDBOTTOMRIGHT.Y - D.BANDTOPLEFT.Y) + "\" rx=\"4\" fill=\"#" +
           BANDCOLOUR + "\" fill-opacity=\"" + SVGNUMBER(BANDOPACITY) + "\"/>\n";
  }
  OUT += "<g class=\"positions\" font-family=\"sans-serif\" font-size=\"11\" fill=\"#555\" "
         "text-anchor=\"end\">\n";
  for (std::int32_t P = 1; P <= D.STRANDS; ++P) {
    OUT += "<text x=\"" + SVGNUMBER(D.LEFTEDGE - 6) + "\" y=\"" +
           SVGNUMBER(D.POSITIONY[static_cast<std::size_t>(P - 1)] + 4) + "\">" +
           std::to_string(P) + "</text>\n";
  }
  OUT += "</g>\n";
  OUT += "<g class=\"letters\" font-family=\"monospace\" font-size=\"13\" fill=\"#444\" "
         "text-anchor=\"middle\">\n";
  const double COLUMNTOP = TOPMARGIN - BANDOVERHANG;
  for (std::int32_t K = 1; K <= D.LETTERS; ++K) {
    const std::int32_t X = D.WORD[static_cast<std::size_t>(K - 1)];
    const double X0 = D.COLUMNLEFT[static_cast<std::size_t>(K - 1)];
    OUT += "<g class=\"letter\"><title>letter " + std::to_string(K) + ": " + LETTERTEXT(X) +
           " = " + GENERATORTEXT(X) + "</title><rect x=\"" + SVGNUMBER(X0) + "\" y=\"" +
           SVGNUMBER(COLUMNTOP) + "\" width=\"" + SVGNUMBER(COLUMNWIDTH) + "\" height=\"" +
           SVGNUMBER(D.HEIGHT - COLUMNTOP) + "\" fill=\"#fff\" fill-opacity=\"0\"/><text x=\"" +
           SVGNUMBER(X0 + COLUMNWIDTH / 2) + "\" y=\"" + SVGNUMBER(D.LABELY) + "\">" +
           LABEL(X) + "</text></g>\n";
  }
  OUT += "</g>\n";
  OUT += "<g class=\"strands\" fill=\"none\" stroke-width=\"" + SVGNUMBER(STROKE) +
         "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  for (const DIAGRAMSTRAND& S : D.STRANDPATHS) {
    OUT += "<path class=\"strand\" stroke=\"#" + std::string(BSTRANDCOLOUR(S.START)) + "\" d=\"";
    for (const DIAGRAMSEGMENT& G : S.PATH) {
      OUT += G.KIND;
      if (G.KIND == 'C') {
        OUT += SVGPOINT(G.C1) + ' ' + SVGPOINT(G.C2) + ' ';
      }
      OUT += SVGPOINT(G.P);
    }
    OUT += "\"/>\n";
  }
  OUT += "</g>\n";
  OUT += "</svg>\n";
  return OUT;
}

std::string BTIKZDIAGRAM(const BRAID& B, std::int32_t MARKFIRST, std::int32_t MARKLAST) {
  const DIAGRAM D = BDIAGRAM(B, MARKFIRST, MARKLAST);
  std::string OUT;
  OUT += "% " + TITLE(D) + ". Needs \\usepackage{tikz}.\n";
  OUT += "% " + DESCRIPTION(D) + "\n";
  OUT += "\\begin{tikzpicture}[x=1cm,y=1cm,line cap=round,line join=round]\n";
  if (D.MARKFIRST >= 1) {
    OUT += std::string("\\definecolor{korvelband}{HTML}{") + BANDCOLOUR + "}\n";
    OUT += "\\fill[korvelband,fill opacity=" + NUMBER(BANDOPACITY, 2) +
           ",rounded corners=" + TIKZLENGTH(4) + "cm] " + TIKZPOINT(D.BANDTOPLEFT) +
           " rectangle " + TIKZPOINT(D.BANDBOTTOMRIGHT) + ";\n";
  }
  for (std::int32_t P = 1; P <= D.STRANDS; ++P) {
    OUT += "\\node[anchor=east,font=\\scriptsize] at " +
           TIKZPOINT({D.LEFTEDGE - 3, D.POSITIONY[static_cast<std::size_t>(P - 1)]}) + " {" +
           std::to_string(P) + "};\n";
  }
  for (std::int32_t K = 1; K <= D.LETTERS; ++K) {
    const double X0 = D.COLUMNLEFT[static_cast<std::size_t>(K - 1)];
    OUT += "\\node[font=\\scriptsize] at " + TIKZPOINT({X0 + COLUMNWIDTH / 2, D.LABELY - 4}) +
           " {" + TIKZLABEL(D.WORD[static_cast<std::size_t>(K - 1)]) + "};\n";
  }
  for (const DIAGRAMSTRAND& S : D.STRANDPATHS) {
    const std::string NAME = "korvelstrand" + std::to_string(S.START);
    OUT += "\\definecolor{" + NAME + "}{HTML}{" + BSTRANDCOLOUR(S.START) + "}\n";
    OUT += "\\draw[" + NAME + ",line width=" + TIKZLENGTH(STROKE) + "cm]";
    for (const DIAGRAMSEGMENT& G : S.PATH) {
      switch (G.KIND) {
        case 'M': OUT += "\n  " + TIKZPOINT(G.P); break;
        case 'L': OUT += " -- " + TIKZPOINT(G.P); break;
        default:
          OUT += "\n  .. controls " + TIKZPOINT(G.C1) + " and " + TIKZPOINT(G.C2) + " .. " +
                 TIKZPOINT(G.P);
          break;
      }
    }
    OUT += ";\n";
  }
  OUT += "\\end{tikzpicture}\n";
  return OUT;
}

}  // namespace BraidBasics
