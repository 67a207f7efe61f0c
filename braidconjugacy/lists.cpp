#include "braidconjugacy/lists.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <utility>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "handlereduction/orderings.h"

namespace BraidConjugacy {

bool FOUND = false;

std::string_view ENTRY(const LIST& LIST, std::int32_t P) {
  const LISTENTRY& E = LIST.V[P];
  return std::string_view(E.TEXT, E.SIZE);
}

void SETENTRY(LIST& LIST, std::int32_t P, std::string_view W) {
  LISTENTRY& E = LIST.V[P];
  const std::size_t SIZE = std::min<std::size_t>(W.size(), MAXLENGTHINBRAIDLIST);
  std::memcpy(E.TEXT, W.data(), SIZE);
  E.SIZE = static_cast<std::uint8_t>(SIZE);
}

void EMPTYLIST(LIST& L) {
  L.L = 0;
  SETENTRY(L, 0, "?");
}

void INITLIST(std::string_view W, LIST& L) {
  L.L = 1;
  SETENTRY(L, 0, "?");
  SETENTRY(L, 1, W);
}

void WRITELIST(const LIST& L) {
  std::ostream& OUT = basics::OUTPUT();
  OUT << '(';
  for (std::int32_t P = 1; P <= L.L; ++P) {
    OUT << ENTRY(L, P);
    if (P < L.L) {
      OUT << "; ";
    }
  }
  OUT << ')';
}

void SPLITLIST(const LIST& L, LIST& L1, LIST& L2, LIST& L3) {
  const std::int32_t M = (L.L + 1) / 2;
  L1.L = std::max(M - 1, 0);
  std::copy(L.V + 1, L.V + 1 + L1.L, L1.V + 1);
  L2.L = 1;
  L2.V[1] = L.V[M];
  L3.L = std::max(L.L - M, 0);
  std::copy(L.V + M + 1, L.V + M + 1 + L3.L, L3.V + 1);
}

void CONCATLIST(const LIST& L1, const LIST& L2, const LIST& L3, LIST& L) {
  const std::int32_t TOTAL = L1.L + 1 + L3.L;
  // Built aside and copied in one go, so that L may be any of its inputs.
  auto PARTS = std::make_unique<LISTENTRY[]>(static_cast<std::size_t>(TOTAL));
  std::copy(L1.V + 1, L1.V + 1 + L1.L, PARTS.get());
  PARTS[L1.L] = L2.V[1];
  std::copy(L3.V + 1, L3.V + 1 + L3.L, PARTS.get() + L1.L + 1);
  std::copy(PARTS.get(), PARTS.get() + TOTAL, L.V + 1);
  L.L = TOTAL;
}

void COPYLIST(const LIST& L, LIST& LL) {
  if (&L == &LL) {
    return;
  }
  std::copy(L.V, L.V + L.L + 1, LL.V);
  LL.L = L.L;
}

char LISTSIGN(std::string_view X, std::string_view W) {
  // The word BPROD(BINVERSED(BDEF(X)), BDEF(W)), written straight into one
  // record: the letters of X reversed and negated, then those of W, with the
  // larger of the two widths that BDEF gives.
  BraidBasics::BRAID Q;
  Q.L = 0;
  // Room for every letter at once (a letter is a character), up to the
  // bound past which BRESERVE refuses anyway.
  BraidBasics::BROOM(Q, std::min<std::int64_t>(static_cast<std::int64_t>(X.size() + W.size()),
                                               BraidBasics::BMAXLENGTH));
  const BraidBasics::BLIMITS& LIMITS = BraidBasics::BCONSOLELIMITS();
  std::int32_t WIDTH = 1;
  auto LETTERVALUE = [](char C) -> std::int32_t {
    if (C >= 'a' && C <= 'z') {
      return C - 96;
    }
    if (C >= 'A' && C <= 'Z') {
      return -(C - 64);
    }
    return 0;
  };
  for (auto IT = X.rbegin(); IT != X.rend(); ++IT) {
    const std::int32_t V = LETTERVALUE(*IT);
    if (V != 0) {
      BraidBasics::BRESERVE(Q, Q.L + 1, LIMITS);
      Q.V[++Q.L] = static_cast<BraidBasics::BLETTER>(-V);
      WIDTH = std::max(WIDTH, (V > 0 ? V : -V) + 1);
    }
  }
  for (char C : W) {
    const std::int32_t V = LETTERVALUE(C);
    if (V != 0) {
      BraidBasics::BRESERVE(Q, Q.L + 1, LIMITS);
      Q.V[++Q.L] = static_cast<BraidBasics::BLETTER>(V);
      WIDTH = std::max(WIDTH, (V > 0 ? V : -V) + 1);
    }
  }
  Q.W = WIDTH;
  return handlereduction::BSIGN(std::move(Q));
}

void INSERTLIST(std::string_view W, LIST& L) {
  FOUND = false;
  // The range LOW..HIGH is the sublist that the recursive halving would be
  // working on; its middle is the entry (count + 1) div 2 of the range.
  std::int32_t LOW = 1;
  std::int32_t HIGH = L.L;
  while (LOW <= HIGH) {
    const std::int32_t MIDDLE = LOW + (HIGH - LOW + 2) / 2 - 1;
    const char SIGN = LISTSIGN(ENTRY(L, MIDDLE), W);
    if (SIGN == '-') {
      HIGH = MIDDLE - 1;
    } else if (SIGN == '+') {
      LOW = MIDDLE + 1;
    } else {
      FOUND = SIGN == '1';
      return;
    }
  }
  if (L.L >= MAXBRAIDLIST) {
    return;
  }
  std::copy_backward(L.V + LOW, L.V + L.L + 1, L.V + L.L + 2);
  SETENTRY(L, LOW, W);
  L.L += 1;
}

}  // namespace BraidConjugacy
