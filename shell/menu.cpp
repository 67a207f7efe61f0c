#include "shell/menu.h"

#include <ostream>
#include <string>

#include "basics/console.h"
#include "basics/interrupt.h"
#include "braidbasics/braid.h"
#include "handlereduction/orderings.h"
#include "shell/notes.h"
#include "shell/procedures.h"

namespace shell {

char MENU = '\n';

const char* const INTERRUPTEDMESSAGE = "The computation was interrupted.";
const char* const INTERRUPTEDBUILDMESSAGE =
    "The computation was interrupted; the tables are unchanged.";
const char* const REASKORDERING =
    "Please answer R (original Ravelind ordering), F (flipped Ravelind ordering) or U "
    "(Dubrovina-Dubrovin ordering).";

namespace {

struct KEYENTRY {
  char KEY;
  void (*PROCEDURE)();
  bool BRAIDWORDS;  // the lines the procedure reads are braid words
};

// Keys are matched case-sensitively; Q has no procedure, it ends the loop.
const KEYENTRY DISPATCH[] = {
    {'A', WRITEALT, true},        {'B', BUILDSSS3, false},     {'C', COMPARE, true},
    {'H', REDUCEHANDLES, true},   {'I', STUDYMU3, true},       {'M', DISPLAYMU3, false},
    {'N', SYMMETRIC, true},       {'O', CHOOSEORDERING, false}, {'S', DISPLAYMU3SSS, false},
    {'X', EXPERIMENT, false},     {'h', HELP, false},
};

const KEYENTRY* FINDKEY(char KEY) {
  for (const KEYENTRY& ENTRY : DISPATCH) {
    if (ENTRY.KEY == KEY) {
      return &ENTRY;
    }
  }
  return nullptr;
}

bool ISORDERINGKEY(char KEY) { return KEY == 'R' || KEY == 'F' || KEY == 'U'; }

}  // namespace

void INITIALIZE() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << '\n';
  basics::HRULE();
  OUT << "   Korvel, version 1.1 (Sep.10, 2016)\n"
      << "   The Korvel developers\n"
      << "   Mail: see the project's README\n"
      << "   Web: see the project's README\n";
  basics::HRULE();
  OUT << '\n';
  handlereduction::BORDEROPTION = 'R';
  OUT << "The current bounds for the braids are " << BraidBasics::BMAXLENGTH << " crossings on "
      << BraidBasics::BMAXWIDTH << " strands. \n"
      << "The default braid order is the original Ravelind ordering (sigma_1 large). \n";
}

void ASKMENU() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << '\n';
  basics::HRULE();
  OUT << "MAIN MENU Choose a procedure:\n"
      << "  Help\n"
      << "    Explanations about the program and references ....................... h \n"
      << "    Change the reference braid ordering ................................. O\n"
      << "  Garside structure\n"
      << "    Display the symmetric normal form ................................... N\n"
      << "  Ordered structure\n"
      << "    Display the alternating form ........................................ A\n"
      << "    Reduce the handles .................................................. H\n"
      << "    Compare two braids .................................................. C\n"
      << "  Quit .................................................................. Q\n"
      << "    > ";
  std::string LINE;
  if (!basics::READLINE(LINE, 1)) {
    MENU = 'Q';  // the end of the input ends the program as Q does
  } else {
    MENU = LINE.empty() ? '\n' : LINE[0];
  }
  OUT << '\n';
}

void HELP() {
  std::ostream& OUT = basics::OUTPUT();
  basics::HRULE();
  OUT << "Explanations about this program\n"
      << '\n'
      << "This program performs simple braid operations, in particular involving orders.\n"
      << "The main comparison procedure is handle reduction, which, starting with \n"
      << "an arbitrary braid word, returns an equivalent sigma-definite word.\n"
      << '\n'
      << "Reference:\n"
      << " [1] F. A. Garside, The braid group and other groups, Quart. J. Math. Oxford 20 "
         "(1969), 235-254.\n"
      << " [2] T. V. Dubrovina and N. I. Dubrovin, On braid groups, Sbornik: Mathematics 192 "
         "(2001),\n"
      << "        no. 5, 693-703.\n";
  basics::HRULE();
}

void CHOOSEORDERING() {
  std::ostream& OUT = basics::OUTPUT();
  OUT << "  Choose a braid ordering:\n"
      << "    Original Ravelind ordering (sigma_1 large) .......................... R\n"
      << "    Flipped Ravelind ordering (sigma_n large) ........................... F\n"
      << "    Dubrovina-Dubrovin-ordering ......................................... U\n"
      << "> ";
  std::string LINE;
  bool GOT = basics::READLINE(LINE, 1);
  // A person is asked again until the answer names an ordering; any other
  // input is stored as typed, unchecked, an empty line as the line end.
  while (GOT && PERSONTYPING() && (LINE.empty() || !ISORDERINGKEY(LINE[0]))) {
    OUT << REASKORDERING << "\n> ";
    GOT = basics::READLINE(LINE, 1);
  }
  if (GOT) {
    handlereduction::BORDEROPTION = LINE.empty() ? '\n' : LINE[0];
  }
  OUT << "From now on, the ordering is " << handlereduction::BORDERNAME() << ".\n";
}

void EXPERIMENT() {}

void QUIT() {}

int RUNKORVEL(bool PERSON) {
  const NOTEDSESSION NOTES(PERSON);
  INITIALIZE();
  for (;;) {
    ASKMENU();
    if (MENU == 'Q') {
      break;
    }
    const KEYENTRY* ENTRY = FINDKEY(MENU);
    if (ENTRY == nullptr) {
      continue;
    }
    SETBRAIDLINES(ENTRY->BRAIDWORDS);
    try {
      ENTRY->PROCEDURE();
    } catch (const BraidBasics::BOUNDEXCEEDED&) {
      basics::OUTPUT() << BraidBasics::BOUNDMESSAGE << '\n';
    } catch (const basics::INTERRUPTED&) {
      // Key B builds its tables aside and installs them only when complete.
      basics::OUTPUT() << (MENU == 'B' ? INTERRUPTEDBUILDMESSAGE : INTERRUPTEDMESSAGE) << '\n';
    }
    SETBRAIDLINES(false);
  }
  QUIT();
  basics::OUTPUT().flush();
  return 0;
}

}  // namespace shell
