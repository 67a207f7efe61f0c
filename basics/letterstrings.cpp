#include "basics/letterstrings.h"

#include <cstddef>
#include <cstdint>

#include "basics/stringlists.h"

namespace basics {

bool ISNEGLETTER(char C) { return C >= 'A' && C <= 'Z'; }

bool ISPOSLETTER(char C) { return C >= 'a' && C <= 'z'; }

bool ISLETTER(char C) { return ISNEGLETTER(C) || ISPOSLETTER(C); }

char NEXTCHAR(char C) {
  return static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(C) + 1u));
}

char INVCHAR(char C) {
  if (ISPOSLETTER(C)) {
    return static_cast<char>(C - 32);
  }
  if (ISNEGLETTER(C)) {
    return static_cast<char>(C + 32);
  }
  return C;
}

std::string INVSTR(std::string_view W) {
  std::string RESULT;
  RESULT.reserve(W.size());
  for (auto IT = W.rbegin(); IT != W.rend(); ++IT) {
    RESULT.push_back(INVCHAR(*IT));
  }
  return RESULT;
}

std::string MIRRORSTR(std::string_view W) { return std::string(W.rbegin(), W.rend()); }

bool ISNEGSTR(std::string_view W) {
  for (char C : W) {
    if (!ISNEGLETTER(C)) {
      return false;
    }
  }
  return true;
}

bool ISPOSSTR(std::string_view W) {
  for (char C : W) {
    if (!ISPOSLETTER(C)) {
      return false;
    }
  }
  return true;
}

bool FREEREDUCED(std::string_view W) {
  for (std::size_t P = 0; P + 1 < W.size(); ++P) {
    if (INVCHAR(W[P]) == W[P + 1]) {
      return false;
    }
  }
  return true;
}

// The deletions x INVCHAR(x) -> "" form a confluent rewriting system (the
// only overlap, x INVCHAR(x) x, gives x either way), so every order of
// deletions ends at the same word. One pass with the result as a stack
// reaches it: the stack is free-reduced at every step, and a new character
// either cancels its top or extends it.
void FREEREDUCE(std::string& W) {
  std::size_t TOP = 0;  // W[0..TOP) is the reduced stack
  for (std::size_t P = 0; P < W.size(); ++P) {
    if (TOP > 0 && INVCHAR(W[TOP - 1]) == W[P]) {
      --TOP;
    } else {
      W[TOP++] = W[P];
    }
  }
  W.resize(TOP);
}

namespace {

// The distinct characters of U that pass KEEP, in the order of their first
// occurrence.
template <typename PREDICATE>
std::string FIRSTOCCURRENCES(std::string_view U, PREDICATE KEEP) {
  bool SEEN[256] = {};
  std::string RESULT;
  for (char C : U) {
    unsigned char CODE = static_cast<unsigned char>(C);
    if (KEEP(C) && !SEEN[CODE]) {
      SEEN[CODE] = true;
      RESULT.push_back(C);
    }
  }
  return RESULT;
}

}  // namespace

std::string THENEGLETTERS(std::string_view U) { return FIRSTOCCURRENCES(U, ISNEGLETTER); }

std::string THEPOSLETTERS(std::string_view U) { return FIRSTOCCURRENCES(U, ISPOSLETTER); }

std::string THELETTERS(std::string_view W) {
  bool SEEN[26] = {};
  for (char C : W) {
    if (ISPOSLETTER(C)) {
      SEEN[C - 'a'] = true;
    }
  }
  std::string RESULT;
  for (int K = 0; K < 26; ++K) {
    if (SEEN[K]) {
      RESULT.push_back(static_cast<char>('a' + K));
    }
  }
  return RESULT;
}

std::int32_t NBLETTERS(std::string_view W) { return static_cast<std::int32_t>(THELETTERS(W).size()); }

bool ISPREFIX(std::string_view U, std::string_view V) {
  return U.size() <= V.size() && V.substr(0, U.size()) == U;
}

bool SHORTLEXSMALLER(std::string_view U, std::string_view V) {
  if (U.size() != V.size()) {
    return U.size() < V.size();
  }
  // string_view compares through char_traits<char>, which orders characters
  // as unsigned char: codes 0..255.
  return U.compare(V) < 0;
}

std::string SUBST(std::string_view U, std::string_view SOURCE, std::string_view IMAGE) {
  const STRING_LIST IMAGES = STRTOLIST(IMAGE, '/');
  std::string RESULT;
  for (char C : U) {
    std::size_t P = SOURCE.find(C);
    if (P == std::string_view::npos) {
      RESULT.push_back(C);
    } else if (static_cast<std::int64_t>(P) + 1 <= IMAGES.L) {
      RESULT += IMAGES.V[P + 1];
    }
  }
  return RESULT;
}

std::string NE(std::string_view W) { return W.empty() ? std::string("1") : std::string(W); }

std::string COMPACTION(std::string_view W) {
  if (W.empty()) {
    return "empty";
  }
  if (W.size() == 255) {
    return "too long";
  }
  std::string RESULT;
  std::size_t START = 0;
  while (START < W.size()) {
    std::size_t END = START + 1;
    while (END < W.size() && W[END] == W[START]) {
      ++END;
    }
    RESULT.push_back(W[START]);
    if (END - START >= 2) {
      RESULT += '^';
      RESULT += std::to_string(END - START);
    }
    START = END;
  }
  return RESULT;
}

std::string PADDING(std::string_view W, std::string_view STYLE) {
  std::string RESULT;
  if (STYLE == "$,") {
    for (std::size_t P = 0; P < W.size(); ++P) {
      RESULT.push_back(W[P]);
      if (P + 1 < W.size()) {
        RESULT.push_back(',');
      }
    }
  } else if (STYLE == ", ") {
    for (std::size_t P = 0; P < W.size(); ++P) {
      if (W[P] != ',') {
        RESULT.push_back(W[P]);
      } else if (P + 1 < W.size()) {
        RESULT += ", ";
      }
    }
  } else {
    RESULT = W;
  }
  return RESULT;
}

// Only the junction of an erasure can hold a new occurrence, and no
// occurrence starts before the leftmost one, so each search may begin
// |U| - 1 characters before the last erasure.
void ERASEBLOCK(std::string_view U, std::string& W) {
  if (U.empty()) {
    return;
  }
  std::size_t FROM = 0;
  for (;;) {
    std::size_t P = W.find(U, FROM);
    if (P == std::string::npos) {
      return;
    }
    W.erase(P, U.size());
    FROM = P >= U.size() - 1 ? P - (U.size() - 1) : 0;
  }
}

void ERASEALLCHAR(std::string_view U, std::string& W) {
  bool ERASE[256] = {};
  for (char C : U) {
    ERASE[static_cast<unsigned char>(C)] = true;
  }
  std::size_t KEPT = 0;
  for (char C : W) {
    if (!ERASE[static_cast<unsigned char>(C)]) {
      W[KEPT++] = C;
    }
  }
  W.resize(KEPT);
}

void PARSEATOMICFORMULA(std::string_view FORMULA, std::string& TL, std::string& REL,
                        std::string& TR) {
  enum class STATE { LEFT, MIDDLE, RIGHT };
  const std::string W(FORMULA);  // FORMULA may view one of the outputs
  TL.clear();
  REL.clear();
  TR.clear();
  STATE S = STATE::LEFT;
  for (char C : W) {
    switch (S) {
      case STATE::LEFT:
        if (ISLETTER(C)) {
          TL.push_back(C);
        } else if (C == '=') {
          REL.push_back(C);
          S = STATE::RIGHT;
        } else if (C == '\\') {
          REL.push_back(C);
          S = STATE::MIDDLE;
        }
        break;
      case STATE::MIDDLE:
        if (C == ' ') {
          S = STATE::RIGHT;
        } else {
          REL.push_back(C);
        }
        break;
      case STATE::RIGHT:
        if (ISLETTER(C)) {
          TR.push_back(C);
        }
        break;
    }
  }
}

}  // namespace basics
