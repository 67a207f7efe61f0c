// String lists: cutting and joining, printing, sorting, reversing, and the
// numbering of combinations of a multilist.
#include "basics/stringlists.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/support/console_capture.h"
#include "tests/support/random_words.h"

namespace {

using namespace basics;

// A list with the given entries (at most a few: small lists on the heap).
std::unique_ptr<STRING_LIST> MakeList(const std::vector<std::string>& ENTRIES) {
  auto LIST = std::make_unique<STRING_LIST>();
  LIST->L = static_cast<std::int32_t>(ENTRIES.size());
  for (std::size_t K = 0; K < ENTRIES.size(); ++K) {
    LIST->V[K + 1] = ENTRIES[K];
  }
  return LIST;
}

TEST(STRTOLIST, PiecesBetweenSeparatorsWithoutBlanks) {
  const STRING_LIST A = STRTOLIST("a / b c", '/');
  EXPECT_EQ(A.L, 2);
  EXPECT_EQ(A.V[1], "a");
  EXPECT_EQ(A.V[2], "bc");
  const STRING_LIST EMPTY = STRTOLIST("", ',');
  EXPECT_EQ(EMPTY.L, 1);
  EXPECT_EQ(EMPTY.V[1], "");
  const STRING_LIST SEPARATORS = STRTOLIST(" ,, ", ',');
  EXPECT_EQ(SEPARATORS.L, 3);
  EXPECT_TRUE(TRIVIALLIST(SEPARATORS));
}

TEST(STRTOLIST, StopsAtTheCapacity) {
  // 6000 separators would make 6001 pieces; the list keeps 5000.
  std::string W;
  for (int K = 1; K <= 6000; ++K) {
    W += std::to_string(K) + ",";
  }
  const STRING_LIST A = STRTOLIST(W, ',');
  EXPECT_EQ(A.L, MAXLIST);
  EXPECT_EQ(A.V[1], "1");
  EXPECT_EQ(A.V[MAXLIST], "5000");
}

TEST(LISTTOSTR, JoinsAndRoundTrips) {
  for (const char* W : {"a,bc,,d", "", ",", "abc", "x,y,"}) {
    SCOPED_TRACE(W);
    EXPECT_EQ(LISTTOSTR(STRTOLIST(W, ','), ','), W);
  }
  auto LIST = MakeList({"ab", "", "c"});
  EXPECT_EQ(LISTTOSTR(*LIST, '.'), "ab..c");
  const STRING_LIST BACK = STRTOLIST(LISTTOSTR(*LIST, '.'), '.');
  ASSERT_EQ(BACK.L, 3);
  for (int K = 1; K <= 3; ++K) {
    EXPECT_EQ(BACK.V[K], LIST->V[K]);
  }
  LIST->L = 0;
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "");
  LIST->L = -1;
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "$");
  LIST->L = -2;
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "");
}

TEST(TRIVIALLIST, OnlyEntriesUpToTheCountMatter) {
  auto LIST = MakeList({"", "", "x"});
  EXPECT_FALSE(TRIVIALLIST(*LIST));
  LIST->L = 2;
  EXPECT_TRUE(TRIVIALLIST(*LIST));
  LIST->L = 0;
  EXPECT_TRUE(TRIVIALLIST(*LIST));
}

TEST(WRITELIST, Styles) {
  auto LIST = MakeList({"a", "", "b"});
  struct Case { const char* style; const char* written; };
  const Case kCases[] = {
      {", ", "a, 1, b"},
      {"", "a1b"},
      {"1:", "1: a2: 13: b"},
      {";", "a; 1; b; "},
      {"*", "a*1*b"},
      {"/", "a/1/b"},
      {"RC", "a\n1\nb\n"},
      {"1:,RC", "1: a, \n2: 1, \n3: b\n"},
      {"1:;*/", "1: a; */2: 1; */3: b; "},
      {"R C1", "a1b"},  // the marks must be whole
  };
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.style);
    korveltest::ConsoleCapture CONSOLE;
    WRITELIST(*LIST, C.style);
    EXPECT_EQ(CONSOLE.Output(), C.written);
  }
  korveltest::ConsoleCapture CONSOLE;
  WRITELNLIST(*LIST, ",");
  EXPECT_EQ(CONSOLE.Take(), "a, 1, b\n");
  LIST->L = 0;
  WRITELIST(*LIST, "1:,;RC");
  EXPECT_EQ(CONSOLE.Take(), "");
  WRITELNLIST(*LIST, ",");
  EXPECT_EQ(CONSOLE.Take(), "\n");
}

TEST(WRITELIST, ACountPastTheCapacityWritesTheWholeRecord) {
  auto LIST = std::make_unique<STRING_LIST>();
  LIST->L = MAXLIST + 1000;
  korveltest::ConsoleCapture CONSOLE;
  WRITELIST(*LIST, "");
  EXPECT_EQ(CONSOLE.Output(), std::string(MAXLIST, '1'));
}

TEST(WRITEINTEGERLIST, Separators) {
  auto LIST = std::make_unique<INTEGER_LIST>();
  LIST->L = 3;
  LIST->V[1] = 3;
  LIST->V[2] = -1;
  LIST->V[3] = 20;
  struct Case { char option; const char* written; };
  const Case kCases[] = {{',', "3, -1, 20"}, {'/', "3/-1/20"}, {'*', "3*-1*20"},
                         {'-', "3-120"},     {'x', "3\n-1\n20"}, {'\n', "3\n-1\n20"}};
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.option);
    korveltest::ConsoleCapture CONSOLE;
    WRITEINTEGERLIST(*LIST, C.option);
    EXPECT_EQ(CONSOLE.Output(), C.written);
  }
  korveltest::ConsoleCapture CONSOLE;
  LIST->L = 1;
  WRITEINTEGERLIST(*LIST, ',');
  EXPECT_EQ(CONSOLE.Take(), "3");
  LIST->L = 0;
  WRITEINTEGERLIST(*LIST, ',');
  EXPECT_EQ(CONSOLE.Take(), "");
}

// Orders V[1..N] by exchanging the first pair out of order until there is
// none: a literal, slow sort to compare with.
void LiteralSort(std::vector<std::string>& V) {
  for (bool EXCHANGED = true; EXCHANGED;) {
    EXCHANGED = false;
    for (std::size_t P = 0; P + 1 < V.size(); ++P) {
      if (V[P + 1] < V[P]) {
        std::swap(V[P], V[P + 1]);
        EXCHANGED = true;
        break;
      }
    }
  }
}

TEST(ORDERLIST, ByteWiseWithPrefixesFirst) {
  auto LIST = MakeList({"b", "ab", "a", "", "\xff", "B", "a", "untouched"});
  LIST->L = 7;
  ORDERLIST(*LIST);
  const char* kSorted[] = {"", "B", "a", "a", "ab", "b", "\xff"};
  for (int K = 1; K <= 7; ++K) {
    EXPECT_EQ(LIST->V[K], kSorted[K - 1]) << K;
  }
  EXPECT_EQ(LIST->V[8], "untouched");
}

TEST(ORDERLIST, SeededRandomListsMatchTheLiteralSort) {
  const unsigned kSeed = 77;
  std::mt19937 RNG(kSeed);
  auto LIST = std::make_unique<STRING_LIST>();
  for (int T = 0; T < 200; ++T) {
    std::vector<std::string> V(RNG() % 12);
    for (std::string& E : V) {
      E = korveltest::RANDOMSTRING(RNG, static_cast<int>(RNG() % 4), "aAb\x80");
    }
    *LIST = STRING_LIST();
    LIST->L = static_cast<std::int32_t>(V.size());
    for (std::size_t K = 0; K < V.size(); ++K) {
      LIST->V[K + 1] = V[K];
    }
    ORDERLIST(*LIST);
    LiteralSort(V);
    SCOPED_TRACE("seed " + std::to_string(kSeed) + ", list " + std::to_string(T));
    for (std::size_t K = 0; K < V.size(); ++K) {
      ASSERT_EQ(LIST->V[K + 1], V[K]) << K;
    }
  }
}

TEST(REFLECTLIST, ReversesTheEntriesUpToTheCount) {
  auto LIST = MakeList({"1", "2", "3", "4", "5"});
  LIST->L = 4;
  REFLECTLIST(*LIST);
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "4,3,2,1");
  EXPECT_EQ(LIST->V[5], "5");
  LIST->L = 5;
  REFLECTLIST(*LIST);
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "5,1,2,3,4");
  REFLECTLIST(*LIST);
  EXPECT_EQ(LISTTOSTR(*LIST, ','), "4,3,2,1,5");
  LIST->L = 1;
  REFLECTLIST(*LIST);
  EXPECT_EQ(LIST->V[1], "4");
  LIST->L = 0;
  REFLECTLIST(*LIST);
  EXPECT_EQ(LIST->V[1], "4");
}

// Component I of the multilist holds the entries named by PIECES[I - 1];
// the place values are set as a caller sets them, P[L + 1] = 1 when there is
// room for it.
void Fill(STRING_MULTILIST& ML, const std::vector<std::vector<std::string>>& PIECES) {
  ML.L = static_cast<std::int32_t>(PIECES.size());
  std::int32_t PLACE = 1;
  if (ML.L < MAXSHORTLIST) {
    ML.P[ML.L + 1] = 1;
  }
  for (std::int32_t I = ML.L; I >= 1; --I) {
    ML.V[I] = STRING_LIST();
    ML.V[I].L = static_cast<std::int32_t>(PIECES[I - 1].size());
    for (std::size_t K = 0; K < PIECES[I - 1].size(); ++K) {
      ML.V[I].V[K + 1] = PIECES[I - 1][K];
    }
    PLACE *= ML.V[I].L;
    ML.P[I] = PLACE;
  }
}

STRING_MULTILIST& SharedMultilist() {
  static STRING_MULTILIST ML;  // 2.6 MB: never on the stack
  return ML;
}

TEST(SPLITTING, EveryCombinationOnceLastComponentFastest) {
  STRING_MULTILIST& ML = SharedMultilist();
  Fill(ML, {{"x", "y"}, {"1", "2", "3"}, {"p", "q"}});
  ASSERT_EQ(ML.P[1], 12);
  std::vector<std::int32_t> PREVIOUS;
  for (std::int32_t N = 1; N <= 12; ++N) {
    const INTEGER_LIST S = SPLITTING(N, ML);
    ASSERT_EQ(S.L, 3);
    std::vector<std::int32_t> INDEX(S.V + 1, S.V + 4);
    EXPECT_GE(INDEX[0], 1);
    EXPECT_LE(INDEX[0], 2);
    EXPECT_GE(INDEX[1], 1);
    EXPECT_LE(INDEX[1], 3);
    EXPECT_GE(INDEX[2], 1);
    EXPECT_LE(INDEX[2], 2);
    if (N > 1) {
      EXPECT_LT(PREVIOUS, INDEX) << N;  // lexicographic order: no repeat
    }
    PREVIOUS = INDEX;
  }
  const INTEGER_LIST SEVEN = SPLITTING(7, ML);
  EXPECT_EQ(SEVEN.V[1], 2);
  EXPECT_EQ(SEVEN.V[2], 1);
  EXPECT_EQ(SEVEN.V[3], 1);
}

TEST(SPLITTING, FifteenComponentsUseOneAfterTheLast) {
  STRING_MULTILIST& ML = SharedMultilist();
  Fill(ML, std::vector<std::vector<std::string>>(MAXSHORTLIST, {"0", "1"}));
  ASSERT_EQ(ML.P[1], 1 << 15);
  // Combination N is N - 1 in binary, one digit per component.
  for (std::int32_t N : {1, 2, 3, 1000, 1 << 15}) {
    SCOPED_TRACE(N);
    const STRING_LIST E = MULTIELEMENT(N, ML);
    ASSERT_EQ(E.L, MAXSHORTLIST);
    std::string BITS;
    for (std::int32_t I = 1; I <= MAXSHORTLIST; ++I) {
      BITS += E.V[I];
    }
    std::string EXPECTED;
    for (int B = MAXSHORTLIST - 1; B >= 0; --B) {
      EXPECTED += ((N - 1) >> B) & 1 ? '1' : '0';
    }
    EXPECT_EQ(BITS, EXPECTED);
  }
  ML.L = MAXSHORTLIST + 3;  // a count past the capacity reads 15 components
  EXPECT_EQ(SPLITTING(1, ML).L, MAXSHORTLIST);
}

TEST(SPLITTING, APlaceValueOfZeroDoesNotDivide) {
  STRING_MULTILIST& ML = SharedMultilist();
  Fill(ML, {{"a"}, {"b"}});
  ML.P[2] = 0;
  ML.P[3] = 0;
  const INTEGER_LIST S = SPLITTING(3, ML);
  EXPECT_EQ(S.V[1], 3);
  EXPECT_EQ(S.V[2], 1);
}

TEST(MULTIELEMENT, PicksOneEntryPerComponent) {
  STRING_MULTILIST& ML = SharedMultilist();
  Fill(ML, {{"x", "y"}, {"1", "2", "3"}, {"p", "q"}});
  std::set<std::string> SEEN;
  for (std::int32_t N = 1; N <= 12; ++N) {
    SEEN.insert(LISTTOSTR(MULTIELEMENT(N, ML), ','));
  }
  EXPECT_EQ(SEEN.size(), 12u);
  EXPECT_EQ(LISTTOSTR(MULTIELEMENT(1, ML), ','), "x,1,p");
  EXPECT_EQ(LISTTOSTR(MULTIELEMENT(8, ML), ','), "y,1,q");
  EXPECT_EQ(LISTTOSTR(MULTIELEMENT(12, ML), ','), "y,3,q");
  // Number 0 gives index 0 for the last component, outside every list.
  EXPECT_EQ(LISTTOSTR(MULTIELEMENT(0, ML), ','), "x,1,");
  // Far past the combinations, the first index leaves the record: "".
  EXPECT_EQ(MULTIELEMENT(2000000000, ML).V[1], "");
}

}  // namespace
