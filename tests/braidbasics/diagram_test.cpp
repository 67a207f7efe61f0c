// Braid diagrams: the geometry on small words worked out by hand (which
// strand is over at each crossing, where each strand ends, the gap in the
// under-strand, the band), growth to the right, the palette, and the
// structure of the SVG and TikZ texts.
#include "braidbasics/diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "braidbasics/braid.h"
#include "tests/support/braid_words.h"

namespace {

using BraidBasics::BDIAGRAM;
using BraidBasics::BRAID;
using BraidBasics::DIAGRAM;
using BraidBasics::DIAGRAMPOINT;
using BraidBasics::DIAGRAMSTRAND;
using korveltest::DEF;

std::size_t COUNT(const std::string& TEXT, const std::string& PART) {
  std::size_t N = 0;
  for (std::size_t AT = TEXT.find(PART); AT != std::string::npos;
       AT = TEXT.find(PART, AT + PART.size())) {
    ++N;
  }
  return N;
}

const DIAGRAMSTRAND& STRAND(const DIAGRAM& D, int START) {
  return D.STRANDPATHS.at(static_cast<std::size_t>(START - 1));
}

int MOVES(const DIAGRAMSTRAND& S) {
  return static_cast<int>(
      std::count_if(S.PATH.begin(), S.PATH.end(), [](const auto& G) { return G.KIND == 'M'; }));
}

double DISTANCE(DIAGRAMPOINT A, DIAGRAMPOINT B) { return std::hypot(A.X - B.X, A.Y - B.Y); }

// Worked out by hand, letter by letter, with the strands named by their
// starting positions. a: strand 1 over 2, positions (2,1,3). aB, then B on
// positions 2 and 3 (strands 1 and 3): the one from position 2, strand 1,
// goes under; ends (2,3,1). abA: b sends strand 1 (position 2) over 3,
// giving (2,3,1); A on strands 2 and 3 sends the one from position 1,
// strand 2, under; ends (3,2,1). aabBBb: a pure braid, every strand home.
TEST(BDIAGRAM, WhichStrandIsOverAndWhereEachEnds) {
  struct Case {
    const char* WORD;
    std::vector<int> OVER, UNDER, END;  // END[s - 1]: where strand s ends
  };
  const Case kCases[] = {{"a", {1}, {2}, {2, 1}},
                         {"aB", {1, 3}, {2, 1}, {3, 1, 2}},
                         {"abA", {1, 1, 3}, {2, 3, 2}, {3, 2, 1}},
                         {"aabBBb", {1, 2, 2, 2, 3, 3}, {2, 1, 3, 3, 2, 2}, {1, 2, 3}}};
  for (const Case& C : kCases) {
    SCOPED_TRACE(C.WORD);
    const DIAGRAM D = BDIAGRAM(DEF(C.WORD));
    ASSERT_EQ(D.CROSSINGS.size(), C.OVER.size());
    std::vector<int> UNDERCOUNT(static_cast<std::size_t>(D.STRANDS) + 1, 0);
    for (std::size_t K = 0; K < C.OVER.size(); ++K) {
      SCOPED_TRACE(K + 1);
      EXPECT_EQ(D.CROSSINGS[K].COLUMN, static_cast<int>(K + 1));
      EXPECT_EQ(D.CROSSINGS[K].OVER, C.OVER[K]);
      EXPECT_EQ(D.CROSSINGS[K].UNDER, C.UNDER[K]);
      ++UNDERCOUNT[static_cast<std::size_t>(C.UNDER[K])];
    }
    for (int S = 1; S <= D.STRANDS; ++S) {
      SCOPED_TRACE(S);
      EXPECT_EQ(STRAND(D, S).END, C.END[static_cast<std::size_t>(S - 1)]);
      // One path per strand: its first move, and one more per gap.
      EXPECT_EQ(MOVES(STRAND(D, S)), 1 + UNDERCOUNT[static_cast<std::size_t>(S)]);
    }
  }
}

TEST(BDIAGRAM, TheGapIsCentredOnTheCrossingAndWiderThanTheStrokes) {
  const DIAGRAM D = BDIAGRAM(DEF("aBcA"));
  ASSERT_EQ(D.CROSSINGS.size(), 4U);
  for (const auto& C : D.CROSSINGS) {
    SCOPED_TRACE(C.COLUMN);
    const DIAGRAMSTRAND& UNDER = STRAND(D, C.UNDER);
    const double X0 = D.COLUMNLEFT[static_cast<std::size_t>(C.COLUMN - 1)];
    const double X1 = D.COLUMNLEFT[static_cast<std::size_t>(C.COLUMN)];
    // The one move of the under-strand inside this column.
    int FOUND = 0;
    for (std::size_t G = 1; G < UNDER.PATH.size(); ++G) {
      const auto& MOVE = UNDER.PATH[G];
      if (MOVE.KIND != 'M' || MOVE.P.X <= X0 || MOVE.P.X >= X1) {
        continue;
      }
      ++FOUND;
      const DIAGRAMPOINT BEFORE = UNDER.PATH[G - 1].P;
      EXPECT_LT(BEFORE.X, C.CENTRE.X);
      EXPECT_GT(MOVE.P.X, C.CENTRE.X);
      // Symmetric about the crossing point, and clear of it by more than
      // two stroke widths (3 units each).
      EXPECT_NEAR(BEFORE.X + MOVE.P.X, 2 * C.CENTRE.X, 1e-9);
      EXPECT_NEAR(BEFORE.Y + MOVE.P.Y, 2 * C.CENTRE.Y, 1e-9);
      EXPECT_GT(DISTANCE(BEFORE, C.CENTRE), 6.0);
      EXPECT_LT(DISTANCE(BEFORE, C.CENTRE), BraidBasics::STRANDSPACING / 2);
    }
    EXPECT_EQ(FOUND, 1);
    // The over-strand runs through the column without a move.
    for (const auto& G : STRAND(D, C.OVER).PATH) {
      if (G.KIND == 'M') {
        EXPECT_FALSE(G.P.X > X0 && G.P.X < X1);
      }
    }
  }
}

TEST(BDIAGRAM, TheBandCoversTheMarkedColumnsAndAllStrands) {
  const DIAGRAM D = BDIAGRAM(DEF("abAcB"), 2, 4);
  EXPECT_EQ(D.MARKFIRST, 2);
  EXPECT_EQ(D.MARKLAST, 4);
  EXPECT_EQ(D.BANDTOPLEFT.X, D.COLUMNLEFT[1]);
  EXPECT_EQ(D.BANDBOTTOMRIGHT.X, D.COLUMNLEFT[4]);
  EXPECT_LT(D.BANDTOPLEFT.Y, D.POSITIONY.front());
  EXPECT_GT(D.BANDBOTTOMRIGHT.Y, D.POSITIONY.back());
  EXPECT_LT(D.BANDBOTTOMRIGHT.Y, D.LABELY);
  // One letter alone.
  const DIAGRAM ONE = BDIAGRAM(DEF("abA"), 3, 3);
  EXPECT_EQ(ONE.BANDBOTTOMRIGHT.X - ONE.BANDTOPLEFT.X, BraidBasics::COLUMNWIDTH);
}

TEST(BDIAGRAM, StretchesOutsideTheWordAreClippedOrMarkNothing) {
  struct Case {
    int FIRST, LAST, WANTFIRST, WANTLAST;
  };
  const Case kCases[] = {{0, 0, 0, 0}, {0, 3, 0, 0}, {-1, 2, 0, 0}, {3, 2, 0, 0},
                         {2, 9, 2, 3}, {4, 9, 0, 0}, {1, 3, 1, 3}};
  for (const Case& C : kCases) {
    SCOPED_TRACE(std::to_string(C.FIRST) + ".." + std::to_string(C.LAST));
    const DIAGRAM D = BDIAGRAM(DEF("abA"), C.FIRST, C.LAST);
    EXPECT_EQ(D.MARKFIRST, C.WANTFIRST);
    EXPECT_EQ(D.MARKLAST, C.WANTLAST);
  }
}

TEST(BDIAGRAM, LongWordsGrowToTheRightAtFullSize) {
  std::string W1000;
  for (int K = 0; K < 500; ++K) W1000 += "aB";
  const DIAGRAM SHORT = BDIAGRAM(DEF(W1000));
  const DIAGRAM LONG = BDIAGRAM(DEF(W1000 + W1000));
  EXPECT_EQ(LONG.LETTERS, BraidBasics::BMAXLENGTH);
  EXPECT_EQ(LONG.CROSSINGS.size(), 2000U);
  EXPECT_DOUBLE_EQ(LONG.WIDTH - SHORT.WIDTH, 1000 * BraidBasics::COLUMNWIDTH);
  EXPECT_EQ(LONG.HEIGHT, SHORT.HEIGHT);
  for (int K = 1; K <= 2000; ++K) {
    EXPECT_DOUBLE_EQ(LONG.COLUMNLEFT[static_cast<std::size_t>(K)] -
                         LONG.COLUMNLEFT[static_cast<std::size_t>(K - 1)],
                     BraidBasics::COLUMNWIDTH);
  }
}

TEST(BDIAGRAM, TheEmptyWordDrawsOneStraightStrand) {
  const DIAGRAM D = BDIAGRAM(BraidBasics::BONE());
  ASSERT_EQ(D.STRANDS, 1);
  EXPECT_EQ(D.LETTERS, 0);
  ASSERT_EQ(STRAND(D, 1).PATH.size(), 2U);
  EXPECT_EQ(STRAND(D, 1).PATH[1].KIND, 'L');
  EXPECT_GT(STRAND(D, 1).PATH[1].P.X, STRAND(D, 1).PATH[0].P.X);
  EXPECT_EQ(BDIAGRAM(BraidBasics::BUNDEFINED()).STRANDS, 0);
}

TEST(BSTRANDCOLOUR, FiftyDistinctColoursThatReadOnWhite) {
  // Contrast with white by the relative luminance of sRGB.
  auto CHANNEL = [](int V) {
    const double C = V / 255.0;
    return C <= 0.03928 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
  };
  std::set<std::string> SEEN;
  for (int P = 1; P <= BraidBasics::BMAXWIDTH; ++P) {
    SCOPED_TRACE(P);
    const std::string HEX = BraidBasics::BSTRANDCOLOUR(P);
    ASSERT_EQ(HEX.size(), 6U);
    ASSERT_EQ(HEX.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_TRUE(SEEN.insert(HEX).second);
    const double L = 0.2126 * CHANNEL(std::stoi(HEX.substr(0, 2), nullptr, 16)) +
                     0.7152 * CHANNEL(std::stoi(HEX.substr(2, 2), nullptr, 16)) +
                     0.0722 * CHANNEL(std::stoi(HEX.substr(4, 2), nullptr, 16));
    EXPECT_GE(1.05 / (L + 0.05), 3.9);
  }
  EXPECT_STREQ(BraidBasics::BSTRANDCOLOUR(51), BraidBasics::BSTRANDCOLOUR(1));
}

TEST(BSVGDIAGRAM, StructureOfThePicture) {
  const std::string SVG = BraidBasics::BSVGDIAGRAM(DEF("abAcB"), 2, 3);
  EXPECT_EQ(SVG.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" ", 0), 0U);
  EXPECT_EQ(SVG.substr(SVG.size() - 7), "</svg>\n");
  EXPECT_EQ(COUNT(SVG, "role=\"img\""), 1U);
  EXPECT_EQ(COUNT(SVG, "class=\"letter\""), 5U);
  EXPECT_EQ(COUNT(SVG, "class=\"handle\""), 1U);
  EXPECT_EQ(COUNT(SVG, "class=\"strand\""), 4U);
  EXPECT_EQ(COUNT(SVG, "<g"), COUNT(SVG, "</g>"));
  EXPECT_EQ(COUNT(SVG, "<text"), COUNT(SVG, "</text>"));
  EXPECT_NE(SVG.find("<title>Braid diagram of abAcB</title>"), std::string::npos);
  EXPECT_NE(SVG.find("<desc>The braid word abAcB (5 letters) on 4 strands, with letters 2 to 3 "
                     "(bA) marked."),
            std::string::npos);
  EXPECT_NE(SVG.find("passing over the one coming from position i+1"), std::string::npos);
  // Several pictures in one page: no ids to clash, nothing fetched or run.
  EXPECT_EQ(SVG.find("id="), std::string::npos);
  EXPECT_EQ(SVG.find("<script"), std::string::npos);
  EXPECT_EQ(SVG.find("href"), std::string::npos);
  EXPECT_EQ(SVG.find("<?xml"), std::string::npos);
  // The band lies behind the strands.
  EXPECT_LT(SVG.find("class=\"handle\""), SVG.find("class=\"strand\""));
  // Each strand in its own colour.
  EXPECT_NE(SVG.find(std::string("stroke=\"#") + BraidBasics::BSTRANDCOLOUR(4) + "\""),
            std::string::npos);
}

TEST(BSVGDIAGRAM, TheOverStrandOfOneLetterByHand) {
  // Lead-in, one curve leaving and reaching its positions level, lead-out;
  // this layout puts every point on whole pixels.
  const DIAGRAM D = BDIAGRAM(DEF("a"));
  const auto N = [](double V) { return std::to_string(static_cast<int>(V)); };
  const double X0 = D.COLUMNLEFT[0];
  const double X1 = D.COLUMNLEFT[1];
  const double XM = (X0 + X1) / 2;
  const double Y1 = D.POSITIONY[0];
  const double Y2 = D.POSITIONY[1];
  const double END = STRAND(D, 1).PATH.back().P.X;
  const std::string EXPECTED = "d=\"M" + N(D.LEFTEDGE) + " " + N(Y1) + "L" + N(X0) + " " + N(Y1) +
                               "C" + N(XM) + " " + N(Y1) + " " + N(XM) + " " + N(Y2) + " " +
                               N(X1) + " " + N(Y2) + "L" + N(END) + " " + N(Y2) + "\"";
  const std::string SVG = BraidBasics::BSVGDIAGRAM(DEF("a"));
  EXPECT_NE(SVG.find(EXPECTED), std::string::npos) << EXPECTED;
  const std::string W = N(D.WIDTH);
  const std::string H = N(D.HEIGHT);
  EXPECT_NE(SVG.find("width=\"" + W + "\" height=\"" + H + "\" viewBox=\"0 0 " + W + " " + H + "\""),
            std::string::npos);
  EXPECT_NE(SVG.find("nothing marked"), std::string::npos);
  EXPECT_EQ(COUNT(SVG, "class=\"handle\""), 0U);
}

TEST(BSVGDIAGRAM, SameInputSameBytes) {
  const BRAID B = DEF("abAcBBacdEfGhh");
  const std::string FIRST = BraidBasics::BSVGDIAGRAM(B, 3, 7);
  EXPECT_EQ(BraidBasics::BSVGDIAGRAM(B, 3, 7), FIRST);
  EXPECT_NE(BraidBasics::BSVGDIAGRAM(B, 3, 6), FIRST);
  EXPECT_EQ(BraidBasics::BTIKZDIAGRAM(B, 3, 7), BraidBasics::BTIKZDIAGRAM(B, 3, 7));
  // No exponents and no commas as decimal points in the numbers.
  const std::regex PATHDATA(" d=\"([^\"]*)\"");
  int PATHS = 0;
  for (auto IT = std::sregex_iterator(FIRST.begin(), FIRST.end(), PATHDATA);
       IT != std::sregex_iterator(); ++IT) {
    ++PATHS;
    EXPECT_TRUE(std::regex_match((*IT)[1].str(), std::regex("([MLC]( ?[0-9]+(\\.[0-9]+)?)+)+")))
        << (*IT)[1];
  }
  EXPECT_EQ(PATHS, 9);
}

TEST(BSVGDIAGRAM, WideBraidsStayPlainText) {
  // Indices beyond 26 have no letter: labels and texts use the index.
  BRAID B = BraidBasics::BONE();
  B.W = BraidBasics::BMAXWIDTH;
  B.L = 2;
  BraidBasics::BROOM(B, 2);
  B.V[1] = 49;
  B.V[2] = -27;
  const std::string SVG = BraidBasics::BSVGDIAGRAM(B, 1, 2);
  for (char C : SVG) {
    ASSERT_TRUE(C == '\n' || (C >= ' ' && C <= '~')) << static_cast<int>(C);
  }
  EXPECT_NE(SVG.find("(sigma_49)(sigma_27^-1)"), std::string::npos);
  EXPECT_NE(SVG.find(">-27</text>"), std::string::npos);
  EXPECT_EQ(COUNT(SVG, "class=\"strand\""), 50U);
  const std::string TIKZ = BraidBasics::BTIKZDIAGRAM(B);
  EXPECT_NE(TIKZ.find("{$\\sigma_{27}^{-1}$}"), std::string::npos);
}

TEST(BTIKZDIAGRAM, StructureOfThePicture) {
  const std::string TIKZ = BraidBasics::BTIKZDIAGRAM(DEF("aB"), 1, 1);
  EXPECT_EQ(TIKZ.rfind("% Braid diagram of aB.", 0), 0U);
  EXPECT_NE(TIKZ.find("% The braid word aB (2 letters) on 3 strands, with letter 1 (a) marked."),
            std::string::npos);
  EXPECT_NE(TIKZ.find("\n\\begin{tikzpicture}"), std::string::npos);
  EXPECT_EQ(TIKZ.substr(TIKZ.size() - 18), "\\end{tikzpicture}\n");
  EXPECT_EQ(COUNT(TIKZ, "\\draw["), 3U);
  EXPECT_EQ(COUNT(TIKZ, "\\fill[korvelband"), 1U);
  EXPECT_EQ(COUNT(TIKZ, "{"), COUNT(TIKZ, "}"));
  EXPECT_NE(TIKZ.find("{$\\sigma_{1}$}"), std::string::npos);
  EXPECT_NE(TIKZ.find("{$\\sigma_{2}^{-1}$}"), std::string::npos);
  // y upwards: position 1 is the highest, so strand 1 starts at y = -0.5 cm
  // (20 units from the top at 40 units to the centimetre) and strand 3 lower.
  const DIAGRAM D = BDIAGRAM(DEF("aB"));
  EXPECT_NE(TIKZ.find("(0.6,-0.5) --"), std::string::npos) << D.LEFTEDGE << " " << D.POSITIONY[0];
  EXPECT_NE(TIKZ.find("(0.6,-2) --"), std::string::npos);
  EXPECT_EQ(COUNT(BraidBasics::BTIKZDIAGRAM(DEF("aB")), "\\fill"), 0U);
}

}  // namespace
