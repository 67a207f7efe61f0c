#include "braidconjugacy/braidtable.h"

#include <algorithm>
#include <ostream>

#include "basics/console.h"
#include "braidbasics/alternatingnormalform.h"
#include "braidbasics/codes3.h"
#include "braidbasics/enumeration.h"
#include "braidbasics/leftnormalform.h"
#include "braidbasics/tablebounds.h"
#include "handlereduction/reduction.h"

namespace BraidConjugacy {

LIST BRAIDLIST = {{{1, {'?'}}}, 0};
std::int32_t WIDTHBOUND = 0;

namespace {

BRAIDTABLEINDEX INDEX;

// Appends to WORDS every Delta-free word (no factor aba or bab) that extends
// PREFIX by at most ROOM letters, PREFIX included.
void DELTAFREEWORDS(POS3 PREFIX, std::int32_t ROOM, std::vector<POS3>& WORDS) {
  WORDS.push_back(PREFIX);
  if (ROOM <= 0) {
    return;
  }
  for (std::int32_t LETTER = 0; LETTER <= 1; ++LETTER) {
    const bool MAKESDELTA = PREFIX.N >= 2 && POS3LETTER(PREFIX, PREFIX.N - 1) == LETTER &&
                            POS3LETTER(PREFIX, PREFIX.N) != LETTER;
    if (!MAKESDELTA) {
      POS3 NEXT = PREFIX;
      POS3MULT(NEXT, LETTER);
      DELTAFREEWORDS(NEXT, ROOM - 1, WORDS);
    }
  }
}

// The three-strand build: the distinct positive braids of length at most
// BOUND are Delta^K w with 3K + |w| <= BOUND, w Delta-free, each once.
void BUILDTHREESTRANDLIST(std::int32_t BOUND) {
  std::vector<POS3> BRAIDS;
  for (std::int32_t K = 0; 3 * K <= BOUND; ++K) {
    std::vector<POS3> WORDS;
    DELTAFREEWORDS(POS3{K, 0, 0}, BOUND - 3 * K, WORDS);
    BRAIDS.insert(BRAIDS.end(), WORDS.begin(), WORDS.end());
  }
  std::vector<std::string> ALT;
  ALT.reserve(BRAIDS.size());
  for (const POS3& X : BRAIDS) {
    ALT.push_back(POS3ALTWORD(X));
  }
  // X < Y exactly when X^-1 Y is larger than 1, the test of INSERTLIST.
  std::vector<std::int32_t> ORDER(BRAIDS.size());
  for (std::size_t I = 0; I < ORDER.size(); ++I) {
    ORDER[I] = static_cast<std::int32_t>(I);
  }
  std::stable_sort(ORDER.begin(), ORDER.end(), [&ALT](std::int32_t X, std::int32_t Y) {
    return LISTSIGN(ALT[X], ALT[Y]) == '+';
  });
  EMPTYLIST(BRAIDLIST);
  const std::int32_t COUNT = std::min<std::int32_t>(static_cast<std::int32_t>(ORDER.size()), MAXBRAIDLIST);
  for (std::int32_t P = 1; P <= COUNT; ++P) {
    SETENTRY(BRAIDLIST, P, ALT[ORDER[P - 1]]);
  }
  BRAIDLIST.L = COUNT;
}

// The build as the words come: one insertion per enumerated word.
void BUILDBYINSERTION(std::int32_t BOUND) {
  EMPTYLIST(BRAIDLIST);
  std::int64_t P = 0;
  std::string W;
  for (;;) {
    INSERTLIST(W, BRAIDLIST);
    BraidBasics::MAXCODELENGTHINBRAIDLIST = std::max(
        BraidBasics::MAXCODELENGTHINBRAIDLIST, static_cast<std::int32_t>(BraidBasics::ALTCODE3(W).size()));
    if (WIDTHBOUND <= 1) {
      break;  // no letter on one strand: the empty word is the only braid
    }
    P += 1;
    W = BraidBasics::BALTNORMALWORD(BraidBasics::THEPOSITIVEBRAID(P, WIDTHBOUND));
    if (static_cast<std::int32_t>(W.size()) > BOUND) {
      break;
    }
  }
}

}  // namespace

void BUILDBRAIDLIST() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "Constructing the braid table.\n";
  const std::int32_t BOUND = std::min(BraidBasics::LENGTHBOUND, MAXLENGTHINBRAIDLIST);
  if (WIDTHBOUND == 3) {
    BUILDTHREESTRANDLIST(std::max(BOUND, 0));
    INDEXBRAIDLIST();
    for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
      BraidBasics::MAXCODELENGTHINBRAIDLIST = std::max(
          BraidBasics::MAXCODELENGTHINBRAIDLIST, static_cast<std::int32_t>(INDEX.CODE[P].size()));
    }
  } else {
    BUILDBYINSERTION(BOUND);
    INDEXBRAIDLIST();
  }
  OUT << "Construction completed: there exist " << BRAIDLIST.L
      << " positive braids of length at most " << BraidBasics::LENGTHBOUND << " in B_3.\n";
}

void INDEXBRAIDLIST() {
  const std::int32_t L = BRAIDLIST.L;
  INDEX = BRAIDTABLEINDEX{};
  INDEX.L = L;
  INDEX.THREESTRAND = true;
  INDEX.FORM.assign(static_cast<std::size_t>(L) + 1, POS3ONE());
  INDEX.BURAU.assign(static_cast<std::size_t>(L) + 1, BURAU2ONE());
  INDEX.CODE.assign(static_cast<std::size_t>(L) + 1, "?");
  INDEX.ALT.assign(static_cast<std::size_t>(L) + 1, "?");
  INDEX.GARSIDE.assign(static_cast<std::size_t>(L) + 1, "?");
  for (std::int32_t P = 1; P <= L; ++P) {
    if (!POS3FROMWORD(ENTRY(BRAIDLIST, P), INDEX.FORM[P])) {
      INDEX.THREESTRAND = false;
      break;
    }
  }
  for (std::int32_t P = 1; P <= L; ++P) {
    const std::string_view W = ENTRY(BRAIDLIST, P);
    if (INDEX.THREESTRAND) {
      const POS3& X = INDEX.FORM[P];
      INDEX.BURAU[P] = BURAU2OFWORD(W);
      INDEX.ALT[P] = POS3ALTWORD(X);
      INDEX.CODE[P] = BraidBasics::CODE3(INDEX.ALT[P]);
      INDEX.GARSIDE[P] = POS3GARSIDE(X);
      INDEX.RANKOFKEY.emplace(POS3KEY(X), P);
      BraidBasics::BRAID B;
      BraidBasics::BDEF(B, W);
      std::uint64_t BLOCK[9];
      BURAUNBLOCK3(BURAUNOFBRAID(B, 3), BLOCK);
      INDEX.RANKSOFBLOCK[BLOCK3HASH(BLOCK)].push_back(P);
    } else {
      INDEX.ALT[P] = BraidBasics::ALTNORMAL(W);
      INDEX.CODE[P] = BraidBasics::CODE3(INDEX.ALT[P]);
      INDEX.GARSIDE[P] = BraidBasics::GARNORMAL(W);
    }
  }
}

const BRAIDTABLEINDEX& TABLEINDEX() {
  if (INDEX.L != BRAIDLIST.L) {
    INDEXBRAIDLIST();
  }
  return INDEX;
}

std::int32_t RANKBYSCAN(const BraidBasics::BRAID& B) {
  for (std::int32_t P = 1; P <= BRAIDLIST.L; ++P) {
    BraidBasics::BRAID ENTRYBRAID;
    BraidBasics::BDEF(ENTRYBRAID, ENTRY(BRAIDLIST, P));
    if (handlereduction::BEQUIV(B, ENTRYBRAID)) {
      return P;
    }
  }
  return -1;
}

std::int32_t RANK(const BraidBasics::BRAID& B) {
  const BRAIDTABLEINDEX& IDX = TABLEINDEX();
  if (!IDX.THREESTRAND) {
    return RANKBYSCAN(B);
  }
  bool POSITIVETHREE = true;
  std::int32_t N = 3;
  for (std::int32_t P = 1; P <= B.L; ++P) {
    const std::int32_t LETTER = B.V[P];
    POSITIVETHREE = POSITIVETHREE && (LETTER == 1 || LETTER == 2);
    N = std::max(N, (LETTER > 0 ? LETTER : -LETTER) + 1);
  }
  if (POSITIVETHREE) {
    // A positive word has the length of every positive word of its braid,
    // and no entry is longer than MAXLENGTHINBRAIDLIST letters.
    if (B.L > MAXLENGTHINBRAIDLIST) {
      return -1;
    }
    POS3 X = POS3ONE();
    for (std::int32_t P = 1; P <= B.L; ++P) {
      POS3MULT(X, B.V[P] - 1);
    }
    const auto IT = IDX.RANKOFKEY.find(POS3KEY(X));
    return IT == IDX.RANKOFKEY.end() ? -1 : IT->second;
  }
  // Equal braids have equal Burau images, and an entry's image is
  // block diag(3x3, I): every equivalent entry is among the candidates.
  const BURAUN IMAGE = BURAUNOFBRAID(B, N);
  if (!BURAUNISTHREESTRAND(IMAGE)) {
    return -1;
  }
  std::uint64_t BLOCK[9];
  BURAUNBLOCK3(IMAGE, BLOCK);
  const auto IT = IDX.RANKSOFBLOCK.find(BLOCK3HASH(BLOCK));
  if (IT == IDX.RANKSOFBLOCK.end()) {
    return -1;
  }
  for (std::int32_t P : IT->second) {
    BraidBasics::BRAID ENTRYBRAID;
    BraidBasics::BDEF(ENTRYBRAID, ENTRY(BRAIDLIST, P));
    if (handlereduction::BEQUIV(B, ENTRYBRAID)) {
      return P;
    }
  }
  return -1;
}

}  // namespace BraidConjugacy
