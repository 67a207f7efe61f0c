// Drives the study keys of Korvel in-process and gives what they print.
#pragma once

#include <string>

#include "braidbasics/tablebounds.h"
#include "handlereduction/orderings.h"
#include "shell/procedures.h"
#include "tests/support/console_capture.h"

namespace korveltest {

// The output of key B answering ANSWER, from the border option and code
// width of a fresh start, so that each test's tables do not depend on the
// tests run before it.
inline std::string KEYB(const std::string& ANSWER) {
  handlereduction::BORDEROPTION = 'R';
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 0;
  ConsoleCapture CAPTURE(ANSWER);
  shell::BUILDSSS3();
  return CAPTURE.Output();
}

// The output of PROCEDURE reading INPUT.
inline std::string RUN(void (*PROCEDURE)(), const std::string& INPUT = "") {
  ConsoleCapture CAPTURE(INPUT);
  PROCEDURE();
  return CAPTURE.Output();
}

}  // namespace korveltest
