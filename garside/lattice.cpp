#include "garside/lattice.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace garside {

namespace {

void check_same_strands(const NormalForm& x, const NormalForm& y) {
  if (x.strands != y.strands) {
    throw std::invalid_argument("garside: braids on different strand counts");
  }
}

// The largest simple prefix x ^ Delta of a positive braid x.
Simple head(const NormalForm& x) {
  if (x.delta > 0) {
    return Simple::delta(x.strands);
  }
  return x.factors.empty() ? Simple(x.strands) : x.factors.front();
}

}  // namespace

NormalForm left_gcd(const NormalForm& x, const NormalForm& y, const basics::STOPREQUEST* stop) {
  check_same_strands(x, y);
  if (x.strands == 1) {
    return identity(1);
  }
  // (1): shift both by Delta^k to positive braids, one of inf 0; the gcd
  // begins with Delta^-k.
  const std::int64_t k = -std::min(x.delta, y.delta);
  NormalForm a = x;
  NormalForm b = y;
  a.delta += k;
  b.delta += k;
  NormalForm g = delta_power(x.strands, -k);
  // (2): peel the largest common simple prefix off both until it is trivial.
  // After the shift one of the two has inf 0, and so has the gcd d: the s
  // peeled are the factors of d's left normal form, none of them Delta.
  for (;;) {
    basics::CHECKSTOP(stop);
    if (a.delta == 0 && b.delta == 0) {
      // Equal leading factors are peeled whole: what follows them is still
      // in normal form.
      const auto [ea, eb] = std::mismatch(a.factors.begin(), a.factors.end(), b.factors.begin(),
                                          b.factors.end());
      if (ea != a.factors.begin()) {
        g.factors.insert(g.factors.end(), a.factors.begin(), ea);
        a.factors.erase(a.factors.begin(), ea);
        b.factors.erase(b.factors.begin(), eb);
        continue;
      }
    }
    const Simple s = left_meet(head(a), head(b));
    if (s.is_identity()) {
      return g;
    }
    g.factors.push_back(s);
    divide_left(a, s);
    divide_left(b, s);
  }
}

NormalForm reverse(const NormalForm& x) {
  RightNormalForm r;
  r.strands = x.strands;
  r.delta = x.delta;
  r.factors.reserve(x.factors.size());
  for (auto it = x.factors.rbegin(); it != x.factors.rend(); ++it) {
    r.factors.push_back(reverse(*it));
  }
  return left_normal_form(r);
}

NormalForm mirror(const NormalForm& x) { return reverse(inverse(x)); }

NormalForm right_gcd(const NormalForm& x, const NormalForm& y, const basics::STOPREQUEST* stop) {
  check_same_strands(x, y);
  return reverse(left_gcd(reverse(x), reverse(y), stop));  // (4)
}

NormalForm right_lcm(const NormalForm& x, const NormalForm& y, const basics::STOPREQUEST* stop) {
  check_same_strands(x, y);
  return mirror(left_gcd(mirror(x), mirror(y), stop));  // (3)
}

NormalForm left_lcm(const NormalForm& x, const NormalForm& y, const basics::STOPREQUEST* stop) {
  check_same_strands(x, y);
  return mirror(right_gcd(mirror(x), mirror(y), stop));  // (3)
}

bool left_divides(const NormalForm& x, const NormalForm& y) {
  return inf(multiply(inverse(x), y)) >= 0;
}

bool right_divides(const NormalForm& x, const NormalForm& y) {
  return inf(multiply(y, inverse(x))) >= 0;
}

}  // namespace garside
