// The keys B, M, S and I, driven in-process.
//
// Asserted: the listings of bound 1 line by line, built field by field from
// the layout of the rows; the header widths of bounds 1 and 2; the rows of
// abb at bound 3; the key I lines with u = a and with u, v empty; the
// listings before any key B; and that every refused answer to "Until which
// length? " prints its line and changes no table, bound or width, while the
// accepted forms (sign, blanks, zeros) build.
#include <gtest/gtest.h>

#include <string>

#include "braidbasics/braid.h"
#include "braidbasics/tablebounds.h"
#include "braidconjugacy/braidconjugacy.h"
#include "handlereduction/orderings.h"
#include "shell/procedures.h"
#include "tests/support/braid_words.h"
#include "tests/support/console_capture.h"
#include "tests/support/study_keys.h"

namespace {

const std::string REFUSED = "The length must be a whole number not above " +
                            std::to_string(BraidConjugacy::MAXSTUDYBOUND) + "; the tables are unchanged.\n";

std::string BLANKS(std::size_t N) { return std::string(N, ' '); }

using korveltest::KEYB;
using korveltest::RUN;

TEST(Study3, KeyBAtBoundOne) {
  EXPECT_EQ(KEYB("1\n"),
            "Until which length? Constructing the braid table.\n"
            "Construction completed: there exist 3 positive braids of length at most 1 in B_3.\n"
            "Constructing the table of SSS.\n"
            "1 braids have been treated.\n"
            "2 braids have been treated.\n"
            "3 braids have been treated.\n"
            "Below is the enumeration of their normal forms and their SSS, \n"
            "in increasing order with respect to the D-ordering; \"D\" stands for \"Delta\".\n"
            "\n"
            "1: " + BLANKS(1) + "; mu3SSS = " + BLANKS(1) + " SSS: ()\n"
            "2: b; mu3SSS = b SSS: (b,a)\n"
            "3: a; mu3SSS = b SSS: (b,a)\n");
}

TEST(Study3, KeyMAtBoundOne) {
  KEYB("1\n");
  const std::string E2 = BLANKS(2);  // the empty code in its field of 2
  const std::string HEAD =
      "Values of mu3 for the 3 positive braids of B_3 of length at most 1:\n"
      "enumerated in increasing order; no value means \"itself\".\n"
      "\n"
      "Codes of altern.form" + BLANKS(7) + "Alternating form" + "Garside form" + BLANKS(5) + "\n";
  EXPECT_EQ(RUN(shell::DISPLAYMU3),
            HEAD +
            "1   :" + E2 + " -> " + E2 + " / " + E2 + " by " + E2 + " / " + E2 + "   " +
                " " + " -> " + " " + " by " + " " + "   " + "   " +
                " " + " -> " + " " + " by " + " " + "   " + "\n" +
            "2   :" + "10" + " -> " + "10" + " / " + "10" + " by " + E2 + " / " + E2 + "   " +
                "b -> b by " + " " + "   " + "   " + "b -> b by " + " " + "   " + "\n" +
            "3   :" + " 1" + " -> " + "10" + " / " + "10" + " by " + " ?" + " / " + " ?" + "   " +
                "a -> b by ?   " + "   " + "a -> b by ?   " + "\n");
}

TEST(Study3, KeySAtBoundOne) {
  KEYB("1\n");
  const std::string E2 = BLANKS(2);
  const std::string OUT = RUN(shell::DISPLAYMU3SSS);
  EXPECT_EQ(OUT.substr(0, OUT.find('\n') + 1),
            "Values of mu3SSS for the 3 positive braids of B_3 of length at most 1:\n");
  EXPECT_NE(OUT.find("\n2   :10 -> " + E2 + " by " + E2 + "   " + "b -> b by " + " " + "   " +
                     "   " + "b -> b by " + " " + "   " + "\n"),
            std::string::npos);
  EXPECT_NE(OUT.find("\n3   : 1 -> 10 by  ?   a -> b by ?      a -> b by ?   \n"), std::string::npos);
}

TEST(Study3, HeaderWidthsFollowTheBound) {
  KEYB("2\n");
  const std::string OUT = RUN(shell::DISPLAYMU3);
  EXPECT_NE(OUT.find("\n\nCodes of altern.form" + BLANKS(7) + "Alternating form" + BLANKS(1) +
                     "Garside form" + BLANKS(7) + "\n"),
            std::string::npos);
}

TEST(Study3, RowsOfAbbAtBoundThree) {
  const std::string B = KEYB("3\n");
  EXPECT_NE(B.find("\n7: abb; mu3SSS = aba SSS: (aba)\n"), std::string::npos);
  const std::string S = RUN(shell::DISPLAYMU3SSS);
  // MU3[7] = 7: blank code fields, but the words of MU3SSS and its conjugator.
  // Code of abb: runs a, bb and the empty run of a at the right end.
  EXPECT_NE(S.find("\n7   :" + std::string("120") + " -> " + BLANKS(3) + " by " + BLANKS(3) + "   " +
                   "abb -> aba by   b   " + "   " + "abb -> D   by b     " + "\n"),
            std::string::npos);
}

TEST(Study3, KeyIWithUEqualToA) {
  KEYB("1\n");
  EXPECT_EQ(RUN(shell::STUDYMU3, "a\n\n"),
            "One compares the values of mu(w) and mu(uwv) for some fixed u, v.\n"
            "Enter the factor \"u\": Enter the factor \"v\": " +
                BLANKS(9) + " -> " + BLANKS(9) + " by " + BLANKS(9) + " ; " + "1" + BLANKS(8) +
                " --> " + "10" + BLANKS(7) + " by " + "?" + BLANKS(8) + "\n");
}

TEST(Study3, KeyIWithEmptyFactorsRepeatsEachBraid) {
  KEYB("4\n");
  const std::string OUT = RUN(shell::STUDYMU3, "\n\n");
  std::size_t LINES = 0;
  std::size_t START = OUT.find("\"v\": ") + 5;
  while (START < OUT.size()) {
    const std::size_t END = OUT.find('\n', START);
    const std::string LINE = OUT.substr(START, END - START);
    const std::size_t CUT = LINE.find(" ; ");
    ASSERT_NE(CUT, std::string::npos);
    std::string RIGHT = LINE.substr(CUT + 3);
    RIGHT.replace(RIGHT.find(" --> "), 5, " -> ");
    EXPECT_EQ(LINE.substr(0, CUT), RIGHT);
    ++LINES;
    START = END + 1;
  }
  EXPECT_EQ(LINES, 26u);
}

// The key I lines for typed factors that are not positive three-strand
// words, against ranks found by the linear scan with BEQUIV.
TEST(Study3, KeyIWithGeneralFactorsAnswersAsTheLinearScan) {
  KEYB("5\n");
  const struct {
    const char* U;
    const char* V;
  } CASES[] = {{"A", "a"}, {"cbC", "B"}, {"zZ ab", "Ba"}, {"d", "D"}, {"c", ""}, {"aA", "bB"}};
  for (const auto& C : CASES) {
    SCOPED_TRACE(std::string(C.U) + "/" + C.V);
    std::string EXPECTED;
    const BraidConjugacy::BRAIDTABLE& T = BraidConjugacy::BRAIDLIST;
    auto FIELD = [&](std::int32_t P) { return std::string(T.CODE[P]) + BLANKS(9 - T.CODE[P].size()); };
    // One side of a line: the entry of rank P, the arrow, its mu3 and the conjugator.
    auto SIDE = [&FIELD](std::int32_t P, const char* ARROW) {
      return FIELD(P) + ARROW + FIELD(BraidConjugacy::MU3[P]) + " by " +
             FIELD(BraidConjugacy::MU3CONJ[P]);
    };
    for (std::int32_t R = 1; R <= BraidConjugacy::BRAIDLIST.L; ++R) {
      const std::string MIDDLE(BraidConjugacy::ENTRY(BraidConjugacy::BRAIDLIST, R));
      const std::int32_t P = BraidConjugacy::RANKBYSCAN(korveltest::DEF(C.U + MIDDLE + C.V));
      if (P > 0) {
        EXPECTED += SIDE(R, " -> ") + " ; " + SIDE(P, " --> ") + "\n";
      }
    }
    const std::string OUT = RUN(shell::STUDYMU3, std::string(C.U) + "\n" + C.V + "\n");
    EXPECT_EQ(OUT.substr(OUT.find("\"v\": ") + 5), EXPECTED);
  }
}

TEST(Study3, ListingsBeforeAnyBuild) {
  // The state of a run in which key B has not been used.
  BraidConjugacy::SETBRAIDTABLE(BraidConjugacy::BRAIDLIST, {});
  BraidBasics::LENGTHBOUND = 0;
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 0;
  const std::string HEADER = "Codes of altern.form" + BLANKS(7) + "Alternating form" +
                             "Garside form" + BLANKS(3) + "\n";
  EXPECT_EQ(RUN(shell::DISPLAYMU3),
            "Values of mu3 for the 0 positive braids of B_3 of length at most 0:\n"
            "enumerated in increasing order; no value means \"itself\".\n\n" + HEADER);
  EXPECT_EQ(RUN(shell::DISPLAYMU3SSS),
            "Values of mu3SSS for the 0 positive braids of B_3 of length at most 0:\n"
            "enumerated in increasing order; no value means \"itself\".\n\n" + HEADER);
  EXPECT_EQ(RUN(shell::STUDYMU3, "a\nb\n"),
            "One compares the values of mu(w) and mu(uwv) for some fixed u, v.\n"
            "Enter the factor \"u\": Enter the factor \"v\": ");
}

TEST(Study3, MostNegativeBoundPadsNothing) {
  for (const char* ANSWER : {"-2147483648\n", "-1073741831\n"}) {
    SCOPED_TRACE(ANSWER);
    KEYB(ANSWER);
    const std::string OUT = RUN(shell::DISPLAYMU3);
    EXPECT_EQ(OUT.substr(OUT.find("\n\nCodes")),
              "\n\nCodes of altern.form" + BLANKS(7) + "Alternating formGarside form\n"
              "1   :" + " -> " + " / " + " by " + " / " + "   " + " -> " + " by " + "   " + "   " +
              " -> " + " by " + "   " + "\n");
  }
}

TEST(Study3, RefusedLengthsChangeNothing) {
  KEYB("2\n");
  BraidConjugacy::WIDTHBOUND = 7;  // to see that a refusal does not set it
  const std::string ABOVE = std::to_string(BraidConjugacy::MAXSTUDYBOUND + 1) + "\n";
  const char* ANSWERS[] = {"abc\n", ABOVE.c_str(), "\n", "1 2\n", "+\n", "- 3\n", "3x\n",
                           "99999999999\n", "2147483648\n", "1.5\n", ""};
  for (const char* ANSWER : ANSWERS) {
    SCOPED_TRACE(ANSWER);
    EXPECT_EQ(KEYB(ANSWER), "Until which length? " + REFUSED);
    EXPECT_EQ(BraidConjugacy::BRAIDLIST.L, 7);
    EXPECT_EQ(BraidBasics::LENGTHBOUND, 2);
    EXPECT_EQ(BraidConjugacy::WIDTHBOUND, 7);
  }
}

TEST(Study3, AcceptedLengthForms) {
  const struct {
    const char* ANSWER;
    std::int32_t BOUND, COUNT;
  } CASES[] = {{" -3 \n", -3, 1}, {"+2\n", 2, 7}, {"007\n", 7, 133}, {"\t4\t\n", 4, 26},
               {"0\n", 0, 1}, {"-2147483648\n", -2147483647 - 1, 1}, {"15", 15, 6746}};
  for (const auto& C : CASES) {
    SCOPED_TRACE(C.ANSWER);
    const std::string OUT = KEYB(C.ANSWER);
    EXPECT_EQ(OUT.find(REFUSED), std::string::npos);
    EXPECT_EQ(BraidBasics::LENGTHBOUND, C.BOUND);
    EXPECT_EQ(BraidConjugacy::WIDTHBOUND, 3);
    EXPECT_EQ(BraidConjugacy::BRAIDLIST.L, C.COUNT);
  }
}

}  // namespace
