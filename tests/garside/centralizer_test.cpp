// The centralizer: known centralizers written in coordinates (sigma_1 in B_3,
// the cyclic braid sigma_1 ... sigma_(n-1), the powers of Delta, a split braid
// of two pseudo-Anosov pieces), where every generator is located in the known
// group and the known generators in the generated one; seeded braids of 3 to
// 6 strands and their conjugates; limits and stop requests.
#include "garside/centralizer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "tests/garside/tietze.h"
#include "tests/support/sampling.h"

namespace {

using garside::NormalForm;
using garside::Word;
using garsidetest::exponent_sum;
using garsidetest::random_word;
using Vector = std::vector<std::int64_t>;

NormalForm nf(int n, const Word& w) { return garside::normal_form(n, w); }

NormalForm power(const NormalForm& x, std::int64_t k) {
  const NormalForm base = k >= 0 ? x : garside::inverse(x);
  NormalForm p = garside::identity(x.strands);
  for (std::int64_t j = 0; j < (k >= 0 ? k : -k); ++j) {
    p = garside::multiply(p, base);
  }
  return p;
}

// x g = g x, computed from the words so that the check does not go through
// the products the centralizer uses.
bool commute(const NormalForm& x, const NormalForm& g) {
  const Word a = garside::to_word(x);
  const Word b = garside::to_word(g);
  return nf(x.strands, garsidetest::concat(a, b)) == nf(x.strands, garsidetest::concat(b, a));
}

// Whether the rows span all of Z^d: an integer row reduction (Euclid on each
// column) must leave d pivots of absolute value 1.
bool spans_lattice(std::vector<Vector> rows, std::size_t d) {
  std::size_t top = 0;
  for (std::size_t col = 0; col < d; ++col) {
    for (;;) {
      std::size_t best = rows.size();
      for (std::size_t r = top; r < rows.size(); ++r) {
        if (rows[r][col] != 0 && (best == rows.size() || std::abs(rows[r][col]) < std::abs(rows[best][col]))) {
          best = r;
        }
      }
      if (best == rows.size()) {
        return false;  // no pivot in this column
      }
      std::swap(rows[top], rows[best]);
      bool done = true;
      for (std::size_t r = top + 1; r < rows.size(); ++r) {
        const std::int64_t q = rows[r][col] / rows[top][col];
        for (std::size_t j = 0; j < d; ++j) {
          rows[r][j] -= q * rows[top][j];
        }
        done = done && rows[r][col] == 0;
      }
      if (done) {
        break;
      }
    }
    if (std::abs(rows[top][col]) != 1) {
      return false;
    }
    ++top;
  }
  return true;
}

// The coordinates (a, b) of g = r^a Delta^(2b), if g is one with |a|, |b| <=
// 8.
std::optional<Vector> in_root_and_twist(const NormalForm& g, const NormalForm& r) {
  const NormalForm twist = garside::delta_power(g.strands, 2);
  for (std::int64_t a = -8; a <= 8; ++a) {
    const NormalForm h = garside::multiply(g, power(r, -a));
    for (std::int64_t b = -8; b <= 8; ++b) {
      if (h == power(twist, b)) {
        return Vector{a, b};
      }
    }
  }
  return std::nullopt;
}

// Whether GENS lie in <r, Delta^2> and generate it.
void expect_root_and_twist(const std::vector<NormalForm>& gens, const NormalForm& r) {
  std::vector<Vector> coordinates;
  for (const NormalForm& g : gens) {
    const auto found = in_root_and_twist(g, r);
    ASSERT_TRUE(found.has_value()) << "a generator outside <r, Delta^2>";
    coordinates.push_back(*found);
  }
  EXPECT_TRUE(spans_lattice(coordinates, 2)) << "r and Delta^2 are not both generated";
}

TEST(Centralizer, SigmaOneInBThreeIsSigmaOneAndTheFullTwist) {
  // Z(sigma_1) in B_3 is the free abelian group on sigma_1 and Delta^2: every
  // generator lies in it, and their coordinates span Z^2. For sigma_2 =
  // c^-1 sigma_1 c, c = sigma_2 sigma_1, the generators carried back by c
  // (g -> c g c^-1) must do the same.
  const NormalForm s1 = nf(3, {1});
  const NormalForm s2 = nf(3, {2});
  const NormalForm c = nf(3, {2, 1});
  ASSERT_EQ(garside::conjugate(s1, c), s2);
  for (const NormalForm& x : {s1, s2}) {
    const auto gens = garside::centralizer(x);
    std::vector<NormalForm> back;
    for (const NormalForm& g : gens) {
      EXPECT_TRUE(commute(x, g));
      back.push_back(x == s1 ? g : garside::conjugate(g, garside::inverse(c)));
    }
    expect_root_and_twist(back, s1);
  }
}

TEST(Centralizer, PseudoAnosovBraidsOnThreeStrands) {
  // Through sigma_1 -> [[1,1],[0,1]], sigma_2 -> [[1,0],[-1,1]], B_3 maps
  // onto SL(2, Z) with Delta^2 -> -I and kernel <Delta^4>. r = sigma_1
  // sigma_2^-1 -> [[2,1],[1,1]] and r' = sigma_1^2 sigma_2^-1 -> [[3,2],[1,1]]
  // are hyperbolic, with eigenvalues (3 + sqrt 5)/2 and 2 + sqrt 3: the least
  // units of norm 1 above 1 in their quadratic fields. A root g^k = r^(+-1)
  // Delta^(2j), k >= 2, would have an eigenvalue of norm 1 that is a smaller
  // unit, so none exists. The centralizer of a hyperbolic element of
  // PSL(2, Z) is cyclic, so Z(r^k Delta^(2j)) = <r, Delta^2>, and likewise
  // for r'.
  const NormalForm r = nf(3, {1, -2});
  const NormalForm r2 = nf(3, {1, 1, -2});
  const NormalForm twist = garside::delta_power(3, 2);
  expect_root_and_twist(garside::centralizer(r), r);
  expect_root_and_twist(garside::centralizer(r2), r2);
  expect_root_and_twist(garside::centralizer(power(r, 2)), r);
  expect_root_and_twist(garside::centralizer(garside::multiply(power(r2, 3), twist)), r2);
  expect_root_and_twist(garside::centralizer(power(r, -3)), r);
  // A conjugate: c^-1 r c, with generators carried back by c.
  const NormalForm c = nf(3, {2, 2, 1, -2});
  std::vector<NormalForm> back;
  for (const NormalForm& g : garside::centralizer(garside::conjugate(r, c))) {
    back.push_back(garside::conjugate(g, garside::inverse(c)));
  }
  expect_root_and_twist(back, r);
}

TEST(Centralizer, TheCyclicBraidGeneratesItsCentralizer) {
  // delta = sigma_1 ... sigma_(n-1) is periodic (delta^n = Delta^2) and
  // Z(delta) is the infinite cyclic group it generates: each generator is
  // delta^k with k(n - 1) its exponent sum, and the k have gcd 1.
  for (int n = 3; n <= 7; ++n) {
    Word w;
    for (int i = 1; i < n; ++i) {
      w.push_back(static_cast<std::int16_t>(i));
    }
    const NormalForm delta = nf(n, w);
    const auto gens = garside::centralizer(delta);
    ASSERT_FALSE(gens.empty()) << n;
    std::int64_t g = 0;
    for (const NormalForm& c : gens) {
      const std::int64_t e = exponent_sum(garside::to_word(c));
      ASSERT_EQ(e % (n - 1), 0) << n;
      EXPECT_EQ(power(delta, e / (n - 1)), c) << n;
      g = std::gcd(g, e / (n - 1));
    }
    EXPECT_EQ(g, 1) << n;
  }
}

TEST(Centralizer, PowersOfDelta) {
  EXPECT_TRUE(garside::centralizer(garside::identity(1)).empty());
  for (int n = 2; n <= 7; ++n) {
    // Delta^2 is central: the whole group, sigma_1 .. sigma_(n-1).
    for (const std::int64_t k : {0, 2, -4}) {
      const auto gens = garside::centralizer(garside::delta_power(n, k));
      std::set<NormalForm> atoms;
      for (int i = 1; i < n; ++i) {
        atoms.insert(nf(n, {static_cast<std::int16_t>(i)}));
      }
      EXPECT_EQ(std::set<NormalForm>(gens.begin(), gens.end()), atoms) << n << " " << k;
    }
    // Odd powers: the braids fixed by the flip. The generators are simple and
    // fixed by tau, there are n/2 of them (one per pair {i, n - i}), and
    // Delta is a product of them: a search through their products that stay
    // simple reaches it.
    const NormalForm delta = garside::delta_power(n, 1);
    for (const std::int64_t k : {1, -3}) {
      const auto gens = garside::centralizer(garside::delta_power(n, k));
      EXPECT_EQ(gens.size(), static_cast<std::size_t>(n / 2)) << n;
      for (const NormalForm& g : gens) {
        EXPECT_EQ(garside::tau(g), g);
        EXPECT_TRUE(commute(delta, g));
        EXPECT_LE(garside::sup(g), 1);
        EXPECT_GE(garside::inf(g), 0);
      }
      std::set<NormalForm> seen{garside::identity(n)};
      std::deque<NormalForm> queue{garside::identity(n)};
      while (!queue.empty()) {
        const NormalForm p = queue.front();
        queue.pop_front();
        for (const NormalForm& g : gens) {
          const NormalForm q = garside::multiply(p, g);
          if (garside::sup(q) <= 1 && seen.insert(q).second) {
            queue.push_back(q);
          }
        }
      }
      EXPECT_TRUE(seen.contains(delta)) << n;
    }
  }
  // On two strands Delta = sigma_1.
  EXPECT_EQ(garside::centralizer(garside::delta_power(2, 3)), std::vector<NormalForm>{nf(2, {1})});
}

// Where each strand ends: i -> p[i].
std::vector<int> strand_permutation(const NormalForm& x) {
  std::vector<int> at(static_cast<std::size_t>(x.strands));  // at[position] = strand
  std::iota(at.begin(), at.end(), 0);
  for (const auto letter : garside::to_word(x)) {
    const auto i = static_cast<std::size_t>(letter > 0 ? letter : -letter);
    std::swap(at[i - 1], at[i]);
  }
  std::vector<int> p(at.size());
  for (std::size_t pos = 0; pos < at.size(); ++pos) {
    p[static_cast<std::size_t>(at[pos])] = static_cast<int>(pos);
  }
  return p;
}

TEST(Centralizer, SplitBraidOfTwoPseudoAnosovPieces) {
  // b1 = sigma_1 sigma_2^-1 on strands 1..3 and b2 = sigma_4 sigma_5^-2 on
  // strands 4..6 (both pseudo-Anosov: their images in SL(2, Z), through
  // sigma_1 -> [[1,1],[0,1]], sigma_2 -> [[1,0],[-1,1]], have traces 3 and 4,
  // and neither is a proper power up to the centre). The pieces are not
  // conjugate (exponent sums 0 and -1), so the tubes cannot be exchanged and
  // Z(b1 b2) is free abelian on b1, b2, the twists D1, D2 of each block and
  // Delta^2. Each generator is located in those coordinates (the exponent
  // sum fixes the last one), and the coordinates must span Z^5.
  const int n = 6;
  const NormalForm b1 = nf(n, {1, -2});
  const NormalForm b2 = nf(n, {4, -5, -5});
  const NormalForm d1 = nf(n, {1, 2, 1, 2, 1, 2});
  const NormalForm d2 = nf(n, {4, 5, 4, 5, 4, 5});
  const NormalForm twist = garside::delta_power(n, 2);
  const NormalForm x = garside::multiply(b1, b2);
  const auto gens = garside::centralizer(x);
  ASSERT_FALSE(gens.empty());
  const int r = 4;
  std::vector<Vector> coordinates;
  for (const NormalForm& g : gens) {
    ASSERT_TRUE(commute(x, g));
    EXPECT_TRUE(commute(b1, g));
    EXPECT_TRUE(commute(b2, g));
    const std::int64_t e = exponent_sum(garside::to_word(g));
    std::optional<Vector> found;
    const auto p = strand_permutation(g);
    for (std::int64_t a = -r; a <= r && !found; ++a) {
      for (std::int64_t b = -r; b <= r && !found; ++b) {
        // The permutation of the strands fixes a modulo 3 and b modulo 2.
        const auto q = strand_permutation(garside::multiply(power(b1, a), power(b2, b)));
        if (p != q) {
          continue;
        }
        const NormalForm h = garside::multiply(g, garside::multiply(power(b1, -a), power(b2, -b)));
        for (std::int64_t c = -r; c <= r && !found; ++c) {
          const NormalForm hc = garside::multiply(h, power(d1, -c));
          for (std::int64_t d = -r; d <= r && !found; ++d) {
            const std::int64_t rest = e + b - 6 * c - 6 * d;
            if (rest % 30 != 0) {
              continue;
            }
            if (garside::multiply(hc, power(d2, -d)) == power(twist, rest / 30)) {
              found = Vector{a, b, c, d, rest / 30};
            }
          }
        }
      }
    }
    ASSERT_TRUE(found.has_value()) << "a generator outside the expected group";
    coordinates.push_back(*found);
  }
  EXPECT_TRUE(spans_lattice(coordinates, 5)) << "the pieces and twists are not all generated";
}

// B_3 seen through SL(2, Z) (sigma_1 -> [[1,1],[0,1]], sigma_2 ->
// [[1,0],[-1,1]], kernel <Delta^4>, Delta^2 -> -I) and the exponent sum.
struct Matrix {
  long double a = 1, b = 0, c = 0, d = 1;
  Matrix operator*(const Matrix& m) const {
    return {a * m.a + b * m.c, a * m.b + b * m.d, c * m.a + d * m.c, c * m.b + d * m.d};
  }
};

Matrix matrix_of(const NormalForm& g) {
  Matrix m;
  for (const auto letter : garside::to_word(g)) {
    const long double s = letter > 0 ? 1 : -1;
    m = m * (letter == 1 || letter == -1 ? Matrix{1, s, 0, 1} : Matrix{1, 0, -s, 1});
  }
  return m;
}

// For x in B_3 with a hyperbolic matrix: Z(x) is abelian, and g -> (e(g),
// log |mu(g)|), mu(g) the eigenvalue of g on the expanding eigenvector of x's
// matrix (which every commuting matrix keeps), is an injective homomorphism
// to Z x R (an element of the kernel maps to +-I with exponent sum 0, so it
// lies in <Delta^2> with exponent sum 0). Whether TARGET lies in the
// subgroup generated by GENS, decided in that image: a row reduction on the
// integer coordinate, then a Euclid on the reals for the rest.
class HyperbolicCentralizer {
 public:
  explicit HyperbolicCentralizer(const NormalForm& x) {
    const Matrix m = matrix_of(x);
    const long double t = m.a + m.d;
    const long double lambda = (t + (t > 0 ? 1 : -1) * std::sqrt(t * t - 4)) / 2;
    // (b, lambda - a) = (b, d - 1/lambda) is an eigenvector for lambda
    // unless b = 0.
    v0_ = m.b;
    v1_ = m.d - 1 / lambda;
  }
  // log |mu| is read from the trace (|mu| + 1/|mu| = |trace|), its sign from
  // whether g stretches or shrinks the eigenvector, which stays accurate
  // when the entries are large.
  std::pair<std::int64_t, long double> image(const NormalForm& g) const {
    const Matrix m = matrix_of(g);
    const long double t = std::fabs(m.a + m.d);
    const long double l = t > 2 ? std::log((t + std::sqrt(t * t - 4)) / 2) : 0;
    const long double forward = std::hypot(m.a * v0_ + m.b * v1_, m.c * v0_ + m.d * v1_);
    const long double backward = std::hypot(m.d * v0_ - m.b * v1_, -m.c * v0_ + m.a * v1_);
    return {exponent_sum(garside::to_word(g)), forward >= backward ? l : -l};
  }
  bool generated(const std::vector<NormalForm>& gens, const NormalForm& target) const {
    std::vector<std::pair<std::int64_t, long double>> rows;
    for (const NormalForm& g : gens) {
      rows.push_back(image(g));
    }
    // One row with the gcd of the exponent sums, the others with none.
    std::size_t pivot = rows.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].first == 0) {
        continue;
      }
      if (pivot == rows.size()) {
        pivot = i;
        continue;
      }
      while (rows[i].first != 0) {
        const std::int64_t q = rows[pivot].first / rows[i].first;
        rows[pivot].first -= q * rows[i].first;
        rows[pivot].second -= static_cast<long double>(q) * rows[i].second;
        std::swap(rows[pivot], rows[i]);
      }
    }
    const auto [e, l] = image(target);
    long double rest = l;
    if (pivot != rows.size()) {
      if (e % rows[pivot].first != 0) {
        return false;
      }
      rest -= static_cast<long double>(e / rows[pivot].first) * rows[pivot].second;
    } else if (e != 0) {
      return false;
    }
    long double unit = 0;  // the real gcd of the others
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (i == pivot) {
        continue;
      }
      long double a = std::fabs(rows[i].second);
      long double b = unit;
      while (b > 1e-9L) {
        const long double r = std::fabs(a - std::round(a / b) * b);
        a = b;
        b = r;
      }
      unit = a;
    }
    if (unit < 1e-9L) {
      return std::fabs(rest) < 1e-9L;
    }
    return std::fabs(rest / unit - std::round(rest / unit)) < 1e-6L;
  }

 private:
  long double v0_ = 0, v1_ = 0;
};

// For w in B_3 with a hyperbolic matrix and x = c^-1 w^k c, Z(x) contains
// c^-1 w c and Delta^2, which must be generated; so must x itself. False when
// w's matrix is not hyperbolic (nothing checked).
bool check_root(const NormalForm& w, const NormalForm& c) {
  const Matrix m = matrix_of(w);
  if (std::fabs(m.a + m.d) <= 2.5L || m.b == 0) {
    return false;
  }
  const NormalForm twist = garside::delta_power(3, 2);
  for (const std::int64_t k : {1, 2, 3}) {
    SCOPED_TRACE(k);
    const NormalForm x = garside::conjugate(power(w, k), c);
    const auto gens = garside::centralizer(x);
    const HyperbolicCentralizer z(x);
    EXPECT_TRUE(z.generated(gens, garside::conjugate(w, c)));
    EXPECT_TRUE(z.generated(gens, twist));
    EXPECT_TRUE(z.generated(gens, x));
    // The test itself tells a proper subgroup apart.
    EXPECT_FALSE(z.generated({x}, twist));
    if (k > 1) {
      EXPECT_FALSE(z.generated({x, twist}, garside::conjugate(w, c)));
    }
  }
  return true;
}

TEST(Centralizer, RootsOfSeededPseudoAnosovBraidsOnThreeStrands) {
  std::mt19937 gen(5150);
  int checked = 0;
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    const NormalForm w = nf(3, random_word(gen, 3, 6 + static_cast<int>(gen() % 10)));
    const NormalForm c = nf(3, random_word(gen, 3, 5));
    checked += check_root(w, c) ? 1 : 0;
  }
  EXPECT_GE(checked, 10);
}

TEST(Centralizer, SeededBraidsOnThreeToSixStrands) {
  // Every generator commutes with the braid. Conjugation carries
  // centralizers: the generators of Z(c^-1 x c), carried back by c, commute
  // with x. In B_3, modulo the centre a free product of cyclic groups, the
  // centralizer of a non-central braid is abelian.
  std::mt19937 gen(4242);
  for (int round = 0; round < 24; ++round) {
    const int n = 3 + round % 4;
    const Word w = random_word(gen, n, 6 + static_cast<int>(gen() % 10));
    const Word cw = random_word(gen, n, 4);
    const NormalForm x = nf(n, w);
    const NormalForm c = nf(n, cw);
    const NormalForm xc = garside::conjugate(x, c);
    const auto gens = garside::centralizer(x);
    const auto gens_c = garside::centralizer(xc);
    ASSERT_FALSE(gens.empty());
    for (const NormalForm& g : gens) {
      EXPECT_TRUE(commute(x, g));
      EXPECT_TRUE(commute(xc, garside::conjugate(g, c)));
    }
    for (const NormalForm& g : gens_c) {
      EXPECT_TRUE(commute(xc, g));
      EXPECT_TRUE(commute(x, garside::conjugate(g, garside::inverse(c))));
    }
    if (n == 3 && !(x.factors.empty() && x.delta % 2 == 0)) {
      for (const NormalForm& g : gens) {
        for (const NormalForm& h : gens) {
          EXPECT_TRUE(commute(g, h));
        }
      }
    }
  }
}

TEST(Centralizer, LimitsAndStopRequests) {
  // The ultra summit set of sigma_1 in B_3 is {sigma_1, sigma_2}.
  const NormalForm s1 = nf(3, {1});
  try {
    garside::centralizer(s1, 1);
    ADD_FAILURE() << "no SetTooLarge";
  } catch (const garside::SetTooLarge& e) {
    EXPECT_EQ(e.set_name(), "ultra summit set");
    EXPECT_EQ(e.limit(), 1U);
  }
  EXPECT_NO_THROW(garside::centralizer(s1, 2));
  EXPECT_NO_THROW(garside::centralizer(s1, 0));

  const std::atomic<bool> raised{true};
  basics::STOPREQUEST stop;
  stop.FLAG = &raised;
  EXPECT_THROW(garside::centralizer(nf(4, {1, -2, 3, 3}), 0, &stop), basics::INTERRUPTED);
}

TEST(CentralizerLong, RootsOfPseudoAnosovBraidsOnThreeStrands) {
  for (std::uint64_t i = 0; i < 400; ++i) {
    if (!testsupport::sampled(i, 5151)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(5151 + i));
    const NormalForm w = nf(3, random_word(gen, 3, 10 + static_cast<int>(gen() % 30)));
    check_root(w, nf(3, random_word(gen, 3, 10)));
  }
}

TEST(CentralizerLong, SeededBraidsOnFourToEightStrands) {
  // As above on longer braids: each case from its own seed.
  for (std::uint64_t i = 0; i < 200; ++i) {
    if (!testsupport::sampled(i, 7301)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(i));
    std::mt19937 gen(static_cast<std::mt19937::result_type>(7301 + i));
    const int n = 4 + static_cast<int>(i % 5);
    const NormalForm x = nf(n, random_word(gen, n, 20 + static_cast<int>(gen() % 40)));
    const NormalForm c = nf(n, random_word(gen, n, 8));
    const NormalForm xc = garside::conjugate(x, c);
    const auto gens = garside::centralizer(x);
    ASSERT_FALSE(gens.empty());
    for (const NormalForm& g : gens) {
      EXPECT_TRUE(commute(x, g));
      EXPECT_TRUE(commute(xc, garside::conjugate(g, c)));
    }
    for (const NormalForm& g : garside::centralizer(xc)) {
      EXPECT_TRUE(commute(x, garside::conjugate(g, garside::inverse(c))));
    }
  }
}

}  // namespace
