// Clocks and the prompts that let the user stop a long computation.
//
// A clock value is a time in seconds, as a double, read from CURRENTTIME:
// by default a monotonic clock of the machine, so that elapsed times never
// jump with the date; a test may point CURRENTTIME at a clock of its own.
// Durations, the answers of ASKDURATION and the 10000 set by the answer "U"
// are seconds as well, so the comparison of CHECKDURATION is of like with
// like.
//
// A clock number outside 1..NBCLOCKS, or a duration number outside
// 1..NBDURATIONS, makes the call do nothing (ELAPSEDTIME then gives 0).
#pragma once

#include <cstdint>
#include <string_view>

namespace basics {

constexpr std::int32_t NBCLOCKS = 32;     // clocks 1..32
constexpr std::int32_t NBDURATIONS = 20;  // allowed durations of clocks 1..20

// The duration, in seconds, that the answer "U" of CHECKDURATION allows.
constexpr double UNLIMITEDDURATION = 10000.0;

// The last answer read by PAUSE or CHECKDURATION: the first character of
// the line, the line end '\n' for an empty line or the end of the input.
extern char CONTROL;

// Set by CHECKDURATION when the user declines to go on; never reset here.
extern bool ABORT;

// Start times of the clocks 1..32 (slot 0 unused).
extern double CLOCK[NBCLOCKS + 1];

// Allowed durations of the clocks 1..20 (slot 0 unused), 0 at start.
extern double MAXDURATION[NBDURATIONS + 1];

// The time source: returns the current time in seconds.
using TIMESOURCE = double (*)();
extern TIMESOURCE CURRENTTIME;

// The default time source: seconds on the machine's monotonic clock.
double MACHINETIME();

// Reads one console line and stores its first character in CONTROL.
void PAUSE();

// Starts clock I: CLOCK[I] := the current time.
void STARTCLOCK(std::int32_t I);

// The seconds elapsed since clock I was started.
double ELAPSEDTIME(std::int32_t I);

// Asks for the allowed duration of clock I in seconds and reads it from the
// number at the start of one line (after blanks); the rest of the line is
// discarded. An answer that does not begin with a finite number, an empty
// line or the end of the input keeps the previous duration.
void ASKDURATION(std::int32_t I);

// Does nothing while clock I has not run longer than MAXDURATION[I].
// Afterwards it asks whether computing COMMENT should go on and reads the
// answer into CONTROL: "Y" restarts clock I, "U" allows 10000 seconds, any
// other answer ("N", lower-case letters, an empty line, the end of the
// input) sets ABORT.
void CHECKDURATION(std::int32_t I, std::string_view COMMENT);

}  // namespace basics
