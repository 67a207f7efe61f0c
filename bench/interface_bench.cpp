// The interface for programs on long braids: the figures the coordinates and
// handle reduction reach on seeded random words, and the choice of the
// automatic method. Peak memory: bench/interface_memory.sh.
#include <benchmark/benchmark.h>

#include <random>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;
using korvel::Method;

Method METHOD(std::int64_t K) {
  return K == 0 ? Method::Automatic : (K == 1 ? Method::Handles : Method::Coordinates);
}

// compare of two random words of LENGTH letters on STRANDS strands.
void BM_Compare(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937_64 gen(42 + length);
  const Braid a = korveltest::RANDOMBRAID(gen, strands, length);
  const Braid b = korveltest::RANDOMBRAID(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(korvel::compare(a, b, korvel::Ordering::R, METHOD(state.range(2))));
  }
}
BENCHMARK(BM_Compare)
    ->ArgNames({"strands", "letters", "method"})
    ->Args({10, 100, 1})->Args({10, 100, 2})
    ->Args({10, 400, 1})->Args({10, 400, 2})
    ->Args({10, 1000, 1})->Args({10, 1000, 2})
    ->Args({3, 1000, 1})->Args({3, 1000, 2})
    ->Args({30, 1000, 1})->Args({30, 1000, 2})
    ->Args({10, 10000, 0})->Args({10, 10000, 1})->Args({10, 10000, 2})
    ->Args({10, 100000, 0})
    ->Unit(benchmark::kMillisecond);

// The sign of one random word of LENGTH letters.
void BM_Sign(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937_64 gen(7 + length);
  const Braid a = korveltest::RANDOMBRAID(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(korvel::sign(a, korvel::Ordering::R, METHOD(state.range(2))));
  }
}
BENCHMARK(BM_Sign)
    ->ArgNames({"strands", "letters", "method"})
    ->Args({3, 1000000, 0})->Args({10, 1000000, 0})
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// equal on two spellings of one 100,000-letter braid: every method must read
// both to the end.
void BM_EqualSpellings(benchmark::State& state) {
  std::mt19937_64 gen(9);
  const Braid a = korveltest::RANDOMBRAID(gen, 10, 100000);
  const Braid b = korveltest::REWRITTEN(gen, a, 20000);
  for (auto _ : state) {
    benchmark::DoNotOptimize(korvel::equal(a, b, METHOD(state.range(0))));
  }
  state.counters["letters_b"] = static_cast<double>(b.length());
}
BENCHMARK(BM_EqualSpellings)->ArgNames({"method"})->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
