// Conjugacy in the braid group B_n for korvel::Braid values.
//
// Convention: c conjugates a to b when c^-1 a c = b. Two braids are taken on
// the larger of their strand counts.
//
// The sets are those of the Garside structure of B_n, every member given with
// a conjugating braid that carries the input to it (c^-1 x c = member):
//
//   super summit set    the conjugates of x with the largest inf and the
//                       smallest sup (Elrifai and Morton 1994);
//   ultra summit set    the members of the super summit set that cycling
//                       brings back to themselves, as their cycling orbits
//                       (Gebhardt 2005);
//   sliding circuits    the conjugates that cyclic sliding brings back to
//                       themselves, as their sliding circuits (Gebhardt and
//                       Gonzalez-Meneses 2010), the smallest of the three.
//
// cycling moves the first factor: c(x) = Delta^p A_2 ... A_r tau^-p(A_1) for
// x = Delta^p A_1 ... A_r; decycling moves the last: d(x) = A_r Delta^p A_1
// ... A_(r-1). The conjugacy test and the class representative go through
// the sliding circuits; the representative is the least member of the
// sliding circuits in a fixed order of normal forms, the same braid word for
// every braid of the class, so classes can be compared and hashed through it.
//
// Costs: a set may be exponentially large in the number of strands; every
// function takes a limit on the members it builds (0: none), past which it
// throws SetTooLarge (errors.h) with the name of the set and the limit, and
// polls the stop request of its Limits (Interrupted). Thread-safe like
// computations.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/errors.h"

namespace korvel {

// The default limit on the members of a set: 100,000.
inline constexpr std::size_t DEFAULT_MAX_ELEMENTS = 100000;

// A member of a set and a braid c with c^-1 x c = member, x the input.
struct Conjugate {
  Braid element;
  Braid conjugator;
};

// inf, sup and canonical length of the left normal form Delta^p A_1 ... A_r:
// p, p + r and r.
long long inf(const Braid& b, const Limits& limits = {});
long long sup(const Braid& b, const Limits& limits = {});
long long canonical_length(const Braid& b, const Limits& limits = {});

// One cycling or decycling of B's left normal form, with the conjugator.
Conjugate cycling(const Braid& b, const Limits& limits = {});
Conjugate decycling(const Braid& b, const Limits& limits = {});

std::vector<Conjugate> super_summit_set(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                                        const Limits& limits = {});
std::vector<std::vector<Conjugate>> ultra_summit_set(const Braid& b,
                                                     std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                                                     const Limits& limits = {});
std::vector<std::vector<Conjugate>> sliding_circuits(const Braid& b,
                                                     std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                                                     const Limits& limits = {});

// A braid c with c^-1 a c = b when a and b are conjugate, checked before it
// is returned; nothing when they are not.
std::optional<Braid> conjugating_braid(const Braid& a, const Braid& b,
                                       std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                                       const Limits& limits = {});

// Whether A and B are conjugate: whether conjugating_braid finds a braid.
bool is_conjugate(const Braid& a, const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                  const Limits& limits = {});

// The representative of B's conjugacy class, as the word of its left normal
// form on B's strands.
Braid conjugacy_representative(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                               const Limits& limits = {});

}  // namespace korvel
