// The options --svg and --tikz of the korvel program, run as a user runs
// them: the built binary with its arguments, standard output and standard
// error caught in files, and the exit status.
#include "shell/pictures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "braidbasics/diagram.h"
#include "tests/support/braid_words.h"

extern char** environ;

namespace {

using korveltest::DEF;

struct ProgramRun {
  int STATUS = -1;  // the exit status, -1 when the program did not exit normally
  std::string OUT;
  std::string ERR;
};

std::string READ(const std::string& PATH) {
  std::ifstream IN(PATH, std::ios::binary);
  std::ostringstream TEXT;
  TEXT << IN.rdbuf();
  return TEXT.str();
}

// Runs korvel with ARGS, standard input from /dev/null, standard output to
// OUTPATH (a fresh file unless given).
ProgramRun KORVEL(const std::vector<std::string>& ARGS, const std::string& OUTPATH = "") {
  // Named by this process, as ctest runs tests side by side.
  const std::string STEM = ::testing::TempDir() + "korvel_pictures_" + std::to_string(getpid());
  const std::string OUTFILE = OUTPATH.empty() ? STEM + "_out" : OUTPATH;
  const std::string ERRFILE = STEM + "_err";
  posix_spawn_file_actions_t ACTIONS;
  posix_spawn_file_actions_init(&ACTIONS);
  posix_spawn_file_actions_addopen(&ACTIONS, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&ACTIONS, 1, OUTFILE.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&ACTIONS, 2, ERRFILE.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<char*> ARGV;
  std::string PROGRAM = KORVEL_BINARY;
  ARGV.push_back(PROGRAM.data());
  std::vector<std::string> COPIES = ARGS;
  for (std::string& A : COPIES) {
    ARGV.push_back(A.data());
  }
  ARGV.push_back(nullptr);
  ProgramRun RUN;
  pid_t PID;
  const int ERROR = posix_spawn(&PID, PROGRAM.c_str(), &ACTIONS, nullptr, ARGV.data(), environ);
  posix_spawn_file_actions_destroy(&ACTIONS);
  if (ERROR != 0) {
    return RUN;
  }
  int WAITSTATUS = 0;
  if (waitpid(PID, &WAITSTATUS, 0) == PID && WIFEXITED(WAITSTATUS)) {
    RUN.STATUS = WEXITSTATUS(WAITSTATUS);
  }
  if (OUTPATH.empty()) {
    RUN.OUT = READ(OUTFILE);
  }
  RUN.ERR = READ(ERRFILE);
  std::remove(ERRFILE.c_str());
  if (OUTPATH.empty()) {
    std::remove(OUTFILE.c_str());
  }
  return RUN;
}

// One line on standard error, nothing on standard output, status 2.
void EXPECTREFUSED(const ProgramRun& RUN, const std::string& PART) {
  EXPECT_EQ(RUN.STATUS, 2);
  EXPECT_EQ(RUN.OUT, "");
  ASSERT_FALSE(RUN.ERR.empty());
  EXPECT_EQ(RUN.ERR.find('\n'), RUN.ERR.size() - 1) << RUN.ERR;
  EXPECT_EQ(RUN.ERR.rfind("korvel: ", 0), 0U) << RUN.ERR;
  EXPECT_NE(RUN.ERR.find(PART), std::string::npos) << RUN.ERR;
}

TEST(PictureOptions, SvgWritesThePictureOfTheWord) {
  const ProgramRun RUN = KORVEL({"--svg", "abA"});
  EXPECT_EQ(RUN.STATUS, 0);
  EXPECT_EQ(RUN.ERR, "");
  EXPECT_EQ(RUN.OUT.rfind("<svg xmlns=", 0), 0U);
  EXPECT_NE(RUN.OUT.find("<title>Braid diagram of abA</title>"), std::string::npos);
  EXPECT_EQ(RUN.OUT, BraidBasics::BSVGDIAGRAM(DEF("abA")));
  // No banner, no menu: the session does not start.
  EXPECT_EQ(RUN.OUT.find("===="), std::string::npos);
}

TEST(PictureOptions, TikzAcceptsBlanksDotsAndSeveralArguments) {
  const std::string EXPECTED = BraidBasics::BTIKZDIAGRAM(DEF("abAc"));
  for (const std::vector<std::string>& ARGS :
       {std::vector<std::string>{"--tikz", "ab Ac"}, {"--tikz", "ab", "Ac"},
        {"--tikz", "ab.\tA.c."}}) {
    SCOPED_TRACE(ARGS[1]);
    const ProgramRun RUN = KORVEL(ARGS);
    EXPECT_EQ(RUN.STATUS, 0);
    EXPECT_EQ(RUN.ERR, "");
    EXPECT_EQ(RUN.OUT, EXPECTED);
  }
  EXPECT_EQ(EXPECTED.rfind("% Braid diagram of abAc.", 0), 0U);
}

TEST(PictureOptions, TheEmptyWordDrawsOneStrand) {
  const ProgramRun RUN = KORVEL({"--svg", ""});
  EXPECT_EQ(RUN.STATUS, 0);
  EXPECT_NE(RUN.OUT.find("Braid diagram of the empty word"), std::string::npos);
  EXPECT_NE(RUN.OUT.find("class=\"strand\""), std::string::npos);
}

TEST(PictureOptions, WordsWithOtherCharactersAreRefused) {
  EXPECTREFUSED(KORVEL({"--svg", "ab3A"}), "\"3\"");
  EXPECTREFUSED(KORVEL({"--tikz", "ab-A"}), "--tikz");
  EXPECTREFUSED(KORVEL({"--svg", "ab\nA"}), "the byte 0x0A");
  // A character typed in UTF-8 is named whole; a byte that begins none, alone.
  EXPECTREFUSED(KORVEL({"--svg", "ab\xC3\xA9"}), "not \"\xC3\xA9\"");
  EXPECTREFUSED(KORVEL({"--svg", "ab\xC3"}), "the byte 0xC3");
  EXPECTREFUSED(KORVEL({"--svg"}), "needs a braid word");
}

// The text of key N writes Delta on three strands as "D" and its inverse as
// "d", which are not the letters sigma_4^-1 and sigma_4 there: such a text
// is refused, and the refusal says how to write it. Without Delta the text
// is the braid's word with dots, and drawn as such.
TEST(PictureOptions, ANormalFormHoldingDeltaIsRefusedAndSaysWhy) {
  for (const char* TEXT : {"...D..b", "..d...", "A.A..d.D..b"}) {
    SCOPED_TRACE(TEXT);
    const ProgramRun RUN = KORVEL({"--tikz", TEXT});
    EXPECTREFUSED(RUN, "\"D\" and \"d\"");
    EXPECT_NE(RUN.ERR.find("Delta on three strands"), std::string::npos) << RUN.ERR;
    EXPECT_NE(RUN.ERR.find("aba and ABA"), std::string::npos) << RUN.ERR;
  }
  // AAb, and eD on six strands, where D and d are letters of the factors.
  for (const auto& [TEXT, WORD] : {std::pair{"A.A.....b", "AAb"}, {"DE.....de", "DEde"}}) {
    SCOPED_TRACE(TEXT);
    const ProgramRun RUN = KORVEL({"--svg", TEXT});
    EXPECT_EQ(RUN.STATUS, 0);
    EXPECT_EQ(RUN.ERR, "");
    EXPECT_EQ(RUN.OUT, BraidBasics::BSVGDIAGRAM(DEF(WORD)));
  }
}

TEST(PictureOptions, AtMost2000Letters) {
  const std::string W2000(2000, 'a');
  const ProgramRun LONGEST = KORVEL({"--svg", W2000 + " . "});
  EXPECT_EQ(LONGEST.STATUS, 0);
  EXPECT_EQ(LONGEST.ERR, "");
  EXPECT_NE(LONGEST.OUT.find("a word of 2000 letters"), std::string::npos);
  EXPECTREFUSED(KORVEL({"--svg", W2000 + "b"}), "2001 letters");
}

TEST(PictureOptions, AFailedWriteIsNotASuccess) {
  if (access("/dev/full", W_OK) != 0) {
    GTEST_SKIP() << "no /dev/full on this machine";
  }
  const ProgramRun RUN = KORVEL({"--svg", "abA"}, "/dev/full");
  EXPECT_EQ(RUN.STATUS, 1);
  EXPECT_NE(RUN.ERR.find("could not be written"), std::string::npos) << RUN.ERR;
}

// The TikZ text is only right if LaTeX takes it: typeset two pictures, one
// with a band, where pdflatex is installed (Debian: texlive-latex-base,
// texlive-pictures).
TEST(PictureOptions, LatexTypesetsTheTikzPictures) {
  if (std::system("command -v pdflatex > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "pdflatex is not installed";
  }
  const std::string DIR = ::testing::TempDir() + "korvel_tikz_" + std::to_string(getpid());
  ASSERT_EQ(std::system(("mkdir -p '" + DIR + "'").c_str()), 0);
  const ProgramRun RUN = KORVEL({"--tikz", "abAcBBacdEzZ"});
  ASSERT_EQ(RUN.STATUS, 0);
  std::ofstream(DIR + "/word.tex") << RUN.OUT;
  std::ofstream(DIR + "/band.tex") << BraidBasics::BTIKZDIAGRAM(DEF("aBcA"), 2, 3);
  std::ofstream(DIR + "/doc.tex") << "\\documentclass{article}\n\\usepackage{tikz}\n"
                                     "\\begin{document}\n\\input{word.tex}\n\n\\input{band.tex}\n"
                                     "\\end{document}\n";
  const int STATUS = std::system(("cd '" + DIR +
                                  "' && pdflatex -interaction=nonstopmode -halt-on-error doc.tex"
                                  " > /dev/null 2>&1")
                                     .c_str());
  EXPECT_EQ(STATUS, 0) << "see " << DIR << "/doc.log";
  const std::string LOG = READ(DIR + "/doc.log");
  EXPECT_NE(LOG.find("Output written on doc.pdf ("), std::string::npos);
  EXPECT_EQ(LOG.find("Undefined color"), std::string::npos);
  if (STATUS == 0) {
    std::system(("rm -rf '" + DIR + "'").c_str());
  }
}

}  // namespace
