// The entropy of seeded random braids (index and sign of each letter drawn
// uniformly) to 1e-6 and to 1e-9: 64 words of 100 letters on 10 strands, 64
// of 1000 letters on 10 strands and 64 of 100 letters on 30 strands, made
// before the timing starts, one braid per iteration in turn. Times are per
// braid; the counters give the mean entropy and the mean entropy per letter.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "coordinates/entropy.h"
#include "tests/coordinates/words.h"

namespace {

using coordtest::word;

constexpr int braids = 64;

void BM_Entropy(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  const double tolerance = state.range(2) == 6 ? 1e-6 : 1e-9;
  std::mt19937 gen(1000003U * static_cast<unsigned>(strands) + static_cast<unsigned>(length));
  std::vector<word> words;
  for (int k = 0; k < braids; ++k) {
    words.push_back(coordtest::random_word(gen, strands, length));
  }
  // One braid per iteration, the words in turn: the time is per braid.
  double sum = 0;
  std::size_t k = 0;
  for (auto _ : state) {
    const double h = coordinates::entropy(words[k], strands, tolerance);
    benchmark::DoNotOptimize(h);
    sum += h;
    k = (k + 1) % words.size();
  }
  state.counters["mean_entropy"] = sum / static_cast<double>(state.iterations());
  state.counters["entropy_per_letter"] = state.counters["mean_entropy"].value / static_cast<double>(length);
}
// Arguments: strands, letters, -log10 of the tolerance.
BENCHMARK(BM_Entropy)
    ->Args({10, 100, 6})
    ->Args({10, 100, 9})
    ->Args({10, 1000, 6})
    ->Args({30, 100, 6})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
