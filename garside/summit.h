// Cycling, decycling and cyclic sliding, and the walks that use them to reach
// the summit sets of a conjugacy class.
//
// Conjugation convention, everywhere in this library: a conjugator c carries
// x to c^-1 x c. A Conjugate {element, conjugator} of an input x holds
// element = conjugator^-1 x conjugator.
//
// For x = Delta^p A_1 ... A_r in left normal form with r >= 1:
//
//   initial factor  iota(x) = tau^-p(A_1), so that x = iota(x) Delta^p A_2 ... A_r;
//   final factor    phi(x)  = A_r;
//   cycling         c(x) = iota(x)^-1 x iota(x) = Delta^p A_2 ... A_r tau^-p(A_1):
//                   the first factor, flipped p times, moves to the end;
//   decycling       d(x) = phi(x) x phi(x)^-1 = A_r Delta^p A_1 ... A_(r-1):
//                   the last factor moves to the front (conjugator A_r^-1);
//   preferred prefix pfx(x) = iota(x) ^ d(phi(x)), d the right complement: the
//                   largest prefix of iota(x) whose conjugation keeps the
//                   product of the last factor and the moved part simple;
//   cyclic sliding  s(x) = pfx(x)^-1 x pfx(x).
//
// For r = 0 (x a power of Delta) all three are the identity operation.
//
// None of them lowers inf or raises sup. The super summit set SSS(x) is the
// set of conjugates of x with the largest inf and the smallest sup in the
// class (Elrifai and Morton 1994); the ultra summit set USS(x) is the set of
// elements of SSS(x) that cycling brings back to themselves (Gebhardt 2005);
// the set of sliding circuits SC(x) is the set of conjugates that cyclic
// sliding brings back to themselves (Gebhardt and Gonzalez-Meneses 2010).
// SC(x) lies in USS(x), which lies in SSS(x).
#pragma once

#include <cstdint>

#include "basics/interrupt.h"
#include "garside/normalform.h"
#include "garside/simple.h"

namespace garside {

struct Conjugate {
  NormalForm element;     // conjugator^-1 x conjugator, x the input
  NormalForm conjugator;  // as a normal form; to_word gives its word
};

Simple initial_factor(const NormalForm& x);
Simple final_factor(const NormalForm& x);
Simple preferred_prefix(const NormalForm& x);

NormalForm cycling(const NormalForm& x);
NormalForm decycling(const NormalForm& x);
NormalForm cyclic_sliding(const NormalForm& x);
// The same, given PREFIX = preferred_prefix(x) already computed.
NormalForm cyclic_sliding(const NormalForm& x, const Simple& prefix);

// An element of SSS(x) with its conjugator, by iterated cycling, which raises
// inf to its largest value in the class, then iterated decycling, which lowers
// sup to its smallest value without lowering inf (Elrifai and Morton 1994).
// A run of n(n-1)/2 operations (the length of Delta) that changes nothing
// shows the bound reached; a run that comes back to an element already met
// shows it sooner. Costs O(n^2) normal-form conjugations by a simple braid
// per raise of inf or lowering of sup. STOP is polled at every step.
Conjugate super_summit_element(const NormalForm& x, const basics::STOPREQUEST* stop = nullptr);

// An element of USS(x): iterated cycling from an element of SSS(x) until it
// comes back to an element already met, which lies on a closed cycling orbit.
Conjugate ultra_summit_element(const NormalForm& x, const basics::STOPREQUEST* stop = nullptr);

// An element of SC(x): iterated cyclic sliding from x itself until it comes
// back to an element already met (found with Brent's cycle search, so in
// constant memory), which lies on a sliding circuit. STOP is polled at every
// slide.
Conjugate sliding_circuit_element(const NormalForm& x, const basics::STOPREQUEST* stop = nullptr);

}  // namespace garside
