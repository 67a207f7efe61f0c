// The three-strand study tables for Python: braid_table.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "bindings.h"
#include "braidarguments.h"
#include "braidconjugacy/studytable.h"

namespace korvelpython {

using namespace pybind11::literals;

void BINDSTUDY(py::module_& M) {
  // The row type, a named tuple, made once with the module.
  const py::object ROW = py::module_::import("collections")
                             .attr("namedtuple")("StudyRow",
                                                 py::make_tuple("rank", "word", "code", "sss", "mu3",
                                                                "mu3_conjugator", "mu3sss",
                                                                "mu3sss_conjugator"));
  ROW.attr("__module__") = "korvel";
  ROW.attr("__doc__") =
      "One braid of the three-strand study table: its rank, its alternating normal word, the "
      "run-length code of that word, the codes of its super summit set joined by ',', and the "
      "ranks of mu3 (the first braid of the table with the same super summit set), of a braid "
      "of the table conjugating mu3 to it, of the first member of its super summit set, and of "
      "one conjugating that member to it; rank 0 when the table holds none.";
  M.attr("StudyRow") = ROW;

  M.def(
      "braid_table",
      [ROW](std::int64_t BOUND, std::string_view ORDERING) {
        if (BOUND > BraidConjugacy::MAXSTUDYBOUND ||
            BOUND < std::numeric_limits<std::int32_t>::min()) {
          throw py::value_error(py::str("bound must be a whole number not above {}, not {}")
                                    .format(BraidConjugacy::MAXSTUDYBOUND, BOUND)
                                    .cast<std::string>());
        }
        // STUDYTABLEROWS leaves the program's ordering option as it was.
        const std::vector<BraidConjugacy::STUDYROW> ROWS = BraidConjugacy::STUDYTABLEROWS(
            static_cast<std::int32_t>(BOUND), ORDERINGLETTER(ORDERING));
        py::list TABLE;
        for (const BraidConjugacy::STUDYROW& R : ROWS) {
          TABLE.append(ROW(R.RANK, R.WORD, R.CODE, R.SSS, R.MU3, R.MU3CONJ, R.MU3SSS,
                           R.MU3SSSCONJ));
        }
        return TABLE;
      },
      "bound"_a, "ordering"_a = "R",
      R"(braid_table(bound, ordering='R') -> list[StudyRow]

The three-strand study tables of the console's unlisted key B.

Returns one StudyRow per positive braid of B_3 of length at most bound, in
increasing order for the ordering, with the ranks the console lists:
(rank, word, code, sss, mu3, mu3_conjugator, mu3sss, mu3sss_conjugator).
bound is a whole number the key accepts (at most MAX_STUDY_BOUND; 0 or less
gives the table of the trivial braid alone), otherwise ValueError. The
console's own tables and ordering option are left as they were.)");
  M.attr("MAX_STUDY_BOUND") = BraidConjugacy::MAXSTUDYBOUND;
}

}  // namespace korvelpython
