#include "braidconjugacy/modulargroup.h"

#include <algorithm>

namespace BraidConjugacy {

void MODAPPEND(MODWORD& X, std::int8_t SYLLABLE) {
  if (X.empty()) {
    X.push_back(SYLLABLE);
    return;
  }
  const std::int8_t LAST = X.back();
  if (LAST == MODS && SYLLABLE == MODS) {
    X.pop_back();  // s^2 = 1
    return;
  }
  if (LAST != MODS && SYLLABLE != MODS) {
    // u^i u^j = u^((i + j) mod 3); the syllable before LAST is s, so when the
    // product is 1 that s becomes the last one and nothing else cancels.
    const std::int8_t PRODUCT = static_cast<std::int8_t>((LAST + SYLLABLE) % 3);
    if (PRODUCT == 0) {
      X.pop_back();
    } else {
      X.back() = PRODUCT;
    }
    return;
  }
  X.push_back(SYLLABLE);
}

void MODMULTIPLY(MODWORD& X, const MODWORD& Y) {
  // Appending one syllable at a time lets every cancellation at the junction
  // run its course: a vanishing pair of u-syllables leaves an s at the end
  // of X that the next syllable of Y, an s, cancels, and so on.
  for (std::int8_t SYLLABLE : Y) {
    MODAPPEND(X, SYLLABLE);
  }
}

MODWORD MODINVERSE(const MODWORD& X) {
  MODWORD INVERSE(X.rbegin(), X.rend());
  for (std::int8_t& SYLLABLE : INVERSE) {
    if (SYLLABLE != MODS) {
      SYLLABLE = static_cast<std::int8_t>(3 - SYLLABLE);
    }
  }
  return INVERSE;
}

MODWORD MODIMAGE(const POS3& X) {
  MODWORD IMAGE;
  if (X.K % 2 != 0) {
    IMAGE.push_back(MODS);
  }
  for (std::int32_t R = 1; R <= X.N; ++R) {
    if (POS3LETTER(X, R) == 0) {  // a -> u s
      MODAPPEND(IMAGE, MODU);
      MODAPPEND(IMAGE, MODS);
    } else {  // b -> s u
      MODAPPEND(IMAGE, MODS);
      MODAPPEND(IMAGE, MODU);
    }
  }
  return IMAGE;
}

bool MODLIFT(const MODWORD& X, POS3& LIFT) {
  // Preimages: s <- Delta; u <- (ab)^-1 = Delta^-1 b (as b = Delta (ab)^-1);
  // u^-1 <- ab.
  POS3 Y = POS3ONE();
  for (std::int8_t SYLLABLE : X) {
    if (SYLLABLE == MODS) {
      POS3MULTDELTA(Y, 1);
    } else if (SYLLABLE == MODU) {
      POS3MULTDELTA(Y, -1);
      if (!POS3MULT(Y, 1)) {
        return false;
      }
    } else if (!POS3MULT(Y, 0) || !POS3MULT(Y, 1)) {
      return false;
    }
  }
  Y.K = ((Y.K % 2) + 2) % 2;  // Delta^2 is central: only the parity of K counts
  LIFT = Y;
  return true;
}

void MODCYCLICALLYREDUCE(const MODWORD& X, MODWORD& C, MODWORD& H) {
  C.clear();
  std::size_t FIRST = 0;
  std::size_t END = X.size();
  // X[FIRST..END) is reduced and X = C X[FIRST..END) C^-1 at every pass.
  while (END - FIRST >= 3 && (X[FIRST] == MODS) == (X[END - 1] == MODS)) {
    const std::int8_t LEFT = X[FIRST];
    const std::int8_t RIGHT = X[END - 1];
    if (LEFT == MODS || (LEFT + RIGHT) % 3 == 0) {
      // x m x^-1: strip both ends.
      C.push_back(LEFT);
      ++FIRST;
      --END;
    } else {
      // x m x with x a syllable of u: equal to x (m x^-1) x^-1 since x^2 =
      // x^-1; m x^-1 starts with s and ends with a syllable of u.
      C.push_back(LEFT);
      H.assign(X.begin() + static_cast<std::ptrdiff_t>(FIRST) + 1, X.begin() + static_cast<std::ptrdiff_t>(END));
      H.back() = static_cast<std::int8_t>(3 - LEFT);
      return;
    }
  }
  H.assign(X.begin() + static_cast<std::ptrdiff_t>(FIRST), X.begin() + static_cast<std::ptrdiff_t>(END));
}

std::int32_t MODROOTLENGTH(const MODWORD& H) {
  const std::int32_t L = static_cast<std::int32_t>(H.size());
  for (std::int32_t D = 2; D < L; D += 2) {
    if (L % D != 0) {
      continue;
    }
    bool PERIODIC = true;
    for (std::int32_t I = D; I < L && PERIODIC; ++I) {
      PERIODIC = H[static_cast<std::size_t>(I)] == H[static_cast<std::size_t>(I - D)];
    }
    if (PERIODIC) {
      return D;
    }
  }
  return L;
}

}  // namespace BraidConjugacy
