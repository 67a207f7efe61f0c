#include "korvel/detail/records.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace korvel::detail {

BraidBasics::BRAID record(const Braid& b) {
  BraidBasics::BRAID r;
  const std::vector<std::int16_t>& w = b.word();
  BraidBasics::BROOM(r, static_cast<std::int64_t>(w.size()));
  std::copy(w.begin(), w.end(), r.V.begin() + 1);
  r.L = static_cast<std::int32_t>(w.size());
  r.W = b.strands();
  return r;
}

Braid braid_of(const BraidBasics::BRAID& r, int strands) {
  return Braid(std::vector<std::int16_t>(r.V.begin() + 1, r.V.begin() + 1 + r.L),
               std::max(strands, r.W));
}

const basics::STOPREQUEST* stop_of(const Limits& limits) {
  return limits.stop != nullptr ? &limits.stop->core()->request : nullptr;
}

BraidBasics::BLIMITS core_limits(const Limits& limits) {
  BraidBasics::BLIMITS l;
  if (limits.max_length && *limits.max_length < static_cast<std::size_t>(BraidBasics::BMAXRECORD)) {
    l.MAXLENGTH = static_cast<std::int64_t>(*limits.max_length);
  }
  l.STOP = stop_of(limits);
  return l;
}

}  // namespace korvel::detail
