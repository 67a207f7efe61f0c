// The left normal form: Delta extraction, heads, the normal-form string, the
// record, its printing and its braid, the three-strand text and its padding.
//
// Asserted: the exact texts of named words; on seeded random positive words,
// that Delta^I times the factors gives the braid back, each factor is simple
// and each pair of neighbours is left-weighted, the string and the record
// agree, and two words of one braid give the same normal form (the same text
// on three strands, the same factors as braids on more); wide words end.
#include "braidbasics/leftnormalform.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "braidbasics/divisibility.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/tablebounds.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using BraidBasics::NF;
using korveltest::DEF;
using korveltest::EQUIVALENT;
using korveltest::RANDOMPOSITIVE;
using korveltest::WORD;

std::string NORMALWORD(const std::string& W, const char* SEP = ".") {
  return BraidBasics::BLEFTNORMALWORD(DEF(W), SEP);
}

std::vector<std::string> SPLITFACTORS(const std::string& S) {
  std::vector<std::string> FACTORS;
  if (S.empty()) {
    return FACTORS;
  }
  std::size_t START = 0;
  for (;;) {
    const std::size_t DOT = S.find('.', START);
    FACTORS.push_back(S.substr(START, DOT - START));
    if (DOT == std::string::npos) {
      return FACTORS;
    }
    START = DOT + 1;
  }
}

// Another word of the same braid: a few braid relations applied at random
// places (xyx -> yxy for adjacent x, y; xy -> yx for distant x, y).
std::string REWRITTEN(std::mt19937& RNG, std::string W) {
  for (int K = 0; K < 40 && W.size() >= 2; ++K) {
    const std::size_t P = RNG() % (W.size() - 1);
    const int X = W[P];
    const int Y = W[P + 1];
    if (X - Y >= 2 || Y - X >= 2) {
      std::swap(W[P], W[P + 1]);
    } else if ((X - Y == 1 || Y - X == 1) && P + 2 < W.size() && W[P + 2] == X) {
      W[P] = static_cast<char>(Y);
      W[P + 1] = static_cast<char>(X);
      W[P + 2] = static_cast<char>(Y);
    }
  }
  return W;
}

TEST(BLEFTNORMALWORD, NamedWordsWithTheDot) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", ".."},           {"a", "..a"},         {"ab", "..ab"},       {"aab", "..a.ab"},
      {"baab", "..ba.ab"},  {"abba", "..ab.ba"},  {"bbaab", "..b.ba.ab"}, {"bab", "D.."},
      {"abab", "D..b"},     {"babab", "D..ab"},   {"ababab", "DD.."},   {"aB", "??ined"},
      {"aaa", "..a.a.a"},   {"abacba", "D..cba"}, {"Abab", "??ined"}};
  for (const auto& [IN, OUT] : CASES) {
    SCOPED_TRACE(IN);
    EXPECT_EQ(NORMALWORD(IN), OUT);
  }
}

TEST(BLEFTNORMALWORD, OtherSeparators) {
  EXPECT_EQ(NORMALWORD("ab", ""), "ab");
  EXPECT_EQ(NORMALWORD("aab", ""), "aab");
  EXPECT_EQ(NORMALWORD("abab", ""), "Db");
  EXPECT_EQ(NORMALWORD("ababab", ""), "DD");
  EXPECT_EQ(NORMALWORD("", ""), "");
  EXPECT_EQ(NORMALWORD("abab", "/"), "D//b");
  EXPECT_EQ(NORMALWORD("aab", ", "), ", , a, ab");
}

TEST(BLEFTNORMALWORD, WideWordsEnd) {
  // Heads for more than twelve strands use the Delta of the word's own width.
  EXPECT_EQ(NORMALWORD("zyz"), "..zyz");
  EXPECT_EQ(NORMALWORD("zz"), "..z.z");
  EXPECT_EQ(NORMALWORD("abcdefghijklmnopqrstuvwxyz"), "..abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(NORMALWORD("abamlm"), "D..mlm");
  EXPECT_EQ(NORMALWORD("yzzy"), "..yz.zy");
}

TEST(BEXTRACTDELTA, NamedCases) {
  std::int32_t I = -1;
  BRAID BB = DEF("x");
  BraidBasics::BEXTRACTDELTA(DEF("ababab"), 3, I, BB);
  EXPECT_EQ(I, 2);
  EXPECT_EQ(BB.L, 0);
  EXPECT_EQ(BB.W, 3);
  BraidBasics::BEXTRACTDELTA(DEF("aba"), 2, I, BB);
  EXPECT_EQ(I, 1);
  EXPECT_EQ(WORD(BB), "ba");
  // Not positive, width 1, or an empty Delta: nothing is divided out.
  for (const auto& [W, N] : {std::pair<const char*, int>{"abaB", 3}, {"", 3}, {"aa", 1}, {"aa", 0},
                            {"aba", -2}}) {
    SCOPED_TRACE(W);
    BraidBasics::BEXTRACTDELTA(DEF(W), N, I, BB);
    EXPECT_EQ(I, 0);
    EXPECT_EQ(WORD(BB), W);
  }
  // The same record as input and remainder.
  BRAID B = DEF("abacbaab");
  BraidBasics::BEXTRACTDELTA(B, 4, I, B);
  EXPECT_EQ(I, 1);
  EXPECT_EQ(WORD(B), "ab");
  EXPECT_EQ(B.W, 4);
}

TEST(BLEFTHEAD, NamedCases) {
  EXPECT_EQ(WORD(BraidBasics::BLEFTHEAD(DEF("aab"))), "a");
  EXPECT_EQ(WORD(BraidBasics::BLEFTHEAD(DEF("bab"))), "bab");
  EXPECT_EQ(WORD(BraidBasics::BLEFTHEAD(DEF("abba"))), "ab");
  EXPECT_EQ(WORD(BraidBasics::BLEFTHEAD(DEF("acab"))), "ac");
  const BRAID U = BraidBasics::BLEFTHEAD(DEF("aB"));
  EXPECT_EQ(U.W, 0);
  EXPECT_EQ(U.L, 0);
  EXPECT_EQ(BraidBasics::BLEFTHEAD(BraidBasics::BONE()).L, 0);
}

TEST(BLEFTNF, NamedCases) {
  struct CASE {
    const char* WORD;
    std::int32_t I, W;
    const char* S;
  };
  const CASE CASES[] = {{"", 0, 1, ""},        {"abab", 1, 3, "b"},     {"aab", 0, 3, "a.ab"},
                        {"aaa", 3, 2, ""},     {"abacba", 1, 4, ""},    {"acab", 0, 4, "ac.ab"},
                        {"aB", 0, 3, "??ined"}, {"ababab", 2, 3, ""},    {"bbaab", 0, 3, "b.ba.ab"}};
  for (const CASE& C : CASES) {
    SCOPED_TRACE(C.WORD);
    const NF X = BraidBasics::BLEFTNF(DEF(C.WORD));
    EXPECT_EQ(X.I, C.I);
    EXPECT_EQ(X.W, C.W);
    EXPECT_EQ(X.S, C.S);
  }
}

TEST(NFWRITE, PrintsDeltaWidthPowerAndFactors) {
  const std::pair<const char*, const char*> CASES[] = {
      {"aab", "D_3^0.a.ab"}, {"abab", "D_3^1.b"}, {"ababab", "D_3^2."}, {"aaa", "D_2^3."}};
  for (const auto& [IN, OUT] : CASES) {
    korveltest::ConsoleCapture CONSOLE;
    BraidBasics::NFWRITE(BraidBasics::BLEFTNF(DEF(IN)));
    EXPECT_EQ(CONSOLE.Output(), OUT) << IN;
  }
}

TEST(NFBRAID, PutsTheDeltasInFront) {
  BRAID B = BraidBasics::NFBRAID(NF{1, 3, "b"});
  EXPECT_EQ(WORD(B), "abab");
  EXPECT_EQ(B.W, 3);
  EXPECT_EQ(WORD(BraidBasics::NFBRAID(NF{2, 3, "a.ab"})), "abaabaaab");
  B = BraidBasics::NFBRAID(NF{2, 4, ""});
  EXPECT_EQ(WORD(B), "abacbaabacba");
  EXPECT_EQ(B.W, 4);
  // With no Delta the braid is the letters of S alone, with their own width.
  B = BraidBasics::NFBRAID(NF{0, 5, "a.a"});
  EXPECT_EQ(WORD(B), "aa");
  EXPECT_EQ(B.W, 2);
  EXPECT_EQ(BraidBasics::NFBRAID(NF{-3, 3, "b"}).L, 1);
  // An empty Delta adds nothing, however often.
  EXPECT_EQ(WORD(BraidBasics::NFBRAID(NF{1000000000, 1, "b"})), "b");
  EXPECT_THROW(BraidBasics::NFBRAID(NF{700, 3, ""}), BraidBasics::BOUNDEXCEEDED);
  EXPECT_EQ(BraidBasics::NFBRAID(NF{666, 3, "aa"}).L, 2000);
}

TEST(NFEQUAL, ComparesAllThreeFields) {
  EXPECT_TRUE(BraidBasics::NFEQUAL(NF{1, 3, "b"}, NF{1, 3, "b"}));
  EXPECT_FALSE(BraidBasics::NFEQUAL(NF{1, 3, "b"}, NF{1, 4, "b"}));
  EXPECT_FALSE(BraidBasics::NFEQUAL(NF{1, 3, "b"}, NF{2, 3, "b"}));
  EXPECT_FALSE(BraidBasics::NFEQUAL(NF{1, 3, "b"}, NF{1, 3, "b."}));
}

TEST(GARNORMAL, ThreeStrandTexts) {
  const std::pair<const char*, const char*> CASES[] = {
      {"abab", "Db"}, {"ababab", "DD"}, {"bab", "D"},  {"baab", "baab"},
      {"", ""},       {"?", "?"},       {"aB", "??ined"}, {"ab ab", "Db"}};
  for (const auto& [IN, OUT] : CASES) {
    EXPECT_EQ(BraidBasics::GARNORMAL(IN), OUT) << IN;
  }
}

TEST(PADDEDGARNORMAL, PadsToTheLengthBoundWithoutCutting) {
  const std::int32_t SAVED = BraidBasics::LENGTHBOUND;
  BraidBasics::LENGTHBOUND = 5;
  EXPECT_EQ(BraidBasics::PADDEDGARNORMAL("ab"), "ab   ");
  EXPECT_EQ(BraidBasics::PADDEDGARNORMAL("?"), "?    ");
  BraidBasics::LENGTHBOUND = 1;
  EXPECT_EQ(BraidBasics::PADDEDGARNORMAL("ab"), "ab");
  BraidBasics::LENGTHBOUND = 0;
  EXPECT_EQ(BraidBasics::PADDEDGARNORMAL("abab"), "Db");
  BraidBasics::LENGTHBOUND = SAVED;
}

// Checks the record X of the positive word W: Delta^I times the factors is W,
// each factor is a non-empty simple braid (a left divisor of Delta), and each
// pair of neighbours is left-weighted (the head of their product is the
// first).
void CHECKNORMALFORM(const std::string& W, const NF& X) {
  const BRAID B = DEF(W);
  const BRAID DELTA = BraidBasics::BDELTA(X.W);
  EXPECT_EQ(X.W, B.W);
  BRAID PRODUCT = BraidBasics::BONE();
  for (std::int32_t K = 0; K < X.I; ++K) {
    BraidBasics::BCONCAT(PRODUCT, DELTA);
  }
  const std::vector<std::string> FACTORS = SPLITFACTORS(X.S);
  for (std::size_t K = 0; K < FACTORS.size(); ++K) {
    const BRAID F = DEF(FACTORS[K]);
    EXPECT_GT(F.L, 0) << "factor " << K;
    EXPECT_TRUE(BraidBasics::BLEFTDIVIDES(F, DELTA)) << "factor " << K;
    if (K == 0) {
      EXPECT_FALSE(EQUIVALENT(F, DELTA));  // every Delta went into I
    } else {
      const BRAID PREVIOUS = DEF(FACTORS[K - 1]);
      const BRAID HEAD = BraidBasics::BLEFTGCD(BraidBasics::BPROD(PREVIOUS, F), DELTA);
      EXPECT_TRUE(EQUIVALENT(HEAD, PREVIOUS)) << "factors " << K - 1 << " and " << K;
    }
    BraidBasics::BCONCAT(PRODUCT, F);
  }
  EXPECT_TRUE(EQUIVALENT(PRODUCT, B));
  // Delta does not divide what follows the Delta power.
  BRAID REST = BraidBasics::BONE();
  for (const std::string& F : FACTORS) {
    BraidBasics::BCONCAT(REST, DEF(F));
  }
  REST.W = B.W;
  EXPECT_FALSE(REST.L > 0 && BraidBasics::BLEFTDIVIDES(DELTA, REST));
}

TEST(BLEFTNF, SeededRandomPositiveWordsOfThreeStrands) {
  const unsigned SEED = 4303;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 300; ++T) {
    std::string W = RANDOMPOSITIVE(RNG, static_cast<int>(RNG() % 16), 3);
    if (W.find('b') == std::string::npos) {
      W.push_back('b');  // keep the width at 3
    }
    SCOPED_TRACE("seed 4303, word " + W);
    const NF X = BraidBasics::BLEFTNF(DEF(W));
    CHECKNORMALFORM(W, X);
    // For three strands the string counts the same Delta as the record.
    EXPECT_EQ(NORMALWORD(W), std::string(static_cast<std::size_t>(X.I), 'D') + ".." + X.S);
    // The braid of the record is the input braid, and its normal form is X.
    const BRAID BACK = BraidBasics::NFBRAID(X);
    EXPECT_TRUE(EQUIVALENT(BACK, DEF(W)));
    EXPECT_TRUE(BraidBasics::NFEQUAL(BraidBasics::BLEFTNF(BACK), X));
    // Another word of the same braid has the same normal forms.
    const std::string OTHER = REWRITTEN(RNG, W);
    ASSERT_TRUE(EQUIVALENT(DEF(OTHER), DEF(W))) << OTHER;
    EXPECT_EQ(NORMALWORD(OTHER), NORMALWORD(W)) << OTHER;
    EXPECT_EQ(BraidBasics::GARNORMAL(OTHER), BraidBasics::GARNORMAL(W)) << OTHER;
    EXPECT_TRUE(BraidBasics::NFEQUAL(BraidBasics::BLEFTNF(DEF(OTHER)), X)) << OTHER;
  }
}

TEST(BLEFTNF, SeededRandomPositiveWordsOfFourAndFiveStrands) {
  const unsigned SEED = 4304;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 200; ++T) {
    const int WIDTH = 4 + T % 2;
    std::string W = RANDOMPOSITIVE(RNG, static_cast<int>(RNG() % 14), WIDTH);
    W.push_back(static_cast<char>('a' + WIDTH - 2));  // keep the width
    SCOPED_TRACE("seed 4304, word " + W);
    const NF X = BraidBasics::BLEFTNF(DEF(W));
    CHECKNORMALFORM(W, X);
    // Another word of the same braid has the same factors as braids. From
    // four strands on a simple braid may have several words (cbd = cdb), and
    // the word of a head depends on the word it was taken from, so the texts
    // themselves may differ.
    const std::string OTHER = REWRITTEN(RNG, W);
    ASSERT_TRUE(EQUIVALENT(DEF(OTHER), DEF(W))) << OTHER;
    const NF Y = BraidBasics::BLEFTNF(DEF(OTHER));
    EXPECT_EQ(Y.I, X.I) << OTHER;
    const std::vector<std::string> XF = SPLITFACTORS(X.S);
    const std::vector<std::string> YF = SPLITFACTORS(Y.S);
    ASSERT_EQ(YF.size(), XF.size()) << OTHER;
    for (std::size_t K = 0; K < XF.size(); ++K) {
      EXPECT_TRUE(EQUIVALENT(DEF(XF[K]), DEF(YF[K]))) << OTHER << ", factor " << K;
    }
  }
}

TEST(BLEFTNORMALWORD, FactorWordsFollowTheInputFromFourStrandsOn) {
  // cbd and cdb are one simple braid; each is its own head, word for word.
  EXPECT_EQ(NORMALWORD("cbd"), "..cbd");
  EXPECT_EQ(NORMALWORD("cdb"), "..cdb");
  EXPECT_TRUE(EQUIVALENT(DEF("cbd"), DEF("cdb")));
}

}  // namespace
