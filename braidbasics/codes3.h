// Three-strand word codes: a word over a and b written as the lengths of its
// runs, one digit character per run ("0".."9", then "A" for 10, ...), read
// from the right starting with a run of a (empty when the word ends with b).
// A code list joins codes with ","; "?" stands for a missing word and passes
// through.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace BraidBasics {

// The digit character of the run length E: 48 + E up to 9, else 55 + E.
char HEXACODE(std::int32_t E);

// The run length of the digit character C; the inverse of HEXACODE.
std::int32_t HEXADECODE(char C);

// The code of a word over a and b; "?" for "?" and for a word holding any
// other character.
std::string CODE3(std::string_view W);

// CODE3(ALTNORMAL(W)).
std::string ALTCODE3(std::string_view W);

// ALTCODE3(W) with blanks in front up to MAXCODELENGTHINBRAIDLIST characters.
std::string PADDEDALTCODE3(std::string_view W);

// The word (or comma-separated words) that a code (or code list) stands for.
std::string ALTDECODE3(std::string_view W);

// For each code, GARNORMAL of the word it stands for, comma-separated as the
// input; "?" for "?".
std::string GARDECODE3(std::string_view W);

}  // namespace BraidBasics
