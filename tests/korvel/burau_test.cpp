// The Burau matrices and the Alexander polynomial through the interface for
// programs. Asserted: the values of LaurentPolynomial (normal form, text,
// evaluation, arithmetic) worked out by hand; the knots of the README; the
// homomorphism and a braid relation on korvel::Braid values; a stop request
// caught as std::exception; threads computing at once give the answers of
// one.
#include <gtest/gtest.h>

#include <exception>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

#include "korvel/korvel.h"
#include "tests/support/gmp_printers.h"

namespace {

using korvel::Braid;
using korvel::LaurentPolynomial;

LaurentPolynomial t(long e = 1) { return LaurentPolynomial(1, e); }
LaurentPolynomial c(long k) { return LaurentPolynomial(k); }

TEST(InterfaceBurau, LaurentPolynomialValues) {
  const LaurentPolynomial p({0, 2, 0, -1, 0}, 2);  // 2t^3 - t^5
  EXPECT_EQ(p.lowest_exponent(), 3);
  EXPECT_EQ(p.highest_exponent(), 5);
  EXPECT_EQ(p.coefficients(), (std::vector<mpz_class>{2, 0, -1}));
  EXPECT_EQ(p.coefficient(3), 2);
  EXPECT_EQ(p.coefficient(4), 0);
  EXPECT_EQ(p.coefficient(-7), 0);
  EXPECT_EQ(p.str(), "2*t^3 - t^5");
  EXPECT_EQ((t(-1) - c(1) + t()).str(), "t^-1 - 1 + t");
  EXPECT_EQ((-t(-1) + c(3) - t()).str(), "-t^-1 + 3 - t");
  EXPECT_EQ(LaurentPolynomial().str(), "0");
  EXPECT_EQ(LaurentPolynomial({0, 0}, 4), LaurentPolynomial());
  EXPECT_EQ(LaurentPolynomial().lowest_exponent(), 0);
  // 2t^3 - t^5 at 2 is 16 - 32; t^-1 - 1 + t at 1/3 is 3 - 1 + 1/3.
  EXPECT_EQ(p(2), -16);
  EXPECT_EQ((t(-1) - c(1) + t())(mpq_class(1, 3)), mpq_class(7, 3));
  EXPECT_THROW(static_cast<void>(t(-1)(0)), std::domain_error);
  EXPECT_EQ((c(1) + t()) * (c(1) - t()), c(1) - t(2));
  EXPECT_EQ(t(2) - t(2), LaurentPolynomial());
  EXPECT_EQ(p.hash(), LaurentPolynomial({2, 0, -1}, 3).hash());
  EXPECT_EQ(std::hash<LaurentPolynomial>()(p), p.hash());
}

TEST(InterfaceBurau, KnotsAndMatrices) {
  EXPECT_EQ(korvel::alexander_polynomial(Braid("aaa")).str(), "t^-1 - 1 + t");
  EXPECT_EQ(korvel::alexander_polynomial(Braid("aBaB")).str(), "-t^-1 + 3 - t");
  EXPECT_EQ(korvel::alexander_polynomial(Braid("aa")).str(), "-1 + t");
  EXPECT_TRUE(korvel::alexander_polynomial(Braid("", 3)).is_zero());
  EXPECT_EQ(korvel::alexander_polynomial(Braid("")).str(), "1");
  // sigma_1 on two strands: [[1 - t, t], [1, 0]]; reduced [[-t]].
  const korvel::LaurentMatrix a = korvel::burau_matrix(Braid("a"));
  EXPECT_EQ(a, (korvel::LaurentMatrix{{c(1) - t(), t()}, {c(1), LaurentPolynomial()}}));
  EXPECT_EQ(korvel::burau_matrix(Braid("a"), true), (korvel::LaurentMatrix{{-t()}}));
  // The strand count is the braid's: sigma_1 on 3 strands is 3 x 3, 2 x 2.
  EXPECT_EQ(korvel::burau_matrix(Braid("a", 3)).size(), 3u);
  EXPECT_EQ(korvel::burau_matrix(Braid("a", 3), true).size(), 2u);
  // aba = bab, and the matrix of a product is the product of the matrices.
  EXPECT_EQ(korvel::burau_matrix(Braid("aba")), korvel::burau_matrix(Braid("bab")));
  std::mt19937 rng(26);
  for (int round = 0; round < 10; ++round) {
    std::vector<int> u;
    std::vector<int> v;
    for (int k = 0; k < 6; ++k) {
      u.push_back(static_cast<int>(rng() % 3) + 1);
      v.push_back(-(static_cast<int>(rng() % 3) + 1));
    }
    const Braid bu(u, 4);
    const Braid bv(v, 4);
    const korvel::LaurentMatrix mu = korvel::burau_matrix(bu);
    const korvel::LaurentMatrix mv = korvel::burau_matrix(bv);
    korvel::LaurentMatrix product(4, std::vector<LaurentPolynomial>(4));
    for (std::size_t i = 0; i < 4; ++i) {
      for (std::size_t j = 0; j < 4; ++j) {
        for (std::size_t k = 0; k < 4; ++k) {
          product[i][j] = product[i][j] + mu[i][k] * mv[k][j];
        }
      }
    }
    EXPECT_EQ(korvel::burau_matrix(bu * bv), product);
  }
}

TEST(InterfaceBurau, StopRequestIsAnException) {
  korvel::StopRequest stop;
  stop.request_stop();
  const korvel::Limits limits{std::nullopt, &stop};
  const Braid long_braid = Braid("aBcD", 5).pow(500);
  EXPECT_THROW(korvel::burau_matrix(long_braid, false, limits), korvel::Interrupted);
  try {
    korvel::alexander_polynomial(long_braid, limits);
    ADD_FAILURE() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_NE(dynamic_cast<const korvel::Interrupted*>(&e), nullptr);
  }
}

TEST(InterfaceBurau, ThreadsGiveTheAnswersOfOne) {
  std::vector<Braid> braids;
  std::mt19937 rng(4);
  for (int k = 0; k < 8; ++k) {
    std::vector<int> w;
    for (int l = 0; l < 60; ++l) {
      const int i = static_cast<int>(rng() % 4) + 1;
      w.push_back(rng() % 2 ? i : -i);
    }
    braids.emplace_back(w, 5);
  }
  std::vector<LaurentPolynomial> alone;
  for (const Braid& b : braids) {
    alone.push_back(korvel::alexander_polynomial(b));
  }
  std::vector<std::vector<LaurentPolynomial>> found(4);
  std::vector<std::thread> threads;
  for (std::size_t k = 0; k < found.size(); ++k) {
    threads.emplace_back([&, k] {
      for (const Braid& b : braids) {
        found[k].push_back(korvel::alexander_polynomial(b));
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (const auto& answers : found) {
    EXPECT_EQ(answers, alone);
  }
}

}  // namespace
