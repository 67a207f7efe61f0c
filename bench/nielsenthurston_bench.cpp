// The Nielsen-Thurston type and the centralizer through the interface for
// programs, on seeded random braids: BRAIDS words of L letters on n strands
// (n = 4, 6, 8, 10; L = 20, 60, 200), with the interface's checks included.
// The time is per braid, cycling through the braids.
//
// Counters, from one timed call per braid before the timing, outside it:
//   periodic, reducible, pseudo_anosov, too_large   how many braids of each
//                         type (too_large: the summit set passed the default
//                         limit);
//   <type>_median_ms, <type>_worst_ms               the median and the
//                         slowest call on the braids of that type;
//   generators_mean, generators_max                 the centralizer's
//                         generators.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "korvel/korvel.h"

namespace {

using korvel::Braid;

constexpr int BRAIDS = 40;

std::vector<Braid> seeded_braids(int n, int length) {
  std::mt19937_64 gen(static_cast<std::uint64_t>(1000 * n + length));
  std::vector<Braid> result;
  for (int k = 0; k < BRAIDS; ++k) {
    std::vector<int> word;
    for (int i = 0; i < length; ++i) {
      const int g = 1 + static_cast<int>(gen() % static_cast<unsigned>(n - 1));
      word.push_back(gen() % 2 == 0 ? g : -g);
    }
    result.emplace_back(word, n);
  }
  return result;
}

const char* name_of(korvel::ThurstonType t) {
  switch (t) {
    case korvel::ThurstonType::periodic:
      return "periodic";
    case korvel::ThurstonType::reducible:
      return "reducible";
    case korvel::ThurstonType::pseudo_anosov:
      break;
  }
  return "pseudo_anosov";
}

double milliseconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The counters of per-type times: count, median and worst.
void type_counters(benchmark::State& state, std::map<std::string, std::vector<double>>& times, int too_large) {
  for (const char* name : {"periodic", "reducible", "pseudo_anosov"}) {
    std::vector<double>& t = times[name];
    std::sort(t.begin(), t.end());
    state.counters[name] = static_cast<double>(t.size());
    if (!t.empty()) {
      state.counters[std::string(name) + "_median_ms"] = t[t.size() / 2];
      state.counters[std::string(name) + "_worst_ms"] = t.back();
    }
  }
  state.counters["too_large"] = too_large;
}

// The braids whose sets stay within the default limit, and the type of each.
std::vector<std::pair<Braid, korvel::ThurstonType>> typed_braids(int n, int length, benchmark::State& state,
                                                                 std::map<std::string, std::vector<double>>& times,
                                                                 int& too_large) {
  std::vector<std::pair<Braid, korvel::ThurstonType>> result;
  for (const Braid& b : seeded_braids(n, length)) {
    const auto start = std::chrono::steady_clock::now();
    try {
      const korvel::ThurstonType t = korvel::thurston_type(b);
      times[name_of(t)].push_back(milliseconds_since(start));
      result.emplace_back(b, t);
    } catch (const korvel::SetTooLarge&) {
      ++too_large;
    }
  }
  if (result.empty()) {
    state.SkipWithError("every braid passed the limit");
  }
  return result;
}

void BM_ThurstonType(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  std::map<std::string, std::vector<double>> times;
  int too_large = 0;
  const auto braids = typed_braids(n, length, state, times, too_large);
  type_counters(state, times, too_large);
  std::size_t k = 0;
  for (auto _ : state) {
    if (braids.empty()) break;
    benchmark::DoNotOptimize(korvel::thurston_type(braids[k].first));
    k = (k + 1) % braids.size();
  }
}

void BM_Centralizer(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  std::map<std::string, std::vector<double>> unused;
  int too_large = 0;
  const auto typed = typed_braids(n, length, state, unused, too_large);
  std::map<std::string, std::vector<double>> times;
  std::vector<Braid> braids;
  double generators = 0;
  double generators_max = 0;
  for (const auto& [b, t] : typed) {
    const auto start = std::chrono::steady_clock::now();
    try {
      const std::size_t g = korvel::centralizer(b).size();
      times[name_of(t)].push_back(milliseconds_since(start));
      generators += static_cast<double>(g);
      generators_max = std::max(generators_max, static_cast<double>(g));
      braids.push_back(b);
    } catch (const korvel::SetTooLarge&) {
      ++too_large;
    }
  }
  type_counters(state, times, too_large);
  state.counters["generators_mean"] = braids.empty() ? 0 : generators / static_cast<double>(braids.size());
  state.counters["generators_max"] = generators_max;
  std::size_t k = 0;
  for (auto _ : state) {
    if (braids.empty()) break;
    benchmark::DoNotOptimize(korvel::centralizer(braids[k]));
    k = (k + 1) % braids.size();
  }
}

}  // namespace

BENCHMARK(BM_ThurstonType)
    ->ArgsProduct({{4, 6, 8, 10}, {20, 60, 200}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Centralizer)
    ->ArgsProduct({{4, 6, 8, 10}, {20, 60, 200}})
    ->Unit(benchmark::kMillisecond);
