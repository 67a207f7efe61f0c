// The quick invariants of korvel::Braid values: the permutation, the exponent
// sum, purity, the mirror image and the reverse, the right normal form, and
// the greatest common divisors and least common multiples of two braids of
// any sign.
//
// Conventions:
//
//   permutation   the 1-based list p with p[i-1] the position at the bottom
//                 where the strand that starts at position i ends, the word
//                 read from top to bottom (left to right); sigma_i exchanges
//                 i and i + 1. So the permutation of a product x y is
//                 i -> p_y[p_x[i]]: sigma_1 sigma_2 on three strands gives
//                 [3, 1, 2], Delta gives [n, n-1, ..., 1];
//   the orders    x left-divides y (x is a prefix of y) when x^-1 y is a
//                 positive braid; x right-divides y when y x^-1 is. Each is a
//                 lattice on the whole group B_n, positive or not:
//                 left_gcd (the greatest common left divisor) and right_lcm
//                 (the least common right multiple, m = x a = y b with a, b
//                 positive) are the meet and join of the first order,
//                 right_gcd and left_lcm (m = a x = b y) those of the second.
//                 Multiplying both braids by Delta^(2k), which is central,
//                 multiplies each of the four by Delta^(2k).
//
// The two braids of a gcd or lcm are taken on the larger strand count, and
// the answer lives there. Words of the answers: a gcd is spelled as its left
// normal form (Delta^p as |p| words of Delta, then the simple factors);
// right_lcm(x, y) as the word of x followed by a positive word, and
// left_lcm(x, y) as a positive word followed by the word of y.
//
// Limits: the normal forms and the gcds and lcms poll the stop request
// (Interrupted); Limits::max_length bounds their arguments and answers
// (BoundExceeded). Thread-safe like computations.h.
#pragma once

#include <vector>

#include "korvel/braid.h"
#include "korvel/computations.h"

namespace korvel {

// The permutation of the strands, 1-based (see above), b.strands() entries.
std::vector<int> permutation(const Braid& b);

// The number of positive letters less the number of negative ones, the image
// of b under the abelianization B_n -> Z.
long long exponent_sum(const Braid& b);

// Whether every strand ends where it starts.
bool is_pure(const Braid& b);

// The word with every letter inverted (sigma_i <-> sigma_i^-1), in the same
// order: the image under the automorphism that inverts each generator.
Braid mirror_image(const Braid& b);

// The word read backwards: the image under the anti-automorphism that fixes
// each generator. mirror_image(b) is reverse(b).inverse().
Braid reverse(const Braid& b);

// B_1 ... B_r Delta^delta_power on `strands` strands: the B_i simple, none
// equal to Delta nor trivial, each pair right-weighted (no generator that
// ends B_i can be moved onto B_(i+1)). It has the delta power and the number
// of factors of the left normal form.
struct RightNormalForm {
  std::vector<Braid> factors;
  long long delta_power = 0;
  int strands = 1;
  // The braid it stands for.
  Braid braid() const;
};
RightNormalForm right_normal_form(const Braid& b, const Limits& limits = {});

// The meets and joins of the two divisibility orders (see above).
Braid left_gcd(const Braid& a, const Braid& b, const Limits& limits = {});
Braid right_gcd(const Braid& a, const Braid& b, const Limits& limits = {});
Braid left_lcm(const Braid& a, const Braid& b, const Limits& limits = {});
Braid right_lcm(const Braid& a, const Braid& b, const Limits& limits = {});

}  // namespace korvel
