// The text that key N prints, read back: the symmetric normal decomposition
// of a braid with the separator ".", inv(WD) "." WN, is
//
//   the denominator's factors inverted, in reverse order, each followed by "."
//   "."  then "d" once for each Delta in the denominator
//   "."  then "D" once for each Delta in the numerator
//   ".." then the numerator's factors, separated by "."
//
// where Delta is always Delta on three strands (aba). The characters "D" and
// "d" are markers, not letters: typed back they would read as sigma_4^-1 and
// sigma_4, and on five strands or more those letters also stand in the
// factors. The parts below are what a reader of the text needs instead.
#pragma once

#include <cstdint>
#include <string_view>

namespace shell {

struct SYMMETRICPARTS {
  std::string_view DENOMINATOR;  // the inverted factors of the denominator, with their dots
  std::int32_t INVERSEDELTAS;    // the number of "d": Delta^-1 on three strands
  std::int32_t DELTAS;           // the number of "D": Delta on three strands
  std::string_view NUMERATOR;    // the factors of the numerator, with their dots
};

// Cuts TEXT into its parts as above; false when TEXT does not have that
// layout (its first ".." followed by a run of "d", ".", a run of "D" and
// ".."). The braid is DENOMINATOR Delta^-INVERSEDELTAS Delta^DELTAS NUMERATOR,
// the dots of the two texts skipped.
bool SPLITSYMMETRICTEXT(std::string_view TEXT, SYMMETRICPARTS& PARTS);

}  // namespace shell
