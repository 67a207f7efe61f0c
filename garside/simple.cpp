#include "garside/simple.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>
#include <utility>

namespace garside {

// The library's own access to uninitialized braids, whose entries it fills.
struct SimpleAccess {
  static Simple blank(int strands) { return Simple(strands, Simple::Uninitialized{}); }
};

namespace {

Simple blank(int strands) { return SimpleAccess::blank(strands); }

void check_strands(int strands) {
  if (strands < 1 || strands > kMaxStrands) {
    throw std::invalid_argument("garside: a braid has 1 to 32767 strands, not " +
                                std::to_string(strands));
  }
}

void check_same(const Simple& a, const Simple& b) {
  if (a.strands() != b.strands()) {
    throw std::invalid_argument("garside: simple braids on " + std::to_string(a.strands()) +
                                " and " + std::to_string(b.strands()) + " strands");
  }
}

// The inverse permutation.
Simple inverse_permutation(const Simple& s) {
  const int n = s.strands();
  Simple r = blank(n);
  const Simple::Index* p = s.data();
  Simple::Index* q = r.data();
  for (int i = 0; i < n; ++i) {
    q[p[i]] = static_cast<Simple::Index>(i);
  }
  return r;
}

// The same permutation read from the other end: r[k] = s[n - 1 - k], the
// permutation of Delta s (Delta first).
Simple delta_times(const Simple& s) {
  const int n = s.strands();
  Simple r = blank(n);
  const Simple::Index* p = s.data();
  Simple::Index* q = r.data();
  for (int k = 0; k < n; ++k) {
    q[k] = p[n - 1 - k];
  }
  return r;
}

// The left meet by stripping common initial generators: if sigma_k divides
// both a and b, then a ^ b = sigma_k (sigma_k^-1 a ^ sigma_k^-1 b), and a ^ b = 1
// when no generator divides both. Stripping sigma_k on the left swaps the
// entries k and k+1 of a permutation, which can only change the descents at
// k - 1 and k + 1; so the scan steps back one place after each strip and the
// whole costs O(n + length of the meet).
Simple greedy_meet(const Simple& a, const Simple& b) {
  const int n = a.strands();
  {
    // Most meets of normal-form steps are trivial: no common first generator.
    const Simple::Index* p = a.data();
    const Simple::Index* q = b.data();
    int k = 0;
    while (k < n - 1 && !(p[k] > p[k + 1] && q[k] > q[k + 1])) {
      ++k;
    }
    if (k == n - 1) {
      return Simple(n);
    }
  }
  Simple x = a;
  Simple y = b;
  Simple::Index* p = x.data();
  Simple::Index* q = y.data();
  int k = 0;
  while (k < n - 1) {
    if (p[k] > p[k + 1] && q[k] > q[k + 1]) {
      std::swap(p[k], p[k + 1]);
      std::swap(q[k], q[k + 1]);
      if (k > 0) {
        --k;
      }
    } else {
      ++k;
    }
  }
  // a = m x, so a[i] = x[m[i]]; y is free now and holds x's inverse.
  for (int i = 0; i < n; ++i) {
    q[p[i]] = static_cast<Simple::Index>(i);
  }
  const Simple::Index* pa = a.data();
  for (int i = 0; i < n; ++i) {
    p[i] = q[pa[i]];
  }
  return x;
}

// The left meet by merge sort, O(n log n) whatever the lengths. Strand i
// ends before strand j > i in a ^ b exactly when a chain i = k_0 < k_1 < ... <
// k_m = j has each k_t ending before k_(t+1) in a or in b (the pairs that do
// not cross in the meet are the transitive closure of those that cross in
// neither). Merge sort keeps each block in the order of the meet. When the
// heads are x of the left block and y of the right one, such a chain from x
// to y passes through the left block only (an element of the right block
// before y would already be out, and x before it): so x goes first exactly
// when some remaining strand w of the left block ends before y in a or in b,
// that is when the least end in a, or in b, of the remaining left strands is
// below y's.
Simple merge_meet(const Simple& a, const Simple& b) {
  const int n = a.strands();
  const Simple::Index* pa = a.data();
  const Simple::Index* pb = b.data();
  std::vector<Simple::Index> order(static_cast<std::size_t>(n));
  std::vector<Simple::Index> merged(static_cast<std::size_t>(n));
  std::vector<Simple::Index> least_a(static_cast<std::size_t>(n));
  std::vector<Simple::Index> least_b(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    order[static_cast<std::size_t>(i)] = static_cast<Simple::Index>(i);
  }
  for (std::size_t width = 1; width < order.size(); width *= 2) {
    for (std::size_t lo = 0; lo < order.size(); lo += 2 * width) {
      const std::size_t mid = std::min(lo + width, order.size());
      const std::size_t hi = std::min(lo + 2 * width, order.size());
      for (std::size_t t = mid; t-- > lo;) {
        least_a[t] = pa[order[t]];
        least_b[t] = pb[order[t]];
        if (t + 1 < mid) {
          least_a[t] = std::min(least_a[t], least_a[t + 1]);
          least_b[t] = std::min(least_b[t], least_b[t + 1]);
        }
      }
      std::size_t i = lo;
      std::size_t j = mid;
      std::size_t k = lo;
      while (i < mid && j < hi) {
        const Simple::Index y = order[j];
        if (least_a[i] > pa[y] && least_b[i] > pb[y]) {
          merged[k++] = y;
          ++j;
        } else {
          merged[k++] = order[i++];
        }
      }
      while (i < mid) {
        merged[k++] = order[i++];
      }
      while (j < hi) {
        merged[k++] = order[j++];
      }
    }
    order.swap(merged);
  }
  Simple m = blank(n);
  for (int pos = 0; pos < n; ++pos) {
    m.data()[order[static_cast<std::size_t>(pos)]] = static_cast<Simple::Index>(pos);
  }
  return m;
}

// The greedy meet costs O(n + its length), at most O(n^2): the better choice
// up to 64 strands, where the meets of normal forms are short.
Simple meet_of(const Simple& a, const Simple& b) {
  return a.strands() <= 64 ? greedy_meet(a, b) : merge_meet(a, b);
}

// Up to 64 strands: the crossing pairs of a simple braid as bit masks, below[i]
// = the strands k > i that cross strand i (both named by where they start).
// The prefix order is inclusion of these sets, and the crossing pairs of
// a v b are the transitive closure of those of a and b (i crosses j and j
// crosses k, i < j < k, force i to cross k); the closure of a valid set of
// crossings that contains the union is the smallest one. Cost O(n) plus one
// step per mask that is not already covered.
void crossing_masks(const Simple& s, std::uint64_t* below) {
  const int n = s.strands();
  const Simple::Index* p = s.data();
  std::array<Simple::Index, 64> at;  // at[v]: the strand that ends at v
  for (int i = 0; i < n; ++i) {
    at[p[i]] = static_cast<Simple::Index>(i);
  }
  std::array<std::uint64_t, 64> ending_before;  // strands that end before v
  std::uint64_t seen = 0;
  for (int v = 0; v < n; ++v) {
    ending_before[static_cast<std::size_t>(v)] = seen;
    seen |= std::uint64_t{1} << at[v];
  }
  for (int i = 0; i < n; ++i) {
    const std::uint64_t later = i == 63 ? 0 : ~std::uint64_t{0} << (i + 1);
    below[i] |= ending_before[p[i]] & later;
  }
}

Simple join_small(const Simple& a, const Simple& b) {
  const int n = a.strands();
  std::array<std::uint64_t, 64> below;
  std::fill(below.begin(), below.begin() + n, std::uint64_t{0});
  crossing_masks(a, below.data());
  crossing_masks(b, below.data());
  for (int i = n - 2; i >= 0; --i) {
    std::uint64_t open = below[static_cast<std::size_t>(i)];
    while (open != 0) {
      const int j = std::countr_zero(open);
      below[static_cast<std::size_t>(i)] |= below[static_cast<std::size_t>(j)];
      open &= ~(below[static_cast<std::size_t>(j)] | (std::uint64_t{1} << j));
    }
  }
  // Strand i ends after the strands k > i that cross it and the strands
  // k < i that do not.
  Simple r = blank(n);
  Simple::Index* q = r.data();
  for (int i = 0; i < n; ++i) {
    int crossed_from_left = 0;
    for (int k = 0; k < i; ++k) {
      crossed_from_left += static_cast<int>((below[static_cast<std::size_t>(k)] >> i) & 1U);
    }
    q[i] = static_cast<Simple::Index>(std::popcount(below[static_cast<std::size_t>(i)]) + i -
                                      crossed_from_left);
  }
  return r;
}

// a v b. Beyond 64 strands: the right complement d carries joins to right
// meets, d(a v b) = d(a) ^R d(b); the right meet is the left meet of the
// inverses, and the inverse of d(s) is Delta s. Unwinding the inverses and
// complements, the join is the left meet of Delta a and Delta b read from
// the other end.
Simple join_of(const Simple& a, const Simple& b) {
  if (a.strands() <= 64) {
    return join_small(a, b);
  }
  return delta_times(meet_of(delta_times(a), delta_times(b)));
}

}  // namespace

Simple::Simple(int strands, Uninitialized) : n_(strands) {
  if (n_ > kInline) {
    large_.resize(static_cast<std::size_t>(n_));
  }
}

Simple::Simple(int strands) : n_(strands) {
  check_strands(strands);
  if (n_ > kInline) {
    large_.resize(static_cast<std::size_t>(n_));
  }
  Index* p = data();
  for (int i = 0; i < n_; ++i) {
    p[i] = static_cast<Index>(i);
  }
}

Simple Simple::delta(int strands) {
  Simple s(strands);
  Index* p = s.data();
  for (int i = 0; i < strands; ++i) {
    p[i] = static_cast<Index>(strands - 1 - i);
  }
  return s;
}

Simple Simple::atom(int strands, int i) {
  check_strands(strands);
  if (i < 1 || i > strands - 1) {
    throw std::invalid_argument("garside: no generator sigma_" + std::to_string(i) + " on " +
                                std::to_string(strands) + " strands");
  }
  Simple s(strands);
  std::swap(s.data()[i - 1], s.data()[i]);
  return s;
}

Simple Simple::from_permutation(std::span<const Index> images) {
  const auto n = static_cast<int>(images.size());
  if (images.size() > static_cast<std::size_t>(kMaxStrands)) {
    throw std::invalid_argument("garside: a permutation of more than 32767 points");
  }
  Simple s(n);
  std::vector<bool> seen(images.size(), false);
  for (int i = 0; i < n; ++i) {
    const Index v = images[static_cast<std::size_t>(i)];
    if (v >= n || seen[v]) {
      throw std::invalid_argument("garside: not a permutation of 0 .. " + std::to_string(n - 1));
    }
    seen[v] = true;
    s.data()[i] = v;
  }
  return s;
}

Simple Simple::from_word(int strands, const Word& word) {
  Simple s(strands);
  Simple inv(strands);  // inv[j]: the strand that ends at j
  Index* p = s.data();
  Index* q = inv.data();
  for (const std::int16_t letter : word) {
    if (letter < 1 || letter > strands - 1) {
      throw std::invalid_argument("garside: letter " + std::to_string(letter) +
                                  " in a positive word on " + std::to_string(strands) +
                                  " strands");
    }
    const int j = letter - 1;
    if (q[j] > q[j + 1]) {
      throw std::invalid_argument("garside: two strands cross twice in a word said simple");
    }
    // Appending sigma_(j+1) exchanges the strands that end at j and j + 1.
    p[q[j]] = static_cast<Index>(j + 1);
    p[q[j + 1]] = static_cast<Index>(j);
    std::swap(q[j], q[j + 1]);
  }
  return s;
}

std::vector<Simple::Index> Simple::permutation() const {
  return std::vector<Index>(data(), data() + n_);
}

bool Simple::is_identity() const {
  const Index* p = data();
  for (int i = 0; i < n_; ++i) {
    if (p[i] != i) {
      return false;
    }
  }
  return true;
}

bool Simple::is_delta() const {
  const Index* p = data();
  for (int i = 0; i < n_; ++i) {
    if (p[i] != n_ - 1 - i) {
      return false;
    }
  }
  return true;
}

std::int64_t Simple::length() const {
  const Index* p = data();
  std::int64_t count = 0;
  if (n_ <= 64) {
    for (int i = 0; i < n_; ++i) {
      for (int j = i + 1; j < n_; ++j) {
        count += p[i] > p[j] ? 1 : 0;
      }
    }
    return count;
  }
  // Inversions counted with a Fenwick tree of the images seen so far.
  std::vector<std::int32_t> tree(static_cast<std::size_t>(n_) + 1, 0);
  for (int i = n_ - 1; i >= 0; --i) {
    for (int v = p[i]; v > 0; v -= v & -v) {
      count += tree[static_cast<std::size_t>(v)];
    }
    for (int v = p[i] + 1; v <= n_; v += v & -v) {
      ++tree[static_cast<std::size_t>(v)];
    }
  }
  return count;
}

Word Simple::word() const {
  Word w;
  Simple x = *this;
  Index* p = x.data();
  int k = 0;
  while (k < n_ - 1) {
    if (p[k] > p[k + 1]) {
      w.push_back(static_cast<std::int16_t>(k + 1));
      std::swap(p[k], p[k + 1]);
      if (k > 0) {
        --k;
      }
    } else {
      ++k;
    }
  }
  return w;
}

bool Simple::ends_with(int i) const {
  const Index* p = data();
  int before = -1;
  int after = -1;
  for (int k = 0; k < n_; ++k) {
    if (p[k] == i - 1) {
      before = k;
    } else if (p[k] == i) {
      after = k;
    }
  }
  return before > after;
}

std::vector<int> Simple::starting_set() const {
  std::vector<int> set;
  for (int i = 1; i < n_; ++i) {
    if (starts_with(i)) {
      set.push_back(i);
    }
  }
  return set;
}

std::vector<int> Simple::finishing_set() const {
  const Simple inv = inverse_permutation(*this);
  std::vector<int> set;
  for (int i = 1; i < n_; ++i) {
    if (inv[i - 1] > inv[i]) {
      set.push_back(i);
    }
  }
  return set;
}

bool operator==(const Simple& a, const Simple& b) {
  if (a.n_ != b.n_) {
    return false;
  }
  const Simple::Index* p = a.data();
  const Simple::Index* q = b.data();
  for (int i = 0; i < a.n_; ++i) {
    if (p[i] != q[i]) {
      return false;
    }
  }
  return true;
}

std::strong_ordering operator<=>(const Simple& a, const Simple& b) {
  if (a.n_ != b.n_) {
    return a.n_ <=> b.n_;
  }
  const Simple::Index* p = a.data();
  const Simple::Index* q = b.data();
  for (int i = 0; i < a.n_; ++i) {
    if (p[i] != q[i]) {
      return p[i] <=> q[i];
    }
  }
  return std::strong_ordering::equal;
}

std::size_t Simple::hash() const {
  std::uint64_t h = 1469598103934665603ULL ^ static_cast<std::uint64_t>(n_);
  const Index* p = data();
  for (int i = 0; i < n_; ++i) {
    h = (h ^ p[i]) * 1099511628211ULL;
  }
  return static_cast<std::size_t>(h ^ (h >> 29));
}

Simple left_meet(const Simple& a, const Simple& b) {
  check_same(a, b);
  return meet_of(a, b);
}

Simple right_meet(const Simple& a, const Simple& b) {
  check_same(a, b);
  // Right divisors of s are the reverses of the left divisors of reverse(s).
  return inverse_permutation(meet_of(inverse_permutation(a), inverse_permutation(b)));
}

Simple left_join(const Simple& a, const Simple& b) {
  check_same(a, b);
  return join_of(a, b);
}

Simple right_join(const Simple& a, const Simple& b) {
  check_same(a, b);
  return right_complement(meet_of(left_complement(a), left_complement(b)));
}

bool left_divides(const Simple& a, const Simple& b) {
  check_same(a, b);
  return meet_of(a, b) == a;
}

bool right_divides(const Simple& a, const Simple& b) {
  check_same(a, b);
  return meet_of(inverse_permutation(a), inverse_permutation(b)) == inverse_permutation(a);
}

Simple product(const Simple& a, const Simple& b) {
  check_same(a, b);
  if (!left_divides(b, right_complement(a))) {
    throw std::invalid_argument("garside: the product of the two simple braids is not simple");
  }
  return unchecked::product(a, b);
}

Simple left_quotient(const Simple& a, const Simple& b) {
  check_same(a, b);
  if (!left_divides(a, b)) {
    throw std::invalid_argument("garside: left quotient by a braid that does not left-divide");
  }
  return unchecked::left_quotient(a, b);
}

Simple right_quotient(const Simple& b, const Simple& a) {
  check_same(a, b);
  if (!right_divides(a, b)) {
    throw std::invalid_argument("garside: right quotient by a braid that does not right-divide");
  }
  const Simple ainv = inverse_permutation(a);
  Simple r(b.strands());
  for (int i = 0; i < b.strands(); ++i) {
    r.data()[i] = ainv[b[i]];
  }
  return r;
}

Simple right_complement(const Simple& s) {
  const int n = s.strands();
  Simple r = blank(n);
  const Simple::Index* p = s.data();
  Simple::Index* q = r.data();
  for (int i = 0; i < n; ++i) {
    q[p[i]] = static_cast<Simple::Index>(n - 1 - i);
  }
  return r;
}

Simple left_complement(const Simple& s) {
  const int n = s.strands();
  const Simple inv = inverse_permutation(s);
  Simple r = blank(n);
  for (int i = 0; i < n; ++i) {
    r.data()[i] = inv[n - 1 - i];
  }
  return r;
}

Simple tau(const Simple& s, std::int64_t k) {
  if (k % 2 == 0) {
    return s;
  }
  const int n = s.strands();
  Simple r = blank(n);
  const Simple::Index* p = s.data();
  Simple::Index* q = r.data();
  for (int i = 0; i < n; ++i) {
    q[i] = static_cast<Simple::Index>(n - 1 - p[n - 1 - i]);
  }
  return r;
}

Simple reverse(const Simple& s) { return inverse_permutation(s); }

namespace unchecked {

Simple product(const Simple& a, const Simple& b) {
  const int n = a.strands();
  Simple r = blank(n);
  const Simple::Index* p = a.data();
  const Simple::Index* q = b.data();
  Simple::Index* t = r.data();
  for (int i = 0; i < n; ++i) {
    t[i] = q[p[i]];
  }
  return r;
}

Simple left_quotient(const Simple& a, const Simple& b) {
  const int n = a.strands();
  Simple r = blank(n);
  const Simple::Index* p = a.data();
  const Simple::Index* q = b.data();
  Simple::Index* t = r.data();
  for (int i = 0; i < n; ++i) {
    t[p[i]] = q[i];
  }
  return r;
}

Simple conjugate_product(const Simple& x, const Simple& y, const Simple& z) {
  const int n = x.strands();
  Simple r = blank(n);
  const Simple::Index* px = x.data();
  const Simple::Index* py = y.data();
  const Simple::Index* pz = z.data();
  Simple::Index* t = r.data();
  for (int i = 0; i < n; ++i) {
    t[px[i]] = pz[py[i]];
  }
  return r;
}

Simple residual(const Simple& a, const Simple& t) {
  return unchecked::left_quotient(a, join_of(a, t));
}

}  // namespace unchecked

}  // namespace garside
