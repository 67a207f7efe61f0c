// The conjugacy test of the Garside library on seeded random pairs: a, a word
// of L letters on n strands (n = 4, 6, 8, 10; L = 20, 60, 150), and
// b = w^-1 a w with w a word of L/2 letters. The time is per pair, from the
// two words to the word of the conjugator, cycling through PAIRS pairs.
//
// Counters, computed once per case before the timing, outside it:
//   worst_ms, over_10ms   the slowest pair and the pairs over 10 ms, each pair
//                         timed once;
//   sc_mean, sc_max       the members of the sliding circuits SC(a), the
//                         whole set (the test usually explores a part);
//   uss_max, sss_max      the largest ultra and super summit sets, counted
//                         up to SETLIMIT members (sets_over: how many reached it);
//   r_mean                the mean canonical length of a's summit elements.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "garside/conjugacy.h"
#include "garside/summit.h"
#include "garside/summitsets.h"
#include "tests/garside/tietze.h"

namespace {

using garside::Word;

constexpr int PAIRS = 40;
constexpr std::size_t SETLIMIT = 20000;

using garsidetest::conjugated;
using garsidetest::random_word;

std::size_t members(const std::vector<std::vector<garside::Conjugate>>& orbits) {
  std::size_t c = 0;
  for (const auto& o : orbits) {
    c += o.size();
  }
  return c;
}

void BM_ConjugacyTest(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  std::mt19937 gen(static_cast<unsigned>(1000 * n + length));
  std::vector<std::pair<Word, Word>> pairs;
  for (int k = 0; k < PAIRS; ++k) {
    const Word a = random_word(gen, n, length);
    pairs.emplace_back(a, conjugated(a, random_word(gen, n, length / 2)));
  }

  double worst = 0;
  double slow = 0;
  double sc_sum = 0;
  double sc_max = 0;
  double uss_max = 0;
  double sss_max = 0;
  double over = 0;
  double r_sum = 0;
  for (const auto& [a, b] : pairs) {
    const auto start = std::chrono::steady_clock::now();
    const auto c = garside::is_conjugate(n, a, b, 0);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    worst = std::max(worst, ms);
    slow += ms > 10 ? 1 : 0;
    if (!c) {
      state.SkipWithError("a conjugate pair was not found conjugate");
      return;
    }
    const garside::NormalForm x = garside::normal_form(n, a);
    const auto sc = static_cast<double>(members(garside::sliding_circuits(x, 0)));
    sc_sum += sc;
    sc_max = std::max(sc_max, sc);
    r_sum += static_cast<double>(
        garside::canonical_length(garside::sliding_circuit_element(x).element));
    try {
      uss_max = std::max(uss_max, static_cast<double>(members(garside::ultra_summit_set(x, SETLIMIT))));
    } catch (const garside::SetTooLarge&) {
      uss_max = static_cast<double>(SETLIMIT);
      ++over;
    }
    try {
      sss_max = std::max(sss_max, static_cast<double>(garside::super_summit_set(x, SETLIMIT).size()));
    } catch (const garside::SetTooLarge&) {
      sss_max = static_cast<double>(SETLIMIT);
      ++over;
    }
  }

  std::size_t k = 0;
  for (auto _ : state) {
    const auto& [a, b] = pairs[k];
    benchmark::DoNotOptimize(garside::is_conjugate(n, a, b, 0));
    k = (k + 1) % pairs.size();
  }
  state.counters["worst_ms"] = worst;
  state.counters["over_10ms"] = slow;
  state.counters["sc_mean"] = sc_sum / PAIRS;
  state.counters["sc_max"] = sc_max;
  state.counters["uss_max"] = uss_max;
  state.counters["sss_max"] = sss_max;
  state.counters["sets_over"] = over;
  state.counters["r_mean"] = r_sum / PAIRS;
}

BENCHMARK(BM_ConjugacyTest)
    ->ArgsProduct({{4, 6, 8, 10}, {20, 60, 150}})
    ->ArgNames({"strands", "letters"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
