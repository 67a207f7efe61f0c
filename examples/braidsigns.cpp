// Reads braid words, one a line, from standard input and prints for each its
// sign in the original Ravelind ordering (sigma_1 large) and its symmetric
// normal form:
//
//   $ printf 'abA\nBa\n' | ./braidsigns
//   abA: sign +, symmetric normal form B.....ab
//   Ba: sign +, symmetric normal form B.....a
//
// (abA = b^-1 ab, and sigma_1 occurs in it only positively.)
// Built against the installed package with find_package(Korvel) alone.
#include <iostream>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/symmetricnormalform.h"
#include "handlereduction/orderings.h"

int main() {
  std::string LINE;
  while (std::getline(std::cin, LINE)) {
    BraidBasics::BRAID B;
    try {
      BraidBasics::BDEF(B, LINE);  // letters a..z, A..Z; everything else ignored
      // '+' larger than 1, '-' smaller, '1' the trivial braid.
      const char SIGN = handlereduction::BSIGN(B);
      std::cout << LINE << ": sign " << SIGN << ", symmetric normal form "
                << BraidBasics::BSYMLEFTNORMALWORD(B, ".") << '\n';
    } catch (const BraidBasics::BOUNDEXCEEDED&) {
      std::cout << LINE << ": " << BraidBasics::BOUNDMESSAGE << '\n';
    }
  }
  return 0;
}
