// Decimal text of integers and back, decimal numbers read into doubles, and
// the diagonal numbering of pairs.
#include "basics/conversions.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

using namespace basics;

TEST(INTTOSTR, EveryThirtyTwoBitValue) {
  EXPECT_EQ(INTTOSTR(0), "0");
  EXPECT_EQ(INTTOSTR(7), "7");
  EXPECT_EQ(INTTOSTR(-7), "-7");
  EXPECT_EQ(INTTOSTR(2147483647), "2147483647");
  EXPECT_EQ(INTTOSTR(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

// Each expected value is the compiler's own correctly rounded reading of the
// same literal, or a limit of double worked out from its format.
TEST(STRTOREAL, ReadsTheNumberAtTheStartToTheNearestDouble) {
  struct Case {
    const char* TEXT;
    double VALUE;
    std::size_t USED;
  };
  const double TINY = std::numeric_limits<double>::denorm_min();  // 2^-1074 = 4.94e-324
  const Case kCases[] = {
      {"12.5 seconds", 12.5, 4},
      {"0.1", 0.1, 3},
      {".25x", 0.25, 3},
      {"1.", 1.0, 2},
      {"1..2", 1.0, 2},
      {"00012", 12.0, 5},
      {"1e2", 100.0, 3},
      {"1E+2", 100.0, 4},
      {"25e-1", 2.5, 5},
      {"1.5e3x", 1500.0, 5},
      {"1e", 1.0, 1},  // an exponent needs digits; the number is "1"
      {"1e+", 1.0, 1},
      {"1e-x", 1.0, 1},
      {"0x10", 0.0, 1},  // no hexadecimal
      {"123456789012345678901234567890", 123456789012345678901234567890.0, 30},
      {"0.3000000000000000444089209850062616169452667236328125", 0.30000000000000004, 54},
      {"1.7976931348623157e308", std::numeric_limits<double>::max(), 22},
      {"2.5e-324", TINY, 8},  // just over half the least subnormal: rounds up to it
      {"1e-310", 1e-310, 6},
      {"0e999999", 0.0, 8},
      {"0.000", 0.0, 5},
  };
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.TEXT);
    double VALUE = -7.0;
    std::size_t USED = 99;
    ASSERT_TRUE(STRTOREAL(C.TEXT, VALUE, USED));
    EXPECT_EQ(VALUE, C.VALUE);
    EXPECT_EQ(USED, C.USED);
  }
}

TEST(STRTOREAL, NoNumberOrOutOfRangeLeavesTheResultsAlone) {
  // Past the largest double, or a number other than 0 below half the least
  // subnormal: neither rounds to a finite number that is right.
  for (const char* TEXT : {"", ".", ".e5", "e5", "-1", "+1", " 1", "inf", "nan", "x1",
                           "1.7976931348623159e308", "1e400", "1e99999999999999999999",
                           "2.4e-324", "1e-400"}) {
    SCOPED_TRACE(TEXT);
    double VALUE = -7.0;
    std::size_t USED = 99;
    EXPECT_FALSE(STRTOREAL(TEXT, VALUE, USED));
    EXPECT_EQ(VALUE, -7.0);
    EXPECT_EQ(USED, 99U);
  }
}

// A German locale writes 12,5: where the machine has none installed, one is
// compiled from Debian's locale sources (package locales) with localedef.
bool COMMALOCALE() {
  const char* const kNames[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
  for (const char* NAME : kNames) {
    if (std::setlocale(LC_NUMERIC, NAME) != nullptr) {
      return true;
    }
  }
  const std::string DIR = ::testing::TempDir() + "korvel_locales";
  const std::string MAKE = "mkdir -p '" + DIR + "' && localedef -i de_DE -f UTF-8 '" + DIR +
                           "/de_DE.UTF-8' > /dev/null 2>&1";
  if (std::system(MAKE.c_str()) != 0) {
    return false;
  }
  setenv("LOCPATH", DIR.c_str(), 1);
  const bool FOUND = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  unsetenv("LOCPATH");
  return FOUND;
}

TEST(STRTOREAL, ThePointIsAPointInEveryLocale) {
  if (!COMMALOCALE()) {
    GTEST_SKIP() << "no locale with a decimal comma, and none could be made";
  }
  const std::string POINT = std::localeconv()->decimal_point;
  double VALUE = 0.0;
  std::size_t USED = 0;
  const bool READ = STRTOREAL("12.5,7", VALUE, USED);
  std::setlocale(LC_NUMERIC, "C");
  ASSERT_EQ(POINT, ",");
  ASSERT_TRUE(READ);
  EXPECT_EQ(VALUE, 12.5);
  EXPECT_EQ(USED, 4U);
}

TEST(STRTOINT, DigitsWithoutSignOrCheck) {
  EXPECT_EQ(STRTOINT(""), 0);
  EXPECT_EQ(STRTOINT("0"), 0);
  EXPECT_EQ(STRTOINT("007"), 7);
  EXPECT_EQ(STRTOINT("2147483647"), 2147483647);
  // "-" is code 45, the digit -3: 10 * (-3) + 5.
  EXPECT_EQ(STRTOINT("-5"), -25);
  // Past 32 bits the value wraps.
  EXPECT_EQ(STRTOINT("2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(STRTOINT("4294967296"), 0);
  for (std::int32_t N : {0, 1, 9, 10, 12345, 2147483647}) {
    EXPECT_EQ(STRTOINT(INTTOSTR(N)), N);
  }
}

TEST(SPLITINTEGER2, FirstDiagonals) {
  const std::int32_t kPairs[][2] = {{0, 0}, {0, 1}, {1, 0}, {0, 2}, {1, 1},
                                    {2, 0}, {0, 3}, {1, 2}, {2, 1}, {3, 0}};
  for (std::int32_t N = 0; N < 10; ++N) {
    SCOPED_TRACE(N);
    std::int32_t N1 = -1, N2 = -1;
    SPLITINTEGER2(N, N1, N2);
    EXPECT_EQ(N1, kPairs[N][0]);
    EXPECT_EQ(N2, kPairs[N][1]);
  }
}

// Walks the diagonals one pair at a time and compares every number met.
void ExpectWalkFrom(std::int32_t FIRST, std::int32_t COUNT, std::int32_t D) {
  // FIRST must be the number of the pair (0, D).
  std::int32_t N1 = 0, N2 = D;
  for (std::int32_t K = 0; K < COUNT; ++K) {
    const std::int32_t N = FIRST + K;
    std::int32_t A = -1, B = -1;
    SPLITINTEGER2(N, A, B);
    ASSERT_EQ(A, N1) << "N = " << N;
    ASSERT_EQ(B, N2) << "N = " << N;
    if (N2 == 0) {
      N2 = N1 + 1;
      N1 = 0;
    } else {
      ++N1;
      --N2;
    }
  }
}

TEST(SPLITINTEGER2, EveryNumberOfTheFirstDiagonalsAndOfTheLast) {
  ExpectWalkFrom(0, 200000, 0);
  // The diagonal 65535 starts at 65535 * 65536 / 2 = 2147450880 and holds
  // INT32_MAX at N1 = 32767.
  ExpectWalkFrom(2147450880, 32768, 65535);
  std::int32_t N1, N2;
  SPLITINTEGER2(2147483647, N1, N2);
  EXPECT_EQ(N1, 32767);
  EXPECT_EQ(N2, 32768);
}

TEST(SPLITINTEGER2, NegativeNumbersGiveTheFirstPair) {
  std::int32_t N1 = 5, N2 = 5;
  SPLITINTEGER2(-3, N1, N2);
  EXPECT_EQ(N1, 0);
  EXPECT_EQ(N2, 0);
  SPLITINTEGER2(std::numeric_limits<std::int32_t>::min(), N1, N2);
  EXPECT_EQ(N1, 0);
  EXPECT_EQ(N2, 0);
}

}  // namespace
