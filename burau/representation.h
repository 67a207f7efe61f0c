// The Burau representation of the braid group B_n over Z[t, t^-1].
//
// Unreduced (n x n): sigma_i acts as the identity except on rows and columns
// i, i+1 (1-based), where its block is
//
//     [ 1 - t   t ]        and sigma_i^-1 has   [ 0      1        ]
//     [ 1       0 ]                             [ t^-1   1 - t^-1 ];
//
// 1 - t is in the upper left corner, the determinant is -t. A word
// x_1 ... x_L maps to the product rho(x_1) ... rho(x_L) in this order, which
// is a homomorphism since the blocks satisfy the braid relations. Every rho(b)
// fixes the column (1, ..., 1)^T (each row sums to 1) and the row
// w = (1, t, ..., t^(n-1)) (w rho(sigma_i) = w).
//
// Reduced ((n-1) x (n-1)): rho restricted to the invariant submodule
// w x = 0, in its basis f_j = t e_j - e_(j+1), j = 1..n-1. Then rho(sigma_i)
// f_(i-1) = f_(i-1) + f_i, rho(sigma_i) f_i = -t f_i, rho(sigma_i) f_(i+1) =
// t f_i + f_(i+1), and the matrix of sigma_i is the identity except in row i,
// which holds 1, -t, t in columns i-1, i, i+1 (those that exist). Its
// characteristic polynomial is that of rho divided by (x - 1), as rho acts
// trivially on the quotient by the submodule.
//
// Cost: right multiplication by rho(sigma_i^(+-1)) changes two columns
// (three for the reduced matrix), so a word of L letters costs O(n L)
// operations on polynomials, done by FLINT; their degrees are at most L
// and their coefficients may grow exponentially in L.
//
// The stop request is polled every few letters (basics::INTERRUPTED).
// std::invalid_argument for strands < 1 or a letter out of 1 <= |x| < strands.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "basics/interrupt.h"
#include "burau/laurentpolynomial.h"

namespace burau {

// A matrix as its rows.
using Matrix = std::vector<std::vector<LaurentPolynomial>>;

// The n x n identity.
Matrix identity(int n);

// The product of two square matrices of the same size.
Matrix product(const Matrix& a, const Matrix& b);

// rho(WORD) on STRANDS strands, or its reduced form when REDUCED (0 x 0 for
// one strand).
Matrix burau_matrix(std::span<const std::int16_t> word, int strands, bool reduced,
                    const basics::STOPREQUEST* stop = nullptr);

// Checks WORD against STRANDS as above.
void check_word(std::span<const std::int16_t> word, int strands);

}  // namespace burau
