#include "basics/timing.h"

#include <chrono>
#include <ostream>
#include <string>

#include "basics/console.h"
#include "basics/conversions.h"

namespace basics {

char CONTROL = '\0';
bool ABORT = false;
double CLOCK[NBCLOCKS + 1] = {};
double MAXDURATION[NBDURATIONS + 1] = {};
TIMESOURCE CURRENTTIME = MACHINETIME;

namespace {

bool ISCLOCK(std::int32_t I) { return I >= 1 && I <= NBCLOCKS; }

bool ISDURATION(std::int32_t I) { return I >= 1 && I <= NBDURATIONS; }

// One console line as a one-key answer: its first character, the line end
// for an empty line, and the end of the input read as an empty line.
char READANSWER() {
  std::string LINE;
  READLINE(LINE, 1);
  return LINE.empty() ? '\n' : LINE[0];
}

// The finite number at the start of LINE after blanks and tabs, an optional
// sign included, into VALUE; false, VALUE untouched, when there is none.
bool LEADINGNUMBER(const std::string& LINE, double& VALUE) {
  std::size_t START = LINE.find_first_not_of(" \t");
  if (START == std::string::npos) {
    return false;
  }
  std::string_view REST = std::string_view(LINE).substr(START);
  bool NEGATIVE = false;
  if (REST.front() == '+' || REST.front() == '-') {
    NEGATIVE = REST.front() == '-';
    REST.remove_prefix(1);
  }
  // STRTOREAL reads no second sign, no "inf" and no "nan": those are words.
  double READ = 0.0;
  std::size_t USED = 0;
  if (!STRTOREAL(REST, READ, USED)) {
    return false;
  }
  VALUE = NEGATIVE ? -READ : READ;
  return true;
}

}  // namespace

double MACHINETIME() {
  using SECONDS = std::chrono::duration<double>;
  return std::chrono::duration_cast<SECONDS>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void PAUSE() { CONTROL = READANSWER(); }

void STARTCLOCK(std::int32_t I) {
  if (ISCLOCK(I)) {
    CLOCK[I] = CURRENTTIME();
  }
}

double ELAPSEDTIME(std::int32_t I) {
  if (!ISCLOCK(I)) {
    return 0.0;
  }
  return CURRENTTIME() - CLOCK[I];
}

void ASKDURATION(std::int32_t I) {
  if (!ISDURATION(I)) {
    return;
  }
  OUTPUT() << "Enter the maximal duration of the experiment in seconds: \n"
           << "    > ";
  std::string LINE;
  if (READLINE(LINE)) {
    LEADINGNUMBER(LINE, MAXDURATION[I]);
  }
}

void CHECKDURATION(std::int32_t I, std::string_view COMMENT) {
  if (!ISDURATION(I) || !(ELAPSEDTIME(I) > MAXDURATION[I])) {
    return;
  }
  OUTPUT() << '\n'
           << "Computing " << COMMENT << " is long; continue? Y(es)/N(o)/U(nlimited) \n"
           << "    > ";
  CONTROL = READANSWER();
  if (CONTROL == 'Y') {
    STARTCLOCK(I);
  } else if (CONTROL == 'U') {
    MAXDURATION[I] = UNLIMITEDDURATION;
  } else {
    ABORT = true;
  }
}

}  // namespace basics
