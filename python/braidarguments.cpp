#include "braidarguments.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace korvelpython {

namespace {

// Characters a str may hold besides letters, the blanks (space, tab) and
// "." (which stands between the factors of a normal-form text); they are
// skipped, as by the program's --svg option.
bool ISIGNORED(Py_UCS4 C) { return C == ' ' || C == '\t' || C == '.'; }

int INDEXOF(std::int16_t X) { return X < 0 ? -X : X; }

int NEEDED(const std::vector<std::int16_t>& WORD) {
  int LARGEST = 0;
  for (const std::int16_t X : WORD) {
    if (INDEXOF(X) > LARGEST) {
      LARGEST = INDEXOF(X);
    }
  }
  return LARGEST + 1;
}

std::vector<std::int16_t> TEXTWORD(py::handle OBJ) {
  PyObject* const S = OBJ.ptr();
  const Py_ssize_t N = PyUnicode_GET_LENGTH(S);
  const int KIND = PyUnicode_KIND(S);
  const void* const DATA = PyUnicode_DATA(S);
  std::vector<std::int16_t> WORD;
  WORD.reserve(static_cast<std::size_t>(N));
  for (Py_ssize_t K = 0; K < N; ++K) {
    const Py_UCS4 C = PyUnicode_READ(KIND, DATA, K);
    if (C >= 'a' && C <= 'z') {
      WORD.push_back(static_cast<std::int16_t>(C - 'a' + 1));
    } else if (C >= 'A' && C <= 'Z') {
      WORD.push_back(static_cast<std::int16_t>(-static_cast<int>(C - 'A' + 1)));
    } else if (!ISIGNORED(C)) {
      throw py::value_error(
          py::str("{!r} at position {} is not a braid letter: a braid is written with a..z "
                  "(sigma_1..sigma_26) and A..Z (their inverses); blanks and '.' are ignored")
              .format(OBJ[py::int_(K)], K)
              .cast<std::string>());
    }
  }
  return WORD;
}

// The value of one Tietze letter: an int (bool excluded) or any object with
// __index__ (numpy and SageMath integers).
std::int16_t TIETZELETTER(PyObject* ITEM, Py_ssize_t K) {
  if (PyLong_CheckExact(ITEM)) {
    int OVERFLOW = 0;
    const long X = PyLong_AsLongAndOverflow(ITEM, &OVERFLOW);
    if (OVERFLOW == 0 && X != 0 && X >= -MAXINDEX && X <= MAXINDEX) {
      return static_cast<std::int16_t>(X);
    }
  }
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
    return static_cast<std::int16_t>(X);
  }
  throw py::value_error(
      py::str("item {} of a Tietze sequence is {}; a letter is i or -i for sigma_i, "
              "1 <= i <= {}")
          .format(K, VALUE, MAXINDEX)
          .cast<std::string>());
}

std::vector<std::int16_t> TIETZEWORD(py::handle OBJ) {
  const py::object FAST =
      py::reinterpret_steal<py::object>(PySequence_Fast(OBJ.ptr(), "a braid must be a sequence"));
  if (!FAST) {
    throw py::error_already_set();
  }
  const Py_ssize_t N = PySequence_Fast_GET_SIZE(FAST.ptr());
  PyObject** const ITEMS = PySequence_Fast_ITEMS(FAST.ptr());
  std::vector<std::int16_t> WORD(static_cast<std::size_t>(N));
  for (Py_ssize_t K = 0; K < N; ++K) {
    WORD[static_cast<std::size_t>(K)] = TIETZELETTER(ITEMS[K], K);
  }
  return WORD;
}

// The strand count an object with a Tietze() method gives: its strands(),
// or its parent's (a SageMath braid group's) strands(); 0 when it has
// neither.
int OWNSTRANDS(py::handle OBJ) {
  py::object COUNT;
  if (py::hasattr(OBJ, "strands")) {
    COUNT = OBJ.attr("strands")();
  } else if (py::hasattr(OBJ, "parent")) {
    const py::object PARENT = OBJ.attr("parent")();
    if (!py::hasattr(PARENT, "strands")) {
      return 0;
    }
    COUNT = PARENT.attr("strands")();
  } else {
    return 0;
  }
  if (PyBool_Check(COUNT.ptr()) || !PyIndex_Check(COUNT.ptr())) {
    throw py::type_error(py::str("the strand count of a braid is an int, not {!r}")
                             .format(COUNT)
                             .cast<std::string>());
  }
  return STRANDSARGUMENT(COUNT);
}

korvel::Braid MAKEBRAID(std::vector<std::int16_t> WORD, int STRANDS) {
  const int NEEDS = NEEDED(WORD);
  if (STRANDS != 0 && STRANDS < NEEDS) {
    throw py::value_error(py::str("the braid has {} strands, but its word needs {}")
                              .format(STRANDS, NEEDS)
                              .cast<std::string>());
  }
  return korvel::Braid(std::move(WORD), STRANDS);
}

// The form of the braid argument OBJ, with B := its braid; the errors are
// TOBRAID's.
FORM READBRAID(py::handle OBJ, korvel::Braid& B) {
  PyObject* const P = OBJ.ptr();
  if (py::isinstance<BRAIDOBJECT>(OBJ)) {
    B = OBJ.cast<const BRAIDOBJECT&>().B;
    return FORM::BRAID;
  }
  if (PyUnicode_Check(P)) {
    B = MAKEBRAID(TEXTWORD(OBJ), 0);
    return FORM::TEXT;
  }
  if (py::hasattr(OBJ, "Tietze")) {
    const py::object LETTERS = OBJ.attr("Tietze")();
    const int STRANDS = OWNSTRANDS(OBJ);
    if (PyUnicode_Check(LETTERS.ptr()) || !PySequence_Check(LETTERS.ptr())) {
      throw py::type_error(py::str("Tietze() of a braid gives a sequence of ints, not {!r}")
                               .format(LETTERS)
                               .cast<std::string>());
    }
    B = MAKEBRAID(TIETZEWORD(LETTERS), STRANDS);
    return FORM::TIETZE;
  }
  // bytes are sequences of ints too, but a bytes braid is a mistaken str.
  if (PySequence_Check(P) && !PyBytes_Check(P) && !PyByteArray_Check(P)) {
    B = MAKEBRAID(TIETZEWORD(OBJ), 0);
    return FORM::TIETZE;
  }
  throw py::type_error(
      py::str("a braid is a korvel.Braid, a str of letters, a sequence of non-zero ints or "
              "an object with a Tietze() method, not {}")
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
  if (F1 == FORM::BRAID || F2 == FORM::BRAID) {
    P.F = FORM::BRAID;
  } else {
    P.F = F1 == FORM::TEXT && F2 == FORM::TEXT ? FORM::TEXT : FORM::TIETZE;
  }
  return P;
}

int STRANDSARGUMENT(py::handle STRANDS) {
  if (STRANDS.is_none()) {
    return 0;
  }
  if (PyBool_Check(STRANDS.ptr()) || !PyIndex_Check(STRANDS.ptr())) {
    throw py::type_error(py::str("strands must be None or an int, not {}")
                             .format(py::type::handle_of(STRANDS).attr("__name__"))
                             .cast<std::string>());
  }
  const py::object VALUE = py::reinterpret_steal<py::object>(PyNumber_Index(STRANDS.ptr()));
  if (!VALUE) {
    throw py::error_already_set();
  }
  int OVERFLOW = 0;
  const long N = PyLong_AsLongAndOverflow(VALUE.ptr(), &OVERFLOW);
  if (OVERFLOW != 0 || N < 1 || N > korvel::MAX_STRANDS) {
    throw py::value_error(py::str("a braid has 1 to {} strands, not {}")
                              .format(korvel::MAX_STRANDS, VALUE)
                              .cast<std::string>());
  }
  return static_cast<int>(N);
}

int NEEDEDSTRANDS(const korvel::Braid& B) { return NEEDED(B.word()); }

korvel::Braid WITHSTRANDS(const korvel::Braid& B, int STRANDS) {
  if (STRANDS == 0 || STRANDS == B.strands()) {
    return B;
  }
  const int NEEDS = NEEDEDSTRANDS(B);
  if (STRANDS < NEEDS) {
    throw py::value_error(py::str("strands is {}, but the word needs {}")
                              .format(STRANDS, NEEDS)
                              .cast<std::string>());
  }
  return korvel::Braid(B.word(), STRANDS);
}

FORM RESULTFORM(FORM F, int STRANDS) {
  return F == FORM::TEXT && STRANDS > MAXLETTERINDEX + 1 ? FORM::TIETZE : F;
}

bool HASLETTERS(const korvel::Braid& B) {
  for (const std::int16_t X : B.word()) {
    if (INDEXOF(X) > MAXLETTERINDEX) {
      return false;
    }
  }
  return true;
}

py::tuple TIETZEOF(const korvel::Braid& B) {
  const std::vector<std::int16_t>& WORD = B.word();
  py::tuple T(WORD.size());
  for (std::size_t R = 0; R < WORD.size(); ++R) {
    PyTuple_SET_ITEM(T.ptr(), static_cast<Py_ssize_t>(R), PyLong_FromLong(WORD[R]));
  }
  return T;
}

py::object FROMBRAID(korvel::Braid B, FORM F) {
  switch (F) {
    case FORM::TEXT:
      return py::str(B.letters());
    case FORM::TIETZE:
      return TIETZEOF(B);
    case FORM::BRAID:
      break;
  }
  return py::cast(BRAIDOBJECT{std::move(B), std::nullopt, std::nullopt});
}

korvel::Ordering ORDERINGOF(std::string_view ORDERING) {
  if (ORDERING == "R") {
    return korvel::Ordering::R;
  }
  if (ORDERING == "F") {
    return korvel::Ordering::F;
  }
  if (ORDERING == "U") {
    return korvel::Ordering::U;
  }
  throw py::value_error(
      py::str("ordering must be 'R', 'F' or 'U', not {!r}").format(ORDERING).cast<std::string>());
}

korvel::Method METHODOF(std::string_view METHOD) {
  if (METHOD == "auto") {
    return korvel::Method::Automatic;
  }
  if (METHOD == "handles") {
    return korvel::Method::Handles;
  }
  if (METHOD == "coordinates") {
    return korvel::Method::Coordinates;
  }
  throw py::value_error(py::str("method must be 'auto', 'handles' or 'coordinates', not {!r}")
                            .format(METHOD)
                            .cast<std::string>());
}

korvel::Method METHODOF(std::string_view METHOD, korvel::Ordering ORDERING) {
  const korvel::Method M = METHODOF(METHOD);
  if (M == korvel::Method::Coordinates && ORDERING == korvel::Ordering::U) {
    throw py::value_error(
        "the U-ordering is decided by handle reduction only: method 'coordinates' serves the "
        "orderings 'R' and 'F'");
  }
  return M;
}

std::optional<std::size_t> MAXLENGTHARGUMENT(py::handle MAXLENGTH) {
  if (MAXLENGTH.is_none()) {
    return std::nullopt;
  }
  if (PyBool_Check(MAXLENGTH.ptr()) || !PyIndex_Check(MAXLENGTH.ptr())) {
    throw py::type_error(py::str("max_length must be None or an int, not {}")
                             .format(py::type::handle_of(MAXLENGTH).attr("__name__"))
                             .cast<std::string>());
  }
  const py::object VALUE = py::reinterpret_steal<py::object>(PyNumber_Index(MAXLENGTH.ptr()));
  if (!VALUE) {
    throw py::error_already_set();
  }
  int OVERFLOW = 0;
  const long long N = PyLong_AsLongLongAndOverflow(VALUE.ptr(), &OVERFLOW);
  if (OVERFLOW < 0 || (OVERFLOW == 0 && N < 0)) {
    throw py::value_error(
        py::str("max_length must be None or at least 0, not {}").format(VALUE).cast<std::string>());
  }
  if (OVERFLOW > 0) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(N);
}

namespace {

// Kept for the life of the interpreter, as the translator refers to it.
py::exception<korvel::BoundExceeded>* BOUNDEXCEEDEDTYPE = nullptr;

std::string BOUNDMESSAGEOF(std::size_t LIMIT) {
  return "The braid exceeds the bound of " + std::to_string(LIMIT) +
         " crossings; the computation was abandoned.";
}

}  // namespace

void REGISTERBOUNDEXCEEDED(py::module_& M) {
  static py::exception<korvel::BoundExceeded> BOUNDEXCEEDED(M, "BoundExceeded",
                                                            PyExc_ArithmeticError);
  BOUNDEXCEEDEDTYPE = &BOUNDEXCEEDED;
  BOUNDEXCEEDED.attr("__doc__") =
      "A computation would have built a word longer than its max_length and was abandoned; "
      "the braids it was given are unchanged.";
  py::register_exception_translator([](std::exception_ptr P) {
    try {
      if (P) {
        std::rethrow_exception(P);
      }
    } catch (const korvel::BoundExceeded& E) {
      (*BOUNDEXCEEDEDTYPE)(E.what());
    } catch (const BraidBasics::BOUNDEXCEEDED& E) {
      // The core's, from a call to the core outside COMPUTE.
      (*BOUNDEXCEEDEDTYPE)(E.what());
    }
  });
}

void RAISEBOUNDEXCEEDED(std::size_t LIMIT) {
  PyErr_SetString(BOUNDEXCEEDEDTYPE->ptr(), BOUNDMESSAGEOF(LIMIT).c_str());
  throw py::error_already_set();
}

}  // namespace korvelpython
