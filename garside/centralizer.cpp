#include "garside/centralizer.h"

#include <stdexcept>

namespace garside {
// Placeholder until the implementation lands.
std::vector<NormalForm> centralizer(const NormalForm&, std::size_t, const basics::STOPREQUEST*) { throw std::logic_error("centralizer"); }
}  // namespace garside
