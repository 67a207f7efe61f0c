// Normal forms: hand-worked examples; agreement with the core's left normal
// form (positive words) and symmetric decomposition (words of any sign) on
// seeded words of 3 to 12 strands; products, inverses, conjugates, flips and
// the one-factor operations against the words they stand for; right normal
// forms; many strands; the order and hash; bad input and stop requests.
#include "garside/normalform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/symmetricnormalform.h"
#include "tests/garside/tietze.h"

// ---- The core's normal forms: the one place that touches its braid record. --
namespace core {

using garside::Word;

// A form read from the core: the power of Delta and the factors as words.
struct Form {
  std::int64_t delta = 0;
  std::vector<Word> factors;
};

// The record of WORD on STRANDS strands (at most 50 strands, 2000 letters).
BraidBasics::BRAID record(int strands, const Word& word) {
  BraidBasics::BRAID b;
  BraidBasics::BROOM(b, static_cast<std::int64_t>(word.size()));
  b.L = static_cast<std::int32_t>(word.size());
  b.W = strands;
  for (std::size_t r = 0; r < word.size(); ++r) {
    b.V[r + 1] = word[r];
  }
  return b;
}

Word word_of(const BraidBasics::BRAID& b) {
  Word w;
  for (std::int32_t r = 1; r <= b.L; ++r) {
    w.push_back(b.V[r]);
  }
  return w;
}

// The factors of a record's S: letter strings ("a" is +1, "A" is -1) joined
// by ".".
Form form_of(const BraidBasics::NF& x) {
  Form f;
  f.delta = x.I;
  std::string_view s = x.S;
  while (!s.empty()) {
    const std::size_t dot = s.find('.');
    Word w;
    for (const char c : s.substr(0, dot)) {
      w.push_back(static_cast<std::int16_t>(c >= 'a' ? c - 'a' + 1 : -(c - 'A' + 1)));
    }
    f.factors.push_back(w);
    s = dot == std::string_view::npos ? std::string_view{} : s.substr(dot + 1);
  }
  return f;
}

// The left normal form of a positive word.
Form left_normal_form(int strands, const Word& positive) {
  return form_of(BraidBasics::BLEFTNF(record(strands, positive)));
}

// WORD = D^-1 N with D and N positive and without common left divisor: the
// left normal forms of D and N, and their words.
struct Fraction {
  Form d;
  Form n;
  Word d_word;
  Word n_word;
};

Fraction symmetric_fraction(int strands, const Word& word) {
  BraidBasics::BRAID d;
  BraidBasics::BRAID n;
  BraidBasics::BSYMFRACTION(record(strands, word), d, n);
  d.W = strands;
  n.W = strands;
  return {form_of(BraidBasics::BLEFTNF(d)), form_of(BraidBasics::BLEFTNF(n)), word_of(d),
          word_of(n)};
}

}  // namespace core
// ---------------------------------------------------------------------------

namespace {

using garside::NormalForm;
using garside::Simple;
using garside::Word;
using garsidetest::concat;
using garsidetest::random_positive_word;
using garsidetest::random_word;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

// The form holds the same braids as the core's, factor by factor.
void expect_same(const NormalForm& x, const core::Form& f, const Word& context) {
  ASSERT_EQ(x.delta, f.delta) << ::testing::PrintToString(context);
  ASSERT_EQ(x.factors.size(), f.factors.size()) << ::testing::PrintToString(context);
  for (std::size_t k = 0; k < f.factors.size(); ++k) {
    EXPECT_EQ(x.factors[k], Simple::from_word(x.strands, f.factors[k]))
        << ::testing::PrintToString(context);
  }
}

// No factor trivial or Delta, every pair left-weighted.
void expect_well_formed(const NormalForm& x) {
  for (std::size_t k = 0; k < x.factors.size(); ++k) {
    EXPECT_FALSE(x.factors[k].is_identity());
    EXPECT_FALSE(x.factors[k].is_delta());
    if (k + 1 < x.factors.size()) {
      EXPECT_TRUE(garside::left_weighted(x.factors[k], x.factors[k + 1]));
      // Left-weighted: no generator that starts the second factor can be
      // moved onto the first, that is, ends the first or is free to follow it.
      for (const int i : x.factors[k + 1].starting_set()) {
        EXPECT_TRUE(x.factors[k].ends_with(i));
      }
    }
  }
}

NormalForm of_factors(int n, std::int64_t delta, std::vector<Simple> factors) {
  NormalForm x = garside::identity(n);
  x.delta = delta;
  x.factors = std::move(factors);
  return x;
}

TEST(NormalForm, HandWorkedExamples) {
  const Simple s1 = Simple::atom(3, 1);
  const Simple s2 = Simple::atom(3, 2);
  // sigma_1 sigma_1 sigma_2: the second sigma_1 cannot join the first.
  EXPECT_EQ(nf(3, {1, 1, 2}), of_factors(3, 0, {s1, Simple::from_word(3, {1, 2})}));
  // (sigma_1 sigma_2)^2 = Delta sigma_2.
  EXPECT_EQ(nf(3, {1, 2, 1, 2}), of_factors(3, 1, {s2}));
  EXPECT_EQ(nf(3, {1, 2, 1}), of_factors(3, 1, {}));
  EXPECT_EQ(nf(3, {2, 1, 2}), of_factors(3, 1, {}));
  // sigma_1^-1 = Delta^-1 (Delta sigma_1^-1) = Delta^-1 sigma_1 sigma_2.
  const NormalForm inv = nf(3, {-1});
  EXPECT_EQ(inv, of_factors(3, -1, {Simple::from_word(3, {1, 2})}));
  EXPECT_EQ(garside::inf(inv), -1);
  EXPECT_EQ(garside::sup(inv), 0);
  EXPECT_EQ(garside::canonical_length(inv), 1);
  // sigma_1 sigma_2^-1 = sigma_1 Delta^-1 sigma_2 sigma_1 = Delta^-1 sigma_2 sigma_2 sigma_1.
  EXPECT_EQ(nf(3, {1, -2}), of_factors(3, -1, {s2, Simple::from_word(3, {2, 1})}));
  EXPECT_EQ(nf(2, {1, 1, 1}), of_factors(2, 3, {}));
  EXPECT_EQ(nf(2, {-1, -1}), of_factors(2, -2, {}));
  EXPECT_EQ(nf(4, {1, 2, 1, 3, 2, 1}), of_factors(4, 1, {}));
  EXPECT_EQ(nf(4, {1, 3, 1, 2}),
            of_factors(4, 0, {Simple::from_word(4, {1, 3}), Simple::from_word(4, {1, 2})}));
  EXPECT_EQ(nf(1, {}), garside::identity(1));
  EXPECT_EQ(nf(5, {}), garside::identity(5));
  EXPECT_EQ(garside::sup(nf(5, {})), 0);
  // Delta^3 on four strands as a word: three copies of Delta's six letters.
  EXPECT_EQ(garside::to_word(garside::delta_power(4, 3)).size(), 18U);
  EXPECT_EQ(nf(4, garside::to_word(garside::delta_power(4, -3))), garside::delta_power(4, -3));
}

TEST(NormalForm, AgreesWithTheCoreOnPositiveWords) {
  std::mt19937 gen(4301);
  for (int round = 0; round < 500; ++round) {
    const int n = 3 + round % 10;
    const Word w = random_positive_word(gen, n, static_cast<int>(gen() % 41));
    const NormalForm x = nf(n, w);
    expect_same(x, core::left_normal_form(n, w), w);
    expect_well_formed(x);
  }
}

TEST(NormalForm, AgreesWithTheCoreSymmetricDecomposition) {
  std::mt19937 gen(4302);
  for (int round = 0; round < 500; ++round) {
    const int n = 3 + round % 10;
    const Word w = random_word(gen, n, static_cast<int>(gen() % 41));
    const NormalForm x = nf(n, w);
    expect_well_formed(x);
    const core::Fraction f = core::symmetric_fraction(n, w);
    // D^-1 N is the braid of w.
    EXPECT_EQ(nf(n, concat(garsidetest::inverse(f.d_word), f.n_word)), x);
    // From x = Delta^-k A_1 ... A_r (k > 0), with m = min(k, r):
    // Delta^-m A_1 ... A_m = Z^-1 for Z = d(A_m) tau(d(A_(m-1))) ... tau^(m-1)(d(A_1)),
    // so D = Z Delta^(k-m) and N = A_(m+1) ... A_r. For k <= 0, D = 1.
    const std::int64_t k = x.delta < 0 ? -x.delta : 0;
    const auto m = static_cast<std::size_t>(std::min<std::int64_t>(k, garside::canonical_length(x)));
    NormalForm d = garside::delta_power(n, k - static_cast<std::int64_t>(m));
    for (std::size_t j = 0; j < m; ++j) {
      d = garside::multiply(garside::normal_form(garside::tau(garside::right_complement(x.factors[j]),
                                                              static_cast<std::int64_t>(m - 1 - j))),
                            d);
    }
    NormalForm num = of_factors(n, x.delta > 0 ? x.delta : 0, {});
    num.factors.assign(x.factors.begin() + static_cast<std::ptrdiff_t>(m), x.factors.end());
    expect_same(d, f.d, w);
    expect_same(num, f.n, w);
  }
}

TEST(NormalForm, OperationsAgreeWithTheWordsTheyStandFor) {
  std::mt19937 gen(4303);
  for (int round = 0; round < 400; ++round) {
    const int n = 2 + round % 11;
    const Word a = random_word(gen, n, static_cast<int>(gen() % 30));
    const Word b = random_word(gen, n, static_cast<int>(gen() % 30));
    const Word s_word = random_positive_word(gen, n, static_cast<int>(gen() % 8));
    Simple s(n);
    for (const auto x : s_word) {
      if (!s.ends_with(x)) {
        s = garside::product(s, Simple::atom(n, x));
      }
    }
    const Word sw = s.word();
    const NormalForm x = nf(n, a);
    const NormalForm y = nf(n, b);
    EXPECT_EQ(garside::multiply(x, y), nf(n, concat(a, b)));
    EXPECT_EQ(garside::multiply(y, x), nf(n, concat(b, a)));
    EXPECT_EQ(garside::inverse(x), nf(n, garsidetest::inverse(a)));
    EXPECT_EQ(garside::multiply(x, garside::inverse(x)), garside::identity(n));
    EXPECT_EQ(garside::conjugate(x, y), nf(n, garsidetest::conjugated(a, b)));
    EXPECT_EQ(garside::tau(x), nf(n, garsidetest::flipped(a, n)));
    EXPECT_EQ(nf(n, garside::to_word(x)), x);
    NormalForm z = x;
    garside::multiply_right(z, s);
    EXPECT_EQ(z, nf(n, concat(a, sw)));
    z = x;
    garside::multiply_left(z, s);
    EXPECT_EQ(z, nf(n, concat(sw, a)));
    z = x;
    garside::divide_right(z, s);
    EXPECT_EQ(z, nf(n, concat(a, garsidetest::inverse(sw))));
    z = x;
    garside::divide_left(z, s);
    EXPECT_EQ(z, nf(n, concat(garsidetest::inverse(sw), a)));
    z = x;
    garside::conjugate_by(z, s);
    EXPECT_EQ(z, nf(n, garsidetest::conjugated(a, sw)));
    expect_well_formed(garside::multiply(x, y));
    expect_well_formed(garside::inverse(x));
  }
}

TEST(NormalForm, RightNormalForms) {
  std::mt19937 gen(4304);
  for (int round = 0; round < 300; ++round) {
    const int n = 2 + round % 9;
    const Word w = random_word(gen, n, static_cast<int>(gen() % 40));
    const NormalForm x = nf(n, w);
    const garside::RightNormalForm r = garside::right_normal_form(x);
    EXPECT_EQ(r.delta, x.delta);
    EXPECT_EQ(r.factors.size(), x.factors.size());
    EXPECT_EQ(garside::left_normal_form(r), x);
    EXPECT_EQ(nf(n, garside::to_word(r)), x);
    for (std::size_t k = 0; k < r.factors.size(); ++k) {
      EXPECT_FALSE(r.factors[k].is_identity() || r.factors[k].is_delta());
      if (k + 1 < r.factors.size()) {
        EXPECT_TRUE(garside::right_weighted(r.factors[k], r.factors[k + 1]));
        for (const int i : r.factors[k].finishing_set()) {
          EXPECT_TRUE(r.factors[k + 1].starts_with(i));
        }
      }
    }
  }
  // The last factor is the largest simple right divisor: sigma_1 sigma_2 for
  // sigma_1 sigma_1 sigma_2, and sigma_2 for sigma_1 sigma_2 sigma_2 (which
  // sigma_1 sigma_2 does not right-divide).
  const garside::RightNormalForm r = garside::right_normal_form(nf(3, {1, 1, 2}));
  EXPECT_EQ(r.factors, (std::vector<Simple>{Simple::atom(3, 1), Simple::from_word(3, {1, 2})}));
  const garside::RightNormalForm r2 = garside::right_normal_form(nf(3, {1, 2, 2}));
  EXPECT_EQ(r2.factors, (std::vector<Simple>{Simple::from_word(3, {1, 2}), Simple::atom(3, 2)}));
}

TEST(NormalForm, ManyStrands) {
  std::mt19937 gen(4305);
  for (const int n : {17, 65, 300, 2000}) {
    for (int round = 0; round < 4; ++round) {
      const Word a = random_word(gen, n, 300);
      const Word b = random_word(gen, n, 100);
      const NormalForm x = nf(n, a);
      expect_well_formed(x);
      EXPECT_EQ(nf(n, garside::to_word(x)), x);
      EXPECT_EQ(nf(n, concat(a, garsidetest::inverse(a))), garside::identity(n));
      EXPECT_EQ(garside::multiply(x, nf(n, b)), nf(n, concat(a, b)));
      EXPECT_EQ(garside::inverse(x), nf(n, garsidetest::inverse(a)));
    }
  }
  // Delta on the largest strands count.
  const NormalForm d = garside::delta_power(garside::kMaxStrands, -1);
  EXPECT_EQ(garside::multiply(d, garside::delta_power(garside::kMaxStrands, 1)),
            garside::identity(garside::kMaxStrands));
  EXPECT_EQ(nf(garside::kMaxStrands, {garside::kMaxStrands - 1, -(garside::kMaxStrands - 1)}),
            garside::identity(garside::kMaxStrands));
}

TEST(NormalForm, OrderAndHash) {
  std::mt19937 gen(4306);
  std::vector<NormalForm> forms;
  for (int round = 0; round < 300; ++round) {
    forms.push_back(nf(4, random_word(gen, 4, static_cast<int>(gen() % 8))));
  }
  const garside::NormalFormHash hash;
  for (const NormalForm& x : forms) {
    for (const NormalForm& y : forms) {
      const auto c = x <=> y;
      // The order: inf, then canonical length, then the factors in turn.
      std::strong_ordering expected = x.delta <=> y.delta;
      if (expected == 0) {
        expected = x.factors.size() <=> y.factors.size();
      }
      for (std::size_t k = 0; expected == 0 && k < x.factors.size(); ++k) {
        const auto p = x.factors[k].permutation();
        const auto q = y.factors[k].permutation();
        expected = p < q ? std::strong_ordering::less
                         : q < p ? std::strong_ordering::greater : std::strong_ordering::equal;
      }
      EXPECT_EQ(c, expected);
      EXPECT_EQ(c == 0, x == y);
      if (x == y) {
        EXPECT_EQ(hash(x), hash(y));
      }
    }
  }
  // Distinct braids mostly hash apart.
  std::set<NormalForm> distinct(forms.begin(), forms.end());
  std::unordered_set<std::size_t> hashes;
  for (const NormalForm& x : distinct) {
    hashes.insert(hash(x));
  }
  EXPECT_GE(hashes.size() * 10, distinct.size() * 9);
}

TEST(NormalForm, BadInputAndStopRequests) {
  EXPECT_THROW(nf(3, {3}), std::invalid_argument);
  EXPECT_THROW(nf(3, {0}), std::invalid_argument);
  EXPECT_THROW(nf(3, {-3}), std::invalid_argument);
  EXPECT_THROW(nf(1, {1}), std::invalid_argument);
  EXPECT_THROW(nf(0, {}), std::invalid_argument);
  EXPECT_THROW(nf(32768, {}), std::invalid_argument);
  EXPECT_THROW(garside::multiply(nf(3, {}), nf(4, {})), std::invalid_argument);
  NormalForm three = nf(3, {});
  EXPECT_THROW(garside::multiply_right(three, Simple(4)), std::invalid_argument);

  std::mt19937 gen(4307);
  const Word long_word = random_word(gen, 8, 5000);
  std::atomic<bool> flag{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &flag;
  EXPECT_THROW(garside::normal_form(8, long_word, &stop), basics::INTERRUPTED);
  flag = false;
  EXPECT_NO_THROW(garside::normal_form(8, long_word, &stop));
}

}  // namespace
