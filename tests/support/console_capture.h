// Drives procedures of Korvel in-process: the console reads INPUT and writes
// into a string for as long as the capture lives.
#pragma once

#include <sstream>
#include <string>

namespace korveltest {

class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& INPUT = "");
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // Everything written since the capture began (or since the last Take).
  std::string Output() const;
  std::string Take();

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace korveltest
