#include "garside/nielsenthurston.h"

#include <stdexcept>

namespace garside {
// Placeholder until the implementation lands.
bool is_periodic(const NormalForm&, const basics::STOPREQUEST*) { throw std::logic_error("is_periodic"); }
NielsenThurstonType nielsen_thurston_type(const NormalForm&, std::size_t, const basics::STOPREQUEST*) { throw std::logic_error("nielsen_thurston_type"); }
std::optional<ReductionSystem> reduction_system(const NormalForm&, std::size_t, const basics::STOPREQUEST*) { throw std::logic_error("reduction_system"); }
NormalForm multitwist(int, const std::vector<Interval>&) { throw std::logic_error("multitwist"); }
bool preserves_curves(const NormalForm&, const std::vector<Interval>&) { throw std::logic_error("preserves_curves"); }
std::int64_t rigidity(const NormalForm&) { throw std::logic_error("rigidity"); }
}  // namespace garside
