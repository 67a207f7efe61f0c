#include "tests/support/console_capture.h"

#include "basics/console.h"

namespace korveltest {

ConsoleCapture::ConsoleCapture(const std::string& INPUT) : in_(INPUT) {
  basics::SETCONSOLE(in_, out_);
}

ConsoleCapture::~ConsoleCapture() { basics::RESETCONSOLE(); }

std::string ConsoleCapture::Output() const { return out_.str(); }

std::string ConsoleCapture::Take() {
  std::string TEXT = out_.str();
  out_.str("");
  return TEXT;
}

}  // namespace korveltest
