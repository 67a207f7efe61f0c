// Three-strand word codes.
//
// A code lists the run lengths of a word over a and b from left to right;
// its last digit belongs to the run of a at the right end (0 when the word
// ends with b), and going leftwards the digits belong alternately to runs of
// b and of a. So the digit at distance k from the right end of a code is a
// run of a when k is even and of b when k is odd, which is all decoding needs.
#include "braidbasics/codes3.h"

#include <algorithm>
#include <string>

#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/tablebounds.h"

namespace BraidBasics {

namespace {

// In a code list, the text after the first comma is cut to this many
// characters. Every later part of the list lies inside that text, so this
// first cut is the only one that can shorten anything.
constexpr std::size_t MAXLISTTAIL = 255;

// The word one code stands for. A character whose HEXADECODE is negative has
// no meaning and stands for an empty run.
std::string DECODEONE(std::string_view CODE) {
  std::string WORD;
  const std::size_t N = CODE.size();
  for (std::size_t K = 0; K < N; ++K) {
    const std::int32_t E = HEXADECODE(CODE[K]);
    const char LETTER = (N - 1 - K) % 2 == 0 ? 'a' : 'b';
    if (E > 0) {
      WORD.append(static_cast<std::size_t>(E), LETTER);
    }
  }
  return WORD;
}

// ITEM applied to each code of the list W, the results joined by ",": the
// first code, then the codes of the (cut) text after the first comma. An
// empty item stays an empty item.
template <typename F>
std::string MAPCODELIST(std::string_view W, F ITEM) {
  std::size_t COMMA = W.find(',');
  if (COMMA == std::string_view::npos) {
    return ITEM(W);
  }
  std::string RESULT = ITEM(W.substr(0, COMMA));
  std::string_view REST = W.substr(COMMA + 1, MAXLISTTAIL);
  for (;;) {
    COMMA = REST.find(',');
    RESULT.push_back(',');
    RESULT += ITEM(REST.substr(0, COMMA));
    if (COMMA == std::string_view::npos) {
      return RESULT;
    }
    REST.remove_prefix(COMMA + 1);
  }
}

// U with blanks in front up to WIDTH characters; never cut.
std::string PADLEFT(std::string U, std::int32_t WIDTH) {
  const std::int64_t BLANKS = static_cast<std::int64_t>(WIDTH) - static_cast<std::int64_t>(U.size());
  if (BLANKS > 0) {
    U.insert(0, static_cast<std::size_t>(BLANKS), ' ');
  }
  return U;
}

}  // namespace

char HEXACODE(std::int32_t E) { return static_cast<char>(E <= 9 ? 48 + E : 55 + E); }

std::int32_t HEXADECODE(char C) {
  const std::int32_t CODE = static_cast<unsigned char>(C);
  return CODE < 65 ? CODE - 48 : CODE - 55;
}

// The runs are cut from the right end, the first one a run of a that may be
// empty; the digits come out right to left and are turned round at the end.
std::string CODE3(std::string_view W) {
  if (W == "?") {
    return "?";
  }
  if (std::any_of(W.begin(), W.end(), [](char C) { return C != 'a' && C != 'b'; })) {
    return "?";
  }
  std::string CODE;
  std::size_t END = W.size();
  char CURRENT = 'a';
  while (END > 0) {
    std::int32_t E = 0;
    while (END > 0 && W[END - 1] == CURRENT) {
      --END;
      ++E;
    }
    CODE.push_back(HEXACODE(E));
    CURRENT = CURRENT == 'a' ? 'b' : 'a';
  }
  std::reverse(CODE.begin(), CODE.end());
  return CODE;
}

std::string ALTCODE3(std::string_view W) { return CODE3(ALTNORMAL(W)); }

std::string PADDEDALTCODE3(std::string_view W) {
  return PADLEFT(ALTCODE3(W), MAXCODELENGTHINBRAIDLIST);
}

std::string ALTDECODE3(std::string_view W) { return MAPCODELIST(W, DECODEONE); }

std::string GARDECODE3(std::string_view W) {
  return MAPCODELIST(W, [](std::string_view CODE) -> std::string {
    if (CODE == "?") {
      return "?";
    }
    return GARNORMAL(DECODEONE(CODE));
  });
}

}  // namespace BraidBasics
