// The Nielsen-Thurston type, reduction curves, centralizer, rigidity and
// entropy: module functions and Braid methods over korvel/nielsenthurston.h.
// Each releases the interpreter lock and stops on Ctrl-C like every
// computation of the module; the ones that explore summit sets take
// max_elements and raise korvel.SetTooLarge past it.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "bindings.h"
#include "braidarguments.h"
#include "calls.h"
#include "korvel/nielsenthurston.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace korvelpython {

namespace {

// The named tuple type korvel.ReductionSystem, made once with the module.
py::object& REDUCTIONSYSTEMTYPE() {
  static py::object* TYPE = nullptr;
  if (TYPE == nullptr) {
    TYPE = new py::object(
        py::module_::import("collections").attr("namedtuple")("ReductionSystem", py::make_tuple("conjugator", "curves")));
  }
  return *TYPE;
}

const char* TYPENAME(korvel::ThurstonType T) {
  switch (T) {
    case korvel::ThurstonType::periodic:
      return "periodic";
    case korvel::ThurstonType::reducible:
      return "reducible";
    case korvel::ThurstonType::pseudo_anosov:
      break;
  }
  return "pseudo-anosov";
}

std::string THURSTONTYPE(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  return TYPENAME(
      COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::thurston_type(X.B, LIMIT, L); }));
}

bool ISPERIODIC(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::is_periodic(X.B, L); });
}

template <bool (*PREDICATE)(const korvel::Braid&, std::size_t, const korvel::Limits&)>
bool TYPEPREDICATE(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return PREDICATE(X.B, LIMIT, L); });
}

py::object REDUCTIONSYSTEM(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  std::optional<korvel::ReductionSystem> R =
      COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::reduction_system(X.B, LIMIT, L); });
  if (!R) {
    return py::none();
  }
  py::list CURVES;
  for (const auto& [I, J] : R->curves) {
    CURVES.append(py::make_tuple(I, J));
  }
  const FORM F = RESULTFORM(X.F, R->conjugator.strands());
  return REDUCTIONSYSTEMTYPE()(FROMBRAID(std::move(R->conjugator), F), CURVES);
}

py::list CENTRALIZER(py::handle B, py::handle M) {
  const BRAIDARGUMENT X = TOBRAID(B);
  const std::size_t LIMIT = MAXELEMENTS(M);
  std::vector<korvel::Braid> GENERATORS =
      COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::centralizer(X.B, LIMIT, L); });
  const FORM F = RESULTFORM(X.F, X.B.strands());
  py::list RESULT;
  for (korvel::Braid& G : GENERATORS) {
    RESULT.append(FROMBRAID(std::move(G), F));
  }
  return RESULT;
}

long long RIGIDITY(py::handle B) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::rigidity(X.B, L); });
}

double ENTROPY(py::handle B, double TOLERANCE) {
  const BRAIDARGUMENT X = TOBRAID(B);
  return COMPUTE(std::nullopt, [&](const korvel::Limits& L) { return korvel::entropy(X.B, TOLERANCE, L); });
}

}  // namespace

void BINDNIELSENTHURSTON(py::module_& M, BRAIDCLASS& CLASS) {
  py::object& SYSTEM = REDUCTIONSYSTEMTYPE();
  SYSTEM.attr("__module__") = "korvel";
  SYSTEM.attr("__doc__") =
      "A reduction system of a braid b: a braid conjugator c and curves, a list of intervals (i, j) "
      "of punctures (1-based), such that c^-1 b c sends the round curves enclosing the punctures "
      "i..j onto themselves (it may permute them).";
  M.attr("ReductionSystem") = SYSTEM;
  const py::int_ DEFAULT(korvel::DEFAULT_MAX_ELEMENTS);

  M.def("thurston_type", &THURSTONTYPE, "b"_a, "max_elements"_a = DEFAULT,
        R"(thurston_type(b, max_elements=100000) -> str

The Nielsen-Thurston type of b as a mapping class of the punctured disk:
'periodic' when a power of b is a power of Delta^2 (checked: b^n or b^(n-1)
is one), 'reducible' when b is not periodic and sends a family of disjoint
essential curves onto itself (checked by its curves, see reduction_system),
'pseudo-anosov' otherwise. Periodic braids are recognised as in Birman,
Gebhardt and Gonzalez-Meneses (J. Algebra 2007), reducible ones by the round
curves of the ultra summit set (Gonzalez-Meneses and Wiest, AGT 2011). At
most max_elements members of a set are built (None: no limit); past that
SetTooLarge is raised.)");
  M.def("is_periodic", &ISPERIODIC, "b"_a,
        "is_periodic(b) -> bool\n\nWhether some power of b is a power of Delta^2.");
  M.def("is_reducible", &TYPEPREDICATE<korvel::is_reducible>, "b"_a, "max_elements"_a = DEFAULT,
        "is_reducible(b, max_elements=100000) -> bool\n\nWhether thurston_type(b) is 'reducible'.");
  M.def("is_pseudoanosov", &TYPEPREDICATE<korvel::is_pseudoanosov>, "b"_a, "max_elements"_a = DEFAULT,
        "is_pseudoanosov(b, max_elements=100000) -> bool\n\n"
        "Whether thurston_type(b) is 'pseudo-anosov'.");
  M.def("reduction_system", &REDUCTIONSYSTEM, "b"_a, "max_elements"_a = DEFAULT,
        R"(reduction_system(b, max_elements=100000) -> ReductionSystem or None

For a reducible braid b, a named tuple (conjugator, curves): a word c and a
list of intervals (i, j), 1 <= i < j <= n, (i, j) != (1, n), nested or
disjoint, such that c^-1 b c sends the family of round curves around the
punctures i..j onto itself; None for a periodic or pseudo-Anosov braid. The
answer is checked before it is returned: c^-1 b c commutes with the product
of the full twists of the curves. A reducible braid has conjugates in its
ultra summit set that keep round curves (Benardete, Gutierrez and Nitecki
1995; Gonzalez-Meneses and Wiest, AGT 2011).)");
  M.def("centralizer", &CENTRALIZER, "b"_a, "max_elements"_a = DEFAULT,
        R"(centralizer(b, max_elements=100000) -> list[word]

Braids that generate the centralizer of b, the braids commuting with it,
each checked to commute with b (Franco and Gonzalez-Meneses, Rev. Mat.
Iberoam. 2003): for sigma_1 on three strands they generate <sigma_1,
Delta^2>; for Delta^2, the whole group.)");
  M.def("rigidity", &RIGIDITY, "b"_a,
        R"(rigidity(b) -> int

The rigidity of b = Delta^p A_1 ... A_r in left normal form: how many of its
factors stay in place when b is multiplied by itself; b is rigid (rigidity
r) when (A_r, tau^-p(A_1)) is left-weighted.)");
  M.def("entropy", &ENTROPY, "b"_a, "tolerance"_a = 1e-6,
        R"(entropy(b, tolerance=1e-6) -> float

The topological entropy of b, the logarithm of the largest dilatation of its
pseudo-Anosov components, estimated from the growth of the Dynnikov
coordinates of its powers within tolerance: entropy('aB') is
log((3 + sqrt 5) / 2) = 0.96242365... Exactly 0.0 for a periodic braid.
ValueError for a tolerance that is not positive and finite.)");

  CLASS
      .def("thurston_type", &THURSTONTYPE, "max_elements"_a = DEFAULT,
           "thurston_type(max_elements=100000) -> str\n\nkorvel.thurston_type.")
      .def("is_periodic", &ISPERIODIC, "is_periodic() -> bool\n\nkorvel.is_periodic.")
      .def("is_reducible", &TYPEPREDICATE<korvel::is_reducible>, "max_elements"_a = DEFAULT,
           "is_reducible(max_elements=100000) -> bool\n\nkorvel.is_reducible.")
      .def("is_pseudoanosov", &TYPEPREDICATE<korvel::is_pseudoanosov>, "max_elements"_a = DEFAULT,
           "is_pseudoanosov(max_elements=100000) -> bool\n\nkorvel.is_pseudoanosov.")
      .def("reduction_system", &REDUCTIONSYSTEM, "max_elements"_a = DEFAULT,
           "reduction_system(max_elements=100000) -> ReductionSystem or None\n\n"
           "korvel.reduction_system.")
      .def("centralizer", &CENTRALIZER, "max_elements"_a = DEFAULT,
           "centralizer(max_elements=100000) -> list[Braid]\n\nkorvel.centralizer.")
      .def("rigidity", &RIGIDITY, "rigidity() -> int\n\nkorvel.rigidity.")
      .def("entropy", &ENTROPY, "tolerance"_a = 1e-6,
           "entropy(tolerance=1e-6) -> float\n\nkorvel.entropy.");
}

}  // namespace korvelpython
