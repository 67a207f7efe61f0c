// Cycling, decycling and cyclic sliding against the words they stand for and
// hand-worked cases; the walks to a super summit element (no simple
// conjugator improves it, conjugates reach the same inf and sup, periodic
// braids reach the summit bounds their powers force), an ultra summit element
// and a sliding-circuit element (each comes back to itself); powers of Delta;
// stop requests.
#include "garside/summit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "tests/garside/tietze.h"

namespace {

using garside::NormalForm;
using garside::Simple;
using garside::Word;
using garsidetest::concat;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

Word delta_word(int n, std::int64_t p) { return garside::to_word(garside::delta_power(n, p)); }

// The word of a factor flipped K times.
Word flipped_word(const Simple& s, std::int64_t k) {
  return k % 2 == 0 ? s.word() : garsidetest::flipped(s.word(), s.strands());
}

TEST(Summit, CyclingMovesTheFlippedFirstFactorToTheEndDecyclingTheLastToTheFront) {
  std::mt19937 gen(5101);
  for (int round = 0; round < 300; ++round) {
    const int n = 3 + round % 6;
    const NormalForm x = nf(n, random_word(gen, n, 1 + static_cast<int>(gen() % 25)));
    if (x.factors.empty()) {
      continue;
    }
    // Delta^p A_2 ... A_r tau^p(A_1).
    Word cycled = delta_word(n, x.delta);
    for (std::size_t k = 1; k < x.factors.size(); ++k) {
      cycled = concat(cycled, x.factors[k].word());
    }
    cycled = concat(cycled, flipped_word(x.factors.front(), x.delta));
    EXPECT_EQ(garside::cycling(x), nf(n, cycled));
    EXPECT_EQ(garside::cycling(x), garside::conjugate(x, garside::normal_form(garside::initial_factor(x))));
    // A_r Delta^p A_1 ... A_(r-1).
    Word decycled = concat(x.factors.back().word(), delta_word(n, x.delta));
    for (std::size_t k = 0; k + 1 < x.factors.size(); ++k) {
      decycled = concat(decycled, x.factors[k].word());
    }
    EXPECT_EQ(garside::decycling(x), nf(n, decycled));
    EXPECT_EQ(garside::final_factor(x), x.factors.back());

    // None of the three lowers inf or raises sup.
    for (const NormalForm& y : {garside::cycling(x), garside::decycling(x), garside::cyclic_sliding(x)}) {
      EXPECT_GE(garside::inf(y), garside::inf(x));
      EXPECT_LE(garside::sup(y), garside::sup(x));
    }
  }
}

TEST(Summit, SlidingConjugatesByTheLargestCommonPrefixOfTheInitialFactorAndTheComplementOfTheLast) {
  std::mt19937 gen(5102);
  const std::vector<Simple> simples = garsidetest::all_simples(4);
  for (int round = 0; round < 200; ++round) {
    const NormalForm x = nf(4, random_word(gen, 4, 1 + static_cast<int>(gen() % 20)));
    if (x.factors.empty()) {
      EXPECT_TRUE(garside::preferred_prefix(x).is_identity());
      EXPECT_EQ(garside::cyclic_sliding(x), x);
      continue;
    }
    // The longest simple braid that left-divides both, by search.
    const Simple iota = garside::tau(x.factors.front(), x.delta);
    const Simple complement = garside::right_complement(x.factors.back());
    const Simple* best = nullptr;
    for (const Simple& t : simples) {
      if (garside::left_divides(t, iota) && garside::left_divides(t, complement) &&
          (best == nullptr || t.length() > best->length())) {
        best = &t;
      }
    }
    ASSERT_NE(best, nullptr);
    EXPECT_EQ(garside::preferred_prefix(x), *best);
    EXPECT_EQ(garside::cyclic_sliding(x), garside::conjugate(x, garside::normal_form(*best)));
  }
  // sigma_1 . sigma_1 sigma_2: the prefix is sigma_1 (iota = sigma_1, and the
  // complement of sigma_1 sigma_2 is sigma_1), and the slide is
  // sigma_1 sigma_2 sigma_1 = Delta: inf rises from 0 to 1.
  const NormalForm x = nf(3, {1, 1, 2});
  EXPECT_EQ(garside::preferred_prefix(x), Simple::atom(3, 1));
  EXPECT_EQ(garside::cyclic_sliding(x), garside::delta_power(3, 1));
  EXPECT_EQ(garside::cycling(x), garside::delta_power(3, 1));
  // Delta sigma_1 in B_3: iota = tau(sigma_1) = sigma_2, cycling gives
  // Delta sigma_2, and so does decycling (sigma_1 Delta = Delta sigma_2).
  const NormalForm y = nf(3, {2, 1, 2, 1});
  EXPECT_EQ(garside::initial_factor(y), Simple::atom(3, 2));
  EXPECT_EQ(garside::cycling(y), nf(3, {1, 2, 1, 2}));
  EXPECT_EQ(garside::decycling(y), nf(3, {1, 2, 1, 2}));
  EXPECT_EQ(garside::cyclic_sliding(y), nf(3, {1, 2, 1, 2}));
}

TEST(Summit, SuperSummitElementsCannotBeImprovedAndAgreeAcrossTheClass) {
  std::mt19937 gen(5103);
  for (int round = 0; round < 120; ++round) {
    const int n = 3 + round % 3;
    const std::vector<Simple> simples = garsidetest::all_simples(n);
    const Word w = random_word(gen, n, 1 + static_cast<int>(gen() % 16));
    const NormalForm x = nf(n, w);
    const garside::Conjugate s = garside::super_summit_element(x);
    EXPECT_EQ(s.element, garside::conjugate(x, s.conjugator));
    for (const Simple& c : simples) {
      NormalForm z = s.element;
      garside::conjugate_by(z, c);
      EXPECT_LE(garside::inf(z), garside::inf(s.element));
      EXPECT_GE(garside::sup(z), garside::sup(s.element));
    }
    for (int k = 0; k < 3; ++k) {
      const Word c = random_word(gen, n, 1 + static_cast<int>(gen() % 10));
      const garside::Conjugate t = garside::super_summit_element(nf(n, garsidetest::conjugated(w, c)));
      EXPECT_EQ(garside::inf(t.element), garside::inf(s.element));
      EXPECT_EQ(garside::sup(t.element), garside::sup(s.element));
    }
  }
}

// A periodic braid x with x^m = Delta^(2k) has summit inf floor(2k/m) and
// summit sup ceil(2k/m): inf and sup of a summit element y satisfy
// m inf(y) <= 2k <= m sup(y) (inf(y^m) >= m inf(y), sup(y^m) <= m sup(y)),
// and a periodic braid's summit canonical length is at most 1.
TEST(Summit, PeriodicBraidsReachTheSummitsTheirPowersForce) {
  for (int n = 3; n <= 7; ++n) {
    Word delta_root;  // sigma_1 ... sigma_(n-1), whose n-th power is Delta^2
    for (int i = 1; i < n; ++i) {
      delta_root.push_back(static_cast<std::int16_t>(i));
    }
    const Word other_root = concat(delta_root, Word{1});  // its (n-1)-th power is Delta^2
    for (const auto& [root, m] : {std::pair{delta_root, n}, std::pair{other_root, n - 1}}) {
      Word power;
      for (int k = 1; k <= 2 * m + 1; ++k) {
        power = concat(power, root);
        const garside::Conjugate s = garside::super_summit_element(nf(n, power));
        EXPECT_EQ(garside::inf(s.element), (2 * k) / m) << n << " " << k;
        EXPECT_EQ(garside::sup(s.element), (2 * k + m - 1) / m) << n << " " << k;
        const garside::Conjugate sc = garside::sliding_circuit_element(nf(n, power));
        EXPECT_EQ(garside::inf(sc.element), garside::inf(s.element));
        EXPECT_EQ(garside::sup(sc.element), garside::sup(s.element));
      }
    }
  }
}

TEST(Summit, UltraSummitAndSlidingCircuitElementsComeBackToThemselves) {
  std::mt19937 gen(5104);
  for (int round = 0; round < 200; ++round) {
    const int n = 3 + round % 6;
    const NormalForm x = nf(n, random_word(gen, n, 1 + static_cast<int>(gen() % 30)));
    const garside::Conjugate u = garside::ultra_summit_element(x);
    const garside::Conjugate sc = garside::sliding_circuit_element(x);
    const garside::Conjugate s = garside::super_summit_element(x);
    EXPECT_EQ(u.element, garside::conjugate(x, u.conjugator));
    EXPECT_EQ(sc.element, garside::conjugate(x, sc.conjugator));
    for (const NormalForm& y : {u.element, sc.element}) {
      EXPECT_EQ(garside::inf(y), garside::inf(s.element));
      EXPECT_EQ(garside::sup(y), garside::sup(s.element));
    }
    NormalForm y = garside::cycling(u.element);
    for (int k = 0; k < 10000 && y != u.element; ++k) {
      y = garside::cycling(y);
    }
    EXPECT_EQ(y, u.element);
    y = garside::cyclic_sliding(sc.element);
    for (int k = 0; k < 10000 && y != sc.element; ++k) {
      y = garside::cyclic_sliding(y);
    }
    EXPECT_EQ(y, sc.element);
  }
}

TEST(Summit, PowersOfDeltaStayAsTheyAre) {
  for (int n = 1; n <= 6; ++n) {
    for (std::int64_t p = -3; p <= 3; ++p) {
      const NormalForm x = garside::delta_power(n, p);
      EXPECT_EQ(garside::cycling(x), x);
      EXPECT_EQ(garside::decycling(x), x);
      EXPECT_EQ(garside::cyclic_sliding(x), x);
      EXPECT_TRUE(garside::preferred_prefix(x).is_identity());
      for (const garside::Conjugate& c :
           {garside::super_summit_element(x), garside::ultra_summit_element(x),
            garside::sliding_circuit_element(x)}) {
        EXPECT_EQ(c.element, x);
        EXPECT_EQ(c.conjugator, garside::identity(n));
      }
    }
  }
  // A conjugate of Delta^3 reaches Delta^3 itself.
  const Word d3 = delta_word(4, 3);
  const NormalForm x = nf(4, garsidetest::conjugated(d3, {1, -2, 3, 3}));
  EXPECT_EQ(garside::super_summit_element(x).element, garside::delta_power(4, 3));
  EXPECT_EQ(garside::sliding_circuit_element(x).element, garside::delta_power(4, 3));
}

TEST(Summit, StopRequestsAbandonTheWalks) {
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  const NormalForm x = nf(5, {1, 1, 2, -3, 4, 4, -1});
  EXPECT_THROW(garside::super_summit_element(x, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::ultra_summit_element(x, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::sliding_circuit_element(x, &stop), basics::INTERRUPTED);
  flag = false;
  EXPECT_NO_THROW(garside::super_summit_element(x, &stop));
}

}  // namespace
