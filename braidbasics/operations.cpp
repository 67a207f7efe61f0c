#include "braidbasics/operations.h"

#include <cstring>
#include <string>

namespace BraidBasics {

namespace {

constexpr std::size_t LETTERBYTES = sizeof(BLETTER);

// TO.V[AT..AT+N-1] := FROM.V[FIRST..FIRST+N-1], the two ranges may overlap.
// Nothing is read or written for N = 0, when a record may have no letters
// allocated at all.
void COPYLETTERS(BRAID& TO, std::int32_t AT, const BRAID& FROM, std::int32_t FIRST, std::int32_t N) {
  if (N > 0) {
    std::memmove(TO.V.data() + AT, FROM.V.data() + FIRST, N * LETTERBYTES);
  }
}

}  // namespace

void BCONCAT(BRAID& B, const BRAID& BB, const BLIMITS& LIMITS) {
  const std::int32_t N = BB.L;  // read first: BB may be B itself
  BRESERVE(B, static_cast<std::int64_t>(B.L) + N, LIMITS);
  COPYLETTERS(B, B.L + 1, BB, 1, N);
  B.W = SUP(B.W, BB.W);
  B.L += N;
}

BRAID BPROD(const BRAID& B1, const BRAID& B2, const BLIMITS& LIMITS) {
  BRAID B;
  BRESERVE(B, static_cast<std::int64_t>(B1.L) + B2.L, LIMITS);
  B.W = SUP(B1.W, B2.W);
  COPYLETTERS(B, 1, B1, 1, B1.L);
  COPYLETTERS(B, B1.L + 1, B2, 1, B2.L);
  B.L = B1.L + B2.L;
  return B;
}

void BCOPY(const BRAID& B, BRAID& BB) {
  if (&B == &BB) {
    return;
  }
  BROOM(BB, B.L);
  COPYLETTERS(BB, 1, B, 1, B.L);
  BB.L = B.L;
  BB.W = B.W;
}

bool BEQUAL(const BRAID& B, const BRAID& BB) {
  if (B.L != BB.L) {
    return false;
  }
  return B.L == 0 || std::memcmp(&B.V[1], &BB.V[1], B.L * LETTERBYTES) == 0;
}

void BEXTRACT(const BRAID& B, std::int32_t P, std::int32_t Q, BRAID& BB) {
  BB = BEXTRACTED(B, P, Q);
}

BRAID BEXTRACTED(const BRAID& B, std::int32_t P, std::int32_t Q) {
  BRAID RESULT;
  RESULT.W = B.W;
  const std::int32_t FIRST = SUP(P, 1);
  const std::int32_t LAST = INF(Q, B.L);
  RESULT.L = 0;
  if (FIRST <= LAST) {
    RESULT.L = LAST - FIRST + 1;
    BROOM(RESULT, RESULT.L);
    COPYLETTERS(RESULT, 1, B, FIRST, RESULT.L);
  }
  return RESULT;
}

void BINSERT(BRAID& B, std::int32_t P, std::int32_t Q, const BRAID& BB, const BLIMITS& LIMITS) {
  if (P < 1 || P > static_cast<std::int64_t>(Q) + 1 || static_cast<std::int64_t>(Q) + 1 > static_cast<std::int64_t>(B.L) + 1) {
    return;
  }
  const BRAID INSERTED = BB;  // BB may be B itself
  const std::int32_t M = INSERTED.L - (Q - P + 1);
  BRESERVE(B, static_cast<std::int64_t>(B.L) + M, LIMITS);
  if (B.L > Q) {
    std::memmove(&B.V[Q + 1 + M], &B.V[Q + 1], (B.L - Q) * LETTERBYTES);
  }
  COPYLETTERS(B, P, INSERTED, 1, INSERTED.L);
  B.L += M;
  B.W = SUP(B.W, INSERTED.W);
}

void BINV(BRAID& B) {
  for (std::int32_t R = 1; R <= B.L / 2; ++R) {
    const BLETTER X = B.V[R];
    B.V[R] = static_cast<BLETTER>(-B.V[B.L - R + 1]);
    B.V[B.L - R + 1] = static_cast<BLETTER>(-X);
  }
  if (B.L % 2 == 1) {
    const std::int32_t M = B.L / 2 + 1;
    B.V[M] = static_cast<BLETTER>(-B.V[M]);
  }
}

BRAID BINVERSED(const BRAID& B) {
  BRAID RESULT;
  BROOM(RESULT, B.L);
  RESULT.L = B.L;
  RESULT.W = B.W;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    RESULT.V[R] = static_cast<BLETTER>(-B.V[B.L - R + 1]);
  }
  return RESULT;
}

void BFLIP(BRAID& B) {
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const std::int32_t X = B.V[R];
    B.V[R] = static_cast<BLETTER>(X > 0 ? B.W - X : -(B.W + X));
  }
}

void BFREEREDUCE(BRAID& B) {
  // A stack pass: letters are kept in V[1..TOP]; a letter that cancels the
  // top one pops it. The result is the same freely reduced word as the
  // step-back cursor gives (free reduction has a unique result), in one pass.
  std::int32_t TOP = 0;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (TOP > 0 && B.V[TOP] + B.V[R] == 0) {
      --TOP;
    } else {
      B.V[++TOP] = B.V[R];
    }
  }
  B.L = TOP;
}

BRAID BNEGPREFIX(const BRAID& B) {
  std::int32_t K = 0;
  while (K < B.L && B.V[K + 1] < 0) {
    ++K;
  }
  return BEXTRACTED(B, 1, K);
}

BRAID BPOSPREFIX(const BRAID& B) {
  std::int32_t K = 0;
  while (K < B.L && B.V[K + 1] > 0) {
    ++K;
  }
  return BEXTRACTED(B, 1, K);
}

bool BPOSITIVE(const BRAID& B) {
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (B.V[R] < 0) {
      return false;
    }
  }
  return true;
}

void BSPLIT(BRAID& B, BRAID& BB) {
  const std::int32_t H = B.L / 2;
  const std::int32_t REST = B.L - H;
  if (&B != &BB) {
    BROOM(BB, REST);
    COPYLETTERS(BB, 1, B, H + 1, REST);
    BB.L = REST;
    BB.W = B.W;
    B.L = H;
  } else {
    B.L = H;  // one record cannot hold both halves: it keeps the first
  }
}

void BINVWORD(std::string& W) {
  std::string RESULT;
  RESULT.reserve(W.size());
  for (auto IT = W.rbegin(); IT != W.rend(); ++IT) {
    const int C = static_cast<unsigned char>(*IT);
    if (C >= 65 && C <= 95) {
      RESULT.push_back(static_cast<char>(C + 32));
    } else if (C >= 97 && C <= 127) {
      RESULT.push_back(static_cast<char>(C - 32));
    } else if (C == '.') {
      RESULT.push_back('.');
    }
  }
  W = RESULT;
}

}  // namespace BraidBasics
