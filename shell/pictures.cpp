#include "shell/pictures.h"

#include <cstdint>
#include <string_view>

#include "basics/letterstrings.h"
#include "braidbasics/braid.h"
#include "braidbasics/diagram.h"
#include "shell/notes.h"
#include "shell/symmetric.h"

namespace shell {

namespace {

constexpr int BADWORD = 2;     // the usual status of a command-line misuse
constexpr int WRITEFAILED = 1;

std::string OPTIONNAME(char FORMAT) { return FORMAT == 't' ? "--tikz" : "--svg"; }

// Whether WORD is a symmetric normal form as key N prints it with a power of
// Delta in it, which its letters do not spell.
bool HOLDSDELTA(std::string_view WORD) {
  SYMMETRICPARTS PARTS{};
  return SPLITSYMMETRICTEXT(WORD, PARTS) && (PARTS.INVERSEDELTAS > 0 || PARTS.DELTAS > 0);
}

}  // namespace

int WRITEPICTURE(char FORMAT, const std::string& WORD, std::ostream& OUT, std::ostream& ERR) {
  const std::string PREFIX = "korvel: " + OPTIONNAME(FORMAT) + ": ";
  std::int64_t LETTERS = 0;
  for (std::size_t P = 0; P < WORD.size(); ++P) {
    const char C = WORD[P];
    if (basics::ISLETTER(C)) {
      ++LETTERS;
    } else if (!BRAIDWORDCHARACTER(C)) {
      const std::string_view REST = std::string_view(WORD).substr(P);
      ERR << PREFIX << "a braid word holds only letters, blanks and dots, not "
          << SHOWN(REST.substr(0, CHARACTERLENGTH(REST))) << '\n';
      return BADWORD;
    }
  }
  if (HOLDSDELTA(WORD)) {
    ERR << PREFIX
        << "in a normal form as key N prints it, \"D\" and \"d\" between the two \"..\" stand "
           "for Delta on three strands and its inverse, not for sigma_4^-1 and sigma_4; write "
           "them out as aba and ABA\n";
    return BADWORD;
  }
  if (LETTERS > BraidBasics::BMAXLENGTH) {
    ERR << PREFIX << "the braid word has " << LETTERS << " letters, more than the "
        << BraidBasics::BMAXLENGTH << " a braid can hold\n";
    return BADWORD;
  }
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, WORD);
  OUT << (FORMAT == 't' ? BraidBasics::BTIKZDIAGRAM(B) : BraidBasics::BSVGDIAGRAM(B));
  OUT.flush();
  if (!OUT) {
    ERR << PREFIX << "the picture could not be written\n";
    return WRITEFAILED;
  }
  return 0;
}

int PICTUREOPTION(int ARGC, const char* const* ARGV, std::ostream& OUT, std::ostream& ERR) {
  const std::string_view OPTION = ARGV[1];
  const char FORMAT = OPTION == "--tikz" ? 't' : 's';
  if (ARGC < 3) {
    ERR << "korvel: " << OPTION << " needs a braid word, as in: korvel " << OPTION << " abA\n";
    return BADWORD;
  }
  std::string WORD = ARGV[2];
  for (int K = 3; K < ARGC; ++K) {
    WORD += ' ';
    WORD += ARGV[K];
  }
  return WRITEPICTURE(FORMAT, WORD, OUT, ERR);
}

}  // namespace shell
