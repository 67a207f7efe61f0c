// The three-strand study tables for Python: braid_table.
//
// The tables are built by the console's own code, which is single-threaded
// and polls the console's interrupt flag, basics::INTERRUPTREQUESTED, at
// points that may lie a second or more apart. So a table is built on a
// thread of its own, one build at a time (a mutex), while the calling thread
// waits without the interpreter lock. On the main thread the wait looks at
// Python's signals every SIGNALINTERVAL; when a handler raises
// (KeyboardInterrupt for Ctrl-C), the call ends at once with that exception
// and raises the console's flag, and the build gives up at its next poll,
// leaving the console's tables as they were. A later braid_table waits for
// it; so does the interpreter at exit.
#include <pybind11/pybind11.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
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

// The builds under way, abandoned ones included, and their end.
std::mutex RUNNINGLOCK;
std::condition_variable RUNNINGDONE;
int RUNNING = 0;

// What the building thread and the caller share: the rows or the exception
// of the build, whether it has started and is done, and whether the caller
// gave up on it. The console's flag is raised for a build that has started
// and is not done, and for no other, and cleared when a build starts and
// ends, all under LOCK.
struct BUILD {
  std::mutex LOCK;
  std::condition_variable DONE;
  bool STARTED = false;
  bool FINISHED = false;
  bool ABANDONED = false;
  std::vector<BraidConjugacy::STUDYROW> ROWS;
  std::exception_ptr ERROR;
};

void RUNBUILD(const std::shared_ptr<BUILD>& B, std::int32_t BOUND, char ORDER) {
  {
    const std::lock_guard<std::mutex> ONE(BUILDING);
    {
      const std::lock_guard<std::mutex> STATE(B->LOCK);
      B->STARTED = !B->ABANDONED;
      basics::INTERRUPTREQUESTED = 0;
    }
    if (B->STARTED) {
      try {
        B->ROWS = BraidConjugacy::STUDYTABLEROWS(BOUND, ORDER);
      } catch (...) {
        B->ERROR = std::current_exception();
      }
    }
    const std::lock_guard<std::mutex> STATE(B->LOCK);
    B->FINISHED = true;
    basics::INTERRUPTREQUESTED = 0;
  }
  B->DONE.notify_all();
  const std::lock_guard<std::mutex> COUNT(RUNNINGLOCK);
  --RUNNING;
  RUNNINGDONE.notify_all();
}

// The rows of the tables of BOUND under ORDER; see the top of the file.
std::vector<BraidConjugacy::STUDYROW> BUILDROWS(std::int32_t BOUND, char ORDER) {
  const bool MAIN = ONMAINTHREAD();
  const auto B = std::make_shared<BUILD>();
  {
    const std::lock_guard<std::mutex> COUNT(RUNNINGLOCK);
    ++RUNNING;
  }
  std::thread(RUNBUILD, B, BOUND, ORDER).detach();
  while (true) {
    {
      const py::gil_scoped_release UNLOCKED;
      std::unique_lock<std::mutex> STATE(B->LOCK);
      if (B->DONE.wait_for(STATE, SIGNALINTERVAL, [&B] { return B->FINISHED; })) {
        break;
      }
    }
    if (MAIN && PyErr_CheckSignals() != 0) {
      const std::lock_guard<std::mutex> STATE(B->LOCK);
      B->ABANDONED = true;
      if (B->STARTED && !B->FINISHED) {
        basics::INTERRUPTREQUESTED = 1;
      }
      throw py::error_already_set();
    }
  }
  if (B->ERROR) {
    std::rethrow_exception(B->ERROR);
  }
  return std::move(B->ROWS);
}

// Waits for the builds under way, abandoned ones included: at exit, before
// the interpreter and the console's tables go.
void WAITFORBUILDS() {
  const py::gil_scoped_release UNLOCKED;
  std::unique_lock<std::mutex> COUNT(RUNNINGLOCK);
  RUNNINGDONE.wait(COUNT, [] { return RUNNING == 0; });
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
      [ROW](py::handle BOUNDARGUMENT, std::string_view ORDERING) {
        // An int of any size: one beyond 64 bits is refused like any other
        // out of range, with ValueError. A table lists the braids of
        // length 1 to bound (with the trivial one): a bound below 1 asks
        // for no table.
        if (PyBool_Check(BOUNDARGUMENT.ptr()) || !PyIndex_Check(BOUNDARGUMENT.ptr())) {
          throw py::type_error(py::str("bound must be an int, not {}")
                                   .format(py::type::handle_of(BOUNDARGUMENT).attr("__name__"))
                                   .cast<std::string>());
        }
        const py::object VALUE =
            py::reinterpret_steal<py::object>(PyNumber_Index(BOUNDARGUMENT.ptr()));
        if (!VALUE) {
          throw py::error_already_set();
        }
        int OVERFLOW = 0;
        const long long BOUND = PyLong_AsLongLongAndOverflow(VALUE.ptr(), &OVERFLOW);
        if (OVERFLOW != 0 || BOUND > BraidConjugacy::MAXSTUDYBOUND || BOUND < 1) {
          throw py::value_error(py::str("bound must be an int from 1 to {}, not {}")
                                    .format(BraidConjugacy::MAXSTUDYBOUND, VALUE)
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
bound is an int from 1 to MAX_STUDY_BOUND, otherwise ValueError. The
console's own tables and ordering option are left as they were.

The tables are built by the console's single-threaded code, on a thread of
its own: other threads compute meanwhile, but two tables are built one after
the other. On the main thread Ctrl-C ends the call at once
(KeyboardInterrupt); the build stops at its next look at the console's
interrupt flag, and a later braid_table waits until it has.)");
  M.attr("MAX_STUDY_BOUND") = BraidConjugacy::MAXSTUDYBOUND;
  M.def("_wait_for_builds", &WAITFORBUILDS,
        "_wait_for_builds() -> None\n\nWaits for the table builds under way; run at exit.");
  py::module_::import("atexit").attr("register")(M.attr("_wait_for_builds"));
}

}  // namespace korvelpython
