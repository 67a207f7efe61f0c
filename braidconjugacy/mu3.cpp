#include "braidconjugacy/mu3.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "basics/interrupt.h"
#include "braidbasics/operations.h"
#include "braidconjugacy/modulargroup.h"
#include "handlereduction/reduction.h"

namespace BraidConjugacy {

std::vector<std::int32_t> MU3(1, 0);
std::vector<std::int32_t> MU3CONJ(1, 0);
std::vector<std::int32_t> MU3SSSCONJ(1, 0);

namespace {

// X := X times the braid Y, letter by letter (Delta as aba).
void MULTIPLYBY(POS3& X, const POS3& Y) {
  for (std::int32_t K = 0; K < Y.K; ++K) {
    POS3MULT(X, 0);
    POS3MULT(X, 1);
    POS3MULT(X, 0);
  }
  for (std::int32_t R = 1; R <= Y.N; ++R) {
    POS3MULT(X, POS3LETTER(Y, R));
  }
}

bool SAMEFORM(const POS3& X, const POS3& Y) {
  return X.K == Y.K && X.N == Y.N && X.BITS == Y.BITS;
}

// Whether entry R conjugates entry Q to entry P: Q R = R P, both sides
// positive braids of at most 2 T.LONGEST <= POS3MAXWORD letters.
bool CONJUGATES(const BRAIDTABLE& T, std::int32_t R, std::int32_t Q, std::int32_t P) {
  POS3 QR = T.FORM[static_cast<std::size_t>(Q)];
  MULTIPLYBY(QR, T.FORM[static_cast<std::size_t>(R)]);
  POS3 RP = T.FORM[static_cast<std::size_t>(R)];
  MULTIPLYBY(RP, T.FORM[static_cast<std::size_t>(P)]);
  return SAMEFORM(QR, RP);
}

BraidBasics::BRAID BRAIDOF(const BRAIDTABLE& T, std::int32_t P) {
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, ENTRY(T, P));
  return B;
}

std::int32_t SCAN(const BRAIDTABLE& T, std::int32_t P, std::int32_t Q) {
  const BraidBasics::BRAID B1 = BRAIDOF(T, P);
  const BraidBasics::BRAID B2 = BRAIDOF(T, Q);
  for (std::int32_t R = 1; R <= T.L; ++R) {
    const BraidBasics::BRAID B = BRAIDOF(T, R);
    const BraidBasics::BRAID CONJUGATE =
        BraidBasics::BPROD(BraidBasics::BINVERSED(B), BraidBasics::BPROD(B2, B));
    if (handlereduction::BEQUIV(B1, CONJUGATE)) {
      return R;
    }
  }
  return 0;
}

}  // namespace

std::int32_t CONJUGATORIN(const BRAIDTABLE& T, std::int32_t P, std::int32_t Q) {
  if (P < 1 || Q < 1 || P > T.L || Q > T.L) {
    return 0;
  }
  if (!T.THREESTRAND) {
    return SCAN(T, P, Q);
  }
  const POS3& XP = T.FORM[static_cast<std::size_t>(P)];
  const POS3& XQ = T.FORM[static_cast<std::size_t>(Q)];
  if (POS3LENGTH(XP) != POS3LENGTH(XQ)) {
    return 0;  // conjugation keeps the exponent sum, the length of a positive braid
  }
  MODWORD CP, HP, CQ, HQ;
  MODCYCLICALLYREDUCE(MODIMAGE(XP), CP, HP);
  MODCYCLICALLYREDUCE(MODIMAGE(XQ), CQ, HQ);
  if (HQ.empty()) {
    // Q is a power of Delta^2, central: it is conjugate to itself only, by
    // every braid, and the first entry is the smallest.
    return HP.empty() && SAMEFORM(XP, XQ) && T.L >= 1 ? 1 : 0;
  }
  if (HP.size() != HQ.size()) {
    return 0;
  }
  // The conjugators from Q to P are the preimages of CQ Z CP^-1 ... : with
  // HP = S^-1 HQ S for a prefix S of HQ (conjugate cyclically reduced words
  // of a free product are cyclic permutations of each other; one syllable
  // is conjugate only to itself), G0 = CQ S CP^-1 conjugates the image of Q
  // to that of P, the centraliser of the image of Q is CQ <ROOT> CQ^-1, and
  // the coset is { CQ ROOT^I S CP^-1 }.
  MODWORD ROOT;
  MODWORD SHIFT;
  std::int32_t LOWEST = 0;
  std::int32_t HIGHEST = 0;
  const std::int32_t LONGEST = T.LONGEST;
  if (HQ.size() == 1) {
    if (HP != HQ) {
      return 0;
    }
    ROOT = HQ;
    HIGHEST = HQ[0] == MODS ? 1 : 2;  // the centraliser of s or u has 2 or 3 elements
  } else {
    const std::int32_t D = MODROOTLENGTH(HQ);
    const std::size_t L = HQ.size();
    std::int32_t FOUNDSHIFT = -1;
    for (std::int32_t K = 0; K < D && FOUNDSHIFT < 0; ++K) {
      bool SAME = true;
      for (std::size_t I = 0; I < L && SAME; ++I) {
        SAME = HP[I] == HQ[(I + static_cast<std::size_t>(K)) % L];
      }
      if (SAME) {
        FOUNDSHIFT = K;
      }
    }
    if (FOUNDSHIFT < 0) {
      return 0;
    }
    ROOT.assign(HQ.begin(), HQ.begin() + D);
    SHIFT.assign(HQ.begin(), HQ.begin() + FOUNDSHIFT);
    // A candidate X = CQ ROOT^I SHIFT CP^-1 has at least |I| D - |CQ| -
    // |SHIFT| - |CP| syllables, and an entry's image at most 2 LONGEST + 1
    // (Delta^e w maps to s^e followed by two syllables per letter of w, less
    // the cancellations); beyond that bound on |I| no entry is a candidate.
    const std::int64_t ROOM = 2 * static_cast<std::int64_t>(LONGEST) + 1 +
                              static_cast<std::int64_t>(CQ.size() + SHIFT.size() + CP.size());
    HIGHEST = static_cast<std::int32_t>(ROOM / D + 1);
    LOWEST = -HIGHEST;
  }
  const MODWORD CPINVERSE = MODINVERSE(CP);
  const std::size_t MOSTSYLLABLES = 2 * static_cast<std::size_t>(LONGEST) + 1;
  std::int32_t BEST = 0;
  // Tries the candidate CQ ROOT^I SHIFT CP^-1, given CQ ROOT^I as POWERED.
  MODWORD X;
  auto TRY = [&](const MODWORD& POWERED) {
    X = POWERED;
    MODMULTIPLY(X, SHIFT);
    MODMULTIPLY(X, CPINVERSE);
    POS3 R;
    if (X.size() > MOSTSYLLABLES || !MODLIFT(X, R) || POS3LENGTH(R) > LONGEST || R.N > 32) {
      return;
    }
    const std::int32_t RANKOFR = T.INDEX.FIND(POS3KEY(R));
    if (RANKOFR > 0 && (BEST == 0 || RANKOFR < BEST) && CONJUGATES(T, RANKOFR, Q, P)) {
      BEST = RANKOFR;
    }
  };
  MODWORD POWERED = CQ;
  for (std::int32_t I = 0; I <= HIGHEST; ++I) {
    TRY(POWERED);
    MODMULTIPLY(POWERED, ROOT);
  }
  if (LOWEST < 0) {
    const MODWORD ROOTINVERSE = MODINVERSE(ROOT);
    POWERED = CQ;
    for (std::int32_t I = -1; I >= LOWEST; --I) {
      MODMULTIPLY(POWERED, ROOTINVERSE);
      TRY(POWERED);
    }
  }
  return BEST;
}

std::int32_t BCONJUGATOR3(std::int32_t P, std::int32_t Q) { return CONJUGATORIN(BRAIDLIST, P, Q); }

std::int32_t BCONJUGATOR3BYSCAN(std::int32_t P, std::int32_t Q) {
  if (P < 1 || Q < 1 || P > BRAIDLIST.L || Q > BRAIDLIST.L) {
    return 0;
  }
  return SCAN(BRAIDLIST, P, Q);
}

void MAKEMU3TABLES(const BRAIDTABLE& T, const SSSTABLE& S, const std::vector<std::int32_t>& FIRST,
                   std::vector<std::int32_t>& MU3OF, std::vector<std::int32_t>& MU3CONJOF,
                   std::vector<std::int32_t>& MU3SSSCONJOF) {
  const std::size_t SIZE = static_cast<std::size_t>(T.L) + 1;
  MU3OF.assign(SIZE, 0);
  MU3CONJOF.assign(SIZE, 0);
  MU3SSSCONJOF.assign(SIZE, 0);
  std::unordered_map<std::string, std::int32_t> FIRSTOFTEXT;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    if (P % 256 == 0) {
      basics::CHECKINTERRUPT();
    }
    const std::size_t I = static_cast<std::size_t>(P);
    std::int32_t Q = 0;
    if (S.TEXT.empty()) {
      Q = S.FIRSTENTRY[static_cast<std::size_t>(S.CLASSOF[I])];
    } else {
      Q = FIRSTOFTEXT.emplace(S.TEXT[I], P).first->second;
    }
    MU3OF[I] = Q;
    MU3CONJOF[I] = CONJUGATORIN(T, P, Q);
    MU3SSSCONJOF[I] = CONJUGATORIN(T, P, FIRST[I]);
  }
}

void BUILDMU3() { MAKEMU3TABLES(BRAIDLIST, SSSLIST, MU3SSS, MU3, MU3CONJ, MU3SSSCONJ); }

}  // namespace BraidConjugacy
