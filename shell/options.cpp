#include "shell/options.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>

#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/terminal.h"

namespace shell {

namespace {

int HELPOPTION(int, const char* const*);
int VERSIONOPTION(int, const char* const*);
int ECHOOPTION(int, const char* const*);
int PICTURE(int ARGC, const char* const* ARGV);

// The usage error of the command line, the shell convention for a misuse.
constexpr int USAGEERROR = 2;

const OPTION OPTIONS[] = {
    {"--help", nullptr, "print this help and exit", HELPOPTION},
    {"--version", nullptr, "print the version and exit", VERSIONOPTION},
    {"--echo", nullptr, "write each line read from a pipe or file after its prompt",
     ECHOOPTION},
    {"--svg", "WORD", "write the picture of the braid word WORD as SVG and exit", PICTURE},
    {"--tikz", "WORD", "write the picture of the braid word WORD as TikZ and exit", PICTURE},
};

// The option as it stands in the usage line and the option list.
std::string SYNOPSIS(const OPTION& O) {
  std::string S = O.NAME;
  if (O.ARGUMENT != nullptr) {
    S += ' ';
    S += O.ARGUMENT;
  }
  return S;
}

int HELPOPTION(int, const char* const*) {
  std::size_t WIDTH = 0;
  for (const OPTION& O : OPTIONS) {
    WIDTH = std::max(WIDTH, SYNOPSIS(O).size());
  }
  std::cout << USAGELINE() << '\n'
            << '\n'
            << "Korvel is an interactive calculator for braid groups. Without options it\n"
            << "reads one-key commands and braid words on standard input and writes its\n"
            << "answers on standard output: type h for help and Q to quit. At a terminal\n"
            << "lines can be edited and earlier lines recalled, Ctrl-C interrupts a long\n"
            << "computation, and a note says what was ignored or cut of a line typed.\n"
            << '\n'
            << "Options:\n";
  for (const OPTION& O : OPTIONS) {
    const std::string S = SYNOPSIS(O);
    std::cout << "  " << S << std::string(WIDTH - S.size() + 3, ' ') << O.DESCRIPTION << '\n';
  }
  std::cout << '\n' << "The manual: man korvel\n";
  return 0;
}

int VERSIONOPTION(int, const char* const*) {
  std::cout << "Korvel 1.1\n";
  return 0;
}

// The session itself, its input lines written into the output.
int ECHOOPTION(int, const char* const*) { return RUNKORVEL(STARTTERMINAL(true)); }

// --svg and --tikz: the word is the rest of the command line.
int PICTURE(int ARGC, const char* const* ARGV) {
  return PICTUREOPTION(ARGC, ARGV, std::cout, std::cerr);
}

}  // namespace

std::string USAGELINE() {
  std::string LINE = "Usage: korvel [";
  bool FIRST = true;
  for (const OPTION& O : OPTIONS) {
    if (!FIRST) {
      LINE += " | ";
    }
    FIRST = false;
    LINE += SYNOPSIS(O);
  }
  LINE += ']';
  return LINE;
}

int RUNOPTIONS(int ARGC, const char* const* ARGV) {
  if (ARGC >= 2) {
    for (const OPTION& O : OPTIONS) {
      if (std::strcmp(ARGV[1], O.NAME) != 0) {
        continue;
      }
      if (O.ARGUMENT != nullptr || ARGC == 2) {
        const int STATUS = O.HANDLER(ARGC, ARGV);
        std::cout.flush();
        // Output that could not be written is a failure, not a success.
        return std::cout ? STATUS : 1;
      }
      break;
    }
  }
  std::cerr << USAGELINE() << '\n';
  return USAGEERROR;
}

}  // namespace shell
