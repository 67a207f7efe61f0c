// The summit sets: worked examples; on seeded braids of 3 to 5 strands the
// super summit set against a search by every simple conjugator (the set is
// connected by simple conjugators), the ultra summit set and the sliding
// circuits against the members of that set that cycling, resp. sliding,
// brings back; the minimal simple conjugators against a search through every
// simple braid of 4 strands; the conjugators of the members; limits; powers
// of Delta and periodic braids; stop requests.
#include "garside/summitsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "basics/interrupt.h"
#include "garside/minimalconjugators.h"
#include "garside/normalform.h"
#include "garside/summit.h"
#include "tests/garside/tietze.h"

namespace {

using garside::Conjugate;
using garside::NormalForm;
using garside::Simple;
using garside::Word;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

// The conjugates of START by products of simple braids that keep START's inf
// and sup: the super summit set when START lies in it.
std::set<NormalForm> search_summit(const NormalForm& start) {
  const std::vector<Simple> simples = garsidetest::all_simples(start.strands);
  std::set<NormalForm> found{start};
  std::deque<NormalForm> queue{start};
  while (!queue.empty()) {
    const NormalForm y = queue.front();
    queue.pop_front();
    for (const Simple& c : simples) {
      NormalForm z = y;
      garside::conjugate_by(z, c);
      if (garside::inf(z) == garside::inf(start) && garside::sup(z) == garside::sup(start) &&
          found.insert(z).second) {
        queue.push_back(z);
      }
    }
  }
  return found;
}

// The members of SET that STEP brings back to themselves.
template <class Step>
std::set<NormalForm> returning(const std::set<NormalForm>& set, Step step) {
  std::set<NormalForm> back;
  for (const NormalForm& y : set) {
    NormalForm z = step(y);
    for (std::size_t k = 0; k < set.size() && z != y; ++k) {
      z = step(z);
    }
    if (z == y) {
      back.insert(y);
    }
  }
  return back;
}

std::set<NormalForm> elements(const std::vector<Conjugate>& members) {
  std::set<NormalForm> s;
  for (const Conjugate& m : members) {
    s.insert(m.element);
  }
  return s;
}

std::set<NormalForm> elements(const std::vector<std::vector<Conjugate>>& orbits) {
  std::set<NormalForm> s;
  for (const auto& orbit : orbits) {
    for (const Conjugate& m : orbit) {
      s.insert(m.element);
    }
  }
  return s;
}

std::size_t count(const std::vector<std::vector<Conjugate>>& orbits) {
  std::size_t c = 0;
  for (const auto& orbit : orbits) {
    c += orbit.size();
  }
  return c;
}

NormalForm cycled(const NormalForm& x) { return garside::cycling(x); }
NormalForm slid(const NormalForm& x) { return garside::cyclic_sliding(x); }

TEST(SummitSets, WorkedExamples) {
  // sigma_2 sigma_1 sigma_2 sigma_1 = Delta sigma_1 in B_3. Its summit
  // conjugates are Delta s with s simple of one letter (inf 1, sup 2, exponent
  // sum 4): Delta sigma_1 = sigma_1 sigma_2 sigma_1^2 and
  // Delta sigma_2 = (sigma_1 sigma_2)^2, which cycling exchanges.
  const NormalForm x = nf(3, {2, 1, 2, 1});
  const std::set<NormalForm> expected{nf(3, {1, 2, 1, 1}), nf(3, {1, 2, 1, 2})};
  const auto uss = garside::ultra_summit_set(x);
  EXPECT_EQ(count(uss), 2U);
  EXPECT_EQ(elements(uss), expected);
  EXPECT_EQ(elements(garside::super_summit_set(x)), expected);
  EXPECT_EQ(elements(garside::sliding_circuits(x)), expected);

  // sigma_2^2 sigma_1^-2 sigma_2^2 in B_3: two cycling orbits of six.
  const auto uss2 = garside::ultra_summit_set(nf(3, {2, 2, -1, -1, 2, 2}));
  ASSERT_EQ(uss2.size(), 2U);
  EXPECT_EQ(uss2[0].size(), 6U);
  EXPECT_EQ(uss2[1].size(), 6U);
}

TEST(SummitSets, SetsAgreeWithSearchesOnThreeToFiveStrands) {
  std::mt19937 gen(6101);
  for (int round = 0; round < 150; ++round) {
    const int n = 3 + round % 3;
    const int length = 1 + static_cast<int>(gen() % static_cast<unsigned>(n == 3 ? 12 : n == 4 ? 9 : 6));
    const NormalForm x = nf(n, random_word(gen, n, length));
    const auto sss = garside::super_summit_set(x);
    const auto uss = garside::ultra_summit_set(x);
    const auto sc = garside::sliding_circuits(x);

    const std::set<NormalForm> searched = search_summit(garside::super_summit_element(x).element);
    EXPECT_EQ(elements(sss), searched);
    EXPECT_EQ(sss.size(), searched.size()) << "a member listed twice";
    EXPECT_EQ(elements(uss), returning(searched, cycled));
    EXPECT_EQ(count(uss), elements(uss).size());
    EXPECT_EQ(elements(sc), returning(searched, slid));
    EXPECT_EQ(count(sc), elements(sc).size());

    for (const Conjugate& m : sss) {
      EXPECT_EQ(m.element, garside::conjugate(x, m.conjugator));
    }
    for (const auto* orbits : {&uss, &sc}) {
      const bool cycling = orbits == &uss;
      for (const auto& orbit : *orbits) {
        for (std::size_t k = 0; k < orbit.size(); ++k) {
          EXPECT_EQ(orbit[k].element, garside::conjugate(x, orbit[k].conjugator));
          const NormalForm next = cycling ? cycled(orbit[k].element) : slid(orbit[k].element);
          EXPECT_EQ(next, orbit[(k + 1) % orbit.size()].element);
        }
      }
    }
  }
}

// For y in a set S and a generator a, the simple braids c >= a with y^c in S
// have a least element: their meet is one of them.
TEST(SummitSets, MinimalConjugatorsAreTheLeastSimpleBraidsThatStayInTheSet) {
  std::mt19937 gen(6102);
  const std::vector<Simple> simples = garsidetest::all_simples(4);
  int checked = 0;
  for (int round = 0; round < 40; ++round) {
    const NormalForm x = nf(4, random_word(gen, 4, 2 + static_cast<int>(gen() % 8)));
    const std::set<NormalForm> sss = search_summit(garside::super_summit_element(x).element);
    const std::set<NormalForm> uss = returning(sss, cycled);
    const std::set<NormalForm> sc = returning(sss, slid);
    const NormalForm& first = *sss.begin();
    if (first.factors.empty()) {
      continue;
    }
    for (const auto& [set, kind] : {std::pair{&sss, 0}, std::pair{&uss, 1}, std::pair{&sc, 2}}) {
      const NormalForm y = *set->begin();
      std::vector<NormalForm> orbit{y};
      if (kind != 0) {
        for (NormalForm z = kind == 1 ? cycled(y) : slid(y); z != y; z = kind == 1 ? cycled(z) : slid(z)) {
          orbit.push_back(z);
        }
      }
      for (int i = 1; i < 4; ++i) {
        const Simple a = Simple::atom(4, i);
        Simple least = Simple::delta(4);
        for (const Simple& c : simples) {
          NormalForm z = y;
          garside::conjugate_by(z, c);
          if (garside::left_divides(a, c) && set->count(z) != 0) {
            least = garside::left_meet(least, c);
          }
        }
        NormalForm z = y;
        garside::conjugate_by(z, least);
        ASSERT_EQ(set->count(z), 1U) << "the meet left the set";
        const Simple computed =
            kind == 0 ? garside::minimal_super_summit_conjugator(y, a)
                      : garside::minimal_orbit_conjugator(
                            orbit, 0, a, kind == 1 ? garside::Closure::cycling : garside::Closure::sliding);
        EXPECT_EQ(computed, least) << "set " << kind;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 200);
}

TEST(SummitSets, LimitsRaiseWithTheSetAndTheLimit) {
  const NormalForm x = nf(3, {2, 2, -1, -1, 2, 2});
  const std::size_t sss = garside::super_summit_set(x).size();
  const std::size_t uss = count(garside::ultra_summit_set(x));
  const std::size_t sc = count(garside::sliding_circuits(x));
  ASSERT_GT(sc, 2U);
  EXPECT_EQ(garside::super_summit_set(x, sss).size(), sss);
  EXPECT_EQ(count(garside::ultra_summit_set(x, uss)), uss);
  EXPECT_EQ(count(garside::sliding_circuits(x, sc)), sc);
  try {
    garside::super_summit_set(x, sss - 1);
    ADD_FAILURE() << "no limit reached";
  } catch (const garside::SetTooLarge& e) {
    EXPECT_EQ(e.set_name(), "super summit set");
    EXPECT_EQ(e.limit(), sss - 1);
    EXPECT_NE(std::string(e.what()).find("super summit set has more elements than the limit of " +
                                          std::to_string(sss - 1)),
              std::string::npos);
  }
  EXPECT_THROW(garside::ultra_summit_set(x, uss - 1), garside::SetTooLarge);
  EXPECT_THROW(garside::sliding_circuits(x, 2), garside::SetTooLarge);
  try {
    garside::sliding_circuits(x, 1);
    ADD_FAILURE() << "no limit reached";
  } catch (const garside::SetTooLarge& e) {
    EXPECT_EQ(e.set_name(), "set of sliding circuits");
  }
  try {
    garside::ultra_summit_set(x, 1);
    ADD_FAILURE() << "no limit reached";
  } catch (const garside::SetTooLarge& e) {
    EXPECT_EQ(e.set_name(), "ultra summit set");
  }
}

TEST(SummitSets, PowersOfDeltaAndPeriodicBraids) {
  for (int n = 1; n <= 6; ++n) {
    for (std::int64_t p = -3; p <= 3; ++p) {
      const NormalForm x = garside::delta_power(n, p);
      const std::set<NormalForm> only{x};
      EXPECT_EQ(elements(garside::super_summit_set(x)), only);
      EXPECT_EQ(elements(garside::ultra_summit_set(x)), only);
      EXPECT_EQ(elements(garside::sliding_circuits(x)), only);
      // A conjugate of Delta^p has the same single-element sets, reached
      // by a conjugator that brings it back to Delta^p.
      if (n >= 3) {
        const Word c{1, -2, 2, 1};
        const NormalForm y = nf(n, garsidetest::conjugated(garside::to_word(x), c));
        const auto sc = garside::sliding_circuits(y);
        ASSERT_EQ(count(sc), 1U);
        EXPECT_EQ(sc[0][0].element, x);
        EXPECT_EQ(garside::conjugate(y, sc[0][0].conjugator), x);
      }
    }
  }
  // Powers of sigma_1 ... sigma_(n-1) and of sigma_1 ... sigma_(n-1) sigma_1:
  // every member of each set has the summit inf and sup, and the sets nest.
  for (int n = 3; n <= 6; ++n) {
    Word root;
    for (int i = 1; i < n; ++i) {
      root.push_back(static_cast<std::int16_t>(i));
    }
    for (const Word& r : {root, garsidetest::concat(root, Word{1})}) {
      Word power;
      for (int k = 1; k <= 2 * n; ++k) {
        power = garsidetest::concat(power, r);
        const NormalForm x = nf(n, power);
        const garside::Conjugate s = garside::super_summit_element(x);
        const std::set<NormalForm> sss = elements(garside::super_summit_set(x));
        const std::set<NormalForm> uss = elements(garside::ultra_summit_set(x));
        const std::set<NormalForm> sc = elements(garside::sliding_circuits(x));
        for (const NormalForm& y : sss) {
          EXPECT_EQ(garside::inf(y), garside::inf(s.element));
          EXPECT_EQ(garside::sup(y), garside::sup(s.element));
        }
        EXPECT_TRUE(std::includes(sss.begin(), sss.end(), uss.begin(), uss.end()));
        EXPECT_TRUE(std::includes(uss.begin(), uss.end(), sc.begin(), sc.end()));
        EXPECT_EQ(uss, returning(sss, cycled));
        EXPECT_EQ(sc, returning(sss, slid));
      }
    }
  }
}

TEST(SummitSets, StopRequestsAbandonTheSets) {
  // A short braid on ten strands: its sets are large (its class holds the
  // translates of its pieces along the strands).
  const NormalForm x = nf(10, {1, -3, 5, 5, -7, 9, 2});
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  EXPECT_THROW(garside::super_summit_set(x, 0, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::ultra_summit_set(x, 0, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::sliding_circuits(x, 0, &stop), basics::INTERRUPTED);
  // A request raised in the middle of the computation.
  int polls = 0;
  basics::STOPREQUEST later;
  later.POLL = [&polls] { return ++polls > 2000; };
  EXPECT_THROW(garside::sliding_circuits(x, 0, &later), basics::INTERRUPTED);
  EXPECT_GT(polls, 2000);
}

}  // namespace
