// Korvel and the process around it: how lines are read from standard input,
// what the user's Ctrl-C (SIGINT) does, and whether a person types.
//
//   standard input     reading                Ctrl-C at a prompt       Ctrl-C while computing
//   a terminal         edited (Readline),     drops the line, shows    the computation is
//                      or plain without it    the prompt again         abandoned, the menu
//                      or with TERM=dumb                               comes back
//                      or empty
//   anything else      plain                  ends Korvel, status 130  the same
//
// A prompt is any read of a line, whether or not the line has arrived yet.
// What the program writes is the same in every case, but for the notes that
// a person typing at a terminal is given (notes.h): only the reading and the
// interrupt differ, and a piped session gives the bytes it always gave. With
// --echo a piped session also writes each line it reads after its prompt.
#pragma once

namespace shell {

// Sets the console up for the standard input the program has, as above, and
// returns whether a person types it: whether standard input is a terminal.
// ECHOLINES makes input that is not a terminal written to the output as it is
// read, each line followed by one line end, so that a transcript of a piped
// session reads like one typed (a terminal shows what is typed already). The
// handler of SIGINT is not installed when SIGINT is ignored (a background
// job). Where the platform has no terminals or signals, lines are read
// plainly (and echoed for ECHOLINES) and the answer is false.
bool STARTTERMINAL(bool ECHOLINES = false);

}  // namespace shell
