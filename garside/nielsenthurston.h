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

// Whether some power of X is a power of Delta^2.
bool is_periodic(const NormalForm& x, const basics::STOPREQUEST* stop = nullptr);

NielsenThurstonType nielsen_thurston_type(const NormalForm& x,
                                          std::size_t max_elements = kDefaultMaxElements,
                                          const basics::STOPREQUEST* stop = nullptr);

// A reduction system of X, checked before it is returned; nothing when X is
// periodic or pseudo-Anosov.
std::optional<ReductionSystem> reduction_system(const NormalForm& x,
                                                std::size_t max_elements = kDefaultMaxElements,
                                                const basics::STOPREQUEST* stop = nullptr);

// The product over CURVES of the full twists of their strands,
// (sigma_first ... sigma_(last-1))^(last-first+1), on STRANDS strands.
NormalForm multitwist(int strands, const std::vector<Interval>& curves);

// Whether Y sends the family of round curves around CURVES onto itself:
// exactly when Y commutes with their multitwist.
bool preserves_curves(const NormalForm& y, const std::vector<Interval>& curves);

// The rigidity of X.
std::int64_t rigidity(const NormalForm& x);

}  // namespace garside
