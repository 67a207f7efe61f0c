// The action of letters on Dynnikov coordinates, one lamination at a time.
// Asserted: points of short words computed by hand from the formulas; that
// sigma_i and sigma_i^-1 undo each other and the braid relations hold; that
// the lamination agrees with a plain transcription of the formulas on seeded
// words, read forwards, inverted and flipped; that the 64-bit values agree
// with the GMP values letter by letter, across the move from one to the
// other; bad letters; and stop requests.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <stdexcept>
#include <vector>

#include "coordinates/lamination.h"
#include "tests/coordinates/words.h"

namespace {

using coordinates::arithmetic;
using coordinates::lamination;
using coordinates::reading;
using coordtest::values;
using coordtest::word;

constexpr arithmetic both_modes[] = {arithmetic::automatic, arithmetic::big_only};

std::vector<mpz_class> point_of(const word& w, int strands, arithmetic mode, const reading& how = {}) {
  lamination l(strands, mode);
  l.apply(w, how);
  return l.coordinates();
}

// Worked by hand from the formulas, for instance sigma_2 sigma_1^-1 on three
// strands: sigma_2 takes (0,1 | 0,1) at strands 2, 3 with d = 1 to
// (1,0 | 0,2); then sigma_1^-1 acts on (0,1 | 1,0) with e = -1, giving
// a_1 = 0 - 1 - (0 - 1)+ = -1, b_1 = 0 + (-1) = -1, a_2 = 1 - 0 - (0 + 1)- = 1,
// b_2 = 1 + 1 = 2.
TEST(Lamination, ShortWordsWorkedByHand) {
  struct worked {
    int strands;
    word w;
    std::vector<mpz_class> point;
  };
  const worked cases[] = {
      {1, {}, values({0, 1})},
      {2, {}, values({0, 1, 0, 1})},
      {2, {1}, values({1, 0, 0, 2})},
      {2, {-1}, values({-1, 0, 0, 2})},
      {2, {1, 1}, values({1, -1, 0, 3})},
      {3, {1}, values({1, 0, 0, 2, 0, 1})},
      {3, {2}, values({0, 1, 1, 0, 0, 2})},
      {3, {2, -1}, values({-1, -1, 1, 2, 0, 2})},
      {3, {1, -2}, values({1, 0, -2, 0, 0, 3})},
      {3, {1, 2}, values({1, 0, 2, 0, 0, 3})},
      {3, {2, 1}, values({2, 0, 0, 1, 0, 2})},
      {3, {1, 2, 1}, values({2, 0, 1, 0, 0, 3})},
      {3, {2, 1, 2}, values({2, 0, 1, 0, 0, 3})},
  };
  for (const auto& c : cases) {
    for (const auto mode : both_modes) {
      EXPECT_EQ(point_of(c.w, c.strands, mode), c.point) << coordtest::text(c.w) << " on " << c.strands;
    }
  }
}

// On two strands sigma_1^k is (1, 1-k, 0, 1+k) for k >= 1: from there
// d = 1 + 2k, so a_1 stays 1 + (-k)+ = 1, b_1 becomes (1+k) - (1+2k) = -k,
// a_2 stays 0 + (2+k)- = 0 and b_2 becomes 2 + k. Under the reflection a -> -a
// that conjugates sigma_1 into its inverse, sigma_1^-k is (-1, 1-k, 0, 1+k).
TEST(Lamination, PowersOfOneGenerator) {
  for (const long k : {1L, 2L, 3L, 10L, 1000L, 100000L}) {
    const word up(static_cast<std::size_t>(k), 1);
    const word down(static_cast<std::size_t>(k), -1);
    for (const auto mode : both_modes) {
      EXPECT_EQ(point_of(up, 2, mode), values({1, 1 - k, 0, 1 + k})) << k;
      EXPECT_EQ(point_of(down, 2, mode), values({-1, 1 - k, 0, 1 + k})) << k;
    }
  }
}

// Each side of each relation acts letter by letter (one apply a letter, so
// that no letter is cancelled before it acts), from the start and after a
// prefix whose values are far beyond 64 bits.
TEST(Lamination, InversesAndRelations) {
  std::mt19937 gen(1234);
  for (const auto mode : both_modes) {
    for (int strands = 2; strands <= 7; ++strands) {
      for (const word& prefix : {word{}, coordtest::random_word(gen, strands, 800)}) {
        auto after = [&](const word& tail) {
          lamination l(strands, mode);
          l.apply(prefix);
          for (const auto x : tail) {
            l.apply(word{x});
          }
          return l;
        };
        const lamination here = after({});
        for (std::int16_t x = 1; x < strands; ++x) {
          const auto X = static_cast<std::int16_t>(-x);
          EXPECT_EQ(after({x, X}), here);
          EXPECT_EQ(after({X, x}), here);
          for (std::int16_t y = 1; y < strands; ++y) {
            const auto Y = static_cast<std::int16_t>(-y);
            if (x - y >= 2 || y - x >= 2) {
              EXPECT_EQ(after({x, y}), after({y, x}));
              EXPECT_EQ(after({x, Y}), after({Y, x}));
            } else if (x != y) {
              EXPECT_EQ(after({x, y, x}), after({y, x, y}));
              EXPECT_EQ(after({X, Y, X}), after({Y, X, Y}));
            }
          }
        }
      }
    }
  }
}

// The lamination against the formulas transcribed one by one (both signs
// written out, values in GMP from the start), on words from a few letters to
// far past 64 bits.
TEST(Lamination, AgreesWithTheFormulas) {
  std::mt19937 gen(5551);
  int overflowed = 0;
  for (int round = 0; round < 400; ++round) {
    const int strands = 2 + round % 11;
    const std::size_t length = static_cast<std::size_t>(round % 5 == 0 ? 1500 : round % 97);
    const word w = coordtest::random_word(gen, strands, length);
    const auto expected = coordtest::reference(w, strands);
    for (const auto mode : both_modes) {
      lamination l(strands, mode);
      l.apply(w);
      ASSERT_EQ(l.coordinates(), expected) << coordtest::text(w);
      ASSERT_EQ(l.sign(), coordtest::reference_sign(expected)) << coordtest::text(w);
      overflowed += mode == arithmetic::automatic && !l.small();
    }
    EXPECT_EQ(point_of(w, strands, arithmetic::automatic, reading{.inverse = true}),
              coordtest::reference(coordtest::inverse(w), strands));
    EXPECT_EQ(point_of(w, strands, arithmetic::automatic, reading{.flip = strands}),
              coordtest::reference(coordtest::flipped(w, strands), strands));
    EXPECT_EQ(point_of(w, strands, arithmetic::automatic, reading{.inverse = true, .flip = strands}),
              coordtest::reference(coordtest::inverse(coordtest::flipped(w, strands)), strands));
  }
  EXPECT_GE(overflowed, 50);  // the 1500-letter words leave 64 bits
}

// Letter by letter, the 64-bit values and the GMP values stay the same point
// before, at and after the letter that moves the first to GMP.
TEST(Lamination, SmallValuesAgreeWithBigValues) {
  std::mt19937 gen(31337);
  int moved = 0;
  int stayed = 0;
  for (int round = 0; round < 120; ++round) {
    const int strands = 2 + round % 9;
    const word w = coordtest::random_word(gen, strands, static_cast<std::size_t>(200 + 17 * round));
    lamination small(strands, arithmetic::automatic);
    lamination big(strands, arithmetic::big_only);
    ASSERT_FALSE(big.small());
    for (std::size_t k = 0; k < w.size(); ++k) {
      const std::span<const std::int16_t> letter(&w[k], 1);
      const bool before = small.small();
      small.apply(letter);
      big.apply(letter);
      ASSERT_EQ(small, big) << "letter " << k << " of " << coordtest::text(w);
      ASSERT_EQ(small.sign(), big.sign());
      ASSERT_TRUE(before || !small.small());  // never back to 64 bits
    }
    (small.small() ? stayed : moved) += 1;
    // The whole word at once: the move happens inside a run of letters.
    lamination at_once(strands, arithmetic::automatic);
    at_once.apply(w);
    EXPECT_EQ(at_once.coordinates(), big.coordinates());
  }
  EXPECT_GE(moved, 30);
  EXPECT_GE(stayed, 3);
}

// The pseudo-Anosov braid sigma_1 sigma_2^-1 on three strands: its k-th
// power is (1, 2 - F(2k+1), -F(2k+1), 1 - F(2k), 0, F(2k+2)) with the
// Fibonacci numbers F(1) = F(2) = 1. By induction: from that point (k >= 2,
// so b_1, b_2 < 0), sigma_1 has d = 2 F(2k+1) - 1 and gives
// (1, 2 - F(2k) - 2 F(2k+1), 1 - F(2k+2), 1 + F(2k+1), 0, F(2k+2)); then
// sigma_2^-1 has e = 1 - 2 F(2k+2) and gives a_2 = -F(2k+3), b_2 = 1 - F(2k+2),
// a_3 = 0, b_3 = F(2k+1) + 2 F(2k+2) = F(2k+4), while b_1 = 2 - F(2k+3). The
// cases k = 1, 2 are worked out alike. F(93) > 2^63: the values leave 64 bits
// near k = 46, and every power is checked on both sides of that.
TEST(Lamination, PowersOfAPseudoAnosovBraid) {
  std::vector<mpz_class> fibonacci = {0, 1};
  while (fibonacci.size() < 700) {
    fibonacci.push_back(fibonacci[fibonacci.size() - 1] + fibonacci[fibonacci.size() - 2]);
  }
  const word step = {1, -2};
  for (const auto mode : both_modes) {
    lamination l(3, mode);
    for (std::size_t k = 1; k <= 300; ++k) {
      l.apply(step);
      const std::vector<mpz_class> expected = {1, 2 - fibonacci[2 * k + 1], -fibonacci[2 * k + 1],
                                               1 - fibonacci[2 * k], 0, fibonacci[2 * k + 2]};
      ASSERT_EQ(l.coordinates(), expected) << "power " << k;
      // 64 bits hold every value and sum up to k = 40 (all below 2 F(84) <
      // 2^59), none from k = 47 (F(95) > 2^64).
      if (k <= 40 || k >= 47) {
        ASSERT_EQ(l.small(), mode == arithmetic::automatic && k <= 40) << "power " << k;
      }
    }
  }
}

// Letters that cancel (x x^-1) leave the point where it was, however deep
// the cancellation: p r r^-1 q and p q reach the same point for words r far
// longer than the run of letters any one step holds back, read forwards and
// inverted.
TEST(Lamination, CancellingLetters) {
  std::mt19937 gen(2718);
  for (const std::size_t depth : {1UL, 100UL, 4095UL, 4096UL, 4097UL, 8192UL, 20000UL}) {
    const int strands = 3 + static_cast<int>(depth % 5);
    const word p = coordtest::random_word(gen, strands, 300);
    const word r = coordtest::random_word(gen, strands, depth);
    const word q = coordtest::random_word(gen, strands, 300);
    const word long_way = coordtest::concat(coordtest::concat(p, r), coordtest::concat(coordtest::inverse(r), q));
    const word short_way = coordtest::concat(p, q);
    for (const bool inverse : {false, true}) {
      EXPECT_EQ(point_of(long_way, strands, arithmetic::automatic, reading{.inverse = inverse}),
                point_of(short_way, strands, arithmetic::big_only, reading{.inverse = inverse}))
          << depth;
    }
    EXPECT_EQ(point_of(coordtest::concat(r, coordtest::inverse(r)), strands, arithmetic::automatic),
              point_of(word{}, strands, arithmetic::automatic));
  }
}

TEST(Lamination, BadArguments) {
  EXPECT_THROW(lamination(0), std::invalid_argument);
  EXPECT_THROW(lamination(-3), std::invalid_argument);
  for (const auto mode : both_modes) {
    lamination l(4, mode);
    l.apply(word{1, 2, 3});
    const lamination before = l;
    for (const word& bad : {word{1, 0}, word{1, 4}, word{-4}, word{2, -5, 1}, word{INT16_MIN}, word{INT16_MAX}}) {
      EXPECT_THROW(l.apply(bad), std::invalid_argument) << coordtest::text(bad);
      EXPECT_EQ(l, before) << "a rejected word changed the point";
    }
    // Indices read through the flip and the shift are checked as read.
    EXPECT_THROW(l.apply(word{4}, reading{.flip = 4}), std::invalid_argument);
    EXPECT_THROW(l.apply(word{1}, reading{.shift = 1}), std::invalid_argument);
    EXPECT_NO_THROW(l.apply(word{3}, reading{.flip = 4}));
    EXPECT_NO_THROW(l.apply(word{2}, reading{.shift = 1}));
  }
  // On one strand there is no letter at all.
  lamination one(1);
  EXPECT_THROW(one.apply(word{1}), std::invalid_argument);
  EXPECT_NO_THROW(one.apply(word{}));
  EXPECT_EQ(one.sign(), 0);
}

TEST(Lamination, StopRequests) {
  std::mt19937 gen(4242);
  const word w = coordtest::random_word(gen, 5, 100000);

  std::atomic<bool> flag{true};
  basics::STOPREQUEST raised;
  raised.FLAG = &flag;
  lamination l(5);
  EXPECT_THROW(l.apply(w, {}, &raised), basics::INTERRUPTED);
  flag = false;
  lamination m(5);
  const word short_word = coordtest::random_word(gen, 5, 100);
  EXPECT_NO_THROW(m.apply(short_word, {}, &raised));

  // A callback that says stop at its third call: two runs of letters have
  // acted, and the computation ends there.
  int calls = 0;
  basics::STOPREQUEST third;
  third.POLL = [&calls] { return ++calls == 3; };
  lamination n(5);
  EXPECT_THROW(n.apply(w, {}, &third), basics::INTERRUPTED);
  EXPECT_EQ(calls, 3);
  // Polled before every 4096 letters read, and once more if more than 4096
  // letters are still held at the end: a whole word answers no 25 or 26 times.
  int polls = 0;
  basics::STOPREQUEST never;
  never.POLL = [&polls] {
    ++polls;
    return false;
  };
  lamination o(5);
  o.apply(w, {}, &never);
  EXPECT_GE(polls, static_cast<int>((w.size() + 4095) / 4096));
  EXPECT_LE(polls, static_cast<int>((w.size() + 4095) / 4096) + 1);
  lamination p(5);
  p.apply(w);
  EXPECT_EQ(o, p);

  // A positive word of 8000 letters cancels nothing: all of it is still held
  // after the polls at letters 0 and 4096, and it acts in two runs with a
  // third poll between them.
  const word positive(8000, 2);
  int at_end = 0;
  basics::STOPREQUEST third_at_end;
  third_at_end.POLL = [&at_end] { return ++at_end == 3; };
  lamination r(5);
  EXPECT_THROW(r.apply(positive, {}, &third_at_end), basics::INTERRUPTED);
  EXPECT_EQ(at_end, 3);

  // What a callback throws leaves the computation as it is thrown.
  struct cancelled {};
  basics::STOPREQUEST throwing;
  throwing.POLL = []() -> bool { throw cancelled{}; };
  lamination q(5);
  EXPECT_THROW(q.apply(w, {}, &throwing), cancelled);
}

}  // namespace
