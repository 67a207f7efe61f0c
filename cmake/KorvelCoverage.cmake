# KORVEL_COVERAGE builds everything with gcov's counters, for tools/coverage.
#
# The flags go into CMAKE_CXX_FLAGS rather than onto the targets: the tests of
# the installed package build their consumers with this project's flags, and
# a consumer of libraries with counters must link gcov's runtime too.
# -fprofile-update=atomic keeps the counts exact when threads run the same
# code (the tests of computations in parallel threads do).
option(KORVEL_COVERAGE "Build everything with gcov's counters (--coverage), for tools/coverage" OFF)
if(KORVEL_COVERAGE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    message(FATAL_ERROR "KORVEL_COVERAGE needs GCC: tools/coverage reads gcov's files with gcovr")
  endif()
  string(APPEND CMAKE_CXX_FLAGS " --coverage -fprofile-update=atomic")
endif()
