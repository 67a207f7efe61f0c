// A few facts about small braids through the interface for programs, and its
// errors caught as std::exception:
//
//   $ ./braidfacts
//   a > b in the R-ordering: yes
//   aba and bab: same coordinates
//   coordinates of the trivial braid on 3 strands: 0 1 0 1 0 1
//   a and b conjugate: yes
//   a and A conjugate: no
//   stop request: Interrupted, a std::exception
//   max_length 3 on abAB: BoundExceeded at 3, a std::exception
//
// Built against the installed package with find_package(Korvel) or with
// g++ braidfacts.cpp $(pkg-config --cflags --libs korvel).
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "korvel/korvel.h"

namespace {

// The interface's name of E, and whether it reached the caller as a
// std::exception (every error of the interface does).
std::string describe(const std::exception& e) {
  std::string name = "another std::exception";
  if (dynamic_cast<const korvel::Interrupted*>(&e) != nullptr) {
    name = "Interrupted";
  } else if (const auto* bound = dynamic_cast<const korvel::BoundExceeded*>(&e)) {
    name = "BoundExceeded at " + std::to_string(bound->limit());
  }
  return name + ", a std::exception";
}

}  // namespace

int main() {
  const korvel::Braid a("a", 3);
  const korvel::Braid b("b");
  const korvel::Braid A("A", 3);
  std::cout << "a > b in the R-ordering: " << (korvel::compare(a, b) > 0 ? "yes" : "no") << '\n';

  const bool same = korvel::coordinates(korvel::Braid("aba")) == korvel::coordinates(korvel::Braid("bab"));
  std::cout << "aba and bab: " << (same ? "same" : "different") << " coordinates\n";
  std::cout << "coordinates of the trivial braid on 3 strands:";
  for (const mpz_class& x : korvel::coordinates(korvel::Braid("", 3))) {
    std::cout << ' ' << x.get_str();
  }
  std::cout << '\n';

  std::cout << "a and b conjugate: " << (korvel::is_conjugate(a, b) ? "yes" : "no") << '\n';
  std::cout << "a and A conjugate: " << (korvel::is_conjugate(a, A) ? "yes" : "no") << '\n';

  korvel::StopRequest stop;
  stop.request_stop();
  try {
    korvel::left_normal_form(korvel::Braid("abAB"), korvel::Limits{std::nullopt, &stop});
    std::cout << "stop request: not taken\n";
  } catch (const std::exception& e) {
    std::cout << "stop request: " << describe(e) << '\n';
  }
  try {
    korvel::handle_reduce(korvel::Braid("abAB"), korvel::Ordering::R, korvel::Limits{3, nullptr});
    std::cout << "max_length 3 on abAB: no error\n";
  } catch (const std::exception& e) {
    std::cout << "max_length 3 on abAB: " << describe(e) << '\n';
  }
  return 0;
}
