// Hostile sessions: seeded random scripts that a careless or malicious user
// could type or pipe into the program, and the line filter that keeps the
// work of one session bounded.
//
// A script is a sequence of menu keys, each followed by the answers its
// dialogue asks for, drawn from every kind of line: empty lines, lines of
// 10,000 characters, carriage returns, NUL bytes, bytes above 127, digits and
// punctuation inside words, words on 27 strands, 255-letter words built to
// grow under reversing or handle reduction, every kind of answer at the
// ordering prompt and at "Until which length? ", and the end of the input at
// any prompt, even inside a line. The generator only decides what is typed;
// it makes no assumption on how the program answers, so the program may read
// the lines in another way than intended (a dialogue that asks again) and the
// session is still a valid one.
//
// The generator draws from std::mt19937, whose sequence the language fixes,
// and maps draws to ranges by itself: a seed gives the same script on every
// platform.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "tests/shell/hostile_console.h"

namespace korveltest {

// Whether an answer at "Until which length? " is a plain small number: after
// blanks and tabs are trimmed, empty, a lone sign, a negative 32-bit number,
// or an optional plus sign and at most 10 digits whose value is at most
// MAXBOUND. Anything else (letters, junk after the digits, a larger
// number) could be read by some orderly program as a large bound, whose table
// build is long.
inline bool SmallLengthAnswer(std::string_view LINE, int MAXBOUND) {
  auto BLANK = [](char C) { return C == ' ' || C == '\t'; };
  while (!LINE.empty() && BLANK(LINE.front())) {
    LINE.remove_prefix(1);
  }
  while (!LINE.empty() && BLANK(LINE.back())) {
    LINE.remove_suffix(1);
  }
  const bool NEGATIVE = !LINE.empty() && LINE.front() == '-';
  if (!LINE.empty() && (LINE.front() == '+' || LINE.front() == '-')) {
    LINE.remove_prefix(1);
  }
  if (LINE.size() > 10) {
    return false;
  }
  long long VALUE = 0;
  for (char C : LINE) {
    if (C < '0' || C > '9') {
      return false;
    }
    VALUE = 10 * VALUE + (C - '0');
  }
  // A negative bound gives the one-entry table, whatever its size, as long
  // as it is a 32-bit number.
  return NEGATIVE ? VALUE <= 2147483648LL : VALUE <= MAXBOUND;
}

// The bounds a LineFilter puts on one session's work.
struct WorkBounds {
  int MAXBOUND = 8;           // largest length bound let through at key B
  int MAXBUILDS = 4;          // answers at "Until which length? " let through
  int MAXSTUDIES = 4;         // answers at the factor u of key I let through
  int MAXFACTORLETTERS = 16;  // letters in a factor of key I
};

// A filter that ends the input instead of letting through an answer that
// would make the session long: a length bound that is not a plain number at
// most MAXBOUND, more table builds or key-I studies than allowed, a factor of
// key I with more letters than allowed. It cuts the input only; the program
// is never interrupted.
inline LineFilter BoundedWorkFilter(WorkBounds BOUNDS) {
  struct COUNTS {
    int BUILDS = 0;
    int STUDIES = 0;
  };
  return [BOUNDS, C = COUNTS{}](std::string_view TAIL, std::string_view LINE) mutable {
    auto ENDSWITH = [&](std::string_view S) {
      return TAIL.size() >= S.size() && TAIL.substr(TAIL.size() - S.size()) == S;
    };
    if (ENDSWITH("Until which length? ")) {
      return ++C.BUILDS <= BOUNDS.MAXBUILDS && SmallLengthAnswer(LINE, BOUNDS.MAXBOUND);
    }
    const bool U = ENDSWITH("Enter the factor \"u\": ");
    if (U || ENDSWITH("Enter the factor \"v\": ")) {
      if (U && ++C.STUDIES > BOUNDS.MAXSTUDIES) {
        return false;
      }
      int LETTERS = 0;
      for (char CH : LINE) {
        LETTERS += (CH >= 'a' && CH <= 'z') || (CH >= 'A' && CH <= 'Z');
      }
      return LETTERS <= BOUNDS.MAXFACTORLETTERS;
    }
    return true;
  };
}

class SessionGenerator {
 public:
  explicit SessionGenerator(std::uint32_t SEED) : rng_(SEED) {}

  // One whole session script.
  std::string Next() {
    std::string S;
    lastBound_ = 0;
    const std::uint32_t KEYS = 1 + Below(14);
    for (std::uint32_t K = 0; K < KEYS; ++K) {
      if (!Key(S)) {
        return S;  // the input ends at a prompt
      }
    }
    switch (Below(20)) {
      case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9: case 10:
        S += "Q" + End();
        break;
      case 11:
        S += "Q";  // no line end at all
        break;
      case 12: case 13:
        S += "Q" + End() + Word() + End() + "C" + End();  // never read
        break;
      default:
        break;  // the input simply ends
    }
    return S;
  }

 private:
  std::uint32_t Below(std::uint32_t N) { return static_cast<std::uint32_t>(rng_() % N); }
  bool Percent(std::uint32_t P) { return Below(100) < P; }
  char Pick(std::string_view FROM) { return FROM[Below(static_cast<std::uint32_t>(FROM.size()))]; }

  // A line end: mostly a line feed, sometimes CR LF or a lone CR, rarely LF
  // CR (which is a line end and then an empty line).
  std::string End() {
    std::uint32_t R = Below(100);
    if (R < 80) return "\n";
    if (R < 89) return "\r\n";
    if (R < 98) return "\r";
    return "\n\r";
  }

  // Appends LINE and a line end, unless the input is to end at this prompt;
  // then it appends nothing or a part of LINE without a line end, and
  // returns false.
  bool Answer(std::string& S, const std::string& LINE) {
    if (Percent(3)) {
      S += LINE.substr(0, Below(static_cast<std::uint32_t>(LINE.size()) + 1));
      return false;
    }
    S += LINE + End();
    return true;
  }

  // One menu key with its dialogue; false when the input ended in it.
  bool Key(std::string& S) {
    static constexpr std::string_view KEYS = "hOOCCCHHHNNNAAABBMSIX";
    std::uint32_t R = Below(100);
    if (R < 82) {
      char K = Pick(KEYS);
      std::string LINE(1, K);
      if (Percent(8)) {
        LINE += Junk(1 + Below(30));  // the rest of a key line is discarded
      }
      if (!Answer(S, LINE)) {
        return false;
      }
      return Dialogue(S, K);
    }
    // Lines that select nothing.
    std::string LINE;
    switch (Below(9)) {
      case 0: LINE = ""; break;
      case 1: LINE = std::string(1, Pick("qDEZxyz0123 ?.-")); break;
      case 2: LINE = std::string(1, '\0'); break;
      case 3: LINE = std::string(1, static_cast<char>(128 + Below(128))); break;
      case 4: LINE = " C"; break;  // a blank is the key
      case 5: LINE = std::string(10000, Pick("qCB")); LINE[0] = 'q'; break;
      case 6: LINE = "\t"; break;
      case 7: LINE = "\xCF\x83"; break;  // a Greek sigma in UTF-8
      default: LINE = Junk(1 + Below(40)); if (LINE[0] == 'Q') LINE[0] = 'q'; break;
    }
    if (!LINE.empty() && LINE[0] == 'Q') {
      LINE[0] = 'q';
    }
    return Answer(S, LINE);
  }

  bool Dialogue(std::string& S, char K) {
    switch (K) {
      case 'O': return Answer(S, OrderingAnswer());
      case 'C': return Answer(S, Word()) && Answer(S, Word());
      case 'H': case 'N': return Answer(S, Word());
      case 'A': return Answer(S, Percent(70) ? PositiveWord() : Word());
      case 'B': return Answer(S, LengthAnswer());
      case 'I': return Answer(S, Factor()) && Answer(S, Factor());
      default: return true;
    }
  }

  std::string OrderingAnswer() {
    switch (Below(16)) {
      case 0: case 1: return "R";
      case 2: case 3: return "F";
      case 4: case 5: return "U";
      case 6: return "f";
      case 7: return "r";
      case 8: return "u";
      case 9: return "";
      case 10: return "Flipped, please";
      case 11: return std::string(1, '\0');
      case 12: return std::string(1, static_cast<char>(128 + Below(128)));
      case 13: return " F";
      case 14: return std::string(10000, 'U');
      default: return "Q";  // not a menu key here
    }
  }

  std::string LengthAnswer() {
    std::uint32_t R = Below(100);
    int N;
    if (R < 85) {
      N = static_cast<int>(Below(7));  // 0..6
    } else if (R < 90) {
      N = 7 + static_cast<int>(Below(3));  // 7..9
    } else {
      N = -static_cast<int>(Below(3)) - 1;
    }
    lastBound_ = N;
    std::string D = std::to_string(N);
    switch (Below(10)) {
      case 0: return " " + D;
      case 1: return D + "  ";
      case 2: return "\t" + D;
      case 3: return N >= 0 ? "+" + D : D;
      case 4: return N >= 0 ? "00" + D : D;
      case 5: lastBound_ = 0; return Percent(50) ? "" : "   ";
      default: return D;
    }
  }

  // A factor of key I: short mostly; long only while the table is small, as
  // key I runs one rank search per braid of the table.
  std::string Factor() {
    if (lastBound_ <= 3 && Percent(5)) {
      return Word();
    }
    std::string W;
    for (std::uint32_t I = Below(5); I > 0; --I) {
      W += Pick(Percent(90) ? "abAB" : "abcABC1 .");
    }
    return W;
  }

  std::string PositiveWord() {
    std::string W = Word();
    for (char& C : W) {
      if (C >= 'A' && C <= 'Z') {
        C = static_cast<char>(C - 'A' + 'a');
      }
    }
    return W;
  }

  std::string Junk(std::uint32_t N) {
    std::string J;
    for (std::uint32_t I = 0; I < N; ++I) {
      std::uint32_t R = Below(10);
      if (R < 5) {
        J += static_cast<char>(32 + Below(95));  // printable ASCII
      } else if (R < 7) {
        J += static_cast<char>(128 + Below(128));
      } else if (R < 8) {
        J += '\0';
      } else {
        J += Pick("\x01\x02\x07\x08\t\x0b\x0c\x1b\x7f");  // control bytes, no line end
      }
    }
    return J;
  }

  static char Letter(int I) {  // +i and -i as the letter string writes them
    return static_cast<char>(I > 0 ? 96 + I : 64 - I);
  }

  std::string RandomWord(std::uint32_t LENGTH, int STRANDS) {
    std::string W;
    for (std::uint32_t I = 0; I < LENGTH; ++I) {
      int G = 1 + static_cast<int>(Below(static_cast<std::uint32_t>(STRANDS - 1)));
      W += Letter(Percent(50) ? G : -G);
    }
    return W;
  }

  static std::string Inverse(const std::string& W) {
    std::string R(W.rbegin(), W.rend());
    for (char& C : R) {
      C = static_cast<char>(C >= 'a' ? C - 32 : C + 32);
    }
    return R;
  }

  // A word of 255 letters made to grow: under reversing (negative letters
  // before positive ones, crossing strands), or under handle reduction
  // (conjugates whose handles nest, powers of handles).
  std::string GrowingWord() {
    std::string W;
    switch (Below(7)) {
      case 0: {  // a positive and a negative half on 27 strands, in either order:
                 // their fractions and normal forms outgrow the record
        const bool POSITIVEFIRST = Percent(50);
        for (int I = 0; I < 255; ++I) {
          const int G = 1 + static_cast<int>(Below(26));
          W += Letter((I < 127) == POSITIVEFIRST ? G : -G);
        }
        break;
      }
      case 1: {  // w x w^-1, w of 127 letters
        std::string U = RandomWord(127, 2 + static_cast<int>(Below(26)));
        W = U + Letter(1 + static_cast<int>(Below(26))) + Inverse(U);
        break;
      }
      case 2: {  // nested handles a b^k A ... on three strands
        while (W.size() < 255) {
          std::uint32_t K = 1 + Below(12);
          W += "a" + std::string(K, 'b') + "A" + std::string(1 + Below(3), 'B');
        }
        break;
      }
      case 3: {  // the inverse of Delta on 22 strands (231 letters), then positive letters
        for (int I = 21; I >= 1; --I) {
          for (int J = 1; J <= I; ++J) W += Letter(-J);
        }
        for (int I = 0; I < 24; ++I) W += Letter(1 + static_cast<int>(Below(21)));
        break;
      }
      case 4: {  // powers: (a^k B^k)^m and (aB)^127 a
        std::uint32_t K = 1 + Below(20);
        while (W.size() < 255) W += std::string(K, 'a') + std::string(K, 'B');
        break;
      }
      case 5: {  // a random word on up to 27 strands
        W = RandomWord(255, 3 + static_cast<int>(Below(25)));
        break;
      }
      default: {  // a random word on 3 strands
        W = RandomWord(255, 3);
        break;
      }
    }
    W.resize(255);
    return W;
  }

  std::string Word() {
    std::uint32_t R = Below(100);
    if (R < 12) {
      static const char* BLANKS[] = {"", "", "   ", "\t"};
      return BLANKS[Below(4)];
    }
    if (R < 40) return RandomWord(1 + Below(12), 3);
    if (R < 55) return RandomWord(1 + Below(40), 27);
    if (R < 63) {  // letters with digits, punctuation, blanks and odd bytes among them
      std::string W;
      for (std::uint32_t I = 1 + Below(30); I > 0; --I) {
        W += Percent(60) ? Letter(Percent(50) ? 1 + static_cast<int>(Below(3))
                                              : -1 - static_cast<int>(Below(3)))
                         : Junk(1)[0];
      }
      return W;
    }
    if (R < 75) return GrowingWord();
    if (R < 80) {  // 10,000 characters: only the first 255 count
      std::string W;
      switch (Below(3)) {
        case 0: W = std::string(10000, Pick("aAzZ")); break;
        case 1: while (W.size() < 10000) W += "aB"; break;
        default: W = RandomWord(10000, 27); break;
      }
      return W;
    }
    if (R < 90) {  // the last generators of the keyboard
      static const char* EDGE[] = {"z", "Z", "zZ", "yzY", "zyZ", "ZYXWVUTSRQPONMLKJIHGFEDCBA",
                                   "abcdefghijklmnopqrstuvwxyz", "zyxwvutsrqponmlkjihgfedcba"};
      return EDGE[Below(8)];
    }
    if (R < 95) return Junk(1 + Below(60));
    return "\xCF\x83\xE2\x82\x81\xCF\x83\xE2\x82\x82";  // sigma_1 sigma_2 in UTF-8
  }

  std::mt19937 rng_;
  int lastBound_ = 0;
};

}  // namespace korveltest
