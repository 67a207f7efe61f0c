#include "garside/minimalconjugators.h"

#include <algorithm>
#include <unordered_map>

#include "garside/summit.h"

namespace garside {

namespace {

// U \ t for U = u_1 ... u_m: (u_1 U') \ t = U' \ (u_1 \ t).
Simple residual_through(const std::vector<Simple>& chain, Simple t) {
  for (const Simple& u : chain) {
    if (t.is_identity()) {
      break;
    }
    t = unchecked::residual(u, t);
  }
  return t;
}

// The factors of W^-1 Delta^m for W = w_1 ... w_m (each w_i simple):
// d(w_m) tau(d(w_(m-1))) ... tau^(m-1)(d(w_1)), since w^-1 Delta^k =
// d(w) Delta^(k-1) and Delta^(k-1) v = tau^-(k-1)(v) Delta^(k-1).
std::vector<Simple> complement_chain(const std::vector<Simple>& w) {
  std::vector<Simple> chain;
  chain.reserve(w.size());
  for (std::size_t j = 0; j < w.size(); ++j) {
    chain.push_back(tau(right_complement(w[w.size() - 1 - j]), static_cast<std::int64_t>(j)));
  }
  return chain;
}

// The least SSS conjugator of Y above C (see the header): XSTAR is the
// complement chain of Y's factors.
Simple super_summit_closure(const NormalForm& y, const std::vector<Simple>& xstar, Simple c,
                            const basics::STOPREQUEST* stop) {
  const std::int64_t p = y.delta;
  const auto r = static_cast<std::int64_t>(y.factors.size());
  for (;;) {
    basics::CHECKSTOP(stop);
    Simple d = left_join(c, residual_through(y.factors, tau(c, p)));
    d = left_join(d, tau(residual_through(xstar, c), p + r));
    if (d == c) {
      return c;
    }
    c = std::move(d);
  }
}

// What the pullback and the transport at one element of a closed orbit need.
struct OrbitPoint {
  NormalForm y;
  std::vector<Simple> xstar;  // Y's X* for the SSS closure
  Simple step;                // g(y): iota(y) or the preferred prefix
  Simple step_complement;     // d(g(y))
  std::vector<Simple> first;  // x_2 ... x_r (cycling); x_1' x_2 ... x_r (sliding)
  std::vector<Simple> second; // sliding: the complement chain of x_1 ... x_(r-1) (x_r g)
  // Pullbacks and transports already computed here: the closures of the
  // different generators, and of the different starting points of the
  // orbit, pass through the same braids again and again.
  std::unordered_map<Simple, Simple, SimpleHash> pulled;
  std::unordered_map<Simple, Simple, SimpleHash> carried;
};

OrbitPoint make_point(const NormalForm& y, Closure kind) {
  OrbitPoint d;
  d.y = y;
  d.xstar = complement_chain(y.factors);
  if (kind == Closure::cycling) {
    d.step = initial_factor(y);
    d.first.assign(y.factors.begin() + 1, y.factors.end());
  } else {
    d.step = preferred_prefix(y);
    d.first = y.factors;
    d.first.front() = unchecked::left_quotient(tau(d.step, y.delta), d.first.front());
    std::vector<Simple> w = y.factors;
    w.back() = unchecked::product(w.back(), d.step);
    d.second = complement_chain(w);
  }
  d.step_complement = right_complement(d.step);
  return d;
}

// P(t): the least SSS conjugator c of d.y whose transport lies above t.
Simple pullback(OrbitPoint& d, const Simple& t, Closure kind, const basics::STOPREQUEST* stop) {
  if (const auto it = d.pulled.find(t); it != d.pulled.end()) {
    return it->second;
  }
  const std::int64_t p = d.y.delta;
  const auto r = static_cast<std::int64_t>(d.y.factors.size());
  Simple lower = residual_through(d.first, tau(t, p));
  if (kind == Closure::sliding) {
    lower = left_join(lower, tau(residual_through(d.second, t), p + r));
  }
  lower = left_join(lower, tau(unchecked::residual(d.step_complement, t), 1));
  Simple c = super_summit_closure(d.y, d.xstar, std::move(lower), stop);
  d.pulled.emplace(t, c);
  return c;
}

// T(c) = g(y)^-1 c g(y^c), simple for every SSS conjugator c of y.
Simple transport(OrbitPoint& d, const Simple& c, Closure kind) {
  if (const auto it = d.carried.find(c); it != d.carried.end()) {
    return it->second;
  }
  NormalForm z = d.y;
  conjugate_by(z, c);
  const Simple g = kind == Closure::cycling ? initial_factor(z) : preferred_prefix(z);
  Simple t = unchecked::conjugate_product(d.step, c, g);
  d.carried.emplace(c, t);
  return t;
}

// The element of the sequence u, f(u), f(f(u)), ... at the first index that is
// a multiple of the period and not before the sequence becomes periodic: the
// value of f^K(u) for every large enough multiple K of the period.
template <class F>
Simple settle(Simple u, F&& f, const basics::STOPREQUEST* stop) {
  std::vector<Simple> seen;
  std::unordered_map<Simple, std::size_t, SimpleHash> index;
  for (;;) {
    basics::CHECKSTOP(stop);
    const auto [it, inserted] = index.emplace(u, seen.size());
    if (!inserted) {
      const std::size_t start = it->second;
      const std::size_t period = seen.size() - start;
      return seen[(start + period - 1) / period * period];
    }
    seen.push_back(u);
    u = f(seen.back());
  }
}

Simple minimal_at(std::vector<OrbitPoint>& points, std::size_t k, const Simple& a,
                  Closure kind, const basics::STOPREQUEST* stop) {
  const std::size_t n = points.size();
  const auto pull_around = [&](Simple t) {
    for (std::size_t j = n; j-- > 0;) {
      t = pullback(points[(k + j) % n], t, kind, stop);
    }
    return t;
  };
  const auto carry_around = [&](Simple c) {
    for (std::size_t j = 0; j < n; ++j) {
      c = transport(points[(k + j) % n], c, kind);
    }
    return c;
  };
  return settle(settle(a, pull_around, stop), carry_around, stop);
}

// The minimal braids of CANDIDATES, without repetition, in increasing order.
std::vector<Simple> minimal_among(std::vector<Simple> candidates) {
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  std::vector<Simple> minimal;
  for (const Simple& c : candidates) {
    bool above_another = false;
    for (const Simple& d : candidates) {
      if (d != c && left_divides(d, c)) {
        above_another = true;
        break;
      }
    }
    if (!above_another) {
      minimal.push_back(c);
    }
  }
  return minimal;
}

}  // namespace

Simple minimal_super_summit_conjugator(const NormalForm& y, const Simple& a,
                                       const basics::STOPREQUEST* stop) {
  return super_summit_closure(y, complement_chain(y.factors), a, stop);
}

std::vector<Simple> minimal_super_summit_conjugators(const NormalForm& y,
                                                     const basics::STOPREQUEST* stop) {
  if (y.factors.empty()) {
    return {};
  }
  const std::vector<Simple> xstar = complement_chain(y.factors);
  std::vector<Simple> candidates;
  for (int i = 1; i < y.strands; ++i) {
    candidates.push_back(super_summit_closure(y, xstar, Simple::atom(y.strands, i), stop));
  }
  return minimal_among(std::move(candidates));
}

Simple minimal_orbit_conjugator(const std::vector<NormalForm>& orbit, std::size_t k,
                                const Simple& a, Closure kind, const basics::STOPREQUEST* stop) {
  std::vector<OrbitPoint> points;
  points.reserve(orbit.size());
  for (const NormalForm& y : orbit) {
    points.push_back(make_point(y, kind));
  }
  return minimal_at(points, k, a, kind, stop);
}

std::vector<std::vector<Simple>> minimal_orbit_conjugators(const std::vector<NormalForm>& orbit,
                                                           Closure kind,
                                                           const basics::STOPREQUEST* stop) {
  std::vector<std::vector<Simple>> result(orbit.size());
  if (orbit.empty() || orbit.front().factors.empty()) {
    return result;
  }
  std::vector<OrbitPoint> points;
  points.reserve(orbit.size());
  for (const NormalForm& y : orbit) {
    points.push_back(make_point(y, kind));
  }
  const int n = orbit.front().strands;
  std::vector<Simple> candidates;
  for (int i = 1; i < n; ++i) {
    candidates.push_back(minimal_at(points, 0, Simple::atom(n, i), kind, stop));
  }
  result[0] = minimal_among(std::move(candidates));
  // The transport from one point of the orbit to the next is a bijection
  // between their conjugators into the set (injective on them, and a
  // permutation once around) that preserves meets, hence an isomorphism of
  // orders fixing 1: it carries the minimal nontrivial ones onto the minimal
  // nontrivial ones.
  for (std::size_t k = 0; k + 1 < orbit.size(); ++k) {
    basics::CHECKSTOP(stop);
    for (const Simple& c : result[k]) {
      result[k + 1].push_back(transport(points[k], c, kind));
    }
    std::sort(result[k + 1].begin(), result[k + 1].end());
  }
  return result;
}

}  // namespace garside
