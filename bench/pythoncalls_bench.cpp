// The C++ side of bench/python_calls.py: the calls of the interface for
// programs behind korvel.is_trivial and korvel.compare, on the very words the
// Python benchmark uses, so that the difference of the two times is what the
// Python module adds to a call (argument conversion, releasing and taking
// back the interpreter lock, the stop request, the result). The words are
// built here from the same generator as there.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "korvel/braid.h"
#include "korvel/computations.h"

namespace {

constexpr int WORDS = 64;  // cycled through by the iterations

// The words of python_calls.py: a 64-bit linear congruential generator
// seeded with 2016 + LENGTH, each letter "abcdABCD"[(x >> 33) % 8].
std::vector<std::string> WORDSOF(int LENGTH) {
  std::uint64_t X = 2016 + static_cast<std::uint64_t>(LENGTH);
  std::vector<std::string> RESULT;
  for (int K = 0; K < WORDS; ++K) {
    std::string W;
    for (int R = 0; R < LENGTH; ++R) {
      X = X * 6364136223846793005ULL + 1442695040888963407ULL;
      W.push_back("abcdABCD"[(X >> 33) % 8]);
    }
    RESULT.push_back(W);
  }
  return RESULT;
}

std::vector<korvel::Braid> BRAIDSOF(int LENGTH) {
  std::vector<korvel::Braid> RESULT;
  for (const std::string& W : WORDSOF(LENGTH)) {
    RESULT.emplace_back(W);
  }
  return RESULT;
}

// korvel.is_trivial(str): the braid made from the letters, then the call.
void BM_IsTrivial(benchmark::State& STATE) {
  const std::vector<std::string> WORDS = WORDSOF(static_cast<int>(STATE.range(0)));
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(korvel::is_trivial(korvel::Braid(WORDS[K])));
    K = (K + 1) % WORDS.size();
  }
}
// The empty word measures the cost of a call itself.
BENCHMARK(BM_IsTrivial)->Arg(0)->Arg(20)->Arg(500);

// korvel.compare(str, str).
void BM_Compare(benchmark::State& STATE) {
  const std::vector<std::string> WORDS = WORDSOF(static_cast<int>(STATE.range(0)));
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(korvel::compare(korvel::Braid(WORDS[K]),
                                             korvel::Braid(WORDS[(K + 1) % WORDS.size()])));
    K = (K + 1) % WORDS.size();
  }
}
BENCHMARK(BM_Compare)->Arg(20)->Arg(500);

// korvel.compare(Braid, Braid): the braids made once.
void BM_CompareBraids(benchmark::State& STATE) {
  const std::vector<korvel::Braid> BRAIDS = BRAIDSOF(static_cast<int>(STATE.range(0)));
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(korvel::compare(BRAIDS[K], BRAIDS[(K + 1) % BRAIDS.size()]));
    K = (K + 1) % BRAIDS.size();
  }
}
BENCHMARK(BM_CompareBraids)->Arg(20)->Arg(500);

}  // namespace
