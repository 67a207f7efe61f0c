#include "basics/stringlists.h"

#include <algorithm>
#include <ostream>

#include "basics/console.h"

namespace basics {

namespace {

// The number of entries an operation may read from a list whose count is
// COUNT: never below 0, never past the record.
std::int32_t ENTRIES(std::int32_t COUNT) { return std::clamp<std::int32_t>(COUNT, 0, MAXLIST); }

bool CONTAINS(std::string_view STYLE, std::string_view MARK) {
  return STYLE.find(MARK) != std::string_view::npos;
}

}  // namespace

STRING_LIST STRTOLIST(std::string_view W, char SEP) {
  STRING_LIST RESULT;
  RESULT.L = 1;
  for (char C : W) {
    if (C == SEP) {
      if (RESULT.L == MAXLIST) {
        break;
      }
      ++RESULT.L;
    } else if (C != ' ') {
      RESULT.V[RESULT.L].push_back(C);
    }
  }
  return RESULT;
}

std::string LISTTOSTR(const STRING_LIST& L, char SEP) {
  if (L.L == -1) {
    return "$";
  }
  std::string RESULT;
  const std::int32_t N = ENTRIES(L.L);
  for (std::int32_t P = MINLIST; P <= N; ++P) {
    if (P > MINLIST) {
      RESULT.push_back(SEP);
    }
    RESULT += L.V[P];
  }
  return RESULT;
}

bool TRIVIALLIST(const STRING_LIST& A) {
  const std::int32_t N = ENTRIES(A.L);
  for (std::int32_t P = MINLIST; P <= N; ++P) {
    if (!A.V[P].empty()) {
      return false;
    }
  }
  return true;
}

void WRITELIST(const STRING_LIST& L, std::string_view STYLE) {
  std::ostream& OUT = OUTPUT();
  const bool NUMBERED = CONTAINS(STYLE, "1:");
  const bool COMMA = CONTAINS(STYLE, ",");
  const bool SEMICOLON = CONTAINS(STYLE, ";");
  const bool STAR = CONTAINS(STYLE, "*");
  const bool SLASH = CONTAINS(STYLE, "/");
  const bool LINES = CONTAINS(STYLE, "RC");
  const std::int32_t N = ENTRIES(L.L);
  for (std::int32_t P = MINLIST; P <= N; ++P) {
    const bool LAST = P == N;
    if (NUMBERED) {
      OUT << P << ": ";
    }
    OUT << (L.V[P].empty() ? std::string_view("1") : std::string_view(L.V[P]));
    if (COMMA && !LAST) {
      OUT << ", ";
    }
    if (SEMICOLON) {
      OUT << "; ";
    }
    if (STAR && !LAST) {
      OUT << '*';
    }
    if (SLASH && !LAST) {
      OUT << '/';
    }
    if (LINES) {
      OUT << '\n';
    }
  }
}

void WRITELNLIST(const STRING_LIST& L, std::string_view STYLE) {
  WRITELIST(L, STYLE);
  OUTPUT() << '\n';
}

void WRITEINTEGERLIST(const INTEGER_LIST& L, char OPTION) {
  std::string_view SEPARATOR;
  switch (OPTION) {
    case ',': SEPARATOR = ", "; break;
    case '/': SEPARATOR = "/"; break;
    case '*': SEPARATOR = "*"; break;
    case '-': SEPARATOR = ""; break;
    default: SEPARATOR = "\n"; break;
  }
  std::ostream& OUT = OUTPUT();
  const std::int32_t N = ENTRIES(L.L);
  for (std::int32_t P = MINLIST; P <= N; ++P) {
    if (P > MINLIST) {
      OUT << SEPARATOR;
    }
    OUT << L.V[P];
  }
}

// The byte-wise order is total and equal entries are indistinguishable, so
// every sorting method gives the same list; std::string compares through
// char_traits<char>, that is as unsigned char with a proper prefix first.
void ORDERLIST(STRING_LIST& L) {
  std::sort(L.V + MINLIST, L.V + MINLIST + ENTRIES(L.L));
}

void REFLECTLIST(STRING_LIST& L) {
  std::reverse(L.V + MINLIST, L.V + MINLIST + ENTRIES(L.L));
}

// Combination number N - 1 (from 0) is written in the mixed radix whose
// place values are P[2..L], 1: the index of component I is one more than its
// digit, so the last component varies fastest.
INTEGER_LIST SPLITTING(std::int32_t N, const STRING_MULTILIST& ML) {
  INTEGER_LIST RESULT;
  RESULT.L = std::clamp<std::int32_t>(ML.L, 0, MAXSHORTLIST);
  std::int64_t REST = N;
  for (std::int32_t I = 1; I <= RESULT.L; ++I) {
    std::int64_t PLACE = I < MAXSHORTLIST ? ML.P[I + 1] : 1;
    if (PLACE == 0) {
      PLACE = 1;
    }
    const std::int64_t Q = (REST - 1) / PLACE;
    REST -= Q * PLACE;
    RESULT.V[I] = static_cast<std::int32_t>(Q + 1);
  }
  return RESULT;
}

STRING_LIST MULTIELEMENT(std::int32_t N, const STRING_MULTILIST& ML) {
  const INTEGER_LIST INDEX = SPLITTING(N, ML);
  STRING_LIST RESULT;
  RESULT.L = INDEX.L;
  for (std::int32_t I = 1; I <= INDEX.L; ++I) {
    const std::int32_t K = INDEX.V[I];
    if (K >= MINLIST && K <= MAXLIST) {
      RESULT.V[I] = ML.V[I].V[K];
    }
  }
  return RESULT;
}

}  // namespace basics
