#include "basics/conversions.h"

#include <cmath>

namespace basics {

std::string INTTOSTR(std::int32_t N) { return std::to_string(N); }

std::int32_t STRTOINT(std::string_view U) {
  std::uint32_t RESULT = 0;
  for (char C : U) {
    RESULT = RESULT * 10u + static_cast<std::uint32_t>(static_cast<unsigned char>(C)) - 48u;
  }
  return static_cast<std::int32_t>(RESULT);
}

// With M = N + 1, the diagonal d of pair N is the largest P with
// P(P+1) < 2M, and N1 = M - d(d+1)/2 - 1. Since d(d+1) < 2M <= (d+1)(d+2) <
// (d + 3/2)^2, the root of 2M rounded is d or d + 1, and the downward
// corrections (two, though one suffices) reach d. 2M < 2^33, so the double
// root is far more precise than the 1/2 that rounding needs.
void SPLITINTEGER2(std::int32_t N, std::int32_t& N1, std::int32_t& N2) {
  if (N <= 0) {
    N1 = 0;
    N2 = 0;
    return;
  }
  const std::int64_t M = static_cast<std::int64_t>(N) + 1;
  std::int64_t P = std::llround(std::sqrt(2.0 * static_cast<double>(M)));
  for (int STEP = 0; STEP < 2; ++STEP) {
    if ((P + 1) * P >= 2 * M) {
      --P;
    }
  }
  const std::int64_t FIRST = M - P * (P + 1) / 2 - 1;
  N1 = static_cast<std::int32_t>(FIRST);
  N2 = static_cast<std::int32_t>(P - FIRST);
}

}  // namespace basics
