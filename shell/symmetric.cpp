#include "shell/symmetric.h"

#include <cstddef>
#include <ostream>
#include <string>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/symmetricnormalform.h"
#include "braidbasics/words.h"
#include "shell/procedures.h"

namespace shell {

void SYMMETRIC() {
  BraidBasics::BRAID B;
  BraidBasics::BENTER(B);
  // Computed before anything is printed: a word whose reversing outgrows the
  // bound abandons the key with the bound message alone.
  const std::string TEXT = BraidBasics::BSYMLEFTNORMALWORD(B, ".");
  std::ostream& OUT = basics::OUTPUT();
  OUT << "The symmetric normal decomposition is\n"
      << "  " << TEXT << '\n';
}

bool SPLITSYMMETRICTEXT(std::string_view TEXT, SYMMETRICPARTS& PARTS) {
  const std::size_t DENOMINATOREND = TEXT.find("..");
  if (DENOMINATOREND == std::string_view::npos) {
    return false;
  }
  // The length of the run of C from position P on.
  auto RUN = [&](std::size_t P, char C) {
    std::size_t N = 0;
    while (P + N < TEXT.size() && TEXT[P + N] == C) {
      ++N;
    }
    return N;
  };
  const std::size_t INVERSES = RUN(DENOMINATOREND + 2, 'd');
  const std::size_t MIDDLE = DENOMINATOREND + 2 + INVERSES;
  if (MIDDLE >= TEXT.size() || TEXT[MIDDLE] != '.') {
    return false;
  }
  const std::size_t DELTAS = RUN(MIDDLE + 1, 'D');
  const std::size_t NUMERATORSTART = MIDDLE + 1 + DELTAS;
  if (TEXT.substr(NUMERATORSTART, 2) != "..") {
    return false;
  }
  PARTS.DENOMINATOR = TEXT.substr(0, DENOMINATOREND);
  PARTS.INVERSEDELTAS = static_cast<std::int32_t>(INVERSES);
  PARTS.DELTAS = static_cast<std::int32_t>(DELTAS);
  PARTS.NUMERATOR = TEXT.substr(NUMERATORSTART + 2);
  return true;
}

}  // namespace shell
