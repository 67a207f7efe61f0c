#include "korvel/computations.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <utility>

#include "braidbasics/divisibility.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/symmetricnormalform.h"
#include "coordinates/dynnikov.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"
#include "korvel/detail/records.h"

namespace korvel {

namespace {

using BraidBasics::BLETTER;
using BraidBasics::BLIMITS;
using BraidBasics::BRAID;

using detail::braid_of;
using detail::core_limits;
using detail::record;
using detail::stop_of;
using detail::translated;

char order_char(Ordering o) {
  switch (o) {
    case Ordering::F:
      return 'F';
    case Ordering::U:
      return 'U';
    case Ordering::R:
    default:
      return 'R';
  }
}

int sign_of(char c) { return c == '+' ? 1 : (c == '-' ? -1 : 0); }

// The method that decides a question on a word of LENGTH letters on STRANDS
// strands, or a refusal when the ordering has no such method.
Method resolve(Method method, Ordering ordering, std::size_t length, int strands) {
  if (ordering == Ordering::U) {
    if (method == Method::Coordinates) {
      throw std::invalid_argument(
          "the DD-ordering (U) is decided by handle reduction only, not by coordinates");
    }
    return Method::Handles;
  }
  return method == Method::Automatic ? choose_method(length, strands) : method;
}

// Both methods work on the word a^-1 b of the two lengths together: a limit
// below its length refuses the question whichever method answers it.
void check_input(std::size_t length, const Limits& limits) {
  if (limits.max_length && length > *limits.max_length) {
    throw BoundExceeded(*limits.max_length);
  }
}

}  // namespace

StopRequest::StopRequest() : core_(std::make_unique<Core>()) { core_->request.FLAG = &flag_; }

StopRequest::StopRequest(std::function<bool()> poll) : StopRequest() {
  core_->request.POLL = std::move(poll);
}

StopRequest::~StopRequest() = default;

bool StopRequest::stop_requested() const { return basics::STOPREQUESTED(core_->request); }

Method choose_method(std::size_t length, int strands) {
  // Measured on seeded random words (bench/interface_bench.cpp): the
  // coordinates are faster from a few dozen letters on, on 3 to 30 strands
  // (2 us against 5 us at 100 letters on 10 strands, 0.05 ms against 0.09 to
  // 4.6 ms at 1,000 letters), since handle reduction may make many passes
  // while the coordinates read each letter once. Handle reduction keeps very
  // short words, which it often decides from the letters alone, and words on
  // many more strands than letters, where setting up 2n big integers costs
  // more than the reduction.
  if (length <= 32 || static_cast<std::size_t>(strands) > 4 * length) {
    return Method::Handles;
  }
  return Method::Coordinates;
}

int compare(const Braid& a, const Braid& b, Ordering ordering, Method method,
            const Limits& limits) {
  return translated(limits, [&]() {
    const std::size_t length = a.length() + b.length();
    check_input(length, limits);
    const int strands = std::max(a.strands(), b.strands());
    if (resolve(method, ordering, length, strands) == Method::Coordinates) {
      return coordinates::compare(a.word(), b.word(), strands, ordering == Ordering::F,
                                  stop_of(limits));
    }
    BRAID q;
    const char c = handlereduction::BCOMPARE(record(a), record(b), q, order_char(ordering),
                                             core_limits(limits));
    return -sign_of(c);
  });
}

int sign(const Braid& b, Ordering ordering, Method method, const Limits& limits) {
  return translated(limits, [&]() {
    check_input(b.length(), limits);
    if (resolve(method, ordering, b.length(), b.strands()) == Method::Coordinates) {
      return coordinates::sign(b.word(), b.strands(), ordering == Ordering::F, stop_of(limits));
    }
    return sign_of(handlereduction::BSIGN(record(b), order_char(ordering), core_limits(limits)));
  });
}

bool equal(const Braid& a, const Braid& b, Method method, const Limits& limits) {
  return translated(limits, [&]() {
    const std::size_t length = a.length() + b.length();
    check_input(length, limits);
    const int strands = std::max(a.strands(), b.strands());
    if (resolve(method, Ordering::R, length, strands) == Method::Coordinates) {
      return coordinates::equal(a.word(), b.word(), strands, stop_of(limits));
    }
    return handlereduction::BEQUIV(record(a), record(b), core_limits(limits));
  });
}

bool is_trivial(const Braid& b, Method method, const Limits& limits) {
  return sign(b, Ordering::R, method, limits) == 0;
}

Braid handle_reduce(const Braid& b, Ordering ordering, const Limits& limits) {
  return translated(limits, [&]() {
    check_input(b.length(), limits);
    BRAID r = record(b);
    handlereduction::BREDUCE(r, order_char(ordering), core_limits(limits));
    return braid_of(r, b.strands());
  });
}

std::vector<ReductionStep> handle_reduction_steps(const Braid& b, const Limits& limits) {
  return translated(limits, [&]() {
    check_input(b.length(), limits);
    BRAID r = record(b);
    std::vector<ReductionStep> steps;
    handlereduction::BHREDUCESTEPS(
        r,
        [&steps, &b](const BRAID& word, std::int32_t p, std::int32_t q) {
          ReductionStep step{braid_of(word, b.strands()), std::nullopt};
          if (p != 0) {
            // Letters p..q (1-based, inclusive) are the span [p - 1, q).
            step.handle = std::make_pair(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(q));
          }
          steps.push_back(std::move(step));
        },
        core_limits(limits));
    return steps;
  });
}

namespace {

// The left normal form of the positive record P on its W strands, with
// DELTAS more powers of Delta in front.
LeftNormalForm positive_normal_form(BRAID p, long long deltas, const BLIMITS& limits) {
  const std::int32_t w = p.W;
  std::int32_t power = 0;
  std::vector<BRAID> factors;
  BraidBasics::BLEFTFACTORS(std::move(p), power, factors, limits);
  LeftNormalForm nf;
  nf.delta_power = deltas + power;
  nf.strands = w;
  nf.factors.reserve(factors.size());
  for (const BRAID& f : factors) {
    nf.factors.push_back(braid_of(f, w));
  }
  return nf;
}

}  // namespace

Braid LeftNormalForm::braid() const {
  Braid b = Braid().with_strands(std::max(strands, 1));
  b *= Braid::delta(std::max(strands, 1)).pow(delta_power);
  for (const Braid& f : factors) {
    b *= f;
  }
  return b;
}

Braid SymmetricNormalForm::braid() const { return denominator.braid().inverse() * numerator.braid(); }

LeftNormalForm left_normal_form(const Braid& b, const Limits& limits) {
  return translated(limits, [&]() {
    const BLIMITS core = core_limits(limits);
    const int n = b.strands();
    // Every negative letter x^-1 is Delta^-1 (Delta x^-1), with Delta x^-1 a
    // positive word, and a word u moves across Delta^-1 as u Delta^-1 =
    // Delta^-1 tau(u), tau the flip sigma_i -> sigma_(n-i). So B = Delta^-m P,
    // m the number of negative letters, where each piece of P (a positive
    // letter, or Delta x^-1 for a negative one) is flipped once for every
    // negative letter to its right.
    std::vector<BRAID> complements(static_cast<std::size_t>(n));  // Delta sigma_i^-1
    const BRAID delta = BraidBasics::BDELTA(n, core);
    const std::vector<std::int16_t>& w = b.word();
    long long negatives = 0;
    std::size_t length = 0;
    for (const std::int16_t x : w) {
      if (x < 0) {
        ++negatives;
        BRAID& c = complements[static_cast<std::size_t>(-x)];
        if (c.L == 0) {
          c = BraidBasics::BRIGHTQUOTIENT(delta, BraidBasics::BSIGMA(-x), core);
          c.W = n;
        }
        length += static_cast<std::size_t>(c.L);
      } else {
        length += 1;
      }
    }
    BRAID p;
    p.W = n;
    BraidBasics::BRESERVE(p, static_cast<std::int64_t>(length), core);
    std::int32_t end = static_cast<std::int32_t>(length);  // fill P from the right
    long long after = 0;                                   // negative letters to the right
    for (auto it = w.rbegin(); it != w.rend(); ++it) {
      const bool flip = after % 2 == 1;
      const auto put = [&p, &end, flip, n](std::int32_t x) {
        p.V[end--] = static_cast<BLETTER>(flip ? n - x : x);
      };
      if (*it > 0) {
        put(*it);
      } else {
        const BRAID& c = complements[static_cast<std::size_t>(-*it)];
        for (std::int32_t r = c.L; r >= 1; --r) {
          put(c.V[r]);
        }
        ++after;
      }
    }
    p.L = static_cast<std::int32_t>(length);
    return positive_normal_form(std::move(p), -negatives, core);
  });
}

SymmetricNormalForm symmetric_normal_form(const Braid& b, const Limits& limits) {
  return translated(limits, [&]() {
    check_input(b.length(), limits);
    const BLIMITS core = core_limits(limits);
    BRAID d;
    BRAID n;
    BraidBasics::BSYMFRACTION(record(b), d, n, core);
    d.W = b.strands();
    n.W = b.strands();
    return SymmetricNormalForm{positive_normal_form(std::move(d), 0, core),
                               positive_normal_form(std::move(n), 0, core)};
  });
}

std::vector<mpz_class> coordinates(const Braid& b, const Limits& limits) {
  return translated(limits, [&]() {
    check_input(b.length(), limits);
    return coordinates::dynnikov(b.word(), b.strands(), stop_of(limits));
  });
}

}  // namespace korvel
