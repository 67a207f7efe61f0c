// The procedures behind the menu keys other than h, O, X and Q. Each reads
// its input through the console, computes, and prints its answer.
#pragma once

namespace shell {

// Key C: compares two braids in the current ordering.
void COMPARE();

// Key H: handle reduction, step by step.
void REDUCEHANDLES();

// No key: whether two braid words are equivalent.
void EQUIVALENT();

// Key A: the alternating normal form of a positive braid.
void WRITEALT();

// Key N: the symmetric normal decomposition of a braid.
void SYMMETRIC();

// Key B: builds the three-strand tables up to a typed length.
void BUILDSSS3();

// Key M: the mu3 values and their conjugators.
void DISPLAYMU3();

// Key S: the first super summit set members and their conjugators.
void DISPLAYMU3SSS();

// Key I: mu3 of w against mu3 of uwv.
void STUDYMU3();

}  // namespace shell
