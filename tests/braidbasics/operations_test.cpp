// The word-level operations.
#include "braidbasics/operations.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;
using korveltest::RANDOMSTRING;
using korveltest::WORD;

TEST(BFREEREDUCE, CancelsInCascadesAndKeepsTheWidth) {
  BRAID B = DEF("abBA");
  BraidBasics::BFREEREDUCE(B);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(B.W, 3);
  const std::pair<const char*, const char*> CASES[] = {
      {"Aaa", "a"}, {"aBbAc", "c"}, {"", ""}, {"aAbBcC", ""}, {"abcCBd", "ad"}, {"aa", "aa"},
      {"ab", "ab"}, {"AaBb", ""},   {"aBAb", "aBAb"}};
  for (const auto& [IN, OUT] : CASES) {
    B = DEF(IN);
    BraidBasics::BFREEREDUCE(B);
    EXPECT_EQ(WORD(B), OUT) << IN;
  }
}

TEST(BFREEREDUCE, ResultIsFreelyReducedAndAgreesWithNaiveCancellation) {
  std::mt19937 RNG(20261208);
  for (int T = 0; T < 500; ++T) {
    const std::string W = RANDOMSTRING(RNG, static_cast<int>(RNG() % 60), "aAbB");
    BRAID B = DEF(W);
    BraidBasics::BFREEREDUCE(B);
    // Naive: delete the first cancelling pair until there is none.
    std::string NAIVE = W;
    for (bool CHANGED = true; CHANGED;) {
      CHANGED = false;
      for (std::size_t P = 0; P + 1 < NAIVE.size(); ++P) {
        if (NAIVE[P] != NAIVE[P + 1] && (NAIVE[P] ^ 32) == NAIVE[P + 1]) {
          NAIVE.erase(P, 2);
          CHANGED = true;
          break;
        }
      }
    }
    ASSERT_EQ(WORD(B), NAIVE) << "seed 20261208, word " << W;
  }
}

TEST(BINV, InverseWord) {
  BRAID B = DEF("abC");
  BraidBasics::BINV(B);
  EXPECT_EQ(WORD(B), "cBA");
  B = DEF("abcd");
  BraidBasics::BINV(B);
  EXPECT_EQ(WORD(B), "DCBA");
  B = BraidBasics::BONE();
  BraidBasics::BINV(B);
  EXPECT_EQ(B.L, 0);
  B = DEF("aBc");
  EXPECT_EQ(WORD(BraidBasics::BINVERSED(B)), "CbA");
  EXPECT_EQ(BraidBasics::BINVERSED(B).W, 4);
}

TEST(BFLIP, MirrorsIndicesInTheWidthAndIsAnInvolution) {
  BRAID B = DEF("aCb");
  ASSERT_EQ(B.W, 4);
  BraidBasics::BFLIP(B);
  EXPECT_EQ(WORD(B), "cAb");
  BraidBasics::BFLIP(B);
  EXPECT_EQ(WORD(B), "aCb");
  EXPECT_EQ(B.W, 4);
}

TEST(ConcatProdInsert, WidthsAndAliasing) {
  BRAID B = DEF("ab");
  BraidBasics::BCONCAT(B, B);
  EXPECT_EQ(WORD(B), "abab");
  BraidBasics::BCONCAT(B, DEF("D"));
  EXPECT_EQ(WORD(B), "ababD");
  EXPECT_EQ(B.W, 5);
  BRAID P = BraidBasics::BPROD(DEF("c"), DEF("a"));
  EXPECT_EQ(WORD(P), "ca");
  EXPECT_EQ(P.W, 4);
  // The undefined braid acts as an empty word of width 0.
  P = BraidBasics::BPROD(BraidBasics::BUNDEFINED(), DEF("a"));
  EXPECT_EQ(WORD(P), "a");
  EXPECT_EQ(P.W, 2);
  // Records with no letters allocated at all, on either side.
  B = DEF("ab");
  BraidBasics::BCONCAT(B, BRAID{});
  BraidBasics::BCONCAT(B, BraidBasics::BEXTRACTED(B, 3, 2));
  EXPECT_EQ(WORD(B), "ab");
  BRAID E;
  BraidBasics::BCONCAT(E, B);
  EXPECT_EQ(WORD(E), "ab");
  EXPECT_EQ(WORD(BraidBasics::BPROD(BRAID{}, BRAID{})), "");

  B = DEF("abcde");
  BraidBasics::BINSERT(B, 2, 3, DEF("xyzw"));
  EXPECT_EQ(WORD(B), "axyzwde");
  EXPECT_EQ(B.L, 7);
  EXPECT_EQ(B.W, 27);
  B = DEF("abc");
  BraidBasics::BINSERT(B, 2, 1, DEF("DD"));
  EXPECT_EQ(WORD(B), "aDDbc");
  B = DEF("abcde");
  BraidBasics::BINSERT(B, 2, 4, BraidBasics::BONE());
  EXPECT_EQ(WORD(B), "ae");
  B = DEF("abc");
  BraidBasics::BINSERT(B, 4, 3, DEF("d"));  // append at the end
  EXPECT_EQ(WORD(B), "abcd");
  BraidBasics::BINSERT(B, B.L + 1, B.L + 1, DEF("a"));  // outside: nothing
  BraidBasics::BINSERT(B, 0, 1, DEF("a"));
  BraidBasics::BINSERT(B, 3, 1, DEF("a"));
  EXPECT_EQ(WORD(B), "abcd");
  BraidBasics::BINSERT(B, 2, 3, B);  // the inserted word may be the target
  EXPECT_EQ(WORD(B), "aabcdd");
}

TEST(ConcatProdInsert, RefuseToGrowPastTheBound) {
  BRAID B = DEF(std::string(1999, 'a'));
  BraidBasics::BCONCAT(B, DEF("b"));
  EXPECT_EQ(B.L, 2000);
  EXPECT_THROW(BraidBasics::BCONCAT(B, DEF("b")), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(B.L, 2000);
  EXPECT_THROW(BraidBasics::BPROD(B, DEF("a")), BraidBasics::BOUNDEXCEEDED);
  EXPECT_THROW(BraidBasics::BINSERT(B, 3, 3, DEF("ab")), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(B.L, 2000);
  BraidBasics::BINSERT(B, 3, 4, DEF("cc"));  // same length: fits
  EXPECT_EQ(B.V[3], 3);
}

TEST(ExtractCopyEqual, ClippingAndWidths) {
  BRAID B = DEF("abcd");
  EXPECT_EQ(WORD(BraidBasics::BEXTRACTED(B, 0, 2)), "ab");
  BRAID E = BraidBasics::BEXTRACTED(B, 3, 2);
  EXPECT_EQ(E.L, 0);
  EXPECT_EQ(E.W, 5);
  EXPECT_EQ(WORD(BraidBasics::BEXTRACTED(B, 2, B.L + 5)), "bcd");
  BRAID C;
  BraidBasics::BEXTRACT(B, -10, 10, C);
  EXPECT_EQ(WORD(C), "abcd");
  BraidBasics::BCOPY(B, C);
  EXPECT_TRUE(BraidBasics::BEQUAL(B, C));
  EXPECT_EQ(C.W, 5);
  EXPECT_TRUE(BraidBasics::BEQUAL(BraidBasics::BUNDEFINED(), BraidBasics::BONE()));
  EXPECT_TRUE(BraidBasics::BEQUAL(DEF("ab"), DEF("ab..")));
  EXPECT_FALSE(BraidBasics::BEQUAL(DEF("ab"), DEF("aB")));
  EXPECT_FALSE(BraidBasics::BEQUAL(DEF("ab"), DEF("abc")));
}

TEST(PrefixesAndPositivity, SignRuns) {
  EXPECT_EQ(WORD(BraidBasics::BNEGPREFIX(DEF("ABa"))), "AB");
  EXPECT_EQ(WORD(BraidBasics::BNEGPREFIX(DEF("a"))), "");
  EXPECT_EQ(WORD(BraidBasics::BPOSPREFIX(DEF("baAc"))), "ba");
  EXPECT_EQ(BraidBasics::BPOSPREFIX(DEF("baAc")).W, 4);
  EXPECT_TRUE(BraidBasics::BPOSITIVE(BraidBasics::BONE()));
  EXPECT_TRUE(BraidBasics::BPOSITIVE(BraidBasics::BUNDEFINED()));
  EXPECT_TRUE(BraidBasics::BPOSITIVE(DEF("abc")));
  EXPECT_FALSE(BraidBasics::BPOSITIVE(DEF("abcA")));
}

TEST(BSPLIT, SecondHalfIsTheLongerOne) {
  BRAID B = DEF("abcde");
  BRAID BB;
  BraidBasics::BSPLIT(B, BB);
  EXPECT_EQ(WORD(B), "ab");
  EXPECT_EQ(WORD(BB), "cde");
  EXPECT_EQ(BB.W, 6);
  B = DEF("a");
  BraidBasics::BSPLIT(B, BB);
  EXPECT_EQ(B.L, 0);
  EXPECT_EQ(WORD(BB), "a");
}

TEST(BINVWORD, InvertsLetterStringsKeepingDots) {
  std::string W = "ab.c";
  BraidBasics::BINVWORD(W);
  EXPECT_EQ(W, "C.BA");
  W = "a b,D";
  BraidBasics::BINVWORD(W);
  EXPECT_EQ(W, "dBA");
  W = "..D.ab";
  BraidBasics::BINVWORD(W);
  EXPECT_EQ(W, "BA.d..");
}

}  // namespace
