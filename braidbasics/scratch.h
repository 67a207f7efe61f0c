// Scratch arrays of the algorithms: room for N entries on the stack, on the
// heap beyond that.
//
// The console's words (at most 2000 letters on at most 27 strands) fit the
// stack part, so its computations allocate nothing for scratch, as when the
// record had a fixed capacity; a program's long word or wide braid gets a
// vector of the size it needs. Not shared: each computation has its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace BraidBasics {

template <typename T, std::size_t N>
class BSCRATCH {
 public:
  explicit BSCRATCH(std::size_t SIZE) { GROW(SIZE); }
  BSCRATCH(const BSCRATCH&) = delete;
  BSCRATCH& operator=(const BSCRATCH&) = delete;

  // Makes entries 0..SIZE-1 usable, keeping the values of those that were.
  void GROW(std::size_t SIZE) {
    if (SIZE <= CAPACITY) {
      return;
    }
    const std::size_t NEWCAPACITY = std::max(SIZE, 2 * CAPACITY);
    if (HEAP.empty()) {
      HEAP.resize(NEWCAPACITY);
      std::copy(STACK, STACK + CAPACITY, HEAP.begin());
    } else {
      HEAP.resize(NEWCAPACITY);
    }
    DATA = HEAP.data();
    CAPACITY = NEWCAPACITY;
  }

  T& operator[](std::size_t K) { return DATA[K]; }
  const T& operator[](std::size_t K) const { return DATA[K]; }

 private:
  T STACK[N];
  std::vector<T> HEAP;
  T* DATA = STACK;
  std::size_t CAPACITY = N;
};

}  // namespace BraidBasics
