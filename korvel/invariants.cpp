#include "korvel/invariants.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "braidbasics/braid.h"
#include "garside/lattice.h"
#include "garside/normalform.h"
#include "korvel/detail/garsideforms.h"
#include "korvel/detail/records.h"

namespace korvel {

namespace {

using detail::form;
using detail::stop_of;
using detail::translated;

// The longest word an answer under LIMITS may have: max_length, and never
// more than a word holds.
std::size_t longest(const Limits& limits) {
  constexpr auto most = static_cast<std::size_t>(BraidBasics::BMAXRECORD);
  return limits.max_length ? std::min(*limits.max_length, most) : most;
}

void require_length(std::size_t length, const Limits& limits) {
  if (length > longest(limits)) {
    throw BraidBasics::BOUNDEXCEEDED{};
  }
}

// The letters of the word garside::to_word writes for X, counted before it
// is written.
std::size_t word_length(const garside::NormalForm& x) {
  const auto n = static_cast<std::size_t>(x.strands);
  const auto p = static_cast<std::size_t>(x.delta < 0 ? -x.delta : x.delta);
  std::size_t length = 0;
  for (const garside::Simple& f : x.factors) {
    length += static_cast<std::size_t>(f.length());
  }
  const std::size_t delta = n * (n - 1) / 2;
  if (delta != 0 && p > (SIZE_MAX - length) / delta) {
    return SIZE_MAX;
  }
  return length + p * delta;
}

// The braid of X, spelled as its left normal form, under LIMITS.
Braid spelled(const garside::NormalForm& x, const Limits& limits) {
  require_length(word_length(x), limits);
  return detail::braid_of(x);
}

// The two arguments of a gcd or lcm on the larger strand count, as normal
// forms: their lengths together are bounded by LIMITS, as for compare().
std::pair<garside::NormalForm, garside::NormalForm> forms(const Braid& a, const Braid& b,
                                                          const Limits& limits) {
  require_length(a.length() + b.length(), limits);
  const int n = std::max(a.strands(), b.strands());
  return {form(a, limits, n), form(b, limits, n)};
}

}  // namespace

std::vector<int> permutation(const Braid& b) {
  // Follow the strand at each position: sigma_(+-i) exchanges the strands at
  // positions i and i + 1 whatever its sign.
  std::vector<int> at(static_cast<std::size_t>(b.strands()));  // at[k]: the strand now at k
  for (std::size_t k = 0; k < at.size(); ++k) {
    at[k] = static_cast<int>(k);
  }
  for (const std::int16_t x : b.word()) {
    const std::size_t i = static_cast<std::size_t>(x < 0 ? -x : x) - 1;
    std::swap(at[i], at[i + 1]);
  }
  std::vector<int> p(at.size());
  for (std::size_t k = 0; k < at.size(); ++k) {
    p[static_cast<std::size_t>(at[k])] = static_cast<int>(k) + 1;
  }
  return p;
}

long long exponent_sum(const Braid& b) {
  long long sum = 0;
  for (const std::int16_t x : b.word()) {
    sum += x > 0 ? 1 : -1;
  }
  return sum;
}

bool is_pure(const Braid& b) {
  const std::vector<int> p = permutation(b);
  for (std::size_t k = 0; k < p.size(); ++k) {
    if (p[k] != static_cast<int>(k) + 1) {
      return false;
    }
  }
  return true;
}

Braid mirror_image(const Braid& b) {
  std::vector<std::int16_t> w = b.word();
  for (std::int16_t& x : w) {
    x = static_cast<std::int16_t>(-x);
  }
  return Braid(std::move(w), b.strands());
}

Braid reverse(const Braid& b) {
  std::vector<std::int16_t> w(b.word().rbegin(), b.word().rend());
  return Braid(std::move(w), b.strands());
}

Braid RightNormalForm::braid() const {
  const int n = std::max(strands, 1);
  Braid b = Braid().with_strands(n);
  for (const Braid& f : factors) {
    b *= f;
  }
  return b * Braid::delta(n).pow(delta_power);
}

RightNormalForm right_normal_form(const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    require_length(b.length(), limits);
    const garside::RightNormalForm r = garside::right_normal_form(form(b, limits));
    RightNormalForm result;
    result.strands = r.strands;
    result.delta_power = r.delta;
    result.factors.reserve(r.factors.size());
    for (const garside::Simple& f : r.factors) {
      result.factors.emplace_back(f.word(), r.strands);
    }
    return result;
  });
}

Braid left_gcd(const Braid& a, const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const auto [x, y] = forms(a, b, limits);
    return spelled(garside::left_gcd(x, y, stop_of(limits)), limits);
  });
}

Braid right_gcd(const Braid& a, const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const auto [x, y] = forms(a, b, limits);
    return spelled(garside::right_gcd(x, y, stop_of(limits)), limits);
  });
}

Braid right_lcm(const Braid& a, const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const auto [x, y] = forms(a, b, limits);
    const garside::NormalForm m = garside::right_lcm(x, y, stop_of(limits));
    // m = x q with q = x^-1 m positive: the word of a, then q's.
    const garside::NormalForm q = garside::multiply(garside::inverse(x), m);
    require_length(a.length() + word_length(q), limits);
    return a.with_strands(x.strands) * detail::braid_of(q);
  });
}

Braid left_lcm(const Braid& a, const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const auto [x, y] = forms(a, b, limits);
    const garside::NormalForm m = garside::left_lcm(x, y, stop_of(limits));
    // m = q y with q = m y^-1 positive: q's word, then the word of b.
    const garside::NormalForm q = garside::multiply(m, garside::inverse(y));
    require_length(word_length(q) + b.length(), limits);
    return detail::braid_of(q) * b.with_strands(y.strands);
  });
}

}  // namespace korvel
