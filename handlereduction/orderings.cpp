#include "handlereduction/orderings.h"

#include <utility>
#include <vector>

#include "braidbasics/operations.h"
#include "handlereduction/reduction.h"

namespace handlereduction {

using BraidBasics::BRAID;

char BORDEROPTION = 'R';

std::string BORDERNAME() {
  switch (BORDEROPTION) {
    case 'R':
      return "the original R-ordering";
    case 'F':
      return "the flipped R-ordering";
    case 'U':
      return "the DD-ordering";
    default:
      return "";
  }
}

namespace {

constexpr int POSITIVE = 1;
constexpr int NEGATIVE = 2;

// The occurrence character of a set of signs: 0 none, 1 positive, 2
// negative, 3 both.
constexpr char OCCURRENCECHAR[4] = {'0', '+', '-', '?'};

// The signs with which the generator of least index (GREATEST false) or of
// greatest index (GREATEST true) among 1..W-1 occurs in B, and that index;
// SIGNS = 0 when no letter of B has an index in 1..W-1.
void DECIDINGGENERATOR(const BRAID& B, bool GREATEST, std::int32_t& INDEX, int& SIGNS) {
  INDEX = 0;
  SIGNS = 0;
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const std::int32_t X = B.V[R];
    const std::int32_t K = X > 0 ? X : -X;
    if (K >= B.W) {
      continue;  // outside the occurrence string; cannot happen in a valid record
    }
    const bool BETTER = SIGNS == 0 || (GREATEST ? K > INDEX : K < INDEX);
    if (BETTER) {
      INDEX = K;
      SIGNS = 0;
    }
    if (K == INDEX) {
      SIGNS |= X > 0 ? POSITIVE : NEGATIVE;
    }
  }
}

}  // namespace

std::string BOCCURRENCES(const BRAID& B) {
  const std::int32_t N = B.W > 1 ? B.W - 1 : 0;
  std::string S(static_cast<std::size_t>(N), '0');
  std::vector<int> SEEN(static_cast<std::size_t>(N) + 1, 0);
  for (std::int32_t R = 1; R <= B.L; ++R) {
    const std::int32_t X = B.V[R];
    const std::int32_t K = X > 0 ? X : -X;
    if (K <= N) {
      SEEN[K] |= X > 0 ? POSITIVE : NEGATIVE;
    }
  }
  for (std::int32_t K = 1; K <= N; ++K) {
    S[static_cast<std::size_t>(K - 1)] = OCCURRENCECHAR[SEEN[K]];
  }
  return S;
}

// Handle reduction leaves a word whose generator of least index occurs with
// one sign only. The flip sigma_i -> sigma_(W-i) is conjugation by Delta, an
// automorphism that reverses the order of the indices, so flipping, reducing
// and flipping back gives a word of the same braid whose generator of
// greatest index occurs with one sign only.
void BREDUCE(BRAID& B) { BREDUCE(B, BORDEROPTION, BraidBasics::BCONSOLELIMITS()); }

void BREDUCE(BRAID& B, char ORDER, const BraidBasics::BLIMITS& LIMITS) {
  if (ORDER == 'F') {
    BraidBasics::BFLIP(B);
    BFULLHFREDUCE(B, LIMITS);
    BraidBasics::BFLIP(B);
  } else {
    BFULLHFREDUCE(B, LIMITS);
  }
}

// The first character of the occurrence string that is not "0", counted from
// the left (R, U and every other letter) or from the right (F); under U the
// sign is reversed at an even index.
char BVISIBLESIGN(const BRAID& B) { return BVISIBLESIGN(B, BORDEROPTION); }

char BVISIBLESIGN(const BRAID& B, char ORDER) {
  std::int32_t INDEX = 0;
  int SIGNS = 0;
  DECIDINGGENERATOR(B, ORDER == 'F', INDEX, SIGNS);
  if (SIGNS == 0) {
    return '1';
  }
  if (ORDER == 'U' && INDEX % 2 == 0 && SIGNS != (POSITIVE | NEGATIVE)) {
    SIGNS ^= POSITIVE | NEGATIVE;
  }
  return OCCURRENCECHAR[SIGNS];
}

// A word whose deciding generator occurs with one sign shows the sign of its
// braid already; only a "?" needs the reduction, after which the deciding
// generator of a nonempty word occurs with one sign.
char BSIGN(BRAID B) { return BSIGN(std::move(B), BORDEROPTION, BraidBasics::BCONSOLELIMITS()); }

char BSIGN(BRAID B, char ORDER, const BraidBasics::BLIMITS& LIMITS) {
  const char C = BVISIBLESIGN(B, ORDER);
  if (C != '?') {
    return C;
  }
  BREDUCE(B, ORDER, LIMITS);
  return BVISIBLESIGN(B, ORDER);
}

char BCOMPARE(const BRAID& B1, const BRAID& B2, BRAID& QUOTIENT) {
  return BCOMPARE(B1, B2, QUOTIENT, BORDEROPTION, BraidBasics::BCONSOLELIMITS());
}

char BCOMPARE(const BRAID& B1, const BRAID& B2, BRAID& QUOTIENT, char ORDER,
              const BraidBasics::BLIMITS& LIMITS) {
  BRAID Q = BraidBasics::BINVERSED(B1);
  BraidBasics::BCONCAT(Q, B2, LIMITS);
  BREDUCE(Q, ORDER, LIMITS);
  QUOTIENT = std::move(Q);
  return BVISIBLESIGN(QUOTIENT, ORDER);
}

}  // namespace handlereduction
