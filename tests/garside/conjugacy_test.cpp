// The conjugacy test and the class representative: thousands of seeded
// conjugate pairs on 3 to 10 strands, each conjugator checked by the normal
// forms and by the core's equality test; pairs that the exponent sum or the
// cycle type of the permutation separates are never conjugate; the
// representative is shared by conjugates and differs where an invariant
// differs; powers of Delta and periodic braids; limits and stop requests.
#include "garside/conjugacy.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "garside/normalform.h"
#include "garside/summitsets.h"
#include "handlereduction/reduction.h"
#include "tests/garside/tietze.h"

// ---- The core's equality test: the one place that touches its braid record. --
namespace core {

// Whether the words A and B on STRANDS strands are the same braid, by handle
// reduction of A^-1 B without a length limit (nothing is kept in the
// signature for a reduction abandoned at a limit, which none is given here).
std::optional<bool> same_braid(int strands, const garside::Word& a, const garside::Word& b) {
  const auto record = [strands](const garside::Word& w) {
    BraidBasics::BRAID r;
    BraidBasics::BROOM(r, static_cast<std::int64_t>(w.size()));
    r.L = static_cast<std::int32_t>(w.size());
    r.W = strands;
    for (std::size_t k = 0; k < w.size(); ++k) {
      r.V[k + 1] = w[k];
    }
    return r;
  };
  return handlereduction::BEQUIV(record(a), record(b), BraidBasics::BUNLIMITED());
}

}  // namespace core
// ---------------------------------------------------------------------------

namespace {

using garside::NormalForm;
using garside::Word;
using garsidetest::concat;
using garsidetest::conjugated;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

// A random braid of one of two kinds: a long word, or a short word on many
// strands, whose class is large (the translates of its pieces along the
// strands).
Word random_braid(std::mt19937& gen, int n) {
  const int length = gen() % 3 == 0 ? 1 + static_cast<int>(gen() % 8) : 4 + static_cast<int>(gen() % 30);
  return random_word(gen, n, length);
}

TEST(Conjugacy, ConjugatePairsGiveConjugatorsThatCheck) {
  std::mt19937 gen(7101);
  int core_checked = 0;
  int pairs = 0;
  for (int round = 0; round < 3000; ++round) {
    const int n = 3 + round % 8;
    const Word a = random_braid(gen, n);
    const Word w = random_word(gen, n, 1 + static_cast<int>(gen() % 15));
    const Word b = conjugated(a, w);
    const auto c = garside::is_conjugate(n, a, b);
    ASSERT_TRUE(c.has_value()) << ::testing::PrintToString(a) << " " << ::testing::PrintToString(w);
    ++pairs;
    // c^-1 a c = b, by the normal forms and by handle reduction.
    EXPECT_EQ(garside::conjugate(nf(n, a), nf(n, *c)), nf(n, b));
    if (const auto same = core::same_braid(n, conjugated(a, *c), b)) {
      EXPECT_TRUE(*same) << ::testing::PrintToString(a) << " " << ::testing::PrintToString(w);
      ++core_checked;
    }
  }
  EXPECT_EQ(pairs, 3000);
  EXPECT_GT(core_checked, 2900);
}

// The sets of short braids on many strands can be very large; the tests that
// need whole sets bound them and count what they leave undecided.
constexpr std::size_t kLimit = 2000;

std::optional<NormalForm> representative(int n, const Word& w) {
  try {
    return garside::conjugacy_representative(nf(n, w), kLimit);
  } catch (const garside::SetTooLarge&) {
    return std::nullopt;
  }
}

using Invariants = std::pair<std::int64_t, std::vector<int>>;

Invariants invariants_of(const Word& w, int n) {
  return {garsidetest::exponent_sum(w), garsidetest::cycle_type(w, n)};
}

// The test answers no at once when the invariants differ; the representative,
// which is the least member of the whole set and compares no invariant, must
// differ as well.
TEST(Conjugacy, PairsThatAnInvariantSeparatesAreNeverConjugate) {
  std::mt19937 gen(7102);
  int separated = 0;
  int small = 0;  // separated pairs on at most 7 strands
  int by_representatives = 0;
  for (int round = 0; round < 1000; ++round) {
    const int n = 3 + round % 8;
    const Word a = random_braid(gen, n);
    // Half the time b is a conjugate of a with one letter's sign changed,
    // which moves the exponent sum by two.
    Word b = round % 2 == 0 ? random_braid(gen, n) : conjugated(a, random_word(gen, n, 3));
    if (round % 2 == 1 && !b.empty()) {
      b[gen() % b.size()] *= -1;
    }
    if (invariants_of(a, n) == invariants_of(b, n)) {
      continue;
    }
    ++separated;
    EXPECT_FALSE(garside::is_conjugate(n, a, b).has_value())
        << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
    if (n > 7) {
      continue;  // whole sets on more strands cost too much for a unit test
    }
    ++small;
    const auto ra = representative(n, a);
    const auto rb = representative(n, b);
    if (ra && rb) {
      EXPECT_NE(*ra, *rb) << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
      ++by_representatives;
    }
  }
  EXPECT_GT(separated, 700);
  EXPECT_GT(by_representatives, small * 9 / 10);
}

// Where the invariants agree, the two-ended search decides alone; it must
// agree with the comparison of the representatives, both ways.
TEST(Conjugacy, TheTestAgreesWithTheRepresentatives) {
  std::mt19937 gen(7105);
  int conjugate = 0;
  int not_conjugate = 0;
  for (int round = 0; round < 6000 && (conjugate < 150 || not_conjugate < 300); ++round) {
    const int n = 3 + round % 4;
    const int length = 2 + static_cast<int>(gen() % 8);
    const Word a = random_word(gen, n, length);
    const Word b = random_word(gen, n, length);
    if (invariants_of(a, n) != invariants_of(b, n)) {
      continue;
    }
    const auto ra = representative(n, a);
    const auto rb = representative(n, b);
    if (!ra || !rb) {
      continue;
    }
    const auto c = garside::is_conjugate(n, a, b, kLimit);
    EXPECT_EQ(c.has_value(), *ra == *rb) << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
    if (c) {
      EXPECT_EQ(garside::conjugate(nf(n, a), nf(n, *c)), nf(n, b));
      ++conjugate;
    } else {
      ++not_conjugate;
    }
  }
  EXPECT_GE(conjugate, 150);
  EXPECT_GE(not_conjugate, 300);
}

TEST(Conjugacy, RepresentativesAreSharedByConjugatesAndSeparateInvariants) {
  std::mt19937 gen(7103);
  int classes = 0;
  for (int n = 3; n <= 8; ++n) {
    // Each representative with the invariants of its class.
    std::map<NormalForm, Invariants> seen;
    for (int round = 0; round < 60; ++round) {
      const Word a = random_braid(gen, n);
      const auto r = representative(n, a);
      if (!r) {
        continue;
      }
      ++classes;
      for (int k = 0; k < 3; ++k) {
        const Word b = conjugated(a, random_word(gen, n, 1 + static_cast<int>(gen() % 12)));
        EXPECT_EQ(representative(n, b), r) << ::testing::PrintToString(a);
      }
      // The representative is a conjugate of a.
      EXPECT_TRUE(garside::conjugating_braid(nf(n, a), *r).has_value());
      EXPECT_EQ(nf(n, garside::conjugacy_representative(n, a, kLimit)), *r);
      // A representative met before must come with the same invariants:
      // braids that an invariant separates never share one.
      const auto [it, fresh] = seen.emplace(*r, invariants_of(a, n));
      if (!fresh) {
        EXPECT_EQ(it->second, invariants_of(a, n));
      }
    }
    EXPECT_GT(seen.size(), 20U);
  }
  EXPECT_GT(classes, 300);
}

TEST(Conjugacy, PowersOfDeltaAndPeriodicBraids) {
  std::mt19937 gen(7104);
  EXPECT_EQ(garside::is_conjugate(1, {}, {}), Word{});
  EXPECT_TRUE(garside::is_conjugate(2, {1, 1, 1}, {1, 1, 1}).has_value());
  EXPECT_FALSE(garside::is_conjugate(2, {1, 1, 1}, {1, 1}).has_value());
  for (int n = 3; n <= 7; ++n) {
    for (std::int64_t p = -3; p <= 3; ++p) {
      const Word d = garside::to_word(garside::delta_power(n, p));
      const Word e = conjugated(d, random_word(gen, n, 6));
      const auto c = garside::is_conjugate(n, d, e);
      ASSERT_TRUE(c.has_value());
      EXPECT_EQ(garside::conjugate(nf(n, d), nf(n, *c)), nf(n, e));
      EXPECT_EQ(garside::conjugacy_representative(nf(n, e)), garside::delta_power(n, p));
      EXPECT_FALSE(
          garside::is_conjugate(n, d, garside::to_word(garside::delta_power(n, p + 1))).has_value());
    }
    // Powers of sigma_1 ... sigma_(n-1) and of sigma_1 ... sigma_(n-1) sigma_1.
    Word root;
    for (int i = 1; i < n; ++i) {
      root.push_back(static_cast<std::int16_t>(i));
    }
    for (const Word& r : {root, concat(root, Word{1})}) {
      Word power;
      for (int k = 1; k <= 2 * n + 1; ++k) {
        power = concat(power, r);
        const NormalForm rep = garside::conjugacy_representative(nf(n, power));
        for (int t = 0; t < 3; ++t) {
          const Word b = conjugated(power, random_word(gen, n, 1 + static_cast<int>(gen() % 10)));
          const auto c = garside::is_conjugate(n, power, b);
          ASSERT_TRUE(c.has_value()) << n << " " << k;
          EXPECT_EQ(garside::conjugate(nf(n, power), nf(n, *c)), nf(n, b));
          EXPECT_EQ(garside::conjugacy_representative(nf(n, b)), rep);
        }
      }
    }
    // sigma_1 ... sigma_(n-1) and its inverse have opposite exponent sums.
    EXPECT_FALSE(garside::is_conjugate(n, root, garsidetest::inverse(root)).has_value());
  }
}

TEST(Conjugacy, LimitsStopRequestsAndBadArguments) {
  // Two conjugates that slide to different members of a set of twelve.
  const Word a{2, 2, -1, -1, 2, 2};
  const Word b = conjugated(a, {1});
  EXPECT_TRUE(garside::is_conjugate(3, a, b).has_value());
  EXPECT_THROW(garside::is_conjugate(3, a, b, 1), garside::SetTooLarge);
  EXPECT_THROW(garside::conjugacy_representative(3, a, 11), garside::SetTooLarge);
  EXPECT_NO_THROW(garside::conjugacy_representative(3, a, 12));

  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  EXPECT_THROW(garside::is_conjugate(3, a, b, 0, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::conjugacy_representative(3, a, 0, &stop), basics::INTERRUPTED);
  // A request raised during the exploration of a large set.
  const Word big{1, -3, 5, 5, -7, 9, 2};
  EXPECT_THROW(garside::conjugacy_representative(10, big, 100), garside::SetTooLarge);
  int polls = 0;
  basics::STOPREQUEST later;
  later.POLL = [&polls] { return ++polls > 500; };
  EXPECT_THROW(garside::conjugacy_representative(10, big, 0, &later), basics::INTERRUPTED);

  EXPECT_THROW(garside::conjugating_braid(nf(3, a), nf(4, a)), std::invalid_argument);
  EXPECT_THROW(garside::is_conjugate(3, {3}, {1}), std::invalid_argument);
}

}  // namespace
