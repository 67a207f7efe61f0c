#include "garside/summit.h"

#include <unordered_set>
#include <utility>

namespace garside {

namespace {

// The conjugator of one step and the step itself, for the two operations
// whose closed orbits make the ultra summit set and the sliding circuits.
enum class Step { cycling, sliding };

Simple step_conjugator(const NormalForm& x, Step step) {
  return step == Step::cycling ? initial_factor(x) : preferred_prefix(x);
}

// The step of X, given its conjugator G = step_conjugator(x, step).
NormalForm step_of(const NormalForm& x, Step step, const Simple& g) {
  return step == Step::cycling ? cycling(x) : cyclic_sliding(x, g);
}

// Brent's cycle search on the orbit of X under STEP: the element returned is
// the first one found to come back to itself, hence on a closed orbit. The
// search takes at most about three times the steps of the tail and the cycle
// together, and keeps two elements.
Conjugate walk_to_cycle(const NormalForm& x, Step step, const basics::STOPREQUEST* stop) {
  NormalForm conj = identity(x.strands);
  if (x.factors.empty()) {
    return {x, conj};
  }
  NormalForm saved = x;
  Simple g = step_conjugator(x, step);
  multiply_right(conj, g);
  NormalForm current = step_of(x, step, g);
  std::int64_t power = 1;
  std::int64_t lambda = 1;
  while (current != saved) {
    basics::CHECKSTOP(stop);
    if (power == lambda) {
      saved = current;
      power *= 2;
      lambda = 0;
    }
    g = step_conjugator(current, step);
    multiply_right(conj, g);
    current = step_of(current, step, g);
    ++lambda;
  }
  return {std::move(current), std::move(conj)};
}

}  // namespace

Simple initial_factor(const NormalForm& x) {
  if (x.factors.empty()) {
    return Simple(x.strands);
  }
  return tau(x.factors.front(), x.delta);
}

Simple final_factor(const NormalForm& x) {
  if (x.factors.empty()) {
    return Simple(x.strands);
  }
  return x.factors.back();
}

Simple preferred_prefix(const NormalForm& x) {
  if (x.factors.empty()) {
    return Simple(x.strands);
  }
  return left_meet(initial_factor(x), right_complement(x.factors.back()));
}

NormalForm cycling(const NormalForm& x) {
  if (x.factors.empty()) {
    return x;
  }
  // Delta^p A_2 ... A_r followed by tau^-p(A_1).
  NormalForm y;
  y.strands = x.strands;
  y.delta = x.delta;
  y.factors.assign(x.factors.begin() + 1, x.factors.end());
  multiply_right(y, initial_factor(x));
  return y;
}

NormalForm decycling(const NormalForm& x) {
  if (x.factors.empty()) {
    return x;
  }
  // A_r followed by Delta^p A_1 ... A_(r-1).
  NormalForm y;
  y.strands = x.strands;
  y.delta = x.delta;
  y.factors.assign(x.factors.begin(), x.factors.end() - 1);
  multiply_left(y, x.factors.back());
  return y;
}

NormalForm cyclic_sliding(const NormalForm& x) { return cyclic_sliding(x, preferred_prefix(x)); }

NormalForm cyclic_sliding(const NormalForm& x, const Simple& s) {
  if (s.is_identity()) {
    return x;
  }
  // s^-1 Delta^p A_1 ... A_r s = Delta^p (tau^p(s)^-1 A_1) A_2 ... A_r s, where
  // tau^p(s) left-divides A_1 since s left-divides iota(x).
  NormalForm y;
  y.strands = x.strands;
  y.delta = x.delta;
  y.factors.assign(x.factors.begin() + 1, x.factors.end());
  multiply_right(y, s);
  const Simple first = unchecked::left_quotient(tau(s, x.delta), x.factors.front());
  multiply_left(y, tau(first, x.delta));
  return y;
}

Conjugate super_summit_element(const NormalForm& x, const basics::STOPREQUEST* stop) {
  const int n = x.strands;
  NormalForm y = x;
  NormalForm conj = identity(n);
  const std::int64_t bound = static_cast<std::int64_t>(n) * (n - 1) / 2;

  // Cycling until inf has not risen for `bound` steps or the orbit closes.
  std::unordered_set<NormalForm, NormalFormHash> seen;
  for (std::int64_t idle = 0; !y.factors.empty() && idle < bound;) {
    basics::CHECKSTOP(stop);
    multiply_right(conj, initial_factor(y));
    NormalForm z = cycling(y);
    if (z.delta > y.delta) {
      idle = 0;
      seen.clear();
    } else {
      ++idle;
    }
    y = std::move(z);
    if (idle > 0 && !seen.insert(y).second) {
      break;
    }
  }

  // Decycling until sup has not fallen for `bound` steps or the orbit closes.
  // Its conjugators are A^-1 for the moved factors A; their product is kept
  // inverted, as the positive product of the factors in reverse order.
  NormalForm moved = identity(n);
  seen.clear();
  for (std::int64_t idle = 0; !y.factors.empty() && idle < bound;) {
    basics::CHECKSTOP(stop);
    multiply_left(moved, y.factors.back());
    NormalForm z = decycling(y);
    if (sup(z) < sup(y)) {
      idle = 0;
      seen.clear();
    } else {
      ++idle;
    }
    y = std::move(z);
    if (idle > 0 && !seen.insert(y).second) {
      break;
    }
  }
  return {std::move(y), multiply(conj, inverse(moved))};
}

Conjugate ultra_summit_element(const NormalForm& x, const basics::STOPREQUEST* stop) {
  Conjugate s = super_summit_element(x, stop);
  Conjugate u = walk_to_cycle(s.element, Step::cycling, stop);
  return {std::move(u.element), multiply(s.conjugator, u.conjugator)};
}

Conjugate sliding_circuit_element(const NormalForm& x, const basics::STOPREQUEST* stop) {
  return walk_to_cycle(x, Step::sliding, stop);
}

}  // namespace garside
