#include "basics/conversions.h"

#include <clocale>
#include <cmath>
#include <cstdlib>

namespace basics {

std::string INTTOSTR(std::int32_t N) { return std::to_string(N); }

std::int32_t STRTOINT(std::string_view U) {
  std::uint32_t RESULT = 0;
  for (char C : U) {
    RESULT = RESULT * 10u + static_cast<std::uint32_t>(static_cast<unsigned char>(C)) - 48u;
  }
  return static_cast<std::int32_t>(RESULT);
}

namespace {

bool ISDIGIT(char C) { return C >= '0' && C <= '9'; }

}  // namespace

// The text of the number is handed to strtod, which rounds correctly to the
// nearest double; the scan before it fixes what counts as the number, so
// strtod sees neither signs, blanks, "inf" nor hexadecimal, and its point
// is the one of the current C locale.
bool STRTOREAL(std::string_view TEXT, double& VALUE, std::size_t& USED) {
  std::size_t END = 0;
  std::size_t DIGITS = 0;
  bool NONZERO = false;
  bool POINT = false;
  for (; END < TEXT.size(); ++END) {
    const char C = TEXT[END];
    if (ISDIGIT(C)) {
      ++DIGITS;
      NONZERO = NONZERO || C != '0';
    } else if (C == '.' && !POINT) {
      POINT = true;
    } else {
      break;
    }
  }
  if (DIGITS == 0) {
    return false;
  }
  if (END < TEXT.size() && (TEXT[END] == 'e' || TEXT[END] == 'E')) {
    std::size_t AFTER = END + 1;
    if (AFTER < TEXT.size() && (TEXT[AFTER] == '+' || TEXT[AFTER] == '-')) {
      ++AFTER;
    }
    if (AFTER < TEXT.size() && ISDIGIT(TEXT[AFTER])) {
      END = AFTER;
      while (END < TEXT.size() && ISDIGIT(TEXT[END])) {
        ++END;
      }
    }
  }
  const std::string_view LOCALPOINT = std::localeconv()->decimal_point;
  std::string NUMBER;
  for (char C : TEXT.substr(0, END)) {
    if (C == '.') {
      NUMBER += LOCALPOINT;
    } else {
      NUMBER += C;
    }
  }
  // A number other than 0 that strtod rounds to 0 has underflowed, one that
  // it makes infinite has overflowed: neither is the value written.
  char* STOP = nullptr;
  const double READ = std::strtod(NUMBER.c_str(), &STOP);
  if (STOP != NUMBER.c_str() + NUMBER.size() || std::isinf(READ) || (READ == 0.0 && NONZERO)) {
    return false;
  }
  VALUE = READ;
  USED = END;
  return true;
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
