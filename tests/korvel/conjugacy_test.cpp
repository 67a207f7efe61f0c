// Conjugacy through the interface for programs. Every conjugating braid is
// checked exactly (c^-1 a c equals b by the coordinates, a method independent
// of the Garside structure that found it); invariants that separate classes
// (exponent sum, permutation cycle type) are never contradicted; the class
// representative is a function of the class; and on three strands the
// answers agree with the console's study of super summit sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "braidconjugacy/supersummit.h"
#include "braidbasics/alternatingnormalform.h"
#include "handlereduction/orderings.h"
#include "korvel/korvel.h"
#include "tests/support/random_braids.h"

namespace {

using korvel::Braid;
using korvel::Method;

bool CONJUGATES(const Braid& A, const Braid& C, const Braid& B) {
  return korvel::equal(C.inverse() * A * C, B, Method::Coordinates);
}

long long EXPONENTSUM(const Braid& B) {
  long long S = 0;
  for (int X : B.tietze()) {
    S += X > 0 ? 1 : -1;
  }
  return S;
}

// The cycle type of the permutation of the strands, sorted.
std::vector<int> CYCLETYPE(const Braid& B) {
  const int N = B.strands();
  std::vector<int> P(static_cast<std::size_t>(N));
  for (int K = 0; K < N; ++K) {
    P[static_cast<std::size_t>(K)] = K;
  }
  for (int X : B.tietze()) {
    const auto I = static_cast<std::size_t>((X > 0 ? X : -X) - 1);
    std::swap(P[I], P[I + 1]);
  }
  std::vector<int> TYPE;
  std::vector<bool> SEEN(static_cast<std::size_t>(N), false);
  for (int K = 0; K < N; ++K) {
    int LENGTH = 0;
    for (int J = K; !SEEN[static_cast<std::size_t>(J)]; J = P[static_cast<std::size_t>(J)]) {
      SEEN[static_cast<std::size_t>(J)] = true;
      ++LENGTH;
    }
    if (LENGTH > 0) {
      TYPE.push_back(LENGTH);
    }
  }
  std::sort(TYPE.begin(), TYPE.end());
  return TYPE;
}

TEST(Conjugacy, WorkedUltraSummitSets) {
  // USS(sigma_2 sigma_1 sigma_2 sigma_1) in B_3: sigma_1 sigma_2 sigma_1^2
  // and (sigma_1 sigma_2)^2.
  const auto USS = korvel::ultra_summit_set(Braid("baba"));
  std::vector<Braid> MEMBERS;
  for (const auto& ORBIT : USS) {
    for (const korvel::Conjugate& C : ORBIT) {
      EXPECT_TRUE(CONJUGATES(Braid("baba"), C.conjugator, C.element));
      MEMBERS.push_back(C.element);
    }
  }
  ASSERT_EQ(MEMBERS.size(), 2U);
  const bool FOUND1 = MEMBERS[0] == Braid("abaa") || MEMBERS[1] == Braid("abaa");
  const bool FOUND2 = MEMBERS[0] == Braid("abab") || MEMBERS[1] == Braid("abab");
  EXPECT_TRUE(FOUND1 && FOUND2);
  // [2, 2, -1, -1, 2, 2] in B_3: two orbits of six elements each.
  const auto USS2 = korvel::ultra_summit_set(Braid(std::vector<int>{2, 2, -1, -1, 2, 2}));
  ASSERT_EQ(USS2.size(), 2U);
  EXPECT_EQ(USS2[0].size(), 6U);
  EXPECT_EQ(USS2[1].size(), 6U);
}

TEST(Conjugacy, CyclingAndDecyclingAreConjugations) {
  std::mt19937_64 GEN(31);
  for (int K = 0; K < 200; ++K) {
    const Braid A = korveltest::RANDOMBRAID(GEN, 3 + K % 6, 1 + GEN() % 30);
    for (const korvel::Conjugate& C : {korvel::cycling(A), korvel::decycling(A)}) {
      EXPECT_TRUE(CONJUGATES(A, C.conjugator, C.element)) << A.str();
    }
    EXPECT_EQ(korvel::sup(A) - korvel::inf(A), korvel::canonical_length(A));
  }
}

TEST(Conjugacy, ConjugatorsOfSeededPairsAreExact) {
  std::mt19937_64 GEN(32);
  for (int K = 0; K < 2000; ++K) {
    const int N = 3 + K % 8;
    const std::size_t LENGTH = 1 + GEN() % (N <= 5 ? 40 : 20);
    const Braid A = korveltest::RANDOMBRAID(GEN, N, LENGTH);
    const Braid B = korveltest::CONJUGATED(GEN, A, 1 + GEN() % LENGTH);
    SCOPED_TRACE(A.str() + " and " + B.str());
    const std::optional<Braid> C = korvel::conjugating_braid(A, B);
    ASSERT_TRUE(C.has_value());
    EXPECT_TRUE(CONJUGATES(A, *C, B));
  }
}

// The representative needs the whole set of sliding circuits, which for some
// short braids on many strands (reducible ones) is very large: four to six
// strands, with a limit, and the braids whose set passes it are counted.
TEST(Conjugacy, TheRepresentativeIsAFunctionOfTheClass) {
  std::mt19937_64 GEN(34);
  int TOOLARGE = 0;
  for (int K = 0; K < 500; ++K) {
    const int N = 3 + K % 4;
    const Braid A = korveltest::RANDOMBRAID(GEN, N, 1 + GEN() % 30);
    const Braid B = korveltest::CONJUGATED(GEN, A, 1 + GEN() % 15);
    SCOPED_TRACE(A.str() + " and " + B.str());
    try {
      const Braid R = korvel::conjugacy_representative(A, 5000);
      EXPECT_TRUE(R.same_word(korvel::conjugacy_representative(B, 5000)));
      EXPECT_TRUE(korvel::is_conjugate(A, R));
    } catch (const korvel::SetTooLarge&) {
      ++TOOLARGE;
    }
  }
  EXPECT_LT(TOOLARGE, 50);
}

TEST(Conjugacy, InvariantsAreNeverContradicted) {
  std::mt19937_64 GEN(33);
  int SEPARATED = 0;
  for (int K = 0; K < 2000; ++K) {
    const int N = 3 + K % 6;
    const Braid A = korveltest::RANDOMBRAID(GEN, N, 1 + GEN() % 16);
    const Braid B = korveltest::RANDOMBRAID(GEN, N, 1 + GEN() % 16);
    const std::optional<Braid> C = korvel::conjugating_braid(A, B);
    EXPECT_EQ(korvel::is_conjugate(A, B), C.has_value());
    if (EXPONENTSUM(A) != EXPONENTSUM(B) || CYCLETYPE(A) != CYCLETYPE(B)) {
      ++SEPARATED;
      EXPECT_FALSE(C.has_value()) << A.str() << " and " << B.str();
      EXPECT_FALSE(korvel::conjugacy_representative(A).same_word(korvel::conjugacy_representative(B)));
    } else if (C) {
      EXPECT_TRUE(CONJUGATES(A, *C, B));
    }
  }
  EXPECT_GT(SEPARATED, 1000);
}

TEST(Conjugacy, DeltaPowersAndPeriodicBraids) {
  for (int N : {3, 4, 6}) {
    const Braid D = Braid::delta(N);
    for (long long K : {-3LL, -1LL, 0LL, 1LL, 2LL}) {
      // A power of Delta is conjugate only to itself.
      const Braid X = D.pow(K);
      const auto C = korvel::conjugating_braid(X, X);
      ASSERT_TRUE(C.has_value());
      EXPECT_TRUE(korvel::is_conjugate(X, X));
      EXPECT_FALSE(korvel::is_conjugate(X, D.pow(K + 1)));
      EXPECT_TRUE(CONJUGATES(X, *C, X));
      EXPECT_EQ(korvel::canonical_length(X), 0);
      EXPECT_EQ(korvel::inf(X), K);
    }
    // delta = sigma_1 ... sigma_(n-1) is periodic (delta^n = Delta^2); its
    // powers are conjugate to their conjugates and not to Delta's.
    std::vector<int> W;
    for (int I = 1; I < N; ++I) {
      W.push_back(I);
    }
    const Braid SMALL(W, N);
    const Braid P = SMALL.pow(N + 1);
    std::mt19937_64 GEN(static_cast<std::uint64_t>(N));
    const Braid Q = korveltest::CONJUGATED(GEN, P, 7);
    const auto C = korvel::conjugating_braid(P, Q);
    ASSERT_TRUE(C.has_value());
    EXPECT_TRUE(CONJUGATES(P, *C, Q));
    EXPECT_TRUE(korvel::equal(SMALL.pow(N), D.pow(2)));
  }
}

TEST(Conjugacy, SetLimitsRaiseCleanly) {
  // [2, 2, -1, -1, 2, 2] has 12 members in its ultra summit set.
  const Braid A(std::vector<int>{2, 2, -1, -1, 2, 2});
  EXPECT_THROW(korvel::ultra_summit_set(A, 5), korvel::SetTooLarge);
  EXPECT_NO_THROW(korvel::ultra_summit_set(A, 12));
  try {
    korvel::super_summit_set(A, 1);
    FAIL() << "a limit of one member was passed";
  } catch (const korvel::SetTooLarge& E) {
    EXPECT_NE(std::string(E.what()).find("1"), std::string::npos) << E.what();
  }
}

// Every positive three-strand braid of at most 12 letters, once each (by
// its alternating normal form): every member of the console's study set of
// the braid is found conjugate to it, and braids with the same study set
// have the same class representative.
TEST(Conjugacy, AgreesWithTheThreeStrandStudy) {
  const char SAVED = handlereduction::BORDEROPTION;
  handlereduction::BORDEROPTION = 'R';
  std::set<std::string> FORMS;
  std::vector<std::string> WORDS{""};
  for (std::size_t K = 0; K < WORDS.size(); ++K) {
    if (WORDS[K].size() < 12) {
      WORDS.push_back(WORDS[K] + "a");
      WORDS.push_back(WORDS[K] + "b");
    }
  }
  std::map<std::string, Braid> REPRESENTATIVES;
  for (const std::string& W : WORDS) {
    const std::string FORM = BraidBasics::ALTNORMAL(W);
    if (!FORMS.insert(FORM).second) {
      continue;
    }
    const Braid A(W, 3);
    const std::string SET = BraidConjugacy::SSS3ASSTRING(W);
    std::size_t FROM = 0;
    while (FROM <= SET.size()) {
      const std::size_t TO = std::min(SET.find(';', FROM), SET.size());
      const Braid MEMBER(SET.substr(FROM, TO - FROM), 3);
      const auto C = korvel::conjugating_braid(A, MEMBER);
      ASSERT_TRUE(C.has_value()) << W << " and its study member " << MEMBER.str();
      ASSERT_TRUE(CONJUGATES(A, *C, MEMBER));
      FROM = TO + 1;
    }
    const auto [IT, NEW] = REPRESENTATIVES.emplace(BraidConjugacy::SSS3ASALTCODEDSTRING(W),
                                                   korvel::conjugacy_representative(A));
    if (!NEW) {
      EXPECT_TRUE(IT->second.same_word(korvel::conjugacy_representative(A))) << W;
    }
  }
  EXPECT_GT(FORMS.size(), 1000U);
  handlereduction::BORDEROPTION = SAVED;
}

}  // namespace
