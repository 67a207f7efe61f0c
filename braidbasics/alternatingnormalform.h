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
// A level P outside 1..L advances no digit (there is none) and clears the
// digits after it.
ADDRESS NEXTADD(const ADDRESS& A, std::int32_t P);

// The index of the generator named by A, in 1..max(1, L - 1).
std::int32_t GENERATOR(const ADDRESS& A);

// Prints "Enter address", reads one line and stores character codes minus 96
// as digits, keeping at most the first MAXADDRESS characters (the rest of the
// line is discarded). At the end of the input the address has no digit.
void ENTERADD(ADDRESS& A);

// Prints the digits in decimal, one after another; no line end.
void WRITEADD(const ADDRESS& A);

// The alternating normal form of the positive braid B: as many letters as B,
// the same for every positive word of the braid, whatever B.W; "" for the
// unit (and the undefined braid); "??ined" when B has a negative letter.
// Each try reverses B followed by one letter, so a word at the length limit
// throws BOUNDEXCEEDED, as does a try whose reversing outgrows the limit.
std::string BALTNORMALWORD(BRAID B, const BLIMITS& LIMITS = BCONSOLELIMITS());

// "?" for "?"; otherwise BALTNORMALWORD(BDEF(W)).
std::string ALTNORMAL(std::string_view W);

// Blanks followed by ALTNORMAL(W), up to LENGTHBOUND characters (never cut).
std::string PADDEDALTNORMAL(std::string_view W);

}  // namespace BraidBasics
