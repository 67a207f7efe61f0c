// The command-line options of korvel. Without arguments korvel is the
// interactive calculator; with arguments it runs one option: --echo runs the
// calculator with its input written into its output, the others do their
// one task and end.
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
  const char* ARGUMENT;     // the name of its argument, or nullptr
  const char* DESCRIPTION;  // one line, for --help
  // Runs the option on the whole command line ARGV[0..ARGC-1], ARGV[1] being
  // NAME; returns the exit status of the program. An option with an argument
  // reads and checks ARGV[2..] itself.
  int (*HANDLER)(int ARGC, const char* const* ARGV);
};

// "Usage: korvel [--help | --version | ...]", with every option of the table.
std::string USAGELINE();

// Runs the option named by ARGV[1] and returns the exit status. An option
// without an argument must stand alone; anything that names no option of the
// table writes the usage line on standard error and returns 2.
int RUNOPTIONS(int ARGC, const char* const* ARGV);

}  // namespace shell
