// The console of Korvel: the one pair of streams through which every read and
// write of the program passes, the line reader, and the horizontal rule.
//
// By default the pair is standard input and standard output. Tests and the
// fuzz target point it at string streams with SETCONSOLE, so that any
// procedure of the program can be driven in-process exactly as a user drives
// the binary.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace basics {

// The stream every read of the program comes from.
std::istream& INPUT();

// The stream every write of the program goes to.
std::ostream& OUTPUT();

// Makes IN and OUT the console until the next SETCONSOLE or RESETCONSOLE.
// Both streams must outlive their use as the console.
void SETCONSOLE(std::istream& IN, std::ostream& OUT);

// Makes standard input and standard output the console again.
void RESETCONSOLE();

// Reads one line of INPUT() into LINE, keeping at most its first KEEP
// characters and discarding the rest of the line with its line end. A line
// ends at a line feed, a carriage return, or a carriage return followed by a
// line feed (one line end, not two). Returns false, with LINE empty, when the
// input had ended before any character of a line could be read; a last line
// without a line end is still a line.
bool READLINE(std::string& LINE, std::size_t KEEP = 255);

// Writes 80 characters "=" and a line end.
void HRULE();

}  // namespace basics
