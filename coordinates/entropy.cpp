#include "coordinates/entropy.h"

#include <gmp.h>
#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "coordinates/lamination.h"

namespace coordinates {

namespace {

// Changes of the estimates in one span of the rule.
constexpr std::size_t span = 3;
// Windows of P powers are used while P is at most this.
constexpr std::uint64_t window_limit = 60;
// The cap: work, in letters times 64-bit words of their values.
constexpr double work_cap = 16777216.0;  // 2^24
// The work of a power besides its letters and values (allocations, polls),
// in letters.
constexpr std::size_t per_power = 64;
// Powers always allowed before the cap.
constexpr std::size_t least_powers = 16;

// The order of the permutation of the strands of WORD: the least common
// multiple of its cycle lengths, saturated at 2^62.
std::uint64_t permutation_order(std::span<const std::int16_t> word) {
  std::int32_t top = 0;
  for (const std::int16_t x : word) {
    top = std::max<std::int32_t>(top, x < 0 ? -std::int32_t{x} : std::int32_t{x});
  }
  std::vector<std::int32_t> image(static_cast<std::size_t>(top) + 1);
  std::iota(image.begin(), image.end(), 0);
  for (const std::int16_t x : word) {
    const auto i = static_cast<std::size_t>(x < 0 ? -std::int32_t{x} : std::int32_t{x});
    std::swap(image[i - 1], image[i]);
  }
  constexpr std::uint64_t saturated = std::uint64_t{1} << 62;
  std::uint64_t order = 1;
  std::vector<bool> seen(image.size(), false);
  for (std::size_t s = 0; s < image.size(); ++s) {
    std::uint64_t length = 0;
    for (std::size_t t = s; !seen[t]; t = static_cast<std::size_t>(image[t])) {
      seen[t] = true;
      ++length;
    }
    if (length > 1 && order < saturated) {
      const std::uint64_t g = std::gcd(order, length);
      order = order / g > saturated / length ? saturated : order / g * length;
    }
  }
  return order;
}

// The natural logarithm of the sum of the absolute values of V, exact up to
// the rounding of one double: mpz_get_d_2exp gives the sum as d 2^e with
// 1/2 <= d < 1, whatever its size. Also the size of the sum in bits.
double log_norm(const std::vector<mpz_class>& v, std::size_t& bits) {
  mpz_class sum;
  for (const auto& x : v) {
    if (mpz_sgn(x.get_mpz_t()) >= 0) {
      mpz_add(sum.get_mpz_t(), sum.get_mpz_t(), x.get_mpz_t());
    } else {
      mpz_sub(sum.get_mpz_t(), sum.get_mpz_t(), x.get_mpz_t());
    }
  }
  bits = mpz_sizeinbase(sum.get_mpz_t(), 2);
  long exponent = 0;
  const double mantissa = mpz_get_d_2exp(&exponent, sum.get_mpz_t());
  return std::log(mantissa) + static_cast<double>(exponent) * std::log(2.0);
}

// A ray x + t v (t >= 0) of points, each value an affine function f + t g.
struct affine {
  mpz_class f, g;
};

// max(h, 0) on the ray, when it is affine there: h keeps one sign for every
// t >= 0 exactly when f and g do not have opposite signs.
bool plus(const affine& h, affine& out) {
  const int sf = sgn(h.f), sg = sgn(h.g);
  if (sf >= 0 && sg >= 0) {
    out = h;
  } else if (sf <= 0 && sg <= 0) {
    out.f = 0;
    out.g = 0;
  } else {
    return false;
  }
  return true;
}

// The letter x on the ray, with the formulas of sigma_i (and, for x < 0,
// those of sigma_i conjugated by the reflection that negates every a_k):
// false when some max or min of the formulas is not affine on the whole ray.
bool act_on_ray(std::vector<affine>& v, std::int32_t x) {
  const std::size_t i = 2 * static_cast<std::size_t>((x < 0 ? -x : x) - 1);
  affine a1 = v[i], b1 = v[i + 1], a2 = v[i + 2], b2 = v[i + 3];
  if (x < 0) {
    a1.f = -a1.f, a1.g = -a1.g, a2.f = -a2.f, a2.g = -a2.g;
  }
  affine b1p, b2p;
  if (!plus(b1, b1p) || !plus(b2, b2p)) {
    return false;
  }
  const affine b1m{b1.f - b1p.f, b1.g - b1p.g};
  const affine b2m{b2.f - b2p.f, b2.g - b2p.g};
  const affine d{a1.f - b1m.f - a2.f + b2p.f, a1.g - b1m.g - a2.g + b2p.g};
  affine dp, e, ep, s, sp;
  if (!plus(d, dp)) {
    return false;
  }
  e = affine{b2p.f - d.f, b2p.g - d.g};  // (b_(i+1)+ - d)+
  s = affine{b1m.f + d.f, b1m.g + d.g};  // (b_i- + d)-  =  s - s+
  if (!plus(e, ep) || !plus(s, sp)) {
    return false;
  }
  affine na1{a1.f + b1p.f + ep.f, a1.g + b1p.g + ep.g};
  const affine nb1{b2.f - dp.f, b2.g - dp.g};
  affine na2{a2.f + b2m.f + s.f - sp.f, a2.g + b2m.g + s.g - sp.g};
  const affine nb2{b1.f + dp.f, b1.g + dp.g};
  if (x < 0) {
    na1.f = -na1.f, na1.g = -na1.g, na2.f = -na2.f, na2.g = -na2.g;
  }
  v[i] = na1;
  v[i + 1] = nb1;
  v[i + 2] = na2;
  v[i + 3] = nb2;
  return true;
}

// True when B = b^power sends every point x + t v (t >= 0) to x + (t + 1) v:
// then B^m x = x + m v for every m, the orbit of x grows linearly, and the
// braid has entropy 0 (see the header).
bool linear_orbit(std::span<const std::int16_t> word, std::int32_t shift, std::uint64_t power,
                  const std::vector<mpz_class>& x, const std::vector<mpz_class>& v, const basics::STOPREQUEST* stop) {
  std::vector<affine> ray(x.size());
  for (std::size_t k = 0; k < x.size(); ++k) {
    ray[k] = affine{x[k], v[k]};
  }
  std::size_t acted = 0;
  for (std::uint64_t p = 0; p < power; ++p) {
    for (const std::int16_t letter : word) {
      if (acted++ % 4096 == 0) {
        basics::CHECKSTOP(stop);
      }
      if (!act_on_ray(ray, letter < 0 ? letter + shift : letter - shift)) {
        return false;
      }
    }
  }
  for (std::size_t k = 0; k < x.size(); ++k) {
    if (ray[k].g != v[k] || ray[k].f != x[k] + v[k]) {
      return false;
    }
  }
  return true;
}

}  // namespace

double entropy(std::span<const std::int16_t> word, std::int32_t strands, double tolerance,
               const basics::STOPREQUEST* stop) {
  if (!(tolerance > 0) || !std::isfinite(tolerance)) {
    throw std::invalid_argument("the tolerance of an entropy is a positive finite number, not " +
                                std::to_string(tolerance));
  }
  if (strands < 1) {
    throw std::invalid_argument("a braid has at least 1 strand, not " + std::to_string(strands));
  }
  for (std::size_t k = 0; k < word.size(); ++k) {
    const std::int16_t x = word[k];
    const std::int32_t size = x < 0 ? -std::int32_t{x} : std::int32_t{x};
    if (x == 0 || size >= strands) {
      throw std::invalid_argument("letter " + std::to_string(x) + " at index " + std::to_string(k) +
                                  " is not a generator on " + std::to_string(strands) + " strands");
    }
  }
  if (word.empty()) {
    return 0.0;
  }
  // Only the strands from the least index used to one past the greatest are
  // held: b on n strands is b on those with straight strands beside it,
  // whose pieces are those of b and periodic ones.
  std::int32_t bottom = 32767, top = 0;
  for (const std::int16_t x : word) {
    const std::int32_t size = x < 0 ? -std::int32_t{x} : std::int32_t{x};
    bottom = std::min(bottom, size);
    top = std::max(top, size);
  }
  const reading shifted{false, 0, bottom - 1};
  const std::int32_t held = top - bottom + 2;
  lamination point(held);
  // The start: the point of the trivial braid moved by sigma_1 sigma_2^-1
  // sigma_3 ... on every strand held.
  std::vector<std::int16_t> start;
  for (std::int32_t i = 1; i < held; ++i) {
    start.push_back(static_cast<std::int16_t>(i % 2 == 1 ? i : -i));
  }
  point.apply(start, {}, stop);
  const std::uint64_t order = permutation_order(word);
  const std::size_t window = order <= window_limit ? static_cast<std::size_t>(order) : 1;

  std::vector<double> logs;  // logs[j]: log of the norm of b^j moved start
  std::vector<double> estimates;  // estimates[j] for j >= window
  std::size_t bits = 0;
  logs.push_back(log_norm(point.coordinates(), bits));
  std::vector<mpz_class> earlier, previous;  // the points at two multiples of `order` before
  double work = 0;
  std::vector<double> changes;  // |e_j - e_(j-1)|
  for (std::size_t j = 1;; ++j) {
    basics::CHECKSTOP(stop);
    point.apply(word, shifted, stop);
    // The letters, the copy of the point that is measured, and what a power
    // costs besides.
    work += static_cast<double>(word.size() + 2 * static_cast<std::size_t>(held) + per_power) *
            static_cast<double>(1 + bits / 64);
    const std::vector<mpz_class> current = point.coordinates();
    logs.push_back(log_norm(current, bits));

    // Entropy 0, certified: the last three points at multiples of `order`
    // are in arithmetic progression and b^order moves the whole ray along it.
    if (order <= (std::uint64_t{1} << 40) && j % order == 0) {
      if (!earlier.empty()) {
        bool progression = true;
        std::vector<mpz_class> step(current.size());
        for (std::size_t k = 0; k < current.size() && progression; ++k) {
          step[k] = current[k] - previous[k];
          progression = step[k] == previous[k] - earlier[k];
        }
        if (progression && linear_orbit(word, bottom - 1, order, current, step, stop)) {
          return 0.0;
        }
      }
      earlier = std::move(previous);
      previous = current;
    }

    if (j >= window) {
      estimates.push_back((logs[j] - logs[j - window]) / static_cast<double>(window));
      const std::size_t m = estimates.size();
      if (m >= 2) {
        changes.push_back(std::fabs(estimates[m - 1] - estimates[m - 2]));
      }
      const std::size_t c = changes.size();
      if (c >= 2 * span) {
        // The envelope of the last changes, and their ratio per power over
        // the span before.
        const double now = *std::max_element(changes.end() - span, changes.end());
        const double before = *std::max_element(changes.end() - 2 * span, changes.end() - span);
        const double noise = 1e-15 * (1 + std::fabs(logs[j])) / static_cast<double>(window);
        double bound;
        if (now <= noise) {
          bound = 0;  // converged to the rounding of the logarithms
        } else if (now < before) {
          const double ratio = std::pow(now / before, 1.0 / static_cast<double>(span));
          bound = now * std::max(static_cast<double>(j), ratio / (1 - ratio));
        } else {
          bound = std::numeric_limits<double>::infinity();
        }
        if (bound <= tolerance) {
          return std::max(0.0, estimates[m - 1]);
        }
      }
    }
    if (j >= least_powers && work > work_cap) {
      const std::size_t half = j / 2;
      return std::max(0.0, (logs[j] - logs[half]) / static_cast<double>(j - half));
    }
  }
}

}  // namespace coordinates

