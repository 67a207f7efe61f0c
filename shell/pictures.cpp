#include "shell/pictures.h"

#include <cstdint>
#include <string_view>

#include "basics/letterstrings.h"
#include "braidbasics/braid.h"
#include "braidbasics/diagram.h"

namespace shell {

namespace {

constexpr int BADWORD = 2;     // the usual status of a command-line misuse
constexpr int WRITEFAILED = 1;

std::string OPTIONNAME(char FORMAT) { return FORMAT == 't' ? "--tikz" : "--svg"; }

// The character as the user can read it in a one-line message: itself when
// printable, else its byte value.
std::string SHOWN(char C) {
  const auto CODE = static_cast<unsigned char>(C);
  if (CODE >= 0x20 && CODE < 0x7F) {
    return std::string("\"") + C + '"';
  }
  const char* HEX = "0123456789ABCDEF";
  return std::string("the byte 0x") + HEX[CODE >> 4] + HEX[CODE & 0xF];
}

}  // namespace

int WRITEPICTURE(char FORMAT, const std::string& WORD, std::ostream& OUT, std::ostream& ERR) {
  const std::string PREFIX = "korvel: " + OPTIONNAME(FORMAT) + ": ";
  std::int64_t LETTERS = 0;
  for (char C : WORD) {
    if (basics::ISLETTER(C)) {
      ++LETTERS;
    } else if (C != ' ' && C != '\t' && C != '.') {
      ERR << PREFIX << "a braid word holds only letters, blanks and dots, not " << SHOWN(C)
          << '\n';
      return BADWORD;
    }
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
