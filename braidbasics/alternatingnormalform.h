// Addresses and the alternating normal form of positive braids.
//
// The alternating normal form is a distinguished positive word for every
// positive braid, built from the right end: generators are stripped off the
// right one at a time, in an order driven by an address, a counter with one
// digit per strand whose parities name the generator to try. For three
// strands it is the braid written as alternating blocks of powers of a and b,
// found from the right, starting with a.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "braidbasics/braid.h"

namespace BraidBasics {

constexpr std::int32_t MAXADDRESS = 50;  // one digit per strand, up to BMAXWIDTH

// Digits V[1..L] (V[0] unused); L is the number of strands.
struct ADDRESS {
  std::int32_t V[MAXADDRESS + 1];
  std::int32_t L;
};

// The address of N digits 0 (N is taken within 0..MAXADDRESS).
ADDRESS FIRSTADD(std::int32_t N);

// A copy of A with digit P increased by 1 and the digits after it set to 0.
ADDRESS NEXTADD(const ADDRESS& A, std::int32_t P);

// The index of the generator named by A, in 1..max(1, L - 1).
std::int32_t GENERATOR(const ADDRESS& A);

// Prints "Enter address", reads one line and stores character codes minus 96
// as digits, keeping at most the first MAXADDRESS characters.
void ENTERADD(ADDRESS& A);

// Prints the digits in decimal, one after another; no line end.
void WRITEADD(const ADDRESS& A);

// The alternating normal form of the positive braid B; "" for the unit;
// "??ined" when B has a negative letter.
std::string BALTNORMALWORD(BRAID B);

// "?" for "?"; otherwise BALTNORMALWORD(BDEF(W)).
std::string ALTNORMAL(std::string_view W);

// Blanks followed by ALTNORMAL(W), up to LENGTHBOUND characters (never cut).
std::string PADDEDALTNORMAL(std::string_view W);

}  // namespace BraidBasics
