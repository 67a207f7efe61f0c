// The errors of Korvel's interface for programs.
//
// Every exception a korvel:: function throws derives from std::exception, so
// that one catch (const std::exception&) takes them all, and what() says what
// happened:
//
//   BoundExceeded       (std::length_error) a word would have passed the
//                       longest a computation may build, limit() letters;
//   Interrupted         (std::runtime_error) a stop request was taken;
//   SetTooLarge         (std::runtime_error) a summit set, or another set a
//                       computation explores, would have passed its limit;
//   std::invalid_argument, std::domain_error, std::length_error: refused
//                       arguments; std::logic_error: an answer that failed
//                       its check (never returned); std::bad_alloc.
//
// An exception thrown by the callback of a StopRequest reaches the caller as
// it was thrown. A computation that throws leaves its arguments unchanged.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace korvel {

// The longest word a braid record holds, 2^31 - 1 letters: the limit of a
// computation given no max_length.
inline constexpr std::size_t MAX_WORD_LENGTH = 2147483647;

// Thrown when a computation would build a word longer than its limit.
class BoundExceeded : public std::length_error {
 public:
  explicit BoundExceeded(std::size_t limit);
  // The limit passed, in letters: Limits::max_length, or MAX_WORD_LENGTH.
  std::size_t limit() const noexcept { return limit_; }

 private:
  std::size_t limit_;
};

// Thrown when a computation took its stop request.
class Interrupted : public std::runtime_error {
 public:
  Interrupted();
};

// Thrown when a set would have more members than the limit given; what()
// names the set and the limit.
class SetTooLarge : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace korvel
