// Simple braids: meets and joins checked against the definition of the
// prefix and suffix orders on every pair of permutations of 4 and 5 strands,
// and by their characterizations on seeded random pairs of 17 to 300 strands
// (both storage sizes, both join methods); complements, the flip, the
// permutation braid words, the starting and finishing sets; bad arguments.
//
// The orders are decided here from the definition alone: t <= s exactly when
// s = t u for a positive u, and for permutation braids that is when the
// permutation u = t^-1 s has as many crossings as s has more than t (the
// crossings of a product add up exactly when no pair crosses twice).
#include "garside/simple.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <stdexcept>
#include <vector>

#include "tests/garside/tietze.h"

namespace {

using garside::Simple;
using Perm = std::vector<std::uint16_t>;

std::int64_t crossings(const Perm& p) {
  std::int64_t c = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    for (std::size_t j = i + 1; j < p.size(); ++j) {
      c += p[i] > p[j] ? 1 : 0;
    }
  }
  return c;
}

// t <= s: s = t u with u[t[i]] = s[i].
bool prefix(const Perm& t, const Perm& s) {
  Perm u(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    u[t[i]] = s[i];
  }
  return crossings(s) == crossings(t) + crossings(u);
}

// t right-divides s: s = u t with s[i] = t[u[i]].
bool suffix(const Perm& t, const Perm& s) {
  Perm tinv(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    tinv[t[i]] = static_cast<std::uint16_t>(i);
  }
  Perm u(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    u[i] = tinv[s[i]];
  }
  return crossings(s) == crossings(u) + crossings(t);
}

std::vector<Perm> all_permutations(int n) {
  Perm p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  std::vector<Perm> all;
  do {
    all.push_back(p);
  } while (std::next_permutation(p.begin(), p.end()));
  return all;
}

Perm random_permutation(std::mt19937& gen, int n) {
  Perm p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  std::shuffle(p.begin(), p.end(), gen);
  return p;
}

// A random simple braid of about LENGTH crossings: the permutation braid of a
// random positive word with each repeated crossing skipped.
Perm random_short(std::mt19937& gen, int n, int length) {
  Perm p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  for (int k = 0; k < length; ++k) {
    const auto j = static_cast<std::size_t>(gen() % static_cast<unsigned>(n - 1));
    if (p[j] < p[j + 1]) {
      std::swap(p[j], p[j + 1]);
    }
  }
  return p;
}

Simple of(const Perm& p) { return Simple::from_permutation(p); }

// The generators i with p[i-1] > p[i] (those that start the braid).
std::vector<int> descents(const Perm& p) {
  std::vector<int> d;
  for (std::size_t i = 1; i < p.size(); ++i) {
    if (p[i - 1] > p[i]) {
      d.push_back(static_cast<int>(i));
    }
  }
  return d;
}

Perm inverse_of(const Perm& p) {
  Perm q(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    q[p[i]] = static_cast<std::uint16_t>(i);
  }
  return q;
}

bool disjoint(const std::vector<int>& a, const std::vector<int>& b) {
  for (const int x : a) {
    if (std::find(b.begin(), b.end(), x) != b.end()) {
      return false;
    }
  }
  return true;
}

TEST(SimpleLattice, MeetsAndJoinsAreTheBoundsOfBothOrdersOnFourAndFiveStrands) {
  for (const int n : {4, 5}) {
    const std::vector<Perm> all = all_permutations(n);
    for (const Perm& a : all) {
      for (const Perm& b : all) {
        const Perm meet = garside::left_meet(of(a), of(b)).permutation();
        const Perm join = garside::left_join(of(a), of(b)).permutation();
        const Perm rmeet = garside::right_meet(of(a), of(b)).permutation();
        const Perm rjoin = garside::right_join(of(a), of(b)).permutation();
        ASSERT_TRUE(prefix(meet, a) && prefix(meet, b));
        ASSERT_TRUE(prefix(a, join) && prefix(b, join));
        ASSERT_TRUE(suffix(rmeet, a) && suffix(rmeet, b));
        ASSERT_TRUE(suffix(a, rjoin) && suffix(b, rjoin));
        for (const Perm& t : all) {
          if (prefix(t, a) && prefix(t, b)) {
            ASSERT_TRUE(prefix(t, meet));
          }
          if (prefix(a, t) && prefix(b, t)) {
            ASSERT_TRUE(prefix(join, t));
          }
          if (suffix(t, a) && suffix(t, b)) {
            ASSERT_TRUE(suffix(t, rmeet));
          }
          if (suffix(a, t) && suffix(b, t)) {
            ASSERT_TRUE(suffix(rjoin, t));
          }
        }
        ASSERT_EQ(garside::left_divides(of(a), of(b)), prefix(a, b));
        ASSERT_EQ(garside::right_divides(of(a), of(b)), suffix(a, b));
      }
    }
  }
}

// The meet m of a and b divides both and m^-1 a, m^-1 b have no common first
// generator; the join j is a multiple of both and a^-1 j, b^-1 j have no
// common last generator. Short and long braids both, so that meets and joins
// of every size occur.
TEST(SimpleLattice, MeetsAndJoinsOnManyStrandsHaveTheirCharacterizations) {
  std::mt19937 gen(20250611);
  for (const int n : {17, 40, 64, 65, 300}) {
    for (int round = 0; round < 40; ++round) {
      const bool short_ones = round % 2 == 0;
      const Perm a = short_ones ? random_short(gen, n, n) : random_permutation(gen, n);
      const Perm b = short_ones ? random_short(gen, n, n) : random_permutation(gen, n);
      const Perm m = garside::left_meet(of(a), of(b)).permutation();
      ASSERT_TRUE(prefix(m, a) && prefix(m, b)) << n;
      const Perm ma = garside::left_quotient(of(m), of(a)).permutation();
      const Perm mb = garside::left_quotient(of(m), of(b)).permutation();
      EXPECT_TRUE(disjoint(descents(ma), descents(mb))) << n;

      const Perm j = garside::left_join(of(a), of(b)).permutation();
      ASSERT_TRUE(prefix(a, j) && prefix(b, j)) << n;
      const Perm aj = garside::left_quotient(of(a), of(j)).permutation();
      const Perm bj = garside::left_quotient(of(b), of(j)).permutation();
      EXPECT_TRUE(disjoint(descents(inverse_of(aj)), descents(inverse_of(bj)))) << n;

      const Perm rm = garside::right_meet(of(a), of(b)).permutation();
      ASSERT_TRUE(suffix(rm, a) && suffix(rm, b)) << n;
      const Perm arm = garside::right_quotient(of(a), of(rm)).permutation();
      const Perm brm = garside::right_quotient(of(b), of(rm)).permutation();
      EXPECT_TRUE(disjoint(descents(inverse_of(arm)), descents(inverse_of(brm)))) << n;

      const Perm rj = garside::right_join(of(a), of(b)).permutation();
      ASSERT_TRUE(suffix(a, rj) && suffix(b, rj)) << n;
      const Perm rja = garside::right_quotient(of(rj), of(a)).permutation();
      const Perm rjb = garside::right_quotient(of(rj), of(b)).permutation();
      EXPECT_TRUE(disjoint(descents(rja), descents(rjb))) << n;
    }
  }
}

TEST(SimpleBraids, ComplementsAndTheFlip) {
  std::mt19937 gen(7);
  for (const int n : {2, 3, 6, 16, 17, 100}) {
    const Simple delta = Simple::delta(n);
    EXPECT_EQ(delta.length(), static_cast<std::int64_t>(n) * (n - 1) / 2);
    EXPECT_EQ(garside::right_complement(delta), Simple(n));
    EXPECT_EQ(garside::left_complement(Simple(n)), delta);
    for (int round = 0; round < 20; ++round) {
      const Simple s = of(random_permutation(gen, n));
      EXPECT_EQ(garside::product(s, garside::right_complement(s)), delta);
      EXPECT_EQ(garside::product(garside::left_complement(s), s), delta);
      EXPECT_EQ(garside::left_complement(garside::right_complement(s)), s);
      EXPECT_EQ(garside::tau(garside::tau(s)), s);
      EXPECT_EQ(garside::tau(s, 2), s);
      // The flip renames sigma_i as sigma_(n-i) in any word of s.
      EXPECT_EQ(garside::tau(s), Simple::from_word(n, garsidetest::flipped(s.word(), n)));
      // The reverse braid is spelled by the reversed word.
      garside::Word w = s.word();
      std::reverse(w.begin(), w.end());
      EXPECT_EQ(garside::reverse(s), Simple::from_word(n, w));
    }
    for (int i = 1; i < n; ++i) {
      EXPECT_EQ(garside::tau(Simple::atom(n, i)), Simple::atom(n, n - i));
    }
  }
}

TEST(SimpleBraids, PermutationBraidWordsAndGeneratorSets) {
  std::mt19937 gen(11);
  for (const int n : {3, 5, 16, 17, 70, 300}) {
    for (int round = 0; round < 20; ++round) {
      const Perm p = random_permutation(gen, n);
      const Simple s = of(p);
      const garside::Word w = s.word();
      EXPECT_EQ(static_cast<std::int64_t>(w.size()), crossings(p));
      EXPECT_EQ(s.length(), crossings(p));
      EXPECT_EQ(Simple::from_word(n, w), s);
      if (n <= 17) {
        for (int i = 1; i < n; ++i) {
          const Perm atom = Simple::atom(n, i).permutation();
          const auto starts = s.starting_set();
          const auto ends = s.finishing_set();
          EXPECT_EQ(s.starts_with(i), prefix(atom, p));
          EXPECT_EQ(s.ends_with(i), suffix(atom, p));
          EXPECT_EQ(std::find(starts.begin(), starts.end(), i) != starts.end(), prefix(atom, p));
          EXPECT_EQ(std::find(ends.begin(), ends.end(), i) != ends.end(), suffix(atom, p));
        }
      }
    }
  }
  // sigma_1 sigma_2 sigma_1 is Delta on three strands; sigma_1 sigma_2 sends
  // the strand at 0 to 2 and moves the others down.
  EXPECT_TRUE(Simple::from_word(3, {1, 2, 1}).is_delta());
  EXPECT_EQ(Simple::from_word(3, {1, 2}).permutation(), (Perm{2, 0, 1}));
  EXPECT_EQ(Simple::from_word(3, {1, 2}).starting_set(), std::vector<int>{1});
  EXPECT_EQ(Simple::from_word(3, {1, 2}).finishing_set(), std::vector<int>{2});
  EXPECT_TRUE(Simple(1).is_delta() && Simple(1).is_identity());
}

TEST(SimpleBraids, BadArgumentsAreRefused) {
  EXPECT_THROW(Simple(0), std::invalid_argument);
  EXPECT_THROW(Simple(32768), std::invalid_argument);
  EXPECT_NO_THROW(Simple(32767));
  EXPECT_THROW(Simple::atom(3, 3), std::invalid_argument);
  EXPECT_THROW(Simple::atom(3, 0), std::invalid_argument);
  EXPECT_THROW(Simple::from_word(3, {1, 1}), std::invalid_argument);
  EXPECT_THROW(Simple::from_word(3, {1, 2, 1, 2}), std::invalid_argument);
  EXPECT_THROW(Simple::from_word(3, {-1}), std::invalid_argument);
  EXPECT_THROW(Simple::from_permutation(Perm{0, 0, 1}), std::invalid_argument);
  EXPECT_THROW(Simple::from_permutation(Perm{0, 3, 1}), std::invalid_argument);
  EXPECT_THROW(garside::product(Simple::atom(3, 1), Simple::atom(3, 1)), std::invalid_argument);
  EXPECT_THROW(garside::left_quotient(Simple::atom(3, 2), Simple::atom(3, 1)),
               std::invalid_argument);
  EXPECT_THROW(garside::right_quotient(Simple::atom(3, 1), Simple::atom(3, 2)),
               std::invalid_argument);
  EXPECT_THROW(garside::left_meet(Simple(3), Simple(4)), std::invalid_argument);
}

}  // namespace
