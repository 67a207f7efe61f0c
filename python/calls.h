// How the module runs a computation: without the interpreter lock, so that
// Python threads compute in parallel, and abandonable by Ctrl-C.
//
// The arguments are converted to korvel::Braid values first, with the lock
// held; then COMPUTE releases the lock and runs the computation on those
// values alone, and takes the lock again for the result. A call on the main
// thread passes the computation a stop request whose callback, at most every
// SIGNALINTERVAL, takes the lock and runs Python's pending signal handlers
// (PyErr_CheckSignals): when one raises (KeyboardInterrupt for SIGINT), the
// computation stops, and that exception reaches the caller. Python runs its
// signal handlers on the main thread only, so other threads pass no request
// and pay nothing for polling.
#pragma once

#include <pybind11/pybind11.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <utility>

#include "braidarguments.h"
#include "korvel/computations.h"
#include "korvel/detail/records.h"
#include "korvel/errors.h"

namespace korvelpython {

// The most time between two looks at Python's pending signals during a
// computation on the main thread.
inline constexpr std::chrono::milliseconds SIGNALINTERVAL{20};

// Records the identity of Python's main thread: at import, and again in the
// child of a fork (whose main thread is the thread that forked).
void RECORDMAINTHREAD();

// Whether the calling thread is Python's main thread.
bool ONMAINTHREAD();

// The stop request of one call: on the main thread, one that polls Python's
// signals; elsewhere none. Made with the lock held.
class CALLSTOP {
 public:
  CALLSTOP();
  CALLSTOP(const CALLSTOP&) = delete;
  CALLSTOP& operator=(const CALLSTOP&) = delete;

  const korvel::StopRequest* REQUEST() const { return STOP ? &*STOP : nullptr; }

 private:
  std::optional<korvel::StopRequest> STOP;
};

// After a computation took its stop request: raises the Python exception a
// signal handler left pending (KeyboardInterrupt when there is none).
[[noreturn]] void RAISEINTERRUPTED();

// FN(LIMITS) without the interpreter lock, LIMITS holding MAXLENGTH and the
// call's stop request. FN may call the interface or the core: the core's
// exceptions are first made the interface's (korvel::detail::translated);
// korvel::BoundExceeded becomes korvel.BoundExceeded naming MAXLENGTH
// (without one, the capacity of a word, 2^31 - 1 letters), korvel::Interrupted
// the pending Python exception; other exceptions pass through (std::bad_alloc
// is MemoryError). FN must touch no Python object.
template <class FUNCTION>
auto COMPUTE(std::optional<std::size_t> MAXLENGTH, FUNCTION&& FN) {
  const CALLSTOP STOP;
  const korvel::Limits LIMITS{MAXLENGTH, STOP.REQUEST()};
  try {
    py::gil_scoped_release UNLOCKED;
    return korvel::detail::translated(LIMITS, [&] { return std::forward<FUNCTION>(FN)(LIMITS); });
  } catch (const korvel::Interrupted&) {
    RAISEINTERRUPTED();
  } catch (const korvel::BoundExceeded&) {
    RAISEBOUNDEXCEEDED(MAXLENGTH.value_or(korvel::MAX_WORD_LENGTH));
  }
}

}  // namespace korvelpython
