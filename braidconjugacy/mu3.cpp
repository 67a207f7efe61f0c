#include "braidconjugacy/mu3.h"

#include <string>
#include <unordered_map>
#include <utility>

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

// Whether entry R conjugates entry Q to entry P: Q R = R P, both sides
// positive braids of at most 2 T.LONGEST <= POS3MAXWORD letters.
bool CONJUGATES(const BRAIDTABLE& T, std::int32_t R, std::int32_t Q, std::int32_t P) {
  POS3 QR = T.FORM[static_cast<std::size_t>(Q)];
  MULTIPLYBY(QR, T.FORM[static_cast<std::size_t>(R)]);
  POS3 RP = T.FORM[static_cast<std::size_t>(R)];
  MULTIPLYBY(RP, T.FORM[static_cast<std::size_t>(P)]);
  return POS3SAME(QR, RP);
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

// The image of an entry written as C H C^-1, H cyclically reduced, and the
// length of the primitive root of H (0 when H has fewer than two syllables).
struct SPLIT {
  MODWORD C;
  MODWORD CINVERSE;
  MODWORD H;
  std::int32_t ROOTLENGTH = 0;
};

SPLIT SPLITOF(const POS3& X) {
  SPLIT S;
  MODCYCLICALLYREDUCE(MODIMAGE(X), S.C, S.H);
  S.CINVERSE = MODINVERSE(S.C);
  S.ROOTLENGTH = S.H.size() >= 2 ? MODROOTLENGTH(S.H) : 0;
  return S;
}

// Words reused from one search to the next.
struct SCRATCH {
  MODWORD ROOT, ROOTINVERSE, TAIL, POWERED, X;
};

// CONJUGATORIN for entries P and Q of a table of three strands, given the
// splits of their images.
std::int32_t SMALLESTCONJUGATOR(const BRAIDTABLE& T, std::int32_t P, const SPLIT& SP, std::int32_t Q,
                                const SPLIT& SQ, SCRATCH& W) {
  const POS3& XP = T.FORM[static_cast<std::size_t>(P)];
  const POS3& XQ = T.FORM[static_cast<std::size_t>(Q)];
  if (POS3LENGTH(XP) != POS3LENGTH(XQ)) {
    return 0;  // conjugation keeps the exponent sum, the length of a positive braid
  }
  if (SQ.H.empty()) {
    // Q is a power of Delta^2, central: it is conjugate to itself only, by
    // every braid, and the first entry is the smallest.
    return SP.H.empty() && POS3SAME(XP, XQ) ? 1 : 0;
  }
  if (SP.H.size() != SQ.H.size()) {
    return 0;
  }
  // With HP = S^-1 HQ S for a prefix S of HQ (conjugate cyclically reduced
  // words of a free product are cyclic permutations of each other, and one
  // syllable is conjugate only to itself), CQ S CP^-1 conjugates the image
  // of Q to that of P; the centraliser of the image of Q is CQ <ROOT> CQ^-1
  // (ROOT = HQ for one syllable, of order 2 or 3), so the conjugators are
  // the preimages of CQ ROOT^I S CP^-1 for all I.
  const std::size_t L = SQ.H.size();
  std::int32_t D = 1;
  std::size_t SHIFT = 0;
  std::int32_t LOWEST = 0;
  std::int32_t HIGHEST = 0;
  if (L == 1) {
    if (SP.H != SQ.H) {
      return 0;
    }
    HIGHEST = SQ.H[0] == MODS ? 1 : 2;
  } else {
    D = SQ.ROOTLENGTH;
    bool FOUND = false;
    for (; SHIFT < static_cast<std::size_t>(D) && !FOUND; ++SHIFT) {
      FOUND = true;
      for (std::size_t I = 0; I < L && FOUND; ++I) {
        FOUND = SP.H[I] == SQ.H[(I + SHIFT) % L];
      }
    }
    if (!FOUND) {
      return 0;
    }
    --SHIFT;
  }
  W.ROOT.assign(SQ.H.begin(), SQ.H.begin() + D);
  W.TAIL.assign(SQ.H.begin(), SQ.H.begin() + static_cast<std::ptrdiff_t>(SHIFT));
  MODMULTIPLY(W.TAIL, SP.CINVERSE);
  const std::int32_t LONGEST = T.LONGEST;
  const std::size_t MOSTSYLLABLES = 2 * static_cast<std::size_t>(LONGEST) + 1;
  // Past |I| >= STEADY the cancellations at the two ends of ROOT^I no longer
  // change (they reach at most |CQ| + 1 and |TAIL| + 1 syllables into it), so
  // each further power adds exactly D syllables: once a candidate there has
  // more syllables than the image of any entry (s^e and at most two per
  // letter of w for Delta^e w), so have all further ones.
  const std::int32_t STEADY =
      static_cast<std::int32_t>((SQ.C.size() + W.TAIL.size() + 3) / static_cast<std::size_t>(D)) + 1;
  if (L >= 2) {
    HIGHEST = STEADY + static_cast<std::int32_t>(MOSTSYLLABLES / static_cast<std::size_t>(D)) + 1;
    LOWEST = -HIGHEST;
  }
  std::int32_t BEST = 0;
  // Tries CQ ROOT^I TAIL given CQ ROOT^I as POWERED; false when I is past
  // STEADY and the candidate too long.
  auto TRY = [&](std::int32_t I) {
    // At most |TAIL| syllables of POWERED cancel against TAIL.
    const bool FITS = W.POWERED.size() <= MOSTSYLLABLES + W.TAIL.size();
    if (FITS) {
      W.X = W.POWERED;
      MODMULTIPLY(W.X, W.TAIL);
    }
    if (!FITS || W.X.size() > MOSTSYLLABLES) {
      return !(I >= STEADY || -I >= STEADY);
    }
    POS3 R;
    if (!MODLIFT(W.X, R) || POS3LENGTH(R) > LONGEST || R.N > 32) {
      return true;
    }
    const std::int32_t RANKOFR = T.INDEX.FIND(POS3KEY(R));
    if (RANKOFR > 0 && (BEST == 0 || RANKOFR < BEST) && CONJUGATES(T, RANKOFR, Q, P)) {
      BEST = RANKOFR;
    }
    return true;
  };
  W.POWERED = SQ.C;
  for (std::int32_t I = 0; I <= HIGHEST; ++I) {
    if (!TRY(I)) {
      break;
    }
    MODMULTIPLY(W.POWERED, W.ROOT);
  }
  if (LOWEST < 0) {
    W.ROOTINVERSE = MODINVERSE(W.ROOT);
    W.POWERED = SQ.C;
    for (std::int32_t I = -1; I >= LOWEST; --I) {
      MODMULTIPLY(W.POWERED, W.ROOTINVERSE);
      if (!TRY(I)) {
        break;
      }
    }
  }
  return BEST;
}

}  // namespace

std::int32_t CONJUGATORIN(const BRAIDTABLE& T, std::int32_t P, std::int32_t Q) {
  if (P < 1 || Q < 1 || P > T.L || Q > T.L) {
    return 0;
  }
  if (!T.THREESTRAND) {
    return SCAN(T, P, Q);
  }
  SCRATCH W;
  return SMALLESTCONJUGATOR(T, P, SPLITOF(T.FORM[static_cast<std::size_t>(P)]), Q,
                            SPLITOF(T.FORM[static_cast<std::size_t>(Q)]), W);
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
  // The splits of the entries that are some entry's mu3 or first SSS member,
  // made once each.
  std::vector<std::int32_t> SPLITAT(T.THREESTRAND ? SIZE : 0, -1);
  std::vector<SPLIT> SPLITS;
  auto SPLITOFRANK = [&](std::int32_t R) -> const SPLIT& {
    std::int32_t& K = SPLITAT[static_cast<std::size_t>(R)];
    if (K < 0) {
      K = static_cast<std::int32_t>(SPLITS.size());
      SPLITS.push_back(SPLITOF(T.FORM[static_cast<std::size_t>(R)]));
    }
    return SPLITS[static_cast<std::size_t>(K)];
  };
  SCRATCH W;
  for (std::int32_t P = 1; P <= T.L; ++P) {
    if (P % 256 == 1) {
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
    if (T.THREESTRAND && FIRST[I] >= 1) {
      const SPLIT SP = SPLITOF(T.FORM[I]);
      MU3CONJOF[I] = SMALLESTCONJUGATOR(T, P, SP, Q, SPLITOFRANK(Q), W);
      MU3SSSCONJOF[I] = FIRST[I] == Q ? MU3CONJOF[I]
                                      : SMALLESTCONJUGATOR(T, P, SP, FIRST[I], SPLITOFRANK(FIRST[I]), W);
    } else {
      MU3CONJOF[I] = CONJUGATORIN(T, P, Q);
      MU3SSSCONJOF[I] = CONJUGATORIN(T, P, FIRST[I]);
    }
  }
}

void BUILDMU3() {
  std::vector<std::int32_t> M, C, S;
  MAKEMU3TABLES(BRAIDLIST, SSSLIST, MU3SSS, M, C, S);
  std::swap(MU3, M);
  std::swap(MU3CONJ, C);
  std::swap(MU3SSSCONJ, S);
}

}  // namespace BraidConjugacy
