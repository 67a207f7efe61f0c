// Pictures of braids for Python: the marked stretch of a picture, and the SVG
// and TikZ pictures of a korvel::Braid.
#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "korvel/braid.h"

namespace korvelpython {

namespace py = pybind11;

// A stretch of letters (start, stop) in Python's positions: the letters
// start..stop-1, as word[start:stop] has them.
using MARKEDSTRETCH = std::optional<std::pair<long long, long long>>;

// The stretch MARK names in a word of LETTERS letters: none for None,
// otherwise a pair of ints with 0 <= start <= stop <= LETTERS (ValueError
// otherwise; TypeError for anything but None or a pair of ints). An empty
// stretch is kept as given and marks nothing.
MARKEDSTRETCH MARKARGUMENT(py::handle MARK, std::size_t LETTERS);

// The picture of B with the stretch MARK marked, as an SVG document or as a
// tikzpicture environment.
std::string SVGPICTURE(const korvel::Braid& B, const MARKEDSTRETCH& MARK);
std::string TIKZPICTURE(const korvel::Braid& B, const MARKEDSTRETCH& MARK);

}  // namespace korvelpython
