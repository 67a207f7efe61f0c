// Dynnikov coordinates on seeded random words (index and sign of each letter
// drawn uniformly): the sign of one word of 1,000,000 letters on 3 and 10
// strands, and of a freely reduced one, in which no letter cancels; the comparison of two unrelated words of 10,000 and 100,000
// letters on 10 strands; the equality of two spellings of one braid of
// 100,000 letters (the second rewritten by braid relations and insertions of
// x x^-1), by the library's way (coordinates of each word) and by the other
// way (the point of a^-1 b); short words with and without the 64-bit values;
// and the formulas transcribed with gmpxx temporaries, the plain way the
// library is measured against. Times are per call; the words are made before
// the timing starts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "coordinates/dynnikov.h"
#include "coordinates/lamination.h"
#include "tests/coordinates/words.h"

namespace {

using coordtest::word;

unsigned seed_of(int strands, std::int64_t length) {
  return 1000003U * static_cast<unsigned>(strands) + static_cast<unsigned>(length);
}

// Another spelling of w, made in linear time: three passes, each of which at
// every place either inserts x x^-1 (x random), or applies x y x -> y x y or
// x y -> y x (far commutation) when the letters there allow it, or copies
// one letter.
word respelled(std::mt19937& gen, const word& w, int strands) {
  std::uniform_int_distribution<int> choice(0, 9);
  std::uniform_int_distribution<int> index(1, strands - 1);
  auto size = [](int x) { return x < 0 ? -x : x; };
  word from = w;
  for (int pass = 0; pass < 3; ++pass) {
    word to;
    to.reserve(from.size() + from.size() / 4);
    std::size_t k = 0;
    while (k < from.size()) {
      const int c = choice(gen);
      if (c == 0) {
        const auto x = static_cast<std::int16_t>(choice(gen) % 2 == 0 ? index(gen) : -index(gen));
        to.push_back(x);
        to.push_back(static_cast<std::int16_t>(-x));
        continue;
      }
      if (k + 2 < from.size()) {
        const int x = from[k], y = from[k + 1];
        if (c <= 4 && size(size(x) - size(y)) == 1 && from[k + 2] == x && (x > 0) == (y > 0)) {
          to.insert(to.end(), {from[k + 1], from[k], from[k + 1]});
          k += 3;
          continue;
        }
        if (c <= 6 && size(size(x) - size(y)) >= 2) {
          to.insert(to.end(), {from[k + 1], from[k]});
          k += 2;
          continue;
        }
      }
      to.push_back(from[k++]);
    }
    from.swap(to);
  }
  return from;
}

void BM_Sign(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937 gen(seed_of(strands, state.range(1)));
  const word w = coordtest::random_word(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(coordinates::sign(w, strands));
  }
}
BENCHMARK(BM_Sign)->Args({3, 1000000})->Args({10, 1000000})->Unit(benchmark::kMillisecond);

// The same, on freely reduced random words (no letter is followed by its
// inverse), where no letter cancels and every one acts.
void BM_SignFreelyReduced(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937 gen(seed_of(strands, state.range(1)));
  word w = coordtest::random_word(gen, strands, length);
  for (std::size_t k = 1; k < w.size(); ++k) {
    while (w[k] == -w[k - 1]) {
      w[k] = coordtest::random_word(gen, strands, 1)[0];
    }
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(coordinates::sign(w, strands));
  }
}
BENCHMARK(BM_SignFreelyReduced)->Args({3, 1000000})->Args({10, 1000000})->Unit(benchmark::kMillisecond);

void BM_SignFlipped(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937 gen(seed_of(strands, state.range(1)));
  const word w = coordtest::random_word(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(coordinates::sign(w, strands, true));
  }
}
BENCHMARK(BM_SignFlipped)->Args({10, 1000000})->Unit(benchmark::kMillisecond);

void BM_Compare(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937 gen(seed_of(strands, state.range(1)));
  const word a = coordtest::random_word(gen, strands, length);
  const word b = coordtest::random_word(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(coordinates::compare(a, b, strands));
  }
}
BENCHMARK(BM_Compare)->Args({10, 10000})->Args({10, 100000})->Args({3, 100000})->Unit(benchmark::kMillisecond);

struct same_braid {
  word a, b;
};

same_braid spellings(int strands, std::size_t length) {
  std::mt19937 gen(seed_of(strands, static_cast<std::int64_t>(length)) + 1);
  same_braid s;
  s.a = coordtest::random_word(gen, strands, length);
  s.b = respelled(gen, s.a, strands);
  return s;
}

void BM_Equal(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const same_braid s = spellings(strands, static_cast<std::size_t>(state.range(1)));
  if (s.a == s.b) {
    state.SkipWithError("the second spelling is the same word");
    return;
  }
  for (auto _ : state) {
    if (!coordinates::equal(s.a, s.b, strands)) {
      state.SkipWithError("two spellings of one braid found different");
      break;
    }
  }
  state.counters["second_length"] = static_cast<double>(s.b.size());
}
BENCHMARK(BM_Equal)->Args({10, 100000})->Args({3, 100000})->Unit(benchmark::kMillisecond);

// The other way to decide equality: the point of a^-1 b against the start.
void BM_EqualByQuotient(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const same_braid s = spellings(strands, static_cast<std::size_t>(state.range(1)));
  const coordinates::lamination start(strands);
  for (auto _ : state) {
    coordinates::lamination point(strands);
    point.apply(s.a, {.inverse = true});
    point.apply(s.b);
    if (!(point == start)) {
      state.SkipWithError("two spellings of one braid found different");
      break;
    }
  }
}
BENCHMARK(BM_EqualByQuotient)->Args({10, 100000})->Args({3, 100000})->Unit(benchmark::kMillisecond);

// Many short words, with the 64-bit values first (automatic) or GMP values
// from the start (big_only): the time per word.
void BM_ShortWords(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  const auto mode = state.range(2) != 0 ? coordinates::arithmetic::big_only : coordinates::arithmetic::automatic;
  std::mt19937 gen(seed_of(strands, state.range(1)));
  std::vector<word> words;
  for (int k = 0; k < 64; ++k) {
    words.push_back(coordtest::random_word(gen, strands, length));
  }
  std::size_t k = 0;
  for (auto _ : state) {
    coordinates::lamination point(strands, mode);
    point.apply(words[k++ % words.size()]);
    benchmark::DoNotOptimize(point.sign());
  }
}
BENCHMARK(BM_ShortWords)
    ->ArgsProduct({{3, 10}, {50, 400}, {0, 1}})
    ->ArgNames({"strands", "letters", "big_only"})
    ->Unit(benchmark::kMicrosecond);

// The formulas as written, with gmpxx temporaries: the plain way.
void BM_FormulasTranscribed(benchmark::State& state) {
  const int strands = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  std::mt19937 gen(seed_of(strands, state.range(1)));
  const word w = coordtest::random_word(gen, strands, length);
  for (auto _ : state) {
    benchmark::DoNotOptimize(coordtest::reference_sign(coordtest::reference(w, strands)));
  }
}
BENCHMARK(BM_FormulasTranscribed)->Args({3, 1000000})->Args({10, 1000000})->Unit(benchmark::kMillisecond);

}  // namespace
