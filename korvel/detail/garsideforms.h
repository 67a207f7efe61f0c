// The Garside engine's forms of the interface's braids, for the interface's
// own computations (conjugacy, the Nielsen-Thurston type): the left normal
// form of a braid and back. A private header, like records.h.
#pragma once

#include <algorithm>

#include "garside/normalform.h"
#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/detail/records.h"

namespace korvel::detail {

// The left normal form of B on the larger of STRANDS and its own strands.
inline garside::NormalForm form(const Braid& b, const Limits& limits, int strands = 0) {
  return garside::normal_form(std::max(strands, b.strands()), b.word(), stop_of(limits));
}

// The braid of a normal form, on its strands.
inline Braid braid_of(const garside::NormalForm& x) { return Braid(garside::to_word(x), x.strands); }

}  // namespace korvel::detail
