// The symmetric normal decomposition D^-1 N.
//
// Asserted: the exact texts of named words; on seeded random words of three
// strands, that the text spells a word of the input braid, that its two parts
// are coprime on the left, and that two words of one braid give one text; the
// separator handling; and that a word whose reversing outgrows the record is
// refused.
#include "braidbasics/symmetricnormalform.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/divisibility.h"
#include "braidbasics/operations.h"
#include "braidbasics/reversing.h"
#include "braidbasics/words.h"
#include "tests/support/braid_words.h"
#include "tests/support/random_words.h"

namespace {

using BraidBasics::BRAID;
using korveltest::DEF;
using korveltest::EQUIVALENT;
using korveltest::RANDOMSTRING;

std::string SYMMETRIC(const std::string& W, const char* SEP = ".") {
  return BraidBasics::BSYMLEFTNORMALWORD(DEF(W), SEP);
}

// The letters of a three-strand text with each Delta marker spelled out:
// "D" is aba, "d" its inverse; dots are not letters.
std::string SPELLED(const std::string& TEXT) {
  std::string W;
  for (char C : TEXT) {
    if (C == 'D') {
      W += "aba";
    } else if (C == 'd') {
      W += "ABA";
    } else if (C != '.') {
      W.push_back(C);
    }
  }
  return W;
}

TEST(BSYMLEFTNORMALWORD, NamedWordsWithTheDot) {
  const std::pair<const char*, const char*> CASES[] = {
      {"", "....."},          {"ab", ".....ab"},      {"aba", "...D.."},
      {"abab", "...D..b"},    {"ABA", "..d..."},      {"Ab", "A.....b"},
      {"aB", "BA.....ba"},    {"abAB", "B.....a"},    {"AAb", "A.A.....b"},
      {"bcBA", "CAB.....abc"}, {"BAab", "....."},      {"ababAB", ".....a.a"},
      {"dAbabCd", "CDBC.....bcdcba.d"}, {"ABAB", "A..d..."}};
  for (const auto& [IN, OUT] : CASES) {
    SCOPED_TRACE(IN);
    EXPECT_EQ(SYMMETRIC(IN), OUT);
  }
}

TEST(BSYMLEFTNORMALWORD, OtherSeparators) {
  EXPECT_EQ(SYMMETRIC("ab", ""), "ab");
  EXPECT_EQ(SYMMETRIC("Ab", ""), "Ab");
  EXPECT_EQ(SYMMETRIC("aba", ""), "D");
  EXPECT_EQ(SYMMETRIC("ABA", ""), "d");
  EXPECT_EQ(SYMMETRIC("", ""), "");
  // Inverting the denominator's text drops separators other than the dot.
  EXPECT_EQ(SYMMETRIC("aB", "/"), "BA///ba");
  EXPECT_EQ(SYMMETRIC("AAb", "/"), "AA///b");
}

TEST(BSYMLEFTNORMALWORD, SeededRandomThreeStrandWords) {
  const unsigned SEED = 4404;
  std::mt19937 RNG(SEED);
  for (int T = 0; T < 300; ++T) {
    const std::string W = RANDOMSTRING(RNG, static_cast<int>(RNG() % 20), "aAbB");
    SCOPED_TRACE("seed 4404, word " + W);
    const BRAID INPUT = DEF(W);
    const std::string TEXT = BraidBasics::BSYMLEFTNORMALWORD(INPUT, ".");
    // The text is D^-1 N spelled out.
    EXPECT_TRUE(EQUIVALENT(DEF(SPELLED(TEXT)), INPUT)) << TEXT;
    // Capitals and "d" belong to the inverted denominator, the rest to the
    // numerator; the two are coprime on the left.
    std::string DENINV;
    std::string NUM;
    for (char C : TEXT) {
      if (C == 'd' || (C >= 'A' && C <= 'Z' && C != 'D')) {
        DENINV.push_back(C);
      } else if (C != '.') {
        NUM.push_back(C);
      }
    }
    const BRAID D = BraidBasics::BINVERSED(DEF(SPELLED(DENINV)));
    const BRAID N = DEF(SPELLED(NUM));
    EXPECT_EQ(BraidBasics::BLEFTGCD(D, N).L, 0) << TEXT;
    // Another word of the same braid, with a free pair and a relation added.
    const std::size_t P = W.empty() ? 0 : RNG() % (W.size() + 1);
    const std::string OTHER = W.substr(0, P) + "bAaB" + "abaBAB" + W.substr(P);
    EXPECT_EQ(SYMMETRIC(OTHER), TEXT) << OTHER;
  }
}

TEST(BSYMLEFTNORMALWORD, GrowthPastTheBoundIsRefused) {
  // A positive word of 80 letters on 27 strands followed by the inverse of
  // another: reversing it needs more than BMAXLENGTH letters.
  const std::string W =
      "zscpyibaevspyxlkyaipzgxnrrvdgsrwzxivztvcnkclznziowdygwuzjdbsgulpgqsuwzqaulhtnjls"
      "DCQVQGDTVIJXGMPHETGWQAGYFAUKRVTTJLMQMJEVPBFNTXMDOHZCTVOOZMZCQNPJWNCGXVIOPXZFAARD";
  EXPECT_THROW(SYMMETRIC(W), BraidBasics::BOUNDEXCEEDED);
}

}  // namespace

// BSYMFRACTION gives the pair of the decomposition: aB = (ab)^-1 ba, so D = ab
// and N = ba, both of width 3; on seeded random words D^-1 N is the input's
// braid and D, N are positive with no common left divisor.
TEST(SymmetricFraction, NamedAndSeededWords) {
  BRAID D;
  BRAID N;
  BraidBasics::BSYMFRACTION(DEF("aB"), D, N);
  EXPECT_EQ(korveltest::WORD(D), "ab");
  EXPECT_EQ(korveltest::WORD(N), "ba");
  EXPECT_EQ(D.W, 3);
  EXPECT_EQ(N.W, 3);
  std::mt19937 GEN(44);
  for (int K = 0; K < 100; ++K) {
    const BRAID B = DEF(RANDOMSTRING(GEN, K % 25, "abcABC"));
    SCOPED_TRACE(korveltest::WORD(B));
    BraidBasics::BSYMFRACTION(B, D, N);
    EXPECT_TRUE(BraidBasics::BPOSITIVE(D));
    EXPECT_TRUE(BraidBasics::BPOSITIVE(N));
    EXPECT_TRUE(EQUIVALENT(BraidBasics::BPROD(BraidBasics::BINVERSED(D), N), B));
    EXPECT_EQ(BraidBasics::BLEFTGCD(D, N).L, 0);
  }
}
