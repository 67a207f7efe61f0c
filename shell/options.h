// The command-line options of korvel. Without arguments korvel is the
// interactive calculator; with arguments it runs one option and ends.
//
// The options form one table: each entry names the option, the name of its
// argument if it takes one, a one-line description, and the handler. The
// usage line and the option list of --help are written from the table, so an
// option added to it is documented with it.
#pragma once

#include <string>

namespace shell {

struct OPTION {
  const char* NAME;         // as typed, "--help"
  const char* ARGUMENT;     // the name of its one argument, or nullptr
  const char* DESCRIPTION;  // one line, for --help
  // Runs the option with its argument (nullptr when it takes none); returns
  // the exit status of the program.
  int (*HANDLER)(const char* ARGUMENT);
};

// "Usage: korvel [--help | --version]", with every option of the table.
std::string USAGELINE();

// Runs the option named by ARGV[1..ARGC-1] and returns the exit status. One
// option of the table, followed by its argument if it takes one, is the only
// accepted form; anything else writes the usage line on standard error and
// returns 2.
int RUNOPTIONS(int ARGC, const char* const* ARGV);

}  // namespace shell
