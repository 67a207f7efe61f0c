// The keys B, M, S and I past length 15, and key B abandoned half-way.
//
// Asserted: the rows of keys M, S and B at ranks 9, 10, 99, 100, 999, 1000,
// 9999 and 10000 of the bound-16 table, rebuilt field by field from the
// normal-form procedures (labels "9   :", "10  :", "100 :", "1000:",
// "10000:"); that every row of M at bound 18 has the width its fields give;
// that key I with u = a and v empty lists every entry w with aw in the
// table, at bound 15 (the 1,596 entries of length 14 included) and 16; and
// that an interrupt taken before key B builds, while it builds the SSS or
// mu3 tables, or while it lists them, leaves the listings of M and S, the
// bounds and the code width exactly as they were.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/tablebounds.h"
#include "braidconjugacy/braidconjugacy.h"
#include "handlereduction/orderings.h"
#include "shell/procedures.h"
#include "tests/support/console_capture.h"
#include "tests/support/study_keys.h"

namespace {

namespace BC = BraidConjugacy;

using korveltest::KEYB;
using korveltest::RUN;

// The line of TEXT that starts with PREFIX right after a line end.
std::string LINESTARTING(const std::string& TEXT, const std::string& PREFIX) {
  const std::size_t AT = TEXT.find("\n" + PREFIX);
  if (AT == std::string::npos) {
    return "";
  }
  return TEXT.substr(AT + 1, TEXT.find('\n', AT + 1) - AT - 1);
}

std::string RIGHT(const std::string& TEXT, std::size_t WIDTH) {
  return std::string(WIDTH > TEXT.size() ? WIDTH - TEXT.size() : 0, ' ') + TEXT;
}
std::string LEFT(const std::string& TEXT, std::size_t WIDTH) {
  return TEXT + std::string(WIDTH > TEXT.size() ? WIDTH - TEXT.size() : 0, ' ');
}

// The fields of rank P by the procedures of the normal forms and codes.
std::string WORDOF(std::int32_t P) { return std::string(BC::ENTRY(BC::BRAIDLIST, P)); }
std::string CODE(std::int32_t P) {
  return RIGHT(BraidBasics::ALTCODE3(WORDOF(P)), static_cast<std::size_t>(BraidBasics::MAXCODELENGTHINBRAIDLIST));
}
std::string ALT(std::int32_t P) {
  return RIGHT(BraidBasics::ALTNORMAL(WORDOF(P)), static_cast<std::size_t>(BraidBasics::LENGTHBOUND));
}
std::string GAR(std::int32_t P) {
  return LEFT(BraidBasics::GARNORMAL(WORDOF(P)), static_cast<std::size_t>(BraidBasics::LENGTHBOUND));
}

TEST(Study3Bounds, RowsAroundEveryLabelWidthAtBoundSixteen) {
  const std::string B = KEYB("16\n");
  ASSERT_EQ(BC::BRAIDLIST.L, 10926);
  ASSERT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 10);
  const std::string M = RUN(shell::DISPLAYMU3);
  const std::string S = RUN(shell::DISPLAYMU3SSS);
  EXPECT_NE(M.find("\n\nCodes of altern.form" + std::string(7, ' ') + LEFT("Alternating form", 45) +
                   LEFT("Garside form", 47) + "\n"),
            std::string::npos);
  const struct {
    std::int32_t P;
    const char* LABEL;
  } RANKS[] = {{9, "9   :"},    {10, "10  :"},   {99, "99  :"},   {100, "100 :"},
               {999, "999 :"},  {1000, "1000:"}, {9999, "9999:"}, {10000, "10000:"}};
  for (const auto& R : RANKS) {
    SCOPED_TRACE(R.P);
    const std::int32_t P = R.P;
    const std::int32_t V = BC::MU3[P], U = BC::MU3CONJ[P], VV = BC::MU3SSS[P], UU = BC::MU3SSSCONJ[P];
    EXPECT_EQ(LINESTARTING(M, R.LABEL),
              R.LABEL + CODE(P) + " -> " + CODE(V) + " / " + CODE(VV) + " by " + CODE(U) + " / " +
                  CODE(UU) + "   " + ALT(P) + " -> " + ALT(V) + " by " + ALT(U) + "   " + "   " + GAR(P) +
                  " -> " + GAR(V) + " by " + GAR(U) + "   ");
    const std::string BLANK(10, ' ');
    EXPECT_EQ(LINESTARTING(S, R.LABEL),
              R.LABEL + CODE(P) + " -> " + (V < P ? CODE(VV) : BLANK) + " by " + (V < P ? CODE(UU) : BLANK) +
                  "   " + ALT(P) + " -> " + ALT(VV) + " by " + ALT(UU) + "   " + "   " + GAR(P) + " -> " +
                  GAR(VV) + " by " + GAR(UU) + "   ");
    EXPECT_EQ(LINESTARTING(B, std::to_string(P) + ": "),
              std::to_string(P) + ": " + ALT(P) + "; mu3SSS = " + ALT(VV) + " SSS: (" +
                  BraidBasics::ALTDECODE3(BC::SSSLIST[P]) + ")");
  }
  EXPECT_NE(B.find("\n10926 braids have been treated.\n"), std::string::npos);
}

TEST(Study3Bounds, EveryRowOfMHasTheWidthOfItsFieldsAtBoundEighteen) {
  KEYB("18\n");
  ASSERT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 11);
  const std::string M = RUN(shell::DISPLAYMU3);
  std::istringstream LINES(M.substr(M.find("Garside form")));
  std::string LINE;
  std::getline(LINES, LINE);
  std::int32_t P = 0;
  // A label of 5 characters (6 from rank 10000), 5 codes of 11, 6 forms of
  // 18 and the separators between them.
  // Codes: " -> ", " / ", " by ", " / ", "   "; each form column: " -> ",
  // " by ", "   "; "   " between the two form columns.
  const std::size_t FIELDS = (5 * 11 + 4 + 3 + 4 + 3 + 3) + (3 * 18 + 4 + 4 + 3) + 3 + (3 * 18 + 4 + 4 + 3);
  while (std::getline(LINES, LINE)) {
    ++P;
    const std::string LABEL = std::to_string(P) + (P <= 9 ? "   :" : P <= 99 ? "  :" : P <= 999 ? " :" : ":");
    ASSERT_EQ(LINE.substr(0, LABEL.size()), LABEL) << P;
    ASSERT_EQ(LINE.size(), FIELDS + (P >= 10000 ? 6 : 5)) << P;
  }
  EXPECT_EQ(P, 6746 + 4180 + 6764 + 10945);  // braids of lengths up to 15, then 16, 17, 18
}

TEST(Study3Bounds, KeyIWithUEqualToAListsEveryEntryThatFits) {
  for (const auto& [BOUND, FITTING] : {std::pair{15, 4163}, std::pair{16, 6746}}) {
    SCOPED_TRACE(BOUND);
    KEYB(std::to_string(BOUND) + "\n");
    const std::string OUT = RUN(shell::STUDYMU3, "a\n\n");
    const std::string ROWS = OUT.substr(OUT.find("\"v\": ") + 5);
    EXPECT_EQ(std::count(ROWS.begin(), ROWS.end(), '\n'), FITTING);
  }
}

// A stream buffer that keeps what is written and requests an interrupt once
// the text TRIGGER has been written.
class TRIGGERBUFFER : public std::streambuf {
 public:
  explicit TRIGGERBUFFER(std::string TRIGGER) : TRIGGER_(std::move(TRIGGER)) {}
  std::string TEXT;

 protected:
  int_type overflow(int_type C) override {
    if (C != traits_type::eof()) {
      TEXT.push_back(static_cast<char>(C));
      LOOK();
    }
    return C;
  }
  std::streamsize xsputn(const char* S, std::streamsize N) override {
    TEXT.append(S, static_cast<std::size_t>(N));
    LOOK();
    return N;
  }

 private:
  void LOOK() {
    const std::size_t FROM = SEEN_ > TRIGGER_.size() ? SEEN_ - TRIGGER_.size() : 0;
    if (!FIRED_ && TEXT.find(TRIGGER_, FROM) != std::string::npos) {
      FIRED_ = true;
      basics::INTERRUPTREQUESTED = 1;
    }
    SEEN_ = TEXT.size();
  }
  std::string TRIGGER_;
  std::size_t SEEN_ = 0;
  bool FIRED_ = false;
};

TEST(Study3Bounds, AnInterruptedBuildChangesNothing) {
  KEYB("5\n");
  BraidBasics::MAXCODELENGTHINBRAIDLIST = 7;  // as after an earlier, larger table
  const std::string M = RUN(shell::DISPLAYMU3);
  const std::string S = RUN(shell::DISPLAYMU3SSS);
  const bool FOUND = BC::FOUND;
  // "" interrupts before anything is built; the others while the SSS table,
  // the mu3 tables and the listing of key B are made.
  for (const char* TRIGGER : {"", "Constructing the table of SSS.", "1581 braids have been treated.",
                              "Below is the enumeration"}) {
    SCOPED_TRACE(TRIGGER);
    TRIGGERBUFFER BUFFER(TRIGGER);
    std::ostream OUT(&BUFFER);
    std::istringstream IN("12\n");
    basics::SETCONSOLE(IN, OUT);
    if (*TRIGGER == '\0') {
      basics::INTERRUPTREQUESTED = 1;
    }
    EXPECT_THROW(shell::BUILDSSS3(), basics::INTERRUPTED);
    basics::RESETCONSOLE();
    EXPECT_EQ(basics::INTERRUPTREQUESTED, 0);  // the request was taken
    basics::INTERRUPTREQUESTED = 0;
    EXPECT_NE(BUFFER.TEXT.find(TRIGGER), std::string::npos);
    EXPECT_EQ(BC::BRAIDLIST.L, 46);
    EXPECT_EQ(BraidBasics::LENGTHBOUND, 5);
    EXPECT_EQ(BC::WIDTHBOUND, 3);
    EXPECT_EQ(BraidBasics::MAXCODELENGTHINBRAIDLIST, 7);
    EXPECT_EQ(BC::FOUND, FOUND);
    EXPECT_EQ(RUN(shell::DISPLAYMU3), M);
    EXPECT_EQ(RUN(shell::DISPLAYMU3SSS), S);
  }
}

TEST(Study3Bounds, TheListingsTakeAnInterrupt) {
  KEYB("8\n");
  for (void (*KEY)() : {shell::DISPLAYMU3, shell::DISPLAYMU3SSS, shell::STUDYMU3}) {
    korveltest::ConsoleCapture CAPTURE("\n\n");
    basics::INTERRUPTREQUESTED = 1;
    EXPECT_THROW(KEY(), basics::INTERRUPTED);
    EXPECT_EQ(basics::INTERRUPTREQUESTED, 0);
    basics::INTERRUPTREQUESTED = 0;
  }
}

}  // namespace
