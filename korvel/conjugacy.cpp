#include "korvel/conjugacy.h"

#include <algorithm>
#include <string>

#include "garside/conjugacy.h"
#include "garside/normalform.h"
#include "garside/summit.h"
#include "garside/summitsets.h"
#include "korvel/detail/garsideforms.h"
#include "korvel/detail/records.h"

namespace korvel {

namespace {

using detail::braid_of;
using detail::form;
using detail::stop_of;
using detail::translated;

static_assert(DEFAULT_MAX_ELEMENTS == garside::kDefaultMaxElements,
              "the interface's default limit on summit sets is the library's");



Conjugate conjugate_of(const garside::Conjugate& c) {
  return Conjugate{braid_of(c.element), braid_of(c.conjugator)};
}


std::vector<std::vector<Conjugate>> orbits_of(const std::vector<std::vector<garside::Conjugate>>& sets) {
  std::vector<std::vector<Conjugate>> result;
  result.reserve(sets.size());
  for (const auto& orbit : sets) {
    std::vector<Conjugate> members;
    members.reserve(orbit.size());
    for (const garside::Conjugate& c : orbit) {
      members.push_back(conjugate_of(c));
    }
    result.push_back(std::move(members));
  }
  return result;
}

}  // namespace

long long inf(const Braid& b, const Limits& limits) {
  return translated(limits, [&] { return garside::inf(form(b, limits)); });
}
long long sup(const Braid& b, const Limits& limits) {
  return translated(limits, [&] { return garside::sup(form(b, limits)); });
}
long long canonical_length(const Braid& b, const Limits& limits) {
  return translated(limits, [&] { return garside::canonical_length(form(b, limits)); });
}

Conjugate cycling(const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const garside::NormalForm x = form(b, limits);
    const garside::NormalForm c = garside::cycling(x);
    // c(x) = iota^-1 x iota with iota = tau^-p(A_1), the first factor moved
    // across Delta^p; the trivial braid for a power of Delta.
    return Conjugate{braid_of(c), braid_of(garside::normal_form(garside::initial_factor(x)))};
  });
}

Conjugate decycling(const Braid& b, const Limits& limits) {
  return translated(limits, [&] {
    const garside::NormalForm x = form(b, limits);
    const garside::NormalForm d = garside::decycling(x);
    // d(x) = A_r x A_r^-1: the conjugator is A_r^-1 (trivial for a power of
    // Delta).
    return Conjugate{braid_of(d), braid_of(garside::normal_form(garside::final_factor(x))).inverse()};
  });
}

std::vector<Conjugate> super_summit_set(const Braid& b, std::size_t max_elements, const Limits& limits) {
  return translated(limits, [&] {
    std::vector<Conjugate> result;
    for (const garside::Conjugate& c : garside::super_summit_set(form(b, limits), max_elements, stop_of(limits))) {
      result.push_back(conjugate_of(c));
    }
    return result;
  });
}

std::vector<std::vector<Conjugate>> ultra_summit_set(const Braid& b, std::size_t max_elements,
                                                     const Limits& limits) {
  return translated(limits, [&] { return orbits_of(garside::ultra_summit_set(form(b, limits), max_elements, stop_of(limits))); });
}

std::vector<std::vector<Conjugate>> sliding_circuits(const Braid& b, std::size_t max_elements,
                                                     const Limits& limits) {
  return translated(limits, [&] { return orbits_of(garside::sliding_circuits(form(b, limits), max_elements, stop_of(limits))); });
}

std::optional<Braid> conjugating_braid(const Braid& a, const Braid& b, std::size_t max_elements,
                                       const Limits& limits) {
  const int n = std::max(a.strands(), b.strands());
  return translated(limits, [&]() -> std::optional<Braid> {
    const std::optional<garside::NormalForm> c =
        garside::conjugating_braid(form(a, limits, n), form(b, limits, n), max_elements, stop_of(limits));
    if (!c) {
      return std::nullopt;
    }
    return braid_of(*c);
  });
}

bool is_conjugate(const Braid& a, const Braid& b, std::size_t max_elements, const Limits& limits) {
  return conjugating_braid(a, b, max_elements, limits).has_value();
}

Braid conjugacy_representative(const Braid& b, std::size_t max_elements, const Limits& limits) {
  return translated(limits, [&] {
    return braid_of(garside::conjugacy_representative(form(b, limits), max_elements, stop_of(limits)));
  });
}

}  // namespace korvel
