// The computations of Korvel on korvel::Braid values.
//
// Every function takes what it depends on as arguments: the ordering, the
// method, and a Limits value (the longest word a computation may build and a
// stop request). None reads or writes a global, so calls on different braids
// (or on the same braid, which is only read) may run in parallel threads.
//
// Two exact methods decide equality and the R- and F-orderings:
//
//   Method::Handles      handle reduction of a^-1 b to a sigma-definite word;
//                        its words may grow, so Limits::max_length applies.
//   Method::Coordinates  the Dynnikov coordinates, the faithful action of B_n
//                        on Z^(2n) by piecewise-linear maps: one pass over the
//                        letters with big integers; its cost is guaranteed,
//                        O(length x size of the numbers), and no word grows.
//   Method::Automatic    the one that is faster for the input: handle
//                        reduction for words of at most 32 letters and for
//                        words on more than four times as many strands as
//                        letters, the coordinates otherwise (choose_method).
//
// The U-ordering (Dubrovina-Dubrovin) is decided by handle reduction only.
//
// Failures (errors.h; every one is a std::exception): a word that would grow
// past Limits::max_length throws BoundExceeded; a stop request that fires
// throws Interrupted; running out of memory throws std::bad_alloc. In each
// case the arguments are unchanged (they are const).
//
// Spans of letters are half-open, as in Python: [begin, end) holds the
// 0-based letters begin, ..., end - 1, so end - begin letters, and the word
// of a span is word[begin:end].
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <gmpxx.h>

#include "korvel/braid.h"
#include "korvel/errors.h"

namespace korvel {

enum class Ordering { R, F, U };
enum class Method { Automatic, Handles, Coordinates };

// A request to stop, owned by the caller: request_stop() may be called from
// any thread (or a signal handler); a computation given the request polls it
// where the console polls Ctrl-C (every pass of a reduction, every reversing,
// every few thousand letters of the coordinates) and throws Interrupted.
// An optional callback is asked at the same points; it returns true to stop.
class StopRequest {
 public:
  StopRequest();
  explicit StopRequest(std::function<bool()> poll);
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;
  ~StopRequest();

  void request_stop() { flag_.store(true, std::memory_order_relaxed); }
  void reset() { flag_.store(false, std::memory_order_relaxed); }
  bool stop_requested() const;

  // What the computations read: opaque to programs, built once with the
  // request and pointing at its flag.
  struct Core;
  const Core* core() const { return core_.get(); }

 private:
  std::atomic<bool> flag_{false};
  std::unique_ptr<Core> core_;
};

// What a computation is given besides its braids.
struct Limits {
  // The longest word the computation may build, in letters; none when empty.
  std::optional<std::size_t> max_length;
  // Polled during the computation; none when null.
  const StopRequest* stop = nullptr;
};

// The method Automatic takes for a word of LENGTH letters on STRANDS strands.
Method choose_method(std::size_t length, int strands);

// -1 when a < b, 0 when a and b are the same braid, 1 when a > b; a < b
// exactly when a^-1 b is larger than 1 in the ordering. Both braids are taken
// on the larger strand count, which is the n of the flip for Ordering::F.
int compare(const Braid& a, const Braid& b, Ordering ordering = Ordering::R,
            Method method = Method::Automatic, const Limits& limits = {});

// -1, 0 or 1: B smaller than, equal to or larger than the trivial braid.
int sign(const Braid& b, Ordering ordering = Ordering::R, Method method = Method::Automatic,
         const Limits& limits = {});

// Whether A and B are the same braid.
bool equal(const Braid& a, const Braid& b, Method method = Method::Automatic,
           const Limits& limits = {});

// Whether B is the trivial braid.
bool is_trivial(const Braid& b, Method method = Method::Automatic, const Limits& limits = {});

// The handle-free word that handle reduction (with free reduction) gives for
// B under the ordering (for F, reduced between two flips on b.strands()); the
// same braid, sigma-definite: its sign is the sign of its first letter of
// least index (R, U) or greatest index (F).
Braid handle_reduce(const Braid& b, Ordering ordering = Ordering::R, const Limits& limits = {});

// The steps of that reduction (R-ordering, without free reduction): each
// word before a pass with its handle as the span [first, second) of its
// letters (for abAB, the handle abA is [0, 3)), the last step holding the
// handle-free result and no handle.
struct ReductionStep {
  Braid word;
  std::optional<std::pair<std::size_t, std::size_t>> handle;
};
std::vector<ReductionStep> handle_reduction_steps(const Braid& b, const Limits& limits = {});

// Delta^delta_power A_1 ... A_r on `strands` strands: A_i the left-greedy
// simple factors (positive braids dividing Delta, none equal to Delta nor
// trivial), delta_power any integer.
struct LeftNormalForm {
  long long delta_power = 0;
  std::vector<Braid> factors;
  int strands = 1;
  // The braid it stands for.
  Braid braid() const;
};
LeftNormalForm left_normal_form(const Braid& b, const Limits& limits = {});

// B = D^-1 N with D and N positive braids without common left divisor, each
// given as its left normal form (delta_power >= 0).
struct SymmetricNormalForm {
  LeftNormalForm denominator;
  LeftNormalForm numerator;
  Braid braid() const;
};
SymmetricNormalForm symmetric_normal_form(const Braid& b, const Limits& limits = {});

// The Dynnikov coordinates (a_1, b_1, ..., a_n, b_n) of B, n = b.strands():
// the image of (0, 1, ..., 0, 1) under the letters read from left to right.
std::vector<mpz_class> coordinates(const Braid& b, const Limits& limits = {});

}  // namespace korvel
