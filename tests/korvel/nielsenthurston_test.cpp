// The Nielsen-Thurston type, reduction systems, centralizers, rigidity and
// entropy through the interface for programs, against braids whose type is
// known by construction:
//
//   periodic        conjugates of powers of delta = sigma_1 ... sigma_(n-1)
//                   and of sigma_1 delta, whose n-th and (n-1)-th powers are
//                   powers of Delta^2;
//   reducible       split and cabled braids, conjugated: a piece that is
//                   pseudo-Anosov (sigma_1 sigma_2^-1 on three strands or
//                   three tubes) gives positive entropy, so they are not
//                   periodic, and they keep round curves;
//   pseudo-Anosov   most long random words, each confirmed by a positive
//                   entropy.
//
// Centralizers are checked against the known ones by linking numbers of
// pure braids, which identify a braid of a known free abelian centralizer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "korvel/korvel.h"
#include "tests/support/random_braids.h"
#include "tests/support/sampling.h"

namespace {

using korvel::Braid;
using korvel::Method;
using korvel::ThurstonType;
using Curves = std::vector<std::pair<int, int>>;

// sigma_1 ... sigma_(n-1), of n-th power Delta^2.
Braid SMALLDELTA(int N) {
  std::vector<int> W;
  for (int I = 1; I < N; ++I) {
    W.push_back(I);
  }
  return Braid(W, N);
}

// sigma_1 delta, of (n-1)-th power Delta^2.
Braid EPSILON(int N) { return Braid::generator(1, N) * SMALLDELTA(N); }

bool SAME(const Braid& A, const Braid& B) { return korvel::equal(A, B, Method::Coordinates); }

bool COMMUTE(const Braid& A, const Braid& B) { return SAME(A * B, B * A); }

// B's word with every index moved up by OFFSET, on N strands.
Braid SHIFTED(const Braid& B, int OFFSET, int N) {
  std::vector<int> W;
  for (int X : B.tietze()) {
    W.push_back(X > 0 ? X + OFFSET : X - OFFSET);
  }
  return Braid(W, N);
}

// The braid TUBES on M strands with each strand made a tube of K parallel
// strands, times INNER[t] on the strands of tube t (at the end): each
// crossing of two tubes is the positive (or negative) braid in which every
// strand of one crosses every strand of the other once.
Braid CABLED(const Braid& TUBES, int K, const std::vector<Braid>& INNER) {
  const int N = TUBES.strands() * K;
  std::vector<int> W;
  for (int X : TUBES.tietze()) {
    const int P = (std::abs(X) - 1) * K + 1;  // the first strand of tube |X|
    std::vector<int> CROSSING;
    for (int S = K - 1; S >= 0; --S) {
      // The strand at P + S moves across the K strands of the next tube.
      for (int G = P + S; G < P + S + K; ++G) {
        CROSSING.push_back(G);
      }
    }
    if (X < 0) {
      for (auto IT = CROSSING.rbegin(); IT != CROSSING.rend(); ++IT) {
        W.push_back(-*IT);
      }
    } else {
      W.insert(W.end(), CROSSING.begin(), CROSSING.end());
    }
  }
  Braid RESULT(W, N);
  for (std::size_t T = 0; T < INNER.size(); ++T) {
    RESULT *= SHIFTED(INNER[T], static_cast<int>(T) * K, N);
  }
  return RESULT;
}

bool VALIDCURVES(const Curves& C, int N) {
  if (C.empty()) {
    return false;
  }
  for (std::size_t K = 0; K < C.size(); ++K) {
    const auto [I, J] = C[K];
    if (I < 1 || J > N || I >= J || (I == 1 && J == N)) {
      return false;
    }
    for (std::size_t L = 0; L < K; ++L) {
      const auto [P, Q] = C[L];
      const bool DISJOINT = J < P || Q < I;
      const bool NESTED = (P <= I && J <= Q) || (I <= P && Q <= J);
      if (!(DISJOINT || NESTED) || (I == P && J == Q)) {
        return false;
      }
    }
  }
  return true;
}

// The whole answer for a braid that must be reducible: its type, and a
// reduction system whose curves are valid and kept by the conjugated braid.
void EXPECTREDUCIBLE(const Braid& X) {
  EXPECT_EQ(korvel::thurston_type(X), ThurstonType::reducible);
  EXPECT_TRUE(korvel::is_reducible(X));
  EXPECT_FALSE(korvel::is_periodic(X));
  EXPECT_FALSE(korvel::is_pseudoanosov(X));
  const std::optional<korvel::ReductionSystem> R = korvel::reduction_system(X);
  ASSERT_TRUE(R.has_value());
  EXPECT_TRUE(VALIDCURVES(R->curves, X.strands()));
  const Braid Y = R->conjugator.inverse() * X * R->conjugator;
  EXPECT_TRUE(COMMUTE(Y, korvel::multitwist(X.strands(), R->curves)));
}

TEST(NielsenThurston, ConjugatesOfPowersOfDeltaAndEpsilonArePeriodic) {
  std::mt19937_64 GEN(51);
  for (int N = 2; N <= 8; ++N) {
    const Braid D2 = Braid::delta(N).pow(2);
    for (int K = -N - 1; K <= N + 1; ++K) {
      // delta^n = (sigma_1 delta)^(n-1) = Delta^2: the construction is right.
      const Braid A = SMALLDELTA(N).pow(K);
      const Braid B = EPSILON(N).pow(K);
      ASSERT_TRUE(SAME(A.pow(N), D2.pow(K)));
      ASSERT_TRUE(SAME(B.pow(N - 1), D2.pow(K)));
      for (const Braid& X : {korveltest::CONJUGATED(GEN, A, 1 + GEN() % 12),
                             korveltest::CONJUGATED(GEN, B, 1 + GEN() % 12)}) {
        SCOPED_TRACE(X.str());
        EXPECT_TRUE(korvel::is_periodic(X));
        EXPECT_EQ(korvel::thurston_type(X), ThurstonType::periodic);
        EXPECT_FALSE(korvel::is_reducible(X));
        EXPECT_FALSE(korvel::is_pseudoanosov(X));
        EXPECT_FALSE(korvel::reduction_system(X).has_value());
        EXPECT_EQ(korvel::entropy(X), 0.0);
      }
    }
  }
  // One strand: the trivial group.
  EXPECT_EQ(korvel::thurston_type(Braid()), ThurstonType::periodic);
}

TEST(NielsenThurston, RoundCurvesAndTheirMultitwist) {
  // The full twist of strands i .. j: Delta^2 of B_(j-i+1), shifted.
  EXPECT_TRUE(SAME(korvel::multitwist(5, {{2, 4}}), SHIFTED(Braid::delta(3).pow(2), 1, 5)));
  EXPECT_TRUE(SAME(korvel::multitwist(4, {{1, 4}}), Braid::delta(4).pow(2)));
  // sigma_1 keeps the curve around 1, 2; sigma_2 moves it off the round ones.
  EXPECT_TRUE(korvel::preserves_curves(Braid::generator(1, 3), {{1, 2}}));
  EXPECT_FALSE(korvel::preserves_curves(Braid::generator(2, 3), {{1, 2}}));
  // delta^2 on four strands turns the disk by half a turn: it swaps the
  // curves around 1, 2 and around 3, 4, and keeps the pair.
  const Braid D = SMALLDELTA(4).pow(2);
  EXPECT_TRUE(korvel::preserves_curves(D, {{1, 2}, {3, 4}}));
  EXPECT_FALSE(korvel::preserves_curves(D, {{1, 2}}));
  EXPECT_THROW(korvel::multitwist(3, {{2, 4}}), std::invalid_argument);
}

TEST(NielsenThurston, SplitBraidsConjugatedAreReducible) {
  std::mt19937_64 GEN(52);
  for (int K = 0; K < 40; ++K) {
    const int N = 4 + K % 6;
    // sigma_1 sigma_2^-1 (pseudo-Anosov on three strands) beside a random
    // braid on the others: the curve around 1 .. 3 is kept.
    const Braid OTHERS = N >= 5 ? korveltest::RANDOMBRAID(GEN, N - 3, 1 + GEN() % 10) : Braid();
    const Braid SPLIT = Braid("aB", N) * SHIFTED(OTHERS, 3, N);
    ASSERT_TRUE(korvel::preserves_curves(SPLIT, {{1, 3}}));
    const Braid X = korveltest::CONJUGATED(GEN, SPLIT, 1 + GEN() % 15);
    SCOPED_TRACE(X.str());
    EXPECTREDUCIBLE(X);
    EXPECT_GT(korvel::entropy(X), 0.9);  // at least that of sigma_1 sigma_2^-1
  }
}

TEST(NielsenThurston, CabledBraidsConjugatedAreReducible) {
  std::mt19937_64 GEN(53);
  for (int K = 0; K < 24; ++K) {
    const int T = 2 + K % 2;  // strands per tube
    const Braid TUBES = Braid("aB") * korveltest::RANDOMBRAID(GEN, 3, GEN() % 6);
    std::vector<Braid> INNER;
    for (int I = 0; I < 3; ++I) {
      INNER.push_back(korveltest::RANDOMBRAID(GEN, T, GEN() % 5));
    }
    const Braid CABLE = CABLED(TUBES, T, INNER);
    ASSERT_EQ(CABLE.strands(), 3 * T);
    ASSERT_TRUE(korvel::preserves_curves(CABLE, {{1, T}, {T + 1, 2 * T}, {2 * T + 1, 3 * T}}));
    const Braid X = korveltest::CONJUGATED(GEN, CABLE, 1 + GEN() % 12);
    SCOPED_TRACE(X.str());
    EXPECTREDUCIBLE(X);
  }
}

// Long random words are pseudo-Anosov but for a few; every answer is checked
// against what it implies: positive entropy, curves kept, a central power.
void CHECKANSWER(const Braid& X, ThurstonType T) {
  switch (T) {
    case ThurstonType::pseudo_anosov:
      // The least dilatation of a pseudo-Anosov braid on at most 8 strands
      // is above 1.4.
      EXPECT_GT(korvel::entropy(X), std::log(1.4));
      EXPECT_FALSE(korvel::reduction_system(X).has_value());
      break;
    case ThurstonType::reducible:
      EXPECTREDUCIBLE(X);
      break;
    case ThurstonType::periodic:
      EXPECT_EQ(korvel::entropy(X), 0.0);
      break;
  }
}

TEST(NielsenThurston, LongRandomWordsArePseudoAnosov) {
  std::mt19937_64 GEN(54);
  int PSEUDOANOSOV = 0;
  const int CASES = 40;
  for (int K = 0; K < CASES; ++K) {
    const int N = 3 + K % 4;
    const Braid X = korveltest::RANDOMBRAID(GEN, N, 60 + GEN() % 90);
    SCOPED_TRACE(X.str());
    const ThurstonType T = korvel::thurston_type(X);
    PSEUDOANOSOV += T == ThurstonType::pseudo_anosov;
    EXPECT_EQ(korvel::is_pseudoanosov(X), T == ThurstonType::pseudo_anosov);
    CHECKANSWER(X, T);
  }
  EXPECT_GE(PSEUDOANOSOV, CASES * 9 / 10);
}

// Random braids of every type (short words on many strands are often
// reducible) keep their type under conjugation.
void CHECKCONJUGATES(std::uint64_t BASE, int CASES, bool SAMPLED) {
  for (int I = 0; I < CASES; ++I) {
    if (SAMPLED && !testsupport::sampled(static_cast<std::uint64_t>(I), BASE)) {
      continue;
    }
    SCOPED_TRACE(testsupport::replay(static_cast<std::uint64_t>(I)));
    std::mt19937_64 GEN(BASE + static_cast<std::uint64_t>(I));
    const int N = 3 + static_cast<int>(GEN() % 5);
    const Braid X = korveltest::RANDOMBRAID(GEN, N, 2 + GEN() % 40);
    const Braid Y = korveltest::CONJUGATED(GEN, X, 1 + GEN() % 20);
    SCOPED_TRACE(X.str() + " and " + Y.str());
    const ThurstonType T = korvel::thurston_type(X);
    EXPECT_EQ(korvel::thurston_type(Y), T);
    EXPECT_EQ(korvel::is_periodic(Y), T == ThurstonType::periodic);
    CHECKANSWER(Y, T);
  }
}

TEST(NielsenThurston, TheTypeIsUnchangedUnderConjugation) { CHECKCONJUGATES(5500, 40, false); }

TEST(NielsenThurstonLong, TheTypeIsUnchangedUnderConjugation) { CHECKCONJUGATES(550000, 3000, true); }

// The linking number of strands S and T of a pure braid: half the signed
// crossings between them, a homomorphism on pure braids.
long long LINKING(const Braid& P, int S, int T) {
  std::vector<int> AT(static_cast<std::size_t>(P.strands()));
  std::iota(AT.begin(), AT.end(), 0);  // AT[position] = strand
  long long TWICE = 0;
  for (int X : P.tietze()) {
    const auto I = static_cast<std::size_t>(std::abs(X) - 1);
    const std::set<int> PAIR{AT[I], AT[I + 1]};
    if (PAIR == std::set<int>{S - 1, T - 1}) {
      TWICE += X > 0 ? 1 : -1;
    }
    std::swap(AT[I], AT[I + 1]);
  }
  return TWICE / 2;
}

// The absolute value of the determinant of a square integer matrix.
long long DETERMINANT(std::vector<std::vector<long long>> M) {
  const std::size_t N = M.size();
  long double D = 1;
  std::vector<std::vector<long double>> A(N, std::vector<long double>(N));
  for (std::size_t I = 0; I < N; ++I) {
    for (std::size_t J = 0; J < N; ++J) {
      A[I][J] = static_cast<long double>(M[I][J]);
    }
  }
  for (std::size_t C = 0; C < N; ++C) {
    std::size_t P = C;
    for (std::size_t R = C; R < N; ++R) {
      if (std::fabs(A[R][C]) > std::fabs(A[P][C])) P = R;
    }
    if (A[P][C] == 0) return 0;
    std::swap(A[P], A[C]);
    D *= A[C][C];
    for (std::size_t R = C + 1; R < N; ++R) {
      const long double F = A[R][C] / A[C][C];
      for (std::size_t J = C; J < N; ++J) A[R][J] -= F * A[C][J];
    }
  }
  return std::llroundl(std::fabs(D));
}

// Whether the vectors V (rows of length K) generate Z^K: the gcd of their
// K x K minors is 1.
bool GENERATESLATTICE(const std::vector<std::vector<long long>>& V, std::size_t K) {
  long long G = 0;
  std::vector<std::size_t> PICK(K);
  std::function<void(std::size_t, std::size_t)> CHOOSE = [&](std::size_t FROM, std::size_t DEPTH) {
    if (DEPTH == K) {
      std::vector<std::vector<long long>> M;
      for (std::size_t P : PICK) M.push_back(V[P]);
      G = std::gcd(G, DETERMINANT(M));
      return;
    }
    for (std::size_t I = FROM; I < V.size(); ++I) {
      PICK[DEPTH] = I;
      CHOOSE(I + 1, DEPTH + 1);
    }
  };
  CHOOSE(0, 0);
  return G == 1;
}

// Z(X) = c Z(Y) c^-1 when X = c^-1 Y c: the generators carried back.
std::vector<Braid> CARRIEDBACK(const std::vector<Braid>& Z, const Braid& C) {
  std::vector<Braid> R;
  for (const Braid& G : Z) R.push_back(C * G * C.inverse());
  return R;
}

TEST(NielsenThurston, CentralizerOfSigma1InB3) {
  // Z(sigma_1) = <sigma_1, Delta^2>, free abelian of rank 2. A member
  // sigma_1^a Delta^(2c) has a square of linking numbers lk(1,3) = 2c and
  // lk(1,2) = a + 2c, which give a and c; the generators' (a, c) must span
  // Z^2.
  std::mt19937_64 GEN(55);
  const Braid S(std::string("a"), 3);
  const Braid D2 = Braid::delta(3).pow(2);
  for (int K = 0; K < 6; ++K) {
    const Braid C = korveltest::RANDOMBRAID(GEN, 3, K * 3);
    const Braid X = C.inverse() * S * C;
    std::vector<std::vector<long long>> V;
    for (const Braid& G : CARRIEDBACK(korvel::centralizer(X), C)) {
      const Braid G2 = G.pow(2);
      const long long CC = LINKING(G2, 1, 3) / 2;
      const long long A = LINKING(G2, 1, 2) - 2 * CC;
      ASSERT_TRUE(SAME(G, S.pow(A) * D2.pow(CC))) << G.str();
      V.push_back({A, CC});
    }
    EXPECT_TRUE(GENERATESLATTICE(V, 2));
  }
}

TEST(NielsenThurston, CentralizerOfDeltaIsItsPowers) {
  // Z(delta) = <delta>: every generator is delta^a, a = e / (n - 1), and the
  // a's have gcd 1.
  for (int N = 3; N <= 7; ++N) {
    const Braid D = SMALLDELTA(N);
    long long G = 0;
    for (const Braid& Z : korvel::centralizer(D)) {
      long long E = 0;
      for (int X : Z.tietze()) E += X > 0 ? 1 : -1;
      ASSERT_EQ(E % (N - 1), 0) << Z.str();
      ASSERT_TRUE(SAME(Z, D.pow(E / (N - 1)))) << Z.str();
      G = std::gcd(G, E / (N - 1));
    }
    EXPECT_EQ(G, 1) << N;
  }
}

TEST(NielsenThurston, CentralizerOfTheFullTwistIsTheWholeGroup) {
  // The abelianization e: B_n -> Z and the permutation B_n -> S_n are onto;
  // generators of B_n map onto both: their exponent sums have gcd 1 and
  // their permutations move every strand to every other (transitive).
  for (int N = 2; N <= 7; ++N) {
    const std::vector<Braid> Z = korvel::centralizer(Braid::delta(N).pow(2));
    long long G = 0;
    std::vector<int> CLASS(static_cast<std::size_t>(N));
    std::iota(CLASS.begin(), CLASS.end(), 0);
    std::function<int(int)> FIND = [&](int S) { return CLASS[S] == S ? S : CLASS[S] = FIND(CLASS[S]); };
    for (const Braid& B : Z) {
      long long E = 0;
      std::vector<int> AT(static_cast<std::size_t>(N));
      std::iota(AT.begin(), AT.end(), 0);
      for (int X : B.tietze()) {
        E += X > 0 ? 1 : -1;
        std::swap(AT[std::abs(X) - 1], AT[std::abs(X)]);
      }
      G = std::gcd(G, E);
      for (int P = 0; P < N; ++P) CLASS[FIND(AT[P])] = FIND(P);
    }
    EXPECT_EQ(G, 1) << N;
    for (int P = 0; P < N; ++P) EXPECT_EQ(FIND(P), FIND(0)) << N;
  }
}

TEST(NielsenThurston, CentralizerOfASplitBraidHoldsBothParts) {
  // X = sigma_1^2 sigma_3^3 in B_4 keeps the curves around 1, 2 and 3, 4,
  // which it cannot swap (its parts differ): Z(X) = <sigma_1, sigma_3,
  // Delta^2>, free abelian. A member sigma_1^a sigma_3^b Delta^(2c) has a
  // square of linking numbers lk(1,3) = 2c, lk(1,2) = a + 2c, lk(3,4) = b + 2c.
  std::mt19937_64 GEN(56);
  const Braid S1 = Braid::generator(1, 4);
  const Braid S3 = Braid::generator(3, 4);
  const Braid D2 = Braid::delta(4).pow(2);
  const Braid X = S1.pow(2) * S3.pow(3);
  for (int K = 0; K < 5; ++K) {
    const Braid C = korveltest::RANDOMBRAID(GEN, 4, K * 4);
    std::vector<std::vector<long long>> V;
    for (const Braid& G : CARRIEDBACK(korvel::centralizer(C.inverse() * X * C), C)) {
      const Braid G2 = G.pow(2);
      const long long CC = LINKING(G2, 1, 3) / 2;
      const long long A = LINKING(G2, 1, 2) - 2 * CC;
      const long long B = LINKING(G2, 3, 4) - 2 * CC;
      ASSERT_TRUE(SAME(G, S1.pow(A) * S3.pow(B) * D2.pow(CC))) << G.str();
      V.push_back({A, B, CC});
    }
    EXPECT_TRUE(GENERATESLATTICE(V, 3));
  }
}

TEST(NielsenThurston, CentralizersOfRandomBraidsCommute) {
  std::mt19937_64 GEN(57);
  for (int K = 0; K < 30; ++K) {
    const Braid X = korveltest::RANDOMBRAID(GEN, 3 + K % 4, 5 + GEN() % 30);
    const std::vector<Braid> Z = korvel::centralizer(X);
    EXPECT_FALSE(Z.empty());
    for (const Braid& G : Z) EXPECT_TRUE(COMMUTE(G, X)) << X.str() << " and " << G.str();
  }
}

TEST(NielsenThurston, EntropyOfKnownBraids) {
  // sigma_1 sigma_2^-1 acts on the homology of the torus double cover by
  // [[2, 1], [1, 1]]: dilatation (3 + sqrt 5) / 2.
  const double H = std::log((3 + std::sqrt(5.0)) / 2);
  EXPECT_NEAR(H, 0.9624236501, 1e-10);
  EXPECT_NEAR(korvel::entropy(Braid("aB")), H, 1e-5);
  EXPECT_NEAR(korvel::entropy(Braid("aB"), 1e-9), H, 1e-8);
  // A reducible braid has the largest entropy of its pieces.
  EXPECT_NEAR(korvel::entropy(Braid("aBddd")), H, 1e-5);
  // A periodic braid has exactly none.
  EXPECT_EQ(korvel::entropy(Braid::delta(5)), 0.0);
  EXPECT_EQ(korvel::entropy(Braid("abcdabcdabcdabcdabcdabcdabcd")), 0.0);
  EXPECT_THROW(korvel::entropy(Braid("aB"), 0.0), std::invalid_argument);
  EXPECT_THROW(korvel::entropy(Braid("aB"), std::nan("")), std::invalid_argument);
  EXPECT_THROW(korvel::entropy(Braid("aB"), -1.0), std::invalid_argument);
}

TEST(NielsenThurston, EntropyOfPowersAndConjugates) {
  std::mt19937_64 GEN(58);
  for (int K = 0; K < 20; ++K) {
    const int N = 3 + K % 4;
    const Braid X = korveltest::RANDOMBRAID(GEN, N, 20 + GEN() % 40);
    SCOPED_TRACE(X.str());
    if (!korvel::is_pseudoanosov(X)) {
      continue;  // the few others: their entropy may be 0, reached slowly
    }
    const double H = korvel::entropy(X);
    EXPECT_GT(H, std::log(1.4));
    for (int P : {2, 3, -1}) {
      EXPECT_NEAR(korvel::entropy(X.pow(P)), std::abs(P) * H, 1e-4 * std::abs(P));
    }
    EXPECT_NEAR(korvel::entropy(korveltest::CONJUGATED(GEN, X, 1 + GEN() % 20)), H, 1e-4);
  }
}

TEST(NielsenThurston, Rigidity) {
  // sigma_1 sigma_2^-1 = Delta^-1 . sigma_2 . sigma_2 sigma_1 and
  // (sigma_2 sigma_1, tau(sigma_2) = sigma_1) is left-weighted: rigid, 2.
  EXPECT_EQ(korvel::rigidity(Braid("aB")), 2);
  // sigma_1 on three strands: sigma_1 . sigma_1 is its own normal form: 1.
  EXPECT_EQ(korvel::rigidity(Braid("a", 3)), 1);
  // sigma_1 sigma_2 squared is Delta sigma_2: the factor is not kept.
  EXPECT_EQ(korvel::rigidity(Braid("ab")), 0);
  EXPECT_EQ(korvel::rigidity(Braid::delta(4).pow(3)), 0);
  std::mt19937_64 GEN(59);
  for (int K = 0; K < 50; ++K) {
    const Braid X = korveltest::RANDOMBRAID(GEN, 3 + K % 5, GEN() % 30);
    const long long R = korvel::rigidity(X);
    EXPECT_GE(R, 0);
    EXPECT_LE(R, korvel::canonical_length(X));
  }
}

TEST(NielsenThurston, LimitsStopCleanly) {
  // sigma_1 on six strands: its ultra summit set holds sigma_1 .. sigma_5
  // and more.
  const Braid S = Braid::generator(1, 6);
  EXPECT_THROW(korvel::centralizer(S, 2), korvel::SetTooLarge);
  EXPECT_NO_THROW(korvel::centralizer(S, 0));
  try {
    korvel::centralizer(S, 2);
  } catch (const korvel::SetTooLarge& E) {
    EXPECT_NE(std::string(E.what()).find("2"), std::string::npos) << E.what();
    EXPECT_EQ(std::string(E.what()).find("garside"), std::string::npos) << E.what();
  }
  // sigma_1 sigma_2^-1 sigma_3 sigma_4^-1: the message of the summit sets.
  const Braid P("aBcD");
  std::string SUMMIT;
  try {
    korvel::ultra_summit_set(P, 2);
  } catch (const korvel::SetTooLarge& E) {
    SUMMIT = E.what();
  }
  ASSERT_FALSE(SUMMIT.empty());
  try {
    korvel::thurston_type(P, 2);
    ADD_FAILURE() << "a limit of two members was passed";
  } catch (const korvel::SetTooLarge& E) {
    EXPECT_EQ(E.what(), SUMMIT);
  }
  EXPECT_THROW(korvel::reduction_system(P, 2), korvel::SetTooLarge);
  EXPECT_EQ(korvel::thurston_type(P, 0), ThurstonType::pseudo_anosov);
  korvel::StopRequest STOP;
  STOP.request_stop();
  const korvel::Limits STOPPED{std::nullopt, &STOP};
  const Braid X("aBcDaBcDaBcDabbcAA", 6);
  EXPECT_THROW(korvel::thurston_type(X, 0, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::reduction_system(X, 0, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::centralizer(X, 0, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::entropy(X, 1e-6, STOPPED), korvel::Interrupted);
  EXPECT_THROW(korvel::is_periodic(X, STOPPED), korvel::Interrupted);
  // delta on six strands is periodic, which its sixth power shows: thirty
  // letters, more than five.
  const korvel::Limits SHORT{5, nullptr};
  EXPECT_THROW(korvel::is_periodic(SMALLDELTA(6), SHORT), korvel::BoundExceeded);
  EXPECT_TRUE(korvel::is_periodic(SMALLDELTA(6), korvel::Limits{100, nullptr}));
}

}  // namespace
