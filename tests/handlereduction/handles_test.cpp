// Finding and reducing handles. Asserted: FINDHANDLE returns the handle that
// the definition names (checked against a search straight from the definition
// on seeded random words), the local and nested finders their handles, and
// REDUCEHANDLE the reduct of the handle identity; a reduct that would not fit
// the record is refused before anything is written.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/words.h"
#include "handlereduction/handles.h"
#include "tests/support/braid_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;

std::int32_t INDEXOF(std::int32_t X) { return X > 0 ? X : -X; }

struct FOUND {
  std::int32_t P, Q, I;
};

FOUND FIND(const BRAID& B) {
  FOUND F{-7, -7, -7};
  handlereduction::FINDHANDLE(B, F.P, F.Q, F.I);
  return F;
}

FOUND NESTED(const BRAID& B) {
  FOUND F{-7, -7, -7};
  handlereduction::FINDNESTEDHANDLE(B, F.P, F.Q, F.I);
  return F;
}

FOUND LOCAL(const BRAID& B, std::int32_t X, std::int32_t Y) {
  FOUND F{-7, -7, -7};
  handlereduction::LOCALFINDHANDLE(B, X, Y, F.P, F.Q, F.I);
  return F;
}

void EXPECTFOUND(const FOUND& F, std::int32_t P, std::int32_t Q, std::int32_t I) {
  EXPECT_EQ(F.P, P);
  EXPECT_EQ(F.Q, Q);
  EXPECT_EQ(F.I, I);
}

TEST(FindHandle, NamedWords) {
  EXPECTFOUND(FIND(DEF("aA")), 1, 2, 1);
  EXPECTFOUND(FIND(DEF("abA")), 1, 3, 1);
  EXPECTFOUND(FIND(DEF("abcBA")), 2, 4, 2);  // the inner handle closes first
  EXPECTFOUND(FIND(DEF("bBaA")), 1, 2, 2);
  EXPECTFOUND(FIND(DEF("aabA")), 2, 4, 1);   // the nearest opening letter
  EXPECTFOUND(FIND(DEF("bcaCB")), 0, 6, 2);  // a lower letter cancels pending ones
  EXPECTFOUND(FIND(DEF("aab")), 0, 4, 2);    // no handle: I is the last index
  EXPECTFOUND(FIND(DEF("ba")), 0, 3, 1);
  EXPECTFOUND(FIND(DEF("abc")), 0, 4, 3);
  EXPECTFOUND(FIND(BraidBasics::BONE()), 0, 1, -7);  // I not written
}

// Straight from the definition: the least Q that closes a handle; its first
// letter is the nearest letter of the same index to the left, with all
// letters between of greater index, and of the opposite sign.
FOUND HANDLEBYDEFINITION(const BRAID& B) {
  for (std::int32_t Q = 1; Q <= B.L; ++Q) {
    for (std::int32_t P = Q - 1; P >= 1 && INDEXOF(B.V[P]) >= INDEXOF(B.V[Q]); --P) {
      if (INDEXOF(B.V[P]) == INDEXOF(B.V[Q])) {
        if (B.V[P] == -B.V[Q]) {
          return {P, Q, INDEXOF(B.V[Q])};
        }
        break;
      }
    }
  }
  return {0, B.L + 1, B.L > 0 ? INDEXOF(B.V[B.L]) : -7};
}

TEST(FindHandle, AgreesWithTheDefinitionOnRandomWords) {
  const unsigned SEED = 20240611;
  std::mt19937 GEN(SEED);
  for (int ROUND = 0; ROUND < 3000; ++ROUND) {
    BRAID B;
    B.L = ROUND % 40;
    B.W = 2 + ROUND % 9;
    BraidBasics::BROOM(B, B.L);
    for (std::int32_t R = 1; R <= B.L; ++R) {
      const auto X = static_cast<BraidBasics::BLETTER>(1 + GEN() % (B.W - 1));
      B.V[R] = GEN() % 2 == 0 ? X : static_cast<BraidBasics::BLETTER>(-X);
    }
    SCOPED_TRACE("seed " + std::to_string(SEED) + ", word " + BraidBasics::BWORD(B));
    const FOUND F = FIND(B);
    const FOUND G = HANDLEBYDEFINITION(B);
    ASSERT_EQ(F.P, G.P);
    ASSERT_EQ(F.Q, G.Q);
    ASSERT_EQ(F.I, G.I);
  }
}

TEST(LocalAndNestedHandles, NamedWords) {
  EXPECTFOUND(LOCAL(DEF("bBaA"), 1, 4), 3, 4, 1);
  EXPECTFOUND(LOCAL(DEF("aaA"), 1, 3), 2, 3, 1);    // P follows the latest a
  EXPECTFOUND(LOCAL(DEF("AaA"), 1, 3), 1, 2, 1);    // once closed, later A ignored
  EXPECTFOUND(LOCAL(DEF("baB"), 1, 3), 2, 0, 1);    // a lower letter restarts
  EXPECTFOUND(LOCAL(DEF("abcBA"), 2, 4), 2, 4, 2);  // a stretch inside the word
  EXPECTFOUND(LOCAL(DEF("abA"), 3, 2), 0, 0, 3);    // empty range: I = W

  EXPECTFOUND(NESTED(DEF("bBaA")), 3, 4, 1);    // least index, not first to close
  EXPECTFOUND(NESTED(DEF("abcCBA")), 3, 4, 3);  // refined from index 1 to 2 to 3
  EXPECTFOUND(NESTED(DEF("acCA")), 1, 4, 1);    // index 3 inside is not the next
  EXPECTFOUND(NESTED(DEF("BcCb")), 2, 3, 3);
  for (const char* W : {"bBa", "aab", "", "BcCB"}) {
    SCOPED_TRACE(W);
    const FOUND F = NESTED(DEF(W));
    EXPECT_EQ(F.P, 0);
    EXPECT_EQ(F.Q, 0);
  }
  EXPECT_EQ(handlereduction::BSHIFT(3, 1), 4);
  EXPECT_EQ(handlereduction::BSHIFT(-3, 1), -4);
  EXPECT_EQ(handlereduction::BSHIFT(-2, -1), -1);
}

TEST(ReduceHandle, NamedHandles) {
  struct CASE {
    const char* WORD;
    const char* REDUCT;
  };
  const CASE CASES[] = {
      {"aA", ""},                  // M = 0, empty interior
      {"acA", "c"},                // M = 0
      {"abA", "Bab"},              // M = 1, e = +1
      {"Aba", "baB"},              // M = 1, e = -1
      {"acbbcbA", "cBaabcBab"},    // M = 2
      {"abcbcbA", "BabcBabcBab"},  // M = 3
      {"aBcBA", "BAbcBAb"},        // negative runs
      {"Abcbda", "baBcbaBd"},      // e = -1, M = 2, trailing letter
      {"ccabAdd", "ccBabdd"},      // letters before and after stay
      {"bcdedC", "bDcdeDcd"},      // a handle of index 3 inside the word
  };
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    BRAID B = DEF(C.WORD);
    const FOUND F = FIND(B);
    const std::int32_t WIDTH = B.W;
    ASSERT_NE(F.P, 0);
    handlereduction::REDUCEHANDLE(B, F.P, F.Q, F.I);
    EXPECT_EQ(BraidBasics::BWORD(B), C.REDUCT);
    EXPECT_EQ(B.W, WIDTH);
  }
}

// LENGTH - 5 letters d, then the handle abcbA, whose reduct BabcBab is two
// letters longer.
BRAID ENDINGWITHGROWINGHANDLE(std::int32_t LENGTH) {
  return DEF(std::string(static_cast<std::size_t>(LENGTH - 5), 'd') + "abcbA");
}

TEST(ReduceHandle, TheBoundIsCheckedBeforeAnyWrite) {
  BRAID B = ENDINGWITHGROWINGHANDLE(BraidBasics::BMAXLENGTH - 1);
  const std::string BEFORE = BraidBasics::BWORD(B);
  FOUND F = FIND(B);
  ASSERT_EQ(F.P, BraidBasics::BMAXLENGTH - 5);
  EXPECT_THROW(handlereduction::REDUCEHANDLE(B, F.P, F.Q, F.I), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(BraidBasics::BWORD(B), BEFORE);

  B = ENDINGWITHGROWINGHANDLE(BraidBasics::BMAXLENGTH - 2);  // just fits
  F = FIND(B);
  handlereduction::REDUCEHANDLE(B, F.P, F.Q, F.I);
  EXPECT_EQ(B.L, BraidBasics::BMAXLENGTH);
  EXPECT_EQ(BraidBasics::BWORD(B).substr(BraidBasics::BMAXLENGTH - 7), "BabcBab");

  // Reducts that do not grow are written in a full record.
  B = DEF(std::string(BraidBasics::BMAXLENGTH - 3, 'd') + "abA");
  F = FIND(B);
  handlereduction::REDUCEHANDLE(B, F.P, F.Q, F.I);
  EXPECT_EQ(BraidBasics::BWORD(B).substr(BraidBasics::BMAXLENGTH - 4), "dBab");
}

}  // namespace
