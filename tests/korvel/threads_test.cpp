// Computations from several threads at once, and stop requests. Run under
// ThreadSanitizer in its own stage of the checks: every answer must equal
// the single-threaded one, and no data race may be reported.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;
using korvel::Method;
using korvel::Ordering;

struct Answers {
  std::vector<int> values;
  bool operator==(const Answers&) const = default;
};

// A mixed batch of calls on the braids of SEED: signs, comparisons,
// equalities, reductions and normal forms, under every method.
Answers BATCH(std::uint64_t SEED) {
  std::mt19937_64 GEN(SEED);
  Answers A;
  for (int K = 0; K < 40; ++K) {
    const int N = 2 + static_cast<int>(GEN() % 8);
    const Braid X = korveltest::RANDOMBRAID(GEN, N, 1 + GEN() % 600);
    const Braid Y = korveltest::RANDOMBRAID(GEN, N, 1 + GEN() % 600);
    A.values.push_back(korvel::compare(X, Y, Ordering::R, Method::Handles));
    A.values.push_back(korvel::compare(X, Y, Ordering::F, Method::Coordinates));
    A.values.push_back(korvel::sign(X, Ordering::U));
    A.values.push_back(korvel::equal(X, korveltest::REWRITTEN(GEN, X, 50)) ? 1 : 0);
    A.values.push_back(static_cast<int>(korvel::handle_reduce(X).length()));
    if (X.length() < 60) {
      A.values.push_back(static_cast<int>(korvel::left_normal_form(X).delta_power));
      A.values.push_back(static_cast<int>(korvel::symmetric_normal_form(X).numerator.factors.size()));
    }
  }
  return A;
}

// RUN(BASE + t) for t = 0 .. 3, each in a thread of its own while the others
// run, gives what it gives alone.
void EXPECT_SAME_IN_FOUR_THREADS(Answers (*RUN)(std::uint64_t), std::uint64_t BASE) {
  constexpr int THREADS = 4;
  std::vector<Answers> ALONE;
  for (int T = 0; T < THREADS; ++T) {
    ALONE.push_back(RUN(BASE + static_cast<std::uint64_t>(T)));
  }
  std::vector<Answers> TOGETHER(THREADS);
  std::vector<std::thread> POOL;
  for (int T = 0; T < THREADS; ++T) {
    POOL.emplace_back([&TOGETHER, RUN, BASE, T] {
      TOGETHER[static_cast<std::size_t>(T)] = RUN(BASE + static_cast<std::uint64_t>(T));
    });
  }
  for (std::thread& P : POOL) {
    P.join();
  }
  for (int T = 0; T < THREADS; ++T) {
    EXPECT_EQ(TOGETHER[static_cast<std::size_t>(T)], ALONE[static_cast<std::size_t>(T)]) << "thread " << T;
  }
}

TEST(Threads, FourThreadsOfMixedCallsGiveTheSingleThreadedAnswers) { EXPECT_SAME_IN_FOUR_THREADS(BATCH, 100); }

// The Nielsen-Thurston computations on the braids of SEED: the type, the
// number of curves and of centralizer generators, the rigidity and the
// entropy, each the same in a thread as alone.
Answers TYPES(std::uint64_t SEED) {
  std::mt19937_64 GEN(SEED);
  Answers A;
  for (int K = 0; K < 12; ++K) {
    const int N = 3 + static_cast<int>(GEN() % 4);
    const Braid X = korveltest::RANDOMBRAID(GEN, N, 4 + GEN() % 30);
    A.values.push_back(static_cast<int>(korvel::thurston_type(X)));
    const auto R = korvel::reduction_system(X);
    A.values.push_back(R ? static_cast<int>(R->curves.size()) : -1);
    A.values.push_back(static_cast<int>(korvel::centralizer(X).size()));
    A.values.push_back(static_cast<int>(korvel::rigidity(X)));
    A.values.push_back(static_cast<int>(std::lround(korvel::entropy(X, 1e-4) * 1000)));
  }
  return A;
}

TEST(Threads, NielsenThurstonComputationsInFourThreadsGiveTheSingleThreadedAnswers) {
  EXPECT_SAME_IN_FOUR_THREADS(TYPES, 300);
}

TEST(Threads, OneBraidReadByManyThreads) {
  std::mt19937_64 GEN(5);
  const Braid A = korveltest::RANDOMBRAID(GEN, 6, 20000);
  const int EXPECTED = korvel::sign(A, Ordering::R, Method::Coordinates);
  std::atomic<int> WRONG{0};
  std::vector<std::thread> POOL;
  for (int T = 0; T < 4; ++T) {
    POOL.emplace_back([&A, &WRONG, EXPECTED, T] {
      if (korvel::sign(A, Ordering::R, T % 2 == 0 ? Method::Coordinates : Method::Automatic) != EXPECTED) {
        ++WRONG;
      }
    });
  }
  for (std::thread& P : POOL) {
    P.join();
  }
  EXPECT_EQ(WRONG.load(), 0);
}

TEST(StopRequest, AbandonsALongCallAndLeavesItsArgumentsAlone) {
  std::mt19937_64 GEN(6);
  const Braid A = korveltest::RANDOMBRAID(GEN, 10, 1000000);
  const Braid COPY = A;
  for (Method M : {Method::Coordinates, Method::Handles}) {
    korvel::StopRequest STOP;
    korvel::Limits L;
    L.stop = &STOP;
    std::thread STOPPER([&STOP] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      STOP.request_stop();
    });
    EXPECT_THROW(korvel::sign(A * A.inverse() * A, Ordering::R, M, L), korvel::Interrupted);
    STOPPER.join();
    EXPECT_TRUE(A.same_word(COPY));
  }
  // A request raised before the call stops it at once; a callback does too.
  korvel::StopRequest ASKED([] { return true; });
  korvel::Limits L;
  L.stop = &ASKED;
  EXPECT_THROW(korvel::compare(A, A.inverse(), Ordering::R, Method::Coordinates, L), korvel::Interrupted);
  EXPECT_THROW(korvel::left_normal_form(Braid("abAB"), L), korvel::Interrupted);
  // Without a request the same call completes.
  EXPECT_EQ(korvel::compare(Braid("ab"), Braid("ab")), 0);
}

}  // namespace
