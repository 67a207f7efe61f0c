// The Garside engine's forms of the interface's braids, for the interface's
// own computations (conjugacy, the Nielsen-Thurston type): the left normal
// form of a braid and back, and the engine's refusal of a large set as the
// interface's SetTooLarge.
#pragma once

#include <algorithm>
#include <string>

#include "garside/normalform.h"
#include "garside/summitsets.h"
#include "korvel/braid.h"
#include "korvel/computations.h"
#include "korvel/conjugacy.h"
#include "korvel/records.h"

namespace korvel::detail {

// The left normal form of B on the larger of STRANDS and its own strands.
inline garside::NormalForm form(const Braid& b, const Limits& limits, int strands = 0) {
  return garside::normal_form(std::max(strands, b.strands()), b.word(), stop_of(limits));
}

// The braid of a normal form, on its strands.
inline Braid braid_of(const garside::NormalForm& x) { return Braid(garside::to_word(x), x.strands); }

// FN(), with the engine's refusal of a large set turned into SetTooLarge; its
// message is the engine's, less the engine's name, so that it reads the same
// for every set.
template <typename FN>
auto guarded(FN fn) {
  try {
    return fn();
  } catch (const garside::SetTooLarge& e) {
    std::string what = e.what();
    const std::string prefix = "garside: ";
    if (what.rfind(prefix, 0) == 0) {
      what.erase(0, prefix.size());
    }
    throw SetTooLarge(what);
  }
}

}  // namespace korvel::detail
