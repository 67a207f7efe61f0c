#include "braidconjugacy/studytable.h"

#include <algorithm>
#include <utility>

#include "braidbasics/tablebounds.h"
#include "handlereduction/orderings.h"

namespace BraidConjugacy {

void MAKESTUDYTABLES(STUDYTABLES& S, std::int32_t BOUND, bool WRITE) {
  S.LENGTHBOUND = BOUND;
  S.WIDTHBOUND = 3;
  MAKEBRAIDTABLE(S.BRAIDS, BOUND, S.WIDTHBOUND, WRITE);
  MAKESSSTABLE(S.BRAIDS, S.SSS, S.MU3SSS, WRITE);
  MAKEMU3TABLES(S.BRAIDS, S.SSS, S.MU3SSS, S.MU3, S.MU3CONJ, S.MU3SSSCONJ);
}

void INSTALLSTUDYTABLES(STUDYTABLES& S) noexcept {
  std::swap(BRAIDLIST, S.BRAIDS);
  std::swap(SSSLIST, S.SSS);
  std::swap(MU3SSS, S.MU3SSS);
  std::swap(MU3, S.MU3);
  std::swap(MU3CONJ, S.MU3CONJ);
  std::swap(MU3SSSCONJ, S.MU3SSSCONJ);
  std::swap(BraidBasics::LENGTHBOUND, S.LENGTHBOUND);
  std::swap(WIDTHBOUND, S.WIDTHBOUND);
  BraidBasics::MAXCODELENGTHINBRAIDLIST =
      std::max(BraidBasics::MAXCODELENGTHINBRAIDLIST, LONGESTCODE(BRAIDLIST));
}

std::vector<STUDYROW> STUDYTABLEROWS(std::int32_t BOUND, char ORDER) {
  std::vector<STUDYROW> ROWS;
  if (BOUND > MAXSTUDYBOUND) {
    return ROWS;
  }
  // The ordering option is the only global the build reads; it is restored
  // however the build ends.
  struct RESTORE {
    char SAVED = handlereduction::BORDEROPTION;
    ~RESTORE() { handlereduction::BORDEROPTION = SAVED; }
  } GUARD;
  handlereduction::BORDEROPTION = ORDER;
  STUDYTABLES S;
  MAKESTUDYTABLES(S, BOUND, false);
  ROWS.reserve(static_cast<std::size_t>(S.BRAIDS.L));
  for (std::int32_t P = 1; P <= S.BRAIDS.L; ++P) {
    const std::size_t I = static_cast<std::size_t>(P);
    ROWS.push_back(STUDYROW{P, std::string(ENTRY(S.BRAIDS, P)), std::string(S.BRAIDS.CODE[P]),
                            SSSTEXT(S.SSS, S.BRAIDS, P), S.MU3[I], S.MU3CONJ[I], S.MU3SSS[I],
                            S.MU3SSSCONJ[I]});
  }
  return ROWS;
}

}  // namespace BraidConjugacy
