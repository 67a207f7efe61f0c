#include "braidconjugacy/braidtable.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidbasics/enumeration.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/tablebounds.h"
#include "braidconjugacy/lists.h"
#include "braidconjugacy/studytable.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"

namespace BraidConjugacy {

BRAIDTABLE BRAIDLIST = [] {
  BRAIDTABLE T;
  SETBRAIDTABLE(T, {});
  return T;
}();
std::int32_t WIDTHBOUND = 0;

void TEXTCOLUMN::CLEAR() {
  DATA.clear();
  START.assign(1, 0);
}

void TEXTCOLUMN::PUSH(std::string_view TEXT) {
  DATA += TEXT;
  START.push_back(static_cast<std::uint32_t>(DATA.size()));
}

namespace {

std::uint64_t SLOTOF(std::uint64_t K, std::size_t MASK) {
  return ((K * 0x9E3779B97F4A7C15ULL) >> 17) & MASK;
}

}  // namespace

void RANKINDEX::RESET(std::int32_t COUNT) {
  std::size_t CAPACITY = 16;
  while (CAPACITY < 2 * static_cast<std::size_t>(std::max(COUNT, 0)) + 2) {
    CAPACITY *= 2;
  }
  KEY.assign(CAPACITY, 0);
  RANK.assign(CAPACITY, 0);
}

void RANKINDEX::ADD(std::uint64_t K, std::int32_t P) {
  const std::size_t MASK = KEY.size() - 1;
  for (std::size_t S = SLOTOF(K, MASK);; S = (S + 1) & MASK) {
    if (RANK[S] == 0) {
      KEY[S] = K;
      RANK[S] = P;
      return;
    }
    if (KEY[S] == K) {
      return;
    }
  }
}

std::int32_t RANKINDEX::FIND(std::uint64_t K) const {
  if (KEY.empty()) {
    return 0;
  }
  const std::size_t MASK = KEY.size() - 1;
  for (std::size_t S = SLOTOF(K, MASK);; S = (S + 1) & MASK) {
    if (RANK[S] == 0) {
      return 0;
    }
    if (KEY[S] == K) {
      return RANK[S];
    }
  }
}

std::string_view ENTRY(const BRAIDTABLE& T, std::int32_t P) { return T.WORD[P]; }

std::string_view ALTWORD(const BRAIDTABLE& T, std::int32_t P) {
  return T.THREESTRAND ? T.WORD[P] : T.ALT[P];
}

namespace {

// Exact forms are keyed by POS3KEY, which holds words of at most 32 letters.
constexpr std::int32_t LONGESTKEYEDWORD = 32;

// T := a table of L entries still to be pushed: every column holds only its
// entry 0 ("?", the exact form of the empty word), the ALT column only when
// the entries are not all three-strand words (ALTWORD reads WORD otherwise),
// and the index is sized for L forms in a three-strand table and left
// empty in another, whose ranks come from scans.
void STARTTABLE(BRAIDTABLE& T, std::int32_t L, bool THREESTRAND) {
  T.L = L;
  T.LONGEST = 0;
  T.THREESTRAND = THREESTRAND;
  T.WORD.CLEAR();
  T.CODE.CLEAR();
  T.GARSIDE.CLEAR();
  T.ALT.CLEAR();
  T.WORD.PUSH("?");
  T.CODE.PUSH("?");
  T.GARSIDE.PUSH("?");
  if (!THREESTRAND) {
    T.ALT.PUSH("?");
  }
  T.FORM.assign(1, POS3ONE());
  T.INDEX.RESET(THREESTRAND ? L : 0);
  T.BLOCKS.clear();
}

// Fills the columns of T from the exact forms of its entries, given in
// order, and their alternating normal words ALTS (POS3ALTWORD of each form,
// which every caller has already made).
void FILLFROMFORMS(BRAIDTABLE& T, const std::vector<POS3>& FORMS, const std::vector<std::string>& ALTS) {
  STARTTABLE(T, static_cast<std::int32_t>(FORMS.size()), true);
  T.FORM.insert(T.FORM.end(), FORMS.begin(), FORMS.end());
  for (std::int32_t P = 1; P <= T.L; ++P) {
    if (P % 4096 == 0) {
      basics::CHECKINTERRUPT();
    }
    const POS3& X = T.FORM[static_cast<std::size_t>(P)];
    const std::string& ALT = ALTS[static_cast<std::size_t>(P) - 1];
    T.WORD.PUSH(ALT);
    T.CODE.PUSH(BraidBasics::CODE3(ALT));
    T.GARSIDE.PUSH(POS3GARSIDE(X));
    T.LONGEST = std::max(T.LONGEST, static_cast<std::int32_t>(ALT.size()));
    T.INDEX.ADD(POS3KEY(X), P);
  }
}

// Appends to WORDS every Delta-free word (no factor aba or bab) that extends
// PREFIX by at most ROOM letters, PREFIX included.
void DELTAFREEWORDS(POS3 PREFIX, std::int32_t ROOM, std::vector<POS3>& WORDS) {
  WORDS.push_back(PREFIX);
  if (ROOM <= 0) {
    return;
  }
  for (std::int32_t LETTER = 0; LETTER <= 1; ++LETTER) {
    const bool MAKESDELTA = PREFIX.N >= 2 && POS3LETTER(PREFIX, PREFIX.N - 1) == LETTER &&
                            POS3LETTER(PREFIX, PREFIX.N) != LETTER;
    if (!MAKESDELTA) {
      POS3 NEXT = PREFIX;
      POS3MULT(NEXT, LETTER);
      DELTAFREEWORDS(NEXT, ROOM - 1, WORDS);
    }
  }
}

// The run lengths of the alternating normal word of X, leftmost run first
// (the last one is the run of a at the right end, possibly empty): the
// digits of its code.
std::vector<std::int32_t> RUNS(const POS3& X) {
  std::vector<std::int32_t> RUNSFROMRIGHT;
  POS3 Y = X;
  std::int32_t LETTER = 0;
  while (Y.K > 0 || Y.N > 0) {
    std::int32_t E = 0;
    while (POS3RIGHTDIVIDES(Y, LETTER)) {
      POS3RIGHTQUOTIENT(Y, LETTER);
      ++E;
    }
    RUNSFROMRIGHT.push_back(E);
    LETTER = 1 - LETTER;
  }
  return std::vector<std::int32_t>(RUNSFROMRIGHT.rbegin(), RUNSFROMRIGHT.rend());
}

// A sort key of one braid: the number of runs, then the runs from the left.
struct SORTKEY {
  unsigned char BYTES[LONGESTKEYEDWORD + 3];
  std::int32_t INDEX;
};

// The orderings on positive braids of B_3, read off the alternating normal
// words. Write a positive braid from the right as alternating maximal powers
// x_1 of a, x_2 of b, x_3 of a, ... (x_1 may be empty): its code. In the
// ordering in which sigma_2 is the large generator (F), a braid with more
// runs is larger, and two braids with as many runs compare as their runs do
// from the leftmost one: the ordering is the short-lex ordering of the codes.
// The flip (conjugation by Delta) exchanges a and b and carries F to R, so R
// compares the codes of the flipped braids. U is R except that it reverses
// the order inside every left coset x <b>: it reads the sign at the least
// index with the sign reversed for b, and x^-1 y is a power of b exactly for
// y in x <b>. These cosets are intervals of R (a braid in which a occurs only
// positively is larger than every braid without a), and on positive braids y
// lies in x <b> exactly when both have the same quotient by their largest
// right divisor b^k.
//
// Any other option letter signs as R does. The build confirms the order it
// finds by LISTSIGN on every pair of neighbours, so that the table is the one
// the comparisons of INSERTLIST give whatever these facts are worth.
std::vector<POS3> SORTBYCODES(const std::vector<POS3>& BRAIDS, char OPTION) {
  std::vector<SORTKEY> KEYS(BRAIDS.size());
  for (std::size_t I = 0; I < BRAIDS.size(); ++I) {
    if (I % 4096 == 0) {
      basics::CHECKINTERRUPT();
    }
    const std::vector<std::int32_t> R = RUNS(OPTION == 'F' ? BRAIDS[I] : POS3FLIPPED(BRAIDS[I]));
    SORTKEY& K = KEYS[I];
    std::memset(K.BYTES, 0, sizeof K.BYTES);
    K.BYTES[0] = static_cast<unsigned char>(R.size());
    for (std::size_t J = 0; J < R.size(); ++J) {
      K.BYTES[J + 1] = static_cast<unsigned char>(R[J]);
    }
    K.INDEX = static_cast<std::int32_t>(I);
  }
  std::uint32_t COMPARISONS = 0;
  std::sort(KEYS.begin(), KEYS.end(), [&COMPARISONS](const SORTKEY& X, const SORTKEY& Y) {
    if ((++COMPARISONS & 0xFFFF) == 0) {
      basics::CHECKINTERRUPT();
    }
    return std::memcmp(X.BYTES, Y.BYTES, sizeof X.BYTES) < 0;
  });
  std::vector<POS3> SORTED(BRAIDS.size());
  for (std::size_t I = 0; I < KEYS.size(); ++I) {
    SORTED[I] = BRAIDS[static_cast<std::size_t>(KEYS[I].INDEX)];
  }
  if (OPTION == 'U') {
    auto CORE = [](POS3 X) {
      while (POS3RIGHTDIVIDES(X, 1)) {
        POS3RIGHTQUOTIENT(X, 1);
      }
      return POS3KEY(X);
    };
    for (std::size_t FIRST = 0; FIRST < SORTED.size();) {
      const std::uint64_t C = CORE(SORTED[FIRST]);
      std::size_t END = FIRST + 1;
      while (END < SORTED.size() && CORE(SORTED[END]) == C) {
        ++END;
      }
      std::reverse(SORTED.begin() + static_cast<std::ptrdiff_t>(FIRST),
                   SORTED.begin() + static_cast<std::ptrdiff_t>(END));
      FIRST = END;
    }
  }
  return SORTED;
}

// Whether each entry is smaller than the next one, by the comparison of
// INSERTLIST. In a strict total order this makes the sequence the sorted set.
bool INCREASING(const std::vector<std::string>& WORDS) {
  for (std::size_t I = 1; I < WORDS.size(); ++I) {
    if (I % 1024 == 0) {
      basics::CHECKINTERRUPT();
    }
    if (LISTSIGN(WORDS[I - 1], WORDS[I]) != '+') {
      return false;
    }
  }
  return true;
}

// The three-strand build: the distinct positive braids of length at most
// BOUND are Delta^K w with 3K + |w| <= BOUND, w Delta-free, each once.
void BUILDTHREESTRAND(BRAIDTABLE& T, std::int32_t BOUND) {
  std::vector<POS3> BRAIDS;
  for (std::int32_t K = 0; 3 * K <= BOUND; ++K) {
    basics::CHECKINTERRUPT();
    DELTAFREEWORDS(POS3{K, 0, 0}, BOUND - 3 * K, BRAIDS);
  }
  std::vector<POS3> SORTED = SORTBYCODES(BRAIDS, handlereduction::BORDEROPTION);
  std::vector<std::string> ALT;
  ALT.reserve(SORTED.size());
  for (const POS3& X : SORTED) {
    ALT.push_back(POS3ALTWORD(X));
  }
  if (!INCREASING(ALT)) {
    // Sort by the comparisons themselves: X before Y when X^-1 Y is larger
    // than 1.
    std::vector<std::int32_t> ORDER(BRAIDS.size());
    for (std::size_t I = 0; I < ORDER.size(); ++I) {
      ORDER[I] = static_cast<std::int32_t>(I);
    }
    std::vector<std::string> WORDS;
    for (const POS3& X : BRAIDS) {
      WORDS.push_back(POS3ALTWORD(X));
    }
    std::stable_sort(ORDER.begin(), ORDER.end(), [&WORDS](std::int32_t X, std::int32_t Y) {
      basics::CHECKINTERRUPT();
      return LISTSIGN(WORDS[static_cast<std::size_t>(X)], WORDS[static_cast<std::size_t>(Y)]) == '+';
    });
    for (std::size_t I = 0; I < ORDER.size(); ++I) {
      SORTED[I] = BRAIDS[static_cast<std::size_t>(ORDER[I])];
      ALT[I] = WORDS[static_cast<std::size_t>(ORDER[I])];
    }
  }
  FILLFROMFORMS(T, SORTED, ALT);
}

// The build as the words come: one insertion per enumerated word, into a
// LIST (at most MAXBRAIDLIST entries of at most MAXLENGTHINBRAIDLIST letters).
void BUILDBYINSERTION(BRAIDTABLE& T, std::int32_t BOUND, std::int32_t WIDTH) {
  auto L = std::make_unique<LIST>();
  EMPTYLIST(*L);
  std::int64_t P = 0;
  std::string W;
  for (;;) {
    basics::CHECKINTERRUPT();
    INSERTLIST(W, *L);
    if (WIDTH <= 1) {
      break;  // no letter on one strand: the empty word is the only braid
    }
    P += 1;
    W = BraidBasics::BALTNORMALWORD(BraidBasics::THEPOSITIVEBRAID(P, WIDTH));
    if (static_cast<std::int32_t>(W.size()) > std::min(BOUND, MAXLENGTHINBRAIDLIST)) {
      break;
    }
  }
  std::vector<std::string> WORDS;
  for (std::int32_t R = 1; R <= L->L; ++R) {
    WORDS.emplace_back(ENTRY(*L, R));
  }
  SETBRAIDTABLE(T, WORDS);
}

}  // namespace

void SETBRAIDTABLE(BRAIDTABLE& T, const std::vector<std::string>& WORDS) {
  std::vector<POS3> FORMS(WORDS.size());
  bool THREESTRAND = true;
  for (std::size_t I = 0; I < WORDS.size() && THREESTRAND; ++I) {
    THREESTRAND = WORDS[I].size() <= static_cast<std::size_t>(LONGESTKEYEDWORD) &&
                  POS3FROMWORD(WORDS[I], FORMS[I]) && POS3ALTWORD(FORMS[I]) == WORDS[I];
  }
  if (THREESTRAND) {
    FILLFROMFORMS(T, FORMS, WORDS);
    return;
  }
  // Words that are not all alternating normal words in a and b: the texts
  // come from the normal-form procedures, and ranks and conjugators from
  // scans of the table.
  STARTTABLE(T, static_cast<std::int32_t>(WORDS.size()), false);
  for (const std::string& W : WORDS) {
    T.WORD.PUSH(W);
    T.ALT.PUSH(BraidBasics::ALTNORMAL(W));
    T.CODE.PUSH(BraidBasics::ALTCODE3(W));
    T.GARSIDE.PUSH(BraidBasics::GARNORMAL(W));
    T.LONGEST = std::max(T.LONGEST, static_cast<std::int32_t>(W.size()));
  }
}

void MAKEBRAIDTABLE(BRAIDTABLE& T, std::int32_t BOUND, std::int32_t WIDTH, bool WRITE) {
  if (WRITE) {
    basics::OUTPUT() << "Constructing the braid table.\n";
  }
  const std::int32_t B = std::max(std::min(BOUND, MAXSTUDYBOUND), 0);
  if (WIDTH == 3) {
    BUILDTHREESTRAND(T, B);
  } else {
    BUILDBYINSERTION(T, B, WIDTH);
  }
  if (WRITE) {
    basics::OUTPUT() << "Construction completed: there exist " << T.L << " positive braids of length at most "
                     << BOUND << " in B_3.\n";
  }
}

std::int32_t LONGESTCODE(const BRAIDTABLE& T) {
  std::int32_t LONGEST = 0;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    LONGEST = std::max(LONGEST, static_cast<std::int32_t>(T.CODE[P].size()));
  }
  return LONGEST;
}

void BUILDBRAIDLIST() {
  BRAIDTABLE T;
  MAKEBRAIDTABLE(T, BraidBasics::LENGTHBOUND, WIDTHBOUND, true);
  std::swap(BRAIDLIST, T);
  BraidBasics::MAXCODELENGTHINBRAIDLIST =
      std::max(BraidBasics::MAXCODELENGTHINBRAIDLIST, LONGESTCODE(BRAIDLIST));
}

namespace {

std::int32_t SCAN(const BRAIDTABLE& T, const BraidBasics::BRAID& B) {
  BraidBasics::BRAID ENTRYBRAID;  // one record for every entry, its room reused
  for (std::int32_t P = 1; P <= T.L; ++P) {
    BraidBasics::BDEF(ENTRYBRAID, ENTRY(T, P));
    if (handlereduction::BEQUIV(B, ENTRYBRAID)) {
      return P;
    }
  }
  return -1;
}

std::uint64_t BLOCKHASH(const BraidBasics::BRAID& B, std::int32_t N) {
  std::uint64_t BLOCK[9];
  BURAUNBLOCK3(BURAUNOFBRAID(B, N), BLOCK);
  return BLOCK3HASH(BLOCK);
}

}  // namespace

std::int32_t RANKBYSCAN(const BraidBasics::BRAID& B) { return SCAN(BRAIDLIST, B); }

std::int32_t RANKIN(const BRAIDTABLE& T, const BraidBasics::BRAID& B) {
  if (!T.THREESTRAND) {
    return SCAN(T, B);
  }
  bool POSITIVETHREE = true;
  std::int32_t N = 3;
  for (std::int32_t P = 1; P <= B.L; ++P) {
    const std::int32_t LETTER = B.V[P];
    POSITIVETHREE = POSITIVETHREE && (LETTER == 1 || LETTER == 2);
    N = std::max(N, (LETTER > 0 ? LETTER : -LETTER) + 1);
  }
  if (POSITIVETHREE) {
    // A positive word has the length of every positive word of its braid,
    // so a word longer than every entry is none of them; a word of exactly
    // that length is looked up like any other.
    if (B.L > T.LONGEST) {
      return -1;
    }
    POS3 X = POS3ONE();
    for (std::int32_t P = 1; P <= B.L; ++P) {
      POS3MULT(X, B.V[P] - 1);
    }
    const std::int32_t P = T.INDEX.FIND(POS3KEY(X));
    return P == 0 ? -1 : P;
  }
  // Equal braids have equal Burau images, and an entry's image is
  // block diag(3x3, I): every equivalent entry is among the candidates.
  const BURAUN IMAGE = BURAUNOFBRAID(B, N);
  if (!BURAUNISTHREESTRAND(IMAGE)) {
    return -1;
  }
  if (T.BLOCKS.empty() && T.L > 0) {
    // Made aside and kept only whole, so that an interrupt leaves none.
    std::vector<std::pair<std::uint64_t, std::int32_t>> BLOCKS;
    BLOCKS.reserve(static_cast<std::size_t>(T.L));
    BraidBasics::BRAID ENTRYBRAID;
    for (std::int32_t P = 1; P <= T.L; ++P) {
      if (P % 1024 == 0) {
        basics::CHECKINTERRUPT();
      }
      BraidBasics::BDEF(ENTRYBRAID, ENTRY(T, P));
      BLOCKS.emplace_back(BLOCKHASH(ENTRYBRAID, 3), P);
    }
    std::sort(BLOCKS.begin(), BLOCKS.end());
    T.BLOCKS = std::move(BLOCKS);
  }
  std::uint64_t BLOCK[9];
  BURAUNBLOCK3(IMAGE, BLOCK);
  const std::uint64_t H = BLOCK3HASH(BLOCK);
  auto IT = std::lower_bound(T.BLOCKS.begin(), T.BLOCKS.end(), std::make_pair(H, std::int32_t{0}));
  BraidBasics::BRAID ENTRYBRAID;
  for (; IT != T.BLOCKS.end() && IT->first == H; ++IT) {
    BraidBasics::BDEF(ENTRYBRAID, ENTRY(T, IT->second));
    if (handlereduction::BEQUIV(B, ENTRYBRAID)) {
      return IT->second;
    }
  }
  return -1;
}

std::int32_t RANK(const BraidBasics::BRAID& B) { return RANKIN(BRAIDLIST, B); }

}  // namespace BraidConjugacy
