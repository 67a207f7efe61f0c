#include "korvel/errors.h"

#include <string>

#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "garside/summitsets.h"
#include "korvel/detail/records.h"

namespace korvel {

static_assert(MAX_WORD_LENGTH == static_cast<std::size_t>(BraidBasics::BMAXRECORD),
              "the interface's longest word is the capacity of a braid record");

BoundExceeded::BoundExceeded(std::size_t limit)
    : std::length_error("the braid exceeds the length limit of " + std::to_string(limit) +
                        " letters; the computation was abandoned"),
      limit_(limit) {}

Interrupted::Interrupted() : std::runtime_error("the computation was stopped by its stop request") {}

namespace detail {

void rethrow_translated(const Limits& limits) {
  try {
    throw;
  } catch (const basics::INTERRUPTED&) {
    throw Interrupted();
  } catch (const BraidBasics::BOUNDEXCEEDED&) {
    // The core's limit is max_length when it is below the record's capacity
    // (core_limits), the capacity otherwise.
    throw BoundExceeded(limits.max_length && *limits.max_length < MAX_WORD_LENGTH ? *limits.max_length
                                                                                 : MAX_WORD_LENGTH);
  } catch (const garside::SetTooLarge& e) {
    // The engine's message less the engine's name, so that it reads the same
    // for every set.
    std::string what = e.what();
    const std::string prefix = "garside: ";
    if (what.rfind(prefix, 0) == 0) {
      what.erase(0, prefix.size());
    }
    throw SetTooLarge(what);
  }
}

}  // namespace detail

}  // namespace korvel
