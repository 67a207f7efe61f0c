// The Nielsen-Thurston type, reduction systems and rigidity: periodic braids
// (conjugates of powers of delta and of sigma_1 delta, powers of Delta^2);
// reducible braids built to be so (split braids, cabled braids, sigma_1 on
// more strands) with the shape of their canonical reduction system known by
// construction; three-strand braids against the trace of their image in
// SL(2, Z); the type as a conjugacy invariant; multitwists and the curve
// test by hand; rigidity by hand; limits and stop requests.
#include "garside/nielsenthurston.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/summitsets.h"
#include "tests/garside/tietze.h"
#include "tests/support/sampling.h"

namespace {

using garside::Interval;
using garside::NielsenThurstonType;
using garside::NormalForm;
using garside::Word;
using garsidetest::concat;
using garsidetest::conjugated;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

Word repeat(const Word& w, int k) {
  Word out;
  for (int i = 0; i < k; ++i) {
    out = concat(out, w);
  }
  return out;
}

// delta = sigma_1 ... sigma_(n-1), with delta^n = Delta^2.
Word small_delta(int n) {
  Word w;
  for (int i = 1; i < n; ++i) {
    w.push_back(static_cast<std::int16_t>(i));
  }
  return w;
}

// W moved K strands to the right.
Word shifted(Word w, int k) {
  for (auto& x : w) {
    x = static_cast<std::int16_t>(x > 0 ? x + k : x - k);
  }
  return w;
}

// The braid on OUTER_STRANDS strands given by OUTER, whose strand starting at
// position t (0-based) is replaced by WIDTHS[t] parallel strands, followed by
// INNERS[t] (a braid on WIDTHS[t] strands) inside that tube where it ends. A
// crossing of two tubes of widths a (left) and b (right) is the positive
// permutation braid that moves the a strands across the b strands.
Word cabled_all(int outer_strands, const Word& outer, const std::vector<int>& widths,
                const std::vector<Word>& inners) {
  std::vector<int> at(static_cast<std::size_t>(outer_strands));  // the tube at each position
  for (int t = 0; t < outer_strands; ++t) {
    at[static_cast<std::size_t>(t)] = t;
  }
  const auto width = [&](int position) { return widths[static_cast<std::size_t>(at[static_cast<std::size_t>(position)])]; };
  const auto crossing = [](int start, int a, int b) {
    Word c;
    for (int t = a - 1; t >= 0; --t) {
      for (int k = 0; k < b; ++k) {
        c.push_back(static_cast<std::int16_t>(start + t + k));
      }
    }
    return c;
  };
  Word w;
  for (const auto letter : outer) {
    const int i = letter > 0 ? letter : -letter;
    int start = 1;
    for (int j = 0; j < i - 1; ++j) {
      start += width(j);
    }
    const int a = width(i - 1);
    const int b = width(i);
    // sigma_i^-1 is the inverse of the positive crossing that brings the
    // right tube (width b) back across the left one (width a).
    w = concat(w, letter > 0 ? crossing(start, a, b) : garsidetest::inverse(crossing(start, b, a)));
    std::swap(at[static_cast<std::size_t>(i - 1)], at[static_cast<std::size_t>(i)]);
  }
  int offset = 0;
  for (int position = 0; position < outer_strands; ++position) {
    w = concat(w, shifted(inners[static_cast<std::size_t>(at[static_cast<std::size_t>(position)])], offset));
    offset += width(position);
  }
  return w;
}

// OUTER with its strand TUBE (1-based) a tube of WIDTH strands holding INNER.
Word cabled(int outer_strands, const Word& outer, int tube, int width, const Word& inner) {
  std::vector<int> widths(static_cast<std::size_t>(outer_strands), 1);
  std::vector<Word> inners(static_cast<std::size_t>(outer_strands));
  widths[static_cast<std::size_t>(tube - 1)] = width;
  inners[static_cast<std::size_t>(tube - 1)] = inner;
  return cabled_all(outer_strands, outer, widths, inners);
}

// The sizes of the curves of a reduction system, sorted.
std::vector<int> sizes(const std::vector<Interval>& curves) {
  std::vector<int> s;
  for (const Interval& c : curves) {
    s.push_back(c.last - c.first + 1);
  }
  std::sort(s.begin(), s.end());
  return s;
}

// A reduction system of the braid of W on N strands, checked independently:
// the curves are essential and pairwise nested or disjoint, and the
// conjugate commutes with their multitwist.
std::vector<Interval> checked_system(int n, const Word& w) {
  const NormalForm x = nf(n, w);
  const auto system = garside::reduction_system(x);
  if (!system) {
    ADD_FAILURE() << "no reduction system for " << ::testing::PrintToString(w);
    return {};
  }
  for (const Interval& a : system->curves) {
    EXPECT_TRUE(1 <= a.first && a.first < a.last && a.last <= n && !(a.first == 1 && a.last == n));
    for (const Interval& b : system->curves) {
      const bool disjoint = a.last < b.first || b.last < a.first;
      const bool nested = (a.first <= b.first && b.last <= a.last) || (b.first <= a.first && a.last <= b.last);
      EXPECT_TRUE(disjoint || nested);
    }
  }
  const NormalForm y = garside::conjugate(x, system->conjugator);
  const NormalForm t = garside::multitwist(n, system->curves);
  EXPECT_EQ(garside::multiply(y, t), garside::multiply(t, y));
  return system->curves;
}

// ---- Three strands: the trace in SL(2, Z) -------------------------------

// sigma_1 -> [[1, 1], [0, 1]], sigma_2 -> [[1, 0], [-1, 1]] maps B_3 onto
// SL(2, Z) with kernel generated by Delta^4. A braid is periodic when its
// image has |trace| < 2 or is +-I, reducible when |trace| = 2 otherwise, and
// pseudo-Anosov when |trace| > 2 (elliptic, parabolic, hyperbolic).
NielsenThurstonType three_strand_type(const Word& w) {
  std::int64_t a = 1, b = 0, c = 0, d = 1;
  for (const auto x : w) {
    // Right multiplication by the image of the letter.
    std::int64_t m[4];
    if (x == 1) {
      m[0] = 1, m[1] = 1, m[2] = 0, m[3] = 1;
    } else if (x == -1) {
      m[0] = 1, m[1] = -1, m[2] = 0, m[3] = 1;
    } else if (x == 2) {
      m[0] = 1, m[1] = 0, m[2] = -1, m[3] = 1;
    } else {
      m[0] = 1, m[1] = 0, m[2] = 1, m[3] = 1;
    }
    const std::int64_t na = a * m[0] + b * m[2], nb = a * m[1] + b * m[3];
    const std::int64_t nc = c * m[0] + d * m[2], nd = c * m[1] + d * m[3];
    a = na, b = nb, c = nc, d = nd;
  }
  const std::int64_t trace = a + d < 0 ? -(a + d) : a + d;
  if (trace < 2 || (b == 0 && c == 0)) {
    return NielsenThurstonType::periodic;
  }
  return trace == 2 ? NielsenThurstonType::reducible : NielsenThurstonType::pseudo_anosov;
}

// ---- Periodic braids -----------------------------------------------------

TEST(NielsenThurston, PowersOfTheTwoRootsOfDeltaSquaredAreperiodicUpToConjugacy) {
  std::mt19937 gen(8101);
  for (int n = 3; n <= 8; ++n) {
    const Word d = small_delta(n);
    const Word e = concat({1}, d);  // (sigma_1 delta)^(n-1) = Delta^2
    for (int k = -3; k <= 2 * n; ++k) {
      const Word c = random_word(gen, n, 12);
      const Word dk = k >= 0 ? repeat(d, k) : repeat(garsidetest::inverse(d), -k);
      const Word ek = k >= 0 ? repeat(e, k) : repeat(garsidetest::inverse(e), -k);
      EXPECT_TRUE(garside::is_periodic(nf(n, conjugated(dk, c)))) << n << " delta^" << k;
      EXPECT_TRUE(garside::is_periodic(nf(n, conjugated(ek, c)))) << n << " (sigma_1 delta)^" << k;
      EXPECT_EQ(garside::nielsen_thurston_type(nf(n, conjugated(dk, c))), NielsenThurstonType::periodic);
      EXPECT_FALSE(garside::reduction_system(nf(n, conjugated(ek, c))).has_value());
    }
  }
}

TEST(NielsenThurston, CentralAndSmallBraidsAreperiodic) {
  EXPECT_TRUE(garside::is_periodic(garside::identity(5)));
  EXPECT_TRUE(garside::is_periodic(garside::delta_power(5, 4)));
  EXPECT_TRUE(garside::is_periodic(garside::delta_power(6, -3)));  // Delta^-6 is central
  EXPECT_TRUE(garside::is_periodic(garside::identity(1)));
  EXPECT_TRUE(garside::is_periodic(nf(2, {1, 1, 1, -1, 1})));  // B_2 is cyclic
  EXPECT_EQ(garside::nielsen_thurston_type(nf(2, {1, 1, 1})), NielsenThurstonType::periodic);
  EXPECT_EQ(garside::rigidity(garside::delta_power(4, 3)), 0);
}

TEST(NielsenThurston, BraidsWithNoCentralPowerAreNotPeriodic) {
  EXPECT_FALSE(garside::is_periodic(nf(3, {1})));            // sigma_1^k is never central in B_3
  EXPECT_FALSE(garside::is_periodic(nf(3, {1, -2})));        // pseudo-Anosov
  EXPECT_FALSE(garside::is_periodic(nf(5, {1, 3})));
  // delta sigma_(n-1)^2: the exponent sum n + 1 of a periodic braid would
  // be a multiple of n - 1 (a conjugate of a power of delta) or of n (of
  // sigma_1 delta).
  EXPECT_FALSE(garside::is_periodic(nf(4, {1, 2, 3, 3, 3})));
  EXPECT_FALSE(garside::is_periodic(nf(5, {1, 2, 3, 4, 4, 4})));
  // ... while delta sigma_1 is conjugate to sigma_1 delta (by delta).
  EXPECT_TRUE(garside::is_periodic(nf(4, {1, 2, 3, 1})));
  EXPECT_TRUE(garside::is_periodic(nf(5, {1, 2, 3, 4, 2})));
}

// ---- Multitwists and the curve test ----------------------------------------

TEST(NielsenThurston, MultitwistsAreProductsOfFullTwists) {
  EXPECT_EQ(garside::multitwist(3, {{1, 2}}), nf(3, {1, 1}));
  EXPECT_EQ(garside::multitwist(4, {{2, 4}}), nf(4, {2, 3, 2, 3, 2, 3}));
  EXPECT_EQ(garside::multitwist(5, {{1, 2}, {4, 5}}), nf(5, {1, 1, 4, 4}));
  EXPECT_EQ(garside::multitwist(4, {}), garside::identity(4));
  // The full twist of all strands is Delta^2.
  EXPECT_EQ(garside::multitwist(4, {{1, 4}}), garside::delta_power(4, 2));
  EXPECT_THROW(garside::multitwist(4, {{3, 5}}), std::invalid_argument);
}

TEST(NielsenThurston, TheCurveTestSeesWhereCurvesGo) {
  EXPECT_TRUE(garside::preserves_curves(nf(3, {1, 1, 1}), {{1, 2}}));
  EXPECT_FALSE(garside::preserves_curves(nf(3, {2}), {{1, 2}}));
  // Delta of 4 strands swaps the curves around 1..2 and 3..4.
  const NormalForm delta = garside::delta_power(4, 1);
  EXPECT_FALSE(garside::preserves_curves(delta, {{1, 2}}));
  EXPECT_TRUE(garside::preserves_curves(delta, {{1, 2}, {3, 4}}));
  EXPECT_TRUE(garside::preserves_curves(delta, {{2, 3}}));
  // A split braid keeps both halves; a braid crossing the halves does not.
  EXPECT_TRUE(garside::preserves_curves(nf(6, {1, -2, 4, -5}), {{1, 3}, {4, 6}}));
  EXPECT_FALSE(garside::preserves_curves(nf(6, {1, -2, 3, 4, -5}), {{1, 3}}));
}

// ---- Reducible braids ------------------------------------------------------

TEST(NielsenThurston, SigmaOneOnMoreStrandsReducesAroundOnePair) {
  std::mt19937 gen(8102);
  for (int n = 3; n <= 7; ++n) {
    for (int k : {1, 3, -2}) {
      const Word w = conjugated(repeat({static_cast<std::int16_t>(k > 0 ? 1 : -1)}, k > 0 ? k : -k),
                                random_word(gen, n, 10));
      EXPECT_EQ(garside::nielsen_thurston_type(nf(n, w)), NielsenThurstonType::reducible);
      EXPECT_EQ(sizes(checked_system(n, w)), std::vector<int>{2}) << n << " " << k;
    }
  }
  // Unconjugated, the one curve is the round curve around 1..2 itself.
  const auto system = garside::reduction_system(nf(4, {1}));
  ASSERT_TRUE(system.has_value());
  EXPECT_EQ(garside::conjugate(nf(4, {1}), system->conjugator), nf(4, {1}));
  EXPECT_EQ(system->curves, (std::vector<Interval>{{1, 2}}));
}

TEST(NielsenThurston, SplitBraidsOfPseudoAnosovPiecesReduceAroundBoth) {
  std::mt19937 gen(8103);
  const Word a = {1, -2};                // pseudo-Anosov on 3 strands
  const Word b = {1, -2, 1, -2, 2, -1};  // a word of sigma_1 sigma_2^-1 type, checked below
  ASSERT_EQ(three_strand_type(b), NielsenThurstonType::pseudo_anosov);
  for (int round = 0; round < 6; ++round) {
    const Word split = concat(a, shifted(b, 3));
    const Word w = conjugated(split, random_word(gen, 6, 8 + round));
    EXPECT_EQ(garside::nielsen_thurston_type(nf(6, w)), NielsenThurstonType::reducible);
    EXPECT_EQ(sizes(checked_system(6, w)), (std::vector<int>{3, 3}));
  }
  // Pieces of 3 and 4 strands; the four-strand piece is a pure
  // pseudo-Anosov three-strand braid, (sigma_1 sigma_2^-1)^3, with its
  // second strand a tube of two twisted once (its system is that tube).
  const Word four = cabled(3, repeat({1, -2}, 3), 2, 2, {1});
  EXPECT_EQ(sizes(checked_system(4, four)), std::vector<int>{2});
  const Word split = concat(a, shifted(four, 3));
  // The canonical system of the split braid: both halves, and the pair
  // inside the four-strand half.
  EXPECT_EQ(sizes(checked_system(7, conjugated(split, random_word(gen, 7, 10)))),
            (std::vector<int>{2, 3, 4}));
}

TEST(NielsenThurston, CabledBraidsReduceAroundTheTube) {
  std::mt19937 gen(8104);
  // Pseudo-Anosov on 3 strands and pure, so that every tube comes back.
  const Word outer = concat(repeat({1, -2}, 3), {2, 2, -1, -1});
  ASSERT_EQ(three_strand_type(outer), NielsenThurstonType::pseudo_anosov);
  ASSERT_EQ(garsidetest::cycle_type(outer, 3), (std::vector<int>{1, 1, 1}));
  for (int width = 2; width <= 4; ++width) {
    for (int tube = 1; tube <= 3; ++tube) {
      const Word inner = width == 2 ? Word{1, 1, 1} : Word{1, -2};
      const Word w = cabled(3, outer, tube, width, inner);
      const int n = 2 + width;
      EXPECT_EQ(garside::nielsen_thurston_type(nf(n, w)), NielsenThurstonType::reducible);
      const Word v = conjugated(w, random_word(gen, n, 12));
      EXPECT_EQ(garside::nielsen_thurston_type(nf(n, v)), NielsenThurstonType::reducible);
      // The tube is the one essential curve when the inner braid is periodic
      // (width 2) or pseudo-Anosov on 3 strands (width 3); on 4 strands
      // sigma_1 sigma_2^-1 leaves the fourth strand aside: the inner braid
      // is itself reducible, around its first three strands.
      const std::vector<int> expected = width == 2   ? std::vector<int>{2}
                                        : width == 3 ? std::vector<int>{3}
                                                     : std::vector<int>{3, 4};
      EXPECT_EQ(sizes(checked_system(n, v)), expected) << width << " " << tube;
    }
  }
}

TEST(NielsenThurston, CanonicalSystemsKnownByHand) {
  std::mt19937 gen(8108);
  const auto shape = [&gen](int n, const Word& w) {
    return sizes(checked_system(n, conjugated(w, random_word(gen, n, 9))));
  };
  // Two twisted pairs, each a curve of its own.
  EXPECT_EQ(shape(4, {1, 3}), (std::vector<int>{2, 2}));
  EXPECT_EQ(shape(4, {1, -3, -3}), (std::vector<int>{2, 2}));
  // The full twist of three of four strands: the curve around the three;
  // the pairs inside are reduction curves too, but they cross each other.
  EXPECT_EQ(shape(4, {1, 2, 1, 2, 1, 2}), (std::vector<int>{3}));
  // A twisted pair beside a pseudo-Anosov triple.
  EXPECT_EQ(shape(5, {1, 1, 1, 3, -4}), (std::vector<int>{2, 3}));
  // sigma_1^-3 beside sigma_4 (sigma_3 sigma_5^2) sigma_4^-1: three twisted
  // pairs up to conjugacy, each essential (dropping any one leaves a
  // non-periodic twist of a pair beside single strands). The curve around
  // the last four strands is a reduction curve but not an essential one: on
  // this very word the family first found holds it and it is dropped.
  EXPECT_EQ(sizes(checked_system(6, {-1, -1, -1, 4, 5, 3, 5, -4})), (std::vector<int>{2, 2, 2}));
  EXPECT_EQ(shape(6, {-1, -1, -1, 4, 5, 3, 5, -4}), (std::vector<int>{2, 2, 2}));
}

TEST(NielsenThurston, TubesPermutedByAPseudoAnosovBraid) {
  std::mt19937 gen(8109);
  // sigma_1 sigma_2^-1 permutes its three strands in one cycle: every strand
  // a tube of two makes one orbit of three curves.
  const Word twos = cabled_all(3, {1, -2}, {2, 2, 2}, {{1}, {}, {}});
  EXPECT_EQ(sizes(checked_system(6, conjugated(twos, random_word(gen, 6, 10)))), (std::vector<int>{2, 2, 2}));
  // Tubes of four holding, once round the orbit, sigma_1 sigma_2^-1 on
  // three of their strands: the inner braid is reducible, and each tube
  // holds a curve around three strands.
  const Word fours = cabled_all(3, {1, -2}, {4, 4, 4}, {{1, -2}, {}, {}});
  EXPECT_EQ(garside::nielsen_thurston_type(nf(12, fours)), NielsenThurstonType::reducible);
  EXPECT_EQ(sizes(checked_system(12, conjugated(fours, random_word(gen, 12, 10)))),
            (std::vector<int>{3, 3, 3, 4, 4, 4}));
}

// ---- Pseudo-Anosov braids and three strands --------------------------------

TEST(NielsenThurston, SigmaOneSigmaTwoInverseIsPseudoAnosov) {
  std::mt19937 gen(8105);
  for (int round = 0; round < 10; ++round) {
    const Word w = conjugated({1, -2}, random_word(gen, 3, 2 + round));
    EXPECT_EQ(garside::nielsen_thurston_type(nf(3, w)), NielsenThurstonType::pseudo_anosov);
    EXPECT_FALSE(garside::reduction_system(nf(3, w)).has_value());
  }
}

TEST(NielsenThurston, ThreeStrandTypesAgreeWithTheTrace) {
  std::mt19937 gen(8106);
  int counts[3] = {0, 0, 0};
  for (int round = 0; round < 300; ++round) {
    const Word w = random_word(gen, 3, 1 + static_cast<int>(gen() % 20));
    const NielsenThurstonType expected = three_strand_type(w);
    EXPECT_EQ(garside::nielsen_thurston_type(nf(3, w)), expected) << ::testing::PrintToString(w);
    ++counts[static_cast<int>(expected)];
  }
  // Every type was met.
  EXPECT_GT(counts[0], 0);
  EXPECT_GT(counts[1], 0);
  EXPECT_GT(counts[2], 0);
}

TEST(NielsenThurston, TheTypeIsAConjugacyInvariant) {
  std::mt19937 gen(8107);
  for (int round = 0; round < 40; ++round) {
    const int n = 4 + round % 4;
    const Word w = random_word(gen, n, 4 + static_cast<int>(gen() % 20));
    const Word v = conjugated(w, random_word(gen, n, 1 + static_cast<int>(gen() % 10)));
    const NielsenThurstonType type = garside::nielsen_thurston_type(nf(n, w));
    EXPECT_EQ(garside::nielsen_thurston_type(nf(n, v)), type) << ::testing::PrintToString(w);
    const auto system = garside::reduction_system(nf(n, v));
    EXPECT_EQ(system.has_value(), type == NielsenThurstonType::reducible);
    if (system) {
      // The canonical system's shape is a conjugacy invariant too.
      EXPECT_EQ(sizes(checked_system(n, w)), sizes(system->curves));
    }
  }
}

// ---- Rigidity --------------------------------------------------------------

TEST(NielsenThurston, RigidityCountsTheFactorsThatSurvive) {
  // sigma_1 sigma_1: (sigma_1, sigma_1) is left-weighted, rigid.
  EXPECT_EQ(garside::rigidity(nf(3, {1})), 1);
  // sigma_1 sigma_2 followed by itself is Delta sigma_2: inf rises.
  EXPECT_EQ(garside::rigidity(nf(3, {1, 2})), 0);
  // sigma_1 sigma_2^-1 = Delta^-1 . sigma_2 . sigma_2 sigma_1; its initial
  // factor is sigma_1, and (sigma_2 sigma_1, sigma_1) is left-weighted.
  EXPECT_EQ(garside::rigidity(nf(3, {1, -2})), 2);
  // sigma_1 sigma_3 . sigma_1 followed by sigma_1 sigma_3 has normal form
  // sigma_1 sigma_3 . sigma_1 sigma_3 . sigma_1: only the first survives.
  EXPECT_EQ(garside::rigidity(nf(4, {1, 3, 1})), 1);
  EXPECT_EQ(garside::rigidity(garside::identity(4)), 0);
}

// ---- Limits ----------------------------------------------------------------

TEST(NielsenThurston, LimitsAndStopRequests) {
  // A pseudo-Anosov braid whose ultra summit set has more than one member.
  const NormalForm x = nf(5, {1, -2, 3, -4, 2, 2, -3, 1});
  std::size_t members = 0;
  for (const auto& orbit : garside::ultra_summit_set(x)) {
    members += orbit.size();
  }
  ASSERT_GT(members, 1u);
  EXPECT_THROW(garside::nielsen_thurston_type(x, 1), garside::SetTooLarge);
  EXPECT_THROW(garside::reduction_system(x, 1), garside::SetTooLarge);
  std::atomic<bool> raised{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &raised;
  EXPECT_THROW(garside::nielsen_thurston_type(x, 0, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::reduction_system(nf(4, {1}), 0, &stop), basics::INTERRUPTED);
  EXPECT_THROW(garside::is_periodic(x, &stop), basics::INTERRUPTED);
}

// ---- Long: many seeded cases -----------------------------------------------

TEST(NielsenThurstonLong, ThreeStrandTypesAgreeWithTheTrace) {
  for (std::uint64_t i = 0; i < 3000; ++i) {
    if (!testsupport::sampled(i, 1)) continue;
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(81000 + i));
    const Word w = random_word(gen, 3, 1 + static_cast<int>(gen() % 28));
    const Word v = conjugated(w, random_word(gen, 3, static_cast<int>(gen() % 8)));
    EXPECT_EQ(garside::nielsen_thurston_type(nf(3, v)), three_strand_type(w));
  }
}

TEST(NielsenThurstonLong, TypesAndSystemsOfConjugates) {
  for (std::uint64_t i = 0; i < 3000; ++i) {
    if (!testsupport::sampled(i, 2)) continue;
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(82000 + i));
    const int n = 4 + static_cast<int>(gen() % 5);
    const Word w = random_word(gen, n, 3 + static_cast<int>(gen() % 30));
    const Word v = conjugated(w, random_word(gen, n, 1 + static_cast<int>(gen() % 12)));
    const NielsenThurstonType type = garside::nielsen_thurston_type(nf(n, w));
    EXPECT_EQ(garside::nielsen_thurston_type(nf(n, v)), type);
    EXPECT_EQ(garside::is_periodic(nf(n, v)), type == NielsenThurstonType::periodic);
    if (type == NielsenThurstonType::reducible) {
      EXPECT_EQ(sizes(checked_system(n, w)), sizes(checked_system(n, v)));
    }
  }
}

TEST(NielsenThurstonLong, SplitAndCabledBraids) {
  for (std::uint64_t i = 0; i < 1000; ++i) {
    if (!testsupport::sampled(i, 3)) continue;
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(83000 + i));
    // Two three-strand pieces, each pseudo-Anosov by its trace.
    Word a, b;
    do a = random_word(gen, 3, 2 + static_cast<int>(gen() % 12));
    while (three_strand_type(a) != NielsenThurstonType::pseudo_anosov);
    do b = random_word(gen, 3, 2 + static_cast<int>(gen() % 12));
    while (three_strand_type(b) != NielsenThurstonType::pseudo_anosov);
    if (i % 2 == 0) {
      const Word v = conjugated(concat(a, shifted(b, 3)), random_word(gen, 6, 15));
      EXPECT_EQ(sizes(checked_system(6, v)), (std::vector<int>{3, 3}));
    } else {
      // A pseudo-Anosov three-strand braid, made pure by a power, with one
      // strand a tube of three around another one: the tube is the only
      // essential curve.
      const std::vector<int> type = garsidetest::cycle_type(a, 3);
      const Word pure = repeat(a, type == std::vector<int>{1, 1, 1} ? 1 : type == std::vector<int>{1, 2} ? 2 : 3);
      const Word v = conjugated(cabled(3, pure, 1 + static_cast<int>(gen() % 3), 3, b), random_word(gen, 5, 15));
      EXPECT_EQ(garside::nielsen_thurston_type(nf(5, v)), NielsenThurstonType::reducible);
      EXPECT_EQ(sizes(checked_system(5, v)), std::vector<int>{3});
    }
  }
}

TEST(NielsenThurstonLong, CabledBraidsAreNeverPseudoAnosov) {
  for (std::uint64_t i = 0; i < 1500; ++i) {
    if (!testsupport::sampled(i, 4)) continue;
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(84000 + i));
    // Any braid on 3 or 4 tubes, at least one of them of 2 or 3 strands,
    // each holding a random braid, with the same width along each cycle of
    // the outer permutation: the tubes' curves are sent onto each other, so
    // the braid is periodic or reducible.
    const int k = 3 + static_cast<int>(gen() % 2);
    const Word outer = random_word(gen, k, 1 + static_cast<int>(gen() % 12));
    std::vector<int> p(static_cast<std::size_t>(k));  // where each strand ends
    for (int t = 0; t < k; ++t) {
      int at = t;
      for (const auto x : outer) {
        const int j = (x > 0 ? x : -x) - 1;
        at = at == j ? j + 1 : at == j + 1 ? j : at;
      }
      p[static_cast<std::size_t>(t)] = at;
    }
    std::vector<int> widths(static_cast<std::size_t>(k), 0);
    for (int t = 0; t < k; ++t) {
      if (widths[static_cast<std::size_t>(t)] == 0) {
        const int width = t == 0 ? 2 + static_cast<int>(gen() % 2) : 1 + static_cast<int>(gen() % 3);
        for (int u = t; widths[static_cast<std::size_t>(u)] == 0; u = p[static_cast<std::size_t>(u)]) {
          widths[static_cast<std::size_t>(u)] = width;
        }
      }
    }
    int n = 0;
    std::vector<Word> inners(static_cast<std::size_t>(k));
    for (int t = 0; t < k; ++t) {
      n += widths[static_cast<std::size_t>(t)];
      if (widths[static_cast<std::size_t>(t)] > 1) {
        inners[static_cast<std::size_t>(t)] =
            random_word(gen, widths[static_cast<std::size_t>(t)], static_cast<int>(gen() % 8));
      }
    }
    const Word w = cabled_all(k, outer, widths, inners);
    const Word v = conjugated(w, random_word(gen, n, 1 + static_cast<int>(gen() % 12)));
    const NielsenThurstonType type = garside::nielsen_thurston_type(nf(n, v));
    EXPECT_NE(type, NielsenThurstonType::pseudo_anosov) << ::testing::PrintToString(w);
    EXPECT_EQ(garside::nielsen_thurston_type(nf(n, w)), type);
    if (type == NielsenThurstonType::reducible) {
      EXPECT_EQ(sizes(checked_system(n, w)), sizes(checked_system(n, v)));
    }
  }
}

}  // namespace
