// Enumeration of words by an integer index, and the counts that go with it.
//
// THESTRING, THESIGNEDSTRING and THEREFSTRING write the index in bijective
// base K (digits 1..K, the last letter least significant), which lists every
// word over K letters exactly once in shortlex order: index 0 is the empty
// word, 1..K the single letters, then the K^2 words of two letters, and so on.
// With no letter at all (K <= 0, or an empty reference string) every index
// gives the empty word, as does a negative index.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace basics {

// The word of index NN over the first M lower-case letters a, b, ...
// THESTRING(3, 2) = "aa", THESTRING(6, 2) = "bb". M is meant to be at most
// 26; larger M continues with the characters that follow "z" in code order.
std::string THESTRING(std::int64_t NN, std::int32_t M);

// The word of index NN over the 2M letters a.. (M-th lower-case letter), then
// A.. (M-th upper-case letter), in that order: THESIGNEDSTRING(3, 2) = "A".
std::string THESIGNEDSTRING(std::int64_t NN, std::int32_t M);

// THESTRING(NN, length of WREF) with the k-th letter replaced by WREF[k].
std::string THEREFSTRING(std::int64_t NN, std::string_view WREF);

// A word of exactly L characters of WREF: indices 1..K^L (K the length of
// WREF) give the K^L words of length L in lexicographic order of positions
// in WREF, and on the indices NN >= 0 the numbering repeats with period K^L
// (0 gives the last word). Each step puts the character of the last digit
// P = NN mod K in front (WREF[K] for P <= 0) and goes on with
// (NN + K - 1) div K, division truncating. Empty for L <= 0 or an empty WREF.
std::string THEELREFSTRING(std::int64_t NN, std::int32_t L, std::string_view WREF);

// The number of non-empty words of length at most L over the K = length of
// WREF characters: K + K^2 + ... + K^L, that is L when K = 1 and
// (K^(L+1) - 1) div (K - 1) - 1 otherwise; 0 when L < 1 or K = 0. So
// THEREFSTRING of 1..NBREFSTRING(L, WREF) gives each of them once.
std::int64_t NBREFSTRING(std::int32_t L, std::string_view WREF);

// The number of words of exactly L characters of WREF: K^L (1 for L = 0,
// 0 for L < 0).
std::int64_t NBELREFSTRING(std::int32_t L, std::string_view WREF);

// Both counts are exact while K^(L+1) (for NBREFSTRING) or K^L (for
// NBELREFSTRING) is below 2^63; larger cases give numbers without meaning,
// computed without overflow.

}  // namespace basics
