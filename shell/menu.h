// The main loop of Korvel: banner, menu, key dispatch, help and the ordering
// dialogue.
#pragma once

namespace shell {

// The last menu key read.
extern char MENU;

// Prints the banner and the bounds; sets the ordering option to R.
void INITIALIZE();

// Prints the menu and reads the key into MENU; the end of the input reads as Q.
void ASKMENU();

// The help text (key h).
void HELP();

// The ordering dialogue (key O). The answer's first character is stored as
// typed; a person is asked again (REASKORDERING) until it is R, F or U.
void CHOOSEORDERING();

// Key X: nothing.
void EXPERIMENT();

// Called once after the loop ends: nothing.
void QUIT();

// What the main loop says when the user interrupts a computation, and when
// the computation was the build of key B.
extern const char* const INTERRUPTEDMESSAGE;
extern const char* const INTERRUPTEDBUILDMESSAGE;

// What the ordering dialogue asks a person whose answer names no ordering.
extern const char* const REASKORDERING;

// The whole program on the current console: INITIALIZE, the menu loop until
// the key Q (or the end of the input), QUIT. A computation abandoned at the
// bound of the braid record or by the user's interrupt (basics::INTERRUPTED)
// is reported and the menu shown again. PERSON says that a person types the
// input (see notes.h): the session then also tells what it did with the
// lines typed, and the ordering dialogue asks again until an ordering is
// named; without it the session prints exactly what it always printed.
// Returns the exit status, 0.
int RUNKORVEL(bool PERSON = false);

}  // namespace shell
