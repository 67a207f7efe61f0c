// Minimal simple conjugators: the smallest conjugating simple braids that keep
// an element of a summit set inside that set. Each summit set is connected by
// them, which is how summitsets.h builds the sets.
//
// For y in a set S (SSS, USS or SC of its class) and a simple braid a, the
// simple braids c with y^c = c^-1 y c in S are closed under meets and include
// Delta, so there is a least such c with a <= c, written c_y(a). Every
// conjugator between two members of S is a product of such steps, and the
// minimal simple elements of y (the least c_y(sigma_i) over the generators)
// reach, from y, every member of S (Gebhardt 2005; Gebhardt and
// Gonzalez-Meneses 2010).
//
// SSS. For y = Delta^p X with X = x_1 ... x_r, y^c keeps inf p exactly when
// tau^p(c) <= X c, and keeps sup p + r exactly when X c <= Delta^r
// tau^(p+r)(c). Both conditions hold on joins, so c_y(a) is the limit of
//
//   c -> c v (X \ tau^p(c)) v tau^(p+r)(X* \ c),   X* = X^-1 Delta^r,
//
// from c = a, where u \ t = u^-1 (u v t) is the smallest v with t <= u v.
// Each term is forced (any admissible c' >= c lies above it) and the fixed
// points are the admissible braids. X* is the positive braid
// d(x_r) tau(d(x_(r-1))) ... tau^(r-1)(d(x_1)), d the right complement.
//
// USS and SC. Let step be cycling (USS) or cyclic sliding (SC) with its
// conjugator g(y) (iota(y), resp. the preferred prefix), and let
// y_0, y_1 = step(y_0), ..., y_N = y_0 be the closed orbit of y. For an SSS
// conjugator c of y_k its transport T(c) = g(y_k)^-1 c g(y_k^c) carries
// step(y_k) to step(y_k^c). It has a lower adjoint, the pullback P:
//
//   T(c) >= t   exactly when   c >= P(t),
//
// for every SSS conjugator c of y_k, with P(t) the least SSS conjugator above
//
//   cycling:  (x_2 ... x_r \ tau^p(t)) v tau(d(iota) \ t),
//   sliding:  (x_1' x_2 ... x_r \ tau^p(t)) v tau^(p+r)(W* \ t) v tau(d(pfx) \ t),
//
// where x_1' = tau^p(pfx)^-1 x_1 and W* = (x_1 ... x_r pfx)^-1 Delta^r. These
// come from writing T(c) >= t as g(y_k) t <= c g(y_k^c) and expanding
// g(y_k^c) through the normal form of y_k^c. So T preserves meets and is
// monotone; T is injective on the conjugators into the set, since step is a
// bijection of the set, so the transport R around the orbit permutes them:
// they are exactly the braids that R brings back to themselves. With Q the
// pullback around the orbit (adjoint to R) and K a large enough multiple of
// N, R^K is idempotent with image these braids, and
//
//   c_y(a) = R^K(Q^K(a)),
//
// which is found by following Q from a and then R until each repeats.
//
// T is moreover an isomorphism of orders from the conjugators of y_k into the
// set onto those of y_(k+1) (a bijection that preserves meets), so the
// minimal simple elements of y_(k+1) are the transports of those of y_k: they
// are computed at one point of each orbit and carried round it.
//
// Costs: each residual through X is r meets and joins of simple braids; an SSS
// closure takes at most n(n-1)/2 rounds; a transport is one normal-form
// conjugation; the orbit walks are N pullbacks or transports per round, and
// the rounds end at the first repetition (a few in practice). For a whole
// orbit: n - 1 such walks, then one transport per minimal element and point.
#pragma once

#include <cstddef>
#include <vector>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/simple.h"

namespace garside {

// The operation whose closed orbits make the set: cycling for the ultra
// summit set, cyclic sliding for the sliding circuits.
enum class Closure { cycling, sliding };

// c_y(A) for y in its super summit set with canonical length >= 1.
Simple minimal_super_summit_conjugator(const NormalForm& y, const Simple& a,
                                       const basics::STOPREQUEST* stop = nullptr);

// The minimal simple elements for the super summit set at y: the minimal
// braids among c_y(sigma_i), i = 1 .. n-1, in increasing order. Empty when y
// is a power of Delta.
std::vector<Simple> minimal_super_summit_conjugators(const NormalForm& y,
                                                     const basics::STOPREQUEST* stop = nullptr);

// c_y(A) for y = ORBIT[K], ORBIT a closed orbit of KIND (ORBIT[j+1] is the
// cycling, resp. the cyclic sliding, of ORBIT[j], and ORBIT[0] that of the
// last) inside the super summit set, canonical length >= 1.
Simple minimal_orbit_conjugator(const std::vector<NormalForm>& orbit, std::size_t k,
                                const Simple& a, Closure kind,
                                const basics::STOPREQUEST* stop = nullptr);

// For each element of ORBIT, its minimal simple elements for the ultra summit
// set (cycling) or the sliding circuits (sliding), in increasing order.
std::vector<std::vector<Simple>> minimal_orbit_conjugators(const std::vector<NormalForm>& orbit,
                                                           Closure kind,
                                                           const basics::STOPREQUEST* stop = nullptr);

}  // namespace garside
