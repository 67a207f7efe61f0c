// The topological entropy of a braid, estimated from the growth of Dynnikov
// coordinates under its powers.
//
// A braid b of B_n is a mapping class of the n-punctured disk; its
// topological entropy h(b) is log of its dilatation when b is
// pseudo-Anosov, the largest entropy of its pieces when b is reducible (a
// piece that b^p maps to itself with dilatation lambda contributes
// log(lambda) / p), and 0 when b is periodic or reducible into periodic
// pieces only. It is a conjugacy invariant and h(b^k) = |k| h(b).
//
// How it is estimated. The Dynnikov coordinates are those of an integral
// lamination of the disk; b acts on them through the piecewise-linear maps
// of lamination.h. The start L is the point of the trivial braid moved by
// sigma_1 sigma_2^-1 sigma_3 ...; no braid but 1 fixes it, so L crosses
// every piece of b on which a braid can act, and
//   N_j = sum over k of |a_k| + |b_k|   at the point b^j(L)
// grows like exp(j h(b)) when h(b) > 0 and at most linearly when h(b) = 0.
// Its logarithm is read exactly from the GMP integers (mantissa and binary
// exponent), so no value overflows and the values need not be renormalised:
// they grow by about h / log 2 bits per power.
//
// Let P be the order of the permutation of the strands of b (the least
// common multiple of its cycle lengths): pieces of b are permuted with
// periods dividing P, and b^P maps each to itself. The window is w = P when
// P <= 60 and w = 1 otherwise, and the estimates are
//   e_j = (log N_j - log N_(j-w)) / w        (j >= w).
// When h > 0, log N_j = j h + c_(j mod P) + O(rho^j) with rho < 1, so e_j
// tends to h geometrically (the constants c cancel over a window of P).
//
// The stopping rule. The powers b, b^2, ... act one after the other and
//   1. entropy 0, certified: at every j that is a multiple of P, when the
//      points x_j, x_(j-P), x_(j-2P) are in arithmetic progression with
//      step v, and b^P maps every point x_j + t v (real t >= 0) to
//      x_j + (t + 1) v (checked exactly, the maps being affine on the whole
//      ray), the orbit of L grows linearly and 0 is returned exactly. When
//      h(b) = 0, b^P is a product of Dehn twists about disjoint curves, and
//      its orbits become such rays: periodic braids (P powers make a power
//      of the full twist), sigma_1 and their conjugates end this way;
//   2. converged: with c_j = |e_j - e_(j-1)|, the envelope
//      E = max(c_j, c_(j-1), c_(j-2)) and E' the same three powers earlier,
//      the ratio r = (E / E')^(1/3) estimates the rate of convergence, and
//      the first j >= w + 6 at which
//        E max(j, r / (1 - r)) <= tolerance      (r < 1)
//      returns max(e_j, 0); so does a j at which E is below the rounding of
//      the logarithms (1e-15 (1 + log N_j) / w). For estimates that
//      converge geometrically with ratio r, E r / (1 - r) bounds the error
//      left; for estimates that converge like C / j (linear growth), j E;
//      the envelope and the span of three powers keep an oscillating
//      convergence (complex rates) from stopping at a small change;
//   3. the cap: after at least 16 powers, once the work spent passes 2^24
//      (the letters acted, the values copied to be measured and 64 for
//      each power, each weighted by the 64-bit words of the largest value;
//      a few tenths of a second at most), the long-range estimate
//      max(0, (log N_J - log N_(J/2)) / (J - J/2)) of the last power J is
//      returned, whose error is O(1 / J) in every case. It is what a caller
//      who asked for more than the braid allows gets: the best estimate
//      rather than an error. The cap is reached by zero-entropy braids whose
//      orbit does not settle into a ray in time, by reducible braids that
//      permute pieces of positive entropy when P > 60, and by reducible
//      braids whose pieces grow at close rates, whose estimates converge
//      with a ratio near 1: there the error can pass the tolerance (1e-5
//      seen for a tolerance of 1e-8 on 2 of 300 seeded split braids on 6 to
//      12 strands).
// The tolerance is thus met whenever the estimates follow either model
// (geometric or C / j) from the powers the rule sees on (on seeded words of
// 3 to 20 strands, the error stayed below tolerance / 2); a braid whose
// exponential growth is hidden for a while under a linear term more than
// 1 / tolerance times larger is not told from one of entropy 0.
//
// Cost: for a pseudo-Anosov braid, powers up to J cost about
// |word| J^2 h / 128 limb operations with J of a few tens: on 10 strands,
// 100 letters to 1e-6 a fraction of a millisecond. Memory: the point
// (2 values per strand used), two earlier points and three doubles per power.
// Thread safety: reentrant, no global state.
#pragma once

#include <cstdint>
#include <span>

#include "basics/interrupt.h"

namespace coordinates {

// The estimate of the topological entropy of the braid spelled by WORD (a
// Tietze list: +i is sigma_i, -i its inverse) on STRANDS strands, by the
// stopping rule above with TOLERANCE: 0 exactly when the rule certifies
// entropy 0, otherwise a value >= 0. Only the strands from the least index
// used to one past the greatest are held, so a large strand count costs
// nothing. Throws std::invalid_argument when strands < 1, a letter is 0 or
// has |x| >= strands, or tolerance is not a positive finite number, before
// any arithmetic; basics::INTERRUPTED when a non-null STOP asks to stop,
// polled at every power and every 4096 letters.
double entropy(std::span<const std::int16_t> word, std::int32_t strands, double tolerance = 1e-6,
               const basics::STOPREQUEST* stop = nullptr);

}  // namespace coordinates
