// Handle reduction on seeded random words: BFULLHFREDUCE on words of 100, 500
// and 1500 letters, and BEQUIV on pairs whose quotient inverse(B).BB has that
// many letters (each word half of it), on 3, 10 and 26 strands. Times are per
// word; each iteration includes the copy of one 2 KB record (the reduction
// works in place). BEQUIV is timed on pairs of the same braid (the second
// word rewritten by braid relations, answer true) and on pairs of unrelated
// words (answer false).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/operations.h"
#include "handlereduction/reduction.h"

namespace {

using BraidBasics::BRAID;

constexpr int WORDSPERCASE = 32;  // cycled through by the iterations

BRAID RANDOMBRAID(std::mt19937& GEN, int STRANDS, int LENGTH) {
  BRAID B;
  B.L = LENGTH;
  B.W = STRANDS;
  BraidBasics::BROOM(B, LENGTH);
  std::uniform_int_distribution<int> INDEX(1, STRANDS - 1);
  std::uniform_int_distribution<int> SIGN(0, 1);
  for (int R = 1; R <= LENGTH; ++R) {
    const int X = INDEX(GEN);
    B.V[R] = static_cast<BraidBasics::BLETTER>(SIGN(GEN) != 0 ? X : -X);
  }
  return B;
}

// B rewritten into another word of the same braid and length: at random
// places, a far commutation x y -> y x or a braid relation x y x -> y x y.
BRAID REWRITTEN(std::mt19937& GEN, BRAID B) {
  std::uniform_int_distribution<int> PLACE(1, B.L > 3 ? B.L - 2 : 1);
  for (int K = 0; K < B.L; ++K) {
    const int R = PLACE(GEN);
    if (R + 2 > B.L) {
      break;
    }
    const int X = B.V[R];
    const int Y = B.V[R + 1];
    const int AX = X > 0 ? X : -X;
    const int AY = Y > 0 ? Y : -Y;
    if (AX - AY >= 2 || AY - AX >= 2) {
      B.V[R] = static_cast<BraidBasics::BLETTER>(Y);
      B.V[R + 1] = static_cast<BraidBasics::BLETTER>(X);
    } else if ((AX - AY == 1 || AY - AX == 1) && B.V[R + 2] == X && (X > 0) == (Y > 0)) {
      B.V[R] = static_cast<BraidBasics::BLETTER>(Y);
      B.V[R + 1] = static_cast<BraidBasics::BLETTER>(X);
      B.V[R + 2] = static_cast<BraidBasics::BLETTER>(Y);
    }
  }
  return B;
}

unsigned SEEDOF(int STRANDS, int LENGTH) { return 1000003U * STRANDS + LENGTH; }

// Random words whose reduction stays within the record (the others are
// skipped; the counter "skipped" reports how many).
void BM_FULLHFREDUCE(benchmark::State& STATE) {
  const int STRANDS = static_cast<int>(STATE.range(0));
  const int LENGTH = static_cast<int>(STATE.range(1));
  std::mt19937 GEN(SEEDOF(STRANDS, LENGTH));
  std::vector<BRAID> WORDS;
  int SKIPPED = 0;
  while (static_cast<int>(WORDS.size()) < WORDSPERCASE && SKIPPED < 1000) {
    const BRAID B = RANDOMBRAID(GEN, STRANDS, LENGTH);
    BRAID TRIAL = B;
    try {
      handlereduction::BFULLHFREDUCE(TRIAL);
      WORDS.push_back(B);
    } catch (const BraidBasics::BOUNDEXCEEDED&) {
      ++SKIPPED;
    }
  }
  if (WORDS.empty()) {
    STATE.SkipWithError("every word outgrows the record");
    return;
  }
  std::size_t K = 0;
  std::int64_t PASSES = 0;
  for (auto _ : STATE) {
    BRAID B = WORDS[K];
    handlereduction::BFULLHFREDUCE(B);
    benchmark::DoNotOptimize(B.L);
    PASSES += handlereduction::BNBREDSTEPS;
    K = (K + 1) % WORDS.size();
  }
  STATE.counters["passes/word"] =
      benchmark::Counter(static_cast<double>(PASSES) / static_cast<double>(STATE.iterations()));
  STATE.counters["skipped"] = SKIPPED;
}

void BM_EQUIV(benchmark::State& STATE, bool SAMEBRAID) {
  const int STRANDS = static_cast<int>(STATE.range(0));
  const int LENGTH = static_cast<int>(STATE.range(1));
  std::mt19937 GEN(SEEDOF(STRANDS, LENGTH) + (SAMEBRAID ? 1 : 2));
  std::vector<BRAID> FIRST;
  std::vector<BRAID> SECOND;
  int SKIPPED = 0;
  while (static_cast<int>(FIRST.size()) < WORDSPERCASE && SKIPPED < 1000) {
    const BRAID B = RANDOMBRAID(GEN, STRANDS, LENGTH / 2);
    const BRAID BB = SAMEBRAID ? REWRITTEN(GEN, B) : RANDOMBRAID(GEN, STRANDS, LENGTH - LENGTH / 2);
    try {
      if (handlereduction::BEQUIV(B, BB) != SAMEBRAID) {
        ++SKIPPED;  // two random words of one braid: not what this case times
        continue;
      }
      FIRST.push_back(B);
      SECOND.push_back(BB);
    } catch (const BraidBasics::BOUNDEXCEEDED&) {
      ++SKIPPED;
    }
  }
  if (FIRST.empty()) {
    STATE.SkipWithError("no pair fits the record");
    return;
  }
  std::size_t K = 0;
  for (auto _ : STATE) {
    benchmark::DoNotOptimize(handlereduction::BEQUIV(FIRST[K], SECOND[K]));
    K = (K + 1) % FIRST.size();
  }
  STATE.counters["skipped"] = SKIPPED;
}

void BM_EQUIV_SAMEBRAID(benchmark::State& STATE) { BM_EQUIV(STATE, true); }
void BM_EQUIV_DIFFERENTBRAIDS(benchmark::State& STATE) { BM_EQUIV(STATE, false); }

void CASES(benchmark::internal::Benchmark* B) {
  B->ArgNames({"strands", "letters"});
  for (int STRANDS : {3, 10, 26}) {
    for (int LENGTH : {100, 500, 1500}) {
      B->Args({STRANDS, LENGTH});
    }
  }
  B->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_FULLHFREDUCE)->Apply(CASES);
BENCHMARK(BM_EQUIV_SAMEBRAID)->Apply(CASES);
BENCHMARK(BM_EQUIV_DIFFERENTBRAIDS)->Apply(CASES);
