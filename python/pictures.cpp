// Pictures of braids for Python: SVG and TikZ text, and the Braid object
// that a Jupyter notebook shows as its SVG picture.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>

#include "bindings.h"
#include "braidarguments.h"
#include "braidbasics/braid.h"
#include "braidbasics/diagram.h"

namespace korvelpython {

using BraidBasics::BRAID;
using namespace pybind11::literals;

namespace {

// A braid argument with the letters it marks, 1-based and inclusive as the
// core counts them (0 and 0 when none).
struct MARKEDBRAID {
  BRAID B;
  std::int32_t FIRST;
  std::int32_t LAST;
};

// The braid WORD stands for, with the letters marked by MARK: None (nothing
// marked) or a pair (start, stop) of Python positions, 0 <= start <= stop <=
// number of letters, marking the letters start..stop-1 as word[start:stop]
// does (an empty stretch marks nothing). The positions count letters; blanks
// and "." are not letters.
MARKEDBRAID TOMARKEDBRAID(py::handle WORD, py::handle MARK) {
  MARKEDBRAID R;
  R.B = TOBRAID(WORD).B;
  R.FIRST = 0;
  R.LAST = 0;
  if (MARK.is_none()) {
    return R;
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
  const long long START = PAIR[0].cast<long long>();
  const long long STOP = PAIR[1].cast<long long>();
  if (START < 0 || STOP < START || STOP > R.B.L) {
    throw py::value_error(
        py::str("mark ({}, {}) is not a stretch of the {} letters of the word: "
                "0 <= start <= stop <= {} is needed")
            .format(START, STOP, R.B.L, R.B.L)
            .cast<std::string>());
  }
  if (START < STOP) {
    R.FIRST = static_cast<std::int32_t>(START) + 1;
    R.LAST = static_cast<std::int32_t>(STOP);
  }
  return R;
}

// A braid word with its marked stretch, kept as given and checked once.
struct PICTURE {
  py::object WORD;
  py::object MARK;
};

// The picture DIAGRAM draws of the braid WORD with the stretch MARK marked.
template <std::string (*DIAGRAM)(const BRAID&, std::int32_t, std::int32_t)>
std::string PICTUREOF(py::handle WORD, py::handle MARK) {
  const MARKEDBRAID R = TOMARKEDBRAID(WORD, MARK);
  return DIAGRAM(R.B, R.FIRST, R.LAST);
}

constexpr auto SVGOF = &PICTUREOF<BraidBasics::BSVGDIAGRAM>;
constexpr auto TIKZOF = &PICTUREOF<BraidBasics::BTIKZDIAGRAM>;

}  // namespace

void BINDPICTURES(py::module_& M) {
  M.def("svg", SVGOF, "b"_a, "mark"_a = py::none(),
        R"(svg(b, mark=None) -> str

The picture of the braid word b as an SVG document (a str).

Strands are numbered 1..n from the top and the word is read from left to
right, one column per letter; sigma_i lets the strand at position i pass over
the one at position i+1. mark=(start, stop) puts a band behind the letters
start..stop-1, 0-based as in handle_reduction_steps, so that
svg(*step) draws a step of handle reduction with its handle.)");

  M.def("tikz", TIKZOF, "b"_a, "mark"_a = py::none(),
        R"(tikz(b, mark=None) -> str

The picture of the braid word b as a tikzpicture environment (a str)
for a LaTeX document that loads the tikz package; the same picture and the
same mark as svg.)");

  py::class_<PICTURE>(M, "Braid", R"(Braid(b, mark=None)

A braid word to look at: in a Jupyter notebook it shows as its picture.

Braid(b, mark=None) keeps the word b (a str or a Tietze sequence) and the
optional marked stretch (start, stop), checked as svg checks them. Its
_repr_svg_() is svg(b, mark), so that, for instance,
[Braid(word, handle) for word, handle in handle_reduction_steps('abA')]
shows each step of handle reduction with its handle.)")
      .def(py::init([](py::object WORD, py::object MARK) {
             TOMARKEDBRAID(WORD, MARK);
             return PICTURE{std::move(WORD), std::move(MARK)};
           }),
           "b"_a, "mark"_a = py::none())
      .def_readonly("word", &PICTURE::WORD, "The braid word as it was given.")
      .def_readonly("mark", &PICTURE::MARK, "The marked stretch (start, stop), or None.")
      .def(
          "_repr_svg_", [](const PICTURE& P) { return SVGOF(P.WORD, P.MARK); },
          "_repr_svg_() -> str\n\nThe SVG picture, for Jupyter.")
      .def(
          "tikz", [](const PICTURE& P) { return TIKZOF(P.WORD, P.MARK); },
          "tikz() -> str\n\nThe TikZ picture.")
      .def("__repr__", [](const PICTURE& P) {
        if (P.MARK.is_none()) {
          return py::str("korvel.Braid({!r})").format(P.WORD);
        }
        return py::str("korvel.Braid({!r}, mark={!r})").format(P.WORD, P.MARK);
      });
}

}  // namespace korvelpython
