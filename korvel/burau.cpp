#include "korvel/burau.h"

#include <stdexcept>
#include <utility>

#include "burau/alexander.h"
#include "burau/representation.h"
#include "korvel/detail/records.h"

namespace korvel {

namespace {

burau::LaurentPolynomial core(const LaurentPolynomial& p) {
  return burau::LaurentPolynomial(p.coefficients(), p.lowest_exponent());
}

LaurentPolynomial value(const burau::LaurentPolynomial& p) {
  return LaurentPolynomial(p.coefficients(), p.lowest_exponent());
}

}  // namespace

LaurentPolynomial::LaurentPolynomial(long c, long exponent) {
  if (c != 0) {
    coefficients_.emplace_back(c);
    lowest_ = exponent;
  }
}

LaurentPolynomial::LaurentPolynomial(std::vector<mpz_class> coefficients, long lowest)
    : coefficients_(std::move(coefficients)), lowest_(lowest) {
  std::size_t first = 0;
  while (first < coefficients_.size() && coefficients_[first] == 0) {
    ++first;
  }
  while (!coefficients_.empty() && coefficients_.back() == 0) {
    coefficients_.pop_back();
  }
  if (coefficients_.empty()) {
    lowest_ = 0;
    return;
  }
  coefficients_.erase(coefficients_.begin(), coefficients_.begin() + static_cast<std::ptrdiff_t>(first));
  lowest_ += static_cast<long>(first);
}

mpz_class LaurentPolynomial::coefficient(long exponent) const {
  if (exponent < lowest_ || exponent > highest_exponent()) {
    return 0;
  }
  return coefficients_[static_cast<std::size_t>(exponent - lowest_)];
}

std::string LaurentPolynomial::str() const {
  if (is_zero()) {
    return "0";
  }
  std::string result;
  for (std::size_t k = 0; k < coefficients_.size(); ++k) {
    const mpz_class& c = coefficients_[k];
    if (c == 0) {
      continue;
    }
    const long e = lowest_ + static_cast<long>(k);
    if (result.empty()) {
      result = c < 0 ? "-" : "";
    } else {
      result += c < 0 ? " - " : " + ";
    }
    const mpz_class size = abs(c);
    if (e == 0) {
      result += size.get_str();
      continue;
    }
    if (size != 1) {
      result += size.get_str() + "*";
    }
    result += e == 1 ? "t" : "t^" + std::to_string(e);
  }
  return result;
}

mpq_class LaurentPolynomial::operator()(const mpq_class& t) const { return core(*this).evaluate(t); }

LaurentPolynomial operator+(const LaurentPolynomial& a, const LaurentPolynomial& b) {
  return value(core(a) + core(b));
}

LaurentPolynomial operator-(const LaurentPolynomial& a, const LaurentPolynomial& b) {
  return value(core(a) - core(b));
}

LaurentPolynomial operator*(const LaurentPolynomial& a, const LaurentPolynomial& b) {
  return value(core(a) * core(b));
}

LaurentPolynomial LaurentPolynomial::operator-() const {
  LaurentPolynomial result = *this;
  for (mpz_class& c : result.coefficients_) {
    c = -c;
  }
  return result;
}

std::size_t LaurentPolynomial::hash() const {
  std::size_t h = std::hash<long>()(lowest_);
  for (const mpz_class& c : coefficients_) {
    h = h * 1000003u ^ std::hash<std::string>()(c.get_str(16));
  }
  return h;
}

LaurentMatrix burau_matrix(const Braid& b, bool reduced, const Limits& limits) {
  const burau::Matrix m = detail::translated(
      limits, [&] { return burau::burau_matrix(b.word(), b.strands(), reduced, detail::stop_of(limits)); });
  LaurentMatrix result;
  result.reserve(m.size());
  for (const auto& row : m) {
    std::vector<LaurentPolynomial>& out = result.emplace_back();
    out.reserve(row.size());
    for (const burau::LaurentPolynomial& x : row) {
      out.push_back(value(x));
    }
  }
  return result;
}

LaurentPolynomial alexander_polynomial(const Braid& b, const Limits& limits) {
  return value(detail::translated(
      limits, [&] { return burau::alexander_polynomial(b.word(), b.strands(), detail::stop_of(limits)); }));
}

}  // namespace korvel
