#include "basics/wordenumeration.h"

#include <algorithm>

namespace basics {

namespace {

// The bijective base-K digits of NN, most significant first, each passed
// through DIGITCHAR (digits 1..K). Each step takes the last digit D in 1..K,
// D = NN mod K with 0 read as K, and goes on with (NN - D) / K.
template <typename DIGITCHARFN>
std::string BIJECTIVE(std::int64_t NN, std::int64_t K, DIGITCHARFN DIGITCHAR) {
  std::string RESULT;
  if (K <= 0) {
    return RESULT;
  }
  while (NN > 0) {
    const std::int64_t D = (NN - 1) % K + 1;
    RESULT.push_back(DIGITCHAR(D));
    NN = (NN - D) / K;
  }
  std::reverse(RESULT.begin(), RESULT.end());
  return RESULT;
}

// K^E modulo 2^64 (1 for E <= 0), by repeated squaring.
std::uint64_t POWER(std::uint64_t K, std::int64_t E) {
  std::uint64_t RESULT = 1;
  while (E > 0) {
    if (E % 2 == 1) {
      RESULT *= K;
    }
    K *= K;
    E /= 2;
  }
  return RESULT;
}

}  // namespace

std::string THESTRING(std::int64_t NN, std::int32_t M) {
  return BIJECTIVE(NN, M, [](std::int64_t D) { return static_cast<char>(96 + D); });
}

std::string THESIGNEDSTRING(std::int64_t NN, std::int32_t M) {
  return BIJECTIVE(NN, 2 * static_cast<std::int64_t>(M), [M](std::int64_t D) {
    return static_cast<char>(D <= M ? 96 + D : 64 + (D - M));
  });
}

std::string THEREFSTRING(std::int64_t NN, std::string_view WREF) {
  return BIJECTIVE(NN, static_cast<std::int64_t>(WREF.size()),
                   [WREF](std::int64_t D) { return WREF[static_cast<std::size_t>(D - 1)]; });
}

std::string THEELREFSTRING(std::int64_t NN, std::int32_t L, std::string_view WREF) {
  const std::int64_t N = static_cast<std::int64_t>(WREF.size());
  std::string RESULT;
  if (N == 0 || L <= 0) {
    return RESULT;
  }
  RESULT.reserve(static_cast<std::size_t>(L));
  for (std::int32_t STEP = 0; STEP < L; ++STEP) {
    const std::int64_t P = NN % N;
    RESULT.push_back(P > 0 ? WREF[static_cast<std::size_t>(P - 1)] : WREF[static_cast<std::size_t>(N - 1)]);
    // (NN + N - 1) div N, without forming NN + N - 1 when it could overflow.
    NN = NN >= 0 ? NN / N + (P > 0 ? 1 : 0) : (NN + N - 1) / N;
  }
  std::reverse(RESULT.begin(), RESULT.end());
  return RESULT;
}

// 1 + K + ... + K^L = (K^(L+1) - 1) / (K - 1) counts the words of length at
// most L, the empty one included.
std::int64_t NBREFSTRING(std::int32_t L, std::string_view WREF) {
  const std::uint64_t K = WREF.size();
  if (L < 1 || K == 0) {
    return 0;
  }
  if (K == 1) {
    return L;
  }
  return static_cast<std::int64_t>((POWER(K, static_cast<std::int64_t>(L) + 1) - 1) / (K - 1) - 1);
}

std::int64_t NBELREFSTRING(std::int32_t L, std::string_view WREF) {
  if (L < 0) {
    return 0;
  }
  return static_cast<std::int64_t>(POWER(WREF.size(), L));
}

}  // namespace basics
