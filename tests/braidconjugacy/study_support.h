// Helpers of the three-strand study tests: every positive word in a and b up
// to a length, and a whole build of the tables under one ordering option with
// the console captured.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "braidbasics/tablebounds.h"
#include "braidconjugacy/braidconjugacy.h"
#include "handlereduction/orderings.h"
#include "tests/support/console_capture.h"

namespace studytest {

// Every word over a and b of at most N letters, shortest first.
inline std::vector<std::string> ALLWORDS(std::int32_t N) {
  std::vector<std::string> WORDS{""};
  for (std::size_t I = 0; I < WORDS.size(); ++I) {
    if (static_cast<std::int32_t>(WORDS[I].size()) < N) {
      WORDS.push_back(WORDS[I] + "a");
      WORDS.push_back(WORDS[I] + "b");
    }
  }
  return WORDS;
}

// The state of a fresh run, then key B's three builds for BOUND under the
// ordering OPTION; returns what they wrote.
inline std::string BUILDALL(std::int32_t BOUND, char OPTION = 'R') {
  handlereduction::BORDEROPTION = OPTION;
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 0;
  BraidBasics::LENGTHBOUND = BOUND;
  BraidConjugacy::WIDTHBOUND = 3;
  korveltest::ConsoleCapture CAPTURE;
  BraidConjugacy::BUILDBRAIDLIST();
  BraidConjugacy::BUILDSSS3LIST();
  BraidConjugacy::BUILDMU3();
  return CAPTURE.Output();
}

// The entries 1..L of the braid table.
inline std::vector<std::string> TABLEWORDS() {
  std::vector<std::string> WORDS;
  for (std::int32_t P = 1; P <= BraidConjugacy::BRAIDLIST.L; ++P) {
    WORDS.emplace_back(BraidConjugacy::ENTRY(BraidConjugacy::BRAIDLIST, P));
  }
  return WORDS;
}

}  // namespace studytest
