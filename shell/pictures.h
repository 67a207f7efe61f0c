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
// or a dot, or more than 2000 letters, writes nothing to OUT, one line to
// ERR and returns 2; output that cannot be written gives one line to ERR
// and 1.
int WRITEPICTURE(char FORMAT, const std::string& WORD, std::ostream& OUT, std::ostream& ERR);

// When ARGV[1] is "--svg" or "--tikz": the word is the remaining arguments
// joined by blanks (one at least, else one line to ERR and status 2), its
// picture is written by WRITEPICTURE, STATUS receives the exit status and
// the answer is true. Any other command line gives false and leaves STATUS.
bool PICTUREOPTION(int ARGC, const char* const* ARGV, std::ostream& OUT, std::ostream& ERR,
                   int& STATUS);

}  // namespace shell
