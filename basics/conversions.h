// Conversions between integers and their decimal text, and the diagonal
// numbering of pairs of natural numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace basics {

// The decimal text of N, with "-" in front when N is negative; every 32-bit
// value has one, INTTOSTR(-2147483648) = "-2147483648".
std::string INTTOSTR(std::int32_t N);

// The value of U read as decimal digits: result := 10 * result + (code - 48)
// for each character, with no sign and no check of the characters ("" gives
// 0). The arithmetic wraps modulo 2^32 rather than overflow.
std::int32_t STRTOINT(std::string_view U);

// Reads the decimal number at the start of TEXT: digits with at most one
// point "." among them (at least one digit), then, if digits follow it, an
// exponent "e" or "E" with an optional sign. No sign in front, no blanks,
// no "inf", "nan" or hexadecimal. On success VALUE := the double nearest to
// the number, USED := the characters read, and the answer is true. False,
// VALUE and USED untouched, when TEXT does not begin with a number or when
// its value overflows to infinity or a number other than 0 rounds to 0. The
// point is "." whatever the C locale says.
bool STRTOREAL(std::string_view TEXT, double& VALUE, std::size_t& USED);

// (N1, N2) := the pair numbered N when the pairs of natural numbers are
// listed by diagonals of constant sum, N1 increasing along each diagonal:
// 0 -> (0, 0), 1 -> (0, 1), 2 -> (1, 0), 3 -> (0, 2), 4 -> (1, 1), ...
// The pair numbered N lies on the diagonal d with d(d+1)/2 <= N <
// (d+1)(d+2)/2, at N1 = N - d(d+1)/2. A negative N gives (0, 0).
void SPLITINTEGER2(std::int32_t N, std::int32_t& N1, std::int32_t& N2);

}  // namespace basics
