// Pictures from the command line: "korvel --svg WORD" and "korvel --tikz
// WORD" write the diagram of a braid word to standard output instead of
// starting a session.
#pragma once

#include <ostream>
#include <string>

namespace shell {

// Writes the picture of the braid word WORD to OUT, a TikZ picture for
// FORMAT 't' and an SVG document for any other FORMAT ('s'), and returns 0.
// A word that holds a character other than a letter, a blank (space or tab)
// or a dot, or more than 2000 letters, or that is a symmetric normal form as
// key N prints it with a power of Delta ("D" or "d", which are not the
// letters sigma_4^-1 and sigma_4 there), writes nothing to OUT, one line to
// ERR and returns 2; output that cannot be written gives one line to ERR
// and 1.
int WRITEPICTURE(char FORMAT, const std::string& WORD, std::ostream& OUT, std::ostream& ERR);

// The option ARGV[1], "--svg" or "--tikz", with its word: the remaining
// arguments joined by blanks (one at least, else one line to ERR and status
// 2), whose picture WRITEPICTURE writes. Returns the exit status.
int PICTUREOPTION(int ARGC, const char* const* ARGV, std::ostream& OUT, std::ostream& ERR);

}  // namespace shell
