// Finding and reducing handles. Asserted: the finders return the handles
// their definitions name (checked against a search straight from the
// definition of a handle on seeded random words), REDUCEHANDLE writes the
// reduct of the handle identity (checked against a reduct built out of place),
// and a reduct that would not fit the record is refused before any write.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/words.h"
#include "handlereduction/handles.h"

namespace {

using BraidBasics::BRAID;
using handlereduction::FINDHANDLE;
using handlereduction::FINDNESTEDHANDLE;
using handlereduction::LOCALFINDHANDLE;
using handlereduction::REDUCEHANDLE;

BRAID MAKE(const std::string& LETTERS) {
  BRAID B;
  BraidBasics::BDEF(B, LETTERS);
  return B;
}

std::int32_t INDEXOF(std::int32_t X) { return X > 0 ? X : -X; }

struct FOUND {
  std::int32_t P;
  std::int32_t Q;
  std::int32_t I;
};

FOUND FIND(const BRAID& B) {
  FOUND F{-7, -7, -7};
  FINDHANDLE(B, F.P, F.Q, F.I);
  return F;
}

// Straight from the definition: the handle whose last letter comes first.
// Its first letter is the nearest letter of the same index to the left (all
// letters strictly between have greater indices), of the opposite sign.
FOUND HANDLEBYDEFINITION(const BRAID& B) {
  for (std::int32_t Q = 1; Q <= B.L; ++Q) {
    const std::int32_t K = INDEXOF(B.V[Q]);
    for (std::int32_t P = Q - 1; P >= 1; --P) {
      const std::int32_t J = INDEXOF(B.V[P]);
      if (J < K) {
        break;
      }
      if (J == K) {
        if (B.V[P] == -B.V[Q]) {
          return {P, Q, K};
        }
        break;
      }
    }
  }
  return {0, B.L + 1, 0};
}

// The reduct of the handle P..Q built in a separate list.
std::vector<int> REDUCTOUTOFPLACE(const BRAID& B, std::int32_t P, std::int32_t Q, std::int32_t I) {
  const int E = B.V[P] > 0 ? 1 : -1;
  const int S = (I + 1) * E;
  std::vector<int> INTERIOR(&B.V[P + 1], &B.V[Q]);
  bool ANY = false;
  for (int X : INTERIOR) {
    ANY = ANY || INDEXOF(X) == I + 1;
  }
  std::vector<int> OUT(&B.V[1], &B.V[P]);
  if (!ANY) {
    OUT.insert(OUT.end(), INTERIOR.begin(), INTERIOR.end());
  } else {
    for (std::size_t K = 0; K < INTERIOR.size();) {
      if (INDEXOF(INTERIOR[K]) == I + 1) {
        OUT.push_back(-S);
        while (K < INTERIOR.size() && INDEXOF(INTERIOR[K]) == I + 1) {
          OUT.push_back(INTERIOR[K] > 0 ? INTERIOR[K] - 1 : INTERIOR[K] + 1);
          ++K;
        }
        OUT.push_back(S);
      } else {
        OUT.push_back(INTERIOR[K++]);
      }
    }
  }
  OUT.insert(OUT.end(), &B.V[Q + 1], &B.V[B.L + 1]);
  return OUT;
}

std::vector<int> LETTERS(const BRAID& B) { return std::vector<int>(&B.V[1], &B.V[B.L + 1]); }

std::string RANDOMWORD(std::mt19937& GEN, int STRANDS, int LENGTH) {
  std::string W;
  std::uniform_int_distribution<int> INDEX(0, STRANDS - 2);
  std::uniform_int_distribution<int> SIGN(0, 1);
  for (int K = 0; K < LENGTH; ++K) {
    const int X = INDEX(GEN);
    W.push_back(static_cast<char>(SIGN(GEN) != 0 ? 'a' + X : 'A' + X));
  }
  return W;
}

TEST(FindHandle, NamedWords) {
  struct CASE {
    const char* NAME;
    const char* WORD;
    FOUND EXPECTED;
  };
  const CASE CASES[] = {
      {"empty handle aA", "aA", {1, 2, 1}},
      {"abA", "abA", {1, 3, 1}},
      {"the inner handle closes first", "abcBA", {2, 4, 2}},
      {"bBaA closes at 2", "bBaA", {1, 2, 2}},
      {"nearest opening letter", "aabA", {2, 4, 1}},
      {"a lower letter cancels pending ones", "bcaCB", {0, 6, 2}},
      {"no handle: aab", "aab", {0, 4, 2}},
      {"no handle: ba", "ba", {0, 3, 1}},
      {"no handle: abc", "abc", {0, 4, 3}},
      {"no handle: bab", "bab", {0, 4, 2}},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.NAME);
    const FOUND F = FIND(MAKE(C.WORD));
    EXPECT_EQ(F.P, C.EXPECTED.P);
    EXPECT_EQ(F.Q, C.EXPECTED.Q);
    if (C.EXPECTED.I != 0) {
      EXPECT_EQ(F.I, C.EXPECTED.I);
    }
  }
}

TEST(FindHandle, EmptyWordHasNoHandleAndKeepsI) {
  const FOUND F = FIND(BraidBasics::BONE());
  EXPECT_EQ(F.P, 0);
  EXPECT_EQ(F.Q, 1);
  EXPECT_EQ(F.I, -7);  // not written for the empty word
}

TEST(FindHandle, AgreesWithTheDefinitionOnRandomWords) {
  const unsigned SEED = 20240611;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 3000; ++ROUND) {
    const int STRANDS = 2 + ROUND % 9;
    const std::string W = RANDOMWORD(GEN, STRANDS, ROUND % 40);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", round " + std::to_string(ROUND) + ", word " + W);
    const BRAID B = MAKE(W);
    const FOUND F = FIND(B);
    const FOUND G = HANDLEBYDEFINITION(B);
    ASSERT_EQ(F.P, G.P);
    ASSERT_EQ(F.Q, G.Q);
    if (G.P != 0) {
      ASSERT_EQ(F.I, G.I);
    } else if (B.L > 0) {
      ASSERT_EQ(F.I, INDEXOF(B.V[B.L]));
    }
  }
}

TEST(LocalFindHandle, NamedRanges) {
  std::int32_t P = -1;
  std::int32_t Q = -1;
  std::int32_t I = -1;
  LOCALFINDHANDLE(MAKE("bBaA"), 1, 4, P, Q, I);
  EXPECT_EQ(P, 3);
  EXPECT_EQ(Q, 4);
  EXPECT_EQ(I, 1);

  LOCALFINDHANDLE(MAKE("aaA"), 1, 3, P, Q, I);  // P follows the latest a
  EXPECT_EQ(P, 2);
  EXPECT_EQ(Q, 3);

  LOCALFINDHANDLE(MAKE("AaA"), 1, 3, P, Q, I);  // the first A opens; later A ignored
  EXPECT_EQ(P, 1);
  EXPECT_EQ(Q, 2);

  LOCALFINDHANDLE(MAKE("baB"), 1, 3, P, Q, I);  // a lower letter restarts the search
  EXPECT_EQ(Q, 0);
  EXPECT_EQ(I, 1);

  LOCALFINDHANDLE(MAKE("abcBA"), 2, 4, P, Q, I);  // a stretch inside the word
  EXPECT_EQ(P, 2);
  EXPECT_EQ(Q, 4);
  EXPECT_EQ(I, 2);

  LOCALFINDHANDLE(MAKE("abA"), 3, 2, P, Q, I);  // empty range
  EXPECT_EQ(P, 0);
  EXPECT_EQ(Q, 0);
}

TEST(FindNestedHandle, NamedWords) {
  struct CASE {
    const char* WORD;
    FOUND EXPECTED;
  };
  const CASE CASES[] = {
      {"bBaA", {3, 4, 1}},    // least index first, not the first to close
      {"abcCBA", {3, 4, 3}},  // refined twice, index 1 to 2 to 3
      {"acCA", {1, 4, 1}},    // inner handle of index 3 is not the next index
      {"abA", {1, 3, 1}},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    FOUND F{-1, -1, -1};
    FINDNESTEDHANDLE(MAKE(C.WORD), F.P, F.Q, F.I);
    EXPECT_EQ(F.P, C.EXPECTED.P);
    EXPECT_EQ(F.Q, C.EXPECTED.Q);
    EXPECT_EQ(F.I, C.EXPECTED.I);
  }
  for (const char* W : {"bBa", "aab", "", "BcCB"}) {
    SCOPED_TRACE(W);
    FOUND F{-1, -1, -1};
    FINDNESTEDHANDLE(MAKE(W), F.P, F.Q, F.I);
    EXPECT_EQ(F.P, 0);
    EXPECT_EQ(F.Q, 0);
  }
}

TEST(FindNestedHandle, ResultIsAHandleWithoutAHandleOfTheNextIndexInside) {
  const unsigned SEED = 7;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 2000; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 2 + ROUND % 7, 1 + ROUND % 30);
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + W);
    const BRAID B = MAKE(W);
    FOUND F{-1, -1, -1};
    FINDNESTEDHANDLE(B, F.P, F.Q, F.I);
    if (F.P == 0) {
      // The letters of least index all have one sign.
      std::int32_t LEAST = 99;
      for (std::int32_t R = 1; R <= B.L; ++R) {
        LEAST = std::min(LEAST, INDEXOF(B.V[R]));
      }
      bool POS = false;
      bool NEG = false;
      for (std::int32_t R = 1; R <= B.L; ++R) {
        POS = POS || B.V[R] == LEAST;
        NEG = NEG || B.V[R] == -LEAST;
      }
      ASSERT_FALSE(POS && NEG);
      continue;
    }
    ASSERT_LT(F.P, F.Q);
    ASSERT_EQ(B.V[F.P], -B.V[F.Q]);
    ASSERT_EQ(INDEXOF(B.V[F.P]), F.I);
    bool POS = false;
    bool NEG = false;
    for (std::int32_t R = F.P + 1; R < F.Q; ++R) {
      ASSERT_GT(INDEXOF(B.V[R]), F.I);
      POS = POS || B.V[R] == F.I + 1;
      NEG = NEG || B.V[R] == -(F.I + 1);
    }
    ASSERT_FALSE(POS && NEG);
  }
}

TEST(Shift, MovesTheIndexAndKeepsTheSign) {
  EXPECT_EQ(handlereduction::BSHIFT(3, 1), 4);
  EXPECT_EQ(handlereduction::BSHIFT(-3, 1), -4);
  EXPECT_EQ(handlereduction::BSHIFT(2, -1), 1);
  EXPECT_EQ(handlereduction::BSHIFT(-2, -1), -1);
}

TEST(ReduceHandle, NamedHandles) {
  struct CASE {
    const char* WORD;
    const char* REDUCT;
  };
  const CASE CASES[] = {
      {"aA", ""},
      {"abA", "Bab"},
      {"Aba", "baB"},
      {"acA", "c"},
      {"acbbcbA", "cBaabcBab"},
      {"abcbcbA", "BabcBabcBab"},
      {"aBcBA", "BAbcBAb"},
      {"Abcbda", "baBcbaBd"},
      {"ccabAdd", "ccBabdd"},
      {"bcdedC", "bDcdeDcd"},
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    BRAID B = MAKE(C.WORD);
    const std::int32_t WIDTH = B.W;
    const FOUND F = FIND(B);
    ASSERT_NE(F.P, 0);
    REDUCEHANDLE(B, F.P, F.Q, F.I);
    EXPECT_EQ(BraidBasics::BWORD(B), C.REDUCT);
    EXPECT_EQ(B.W, WIDTH);
  }
}

TEST(ReduceHandle, MatchesAReductBuiltOutOfPlace) {
  const unsigned SEED = 99;
  std::mt19937 GEN(SEED);
  int REDUCED = 0;
  for (int ROUND = 0; ROUND < 4000; ++ROUND) {
    const std::string W = RANDOMWORD(GEN, 3 + ROUND % 8, 2 + ROUND % 60);
    BRAID B = MAKE(W);
    // Every handle met on the way to a handle-free word.
    for (int STEP = 0; STEP < 200; ++STEP) {
      const FOUND F = FIND(B);
      if (F.P == 0) {
        break;
      }
      SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + BraidBasics::BWORD(B) +
                   ", handle " + std::to_string(F.P) + ".." + std::to_string(F.Q));
      const std::vector<int> EXPECTED = REDUCTOUTOFPLACE(B, F.P, F.Q, F.I);
      if (static_cast<std::int32_t>(EXPECTED.size()) > BraidBasics::BMAXLENGTH) {
        break;
      }
      REDUCEHANDLE(B, F.P, F.Q, F.I);
      ASSERT_EQ(LETTERS(B), EXPECTED);
      ++REDUCED;
    }
  }
  EXPECT_GT(REDUCED, 10000);
}

// A word of LENGTH letters ending with the handle abcbA, whose reduct
// BabcBab is two letters longer.
BRAID WORDENDINGWITHGROWINGHANDLE(std::int32_t LENGTH) {
  BRAID B = MAKE(std::string(static_cast<std::size_t>(LENGTH - 5), 'd') + "abcbA");
  EXPECT_EQ(B.L, LENGTH);
  return B;
}

TEST(ReduceHandle, AReductThatNoLongerFitsIsRefusedBeforeAnyWrite) {
  BRAID B = WORDENDINGWITHGROWINGHANDLE(BraidBasics::BMAXLENGTH - 1);
  const std::vector<int> BEFORE = LETTERS(B);
  const FOUND F = FIND(B);
  ASSERT_EQ(F.P, BraidBasics::BMAXLENGTH - 5);
  EXPECT_THROW(REDUCEHANDLE(B, F.P, F.Q, F.I), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(LETTERS(B), BEFORE);
}

TEST(ReduceHandle, AReductThatJustFitsIsWritten) {
  BRAID B = WORDENDINGWITHGROWINGHANDLE(BraidBasics::BMAXLENGTH - 2);
  const FOUND F = FIND(B);
  REDUCEHANDLE(B, F.P, F.Q, F.I);
  EXPECT_EQ(B.L, BraidBasics::BMAXLENGTH);
  EXPECT_EQ(BraidBasics::BWORD(B).substr(static_cast<std::size_t>(B.L - 7)), "BabcBab");
}

TEST(ReduceHandle, HandlesThatDoNotGrowAreReducedInAFullRecord) {
  for (const char* TAIL : {"aA", "abA", "acA"}) {
    SCOPED_TRACE(TAIL);
    const std::string SUFFIX = TAIL;
    BRAID B = MAKE(std::string(BraidBasics::BMAXLENGTH - SUFFIX.size(), 'd') + SUFFIX);
    ASSERT_EQ(B.L, BraidBasics::BMAXLENGTH);
    const FOUND F = FIND(B);
    ASSERT_NO_THROW(REDUCEHANDLE(B, F.P, F.Q, F.I));
    EXPECT_LE(B.L, BraidBasics::BMAXLENGTH);
  }
}

}  // namespace
