#include "coordinates/lamination.h"

#include <gmp.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace coordinates {

namespace {

static_assert(sizeof(long) >= sizeof(std::int64_t), "GMP's signed long must hold a 64-bit value");

// Letters between two polls of the stop request.
constexpr std::size_t poll_interval = 4096;

// Both branches of one letter are one map written in the frame of the
// reflection R (a_k -> -a_k): sigma_i^-1 = R sigma_i R. With s = +1 for
// sigma_i and s = -1 for its inverse, A_k = s a_k are the a-values in that
// frame, and with
//   u = A_i - A_(i+1),  c = u - b_i-,  t = u + b_(i+1)+,  d = c + b_(i+1)+
// the formulas of sigma_i become
//   A_i'     = A_(i+1) + b_i      when c < 0,  A_i + b_i+          otherwise,
//   A_(i+1)' = A_i + b_(i+1)      when t < 0,  A_(i+1) + b_(i+1)-  otherwise,
//   b_i'     = b_(i+1) - d+,  b_(i+1)' = b_i + d+
// (the first since (b_(i+1)+ - d)+ = (-c)+, the second since b_i- + d = t).
// So a letter needs the signs of c, t, d and at most one big difference, u.

// One letter on the four values v[0..3] = (a_i, b_i, a_(i+1), b_(i+1)) held
// in 64 bits. Returns false, with v untouched, when a sum would overflow.
template <bool Inverse>
inline bool small_step(std::int64_t* v) noexcept {
  std::int64_t a1 = v[0];
  const std::int64_t b1 = v[1];
  std::int64_t a2 = v[2];
  const std::int64_t b2 = v[3];
  bool overflow = false;
  if constexpr (Inverse) {
    overflow |= __builtin_sub_overflow(std::int64_t{0}, a1, &a1);
    overflow |= __builtin_sub_overflow(std::int64_t{0}, a2, &a2);
  }
  const std::int64_t b1_minus = std::min<std::int64_t>(b1, 0);
  const std::int64_t b1_plus = std::max<std::int64_t>(b1, 0);
  const std::int64_t b2_minus = std::min<std::int64_t>(b2, 0);
  const std::int64_t b2_plus = std::max<std::int64_t>(b2, 0);
  std::int64_t u, c, t, d;
  overflow |= __builtin_sub_overflow(a1, a2, &u);
  overflow |= __builtin_sub_overflow(u, b1_minus, &c);
  overflow |= __builtin_add_overflow(u, b2_plus, &t);
  overflow |= __builtin_add_overflow(c, b2_plus, &d);
  const std::int64_t d_plus = std::max<std::int64_t>(d, 0);
  std::int64_t new_a1, new_a2, new_b1, new_b2;
  overflow |= __builtin_add_overflow(c < 0 ? a2 : a1, c < 0 ? b1 : b1_plus, &new_a1);
  overflow |= __builtin_add_overflow(t < 0 ? a1 : a2, t < 0 ? b2 : b2_minus, &new_a2);
  overflow |= __builtin_sub_overflow(b2, d_plus, &new_b1);
  overflow |= __builtin_add_overflow(b1, d_plus, &new_b2);
  if constexpr (Inverse) {
    overflow |= __builtin_sub_overflow(std::int64_t{0}, new_a1, &new_a1);
    overflow |= __builtin_sub_overflow(std::int64_t{0}, new_a2, &new_a2);
  }
  if (overflow) {
    return false;
  }
  v[0] = new_a1;
  v[1] = new_b1;
  v[2] = new_a2;
  v[3] = new_b2;
  return true;
}

// r := x + s y, with s = +1 for sigma_i and -1 for its inverse: a sum in the
// frame of R, written back in the plain coordinates.
template <bool Inverse>
inline void add_signed(mpz_ptr r, mpz_srcptr x, mpz_srcptr y) {
  if constexpr (Inverse) {
    mpz_sub(r, x, y);
  } else {
    mpz_add(r, x, y);
  }
}

// One letter on GMP values, in place, with the scratch values u and t.
// Every value is written by at most two additions, most often one, and
// never through a temporary: the signs of c, t and d come from comparisons
// with u, and d itself is only formed in the one case the comparisons leave
// open. The new b-values are b_i - u and b_(i+1) + u, or -u, or u, or the old
// ones swapped, according to the signs of b_i and b_(i+1) (d+ cancels the
// term of c or t that is not u).
template <bool Inverse>
void big_step(mpz_ptr a1, mpz_ptr b1, mpz_ptr a2, mpz_ptr b2, mpz_ptr u, mpz_ptr t) {
  if constexpr (Inverse) {
    mpz_sub(u, a2, a1);
  } else {
    mpz_sub(u, a1, a2);
  }
  const int sb1 = mpz_sgn(b1);
  const int sb2 = mpz_sgn(b2);
  const int su = mpz_sgn(u);
  // Signs of c = u + |b1-|, t = u + b2+, d = u + |b1-| + b2+.
  int sc, st, sd;
  if (su >= 0) {
    sc = (su > 0 || sb1 < 0) ? 1 : 0;
    st = (su > 0 || sb2 > 0) ? 1 : 0;
    sd = (sc > 0 || sb2 > 0) ? 1 : 0;
  } else {
    sc = sb1 < 0 ? mpz_cmpabs(b1, u) : -1;
    st = sb2 > 0 ? mpz_cmpabs(b2, u) : -1;
    if (sb1 < 0 && sb2 > 0) {
      if (sc > 0 || st > 0) {
        sd = 1;
      } else {
        mpz_sub(t, u, b1);
        mpz_add(t, t, b2);
        sd = mpz_sgn(t);
      }
    } else if (sb1 < 0) {
      sd = sc;
    } else if (sb2 > 0) {
      sd = st;
    } else {
      sd = -1;
    }
  }
  // The a-values, from the old b-values.
  if (sc < 0) {
    if (st < 0) {
      add_signed<Inverse>(t, a2, b1);
      add_signed<Inverse>(a2, a1, b2);
      mpz_swap(a1, t);
    } else {
      add_signed<Inverse>(a1, a2, b1);
      if (sb2 < 0) {
        add_signed<Inverse>(a2, a2, b2);
      }
    }
  } else {
    if (st < 0) {
      add_signed<Inverse>(a2, a1, b2);
    } else if (sb2 < 0) {
      add_signed<Inverse>(a2, a2, b2);
    }
    if (sb1 > 0) {
      add_signed<Inverse>(a1, a1, b1);
    }
  }
  // The b-values.
  if (sd <= 0) {
    mpz_swap(b1, b2);
  } else if (sb1 < 0 && sb2 > 0) {  // d = u - b1 + b2
    mpz_sub(b1, b1, u);
    mpz_add(b2, b2, u);
  } else if (sb1 < 0) {  // d = u - b1
    mpz_add(b1, b1, b2);
    mpz_sub(b1, b1, u);
    mpz_swap(b2, u);
  } else if (sb2 > 0) {  // d = u + b2
    mpz_add(b2, b2, b1);
    mpz_add(b2, b2, u);
    mpz_neg(u, u);
    mpz_swap(b1, u);
  } else {  // d = u
    mpz_swap(b1, b2);
    mpz_sub(b1, b1, u);
    mpz_add(b2, b2, u);
  }
}

[[noreturn]] void bad_letter(std::int16_t letter, std::size_t position, std::int64_t index,
                             std::int32_t strands) {
  if (letter == 0) {
    throw std::invalid_argument("0 at index " + std::to_string(position) + " is not a letter");
  }
  throw std::invalid_argument("letter " + std::to_string(letter) + " at index " +
                              std::to_string(position) + " is read as generator " +
                              std::to_string(index) + ", which does not act on " +
                              std::to_string(strands) + " strands");
}

}  // namespace

lamination::lamination(std::int32_t strands, arithmetic mode)
    : strands_(strands), big_(mode == arithmetic::big_only) {
  if (strands < 1) {
    throw std::invalid_argument("a braid has at least 1 strand, not " + std::to_string(strands));
  }
  const std::size_t size = 2 * static_cast<std::size_t>(strands);
  if (big_) {
    values_.resize(size);
    for (std::size_t k = 1; k < size; k += 2) {
      values_[k] = 1;
    }
  } else {
    small_.assign(size, 0);
    for (std::size_t k = 1; k < size; k += 2) {
      small_[k] = 1;
    }
  }
}

void lamination::go_big() {
  values_.resize(small_.size());
  for (std::size_t k = 0; k < small_.size(); ++k) {
    mpz_set_si(values_[k].get_mpz_t(), static_cast<long>(small_[k]));
  }
  small_.clear();
  small_.shrink_to_fit();
  big_ = true;
}

void lamination::apply(std::span<const std::int16_t> word, const reading& how,
                       const basics::STOPREQUEST* stop) {
  // The generator index of letter x is base + direction * |x|.
  const std::int64_t base = how.flip > 0 ? std::int64_t{how.flip} - how.shift : -std::int64_t{how.shift};
  const std::int64_t direction = how.flip > 0 ? -1 : 1;
  for (std::size_t k = 0; k < word.size(); ++k) {
    const std::int16_t x = word[k];
    const std::int64_t index = base + direction * (x < 0 ? -std::int64_t{x} : std::int64_t{x});
    if (x == 0 || index < 1 || index >= strands_) {
      bad_letter(x, k, index, strands_);
    }
  }

  // The letters as they act, +index or -index, go through a stack that
  // cancels each letter against an inverse on its top (x x^-1 is the trivial
  // braid, so the point is the same); once the stack holds 2 * held letters,
  // the older half acts and leaves it, so the stack stays small and a
  // cancellation reaches back at least `held` letters.
  constexpr std::size_t held = 4096;
  std::vector<std::int32_t> pending;
  pending.reserve(std::min(2 * held, word.size()));
  const std::size_t length = word.size();
  std::size_t k = 0;
  while (k < length) {
    basics::CHECKSTOP(stop);
    const std::size_t end = std::min(length, k + poll_interval);
    for (; k < end; ++k) {
      const std::int16_t x = how.inverse ? word[length - 1 - k] : word[k];
      const auto index = static_cast<std::int32_t>(base + direction * (x < 0 ? -std::int64_t{x} : std::int64_t{x}));
      const std::int32_t y = (x < 0) != how.inverse ? -index : index;
      if (!pending.empty() && pending.back() == -y) {
        pending.pop_back();
        continue;
      }
      pending.push_back(y);
      if (pending.size() == 2 * held) {
        act(pending.data(), held);
        pending.erase(pending.begin(), pending.begin() + held);
      }
    }
  }
  // The letters still held, in runs of at most `held` with a poll between.
  for (std::size_t from = 0; from < pending.size(); from += held) {
    if (from > 0) {
      basics::CHECKSTOP(stop);
    }
    act(pending.data() + from, std::min(held, pending.size() - from));
  }
}

void lamination::act(const std::int32_t* letters, std::size_t count) {
  std::size_t k = 0;
  if (!big_) {
    for (; k < count; ++k) {
      const std::int32_t y = letters[k];
      std::int64_t* v = small_.data() + 2 * static_cast<std::size_t>((y < 0 ? -y : y) - 1);
      if (!(y < 0 ? small_step<true>(v) : small_step<false>(v))) {
        go_big();
        break;
      }
    }
  }
  if (big_) {
    mpz_ptr u = u_.get_mpz_t();
    mpz_ptr t = t_.get_mpz_t();
    for (; k < count; ++k) {
      const std::int32_t y = letters[k];
      mpz_class* v = values_.data() + 2 * static_cast<std::size_t>((y < 0 ? -y : y) - 1);
      if (y < 0) {
        big_step<true>(v[0].get_mpz_t(), v[1].get_mpz_t(), v[2].get_mpz_t(), v[3].get_mpz_t(), u, t);
      } else {
        big_step<false>(v[0].get_mpz_t(), v[1].get_mpz_t(), v[2].get_mpz_t(), v[3].get_mpz_t(), u, t);
      }
    }
  }
}

int lamination::sign() const noexcept {
  const std::size_t size = 2 * static_cast<std::size_t>(strands_);
  for (std::size_t k = 0; k < size; ++k) {
    // Entry k of (a_1, b_1 - 1, ...): the value less 1 when k is odd.
    int s;
    if (big_) {
      s = (k % 2 == 0) ? mpz_sgn(values_[k].get_mpz_t()) : mpz_cmp_ui(values_[k].get_mpz_t(), 1);
    } else {
      const std::int64_t target = (k % 2 == 0) ? 0 : 1;
      s = (small_[k] > target) - (small_[k] < target);
    }
    if (s != 0) {
      return s > 0 ? 1 : -1;
    }
  }
  return 0;
}

std::vector<mpz_class> lamination::coordinates() const {
  if (big_) {
    return values_;
  }
  std::vector<mpz_class> result(small_.size());
  for (std::size_t k = 0; k < small_.size(); ++k) {
    mpz_set_si(result[k].get_mpz_t(), static_cast<long>(small_[k]));
  }
  return result;
}

bool operator==(const lamination& x, const lamination& y) {
  if (x.strands_ != y.strands_) {
    return false;
  }
  const std::size_t size = 2 * static_cast<std::size_t>(x.strands_);
  for (std::size_t k = 0; k < size; ++k) {
    bool same;
    if (!x.big_ && !y.big_) {
      same = x.small_[k] == y.small_[k];
    } else if (x.big_ && y.big_) {
      same = mpz_cmp(x.values_[k].get_mpz_t(), y.values_[k].get_mpz_t()) == 0;
    } else if (x.big_) {
      same = mpz_cmp_si(x.values_[k].get_mpz_t(), static_cast<long>(y.small_[k])) == 0;
    } else {
      same = mpz_cmp_si(y.values_[k].get_mpz_t(), static_cast<long>(x.small_[k])) == 0;
    }
    if (!same) {
      return false;
    }
  }
  return true;
}

}  // namespace coordinates
