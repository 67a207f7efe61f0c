#include "braidarguments.h"

#include <cstdint>
#include <string>

#include "braidbasics/words.h"
#include "handlereduction/orderings.h"

namespace korvelpython {

using BraidBasics::BRAID;

namespace {

// Largest Tietze index: a braid has at most BMAXWIDTH strands.
constexpr long MAXINDEX = BraidBasics::BMAXWIDTH - 1;

bool ISLETTER(Py_UCS4 C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }

// Characters a str may hold besides letters, the blanks (space, tab) and
// "." (which stands between the factors of a normal-form text); they are
// skipped, as by the program's --svg option.
bool ISIGNORED(Py_UCS4 C) { return C == ' ' || C == '\t' || C == '.'; }

void TEXTTOBRAID(py::handle OBJ, BRAID& B) {
  PyObject* const S = OBJ.ptr();
  const Py_ssize_t N = PyUnicode_GET_LENGTH(S);
  const int KIND = PyUnicode_KIND(S);
  const void* const DATA = PyUnicode_DATA(S);
  for (Py_ssize_t K = 0; K < N; ++K) {
    const Py_UCS4 C = PyUnicode_READ(KIND, DATA, K);
    if (!ISLETTER(C) && !ISIGNORED(C)) {
      throw py::value_error(
          py::str("{!r} at position {} is not a braid letter: a braid is written with a..z "
                  "(sigma_1..sigma_26) and A..Z (their inverses); blanks and '.' are ignored")
              .format(OBJ[py::int_(K)], K)
              .cast<std::string>());
    }
  }
  // All ASCII now, so the UTF-8 text is the characters themselves.
  Py_ssize_t SIZE = 0;
  const char* const TEXT = PyUnicode_AsUTF8AndSize(S, &SIZE);
  if (TEXT == nullptr) {
    throw py::error_already_set();
  }
  BraidBasics::BDEF(B, std::string_view(TEXT, static_cast<std::size_t>(SIZE)));
}

// The value of one Tietze letter: an int (bool excluded) or any object with
// __index__ (numpy and SageMath integers).
long TIETZELETTER(PyObject* ITEM, Py_ssize_t K) {
  if (PyBool_Check(ITEM) || !(PyLong_Check(ITEM) || PyIndex_Check(ITEM))) {
    throw py::type_error(py::str("item {} of a Tietze sequence is {!r}; its letters are ints")
                             .format(K, py::handle(ITEM))
                             .cast<std::string>());
  }
  const py::object VALUE = py::reinterpret_steal<py::object>(PyNumber_Index(ITEM));
  if (!VALUE) {
    throw py::error_already_set();
  }
  int OVERFLOW = 0;
  const long X = PyLong_AsLongAndOverflow(VALUE.ptr(), &OVERFLOW);
  if (OVERFLOW == 0 && X != 0 && X >= -MAXINDEX && X <= MAXINDEX) {
    return X;
  }
  throw py::value_error(
      py::str("item {} of a Tietze sequence is {}; a letter is i or -i for sigma_i, "
              "1 <= i <= {}")
          .format(K, VALUE, MAXINDEX)
          .cast<std::string>());
}

void TIETZETOBRAID(py::handle OBJ, BRAID& B) {
  const py::object FAST =
      py::reinterpret_steal<py::object>(PySequence_Fast(OBJ.ptr(), "a braid must be a sequence"));
  if (!FAST) {
    throw py::error_already_set();
  }
  const Py_ssize_t N = PySequence_Fast_GET_SIZE(FAST.ptr());
  PyObject** const ITEMS = PySequence_Fast_ITEMS(FAST.ptr());
  BraidBasics::BCHECKLENGTH(N);
  std::int32_t WIDTH = 1;
  for (Py_ssize_t K = 0; K < N; ++K) {
    const long X = TIETZELETTER(ITEMS[K], K);
    B.V[K + 1] = static_cast<std::int8_t>(X);
    const std::int32_t INDEX = static_cast<std::int32_t>(X < 0 ? -X : X);
    if (INDEX + 1 > WIDTH) {
      WIDTH = INDEX + 1;
    }
  }
  B.L = static_cast<std::int32_t>(N);
  B.W = WIDTH;
}

// The form of the braid argument OBJ, with B := its braid; the errors are
// TOBRAID's.
FORM READBRAID(py::handle OBJ, BRAID& B) {
  PyObject* const P = OBJ.ptr();
  if (PyUnicode_Check(P)) {
    TEXTTOBRAID(OBJ, B);
    return FORM::TEXT;
  }
  // bytes are sequences of ints too, but a bytes braid is a mistaken str.
  if (PySequence_Check(P) && !PyBytes_Check(P) && !PyByteArray_Check(P)) {
    TIETZETOBRAID(OBJ, B);
    return FORM::TIETZE;
  }
  throw py::type_error(
      py::str("a braid is a str of letters or a sequence of non-zero ints, not {}")
          .format(py::type::handle_of(OBJ).attr("__name__"))
          .cast<std::string>());
}

}  // namespace

BRAIDARGUMENT TOBRAID(py::handle OBJ) {
  BRAIDARGUMENT A;
  A.F = READBRAID(OBJ, A.B);
  return A;
}

BRAIDPAIR TOBRAIDS(py::handle OBJ1, py::handle OBJ2) {
  BRAIDPAIR P;
  const FORM F1 = READBRAID(OBJ1, P.B1);
  const FORM F2 = READBRAID(OBJ2, P.B2);
  P.F = F1 == FORM::TEXT && F2 == FORM::TEXT ? FORM::TEXT : FORM::TIETZE;
  return P;
}

py::object FROMBRAID(const BRAID& B, FORM F) {
  if (F == FORM::TEXT) {
    return py::str(BraidBasics::BWORD(B));
  }
  py::tuple T(B.L);
  for (std::int32_t R = 1; R <= B.L; ++R) {
    PyTuple_SET_ITEM(T.ptr(), R - 1, PyLong_FromLong(B.V[R]));
  }
  return T;
}

py::object FROMLETTERS(std::string_view LETTERS, FORM F) {
  if (F == FORM::TEXT) {
    return py::str(LETTERS.data(), LETTERS.size());
  }
  BRAID B;
  BraidBasics::BDEF(B, LETTERS);
  return FROMBRAID(B, F);
}

void REQUIREPOSITIVE(const BRAID& B, const char* WHAT) {
  for (std::int32_t R = 1; R <= B.L; ++R) {
    if (B.V[R] < 0) {
      throw py::value_error(py::str("{} must be a positive braid word, but letter {} is the "
                                    "inverse of sigma_{}")
                                .format(WHAT, R - 1, -B.V[R])
                                .cast<std::string>());
    }
  }
}

char ORDERINGLETTER(std::string_view ORDERING) {
  if (ORDERING != "R" && ORDERING != "F" && ORDERING != "U") {
    throw py::value_error(
        py::str("ordering must be 'R', 'F' or 'U', not {!r}").format(ORDERING).cast<std::string>());
  }
  return ORDERING[0];
}

ORDERINGGUARD::ORDERINGGUARD(std::string_view ORDERING) : SAVED(handlereduction::BORDEROPTION) {
  handlereduction::BORDEROPTION = ORDERINGLETTER(ORDERING);
}

ORDERINGGUARD::~ORDERINGGUARD() { handlereduction::BORDEROPTION = SAVED; }

void REGISTERBOUNDEXCEEDED(py::module_& M) {
  // Kept for the life of the interpreter, as the translator refers to it.
  static py::exception<BraidBasics::BOUNDEXCEEDED> BOUNDEXCEEDED(M, "BoundExceeded",
                                                                 PyExc_ArithmeticError);
  BOUNDEXCEEDED.attr("__doc__") =
      "A computation would have passed the bound of korvel.MAX_LENGTH letters of a braid word "
      "and was abandoned.";
  py::register_exception_translator([](std::exception_ptr P) {
    try {
      if (P) {
        std::rethrow_exception(P);
      }
    } catch (const BraidBasics::BOUNDEXCEEDED&) {
      BOUNDEXCEEDED(std::string(BraidBasics::BOUNDMESSAGE).c_str());
    }
  });
}

}  // namespace korvelpython
