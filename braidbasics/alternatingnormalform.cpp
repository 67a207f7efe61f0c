// Addresses and the alternating normal form.
//
// The form is read off from the right end of the braid: a positive braid B
// is right-divisible by sigma_I exactly when left reversing of B sigma_I^-1
// ends with a positive word, which is then B sigma_I^-1 and one letter
// shorter; otherwise the reversed word keeps a negative letter and is at
// least one letter longer than B. Each letter found is stripped off and the
// next generator to try is named by the address.
#include "braidbasics/alternatingnormalform.h"

#include <cstring>
#include <ostream>
#include <string>
#include <utility>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/reversing.h"
#include "braidbasics/tablebounds.h"

namespace BraidBasics {

namespace {

// The text of an undefined result: the form of a braid that is not positive.
constexpr std::string_view UNDEFINED = "??ined";

// A := NEXTADD(A, P) in place. Only digits in 1..L exist: a level outside
// that range advances no digit and clears the digits after it.
void ADVANCE(ADDRESS& A, std::int32_t P) {
  if (P >= 1 && P <= A.L) {
    ++A.V[P];
  }
  for (std::int32_t Q = SUP(P + 1, 1); Q <= A.L; ++Q) {
    A.V[Q] = 0;
  }
}

}  // namespace

ADDRESS FIRSTADD(std::int32_t N) {
  ADDRESS A;
  for (std::int32_t& DIGIT : A.V) {
    DIGIT = 0;
  }
  A.L = SUP(0, INF(N, MAXADDRESS));
  return A;
}

ADDRESS NEXTADD(const ADDRESS& A, std::int32_t P) {
  ADDRESS RESULT = A;
  ADVANCE(RESULT, P);
  return RESULT;
}

// Step P mirrors the index inside 1..P (the flip sigma_i -> sigma_(P+1-i) of
// P + 1 strands) when the digit V[L - P + 1] is odd; the mirror of step 1 is
// the identity, so V[L] never changes the result and V[1] is never read.
std::int32_t GENERATOR(const ADDRESS& A) {
  std::int32_t I = 1;
  for (std::int32_t P = 1; P <= A.L - 1; ++P) {
    if (A.V[A.L - P + 1] % 2 != 0) {
      I = P + 1 - I;
    }
  }
  return I;
}

void ENTERADD(ADDRESS& A) {
  basics::OUTPUT() << "Enter address\n";
  std::string LINE;
  basics::READLINE(LINE, static_cast<std::size_t>(MAXADDRESS));
  A.L = static_cast<std::int32_t>(LINE.size());
  for (std::int32_t P = 1; P <= A.L; ++P) {
    A.V[P] = static_cast<unsigned char>(LINE[static_cast<std::size_t>(P - 1)]) - 96;
  }
}

void WRITEADD(const ADDRESS& A) {
  std::ostream& OUT = basics::OUTPUT();
  for (std::int32_t P = 1; P <= A.L; ++P) {
    OUT << A.V[P];
  }
}

// The search runs over the addresses of N digits in the order NEXTADD makes
// them. After a success the level is N, and advancing the last digit leaves
// the generator unchanged, so a block of equal letters grows until it fails;
// each failure moves one level up, which changes the generator. For a
// non-empty positive braid a dividing generator comes before the level falls
// below 2, so digit V[1] never advances; the guard at level 0, where no digit
// is left to advance, only keeps the loop finite should that ever fail.
//
// Each success removes exactly one letter, so the form has as many letters as
// B: it is written from its right end into a string of that length. Two
// records take turns as the current braid and the trial word, so a try copies
// only the letters of the current braid.
std::string BALTNORMALWORD(BRAID B, const BLIMITS& LIMITS) {
  std::int32_t TOP = 0;  // the largest index in the word
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (B.V[R] < 0) {
      return std::string(UNDEFINED);
    }
    TOP = SUP(TOP, B.V[R]);
  }
  if (B.L == 0) {
    return "";
  }
  // The width of a word is at least TOP + 1; taking the larger keeps every
  // letter within reach of the address.
  const std::int32_t N = INF(SUP(B.W, TOP + 1), MAXADDRESS);
  std::string W(static_cast<std::size_t>(B.L), ' ');
  std::size_t FREE = W.size();  // letters W[FREE..] are found

  ADDRESS A = FIRSTADD(N);
  std::int32_t P = N;
  BRAID TRIAL;
  BRAID* CURRENT = &B;
  BRAID* NEXT = &TRIAL;
  while (CURRENT->L > 0) {
    const std::int32_t I = GENERATOR(A);
    const std::int32_t L = CURRENT->L;
    BRESERVE(*NEXT, static_cast<std::int64_t>(L) + 1, LIMITS);
    std::memcpy(&NEXT->V[1], &CURRENT->V[1], L * sizeof(BLETTER));
    NEXT->V[L + 1] = static_cast<BLETTER>(-I);
    NEXT->L = L + 1;
    NEXT->W = SUP(CURRENT->W, I + 1);
    BLEFTREVERSE(*NEXT, LIMITS);
    if (NEXT->L < L) {
      W[--FREE] = static_cast<char>(96 + I);
      std::swap(CURRENT, NEXT);
      P = N;
    } else {
      --P;
      if (P < 1) {
        return std::string(UNDEFINED);
      }
    }
    ADVANCE(A, P);
  }
  return W;
}

std::string ALTNORMAL(std::string_view W) {
  if (W == "?") {
    return "?";
  }
  BRAID B;
  BDEF(B, W);
  return BALTNORMALWORD(B);
}

std::string PADDEDALTNORMAL(std::string_view W) {
  std::string U = ALTNORMAL(W);
  const std::int64_t BLANKS = static_cast<std::int64_t>(LENGTHBOUND) - static_cast<std::int64_t>(U.size());
  if (BLANKS > 0) {
    U.insert(0, static_cast<std::size_t>(BLANKS), ' ');
  }
  return U;
}

}  // namespace BraidBasics
