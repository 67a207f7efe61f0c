// The interface's errors reach a program as std::exception whatever layer
// raised them (the interface's own checks, handle reduction, the
// coordinates, the Garside engine), with a what() that says what happened;
// and its spans of letters are half-open.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "korvel/korvel.h"

namespace {

using korvel::Braid;
using korvel::Method;
using korvel::Ordering;

// What CALL threw, caught as a std::exception: its what(), and whether it was
// an E; a call that throws nothing fails the test.
template <typename E>
std::string CAUGHT(const std::function<void()>& CALL) {
  try {
    CALL();
  } catch (const std::exception& X) {
    EXPECT_NE(dynamic_cast<const E*>(&X), nullptr) << X.what();
    return X.what();
  }
  ADD_FAILURE() << "nothing was thrown";
  return "";
}

bool HAS(const std::string& TEXT, const std::string& PART) { return TEXT.find(PART) != std::string::npos; }

TEST(Errors, AStopRequestIsAStdExceptionFromEveryLayer) {
  korvel::StopRequest STOP;
  STOP.request_stop();
  const korvel::Limits L{std::nullopt, &STOP};
  // Long enough for the coordinates to reach a poll point.
  const Braid LONG = Braid("abAB").pow(5000);
  const Braid X("aBcDaBcDaBcDabbcAA", 6);
  const std::vector<std::function<void()>> CALLS = {
      [&] { korvel::sign(Braid("abAB"), Ordering::R, Method::Handles, L); },
      [&] { korvel::compare(LONG, LONG.inverse(), Ordering::R, Method::Coordinates, L); },
      [&] { korvel::left_normal_form(Braid("abAB"), L); },
      [&] { korvel::super_summit_set(X, 0, L); },
      [&] { korvel::thurston_type(X, 0, L); },
  };
  for (const auto& CALL : CALLS) {
    const std::string WHAT = CAUGHT<korvel::Interrupted>(CALL);
    EXPECT_TRUE(HAS(WHAT, "stop")) << WHAT;
  }
  // The flag is the request's own: once reset, the same call completes.
  STOP.reset();
  EXPECT_FALSE(STOP.stop_requested());
  EXPECT_EQ(korvel::sign(Braid("abAB"), Ordering::R, Method::Handles, L), 1);  // Ba
}

TEST(Errors, BoundExceededNamesItsLimitFromEveryLayer) {
  // The interface refuses an input past the limit; handle reduction refuses
  // the growth of abcbA (to the seven letters of BabcBab, as in
  // methods_test); the Nielsen-Thurston check refuses the thirty letters of
  // the sixth power of delta on six strands.
  struct CASE {
    std::size_t LIMIT;
    std::function<void(const korvel::Limits&)> CALL;
  };
  const Braid DELTA6(std::vector<int>{1, 2, 3, 4, 5});
  const std::vector<CASE> CASES = {
      {3, [](const korvel::Limits& L) { korvel::handle_reduce(Braid("abAB"), Ordering::R, L); }},
      {6, [](const korvel::Limits& L) { korvel::sign(Braid("abcbA"), Ordering::R, Method::Handles, L); }},
      {5, [&](const korvel::Limits& L) { korvel::is_periodic(DELTA6, L); }},
  };
  for (const CASE& C : CASES) {
    const korvel::Limits L{C.LIMIT, nullptr};
    try {
      C.CALL(L);
      ADD_FAILURE() << "the limit " << C.LIMIT << " was passed";
    } catch (const std::length_error& E) {
      const auto* BOUND = dynamic_cast<const korvel::BoundExceeded*>(&E);
      ASSERT_NE(BOUND, nullptr) << E.what();
      EXPECT_EQ(BOUND->limit(), C.LIMIT);
      EXPECT_TRUE(HAS(E.what(), std::to_string(C.LIMIT) + " letters")) << E.what();
    }
  }
}

TEST(Errors, SetTooLargeAndRefusedArgumentsAreStdExceptions) {
  // [2, 2, -1, -1, 2, 2] has 12 members in its ultra summit set.
  const Braid A(std::vector<int>{2, 2, -1, -1, 2, 2});
  const std::string WHAT = CAUGHT<korvel::SetTooLarge>([&] { korvel::ultra_summit_set(A, 5); });
  EXPECT_TRUE(HAS(WHAT, "ultra summit set") && HAS(WHAT, "5")) << WHAT;
  EXPECT_FALSE(HAS(WHAT, "garside")) << WHAT;
  CAUGHT<std::invalid_argument>([] { Braid("a?"); });
  CAUGHT<std::invalid_argument>(
      [] { korvel::compare(Braid("a"), Braid("b"), Ordering::U, Method::Coordinates); });
}

TEST(Spans, HandlesAreHalfOpen) {
  // abAB: the first handle is a b A (sigma_1 around sigma_2), letters 0..2,
  // the span [0, 3); a b A = B a b (b a b A = a b a A = a b) gives BabB,
  // whose handle b B is [2, 4); it vanishes, leaving Ba.
  const std::vector<korvel::ReductionStep> STEPS = korvel::handle_reduction_steps(Braid("abAB"));
  ASSERT_EQ(STEPS.size(), 3U);
  EXPECT_TRUE(STEPS[0].word.same_word(Braid("abAB")));
  EXPECT_EQ(STEPS[0].handle, std::make_pair(std::size_t{0}, std::size_t{3}));
  EXPECT_TRUE(STEPS[1].word.same_word(Braid("BabB")));
  EXPECT_EQ(STEPS[1].handle, std::make_pair(std::size_t{2}, std::size_t{4}));
  EXPECT_TRUE(STEPS[2].word.same_word(Braid("Ba", 3)));
  EXPECT_FALSE(STEPS[2].handle.has_value());
  // On longer words: a span holds a handle, x^e ... x^-e, end - begin letters.
  for (const char* WORD : {"abcBCbA", "aBAcbCAbc", "cbaBCAcab"}) {
    for (const korvel::ReductionStep& S : korvel::handle_reduction_steps(Braid(WORD))) {
      if (!S.handle) {
        continue;
      }
      const auto [BEGIN, END] = *S.handle;
      ASSERT_LT(BEGIN + 1, END);
      ASSERT_LE(END, S.word.length());
      EXPECT_EQ(S.word.word()[BEGIN], -S.word.word()[END - 1]) << S.word.str();
    }
  }
}

}  // namespace
