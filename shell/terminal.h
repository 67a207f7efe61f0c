// Korvel and the process around it: how lines are read from standard input,
// and what the user's Ctrl-C (SIGINT) does.
//
//   standard input     reading                Ctrl-C at a prompt       Ctrl-C while computing
//   a terminal         edited (Readline),     drops the line, shows    the computation is
//                      or plain without it    the prompt again         abandoned, the menu
//                      or with TERM=dumb                               comes back
//   anything else      plain                  ends Korvel, status 130  the same
//
// A prompt is any read of a line, whether or not the line has arrived yet.
// What the program writes is the same in every case: only the reading and
// the interrupt differ, and a piped session gives the bytes it always gave.
#pragma once

namespace shell {

// Sets the console up for the standard input the program has, as above. The
// handler of SIGINT is not installed when SIGINT is ignored (a background
// job). Does nothing where the platform has no terminals or signals.
void STARTTERMINAL();

}  // namespace shell
