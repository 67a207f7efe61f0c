#include "calls.h"

#include <Python.h>
#include <pythread.h>

namespace korvelpython {

namespace {

// Python's main thread, as threading.main_thread() names it.
unsigned long MAINTHREAD = 0;

}  // namespace

void RECORDMAINTHREAD() {
  MAINTHREAD =
      py::module_::import("threading").attr("main_thread")().attr("ident").cast<unsigned long>();
}

bool ONMAINTHREAD() { return PyThread_get_thread_ident() == MAINTHREAD; }

CALLSTOP::CALLSTOP() {
  if (!ONMAINTHREAD()) {
    return;
  }
  // Called on this thread only, between steps of the computation; it looks
  // at the signals when SIGNALINTERVAL has passed since the call began or
  // since it last looked. A handler that raises leaves its exception set
  // in this thread's state, where RAISEINTERRUPTED finds it.
  STOP.emplace([NEXT = std::chrono::steady_clock::now() + SIGNALINTERVAL]() mutable {
    const auto NOW = std::chrono::steady_clock::now();
    if (NOW < NEXT) {
      return false;
    }
    NEXT = NOW + SIGNALINTERVAL;
    const py::gil_scoped_acquire LOCKED;
    return PyErr_CheckSignals() != 0;
  });
}

void RAISEINTERRUPTED() {
  if (!PyErr_Occurred()) {
    PyErr_SetNone(PyExc_KeyboardInterrupt);
  }
  throw py::error_already_set();
}

}  // namespace korvelpython
