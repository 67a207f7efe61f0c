// The everyday run checks a seeded share of the cases of the long tests; the
// long tier checks all of them.
//
//   KORVEL_TEST_SHARE=k   one case in k is checked (default 10); 1 checks all
//                         (the long tier sets it).
//   KORVEL_TEST_SEED=s    which cases: case i runs when a hash of (s, i) is
//                         0 modulo k. Unset, s is taken from the clock, so
//                         that every run checks other cases; it is printed
//                         once, and a failing run is replayed exactly by
//                         setting it.
//
// A loop over N seeded cases keeps drawing every case from its own seed (so
// that case i is the same braid in every run) and skips the ones that
// sampled(i) leaves out.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace testsupport {

// k: one case in k is checked.
inline std::uint64_t share() {
  static const std::uint64_t K = [] {
    const char* S = std::getenv("KORVEL_TEST_SHARE");
    const long long V = S != nullptr ? std::atoll(S) : 10;
    return V >= 1 ? static_cast<std::uint64_t>(V) : std::uint64_t{1};
  }();
  return K;
}

// The seed of this run's sample, printed once (on standard error, which
// ctest --output-on-failure shows for a failing test).
inline std::uint64_t sample_seed() {
  static const std::uint64_t SEED = [] {
    const char* S = std::getenv("KORVEL_TEST_SEED");
    const std::uint64_t V =
        S != nullptr ? std::strtoull(S, nullptr, 10)
                     : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) %
                           1000000007ULL;
    std::fprintf(stderr, "sampling one case in %llu with KORVEL_TEST_SEED=%llu (set it to replay this run)\n",
                 static_cast<unsigned long long>(share()), static_cast<unsigned long long>(V));
    return V;
  }();
  return SEED;
}

// A well-mixed 64-bit hash (splitmix64's finalizer).
inline std::uint64_t mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// Whether case I of a long loop is checked in this run. STREAM tells loops
// apart, so that two loops of one run sample different case numbers.
inline bool sampled(std::uint64_t i, std::uint64_t stream = 0) {
  if (share() == 1) return true;
  return mix(mix(sample_seed() ^ mix(stream)) ^ i) % share() == 0;
}

// A trace for SCOPED_TRACE that names the case and how to replay the run.
inline std::string replay(std::uint64_t i) {
  return "case " + std::to_string(i) + " (replay: KORVEL_TEST_SEED=" + std::to_string(sample_seed()) +
         " KORVEL_TEST_SHARE=" + std::to_string(share()) + ")";
}

}  // namespace testsupport
