#include "braidconjugacy/supersummit.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include "basics/console.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidconjugacy/braidtable.h"

namespace BraidConjugacy {

std::string SSSLIST[MAXSSSTABLE + 1];
std::int32_t MU3SSS[MAXSSSTABLE + 1];

namespace {

bool SAMEFORM(const POS3& X, const POS3& Y) {
  return X.K == Y.K && X.N == Y.N && X.BITS == Y.BITS;
}

bool CONTAINS(const std::vector<POS3>& SET, const POS3& X) {
  return std::any_of(SET.begin(), SET.end(), [&X](const POS3& Y) { return SAMEFORM(X, Y); });
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

std::int32_t RANKFIRSTENTRY(std::string_view W) {
  const std::string_view FIRST = W.substr(0, W.find(','));
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, BraidBasics::ALTDECODE3(FIRST));
  return RANK(B);
}

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
  for (POS3 Z = POS3CYCLED(Y); !SAMEFORM(Z, Y); Z = POS3CYCLED(Z)) {
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

void BUILDSSS3LIST() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "Constructing the table of SSS.\n";
  const BRAIDTABLEINDEX& IDX = TABLEINDEX();
  const std::int32_t COUNT = std::min(BRAIDLIST.L, MAXSSSTABLE);
  std::vector<std::int32_t> RANKS;
  for (std::int32_t P = 1; P <= COUNT; ++P) {
    bool DONE = false;
    if (IDX.THREESTRAND) {
      RANKS.clear();
      const std::vector<POS3> MEMBERS = SSS3MEMBERS(IDX.FORM[P]);
      for (const POS3& M : MEMBERS) {
        const auto IT = M.N <= 32 ? IDX.RANKOFKEY.find(POS3KEY(M)) : IDX.RANKOFKEY.end();
        if (IT == IDX.RANKOFKEY.end()) {
          break;
        }
        RANKS.push_back(IT->second);
      }
      DONE = RANKS.size() == MEMBERS.size();
      if (DONE) {
        // The table is in increasing order, so rank order is the order of
        // the SSS list.
        std::sort(RANKS.begin(), RANKS.end());
        std::string TEXT = IDX.CODE[RANKS[0]];
        for (std::size_t I = 1; I < RANKS.size(); ++I) {
          TEXT += ",";
          TEXT += IDX.CODE[RANKS[I]];
        }
        SSSLIST[P] = std::move(TEXT);
        MU3SSS[P] = RANKS[0];
      }
    }
    if (!DONE) {
      SSSLIST[P] = SSS3ASALTCODEDSTRING(ENTRY(BRAIDLIST, P));
      MU3SSS[P] = RANKFIRSTENTRY(SSSLIST[P]);
    }
    OUT << P << " braids have been treated.\n";
  }
}

}  // namespace BraidConjugacy
