// What Korvel tells a person who types: one line beginning "Note: ", written
// on the session's own output right after a line typed, whenever the program
// did something with the line that the person could not see: characters of
// a braid word it ignored, or the end of a line it cut off. The keys add
// their own notes (an ordering not chosen, a form defined for positive
// braids only).
//
// A session read from a pipe, a file or a program gets no note, so it prints
// the bytes it always printed. Whether a person types is known to the front
// end alone and given to RUNKORVEL, which holds it for the session with a
// NOTEDSESSION: the native program says so when standard input is a
// terminal, the page for the session it feeds with what the user types.
// PERSONTYPING is the one answer every part of the shell asks for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace shell {

// Whether a person types the input of the session that runs now.
bool PERSONTYPING();

// Whether C belongs in a braid word: a letter, or a blank, tab or dot, which
// people and the program's own output put between letters.
bool BRAIDWORDCHARACTER(char C);

// For its lifetime, a person types the session's input when PERSON is true.
// Every line is then read whole through the front end's line source (the one
// in place when the object is made), cut to what the reader keeps, and
// followed by the notes that apply to it; the source in place before is
// restored at the end. With PERSON false nothing changes.
class NOTEDSESSION {
 public:
  explicit NOTEDSESSION(bool PERSON);
  ~NOTEDSESSION();
  NOTEDSESSION(const NOTEDSESSION&) = delete;
  NOTEDSESSION& operator=(const NOTEDSESSION&) = delete;

 private:
  bool WASTYPED_;
};

// Whether the lines read from now on are braid words, whose ignored
// characters a person is told about. The main loop sets it for the keys that
// read braid words and clears it after each key.
void SETBRAIDLINES(bool BRAIDS);

// Writes "Note: ", TEXT and a line end on the session's output when a person
// types; nothing otherwise.
void NOTE(std::string_view TEXT);

// The note on a braid word read from LINE (the part of the line kept): the
// first distinct characters that were ignored, the characters other than
// letters, blanks, tabs and dots, and how a braid word is written; empty
// when no character was ignored.
std::string IGNOREDNOTE(std::string_view LINE);

// The note on a line cut to its first KEEP characters, DROPPED characters
// after them not read.
std::string CUTNOTE(std::size_t KEEP, std::size_t DROPPED);

// The length in bytes of the character that begins TEXT: a whole UTF-8
// sequence of a printable character, otherwise one byte (0 for no text).
std::size_t CHARACTERLENGTH(std::string_view TEXT);

// A character as a message names it: in double quotes (a double quote in
// single quotes) when printable, otherwise "the byte 0xNN" for its one byte.
// CHARACTER is one character as CHARACTERLENGTH delimits it.
std::string SHOWN(std::string_view CHARACTER);

}  // namespace shell
