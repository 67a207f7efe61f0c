// The three builds of key B (braid table, SSS table, mu3 tables) for the
// length bounds 10, 12, 15 and 20, and the key I search with u = a and v = b,
// with their output thrown away. bench/study3.sh times the whole session.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/tablebounds.h"
#include "braidconjugacy/braidconjugacy.h"
#include "handlereduction/orderings.h"

namespace {

void BUILD(std::int32_t BOUND) {
  BraidBasics::LENGTHBOUND = BOUND;
  BraidConjugacy::WIDTHBOUND = 3;
  BraidConjugacy::BUILDBRAIDLIST();
  BraidConjugacy::BUILDSSS3LIST();
  BraidConjugacy::BUILDMU3();
}

void BM_BuildTables(benchmark::State& STATE) {
  handlereduction::BORDEROPTION = 'R';
  std::istringstream IN;
  std::ostringstream OUT;
  basics::SETCONSOLE(IN, OUT);
  for (auto _ : STATE) {
    OUT.str("");
    BUILD(static_cast<std::int32_t>(STATE.range(0)));
  }
  basics::RESETCONSOLE();
  STATE.counters["braids"] = BraidConjugacy::BRAIDLIST.L;
}
BENCHMARK(BM_BuildTables)->Arg(10)->Arg(12)->Arg(15)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_RankOfUWV(benchmark::State& STATE) {
  handlereduction::BORDEROPTION = 'R';
  std::istringstream IN;
  std::ostringstream OUT;
  basics::SETCONSOLE(IN, OUT);
  BUILD(15);
  basics::RESETCONSOLE();
  std::int64_t FOUND = 0;
  for (auto _ : STATE) {
    for (std::int32_t R = 1; R <= BraidConjugacy::BRAIDLIST.L; ++R) {
      std::string TEXT = "a";
      TEXT += BraidConjugacy::ENTRY(BraidConjugacy::BRAIDLIST, R);
      TEXT += "b";
      BraidBasics::BRAID B;
      BraidBasics::BDEF(B, TEXT);
      FOUND += BraidConjugacy::RANK(B) > 0;
    }
  }
  benchmark::DoNotOptimize(FOUND);
}
BENCHMARK(BM_RankOfUWV)->Unit(benchmark::kMillisecond);

}  // namespace
