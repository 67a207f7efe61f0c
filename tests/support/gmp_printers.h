// How GoogleTest shows GMP's integers and rationals in a failure: by their
// decimal strings. GMP's own stream operators live in libgmpxx, which is
// built against one C++ standard library; these work with either.
#pragma once

#include <gmpxx.h>

#include <ostream>

inline void PrintTo(const mpz_class& x, std::ostream* os) { *os << x.get_str(); }
inline void PrintTo(const mpq_class& x, std::ostream* os) { *os << x.get_str(); }
