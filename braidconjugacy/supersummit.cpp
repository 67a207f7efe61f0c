#include "braidconjugacy/supersummit.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidconjugacy/braidtable.h"

namespace BraidConjugacy {

SSSTABLE SSSLIST;
std::vector<std::int32_t> MU3SSS(1, 0);

namespace {

bool CONTAINS(const std::vector<POS3>& SET, const POS3& X) {
  return std::any_of(SET.begin(), SET.end(), [&X](const POS3& Y) { return POS3SAME(X, Y); });
}

// Cycles W and inserts each result into L until one is found there again;
// W is then the braid met a second time.
void CYCLEUNTILREPEAT(std::string& W, LIST& L) {
  do {
    W = CYCLED(W);
    INSERTLIST(W, L);
  } while (!FOUND);
}

}  // namespace

std::string FLIP(std::string_view U, std::int32_t I, std::int32_t N) {
  std::string RESULT(U);
  if (I % 2 != 0) {
    for (char& C : RESULT) {
      C = static_cast<char>(N + 192 - static_cast<unsigned char>(C));
    }
  }
  return RESULT;
}

BraidBasics::NF NFCYCLED(BraidBasics::NF X) {
  const std::size_t DOT = X.S.find('.');
  if (DOT != std::string::npos) {
    const std::string FIRST = FLIP(X.S.substr(0, DOT), X.I, X.W);
    X.S = X.S.substr(DOT + 1, 255) + "." + FIRST;
  }
  return BraidBasics::BLEFTNF(BraidBasics::NFBRAID(X));
}

std::string CYCLED(std::string_view W) {
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, W);
  return BraidBasics::BALTNORMALWORD(BraidBasics::NFBRAID(NFCYCLED(BraidBasics::BLEFTNF(B))));
}

void SSS3ASLIST(std::string_view W, LIST& L) {
  std::string CURRENT(W);
  INITLIST(CURRENT, L);
  CYCLEUNTILREPEAT(CURRENT, L);
  INITLIST(CURRENT, L);
  CYCLEUNTILREPEAT(CURRENT, L);
  auto LL = std::make_unique<LIST>();
  COPYLIST(L, *LL);
  for (std::int32_t R = 1; R <= LL->L; ++R) {
    INSERTLIST(BraidBasics::ALTNORMAL(FLIP(ENTRY(*LL, R), 1, 3)), L);
  }
}

std::string SSS3ASSTRING(std::string_view W) {
  auto L = std::make_unique<LIST>();
  SSS3ASLIST(W, *L);
  std::string TEXT(ENTRY(*L, 1));
  for (std::int32_t R = 2; R <= L->L; ++R) {
    TEXT += ";";
    TEXT += ENTRY(*L, R);
  }
  return TEXT;
}

std::string SSS3ASALTCODEDSTRING(std::string_view W) {
  auto L = std::make_unique<LIST>();
  SSS3ASLIST(W, *L);
  std::string TEXT = BraidBasics::ALTCODE3(ENTRY(*L, 1));
  for (std::int32_t R = 2; R <= L->L; ++R) {
    TEXT += ",";
    TEXT += BraidBasics::ALTCODE3(ENTRY(*L, R));
  }
  return TEXT;
}

namespace {

// RANKFIRSTENTRY in the table T.
std::int32_t RANKFIRSTENTRYIN(const BRAIDTABLE& T, std::string_view W) {
  const std::string_view FIRST = W.substr(0, W.find(','));
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, BraidBasics::ALTDECODE3(FIRST));
  return RANKIN(T, B);
}

}  // namespace

std::int32_t RANKFIRSTENTRY(std::string_view W) { return RANKFIRSTENTRYIN(BRAIDLIST, W); }

std::vector<POS3> SSS3MEMBERS(const POS3& X) {
  // Every orbit of cycling is finite (cycling keeps the length), so the walk
  // meets some braid twice; the first one met twice lies on the cycle.
  std::vector<POS3> MET{X};
  POS3 Y = POS3CYCLED(X);
  while (!CONTAINS(MET, Y)) {
    MET.push_back(Y);
    Y = POS3CYCLED(Y);
  }
  std::vector<POS3> MEMBERS{Y};
  for (POS3 Z = POS3CYCLED(Y); !POS3SAME(Z, Y); Z = POS3CYCLED(Z)) {
    MEMBERS.push_back(Z);
  }
  const std::size_t CYCLE = MEMBERS.size();
  for (std::size_t I = 0; I < CYCLE; ++I) {
    const POS3 F = POS3FLIPPED(MEMBERS[I]);
    if (!CONTAINS(MEMBERS, F)) {
      MEMBERS.push_back(F);
    }
  }
  return MEMBERS;
}

namespace {

// Appends to OUT the texts TEXTOF(M) of the members M of the SSS of entry P,
// in increasing rank, joined by ",", for a table S that keeps its SSS as sets
// of entries.
template <typename MEMBERTEXT>
void JOINMEMBERS(const SSSTABLE& S, std::int32_t P, std::string& OUT, MEMBERTEXT TEXTOF) {
  const std::size_t C = static_cast<std::size_t>(S.CLASSOF[static_cast<std::size_t>(P)]);
  for (std::uint32_t I = S.MEMBERSTART[C]; I < S.MEMBERSTART[C + 1]; ++I) {
    if (I > S.MEMBERSTART[C]) {
      OUT += ',';
    }
    OUT += TEXTOF(S.MEMBERS[I]);
  }
}

}  // namespace

std::string SSSTEXT(const SSSTABLE& S, const BRAIDTABLE& T, std::int32_t P) {
  if (P < 1 || P > S.L) {
    return "";
  }
  if (!S.TEXT.empty()) {
    return S.TEXT[static_cast<std::size_t>(P)];
  }
  std::string TEXT;
  JOINMEMBERS(S, P, TEXT, [&T](std::int32_t M) { return T.CODE[M]; });
  return TEXT;
}

void APPENDSSSWORDS(const SSSTABLE& S, const BRAIDTABLE& T, std::int32_t P, std::string& OUT) {
  if (P < 1 || P > S.L) {
    return;
  }
  if (S.TEXT.empty()) {
    JOINMEMBERS(S, P, OUT, [&T](std::int32_t M) { return ALTWORD(T, M); });
    return;
  }
  const std::string& TEXT = S.TEXT[static_cast<std::size_t>(P)];
  for (std::size_t FROM = 0;;) {
    const std::size_t COMMA = TEXT.find(',', FROM);
    OUT += BraidBasics::ALTDECODE3(std::string_view(TEXT).substr(FROM, COMMA - FROM));
    if (COMMA == std::string::npos) {
      return;
    }
    OUT += ',';
    FROM = COMMA + 1;
  }
}

std::string SSSTABLE::operator[](std::int32_t P) const { return SSSTEXT(*this, BRAIDLIST, P); }

namespace {

// Writes the progress lines of the entries FROM..TO.
void PROGRESS(std::int32_t FROM, std::int32_t TO, bool WRITE) {
  if (!WRITE) {
    return;
  }
  std::string LINES;
  for (std::int32_t P = FROM; P <= TO; ++P) {
    LINES += std::to_string(P);
    LINES += " braids have been treated.\n";
  }
  basics::OUTPUT() << LINES;
}

// The SSS of every entry as a set of entries; false (S left incomplete) when
// some member is not an entry. Writes the progress lines of the entries done.
//
// The SSS of a braid is the cycle that its cycling orbit falls into, with
// the flips of its members; a braid and its cycling fall into the same cycle
// and so have the same SSS. Each entry is therefore walked along its orbit
// only until it meets an entry whose SSS is known, or closes a cycle, whose
// SSS is then made once: at most one cycling and one look-up per entry, and
// one sort per SSS.
bool MAKEBYMEMBERS(const BRAIDTABLE& T, SSSTABLE& S, std::vector<std::int32_t>& FIRST, bool WRITE,
                   std::int32_t& WRITTEN) {
  const std::size_t SIZE = static_cast<std::size_t>(T.L) + 1;
  S.CLASSOF.assign(SIZE, -1);
  // The SSS whose smallest member is entry M, or -1. The SSS of every member
  // is the set itself (each member lies on a cycle or on the flip of one,
  // and cycling commutes with the flip), so the smallest member names the
  // set; the member lists are compared all the same.
  std::vector<std::int32_t> CLASSOFFIRST(SIZE, -1);
  // WALKER[R] = P while entry R lies on the walk from P, at place PLACE[R].
  std::vector<std::int32_t> WALKER(SIZE, 0);
  std::vector<std::int32_t> PLACE(SIZE, 0);
  std::vector<std::int32_t> PATH;
  std::vector<std::int32_t> RANKS;
  constexpr std::int32_t CHUNK = 1024;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    if (P % CHUNK == 0) {
      basics::CHECKINTERRUPT();
      PROGRESS(WRITTEN + 1, P - 1, WRITE);
      WRITTEN = P - 1;
    }
    if (S.CLASSOF[static_cast<std::size_t>(P)] >= 0) {
      continue;
    }
    PATH.assign(1, P);
    WALKER[static_cast<std::size_t>(P)] = P;
    PLACE[static_cast<std::size_t>(P)] = 0;
    std::int32_t C = -1;
    POS3 X = T.FORM[static_cast<std::size_t>(P)];
    while (C < 0) {
      X = POS3CYCLED(X);
      const std::int32_t R = X.N <= 32 ? T.INDEX.FIND(POS3KEY(X)) : 0;
      if (R == 0) {
        return false;
      }
      const std::size_t IR = static_cast<std::size_t>(R);
      if (S.CLASSOF[IR] >= 0) {
        C = S.CLASSOF[IR];
      } else if (WALKER[IR] == P) {
        // The cycle PATH[PLACE[R]..] and its flips.
        RANKS.assign(PATH.begin() + PLACE[IR], PATH.end());
        const std::size_t CYCLE = RANKS.size();
        for (std::size_t I = 0; I < CYCLE; ++I) {
          const POS3 F = POS3FLIPPED(T.FORM[static_cast<std::size_t>(RANKS[I])]);
          const std::int32_t RF = T.INDEX.FIND(POS3KEY(F));
          if (RF == 0) {
            return false;
          }
          RANKS.push_back(RF);
        }
        std::sort(RANKS.begin(), RANKS.end());
        RANKS.erase(std::unique(RANKS.begin(), RANKS.end()), RANKS.end());
        std::int32_t& NAMED = CLASSOFFIRST[static_cast<std::size_t>(RANKS[0])];
        if (NAMED < 0) {
          NAMED = static_cast<std::int32_t>(S.MEMBERSTART.size()) - 1;
          S.MEMBERS.insert(S.MEMBERS.end(), RANKS.begin(), RANKS.end());
          S.MEMBERSTART.push_back(static_cast<std::uint32_t>(S.MEMBERS.size()));
        } else {
          const std::size_t FROM = S.MEMBERSTART[static_cast<std::size_t>(NAMED)];
          const std::size_t COUNT = S.MEMBERSTART[static_cast<std::size_t>(NAMED) + 1] - FROM;
          if (COUNT != RANKS.size() ||
              !std::equal(RANKS.begin(), RANKS.end(), S.MEMBERS.begin() + static_cast<std::ptrdiff_t>(FROM))) {
            return false;
          }
        }
        C = NAMED;
      } else {
        WALKER[IR] = P;
        PLACE[IR] = static_cast<std::int32_t>(PATH.size());
        PATH.push_back(R);
      }
    }
    for (std::int32_t R : PATH) {
      S.CLASSOF[static_cast<std::size_t>(R)] = C;
    }
  }
  // The first entry of each SSS, and the first member of every entry's SSS.
  S.FIRSTENTRY.assign(S.MEMBERSTART.size() - 1, 0);
  for (std::int32_t P = 1; P <= T.L; ++P) {
    const std::size_t C = static_cast<std::size_t>(S.CLASSOF[static_cast<std::size_t>(P)]);
    if (S.FIRSTENTRY[C] == 0) {
      S.FIRSTENTRY[C] = P;
    }
    FIRST[static_cast<std::size_t>(P)] = S.MEMBERS[S.MEMBERSTART[C]];
  }
  return true;
}

}  // namespace

void MAKESSSTABLE(const BRAIDTABLE& T, SSSTABLE& S, std::vector<std::int32_t>& FIRST, bool WRITE) {
  if (WRITE) {
    basics::OUTPUT() << "Constructing the table of SSS.\n";
  }
  S = SSSTABLE{};
  S.L = T.L;
  FIRST.assign(static_cast<std::size_t>(T.L) + 1, 0);
  std::int32_t WRITTEN = 0;
  if (T.THREESTRAND && MAKEBYMEMBERS(T, S, FIRST, WRITE, WRITTEN)) {
    PROGRESS(WRITTEN + 1, T.L, WRITE);
    return;
  }
  S = SSSTABLE{};
  S.L = T.L;
  S.TEXT.assign(static_cast<std::size_t>(T.L) + 1, "");
  for (std::int32_t P = 1; P <= T.L; ++P) {
    basics::CHECKINTERRUPT();
    std::string& TEXT = S.TEXT[static_cast<std::size_t>(P)];
    TEXT = SSS3ASALTCODEDSTRING(ENTRY(T, P));
    FIRST[static_cast<std::size_t>(P)] = RANKFIRSTENTRYIN(T, TEXT);
    if (P > WRITTEN) {
      PROGRESS(P, P, WRITE);
    }
  }
}

void BUILDSSS3LIST() {
  SSSTABLE S;
  std::vector<std::int32_t> FIRST;
  MAKESSSTABLE(BRAIDLIST, S, FIRST, true);
  std::swap(SSSLIST, S);
  std::swap(MU3SSS, FIRST);
}

}  // namespace BraidConjugacy
