#include "korvel/braid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "korvel/computations.h"
#include "korvel/errors.h"

namespace korvel {

namespace {

[[noreturn]] void refuse(const std::string& what) { throw std::invalid_argument(what); }

// Refuses a strand count outside 1..MAX_STRANDS (0 too unless ZERO, the
// request for none).
void check_strands(int strands, bool zero) {
  if ((strands == 0 && !zero) || strands < 0 || strands > MAX_STRANDS) {
    refuse("the strand count must be between 1 and " + std::to_string(MAX_STRANDS) + ", not " +
           std::to_string(strands));
  }
}

// Refuses the letter X at position K unless it is sigma_i or its inverse
// for some i in 1..MAX_STRANDS-1.
void check_letter(int x, std::size_t k) {
  if (x == 0 || x > MAX_STRANDS - 1 || x < -(MAX_STRANDS - 1)) {
    refuse("the letter " + std::to_string(x) + " at position " + std::to_string(k) +
           " is not a generator index (a non-zero integer of absolute value at most " +
           std::to_string(MAX_STRANDS - 1) + ")");
  }
}

// The strand count a word of largest index TOP asks for, checked against a
// requested count STRANDS (0 for none).
int strand_count(int top, int strands) {
  check_strands(strands, true);
  if (strands != 0 && strands < top + 1) {
    refuse("a word with the generator sigma_" + std::to_string(top) + " needs at least " +
           std::to_string(top + 1) + " strands, not " + std::to_string(strands));
  }
  return std::max(strands, top + 1);
}

}  // namespace

Braid::Braid(std::string_view letters, int strands) {
  word_.reserve(letters.size());
  int top = 0;
  for (std::size_t k = 0; k < letters.size(); ++k) {
    const char c = letters[k];
    if (c >= 'a' && c <= 'z') {
      word_.push_back(static_cast<std::int16_t>(c - 'a' + 1));
    } else if (c >= 'A' && c <= 'Z') {
      word_.push_back(static_cast<std::int16_t>(-(c - 'A' + 1)));
    } else if (c == ' ' || c == '\t' || c == '.') {
      continue;
    } else {
      const auto code = static_cast<unsigned char>(c);
      std::string what = "the character ";
      if (code >= 32 && code < 127) {
        what.append(1, '\'').append(1, c).append(1, '\'');
      } else {
        what.append("of code ").append(std::to_string(code));
      }
      what.append(" at position ").append(std::to_string(k));
      what.append(" is not a braid letter (a..z for sigma_1..sigma_26, A..Z for their inverses)");
      refuse(what);
    }
    top = std::max(top, std::abs(static_cast<int>(word_.back())));
  }
  strands_ = strand_count(top, strands);
}

Braid::Braid(const std::vector<int>& tietze, int strands) {
  word_.reserve(tietze.size());
  int top = 0;
  for (std::size_t k = 0; k < tietze.size(); ++k) {
    const int x = tietze[k];
    check_letter(x, k);
    word_.push_back(static_cast<std::int16_t>(x));
    top = std::max(top, std::abs(x));
  }
  strands_ = strand_count(top, strands);
}

Braid::Braid(std::vector<std::int16_t> word, int strands) : word_(std::move(word)) {
  int top = 0;
  for (std::size_t k = 0; k < word_.size(); ++k) {
    const int x = word_[k];
    check_letter(x, k);
    top = std::max(top, std::abs(x));
  }
  strands_ = strand_count(top, strands);
}

Braid Braid::generator(int i, int strands) {
  return Braid(std::vector<int>{i}, strands);
}

Braid Braid::delta(int strands) {
  check_strands(strands, false);
  std::vector<std::int16_t> word;
  word.reserve(static_cast<std::size_t>(strands) * static_cast<std::size_t>(strands - 1) / 2);
  // Delta_n = Delta_(n-1) sigma_(n-1) ... sigma_1.
  for (int k = 2; k <= strands; ++k) {
    for (int i = k - 1; i >= 1; --i) {
      word.push_back(static_cast<std::int16_t>(i));
    }
  }
  return Braid(std::move(word), strands);
}

std::vector<int> Braid::tietze() const { return std::vector<int>(word_.begin(), word_.end()); }

std::string Braid::letters() const {
  std::string s;
  s.reserve(word_.size());
  for (const std::int16_t x : word_) {
    if (x > 26 || x < -26) {
      throw std::domain_error("the generator sigma_" + std::to_string(std::abs(x)) +
                              " has no letter (letters stop at sigma_26)");
    }
    s.push_back(static_cast<char>(x > 0 ? 'a' + x - 1 : 'A' - x - 1));
  }
  return s;
}

std::string Braid::str() const {
  const bool lettered = std::all_of(word_.begin(), word_.end(),
                                    [](std::int16_t x) { return x <= 26 && x >= -26; });
  if (lettered) {
    return letters();
  }
  std::string s = "[";
  for (std::size_t k = 0; k < word_.size(); ++k) {
    if (k > 0) {
      s += ", ";
    }
    s += std::to_string(word_[k]);
  }
  return s + "]";
}

Braid Braid::with_strands(int strands) const {
  Braid b = *this;
  b.strands_ = strand_count(strands_ - 1, strands);
  return b;
}

Braid Braid::inverse() const {
  Braid b;
  b.strands_ = strands_;
  b.word_.reserve(word_.size());
  for (auto it = word_.rbegin(); it != word_.rend(); ++it) {
    b.word_.push_back(static_cast<std::int16_t>(-*it));
  }
  return b;
}

Braid Braid::pow(long long k) const {
  Braid b;
  b.strands_ = strands_;
  if (k == 0 || word_.empty()) {
    return b;
  }
  // |k| as unsigned, which also holds the magnitude of the most negative k.
  const unsigned long long times = k > 0 ? static_cast<unsigned long long>(k)
                                         : 0ULL - static_cast<unsigned long long>(k);
  if (times > static_cast<unsigned long long>(MAX_WORD_LENGTH) / word_.size()) {
    throw std::length_error("the power would have more than 2^31 - 1 letters");
  }
  const Braid inverted = k < 0 ? inverse() : Braid();
  const std::vector<std::int16_t>& base = k > 0 ? word_ : inverted.word_;
  b.word_.reserve(times * word_.size());
  for (unsigned long long t = 0; t < times; ++t) {
    b.word_.insert(b.word_.end(), base.begin(), base.end());
  }
  return b;
}

Braid operator*(const Braid& a, const Braid& b) {
  Braid c;
  c.strands_ = std::max(a.strands_, b.strands_);
  c.word_.reserve(a.word_.size() + b.word_.size());
  c.word_ = a.word_;  // within the room reserved: no second copy
  c *= b;
  return c;
}

Braid& Braid::operator*=(const Braid& b) {
  if (word_.size() + b.word_.size() > MAX_WORD_LENGTH) {
    throw std::length_error("the product would have more than 2^31 - 1 letters");
  }
  word_.insert(word_.end(), b.word_.begin(), b.word_.end());
  strands_ = std::max(strands_, b.strands_);
  return *this;
}

bool operator==(const Braid& a, const Braid& b) { return equal(a, b); }

std::strong_ordering operator<=>(const Braid& a, const Braid& b) {
  const int c = compare(a, b);
  return c < 0 ? std::strong_ordering::less
               : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

std::size_t Braid::hash() const {
  // Adding strands appends untouched pairs (0, 1) to the coordinates, so the
  // coordinates without their trailing (0, 1) pairs are the same for a braid
  // and for its images on more strands.
  const std::vector<mpz_class> c = coordinates(*this);
  std::size_t n = c.size();
  while (n >= 2 && c[n - 2] == 0 && c[n - 1] == 1) {
    n -= 2;
  }
  std::size_t h = 0x9e3779b97f4a7c15ULL;
  for (std::size_t k = 0; k < n; ++k) {
    const mpz_srcptr z = c[k].get_mpz_t();
    std::size_t v = static_cast<std::size_t>(mpz_sgn(z) + 2);
    const std::size_t limbs = mpz_size(z);
    for (std::size_t j = 0; j < limbs; ++j) {
      v = v * 0x100000001b3ULL ^ static_cast<std::size_t>(mpz_getlimbn(z, static_cast<mp_size_t>(j)));
    }
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  }
  return h;
}

}  // namespace korvel
