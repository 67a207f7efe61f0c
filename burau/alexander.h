// The Alexander polynomial of the closure of a braid.
//
// For b in B_n with reduced Burau matrix rho'(b) (representation.h),
//
//     det(I - rho'(b)) = (1 + t + ... + t^(n-1)) Delta(t)
//
// up to a unit +-t^k, Delta the Alexander polynomial of the closure of b.
// The quotient D(b) is exact (a remainder is a std::logic_error), invariant
// under conjugation, and it is normalised here by Conway's convention:
//
//     Delta(t) = (-1)^(e-n+1) t^(-(e-n+1)/2) D(b),   e the exponent sum of b,
//
// which satisfies Conway's skein relation Delta(L+) - Delta(L-) =
// (t^(1/2) - t^(-1/2)) Delta(L0) with Delta(unknot) = 1. So Delta(t^-1) =
// Delta(t) and Delta(1) = 1 for a knot, Delta(t^-1) = (-1)^(m-1) Delta(t) for
// a link of m components. When m is even, e - n + 1 is odd and the exponents
// are half-integers: the result returned is then t^(1/2) Delta(t), with
// integer exponents. A split link, for instance the closure of the trivial
// braid on two strands or more, has Delta = 0.
//
// Cost: the reduced matrix (O(n L) operations) and its determinant by
// fraction-free elimination (O(n^3) products of polynomials of degree
// O(n L)); the stop request is polled between letters and between the
// elimination's rows. Strands that no letter joins to the others split the
// closure: the answer 0 then costs nothing.
#pragma once

#include <cstdint>
#include <span>

#include "basics/interrupt.h"
#include "burau/laurentpolynomial.h"

namespace burau {

LaurentPolynomial alexander_polynomial(std::span<const std::int16_t> word, int strands,
                                       const basics::STOPREQUEST* stop = nullptr);

}  // namespace burau
