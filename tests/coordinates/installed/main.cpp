// Prints the Dynnikov coordinates of sigma_2 sigma_1^-1 on three strands and
// its signs in the R- and F-orderings.
#include <cstdint>
#include <iostream>
#include <vector>

#include "coordinates/dynnikov.h"

int main() {
  const std::vector<std::int16_t> word = {2, -1};
  for (const mpz_class& x : coordinates::dynnikov(word, 3)) {
    std::cout << x.get_str() << ' ';
  }
  std::cout << coordinates::sign(word, 3) << ' ' << coordinates::sign(word, 3, true) << '\n';
}
