// The centralizer of a braid: the braids that commute with it.
#pragma once

#include <cstddef>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/summitsets.h"

namespace garside {

// A finite list of braids that generate the centralizer of X, each checked to
// commute with X before it is returned. MAX_ELEMENTS bounds the members of the
// summit set explored (SetTooLarge past it, 0: no limit); STOP is polled.
std::vector<NormalForm> centralizer(const NormalForm& x, std::size_t max_elements = kDefaultMaxElements,
                                    const basics::STOPREQUEST* stop = nullptr);

}  // namespace garside
