// Handle reduction: repeat "find the handle whose last letter comes first,
// reduce it" until no handle is left. A handle-free word is sigma-definite:
// its generator of least index occurs with one sign only, so it is empty (the
// trivial braid), sigma-positive or sigma-negative.
//
// Every strategy has two forms. The console's form computes under the
// console's limits and reports through two globals: BNBREDSTEPS counts the
// passes of the last reduction (a pass is one handle search, the last one
// that finds nothing included) and BREDUCED is set by the pass that finds no
// handle. The form that takes BLIMITS computes under them, returns what it
// counts and reads or writes no global, so reductions of different records
// may run in parallel threads. A reduction that would grow the word past its
// limit throws BraidBasics::BOUNDEXCEEDED; a stop request is polled once per
// pass. Either leaves in the record the word of the last completed pass, a
// word of the same braid within the limit.
//
// The full reductions are written once over the word's storage: a word of at
// most 64 strands whose limit (or length) is at most 2000 letters, as
// every console word, is reduced in a copy with 8-bit letters on the stack;
// any other word in the record itself.
#pragma once

#include <cstdint>
#include <functional>

#include "braidbasics/braid.h"

namespace handlereduction {

extern std::int32_t BNBREDSTEPS;
extern bool BREDUCED;

// Handle reduction without free reduction.
void BFULLHREDUCE(BraidBasics::BRAID& B);
std::int64_t BFULLHREDUCE(BraidBasics::BRAID& B, const BraidBasics::BLIMITS& LIMITS);

// Handle reduction with a free reduction after every pass; the result is free
// of handles and freely reduced. The words and the pass count are those of the
// plain loop FINDHANDLE, REDUCEHANDLE, BFREEREDUCE; a pass resumes the handle
// search at the first letter the previous pass changed, and allocates nothing
// for the console's words. The form with limits returns the number of passes.
void BFULLHFREDUCE(BraidBasics::BRAID& B);
std::int64_t BFULLHFREDUCE(BraidBasics::BRAID& B, const BraidBasics::BLIMITS& LIMITS);

// What one pass of the step-by-step reduction shows: the word as it stands
// before the pass and the handle found in it, at the 1-based positions P..Q;
// P = 0 on the last pass, whose word has no handle and is the result.
using HREDUCTIONSTEP =
    std::function<void(const BraidBasics::BRAID& WORD, std::int32_t P, std::int32_t Q)>;

// Handle reduction without free reduction, the handle whose last letter comes
// first reduced on every pass (the steps of BFULLHREDUCE), with STEP called
// once per pass before its handle is reduced: k handles give k + 1 calls.
// BNBREDSTEPS is the number of the pass during each call. B ends reduced.
// The form with limits leaves the globals alone.
void BHREDUCESTEPS(BraidBasics::BRAID& B, const HREDUCTIONSTEP& STEP);
void BHREDUCESTEPS(BraidBasics::BRAID& B, const HREDUCTIONSTEP& STEP,
                   const BraidBasics::BLIMITS& LIMITS);

// Handle reduction that prints every pass: the pass number right-aligned in
// four columns, ": ", then the word with its handle between dots, or the
// reduced word on the last line.
void BSTEPBYSTEPHREDUCE(BraidBasics::BRAID& B);

// Divide and conquer: the two halves are reduced first, then the whole.
// A THRESHOLD below 1 works as 1. BNBREDSTEPS is the total of the passes of
// all levels; a word that free reduction empties makes no pass and leaves
// BREDUCED as it was.
void BQUICKFULLHFREDUCE(BraidBasics::BRAID& B, std::int32_t THRESHOLD);

// True exactly when B and BB represent the same braid: inverse(B).BB reduces
// to the empty word.
bool BEQUIV(BraidBasics::BRAID B, const BraidBasics::BRAID& BB);
bool BEQUIV(BraidBasics::BRAID B, const BraidBasics::BRAID& BB, const BraidBasics::BLIMITS& LIMITS);

}  // namespace handlereduction
