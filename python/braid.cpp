// korvel.Braid: a braid as a Python value over korvel::Braid.
#include <pybind11/eval.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "pictures.h"

namespace korvelpython {

using namespace pybind11::literals;

namespace {

// Words of at least this many letters are copied without the interpreter
// lock; shorter ones cost less than taking it back.
constexpr std::size_t LONGWORD = std::size_t{1} << 16;

// The most letters a word may have: korvel::Braid counts them in 31 bits.
constexpr long long MAXLETTERS = std::numeric_limits<std::int32_t>::max();

const BRAIDOBJECT& BRAIDOF(py::handle OBJ) { return OBJ.cast<const BRAIDOBJECT&>(); }

py::object NEWBRAID(korvel::Braid B) {
  return py::cast(BRAIDOBJECT{std::move(B), std::nullopt, std::nullopt});
}

// A binary operator as Python calls it: FN(a, b) when the other operand is a
// Braid too, NotImplemented otherwise, so that Python tries the other side.
template <class FN>
auto WITHOTHER(FN OP) {
  return [OP](const BRAIDOBJECT& X, py::handle OTHER) -> py::object {
    if (!py::isinstance<BRAIDOBJECT>(OTHER)) {
      return py::reinterpret_borrow<py::object>(Py_NotImplemented);
    }
    return OP(X.B, BRAIDOF(OTHER).B);
  };
}

// OP(A) for a word operation, without the lock for long words.
template <class OPERATION>
korvel::Braid WORDOPERATION(std::size_t LETTERS, OPERATION&& OP) {
  if (LETTERS < LONGWORD) {
    return OP();
  }
  const py::gil_scoped_release UNLOCKED;
  return OP();
}

py::object INVERSE(const BRAIDOBJECT& X) {
  const korvel::Braid& B = X.B;
  return NEWBRAID(WORDOPERATION(B.length(), [&B] { return B.inverse(); }));
}

// The braid word of B read back by Python: a str when it has letters, the
// Tietze list otherwise.
py::object WORDLITERAL(const korvel::Braid& B) {
  if (HASLETTERS(B)) {
    return py::str(B.letters());
  }
  return py::list(TIETZEOF(B));
}

std::string REPROF(const BRAIDOBJECT& X) {
  std::string S = "korvel.Braid(" + py::repr(WORDLITERAL(X.B)).cast<std::string>();
  if (X.B.strands() != NEEDEDSTRANDS(X.B)) {
    S += ", strands=" + std::to_string(X.B.strands());
  }
  if (X.MARK) {
    S += ", mark=(" + std::to_string(X.MARK->first) + ", " + std::to_string(X.MARK->second) + ")";
  }
  return S + ")";
}

// The word as LaTeX, as SageMath writes braids, with each run of one letter
// as its power: aaaB is \sigma_{1}^{3} \sigma_{2}^{-1}. A run is of one
// letter, not one generator, so aA stays \sigma_{1} \sigma_{1}^{-1}: the
// text is the word, never a reduced form of it. The trivial braid is 1.
std::string LATEXOF(const korvel::Braid& B) {
  if (B.empty()) {
    return "1";
  }
  const std::vector<std::int16_t>& WORD = B.word();
  std::string S;
  for (std::size_t R = 0; R < WORD.size();) {
    const std::int16_t X = WORD[R];
    std::size_t RUN = 1;
    while (R + RUN < WORD.size() && WORD[R + RUN] == X) {
      ++RUN;
    }
    if (!S.empty()) {
      S += ' ';
    }
    S += "\\sigma_{" + std::to_string(X < 0 ? -X : X) + "}";
    if (X < 0 || RUN > 1) {
      S += "^{" + std::string(X < 0 ? "-" : "") + std::to_string(RUN) + "}";
    }
    R += RUN;
  }
  return S;
}

// A Braid pickles as korvel._braid(strands, letters, mark), the letters as
// 16-bit little-endian bytes: a module-level function, which every pickle
// protocol finds by name, and a compact state for long words.
py::tuple REDUCEOF(const BRAIDOBJECT& X) {
  const std::vector<std::int16_t>& WORD = X.B.word();
  std::string BYTES(2 * WORD.size(), '\0');
  for (std::size_t R = 0; R < WORD.size(); ++R) {
    const auto U = static_cast<std::uint16_t>(WORD[R]);
    BYTES[2 * R] = static_cast<char>(U & 0xFF);
    BYTES[2 * R + 1] = static_cast<char>(U >> 8);
  }
  const py::object MARK =
      X.MARK ? py::object(py::make_tuple(X.MARK->first, X.MARK->second)) : py::object(py::none());
  return py::make_tuple(py::module_::import("korvel").attr("_braid"),
                        py::make_tuple(X.B.strands(), py::bytes(BYTES), MARK));
}

BRAIDOBJECT FROMSTATE(py::handle STRANDS, py::handle LETTERS, py::handle MARK) {
  if (!py::isinstance<py::bytes>(LETTERS)) {
    throw py::value_error("not the pickled state of a korvel.Braid");
  }
  const std::string BYTES = LETTERS.cast<std::string>();
  if (BYTES.size() % 2 != 0) {
    throw py::value_error("not the pickled state of a korvel.Braid");
  }
  std::vector<std::int16_t> WORD(BYTES.size() / 2);
  for (std::size_t R = 0; R < WORD.size(); ++R) {
    const auto U = static_cast<std::uint16_t>(static_cast<unsigned char>(BYTES[2 * R]) |
                                              (static_cast<unsigned char>(BYTES[2 * R + 1]) << 8));
    const auto X = static_cast<std::int16_t>(U);
    if (X == 0 || X > MAXINDEX || X < -MAXINDEX) {
      throw py::value_error("not the pickled state of a korvel.Braid");
    }
    WORD[R] = X;
  }
  const int N = STRANDSARGUMENT(STRANDS);
  BRAIDOBJECT X{WITHSTRANDS(korvel::Braid(std::move(WORD)), N), std::nullopt, std::nullopt};
  X.MARK = MARKARGUMENT(MARK, X.B.length());
  return X;
}

std::size_t HASHOF(const BRAIDOBJECT& X) {
  if (!X.HASH) {
    const korvel::Braid& B = X.B;
    std::size_t H = 0;
    {
      const py::gil_scoped_release UNLOCKED;
      H = B.hash();
    }
    X.HASH = H;
  }
  return *X.HASH;
}

// b ** k: the power, checked against the longest word a Braid may hold. The
// exponent is an int of any size, or anything with __index__ (a numpy or
// SageMath integer); True and False are 1 and 0, as for every power in
// Python. A braid power has no modulus.
py::object POWER(const BRAIDOBJECT& X, py::handle EXPONENT, py::handle MODULUS) {
  if (!MODULUS.is_none()) {
    throw py::type_error("pow() of a braid takes no modulus");
  }
  if (!PyIndex_Check(EXPONENT.ptr())) {
    throw py::type_error(py::str("the exponent of a braid power must be an integer, not {}")
                             .format(py::type::handle_of(EXPONENT).attr("__name__"))
                             .cast<std::string>());
  }
  const py::object K = py::reinterpret_steal<py::object>(PyNumber_Index(EXPONENT.ptr()));
  if (!K) {
    throw py::error_already_set();
  }
  const korvel::Braid& B = X.B;
  if (B.empty()) {
    return NEWBRAID(B);
  }
  int OVERFLOW = 0;
  const long long E = PyLong_AsLongLongAndOverflow(K.ptr(), &OVERFLOW);
  const long long MOST = MAXLETTERS / static_cast<long long>(B.length());
  if (OVERFLOW != 0 || E > MOST || E < -MOST) {
    throw py::value_error(
        py::str("b ** {} would have more letters than a braid word may hold (2**31 - 1)")
            .format(K)
            .cast<std::string>());
  }
  const std::size_t LETTERS = B.length() * static_cast<std::size_t>(E < 0 ? -E : E);
  return NEWBRAID(WORDOPERATION(LETTERS, [&B, E] { return B.pow(E); }));
}

}  // namespace

BRAIDCLASS BINDBRAID(py::module_& M) {
  // The type of b.strands: an int that answers its own value when called, so
  // that b.strands and SageMath's b.strands() both give the strand count. It
  // pickles, copies and computes as the plain int.
  py::exec(R"(
class _StrandCount(int):
    """A strand count: an int, which b.strands() gives back as a plain int."""
    __slots__ = ()

    def __call__(self):
        return int(self)

    def __reduce__(self):
        return (int, (int(self),))
)",
           M.attr("__dict__"));
  const py::object STRANDCOUNT = M.attr("_StrandCount");
  BRAIDCLASS CLASS(M, "Braid", R"(Braid(b=(), strands=None, *, mark=None)

A braid: an element of the braid group on its number of strands, held as a
word in the Artin generators.

b is a str of letters ('a'..'z' for sigma_1..sigma_26, 'A'..'Z' for their
inverses), a sequence of non-zero ints in the Tietze convention (i for
sigma_i, -i for its inverse, 1 <= |i| <= 32766), another Braid, or any
object with a Tietze() method, such as a SageMath braid, whose strand count
comes from its strands() or parent().strands(). strands is the number of
strands, up to 32767: by default the braid's own, or one more than the
largest index; it may be more than the braid has, never fewer (ValueError).
b.strands is an int, which may also be called as SageMath's b.strands() is;
b.Tietze() is b.tietze().

Braids are values: a * b is the product (the word of a, then that of b), ~b
and b.inverse() the inverse, b ** k the k-th power for any integer k
(TypeError for any other exponent). a == b when a and b are the same braid,
whatever their words (a braid on fewer strands is the same as its image on
more), and hash(a) == hash(b) then; <, <=, >, >= compare in the R-ordering,
in which sigma_1 is large. These are exact computations (see compare), run
without the interpreter lock and abandoned by Ctrl-C. A Braid pickles
(strand count and word), so it travels to threads, processes and Dask
workers.

The operators take Braids only. A Braid is never equal to a str, a Tietze
list or any other object (== is False, != is True), and < with one is a
TypeError: a Braid equal to the str 'a' would need the str's hash, which
no braid can have for every spelling ('a' and 'aAa' are one braid), and
sets and dicts rely on equal objects having equal hashes. Compare with
korvel.equivalent(b, 'a'), or with b == Braid('a').

Each method named like a module function is that function with the braid
as its first argument; words come back as Braids on b.strands strands.

mark=(start, stop) marks the letters start..stop-1 in the picture that
Jupyter shows (_repr_svg_), as korvel.svg does; nothing else reads it. So
[Braid(word, mark=handle) for word, handle in handle_reduction_steps('abA')]
shows each step of handle reduction with its handle.)");

  CLASS
      .def(py::init([](py::handle B, py::handle STRANDS, py::handle MARK) {
             BRAIDARGUMENT A = TOBRAID(B);
             const int N = STRANDSARGUMENT(STRANDS);
             // A braid that has its own strand count (a Braid, a SageMath
             // braid) keeps it or gains strands, as korvel::Braid's
             // with_strands does: dropping strands would change its group.
             if (N != 0 && N < A.B.strands() && N >= NEEDEDSTRANDS(A.B)) {
               throw py::value_error(py::str("strands is {}, but the braid has {} strands; a "
                                             "braid may be taken on more strands, never fewer")
                                         .format(N, A.B.strands())
                                         .cast<std::string>());
             }
             BRAIDOBJECT X{WITHSTRANDS(A.B, N), std::nullopt, std::nullopt};
             X.MARK = MARKARGUMENT(MARK, X.B.length());
             return X;
           }),
           "b"_a = py::tuple(), "strands"_a = py::none(), py::kw_only(), "mark"_a = py::none())
      .def_static(
          "generator",
          [](int I, py::handle STRANDS) {
            if (I == 0 || I > MAXINDEX || I < -MAXINDEX) {
              throw py::value_error(py::str("a generator is sigma_i or its inverse, 1 <= |i| <= "
                                            "{}, not {}")
                                        .format(MAXINDEX, I)
                                        .cast<std::string>());
            }
            return NEWBRAID(WITHSTRANDS(korvel::Braid::generator(I), STRANDSARGUMENT(STRANDS)));
          },
          "i"_a, "strands"_a = py::none(),
          R"(generator(i, strands=None) -> Braid

sigma_i, or its inverse for negative i, on strands strands (by default
|i| + 1).)")
      .def_static(
          "delta",
          [](py::handle STRANDS) {
            const int N = STRANDSARGUMENT(STRANDS);
            return NEWBRAID(korvel::Braid::delta(N == 0 ? 1 : N));
          },
          "strands"_a,
          R"(delta(strands) -> Braid

The Garside element Delta on that many strands, the half twist:
strands * (strands - 1) / 2 letters.)")
      .def_property_readonly(
          "strands",
          [STRANDCOUNT](const BRAIDOBJECT& X) { return STRANDCOUNT(X.B.strands()); },
          "The number of strands: an int, which may also be called, b.strands() as in "
          "SageMath.")
      .def_property_readonly(
          "mark",
          [](const BRAIDOBJECT& X) -> py::object {
            if (!X.MARK) {
              return py::none();
            }
            return py::make_tuple(X.MARK->first, X.MARK->second);
          },
          "The stretch (start, stop) marked in the picture, or None.")
      .def("__len__", [](const BRAIDOBJECT& X) { return X.B.length(); })
      .def(
          "tietze", [](const BRAIDOBJECT& X) { return TIETZEOF(X.B); },
          R"(tietze() -> tuple[int, ...]

The word as a Tietze tuple: i for sigma_i, -i for its inverse. For SageMath,
BraidGroup(b.strands)(b.tietze()) is the same braid.)")
      .def(
          "Tietze", [](const BRAIDOBJECT& X) { return TIETZEOF(X.B); },
          R"(Tietze() -> tuple[int, ...]

The same as tietze(), spelled as SageMath spells it.)")
      .def("__str__",
           [](const BRAIDOBJECT& X) { return py::str(WORDLITERAL(X.B)); })
      .def("__repr__", &REPROF)
      .def(
          "_latex_", [](const BRAIDOBJECT& X) { return LATEXOF(X.B); },
          "_latex_() -> str\n\nThe word in LaTeX, as SageMath writes braids, each run of "
          "one letter as its power: aaaB is \\sigma_{1}^{3} \\sigma_{2}^{-1}.")
      .def("inverse", INVERSE,
           "inverse() -> Braid\n\nThe inverse braid, ~b: the word reversed, each letter inverted.")
      .def("__invert__", INVERSE)
      .def("__mul__", WITHOTHER([](const korvel::Braid& A, const korvel::Braid& B) -> py::object {
             if (A.length() + B.length() > static_cast<std::size_t>(MAXLETTERS)) {
               throw py::value_error(
                   "the product would have more letters than a braid word may hold (2**31 - 1)");
             }
             return NEWBRAID(
                 WORDOPERATION(A.length() + B.length(), [&A, &B] { return A * B; }));
           }))
      .def("__pow__", &POWER, "k"_a, "modulus"_a = py::none())
      .def("__eq__", WITHOTHER([](const korvel::Braid& A, const korvel::Braid& B) -> py::object {
             return py::bool_(COMPUTE(std::nullopt, [&A, &B](const korvel::Limits& L) {
               return korvel::equal(A, B, korvel::Method::Automatic, L);
             }));
           }))
      .def("__hash__", &HASHOF)
      .def("__reduce__", &REDUCEOF)
      .def_static("_from_state", &FROMSTATE);

  // The R-ordering: each operator is one comparison.
  const auto ORDER = [](auto TEST) {
    return WITHOTHER([TEST](const korvel::Braid& A, const korvel::Braid& B) -> py::object {
      return py::bool_(TEST(COMPUTE(std::nullopt, [&A, &B](const korvel::Limits& L) {
        return korvel::compare(A, B, korvel::Ordering::R, korvel::Method::Automatic, L);
      })));
    });
  };
  CLASS.def("__lt__", ORDER([](int C) { return C < 0; }))
      .def("__le__", ORDER([](int C) { return C <= 0; }))
      .def("__gt__", ORDER([](int C) { return C > 0; }))
      .def("__ge__", ORDER([](int C) { return C >= 0; }));
  // The function pickles name to rebuild a Braid: a Python function, so that
  // it is found by name as korvel._braid.
  py::exec(R"(
def _braid(strands, letters, mark):
    """Rebuilds a pickled korvel.Braid."""
    return Braid._from_state(strands, letters, mark)
)",
           M.attr("__dict__"));
  return CLASS;
}

}  // namespace korvelpython
