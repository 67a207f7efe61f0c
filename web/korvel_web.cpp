// The WebAssembly face of Korvel: the shell's own main loop, run either on a
// whole input text at once or one line at a time for the page, and the braid
// pictures. Everything here only moves bytes between JavaScript and the
// shell and core; no answer is computed a second way.
//
// A page cannot block while it waits for the user, but the shell reads its
// input deep inside the menu procedures. The line reader below therefore
// suspends the whole WebAssembly call stack (Asyncify) while JavaScript waits
// for the next line, and resumes it exactly where it stopped; only the
// functions on that reading path are instrumented, so the computations run at
// full speed.
#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

#include "basics/console.h"
#include "braidbasics/braid.h"
#include "braidbasics/diagram.h"
#include "braidbasics/operations.h"
#include "braidbasics/words.h"
#include "shell/menu.h"
#include "shell/symmetric.h"

namespace {

// The text handed back by the last exported call that returns text; valid
// until the next such call.
std::string RESULT;

const char* GIVE(std::string TEXT) {
  RESULT = std::move(TEXT);
  return RESULT.c_str();
}

// Hands what the session printed since the last read to the page and waits
// for the next line. Returns a malloc'd block: a 32-bit length, then the
// bytes of the line with its line end; null at the end of the input.
EM_ASYNC_JS(char*, KORVELAWAITLINE, (const char* PRINTED, int LENGTH), {
  const line = await Module.korvelAwaitLine(HEAPU8.slice(PRINTED, PRINTED + LENGTH));
  if (line === null) {
    return 0;
  }
  const block = _malloc(line.length + 4);
  HEAP32[block >> 2] = line.length;
  HEAPU8.set(line, block + 4);
  return block;
});

// Hands the last output of a session, printed after its last read, to the page.
EM_JS(void, KORVELSESSIONENDED, (const char* PRINTED, int LENGTH), {
  Module.korvelSessionEnded(HEAPU8.slice(PRINTED, PRINTED + LENGTH));
});

// An input stream whose characters are the lines the page sends, fetched one
// line at a time when the shell has read everything before them. Fetching
// first hands over the output printed so far, so the page receives each
// answer up to and including the prompt that asks for the next line.
class PAGEINPUT : public std::streambuf {
 public:
  explicit PAGEINPUT(std::ostringstream& PRINTED) : PRINTED_(PRINTED) {}

 protected:
  int_type underflow() override {
    const std::string TEXT = PRINTED_.str();
    PRINTED_.str(std::string());
    char* BLOCK = KORVELAWAITLINE(TEXT.data(), static_cast<int>(TEXT.size()));
    if (BLOCK == nullptr) {
      return traits_type::eof();
    }
    std::int32_t LENGTH = 0;
    std::memcpy(&LENGTH, BLOCK, sizeof LENGTH);
    LINE_.assign(BLOCK + sizeof LENGTH, static_cast<std::size_t>(LENGTH));
    std::free(BLOCK);
    if (LINE_.empty()) {
      return traits_type::eof();
    }
    setg(LINE_.data(), LINE_.data(), LINE_.data() + LINE_.size());
    return traits_type::to_int_type(LINE_[0]);
  }

 private:
  std::ostringstream& PRINTED_;
  std::string LINE_;
};

}  // namespace

extern "C" {

// The whole output of one run of the program on the input bytes IN[0..LENGTH),
// exactly as the native program prints it for that standard input. The
// length of the text is KORVELRESULTLENGTH().
EMSCRIPTEN_KEEPALIVE const char* KORVELRUN(const char* IN, int LENGTH) {
  std::istringstream INPUT(std::string(IN, static_cast<std::size_t>(LENGTH)));
  std::ostringstream OUTPUT;
  basics::SETCONSOLE(INPUT, OUTPUT);
  shell::RUNKORVEL(false);
  basics::RESETCONSOLE();
  return GIVE(OUTPUT.str());
}

EMSCRIPTEN_KEEPALIVE int KORVELRESULTLENGTH() { return static_cast<int>(RESULT.size()); }

// One session of the program fed by the page line by line (see PAGEINPUT);
// it returns when the session ends, at Q or at the end of the input. PERSON
// nonzero says that a person types the lines, who is then told what was done
// with them (shell/notes.h); zero gives the bytes of KORVELRUN.
EMSCRIPTEN_KEEPALIVE void KORVELSESSION(int PERSON) {
  std::ostringstream OUTPUT;
  PAGEINPUT BUFFER(OUTPUT);
  std::istream INPUT(&BUFFER);
  basics::SETCONSOLE(INPUT, OUTPUT);
  shell::RUNKORVEL(PERSON != 0);
  basics::RESETCONSOLE();
  const std::string TEXT = OUTPUT.str();
  KORVELSESSIONENDED(TEXT.data(), static_cast<int>(TEXT.size()));
}

// The letters of the braid that the shell reads from the typed LINE: the
// line cut to the length the reader keeps, every character other than a
// letter dropped.
EMSCRIPTEN_KEEPALIVE const char* KORVELTYPEDWORD(const char* LINE) {
  std::string_view TEXT(LINE);
  TEXT = TEXT.substr(0, BraidBasics::BMAXLINE);
  BraidBasics::BRAID B;
  BraidBasics::BDEF(B, TEXT);  // 255 letters always fit
  return GIVE(BraidBasics::BWORD(B));
}

// The letters of the braid that a printed symmetric normal decomposition
// stands for, Delta on three strands written out where the text has "d" and
// "D" (see shell/symmetric.h). An empty result means the text is not such a
// decomposition.
EMSCRIPTEN_KEEPALIVE const char* KORVELSYMMETRICWORD(const char* PRINTED) {
  using namespace BraidBasics;
  shell::SYMMETRICPARTS PARTS{};
  if (!shell::SPLITSYMMETRICTEXT(PRINTED, PARTS)) {
    return GIVE("");
  }
  try {
    const BRAID DELTA = BDELTA(3);
    BRAID B = BONE();
    BRAID PART;
    BDEF(PART, PARTS.DENOMINATOR);
    BCONCAT(B, PART);
    for (std::int32_t R = 0; R < PARTS.INVERSEDELTAS; ++R) {
      BCONCAT(B, BINVERSED(DELTA));
    }
    for (std::int32_t R = 0; R < PARTS.DELTAS; ++R) {
      BCONCAT(B, DELTA);
    }
    BDEF(PART, PARTS.NUMERATOR);
    BCONCAT(B, PART);
    return GIVE(BWORD(B));
  } catch (const BOUNDEXCEEDED&) {
    return GIVE("");  // longer than a braid record holds: nothing to draw
  }
}

// The picture of the word WORD with the letters FIRST..LAST (1-based,
// inclusive; 0 for none) marked: SVG, or TikZ when TIKZ is nonzero; empty
// for a word of more than BMAXLENGTH letters.
EMSCRIPTEN_KEEPALIVE const char* KORVELPICTURE(const char* WORD, int FIRST, int LAST, int TIKZ) {
  try {
    BraidBasics::BRAID B;
    BraidBasics::BDEF(B, WORD);
    return GIVE(TIKZ != 0 ? BraidBasics::BTIKZDIAGRAM(B, FIRST, LAST)
                          : BraidBasics::BSVGDIAGRAM(B, FIRST, LAST));
  } catch (const BraidBasics::BOUNDEXCEEDED&) {
    return GIVE("");
  }
}
}  // extern "C"
