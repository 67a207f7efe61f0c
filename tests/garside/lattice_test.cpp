// The lattice orders: hand-worked gcds and lcms on three strands; on seeded
// words of any sign, that each gcd divides both braids and is divided by a
// common divisor built into them, that each lcm is a multiple of both and
// divides a common multiple built from Delta, and that a central Delta^2k
// passes through; reversal and mirror against the words; stop requests.
#include "garside/lattice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <stdexcept>

#include "basics/interrupt.h"
#include "tests/garside/tietze.h"

namespace {

using garside::NormalForm;
using garside::Word;
using garsidetest::concat;
using garsidetest::random_positive_word;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

TEST(Lattice, HandWorkedOnThreeStrands) {
  const NormalForm a = nf(3, {1});
  const NormalForm b = nf(3, {2});
  const NormalForm delta = garside::delta_power(3, 1);
  const NormalForm one = garside::identity(3);
  // sigma_1 and sigma_2 have the common multiples aba = bab = Delta.
  EXPECT_EQ(garside::right_lcm(a, b), delta);
  EXPECT_EQ(garside::left_lcm(a, b), delta);
  EXPECT_EQ(garside::left_gcd(a, b), one);
  EXPECT_EQ(garside::left_gcd(nf(3, {1, 2}), nf(3, {2, 1})), one);
  EXPECT_EQ(garside::right_gcd(nf(3, {1, 2}), nf(3, {2, 1})), one);
  // aba = ab.a = b.ab: ab is a prefix and a suffix of Delta.
  EXPECT_EQ(garside::left_gcd(delta, nf(3, {1, 2})), nf(3, {1, 2}));
  EXPECT_EQ(garside::right_gcd(delta, nf(3, {1, 2})), nf(3, {1, 2}));
  EXPECT_EQ(garside::left_gcd(nf(3, {1, 2}), nf(3, {1, 1})), a);
  EXPECT_EQ(garside::right_gcd(nf(3, {1, 2}), nf(3, {1, 1})), one);
  // Delta^-1 <= sigma_i^-1 (Delta sigma_i^-1 is positive), and nothing larger
  // is a prefix of both: the mirror of the lcm Delta of a and b.
  EXPECT_EQ(garside::left_gcd(nf(3, {-1}), nf(3, {-2})), garside::delta_power(3, -1));
  EXPECT_EQ(garside::right_lcm(nf(3, {-1}), nf(3, {-2})), one);
  EXPECT_EQ(garside::left_gcd(a, a), a);
}

TEST(Lattice, DivisorsAndMultiplesOfSeededBraids) {
  std::mt19937 gen(26);
  for (int round = 0; round < 120; ++round) {
    const int n = 3 + round % 4;
    const Word d = random_word(gen, n, 6);
    const Word u = random_positive_word(gen, n, static_cast<int>(gen() % 8));
    const Word v = random_positive_word(gen, n, static_cast<int>(gen() % 8));
    // x = d u, y = d v have the common left divisor d, and x' = u d, y' = v d
    // the common right divisor d.
    const NormalForm x = nf(n, concat(d, u));
    const NormalForm y = nf(n, concat(d, v));
    const NormalForm g = garside::left_gcd(x, y);
    EXPECT_TRUE(garside::left_divides(g, x) && garside::left_divides(g, y));
    EXPECT_TRUE(garside::left_divides(nf(n, d), g));
    const NormalForm xr = nf(n, concat(u, d));
    const NormalForm yr = nf(n, concat(v, d));
    const NormalForm h = garside::right_gcd(xr, yr);
    EXPECT_TRUE(garside::right_divides(h, xr) && garside::right_divides(h, yr));
    EXPECT_TRUE(garside::right_divides(nf(n, d), h));
    // Delta^N w (w positive, N at least both sups) is a common right
    // multiple, w Delta^N a common left one: the lcms divide them.
    const std::int64_t big = std::max(garside::sup(x), garside::sup(y));
    const NormalForm w = nf(n, random_positive_word(gen, n, 5));
    const NormalForm m = garside::right_lcm(x, y);
    EXPECT_TRUE(garside::left_divides(x, m) && garside::left_divides(y, m));
    EXPECT_TRUE(garside::left_divides(m, garside::multiply(garside::delta_power(n, big), w)));
    const NormalForm l = garside::left_lcm(x, y);
    EXPECT_TRUE(garside::right_divides(x, l) && garside::right_divides(y, l));
    EXPECT_TRUE(garside::right_divides(l, garside::multiply(w, garside::delta_power(n, big))));
    // Delta^2k is central: it passes through each of the four.
    const NormalForm twist = garside::delta_power(n, 2 * (static_cast<int>(gen() % 5) - 2));
    const NormalForm xt = garside::multiply(x, twist);
    const NormalForm yt = garside::multiply(y, twist);
    EXPECT_EQ(garside::left_gcd(xt, yt), garside::multiply(g, twist));
    EXPECT_EQ(garside::right_gcd(xt, yt), garside::multiply(garside::right_gcd(x, y), twist));
    EXPECT_EQ(garside::right_lcm(xt, yt), garside::multiply(m, twist));
    EXPECT_EQ(garside::left_lcm(xt, yt), garside::multiply(l, twist));
  }
}

TEST(Lattice, ReverseAndMirrorSpellTheirWords) {
  std::mt19937 gen(7);
  for (int round = 0; round < 40; ++round) {
    const int n = 2 + round % 5;
    const Word w = random_word(gen, n, 12);
    Word r(w.rbegin(), w.rend());
    Word m = w;
    for (auto& letter : m) {
      letter = static_cast<std::int16_t>(-letter);
    }
    EXPECT_EQ(garside::reverse(nf(n, w)), nf(n, r));
    EXPECT_EQ(garside::mirror(nf(n, w)), nf(n, m));
  }
}

TEST(Lattice, RefusesMixedStrandsAndStops) {
  EXPECT_THROW(garside::left_gcd(garside::identity(3), garside::identity(4)), std::invalid_argument);
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  const NormalForm x = nf(4, {1, 2, 3});
  EXPECT_THROW(garside::left_gcd(x, x, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::right_lcm(x, x, &stop), basics::INTERRUPTED);
  flag = false;
  EXPECT_EQ(garside::left_gcd(x, x, &stop), x);
}

}  // namespace
