// The modular group PSL(2,Z) = B_3 / <Delta^2> of the conjugator search.
//
// Asserted: the images of the generators and of Delta and Delta^2; that the
// image is a homomorphism and the shortest positive preimage gives back
// every positive braid of at most one Delta (and drops Delta^2 otherwise);
// that products cancel through, inverses invert, cyclic reduction writes X
// as C H C^-1 with H cyclically reduced, and root lengths of periodic words.
#include "braidconjugacy/modulargroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/braidconjugacy/study_support.h"

namespace {

using BraidConjugacy::MODS;
using BraidConjugacy::MODU;
using BraidConjugacy::MODUINV;
using BraidConjugacy::MODWORD;
using BraidConjugacy::POS3;

MODWORD IMAGE(const std::string& W) {
  POS3 X;
  EXPECT_TRUE(BraidConjugacy::POS3FROMWORD(W, X)) << W;
  return BraidConjugacy::MODIMAGE(X);
}

MODWORD PRODUCT(MODWORD X, const MODWORD& Y) {
  BraidConjugacy::MODMULTIPLY(X, Y);
  return X;
}

TEST(ModularGroup, ImagesOfGeneratorsAndDelta) {
  EXPECT_EQ(IMAGE("a"), (MODWORD{MODU, MODS}));
  EXPECT_EQ(IMAGE("b"), (MODWORD{MODS, MODU}));
  EXPECT_EQ(IMAGE("ab"), (MODWORD{MODUINV}));           // (ab)^-1 maps to u
  EXPECT_EQ(IMAGE("aba"), (MODWORD{MODS}));             // Delta
  EXPECT_EQ(IMAGE("bab"), (MODWORD{MODS}));
  EXPECT_EQ(IMAGE("ababab"), MODWORD{});                // Delta^2 is central
  EXPECT_EQ(IMAGE("abaaba"), MODWORD{});
  EXPECT_EQ(IMAGE(""), MODWORD{});
}

TEST(ModularGroup, ImageIsAHomomorphismAndTheLiftInvertsIt) {
  const std::vector<std::string> WORDS = studytest::ALLWORDS(9);
  for (std::size_t I = 0; I < WORDS.size(); I += 7) {
    for (std::size_t J = 0; J < WORDS.size(); J += 131) {
      SCOPED_TRACE(WORDS[I] + "." + WORDS[J]);
      EXPECT_EQ(IMAGE(WORDS[I] + WORDS[J]), PRODUCT(IMAGE(WORDS[I]), IMAGE(WORDS[J])));
    }
    POS3 X;
    ASSERT_TRUE(BraidConjugacy::POS3FROMWORD(WORDS[I], X));
    POS3 LIFT;
    ASSERT_TRUE(BraidConjugacy::MODLIFT(BraidConjugacy::MODIMAGE(X), LIFT));
    // Delta^K w and Delta^(K mod 2) w have one image; the lift is the latter.
    EXPECT_EQ(LIFT.K, X.K % 2) << WORDS[I];
    EXPECT_EQ(LIFT.N, X.N) << WORDS[I];
    EXPECT_EQ(LIFT.BITS, X.BITS) << WORDS[I];
  }
}

TEST(ModularGroup, InversesAndCancellation) {
  const MODWORD X = IMAGE("aabbbaab");
  EXPECT_EQ(PRODUCT(X, BraidConjugacy::MODINVERSE(X)), MODWORD{});
  EXPECT_EQ(PRODUCT(BraidConjugacy::MODINVERSE(X), X), MODWORD{});
  // u u = u^-1, u u^-1 = 1 and the s on both sides then cancel too.
  EXPECT_EQ(PRODUCT({MODS, MODU}, {MODU, MODS}), (MODWORD{MODS, MODUINV, MODS}));
  EXPECT_EQ(PRODUCT({MODU, MODS, MODU}, {MODUINV, MODS, MODUINV}), MODWORD{});
  EXPECT_EQ(PRODUCT({MODS}, {MODS}), MODWORD{});
}

TEST(ModularGroup, CyclicReduction) {
  const std::vector<std::string> WORDS = studytest::ALLWORDS(10);
  for (std::size_t I = 0; I < WORDS.size(); I += 5) {
    SCOPED_TRACE(WORDS[I]);
    const MODWORD X = IMAGE(WORDS[I]);
    MODWORD C, H;
    BraidConjugacy::MODCYCLICALLYREDUCE(X, C, H);
    EXPECT_EQ(PRODUCT(PRODUCT(C, H), BraidConjugacy::MODINVERSE(C)), X);
    if (H.size() >= 2) {
      EXPECT_EQ(H.size() % 2, 0u);
      EXPECT_NE(H.front() == MODS, H.back() == MODS);
    }
  }
  // u s u = u (s u^-1) u^-1: the middle is s u^-1.
  MODWORD C, H;
  BraidConjugacy::MODCYCLICALLYREDUCE({MODU, MODS, MODU}, C, H);
  EXPECT_EQ(C, MODWORD{MODU});
  EXPECT_EQ(H, (MODWORD{MODS, MODUINV}));
}

TEST(ModularGroup, RootLengths) {
  EXPECT_EQ(BraidConjugacy::MODROOTLENGTH({MODU, MODS, MODU, MODS, MODU, MODS}), 2);  // a^3
  EXPECT_EQ(BraidConjugacy::MODROOTLENGTH({MODU, MODS, MODUINV, MODS}), 4);
  EXPECT_EQ(BraidConjugacy::MODROOTLENGTH({MODU, MODS, MODUINV, MODS, MODU, MODS, MODUINV, MODS}), 4);
}

}  // namespace
