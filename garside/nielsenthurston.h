// The Nielsen-Thurston type of a braid, seen as a mapping class of the
// n-punctured disk: periodic (a power is a power of Delta^2), reducible (it
// sends a family of disjoint essential curves onto itself) or pseudo-Anosov.
// A periodic braid is reported as periodic even where it also preserves
// curves (Delta^2 preserves them all).
//
// Round curves: the round curve around the interval [first, last] of
// punctures (1-based, 1 <= first < last <= n, not [1, n]) encloses exactly
// the punctures first .. last. Two such curves are disjoint exactly when
// their intervals are nested or disjoint.
//
// How the type is decided. Periodicity is read from two powers (Birman,
// Gebhardt and Gonzalez-Meneses 2007): x is periodic exactly when x^n or
// x^(n-1) is a power of Delta^2. A braid in left normal form that sends a
// round curve to a round curve sends it to round curves after every prefix
// of its factors (Benardete, Gutierrez and Nitecki 1995), and a simple braid
// sends the round curve around an interval to a round curve exactly when
// its permutation sends the interval onto an interval; so whether a braid
// sends a round curve to a round curve, and to which, is read factor by
// factor. Cycling and decycling conjugate by simple braids that keep the
// round invariant curves of a braid round, so a reducible braid has members
// of its ultra summit set whose canonical reduction system is round
// (Gonzalez-Meneses and Wiest, "Reducible braids and Garside theory",
// Algebr. Geom. Topol. 11 (2011), show more: in the stabilized set of
// sliding circuits every reducible braid shows a round or almost round
// reducing curve). The ultra summit set is explored from a sliding circuit,
// member by member, until a member sends a family of round curves onto
// itself (reducible, once preserves_curves has confirmed the family; a
// failure is a bug, std::logic_error) or the set is complete without one
// (pseudo-Anosov).
//
// Limits: MAX_ELEMENTS bounds the members of each ultra summit set explored
// (SetTooLarge past it, 0: no limit; summitsets.h); STOP is polled
// throughout (basics::INTERRUPTED). A reducible braid usually answers at the
// first members; a pseudo-Anosov one needs its whole ultra summit set,
// usually a few members.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/summitsets.h"

namespace garside {

enum class NielsenThurstonType { periodic, reducible, pseudo_anosov };

// The punctures first .. last, 1-based.
struct Interval {
  int first = 1;
  int last = 2;
  friend bool operator==(const Interval&, const Interval&) = default;
  friend auto operator<=>(const Interval&, const Interval&) = default;
};

// A reduction system of x: c^-1 x c sends the family of round curves around
// CURVES onto itself (it may permute them).
struct ReductionSystem {
  NormalForm conjugator;
  std::vector<Interval> curves;
};

// Whether some power of X is a power of Delta^2: whether X^n or X^(n-1) is,
// by normal forms computed by repeated squaring. Every braid of 1 or 2
// strands is periodic.
bool is_periodic(const NormalForm& x, const basics::STOPREQUEST* stop = nullptr);

NielsenThurstonType nielsen_thurston_type(const NormalForm& x,
                                          std::size_t max_elements = kDefaultMaxElements,
                                          const basics::STOPREQUEST* stop = nullptr);

// The canonical reduction system of X: its essential reduction curves, those
// fixed by a power of X that no other curve fixed by a power of X crosses.
// It is returned whole, made round by the conjugator; nothing when X is
// periodic or pseudo-Anosov. It is the smallest adequate reduction system
// (one where the braid induced on each component of the complement, its
// inner curves shrunk to punctures, is periodic or pseudo-Anosov), and every
// adequate system contains it. It is built at the first member y of the
// ultra summit set that sends a family of round curves onto itself: from the
// periodic round curves of y that no other one crosses (or that family),
// each component whose braid is reducible is reduced in turn, by the same
// function on fewer strands, and the curves found are brought round by
// conjugating the component's blocks as tubes; the adequate family reached
// loses the orbits of curves whose removal leaves the merged components
// periodic. The system is checked by preserves_curves before it is returned
// (std::logic_error if it failed: a bug). The curves are sorted.
std::optional<ReductionSystem> reduction_system(const NormalForm& x,
                                                std::size_t max_elements = kDefaultMaxElements,
                                                const basics::STOPREQUEST* stop = nullptr);

// The product over CURVES of the full twists of their strands,
// (sigma_first ... sigma_(last-1))^(last-first+1), on STRANDS strands.
NormalForm multitwist(int strands, const std::vector<Interval>& curves);

// Whether Y sends the family of round curves around CURVES onto itself:
// exactly when Y commutes with their multitwist.
bool preserves_curves(const NormalForm& y, const std::vector<Interval>& curves);

// The rigidity of X = Delta^p x_1 ... x_r in left normal form (Gebhardt and
// Gonzalez-Meneses, "The cyclic sliding operation in Garside groups",
// Math. Z. 2010): the number of initial factors x_1, x_2, ... that the left
// normal form of x iota(x) keeps, iota(x) = tau^-p(x_1) the initial factor
// (0 if its power of Delta changes); r exactly when X is rigid, that is when
// (x_r, iota(x)) is left-weighted. 0 when r = 0.
std::int64_t rigidity(const NormalForm& x);

}  // namespace garside
