#include "braidconjugacy/mu3.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "braidbasics/operations.h"
#include "braidconjugacy/braidtable.h"
#include "handlereduction/reduction.h"

namespace BraidConjugacy {

std::int32_t MU3[MAXSSSTABLE + 1];
std::int32_t MU3CONJ[MAXSSSTABLE + 1];
std::int32_t MU3SSSCONJ[MAXSSSTABLE + 1];

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

BraidBasics::BRAID ENTRYBRAID(std::int32_t P) {
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, ENTRY(BRAIDLIST, P));
  return B;
}

}  // namespace

std::int32_t BCONJUGATOR3BYSCAN(std::int32_t P, std::int32_t Q) {
  if (P < 1 || Q < 1 || P > BRAIDLIST.L || Q > BRAIDLIST.L) {
    return 0;
  }
  const BraidBasics::BRAID B1 = ENTRYBRAID(P);
  const BraidBasics::BRAID B2 = ENTRYBRAID(Q);
  for (std::int32_t R = 1; R <= BRAIDLIST.L; ++R) {
    const BraidBasics::BRAID B = ENTRYBRAID(R);
    const BraidBasics::BRAID CONJUGATE =
        BraidBasics::BPROD(BraidBasics::BINVERSED(B), BraidBasics::BPROD(B2, B));
    if (handlereduction::BEQUIV(B1, CONJUGATE)) {
      return R;
    }
  }
  return 0;
}

std::int32_t BCONJUGATOR3(std::int32_t P, std::int32_t Q) {
  if (P < 1 || Q < 1 || P > BRAIDLIST.L || Q > BRAIDLIST.L) {
    return 0;
  }
  const BRAIDTABLEINDEX& IDX = TABLEINDEX();
  if (!IDX.THREESTRAND) {
    return BCONJUGATOR3BYSCAN(P, Q);
  }
  const BURAU2& A = IDX.BURAU[Q];
  const BURAU2& C = IDX.BURAU[P];
  const std::int32_t L = BRAIDLIST.L;
  for (std::int32_t R = 1; R <= L; ++R) {
    const BURAU2& M = IDX.BURAU[R];
    // Top-left entries of A M and M C first: one test rejects nearly all R.
    if (A.M[0] * M.M[0] + A.M[1] * M.M[2] != M.M[0] * C.M[0] + M.M[1] * C.M[2]) {
      continue;
    }
    const BURAU2 LEFT = BURAU2PRODUCT(A, M);
    const BURAU2 RIGHT = BURAU2PRODUCT(M, C);
    if (!std::equal(LEFT.M, LEFT.M + 4, RIGHT.M)) {
      continue;
    }
    POS3 QR = IDX.FORM[Q];
    MULTIPLYBY(QR, IDX.FORM[R]);
    POS3 RP = IDX.FORM[R];
    MULTIPLYBY(RP, IDX.FORM[P]);
    if (QR.K == RP.K && QR.N == RP.N && QR.BITS == RP.BITS) {
      return R;
    }
  }
  return 0;
}

void BUILDMU3() {
  const std::int32_t COUNT = std::min(BRAIDLIST.L, MAXSSSTABLE);
  std::unordered_map<std::string, std::int32_t> FIRSTOFCLASS;
  FIRSTOFCLASS.reserve(static_cast<std::size_t>(COUNT) * 2);
  for (std::int32_t P = 1; P <= COUNT; ++P) {
    const std::int32_t Q = FIRSTOFCLASS.emplace(SSSLIST[P], P).first->second;
    MU3[P] = Q;
    MU3CONJ[P] = BCONJUGATOR3(P, Q);
    MU3SSSCONJ[P] = BCONJUGATOR3(P, MU3SSS[P]);
  }
}

}  // namespace BraidConjugacy
