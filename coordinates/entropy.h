// The topological entropy of a braid, estimated from the growth of Dynnikov
// coordinates under its powers.
#pragma once

#include <cstdint>
#include <span>

#include "basics/interrupt.h"

namespace coordinates {

// An estimate of the topological entropy of the braid spelled by WORD on
// STRANDS strands (the logarithm of its dilatation when it is pseudo-Anosov),
// within TOLERANCE by the stopping rule documented here. Throws
// std::invalid_argument for a bad word, strands or tolerance (not positive
// and finite); STOP is polled.
double entropy(std::span<const std::int16_t> word, std::int32_t strands, double tolerance = 1e-6,
               const basics::STOPREQUEST* stop = nullptr);

}  // namespace coordinates
