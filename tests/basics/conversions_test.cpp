// Decimal text of integers and back, and the diagonal numbering of pairs.
#include "basics/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
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
