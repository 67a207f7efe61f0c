// The three-strand study: keys B (build the tables and list the braids with
// their SSS), M (mu3 values and conjugators), S (first SSS members and their
// conjugators) and I (mu3 of w against mu3 of uwv).
//
// The listings print table entries through their codes, alternating words
// and Garside words, which the index of the braid table holds ready for every
// rank (rank 0 is "?"), so a listing costs no normal-form computation.
#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/codes3.h"
#include "braidbasics/tablebounds.h"
#include "braidbasics/words.h"
#include "braidconjugacy/braidconjugacy.h"
#include "shell/procedures.h"

namespace shell {

namespace {

namespace BC = BraidConjugacy;

// The largest length bound whose tables fit the records.
constexpr std::int32_t LARGESTLENGTHBOUND = 15;

// Reads a decimal integer with an optional sign, blanks (spaces, tabs)
// allowed around it, that fits a 32-bit integer.
bool PARSELENGTH(const std::string& LINE, std::int32_t& VALUE) {
  std::size_t P = 0;
  std::size_t END = LINE.size();
  while (P < END && (LINE[P] == ' ' || LINE[P] == '\t')) {
    ++P;
  }
  while (END > P && (LINE[END - 1] == ' ' || LINE[END - 1] == '\t')) {
    --END;
  }
  bool NEGATIVE = false;
  if (P < END && (LINE[P] == '+' || LINE[P] == '-')) {
    NEGATIVE = LINE[P] == '-';
    ++P;
  }
  if (P == END) {
    return false;
  }
  std::int64_t MAGNITUDE = 0;
  for (; P < END; ++P) {
    if (LINE[P] < '0' || LINE[P] > '9') {
      return false;
    }
    MAGNITUDE = MAGNITUDE * 10 + (LINE[P] - '0');
    if (MAGNITUDE > 2147483648LL) {
      return false;
    }
  }
  const std::int64_t SIGNED = NEGATIVE ? -MAGNITUDE : MAGNITUDE;
  if (SIGNED > 2147483647LL) {
    return false;
  }
  VALUE = static_cast<std::int32_t>(SIGNED);
  return true;
}

// A rank that names no entry reads as rank 0, the "?" of the table.
std::int32_t VALIDRANK(std::int32_t P) { return P >= 0 && P <= BC::BRAIDLIST.L ? P : 0; }

void PADLEFT(std::string& OUT, std::string_view TEXT, std::int64_t WIDTH) {
  if (static_cast<std::int64_t>(TEXT.size()) < WIDTH) {
    OUT.append(static_cast<std::size_t>(WIDTH) - TEXT.size(), ' ');
  }
  OUT += TEXT;
}

void PADRIGHT(std::string& OUT, std::string_view TEXT, std::int64_t WIDTH) {
  OUT += TEXT;
  if (static_cast<std::int64_t>(TEXT.size()) < WIDTH) {
    OUT.append(static_cast<std::size_t>(WIDTH) - TEXT.size(), ' ');
  }
}

// PADDEDALTCODE3, PADDEDALTNORMAL and PADDEDGARNORMAL of entry P.
void CODEFIELD(std::string& OUT, std::int32_t P) {
  PADLEFT(OUT, BC::TABLEINDEX().CODE[VALIDRANK(P)], BraidBasics::MAXCODELENGTHINBRAIDLIST);
}
void ALTFIELD(std::string& OUT, std::int32_t P) {
  PADLEFT(OUT, BC::TABLEINDEX().ALT[VALIDRANK(P)], BraidBasics::LENGTHBOUND);
}
void GARSIDEFIELD(std::string& OUT, std::int32_t P) {
  PADRIGHT(OUT, BC::TABLEINDEX().GARSIDE[VALIDRANK(P)], BraidBasics::LENGTHBOUND);
}

// The rank label: P and a colon, five characters for every P below 10000.
void RANKLABEL(std::string& OUT, std::int32_t P) {
  OUT += std::to_string(P);
  OUT += P <= 9 ? "   :" : P <= 99 ? "  :" : P <= 999 ? " :" : ":";
}

// The two heading lines, the empty line and the column header of M and S.
void LISTINGHEADER(std::string_view WHAT) {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "Values of " << WHAT << " for the " << BC::BRAIDLIST.L
      << " positive braids of B_3 of length at most " << BraidBasics::LENGTHBOUND << ":\n"
      << "enumerated in increasing order; no value means \"itself\".\n"
      << '\n';
  std::string LINE;
  PADRIGHT(LINE, "Codes of altern.form", 27);
  // In 64 bits: twice a bound near the most negative 32-bit integer is
  // still negative, so such a bound pads nothing.
  const std::int64_t BOUND = BraidBasics::LENGTHBOUND;
  PADRIGHT(LINE, "Alternating form", 2 * BOUND + 13);
  PADRIGHT(LINE, "Garside form", 2 * BOUND + 15);
  OUT << LINE << '\n';
}

// "alt(W) -> alt(V) by alt(U)   " then "   " then the same in Garside words.
void FORMCOLUMNS(std::string& LINE, std::int32_t W, std::int32_t V, std::int32_t U) {
  for (void (*FIELD)(std::string&, std::int32_t) : {ALTFIELD, GARSIDEFIELD}) {
    if (FIELD == GARSIDEFIELD) {
      LINE += "   ";
    }
    FIELD(LINE, W);
    LINE += " -> ";
    FIELD(LINE, V);
    LINE += " by ";
    FIELD(LINE, U);
    LINE += "   ";
  }
}

// The listing of M and S: the header, then a row per entry P: its rank, its
// code, " -> ", the code fields that CODES writes for P, and the form columns
// of P, TARGET[P] and BY[P].
template <typename CODECOLUMNS>
void LISTMU3ROWS(std::string_view WHAT, const std::int32_t (&TARGET)[BC::MAXSSSTABLE + 1],
                 const std::int32_t (&BY)[BC::MAXSSSTABLE + 1], CODECOLUMNS CODES) {
  std::ostream& OUT = basics::OUTPUT();
  LISTINGHEADER(WHAT);
  std::string ROW;
  for (std::int32_t P = 1; P <= std::min(BC::BRAIDLIST.L, BC::MAXSSSTABLE); ++P) {
    ROW.clear();
    RANKLABEL(ROW, P);
    CODEFIELD(ROW, P);
    ROW += " -> ";
    CODES(ROW, P);
    ROW += "   ";
    FORMCOLUMNS(ROW, P, TARGET[P], BY[P]);
    ROW += '\n';
    OUT << ROW;
  }
}

}  // namespace

void BUILDSSS3() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "Until which length? ";
  std::string LINE;
  std::int32_t BOUND = 0;
  if (!basics::READLINE(LINE) || !PARSELENGTH(LINE, BOUND) || BOUND > LARGESTLENGTHBOUND) {
    OUT << "The length must be a whole number not above 15; the tables are unchanged.\n";
    return;
  }
  BC::WIDTHBOUND = 3;
  BraidBasics::LENGTHBOUND = BOUND;
  BC::BUILDBRAIDLIST();
  BC::BUILDSSS3LIST();
  BC::BUILDMU3();
  OUT << "Below is the enumeration of their normal forms and their SSS, \n"
      << "in increasing order with respect to the D-ordering; \"D\" stands for \"Delta\".\n"
      << '\n';
  std::string ROW;
  for (std::int32_t P = 1; P <= std::min(BC::BRAIDLIST.L, BC::MAXSSSTABLE); ++P) {
    ROW.clear();
    ROW += std::to_string(P);
    ROW += ": ";
    ALTFIELD(ROW, P);
    ROW += "; mu3SSS = ";
    ALTFIELD(ROW, BC::MU3SSS[P]);
    ROW += " SSS: (";
    ROW += BraidBasics::ALTDECODE3(BC::SSSLIST[P]);
    ROW += ")\n";
    OUT << ROW;
  }
}

void DISPLAYMU3() {
  LISTMU3ROWS("mu3", BC::MU3, BC::MU3CONJ, [](std::string& ROW, std::int32_t P) {
    CODEFIELD(ROW, BC::MU3[P]);
    ROW += " / ";
    CODEFIELD(ROW, BC::MU3SSS[P]);
    ROW += " by ";
    CODEFIELD(ROW, BC::MU3CONJ[P]);
    ROW += " / ";
    CODEFIELD(ROW, BC::MU3SSSCONJ[P]);
  });
}

void DISPLAYMU3SSS() {
  LISTMU3ROWS("mu3SSS", BC::MU3SSS, BC::MU3SSSCONJ, [](std::string& ROW, std::int32_t P) {
    if (BC::MU3[P] < P) {
      CODEFIELD(ROW, BC::MU3SSS[P]);
      ROW += " by ";
      CODEFIELD(ROW, BC::MU3SSSCONJ[P]);
    } else {
      // Blank fields: the code of the empty word, padded.
      PADLEFT(ROW, "", BraidBasics::MAXCODELENGTHINBRAIDLIST);
      ROW += " by ";
      PADLEFT(ROW, "", BraidBasics::MAXCODELENGTHINBRAIDLIST);
    }
  });
}

void STUDYMU3() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "One compares the values of mu(w) and mu(uwv) for some fixed u, v.\n";
  std::string U;
  std::string V;
  OUT << "Enter the factor \"u\": ";
  basics::READLINE(U);
  OUT << "Enter the factor \"v\": ";
  basics::READLINE(V);
  const BC::BRAIDTABLEINDEX& IDX = BC::TABLEINDEX();
  std::string ROW;
  auto CODE9 = [&ROW, &IDX](std::int32_t P) { PADRIGHT(ROW, IDX.CODE[VALIDRANK(P)], 9); };
  const std::int32_t COUNT = std::min(BC::BRAIDLIST.L, BC::MAXSSSTABLE);
  for (std::int32_t R = 1; R <= COUNT; ++R) {
    std::string TEXT = U;
    TEXT += BC::ENTRY(BC::BRAIDLIST, R);
    TEXT += V;
    BraidBasics::BRAID B;
    BraidBasics::BDEF(B, TEXT);
    const std::int32_t P = BC::RANK(B);
    if (P <= 0) {
      continue;
    }
    ROW.clear();
    CODE9(R);
    ROW += " -> ";
    CODE9(BC::MU3[R]);
    ROW += " by ";
    CODE9(BC::MU3CONJ[R]);
    ROW += " ; ";
    CODE9(P);
    ROW += " --> ";
    CODE9(P <= COUNT ? BC::MU3[P] : 0);
    ROW += " by ";
    CODE9(P <= COUNT ? BC::MU3CONJ[P] : 0);
    ROW += '\n';
    OUT << ROW;
  }
}

}  // namespace shell
