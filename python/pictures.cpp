// Pictures of braids for Python: SVG and TikZ text, and the picture a
// Jupyter notebook shows for a korvel.Braid.
#include "pictures.h"

#include <cstdint>
#include <string>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/braid.h"
#include "braidbasics/diagram.h"
#include "korvel/detail/records.h"

namespace korvelpython {

using namespace pybind11::literals;

namespace {

// The picture DIAGRAM draws of B with MARK marked: the core counts the
// marked letters from 1, both ends included, and 0 and 0 mark none.
template <std::string (*DIAGRAM)(const BraidBasics::BRAID&, std::int32_t, std::int32_t)>
std::string PICTUREOF(const korvel::Braid& B, const MARKEDSTRETCH& MARK) {
  const BraidBasics::BRAID R = korvel::detail::record(B);
  if (MARK && MARK->first < MARK->second) {
    return DIAGRAM(R, static_cast<std::int32_t>(MARK->first) + 1,
                   static_cast<std::int32_t>(MARK->second));
  }
  return DIAGRAM(R, 0, 0);
}

template <std::string (*DIAGRAM)(const BraidBasics::BRAID&, std::int32_t, std::int32_t)>
std::string PICTUREOFARGUMENT(py::handle WORD, py::handle MARK) {
  const BRAIDARGUMENT A = TOBRAID(WORD);
  return PICTUREOF<DIAGRAM>(A.B, MARKARGUMENT(MARK, A.B.length()));
}

}  // namespace

MARKEDSTRETCH MARKARGUMENT(py::handle MARK, std::size_t LETTERS) {
  if (MARK.is_none()) {
    return std::nullopt;
  }
  if (!py::isinstance<py::sequence>(MARK) || py::isinstance<py::str>(MARK) ||
      py::len(MARK) != 2) {
    throw py::type_error("mark must be None or a pair (start, stop) of ints");
  }
  const py::sequence PAIR = py::reinterpret_borrow<py::sequence>(MARK);
  for (const py::handle END : PAIR) {
    if (PyBool_Check(END.ptr()) || !PyIndex_Check(END.ptr())) {
      throw py::type_error("mark must be None or a pair (start, stop) of ints");
    }
  }
  const py::int_ START = py::reinterpret_steal<py::int_>(PyNumber_Index(PAIR[0].ptr()));
  const py::int_ STOP = py::reinterpret_steal<py::int_>(PyNumber_Index(PAIR[1].ptr()));
  const py::int_ END(LETTERS);
  const py::int_ ZERO(0);
  if (START < ZERO || STOP < START || END < STOP) {
    throw py::value_error(
        py::str("mark ({}, {}) is not a stretch of the {} letters of the word: "
                "0 <= start <= stop <= {} is needed")
            .format(START, STOP, LETTERS, LETTERS)
            .cast<std::string>());
  }
  return std::make_pair(START.cast<long long>(), STOP.cast<long long>());
}

std::string SVGPICTURE(const korvel::Braid& B, const MARKEDSTRETCH& MARK) {
  return PICTUREOF<BraidBasics::BSVGDIAGRAM>(B, MARK);
}

std::string TIKZPICTURE(const korvel::Braid& B, const MARKEDSTRETCH& MARK) {
  return PICTUREOF<BraidBasics::BTIKZDIAGRAM>(B, MARK);
}

void BINDPICTURES(py::module_& M, BRAIDCLASS& CLASS) {
  M.def("svg", &PICTUREOFARGUMENT<BraidBasics::BSVGDIAGRAM>, "b"_a, "mark"_a = py::none(),
        R"(svg(b, mark=None) -> str

The picture of the braid b as an SVG document (a str).

Strands are numbered 1..n from the top and the word is read from left to
right, one column per letter; sigma_i lets the strand at position i pass over
the one at position i+1. mark=(start, stop) puts a band behind the letters
start..stop-1, 0-based as in handle_reduction_steps, so that
svg(*step) draws a step of handle reduction with its handle.)");

  M.def("tikz", &PICTUREOFARGUMENT<BraidBasics::BTIKZDIAGRAM>, "b"_a, "mark"_a = py::none(),
        R"(tikz(b, mark=None) -> str

The picture of the braid b as a tikzpicture environment (a str)
for a LaTeX document that loads the tikz package; the same picture and the
same mark as svg.)");

  CLASS
      .def(
          "svg", [](const BRAIDOBJECT& X) { return SVGPICTURE(X.B, X.MARK); },
          "svg() -> str\n\nThe picture as an SVG document, with the marked stretch.")
      .def(
          "_repr_svg_",
          [](const BRAIDOBJECT& X) -> py::object {
            // A picture of more than the console's sizes is too big to show.
            if (X.B.length() > static_cast<std::size_t>(BraidBasics::BMAXLENGTH) ||
                X.B.strands() > BraidBasics::BMAXWIDTH) {
              return py::none();
            }
            return py::str(SVGPICTURE(X.B, X.MARK));
          },
          "_repr_svg_() -> str | None\n\nThe SVG picture, for Jupyter; None (so that Jupyter "
          "shows the repr) past MAX_LENGTH letters or MAX_STRANDS strands.")
      .def(
          "tikz", [](const BRAIDOBJECT& X) { return TIKZPICTURE(X.B, X.MARK); },
          "tikz() -> str\n\nThe picture as a tikzpicture environment, with the marked "
          "stretch.");
}

}  // namespace korvelpython
