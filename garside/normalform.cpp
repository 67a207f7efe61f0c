#include "garside/normalform.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace garside {

namespace {

void check_strands(int strands) {
  if (strands < 1 || strands > kMaxStrands) {
    throw std::invalid_argument("garside: a braid has 1 to 32767 strands, not " +
                                std::to_string(strands));
  }
}

void check_same(int a, int b) {
  if (a != b) {
    throw std::invalid_argument("garside: braids on " + std::to_string(a) + " and " +
                                std::to_string(b) + " strands");
  }
}

// Moves the Deltas that lead FACTORS into *DELTA and drops the trivial
// factors that end it. In a left-weighted sequence a Delta can only follow a
// Delta and a trivial factor can only be followed by trivial ones, so these
// are the only places where either can stand.
void trim(std::vector<Simple>& factors, std::int64_t* delta) {
  std::size_t lead = 0;
  while (lead < factors.size() && factors[lead].is_delta()) {
    ++lead;
  }
  if (lead > 0) {
    factors.erase(factors.begin(), factors.begin() + static_cast<std::ptrdiff_t>(lead));
    *delta += static_cast<std::int64_t>(lead);
  }
  while (!factors.empty() && factors.back().is_identity()) {
    factors.pop_back();
  }
}

// FACTORS (a left normal form after a power of Delta) := FACTORS s. Once the
// last pair is made left-weighted, the pass moves backwards making each
// earlier pair left-weighted, and stops at the first pair that is already
// so: the pairs before it have not changed. One pass gives a left-weighted
// sequence (the left-weighting of a pair leaves the pair after it
// left-weighted), with any Deltas in front and any trivial factor at the end.
void append(std::vector<Simple>& factors, std::int64_t* delta, Simple s) {
  if (s.is_identity()) {
    return;
  }
  factors.push_back(std::move(s));
  for (std::size_t k = factors.size() - 1; k-- > 0;) {
    const Simple m = left_meet(right_complement(factors[k]), factors[k + 1]);
    if (m.is_identity()) {
      break;
    }
    factors[k + 1] = unchecked::left_quotient(m, factors[k + 1]);
    factors[k] = unchecked::product(factors[k], m);
  }
  trim(factors, delta);
}

// FACTORS := s FACTORS. The head of s A_1 A_2 ... is the head of s A_1, that
// is s (d(s) ^ A_1) with d the right complement, and what remains is
// (d(s) ^ A_1)^-1 A_1 followed by the normal form A_2 ...: the same problem
// one factor further on. It ends when the carried simple braid is trivial or
// already left-weighted with the next factor.
void prepend(std::vector<Simple>& factors, std::int64_t* delta, Simple carry) {
  for (std::size_t k = 0;; ++k) {
    if (carry.is_identity()) {
      break;
    }
    if (k == factors.size()) {
      factors.push_back(std::move(carry));
      break;
    }
    const Simple m = left_meet(right_complement(carry), factors[k]);
    if (m.is_identity()) {
      factors.insert(factors.begin() + static_cast<std::ptrdiff_t>(k), std::move(carry));
      break;
    }
    Simple head = unchecked::product(carry, m);
    carry = unchecked::left_quotient(m, factors[k]);
    factors[k] = std::move(head);
  }
  trim(factors, delta);
}

void flip_all(std::vector<Simple>& factors) {
  for (Simple& f : factors) {
    f = garside::tau(f, 1);
  }
}

// The left normal form of Delta^DELTA S_1 ... S_m for any simple braids S_i.
NormalForm normalize(int strands, std::int64_t delta, const std::vector<Simple>& simples) {
  NormalForm x = identity(strands);
  x.delta = delta;
  for (const Simple& s : simples) {
    multiply_right(x, s);
  }
  return x;
}

// A normal form being built letter by letter: the braid is
// Delta^delta tau^flip(A_1 ... A_r) with A_1 ... A_r left normal. Keeping the
// flip as a parity makes a Delta^-1 in the middle of a word cost nothing:
// Delta^p tau^e(A) Delta^-1 = Delta^(p-1) tau^(e+1)(A).
struct Builder {
  int strands;
  std::int64_t delta = 0;
  int flip = 0;
  std::vector<Simple> factors;

  // this := this s.
  void times(const Simple& s) {
    if (s.is_delta()) {
      ++delta;
      flip ^= 1;
    } else {
      append(factors, &delta, garside::tau(s, flip));
    }
  }
  // this := this s^-1, with s^-1 = Delta^-1 (Delta s^-1).
  void times_inverse(const Simple& s) {
    --delta;
    flip ^= 1;
    const Simple t = left_complement(s);
    if (!t.is_identity()) {
      append(factors, &delta, garside::tau(t, flip));
    }
  }
  NormalForm result() {
    NormalForm x;
    x.strands = strands;
    x.delta = delta;
    x.factors = std::move(factors);
    if (flip != 0) {
      flip_all(x.factors);
    }
    return x;
  }
};

Word delta_word(int strands) { return Simple::delta(strands).word(); }

}  // namespace

std::strong_ordering operator<=>(const NormalForm& a, const NormalForm& b) {
  if (a.strands != b.strands) {
    return a.strands <=> b.strands;
  }
  if (a.delta != b.delta) {
    return a.delta <=> b.delta;
  }
  if (a.factors.size() != b.factors.size()) {
    return a.factors.size() <=> b.factors.size();
  }
  for (std::size_t i = 0; i < a.factors.size(); ++i) {
    const auto c = a.factors[i] <=> b.factors[i];
    if (c != 0) {
      return c;
    }
  }
  return std::strong_ordering::equal;
}

std::size_t NormalFormHash::operator()(const NormalForm& x) const {
  std::uint64_t h = static_cast<std::uint64_t>(x.strands) * 0x9E3779B97F4A7C15ULL;
  h ^= static_cast<std::uint64_t>(x.delta) + 0x7F4A7C159E3779B9ULL + (h << 6) + (h >> 2);
  for (const Simple& f : x.factors) {
    h ^= static_cast<std::uint64_t>(f.hash()) + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
  }
  return static_cast<std::size_t>(h);
}

NormalForm identity(int strands) {
  check_strands(strands);
  NormalForm x;
  x.strands = strands;
  return x;
}

NormalForm delta_power(int strands, std::int64_t k) {
  NormalForm x = identity(strands);
  x.delta = strands == 1 ? 0 : k;
  return x;
}

NormalForm normal_form(const Simple& s) {
  NormalForm x = identity(s.strands());
  if (s.strands() == 1 || s.is_identity()) {
    return x;
  }
  if (s.is_delta()) {
    x.delta = 1;
  } else {
    x.factors.push_back(s);
  }
  return x;
}

NormalForm normal_form(int strands, const Word& word, const basics::STOPREQUEST* stop) {
  check_strands(strands);
  for (const std::int16_t letter : word) {
    if (letter == 0 || letter >= strands || letter <= -strands) {
      throw std::invalid_argument("garside: letter " + std::to_string(letter) + " on " +
                                  std::to_string(strands) + " strands");
    }
  }
  if (strands == 1) {
    return identity(1);
  }
  Builder b{strands, 0, 0, {}};
  // The current run of letters of one sign, kept as one simple braid: a run
  // of positive letters is the simple braid run; a run of negative letters is
  // run^-1. A run is closed when the next letter would make two strands
  // cross twice.
  Simple run(strands);
  Simple ends(strands);  // for a positive run: ends[j] is the strand that ends at j
  int sign = 0;
  auto close = [&] {
    // One run costs a pass over the factors: on many strands a long braid
    // has so many that a few hundred letters can take seconds.
    basics::CHECKSTOP(stop);
    if (sign > 0) {
      b.times(run);
    } else if (sign < 0) {
      b.times_inverse(run);
    }
    sign = 0;
    run = Simple(strands);
    ends = Simple(strands);
  };
  std::size_t count = 0;
  for (const std::int16_t letter : word) {
    if ((++count & 255U) == 0) {
      basics::CHECKSTOP(stop);
    }
    const int j = (letter > 0 ? letter : -letter) - 1;
    if (letter > 0) {
      if (sign < 0 || (sign > 0 && ends[j] > ends[j + 1])) {
        close();
      }
      sign = 1;
      Simple::Index* p = run.data();
      Simple::Index* q = ends.data();
      p[q[j]] = static_cast<Simple::Index>(j + 1);
      p[q[j + 1]] = static_cast<Simple::Index>(j);
      std::swap(q[j], q[j + 1]);
    } else {
      // The run becomes sigma_(j+1) run, simple when sigma_(j+1) does not
      // already start it.
      if (sign > 0 || (sign < 0 && run[j] > run[j + 1])) {
        close();
      }
      sign = -1;
      std::swap(run.data()[j], run.data()[j + 1]);
    }
  }
  close();
  return b.result();
}

Word to_word(const NormalForm& x) {
  Word w;
  if (x.delta != 0 && x.strands > 1) {
    Word d = delta_word(x.strands);
    if (x.delta < 0) {
      std::reverse(d.begin(), d.end());
      for (auto& letter : d) {
        letter = static_cast<std::int16_t>(-letter);
      }
    }
    const std::int64_t times = x.delta < 0 ? -x.delta : x.delta;
    w.reserve(static_cast<std::size_t>(times) * d.size());
    for (std::int64_t k = 0; k < times; ++k) {
      w.insert(w.end(), d.begin(), d.end());
    }
  }
  for (const Simple& f : x.factors) {
    const Word fw = f.word();
    w.insert(w.end(), fw.begin(), fw.end());
  }
  return w;
}

std::int64_t inf(const NormalForm& x) { return x.delta; }
std::int64_t sup(const NormalForm& x) {
  return x.delta + static_cast<std::int64_t>(x.factors.size());
}
std::int64_t canonical_length(const NormalForm& x) {
  return static_cast<std::int64_t>(x.factors.size());
}

NormalForm multiply(const NormalForm& x, const NormalForm& y) {
  check_same(x.strands, y.strands);
  if (x.factors.size() <= y.factors.size()) {
    // x y = Delta^p A (Delta^q B): A's factors go onto y from the left.
    NormalForm z = y;
    for (std::size_t k = x.factors.size(); k-- > 0;) {
      multiply_left(z, x.factors[k]);
    }
    z.delta += x.strands == 1 ? 0 : x.delta;
    return z;
  }
  // x y = Delta^(p+q) tau^q(A) B.
  NormalForm z = tau(x, y.delta);
  z.delta += y.delta;
  for (const Simple& f : y.factors) {
    append(z.factors, &z.delta, f);
  }
  return z;
}

NormalForm inverse(const NormalForm& x) {
  // A_k^-1 = d(A_k) Delta^-1 with d the right complement; moving every
  // Delta^-1 to the front flips each d(A_k) once per Delta it crosses. The
  // pairs stay left-weighted, since (d(A_k), tau(d(A_(k-1)))) is
  // left-weighted exactly when (A_(k-1), A_k) is.
  NormalForm y = identity(x.strands);
  if (x.strands == 1) {
    return y;
  }
  const auto r = static_cast<std::int64_t>(x.factors.size());
  y.delta = -(x.delta + r);
  y.factors.reserve(x.factors.size());
  for (std::int64_t k = r; k >= 1; --k) {
    y.factors.push_back(garside::tau(right_complement(x.factors[static_cast<std::size_t>(k - 1)]),
                                     x.delta + k));
  }
  return y;
}

NormalForm tau(const NormalForm& x, std::int64_t k) {
  NormalForm y = x;
  if (k % 2 != 0) {
    flip_all(y.factors);
  }
  return y;
}

NormalForm conjugate(const NormalForm& x, const NormalForm& c) {
  return multiply(inverse(c), multiply(x, c));
}

void multiply_right(NormalForm& x, const Simple& s) {
  check_same(x.strands, s.strands());
  if (x.strands == 1) {
    return;
  }
  if (s.is_delta()) {
    flip_all(x.factors);
    ++x.delta;
    return;
  }
  append(x.factors, &x.delta, s);
}

void multiply_left(NormalForm& x, const Simple& s) {
  check_same(x.strands, s.strands());
  if (x.strands == 1) {
    return;
  }
  // s Delta^p A = Delta^p tau^p(s) A.
  prepend(x.factors, &x.delta, garside::tau(s, x.delta));
}

void divide_right(NormalForm& x, const Simple& s) {
  check_same(x.strands, s.strands());
  if (x.strands == 1) {
    return;
  }
  // s^-1 = d(s) Delta^-1, and A Delta^-1 = Delta^-1 tau(A).
  multiply_right(x, right_complement(s));
  flip_all(x.factors);
  --x.delta;
}

void divide_left(NormalForm& x, const Simple& s) {
  check_same(x.strands, s.strands());
  if (x.strands == 1) {
    return;
  }
  // s^-1 = Delta^-1 (Delta s^-1).
  multiply_left(x, left_complement(s));
  --x.delta;
}

void conjugate_by(NormalForm& x, const Simple& c) {
  multiply_right(x, c);
  divide_left(x, c);
}

bool left_weighted(const Simple& a, const Simple& b) {
  return left_meet(right_complement(a), b).is_identity();
}

bool right_weighted(const Simple& a, const Simple& b) {
  return right_meet(a, left_complement(b)).is_identity();
}

RightNormalForm right_normal_form(const NormalForm& x) {
  // Reversing words is an anti-automorphism that fixes Delta: the right
  // normal form of x is the reverse of the left normal form of reverse(x) =
  // Delta^p tau^p(reverse(A_r)) ... tau^p(reverse(A_1)).
  std::vector<Simple> reversed;
  reversed.reserve(x.factors.size());
  for (std::size_t k = x.factors.size(); k-- > 0;) {
    reversed.push_back(garside::tau(reverse(x.factors[k]), x.delta));
  }
  const NormalForm y = normalize(x.strands, x.delta, reversed);
  RightNormalForm z;
  z.strands = x.strands;
  z.delta = y.delta;
  for (std::size_t k = y.factors.size(); k-- > 0;) {
    z.factors.push_back(reverse(y.factors[k]));
  }
  return z;
}

NormalForm left_normal_form(const RightNormalForm& x) {
  // B_1 ... B_r Delta^p = Delta^p tau^p(B_1) ... tau^p(B_r).
  std::vector<Simple> flipped;
  flipped.reserve(x.factors.size());
  for (const Simple& f : x.factors) {
    flipped.push_back(garside::tau(f, x.delta));
  }
  return normalize(x.strands, x.strands == 1 ? 0 : x.delta, flipped);
}

Word to_word(const RightNormalForm& x) {
  Word w;
  for (const Simple& f : x.factors) {
    const Word fw = f.word();
    w.insert(w.end(), fw.begin(), fw.end());
  }
  NormalForm d = delta_power(x.strands, x.delta);
  const Word dw = to_word(d);
  w.insert(w.end(), dw.begin(), dw.end());
  return w;
}

}  // namespace garside
