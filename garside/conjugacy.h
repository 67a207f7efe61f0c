// The conjugacy problem in the braid group B_n: whether two braids are
// conjugate, a braid that conjugates one to the other, and one
// representative per conjugacy class.
//
// Convention: c conjugates a to b when c^-1 a c = b.
//
// Both answers go through the sliding circuits SC(x) (Gebhardt and
// Gonzalez-Meneses 2010), the smallest of the summit sets of summitsets.h:
// a and b are conjugate exactly when SC(a) = SC(b), that is when an element
// of SC(b) is a member of SC(a). The test first compares two invariants that
// cost one pass over the factors, the exponent sum and the cycle type of the
// permutation of the strands (sets can be large where these already decide).
// Then it reaches an element of each set by
// iterated cyclic sliding, compares inf and sup (equal for conjugates), and
// explores the two sets with their conjugators from these two elements, the
// smaller exploration first, until one finds a member of the other (then
// a^u = b^v and c = u v^-1) or one set is complete without the other's
// members. The conjugator is checked before it is returned: c^-1 a c is
// computed as a normal form and compared with b's.
//
// The class representative is the least member of SC(x) in the order of
// normal forms (normalform.h: inf, then canonical length, then the factors'
// permutations lexicographically). SC(x) depends only on the class, so the
// representative is the same for every braid of the class and different for
// braids of different classes: classes can be compared, sorted and hashed
// through it. It needs the whole of SC(x); the test usually stops earlier.
//
// MAX_ELEMENTS bounds the members of SC explored (for the test, from each of
// the two ends), with SetTooLarge past it; 0 means no limit, and the default
// is kDefaultMaxElements (summitsets.h). STOP is polled throughout
// (basics::INTERRUPTED).
// Costs: the slides to reach SC (a few per factor, each a normal-form
// conjugation), then the exploration of SC (summitsets.h).
#pragma once

#include <cstddef>
#include <optional>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/simple.h"
#include "garside/summitsets.h"

namespace garside {

// A braid c with c^-1 a c = b, if a and b (on the same strands) are
// conjugate; nothing otherwise.
std::optional<NormalForm> conjugating_braid(const NormalForm& a, const NormalForm& b,
                                            std::size_t max_elements = kDefaultMaxElements,
                                            const basics::STOPREQUEST* stop = nullptr);

// The same on words: the word of such a c, or nothing.
std::optional<Word> is_conjugate(int strands, const Word& a, const Word& b,
                                 std::size_t max_elements = kDefaultMaxElements,
                                 const basics::STOPREQUEST* stop = nullptr);

// The least member of SC(x).
NormalForm conjugacy_representative(const NormalForm& x, std::size_t max_elements = kDefaultMaxElements,
                                    const basics::STOPREQUEST* stop = nullptr);

// The same on words: the word (to_word) of that normal form.
Word conjugacy_representative(int strands, const Word& x, std::size_t max_elements = kDefaultMaxElements,
                              const basics::STOPREQUEST* stop = nullptr);

}  // namespace garside
