// The three-strand study: keys B (build the tables and list the braids with
// their SSS), M (mu3 values and conjugators), S (first SSS members and their
// conjugators) and I (mu3 of w against mu3 of uwv).
//
// The listings print table entries through their codes, alternating words
// and Garside words, which the braid table holds ready for every rank (rank 0
// is "?"), so a listing costs no normal-form computation. Fields are never
// cut: a text longer than its field takes the room it needs.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "braidbasics/tablebounds.h"
#include "braidbasics/words.h"
#include "braidconjugacy/braidconjugacy.h"
#include "shell/procedures.h"

namespace shell {

namespace {

namespace BC = BraidConjugacy;

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

// Rows are gathered in a buffer and written in pieces of about this size.
constexpr std::size_t FLUSHSIZE = 1 << 16;

void FLUSHIFFULL(std::string& BUFFER) {
  if (BUFFER.size() >= FLUSHSIZE) {
    basics::OUTPUT() << BUFFER;
    BUFFER.clear();
  }
}

// A rank that names no entry of T reads as rank 0, the "?" of the table.
std::int32_t VALIDRANK(const BC::BRAIDTABLE& T, std::int32_t P) { return P >= 0 && P <= T.L ? P : 0; }

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

// PADDEDALTCODE3, PADDEDALTNORMAL and PADDEDGARNORMAL of entry P of the
// program's table.
void CODEFIELD(std::string& OUT, std::int32_t P) {
  PADLEFT(OUT, BC::BRAIDLIST.CODE[VALIDRANK(BC::BRAIDLIST, P)], BraidBasics::MAXCODELENGTHINBRAIDLIST);
}
void ALTFIELD(std::string& OUT, std::int32_t P) {
  PADLEFT(OUT, BC::ALTWORD(BC::BRAIDLIST, VALIDRANK(BC::BRAIDLIST, P)), BraidBasics::LENGTHBOUND);
}
void GARSIDEFIELD(std::string& OUT, std::int32_t P) {
  PADRIGHT(OUT, BC::BRAIDLIST.GARSIDE[VALIDRANK(BC::BRAIDLIST, P)], BraidBasics::LENGTHBOUND);
}

// The rank label: P, blanks and a colon, five characters for every P below
// 10000; from 1000 on the colon follows P directly, so from 10000 on the
// label is wider.
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

// The value of a table at P, 0 past its end.
std::int32_t AT(const std::vector<std::int32_t>& TABLE, std::int32_t P) {
  return P >= 0 && static_cast<std::size_t>(P) < TABLE.size() ? TABLE[static_cast<std::size_t>(P)] : 0;
}

// The listing of M and S: the header, then a row per entry P: its rank, its
// code, " -> ", the code fields that CODES writes for P, and the form columns
// of P, TARGET[P] and BY[P].
template <typename CODECOLUMNS>
void LISTMU3ROWS(std::string_view WHAT, const std::vector<std::int32_t>& TARGET,
                 const std::vector<std::int32_t>& BY, CODECOLUMNS CODES) {
  LISTINGHEADER(WHAT);
  std::string ROWS;
  for (std::int32_t P = 1; P <= BC::BRAIDLIST.L; ++P) {
    if (P % 256 == 1) {
      basics::CHECKINTERRUPT();
    }
    RANKLABEL(ROWS, P);
    CODEFIELD(ROWS, P);
    ROWS += " -> ";
    CODES(ROWS, P);
    ROWS += "   ";
    FORMCOLUMNS(ROWS, P, AT(TARGET, P), AT(BY, P));
    ROWS += '\n';
    FLUSHIFFULL(ROWS);
  }
  basics::OUTPUT() << ROWS;
}

// The rows of key B for the tables S, built but not yet installed: the
// alternating fields are right-aligned in the bound S was built for.
void LISTBUILDROWS(const BC::STUDYTABLES& S) {
  const BC::BRAIDTABLE& T = S.BRAIDS;
  std::string ROWS;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    if (P % 256 == 1) {
      basics::CHECKINTERRUPT();
    }
    ROWS += std::to_string(P);
    ROWS += ": ";
    PADLEFT(ROWS, BC::ALTWORD(T, P), S.LENGTHBOUND);
    ROWS += "; mu3SSS = ";
    PADLEFT(ROWS, BC::ALTWORD(T, VALIDRANK(T, AT(S.MU3SSS, P))), S.LENGTHBOUND);
    ROWS += " SSS: (";
    BC::APPENDSSSWORDS(S.SSS, T, P, ROWS);
    ROWS += ")\n";
    FLUSHIFFULL(ROWS);
  }
  basics::OUTPUT() << ROWS;
}

}  // namespace

void BUILDSSS3() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "Until which length? ";
  std::string LINE;
  std::int32_t BOUND = 0;
  if (!basics::READLINE(LINE) || !PARSELENGTH(LINE, BOUND) || BOUND > BC::MAXSTUDYBOUND) {
    OUT << "The length must be a whole number not above " << BC::MAXSTUDYBOUND
        << "; the tables are unchanged.\n";
    return;
  }
  // Built aside and listed from there; installed only once the listing is
  // written, so that a build or listing abandoned by an exception leaves the
  // program's tables and counters as they were.
  BC::STUDYTABLES NEW;
  BC::MAKESTUDYTABLES(NEW, BOUND, true);
  OUT << "Below is the enumeration of their normal forms and their SSS, \n"
      << "in increasing order with respect to the D-ordering; \"D\" stands for \"Delta\".\n"
      << '\n';
  LISTBUILDROWS(NEW);
  BC::INSTALLSTUDYTABLES(NEW);
}

void DISPLAYMU3() {
  LISTMU3ROWS("mu3", BC::MU3, BC::MU3CONJ, [](std::string& ROW, std::int32_t P) {
    CODEFIELD(ROW, AT(BC::MU3, P));
    ROW += " / ";
    CODEFIELD(ROW, AT(BC::MU3SSS, P));
    ROW += " by ";
    CODEFIELD(ROW, AT(BC::MU3CONJ, P));
    ROW += " / ";
    CODEFIELD(ROW, AT(BC::MU3SSSCONJ, P));
  });
}

void DISPLAYMU3SSS() {
  LISTMU3ROWS("mu3SSS", BC::MU3SSS, BC::MU3SSSCONJ, [](std::string& ROW, std::int32_t P) {
    if (AT(BC::MU3, P) < P) {
      CODEFIELD(ROW, AT(BC::MU3SSS, P));
      ROW += " by ";
      CODEFIELD(ROW, AT(BC::MU3SSSCONJ, P));
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
  const BC::BRAIDTABLE& T = BC::BRAIDLIST;
  std::string ROWS;
  // WRITEFIX in a field of 9: longer codes come whole.
  auto CODE9 = [&](std::int32_t P) { PADRIGHT(ROWS, T.CODE[VALIDRANK(T, P)], 9); };
  // ARROW, then the codes of mu3 of entry P and of its conjugator.
  auto MU3CODES = [&](std::string_view ARROW, std::int32_t P) {
    ROWS += ARROW;
    CODE9(AT(BC::MU3, P));
    ROWS += " by ";
    CODE9(AT(BC::MU3CONJ, P));
  };
  std::string TEXT;
  BraidBasics::BRAID B;  // one record for every row, its room reused
  for (std::int32_t R = 1; R <= T.L; ++R) {
    if (R % 256 == 1) {
      basics::CHECKINTERRUPT();
    }
    TEXT = U;
    TEXT += BC::ENTRY(T, R);
    TEXT += V;
    BraidBasics::BDEF(B, TEXT);
    const std::int32_t P = BC::RANK(B);
    if (P <= 0) {
      continue;
    }
    CODE9(R);
    MU3CODES(" -> ", R);
    ROWS += " ; ";
    CODE9(P);
    MU3CODES(" --> ", P);
    ROWS += '\n';
    FLUSHIFFULL(ROWS);
  }
  OUT << ROWS;
}

}  // namespace shell
