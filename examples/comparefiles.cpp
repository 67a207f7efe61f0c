// Reads two braids of any length from two files and prints how they compare
// in the R-ordering (sigma_1 large) and whether they are the same braid:
//
//   $ ./comparefiles first.txt second.txt
//   R-ordering: A > B
//   same braid: no
//
// A file holds either letters (a..z for sigma_1..sigma_26, A..Z for their
// inverses; blanks, line ends and "." are skipped) or a Tietze list of
// integers (i for sigma_i, -i for its inverse) separated by blanks, commas or
// line ends, with or without brackets, as SageMath prints it. The method is
// chosen by Korvel (handle reduction or Dynnikov coordinates).
// Built against the installed package with find_package(Korvel) alone.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "korvel/korvel.h"

namespace {

korvel::Braid read_braid(const char* path) {
  std::ifstream in(path);
  if (!in) {
    throw std::runtime_error(std::string("cannot read ") + path);
  }
  std::stringstream text;
  text << in.rdbuf();
  const std::string s = text.str();
  if (s.find_first_of("0123456789") == std::string::npos) {
    std::string letters;
    for (char c : s) {
      if (c != '\n' && c != '\r') {
        letters.push_back(c);
      }
    }
    return korvel::Braid(letters);
  }
  std::vector<int> tietze;
  std::string number;
  for (std::size_t k = 0; k <= s.size(); ++k) {
    const char c = k < s.size() ? s[k] : ' ';
    if ((c >= '0' && c <= '9') || (c == '-' && number.empty())) {
      number.push_back(c);
    } else if (c == ' ' || c == ',' || c == '\n' || c == '\r' || c == '\t' || c == '[' ||
               c == ']' || c == '(' || c == ')') {
      if (!number.empty()) {
        tietze.push_back(std::stoi(number));
        number.clear();
      }
    } else {
      throw std::invalid_argument(std::string("unexpected character in ") + path);
    }
  }
  return korvel::Braid(tietze);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: comparefiles FIRST SECOND\n";
    return 2;
  }
  try {
    const korvel::Braid a = read_braid(argv[1]);
    const korvel::Braid b = read_braid(argv[2]);
    // -1, 0 or 1; 0 exactly when a and b are the same braid, since the
    // ordering is total on the braid group.
    const int c = korvel::compare(a, b);
    std::cout << "R-ordering: A " << (c < 0 ? "<" : (c > 0 ? ">" : "=")) << " B\n"
              << "same braid: " << (c == 0 ? "yes" : "no") << '\n';
  } catch (const std::exception& e) {
    std::cerr << "comparefiles: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
