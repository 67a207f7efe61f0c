// The three-strand study tables for Python: braid_table.
//
// The tables are built by the console's own code, which is single-threaded
// and polls the console's interrupt flag, basics::INTERRUPTREQUESTED. So one
// table is built at a time (a mutex, taken without the interpreter lock,
// which other threads keep using meanwhile), and during a build on the main
// thread a SIGINT handler of our own stands before Python's: it raises the
// console's flag, which abandons the build, and passes the signal on to
// Python's handler, which then runs as for any other call.
#include <pybind11/pybind11.h>

#include <signal.h>

#include <cstdint>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "basics/interrupt.h"
#include "bindings.h"
#include "braidarguments.h"
#include "braidconjugacy/studytable.h"
#include "calls.h"

namespace korvelpython {

using namespace pybind11::literals;

namespace {

// One build of the tables at a time.
std::mutex BUILDING;

// The SIGINT action that stood before ours, which ours passes the signal on to.
struct sigaction PYTHONACTION;

extern "C" void TABLEINTERRUPT(int SIGNAL, siginfo_t* INFO, void* CONTEXT) {
  basics::INTERRUPTREQUESTED = 1;
  if ((PYTHONACTION.sa_flags & SA_SIGINFO) != 0) {
    PYTHONACTION.sa_sigaction(SIGNAL, INFO, CONTEXT);
  } else if (PYTHONACTION.sa_handler != SIG_IGN && PYTHONACTION.sa_handler != SIG_DFL) {
    PYTHONACTION.sa_handler(SIGNAL);
  }
}

// Our handler for the lifetime of the guard, when SIGINT has a handler
// (Python's, as a rule); an ignored or default SIGINT is left alone.
class TABLEINTERRUPTS {
 public:
  TABLEINTERRUPTS() {
    basics::INTERRUPTREQUESTED = 0;
    if (sigaction(SIGINT, nullptr, &PYTHONACTION) != 0 ||
        ((PYTHONACTION.sa_flags & SA_SIGINFO) == 0 &&
         (PYTHONACTION.sa_handler == SIG_IGN || PYTHONACTION.sa_handler == SIG_DFL))) {
      return;
    }
    struct sigaction OURS {};
    OURS.sa_sigaction = &TABLEINTERRUPT;
    OURS.sa_flags = SA_SIGINFO | (PYTHONACTION.sa_flags & SA_ONSTACK);
    sigemptyset(&OURS.sa_mask);
    INSTALLED = sigaction(SIGINT, &OURS, nullptr) == 0;
  }
  ~TABLEINTERRUPTS() {
    if (INSTALLED) {
      sigaction(SIGINT, &PYTHONACTION, nullptr);
    }
    basics::INTERRUPTREQUESTED = 0;
  }
  TABLEINTERRUPTS(const TABLEINTERRUPTS&) = delete;
  TABLEINTERRUPTS& operator=(const TABLEINTERRUPTS&) = delete;

 private:
  bool INSTALLED = false;
};

// The rows of the tables of BOUND under ORDER, built without the
// interpreter lock; on the main thread a SIGINT abandons the build and
// raises what Python's handler raises. A handler that raises nothing lets
// the build start again.
std::vector<BraidConjugacy::STUDYROW> BUILDROWS(std::int32_t BOUND, char ORDER) {
  const bool MAIN = ONMAINTHREAD();
  while (true) {
    try {
      const py::gil_scoped_release UNLOCKED;
      const std::lock_guard<std::mutex> ONE(BUILDING);
      if (!MAIN) {
        return BraidConjugacy::STUDYTABLEROWS(BOUND, ORDER);
      }
      const TABLEINTERRUPTS GUARD;
      return BraidConjugacy::STUDYTABLEROWS(BOUND, ORDER);
    } catch (const basics::INTERRUPTED&) {
      if (PyErr_CheckSignals() != 0) {
        throw py::error_already_set();
      }
    }
  }
}

}  // namespace

void BINDSTUDY(py::module_& M) {
  // The row type, a named tuple, made once with the module.
  const py::object ROW = py::module_::import("collections")
                             .attr("namedtuple")("StudyRow",
                                                 py::make_tuple("rank", "word", "code", "sss", "mu3",
                                                                "mu3_conjugator", "mu3sss",
                                                                "mu3sss_conjugator"));
  ROW.attr("__module__") = "korvel";
  ROW.attr("__doc__") =
      "One braid of the three-strand study table: its rank, its alternating normal word, the "
      "run-length code of that word, the codes of its super summit set joined by ',', and the "
      "ranks of mu3 (the first braid of the table with the same super summit set), of a braid "
      "of the table conjugating mu3 to it, of the first member of its super summit set, and of "
      "one conjugating that member to it; rank 0 when the table holds none.";
  M.attr("StudyRow") = ROW;

  M.def(
      "braid_table",
      [ROW](std::int64_t BOUND, std::string_view ORDERING) {
        if (BOUND > BraidConjugacy::MAXSTUDYBOUND ||
            BOUND < std::numeric_limits<std::int32_t>::min()) {
          throw py::value_error(py::str("bound must be a whole number not above {}, not {}")
                                    .format(BraidConjugacy::MAXSTUDYBOUND, BOUND)
                                    .cast<std::string>());
        }
        ORDERINGOF(ORDERING);
        // STUDYTABLEROWS leaves the program's tables and ordering option as
        // they were.
        const std::vector<BraidConjugacy::STUDYROW> ROWS =
            BUILDROWS(static_cast<std::int32_t>(BOUND), ORDERING[0]);
        py::list TABLE;
        for (const BraidConjugacy::STUDYROW& R : ROWS) {
          TABLE.append(ROW(R.RANK, R.WORD, R.CODE, R.SSS, R.MU3, R.MU3CONJ, R.MU3SSS,
                           R.MU3SSSCONJ));
        }
        return TABLE;
      },
      "bound"_a, "ordering"_a = "R",
      R"(braid_table(bound, ordering='R') -> list[StudyRow]

The three-strand study tables of the console's unlisted key B.

Returns one StudyRow per positive braid of B_3 of length at most bound, in
increasing order for the ordering, with the ranks the console lists:
(rank, word, code, sss, mu3, mu3_conjugator, mu3sss, mu3sss_conjugator).
bound is a whole number the key accepts (at most MAX_STUDY_BOUND; 0 or less
gives the table of the trivial braid alone), otherwise ValueError. The
console's own tables and ordering option are left as they were.

The tables are built by the console's single-threaded code: other threads
compute meanwhile, but two tables are built one after the other. On the main
thread Ctrl-C abandons the build (KeyboardInterrupt).)");
  M.attr("MAX_STUDY_BOUND") = BraidConjugacy::MAXSTUDYBOUND;
}

}  // namespace korvelpython
