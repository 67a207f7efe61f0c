// Letter strings: words written one character per letter, "a".."z" for the
// positive letters and "A".."Z" for the negative ones, the inverse of a
// letter being the same letter in the other case.
//
// Every operation takes any string, letters or not. A character that is not
// a letter is its own inverse (INVCHAR leaves it alone), so the free
// reduction treats a doubled non-letter such as "11" as a cancelling pair.
// Positions in strings are 1-based.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basics {

// True iff C is in "A".."Z" / in "a".."z" / in either.
bool ISNEGLETTER(char C);
bool ISPOSLETTER(char C);
bool ISLETTER(char C);

// The character whose code is one more than that of C; code 255 is followed
// by code 0.
char NEXTCHAR(char C);

// The inverse letter: C in the other case when C is a letter, else C itself.
char INVCHAR(char C);

// The inverse word: the characters of W in reverse order, each inverted.
std::string INVSTR(std::string_view W);

// The characters of W in reverse order, unchanged.
std::string MIRRORSTR(std::string_view W);

// True iff every character of W is an upper-case / a lower-case letter; both
// hold for the empty string.
bool ISNEGSTR(std::string_view W);
bool ISPOSSTR(std::string_view W);

// True iff no two adjacent characters x, y of W have y = INVCHAR(x).
bool FREEREDUCED(std::string_view W);

// W := the free reduction of W: adjacent pairs x INVCHAR(x) are deleted until
// none is left. The result does not depend on the order of the deletions, so
// W ends FREEREDUCED and represents the same element of the free group.
void FREEREDUCE(std::string& W);

// The distinct upper-case / lower-case letters of U, each once, in the order
// of their first occurrence.
std::string THENEGLETTERS(std::string_view U);
std::string THEPOSLETTERS(std::string_view U);

// The distinct lower-case letters of W in alphabetical order (upper-case
// letters do not count), and their number.
std::string THELETTERS(std::string_view W);
std::int32_t NBLETTERS(std::string_view W);

// True iff U is a prefix of V (V itself and "" included).
bool ISPREFIX(std::string_view U, std::string_view V);

// True iff U comes strictly before V in the shortlex order: shorter strings
// first, strings of one length by the codes of their characters (0..255).
// Equal strings give false.
bool SHORTLEXSMALLER(std::string_view U, std::string_view V);

// U with every character c that occurs in SOURCE replaced by its image: with
// P the first position of c in SOURCE, the image is the P-th piece of
// STRTOLIST(IMAGE, '/'), blanks dropped; a character with no piece (P past
// the last piece) is deleted. SUBST("abA", "ab", "ba/c") = "bacA".
std::string SUBST(std::string_view U, std::string_view SOURCE, std::string_view IMAGE);

// W, or "1" when W is empty.
std::string NE(std::string_view W);

// W with every run of k >= 2 equal characters c written as c, "^", k:
// "aaab" gives "a^3b". "empty" for the empty string and "too long" for a
// string of exactly 255 characters, the most a line read from the keyboard
// keeps, so a word that may have been cut; longer strings are compacted.
std::string COMPACTION(std::string_view W);

// W re-punctuated by STYLE: "$," puts a "," between any two characters
// ("abc" -> "a,b,c"); ", " puts a blank after each "," but the last
// character, and drops a "," in last position ("a,b," -> "a, b"); any other
// STYLE gives W unchanged.
std::string PADDING(std::string_view W, std::string_view STYLE);

// Deletes the leftmost occurrence of U from W again and again until W holds
// none; nothing when U is empty. ERASEBLOCK("ab", "aabb") leaves "".
void ERASEBLOCK(std::string_view U, std::string& W);

// Deletes from W every character that occurs in U.
void ERASEALLCHAR(std::string_view U, std::string& W);

// Splits a relation between two words: TL gets the letters before the
// relation sign, REL the sign ("=", or a "\" command up to the next blank),
// TR the letters after it; every other character is skipped.
// "ab \leq ba" gives "ab", "\leq", "ba"; "ab=ba" gives "ab", "=", "ba".
void PARSEATOMICFORMULA(std::string_view W, std::string& TL, std::string& REL,
                        std::string& TR);

}  // namespace basics
