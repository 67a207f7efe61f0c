// The two counters of the three-strand braid table that the padding of
// normal forms and codes reads. Key B sets them; both start at 0.
#pragma once

#include <cstdint>

namespace BraidBasics {

// The length bound of the braid table, typed at key B; the padding width of
// the alternating and Garside normal forms.
extern std::int32_t LENGTHBOUND;

// The largest code length met while building braid tables in this run; the
// padding width of codes. Never lowered.
extern std::int32_t MAXCODELENGTHINBRAIDLIST;

}  // namespace BraidBasics
