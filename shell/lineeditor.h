// The line editor of a terminal: GNU Readline edits the line being typed
// (arrows, Home/End, Ctrl-A/Ctrl-E, Backspace/Delete, Ctrl-U) and recalls the
// earlier non-empty lines of the run with Up/Down. The history lives in
// memory only. Built without Readline, the editor never starts and the
// terminal is read plainly.
#pragma once

#include <csignal>
#include <string>

namespace shell {

// Set by a signal handler when the terminal comes back to the editor after
// the program was stopped (Ctrl-Z): the editor then redraws the line.
extern volatile std::sig_atomic_t REDRAWREQUESTED;

// Prepares the editor for standard input and output, both terminals; false
// when it cannot run there (built without Readline, or TERM unset or "dumb").
bool STARTEDITOR();

// Reads one line with editing after writing PROMPT, the text the program
// wrote for the current screen line and held back: it is written once the
// terminal is ready for editing, so no key typed after it can be taken by
// the terminal's own line reading, and it is redrawn with the line.
// A request of the interrupt handler (basics::INTERRUPTREQUESTED), pending on
// entry or arriving while the user types, drops the line typed so far and
// shows PROMPT again on a new line. Returns false with LINE empty at the end
// of the input (Ctrl-D on an empty line) and at every call after it, as the
// plain reading does.
bool EDITLINE(std::string& LINE, const std::string& PROMPT);

}  // namespace shell
