// The C++ side of bench/python_calls.py: the core calls behind
// korvel.is_trivial and korvel.compare on the very words the Python
// benchmark uses, so that the difference of the two times is what the
// Python module adds to a call (argument conversion, the ordering guard,
// the result). The words are built here from the same generator as there.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "handlereduction/orderings.h"
#include "handlereduction/reduction.h"

namespace {

using BraidBasics::BRAID;

constexpr int WORDS = 64;  // cycled through by the iterations

// The words of python_calls.py: a 64-bit linear congruential generator
// seeded with 2016 + LENGTH, each letter "abcdABCD"[(x >> 33) % 8].
std::vector<BRAID> WORDSOF(int LENGTH) {
  std::uint64_t X = 2016 + static_cast<std::uint64_t>(LENGTH);
  std::vector<BRAID> RESULT;
  for (int K = 0; K < WORDS; ++K) {
    std::string W;
    for (int R = 0; R < LENGTH; ++R) {
      X = X * 6364136223846793005ULL + 1442695040888963407ULL;
      W.push_back("abcdABCD"[(X >> 33) % 8]);
    }
    BRAID B;
    BraidBasics::BDEF(B, W);
    RESULT.push_back(B);
  }
  return RESULT;
}

void BM_IsTrivial(benchmark::State& STATE) {
  const std::vector<BRAID> BRAIDS = WORDSOF(static_cast<int>(STATE.range(0)));
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(handlereduction::BEQUIV(BraidBasics::BONE(), BRAIDS[K]));
    K = (K + 1) % BRAIDS.size();
  }
}
// The empty word measures the cost of a call itself.
BENCHMARK(BM_IsTrivial)->Arg(0)->Arg(20)->Arg(500);

void BM_Compare(benchmark::State& STATE) {
  const std::vector<BRAID> BRAIDS = WORDSOF(static_cast<int>(STATE.range(0)));
  handlereduction::BORDEROPTION = 'R';
  BRAID QUOTIENT;
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(
        handlereduction::BCOMPARE(BRAIDS[K], BRAIDS[(K + 1) % BRAIDS.size()], QUOTIENT));
    K = (K + 1) % BRAIDS.size();
  }
}
BENCHMARK(BM_Compare)->Arg(20)->Arg(500);

}  // namespace
