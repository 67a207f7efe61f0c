// The console of Korvel: the one pair of streams through which every read and
// write of the program passes, the line reader, and the horizontal rule.
//
// By default the pair is standard input and standard output. Tests and the
// fuzz target point it at string streams with SETCONSOLE, so that any
// procedure of the program can be driven in-process exactly as a user drives
// the binary.
//
// Every line the program reads passes through READLINE, which is therefore
// the one place where a front end may put a line editor: SETLINESOURCE hands
// the reading of lines to the front end, whose source may end with the plain
// reading READPLAINLINE. Nothing else in the program knows that a terminal
// exists.
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
//
// Without a line source the output is flushed, so that the prompt written
// before the read reaches the user before the read waits, and the line is
// read by READPLAINLINE; with one, the source flushes and reads.
bool READLINE(std::string& LINE, std::size_t KEEP = 255);

// The plain reading of READLINE from INPUT(), without the flush.
bool READPLAINLINE(std::string& LINE, std::size_t KEEP = 255);

// READLINE without a line source: the flush, then READPLAINLINE. For line
// sources that read plainly in some sessions.
bool READLINEPLAINLY(std::string& LINE, std::size_t KEEP = 255);

// A reader of one line with the contract of READLINE: it flushes OUTPUT()
// before it waits; LINE holds at most KEEP characters of the line, and false
// with LINE empty means the input has ended.
using LINESOURCE = bool (*)(std::string& LINE, std::size_t KEEP);

// Makes SOURCE read every later line; nullptr restores the plain reading.
void SETLINESOURCE(LINESOURCE SOURCE);

// The source that reads lines now, nullptr for the plain reading: what a
// source that wraps it calls, and what it restores when it is done.
LINESOURCE CURRENTLINESOURCE();

// Writes 80 characters "=" and a line end.
void HRULE();

}  // namespace basics
