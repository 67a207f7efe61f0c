// The Nielsen-Thurston type, reduction curves, centralizer, rigidity and
// entropy of korvel::Braid values.
//
// A braid on n strands is a mapping class of the disk with n punctures, and
// as such it is exactly one of
//
//   periodic        some power is a power of Delta^2, the full twist; then
//                   b^n or b^(n-1) is one, as a periodic braid is conjugate
//                   to a power of delta = sigma_1 ... sigma_(n-1) (delta^n =
//                   Delta^2) or of sigma_1 delta ((sigma_1 delta)^(n-1) =
//                   Delta^2) (Birman, Gebhardt and Gonzalez-Meneses 2007);
//   reducible       not periodic, and it sends a family of disjoint essential
//                   curves onto itself: then a conjugate sends a family of
//                   round curves onto itself, which the ultra summit set
//                   shows (Benardete, Gutierrez and Nitecki 1995;
//                   Gonzalez-Meneses and Wiest 2011);
//   pseudo-Anosov   neither; its topological entropy is positive.
//
// A round curve is written as the interval [i, j] of the punctures it
// encloses (1-based, 1 <= i < j <= n, not [1, n]); two round curves are
// disjoint exactly when their intervals are nested or disjoint.
//
// Every answer is checked before it is returned, by means independent of the
// Garside structure that found it (equality of braids by the Dynnikov
// coordinates): a periodic answer by the power of Delta^2, a non-periodic one
// by the same powers, a reduction system by the commutation of the
// conjugated braid with the multitwist of its curves, a centralizer by the
// commutation of each generator. A failed check throws std::logic_error,
// never a wrong answer.
//
// Limits: the functions that explore summit sets take max_elements (0: none)
// and throw SetTooLarge past it, with the message of the summit sets; the
// stop request of Limits is polled (Interrupted); Limits::max_length bounds
// the words these functions build for their checks and answers
// (BoundExceeded). Thread-safe like computations.h.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/conjugacy.h"

namespace korvel {

enum class ThurstonType { periodic, reducible, pseudo_anosov };

// A reduction system of a braid b: c^-1 b c sends the family of round curves
// around CURVES (intervals [first, second]) onto itself, possibly permuting
// them.
struct ReductionSystem {
  Braid conjugator;
  std::vector<std::pair<int, int>> curves;
};

// Whether some power of B is a power of Delta^2.
bool is_periodic(const Braid& b, const Limits& limits = {});

// The Nielsen-Thurston type of B; a periodic braid is periodic even where it
// also preserves curves (Delta^2 preserves them all).
ThurstonType thurston_type(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                           const Limits& limits = {});
bool is_reducible(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                  const Limits& limits = {});
bool is_pseudoanosov(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                     const Limits& limits = {});

// The canonical reduction system of B when B is reducible (its essential
// reduction curves, those that no curve fixed by a power of B crosses, made
// round by the conjugator; the curves sorted); nothing when B is periodic or
// pseudo-Anosov.
std::optional<ReductionSystem> reduction_system(const Braid& b,
                                                std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                                                const Limits& limits = {});

// The product over CURVES of the full twists of the strands they enclose,
// (sigma_i ... sigma_(j-1))^(j-i+1) for [i, j], on STRANDS strands: the
// multitwist about the round curves. Throws std::invalid_argument for an
// interval out of 1 <= i < j <= STRANDS.
Braid multitwist(int strands, const std::vector<std::pair<int, int>>& curves);

// Whether Y sends the family of round curves around CURVES onto itself:
// exactly when Y commutes with their multitwist, since y T_C y^-1 = T_y(C)
// and a multitwist determines its curves.
bool preserves_curves(const Braid& y, const std::vector<std::pair<int, int>>& curves,
                      const Limits& limits = {});

// Braids that generate the centralizer of B, the braids commuting with it
// (Franco and Gonzalez-Meneses 2003).
std::vector<Braid> centralizer(const Braid& b, std::size_t max_elements = DEFAULT_MAX_ELEMENTS,
                               const Limits& limits = {});

// The rigidity of B = Delta^p A_1 ... A_r in left normal form: how many of
// the initial factors A_1, A_2, ... the left normal form of b iota(b) keeps,
// iota(b) = tau^-p(A_1) (0 when its power of Delta changes); r exactly when B
// is rigid, that is when (A_r, iota(b)) is left-weighted; 0 when r = 0.
long long rigidity(const Braid& b, const Limits& limits = {});

// The topological entropy of B, the logarithm of the largest dilatation of
// its pseudo-Anosov pieces, estimated within TOLERANCE from the growth of
// the Dynnikov coordinates of its powers: exactly 0.0 for a periodic braid. Throws std::invalid_argument
// for a tolerance that is not positive and finite.
double entropy(const Braid& b, double tolerance = 1e-6, const Limits& limits = {});

}  // namespace korvel
