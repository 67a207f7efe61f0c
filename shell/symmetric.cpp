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

}  // namespace shell
