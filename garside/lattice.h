// The lattice orders of the braid group: greatest common divisors and least
// common multiples of braids of any sign.
//
// Two orders on B_n, each a lattice:
//
//   x <= y   (x left-divides y, x is a prefix of y)   when x^-1 y is positive;
//   x <=R y  (x right-divides y, x is a suffix of y)  when y x^-1 is positive.
//
// left_gcd is the meet of <= (the greatest common left divisor), right_lcm its
// join (the least common right multiple: m = x a = y b, a and b positive);
// right_gcd is the meet of <=R, left_lcm its join (m = a x = b y).
//
// The identities these functions rest on, for any braids x, y, c:
//
//   (1) left multiplication by c is an automorphism of <=, since
//       (c x)^-1 (c y) = x^-1 y; so left_gcd(c x, c y) = c left_gcd(x, y),
//       and with c = Delta^k, k = -min(inf x, inf y), both arguments become
//       positive (inf(Delta^k x) = k + inf x). Right multiplication is one of
//       <=R: right_gcd(x c, y c) = right_gcd(x, y) c.
//   (2) For positive x and y the largest simple prefix of x is Delta when
//       inf x > 0 and the first factor of its left normal form otherwise;
//       the meet s of the two largest simple prefixes is the largest simple
//       prefix of left_gcd(x, y), so left_gcd(x, y) = s left_gcd(s^-1 x,
//       s^-1 y), and the left normal form of the gcd is the sequence of
//       these s until one is trivial.
//   (3) The mirror image m (sigma_i -> sigma_i^-1, an automorphism sending
//       the positive monoid P onto P^-1) reverses <=: x <= y exactly when
//       m(y) <= m(x). So right_lcm(x, y) = m(left_gcd(m x, m y)), and
//       likewise left_lcm(x, y) = m(right_gcd(m x, m y)).
//   (4) The reverse rev (the word read backwards, an anti-automorphism
//       preserving P) carries <= onto <=R: right_gcd(x, y) =
//       rev(left_gcd(rev x, rev y)). And m(x) = rev(x^-1).
//
// Costs: after one normal form of each argument, the gcd peels equal leading
// factors of the two normal forms at once; every other factor of the result
// costs one meet and two left divisions, each a pass over the factors, so a
// long gcd that the normal forms do not show as a common run of factors
// costs up to (factors of the result) x (factors of the arguments) meets.
// The others add a reversal (a renormalization of the reversed factors)
// around it. The stop request is polled once per factor of the gcd.
#pragma once

#include "basics/interrupt.h"
#include "garside/normalform.h"

namespace garside {

// The meets and joins of the two orders; X and Y must be on the same strands
// (std::invalid_argument otherwise).
NormalForm left_gcd(const NormalForm& x, const NormalForm& y,
                    const basics::STOPREQUEST* stop = nullptr);
NormalForm right_gcd(const NormalForm& x, const NormalForm& y,
                     const basics::STOPREQUEST* stop = nullptr);
NormalForm left_lcm(const NormalForm& x, const NormalForm& y,
                    const basics::STOPREQUEST* stop = nullptr);
NormalForm right_lcm(const NormalForm& x, const NormalForm& y,
                     const basics::STOPREQUEST* stop = nullptr);

// x <= y (x^-1 y positive) and x <=R y (y x^-1 positive): a braid is
// positive exactly when its inf is at least 0.
bool left_divides(const NormalForm& x, const NormalForm& y);
bool right_divides(const NormalForm& x, const NormalForm& y);

// The braid of the reversed word: rev(Delta^p A_1 ... A_r) =
// rev(A_r) ... rev(A_1) Delta^p, a right normal form (reversal exchanges
// left- and right-weighted pairs), brought to left normal form.
NormalForm reverse(const NormalForm& x);
// The mirror image, every letter inverted: rev(x^-1).
NormalForm mirror(const NormalForm& x);

}  // namespace garside
