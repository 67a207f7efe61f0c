#include "garside/nielsenthurston.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace garside {

namespace {

// Punctures are handled 0-based here: the interval lo .. hi.
struct Span {
  int lo;
  int hi;
  friend bool operator==(const Span&, const Span&) = default;
  friend auto operator<=>(const Span&, const Span&) = default;
};

bool crossing(const Span& a, const Span& b) {
  const bool disjoint = a.hi < b.lo || b.hi < a.lo;
  const bool nested = (a.lo <= b.lo && b.hi <= a.hi) || (b.lo <= a.lo && a.hi <= b.hi);
  return !disjoint && !nested;
}

bool inside(const Span& a, const Span& b) { return b.lo <= a.lo && a.hi <= b.hi && a != b; }

// The image of the punctures of SPAN under a simple braid, as a span, or
// nothing when they do not end next to each other.
std::optional<Span> simple_image(const Simple& s, const Span& span) {
  int lo = s[span.lo];
  int hi = lo;
  for (int i = span.lo + 1; i <= span.hi; ++i) {
    lo = std::min<int>(lo, s[i]);
    hi = std::max<int>(hi, s[i]);
  }
  if (hi - lo != span.hi - span.lo) {
    return std::nullopt;
  }
  return Span{lo, hi};
}

Span delta_image(int n, std::int64_t p, const Span& span) {
  return p % 2 == 0 ? span : Span{n - 1 - span.hi, n - 1 - span.lo};
}

// The image of the round curve around SPAN under y when it is round, else
// nothing. A simple braid sends the round curve around a span to the round
// curve around the image span when the strands of the span end next to each
// other (then every other strand crosses all of them or none, so the span
// moves as one tube), and to a curve around punctures that no round curve
// encloses otherwise. By Benardete, Gutierrez and Nitecki (1995), a braid in
// left normal form Delta^p y_1 ... y_r that sends a round curve to a round
// curve sends it to round curves after every prefix Delta^p y_1 ... y_i, so
// following the curve factor by factor decides whether its image is round.
std::optional<Span> round_image(const NormalForm& y, Span span) {
  span = delta_image(y.strands, y.delta, span);
  for (const Simple& s : y.factors) {
    const auto next = simple_image(s, span);
    if (!next) {
      return std::nullopt;
    }
    span = *next;
  }
  return span;
}

// The essential spans: 2 .. n-1 punctures.
std::vector<Span> all_spans(int n) {
  std::vector<Span> spans;
  for (int lo = 0; lo < n; ++lo) {
    for (int hi = lo + 1; hi < n; ++hi) {
      if (lo == 0 && hi == n - 1) {
        continue;
      }
      spans.push_back({lo, hi});
    }
  }
  return spans;
}

// The round curves that y sends through round curves back to themselves
// after some power, grouped in their orbits under y (each orbit in the order
// y follows it).
std::vector<std::vector<Span>> periodic_round_orbits(const NormalForm& y) {
  const std::vector<Span> spans = all_spans(y.strands);
  std::map<Span, Span> image;
  for (const Span& s : spans) {
    if (const auto t = round_image(y, s)) {
      image.emplace(s, *t);
    }
  }
  std::vector<std::vector<Span>> orbits;
  std::map<Span, bool> done;
  for (const auto& [start, first] : image) {
    if (done[start]) {
      continue;
    }
    // y permutes the round curves it sends to round curves among
    // themselves only on its periodic ones: follow the images until they
    // leave the map or come back.
    std::vector<Span> orbit{start};
    Span current = first;
    bool closed = false;
    for (std::size_t k = 0; k <= image.size(); ++k) {
      if (current == start) {
        closed = true;
        break;
      }
      const auto it = image.find(current);
      if (it == image.end()) {
        break;
      }
      orbit.push_back(current);
      current = it->second;
    }
    if (closed) {
      for (const Span& s : orbit) {
        done[s] = true;
      }
      orbits.push_back(std::move(orbit));
    }
  }
  return orbits;
}

bool pairwise_disjoint(const std::vector<Span>& curves) {
  for (std::size_t i = 0; i < curves.size(); ++i) {
    for (std::size_t j = i + 1; j < curves.size(); ++j) {
      if (crossing(curves[i], curves[j])) {
        return false;
      }
    }
  }
  return true;
}

// A family of round curves that y sends onto itself: one orbit of periodic
// round curves whose curves are disjoint.
std::optional<std::vector<Span>> round_family(const NormalForm& y) {
  for (auto& orbit : periodic_round_orbits(y)) {
    if (pairwise_disjoint(orbit)) {
      return std::move(orbit);
    }
  }
  return std::nullopt;
}

// The periodic round curves of y that no periodic round curve crosses. Each
// is fixed by a power of y, so all are reduction curves; they are disjoint
// and y permutes them. They include every curve of the canonical reduction
// system that is round (an essential reduction curve is crossed by no
// reduction curve).
std::vector<Span> uncrossed_round_curves(const NormalForm& y) {
  std::vector<Span> periodic;
  for (const auto& orbit : periodic_round_orbits(y)) {
    periodic.insert(periodic.end(), orbit.begin(), orbit.end());
  }
  std::vector<Span> uncrossed;
  for (const Span& a : periodic) {
    bool crossed = false;
    for (const Span& b : periodic) {
      crossed = crossed || crossing(a, b);
    }
    if (!crossed) {
      uncrossed.push_back(a);
    }
  }
  std::sort(uncrossed.begin(), uncrossed.end());
  return uncrossed;
}

// ---- Components of a round family --------------------------------------

// The round family CURVES, sent onto itself by y curve by curve through
// round curves, cuts the disk into components. The component whose outer
// boundary is OUTER (a curve of the family, or the whole disk) holds blocks:
// the largest curves of the family inside OUTER, each shrunk to one
// puncture, and the punctures inside OUTER in none of them.
std::vector<Span> blocks_of(const std::vector<Span>& curves, const Span& outer) {
  std::vector<Span> children;
  for (const Span& c : curves) {
    if (!inside(c, outer)) {
      continue;
    }
    bool largest = true;
    for (const Span& d : curves) {
      largest = largest && !(inside(c, d) && inside(d, outer));
    }
    if (largest) {
      children.push_back(c);
    }
  }
  std::vector<Span> blocks;
  for (int i = outer.lo; i <= outer.hi;) {
    const auto child = std::find_if(children.begin(), children.end(),
                                    [i](const Span& c) { return c.lo == i; });
    if (child != children.end()) {
      blocks.push_back(*child);
      i = child->hi + 1;
    } else {
      blocks.push_back({i, i});
      ++i;
    }
  }
  return blocks;
}

// The ranks of BLOCKS (disjoint spans) in the order of their positions.
std::vector<Simple::Index> ranks(const std::vector<Span>& blocks) {
  std::vector<std::size_t> order(blocks.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  std::sort(order.begin(), order.end(),
            [&blocks](std::size_t a, std::size_t b) { return blocks[a].lo < blocks[b].lo; });
  std::vector<Simple::Index> rank(blocks.size());
  for (std::size_t r = 0; r < order.size(); ++r) {
    rank[order[r]] = static_cast<Simple::Index>(r);
  }
  return rank;
}

// The component with outer boundary OUTER as y carries it round its orbit:
// the outer boundaries O_0 = OUTER, O_1, ... (y sends each to the next and
// the last to O_0) and the braids z_0, z_1, ... on the blocks that y induces
// from the component at O_j to the one at O_(j+1). Each factor of y moves
// every curve of the family as a tube, so collapsing the tubes of a factor
// to single strands leaves the permutation braid of the order in which the
// blocks end (and Delta^p on m blocks for Delta^p). The product
// z_0 z_1 ... is the mapping class of the first power of y that sends OUTER
// back to itself, on the component with its inner boundaries made punctures.
struct ComponentOrbit {
  std::vector<Span> outers;
  std::vector<NormalForm> stages;
  NormalForm first_return() const {
    NormalForm z = stages.front();
    for (std::size_t j = 1; j < stages.size(); ++j) {
      z = multiply(z, stages[j]);
    }
    return z;
  }
};

ComponentOrbit component_orbit(const NormalForm& y, const std::vector<Span>& curves, const Span& outer) {
  const int n = y.strands;
  std::vector<Span> blocks = blocks_of(curves, outer);
  const std::vector<Span> start = blocks;
  const int m = static_cast<int>(blocks.size());
  ComponentOrbit orbit;
  Span out = outer;
  do {
    if (orbit.outers.size() > static_cast<std::size_t>(n)) {
      throw std::logic_error("garside: a curve of a reduction system does not come back");
    }
    orbit.outers.push_back(out);
    if (y.delta % 2 != 0) {
      for (Span& b : blocks) {
        b = delta_image(n, 1, b);
      }
    }
    NormalForm z = delta_power(m, y.delta);
    out = delta_image(n, y.delta, out);
    for (const Simple& s : y.factors) {
      const std::vector<Simple::Index> before = ranks(blocks);
      for (Span& b : blocks) {
        const auto image = simple_image(s, b);
        if (!image) {
          throw std::logic_error("garside: a curve of a reduction system stopped being round");
        }
        b = *image;
      }
      const std::vector<Simple::Index> after = ranks(blocks);
      std::vector<Simple::Index> permutation(static_cast<std::size_t>(m));
      for (std::size_t b = 0; b < blocks.size(); ++b) {
        permutation[before[b]] = after[b];
      }
      multiply_right(z, Simple::from_permutation(permutation));
      out = *simple_image(s, out);
    }
    orbit.stages.push_back(std::move(z));
  } while (out != outer);
  std::vector<Span> end = blocks;
  std::sort(end.begin(), end.end());
  std::vector<Span> sorted_start = start;
  std::sort(sorted_start.begin(), sorted_start.end());
  if (end != sorted_start) {
    throw std::logic_error("garside: the blocks of a component did not come back");
  }
  return orbit;
}

NormalForm component_braid(const NormalForm& y, const std::vector<Span>& curves, const Span& outer) {
  return component_orbit(y, curves, outer).first_return();
}

// The permutation of the strands of X (where the strand starting at i ends).
std::vector<int> permutation_of(const NormalForm& x) {
  const int n = x.strands;
  std::vector<int> p(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    p[static_cast<std::size_t>(i)] = x.delta % 2 == 0 ? i : n - 1 - i;
  }
  for (const Simple& s : x.factors) {
    for (int& v : p) {
      v = s[v];
    }
  }
  return p;
}

// The braid C on the blocks of widths WIDTHS (in the order of their
// positions) made a braid on more strands, the blocks starting at puncture LO:
// each crossing of C becomes the crossing of two tubes, every strand of one
// tube crossing every strand of the other the same way.
Word cabled_word(const NormalForm& c, std::vector<int> widths, int lo) {
  Word word;
  for (const auto letter : to_word(c)) {
    const int i = letter > 0 ? letter : -letter;  // blocks i-1 and i, 0-based
    int start = lo + 1;                           // 1-based index of the first strand
    for (int j = 0; j < i - 1; ++j) {
      start += widths[static_cast<std::size_t>(j)];
    }
    const int a = widths[static_cast<std::size_t>(i - 1)];
    const int b = widths[static_cast<std::size_t>(i)];
    // The positive crossing of a tube of width LEFT over one of width RIGHT
    // at START: its strands, last first, each cross the RIGHT strands.
    const auto crossing = [start](int left, int right) {
      Word w;
      for (int t = left - 1; t >= 0; --t) {
        for (int k = 0; k < right; ++k) {
          w.push_back(static_cast<std::int16_t>(start + t + k));
        }
      }
      return w;
    };
    if (letter > 0) {
      const Word w = crossing(a, b);
      word.insert(word.end(), w.begin(), w.end());
    } else {
      // The inverse of the positive crossing that brings the tubes back.
      const Word w = crossing(b, a);
      for (auto it = w.rbegin(); it != w.rend(); ++it) {
        word.push_back(static_cast<std::int16_t>(-*it));
      }
    }
    std::swap(widths[static_cast<std::size_t>(i - 1)], widths[static_cast<std::size_t>(i)]);
  }
  return word;
}

std::vector<int> widths_of(const std::vector<Span>& blocks) {
  std::vector<int> w;
  for (const Span& b : blocks) {
    w.push_back(b.hi - b.lo + 1);
  }
  return w;
}

// The outer boundaries of the components of CURVES: the whole disk and each
// curve.
std::vector<Span> outers(int n, const std::vector<Span>& curves) {
  std::vector<Span> list{Span{0, n - 1}};
  list.insert(list.end(), curves.begin(), curves.end());
  return list;
}

// ---- Searching the ultra summit set --------------------------------------

// The first member y of the ultra summit set of X (with its conjugator) for
// which TEST(y) gives an answer, exploring the set member by member; nothing
// when no member gives one. SetTooLarge past MAX_ELEMENTS; STOP is polled.
template <class Answer, class Test>
std::optional<std::pair<Conjugate, Answer>> search_ultra_summit_set(const NormalForm& x,
                                                                    std::size_t max_elements,
                                                                    const basics::STOPREQUEST* stop,
                                                                    Test test) {
  // A sliding circuit lies in the ultra summit set and is reached by
  // slides alone: the exploration starts from it.
  SummitGraph graph(SummitKind::ultra_summit, sliding_circuit_element(x, stop), max_elements, stop);
  std::size_t tested = 0;
  for (;;) {
    for (; tested < graph.size(); ++tested) {
      basics::CHECKSTOP(stop);
      if (std::optional<Answer> answer = test(graph.element(tested))) {
        return std::make_pair(Conjugate{graph.element(tested), graph.conjugator(tested)},
                              std::move(*answer));
      }
    }
    if (!graph.expand_next()) {
      return std::nullopt;
    }
  }
}

Span must_be_round(const std::optional<Span>& image) {
  if (!image) {
    throw std::logic_error("garside: a curve of a reduction system stopped being round");
  }
  return *image;
}

// A conjugate of the input, the conjugator that carries the input to it, and
// a family of round curves that it sends onto itself through round curves.
struct RoundSystem {
  NormalForm element;
  NormalForm conjugator;
  std::vector<Span> curves;
};

// Refines the family until the braid of every component is periodic or
// pseudo-Anosov (the family is then adequate). Where the first-return
// braid z = z_0 ... z_(k-1) of a component orbit is reducible, its
// canonical reduction system G, round after a conjugator c, is brought into
// the disk: the component at O_j is conjugated by c_j = (z_0 ... z_(j-1))^-1 c
// with its blocks as tubes, so that y carries the blocks of each component
// of the orbit straight to the next (the braid from O_j to O_(j+1) becomes
// c_j^-1 z_j c_(j+1), trivial for j < k-1) and c^-1 z c from the last back
// to O_0: the curves of G around the same blocks in every component of the
// orbit are then round and sent onto each other. Each step adds curves to a
// family of at most n - 2, so the refinement ends.
void refine(RoundSystem& r, std::size_t max_elements, const basics::STOPREQUEST* stop) {
  const int n = r.element.strands;
  std::map<NormalForm, std::optional<ReductionSystem>> known;
  for (bool changed = true; changed;) {
    changed = false;
    for (const Span& outer : outers(n, r.curves)) {
      basics::CHECKSTOP(stop);
      const ComponentOrbit orbit = component_orbit(r.element, r.curves, outer);
      const NormalForm z = orbit.first_return();
      auto it = known.find(z);
      if (it == known.end()) {
        it = known.emplace(z, reduction_system(z, max_elements, stop)).first;
      }
      if (!it->second) {
        continue;
      }
      const ReductionSystem& inner = *it->second;
      const int m = z.strands;
      Word word;
      std::vector<Span> lifted;
      NormalForm prefix = identity(m);
      for (std::size_t j = 0; j < orbit.outers.size(); ++j) {
        const NormalForm c = multiply(inverse(prefix), inner.conjugator);
        const std::vector<int> widths = widths_of(blocks_of(r.curves, orbit.outers[j]));
        const Word w = cabled_word(c, widths, orbit.outers[j].lo);
        word.insert(word.end(), w.begin(), w.end());
        // The widths of the blocks after c, in the order of their positions.
        const std::vector<int> p = permutation_of(c);
        std::vector<int> after(widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i) {
          after[static_cast<std::size_t>(p[i])] = widths[i];
        }
        for (const Interval& g : inner.curves) {
          int lo = orbit.outers[j].lo;
          for (int t = 0; t < g.first - 1; ++t) {
            lo += after[static_cast<std::size_t>(t)];
          }
          int hi = lo - 1;
          for (int t = g.first - 1; t < g.last; ++t) {
            hi += after[static_cast<std::size_t>(t)];
          }
          lifted.push_back({lo, hi});
        }
        prefix = multiply(prefix, orbit.stages[j]);
      }
      const NormalForm conj = normal_form(n, word);
      std::vector<Span> curves = std::move(lifted);
      for (const Span& s : r.curves) {
        curves.push_back(must_be_round(round_image(conj, s)));
      }
      std::sort(curves.begin(), curves.end());
      curves.erase(std::unique(curves.begin(), curves.end()), curves.end());
      r.element = conjugate(r.element, conj);
      r.conjugator = multiply(r.conjugator, conj);
      r.curves = std::move(curves);
      changed = true;
      break;
    }
  }
}

// The canonical reduction system of y from an adequate round family CURVES:
// the orbits of curves whose removal leaves every merged component periodic
// are dropped, one orbit at a time.
std::vector<Span> canonical_from_adequate(const NormalForm& y, std::vector<Span> curves,
                                          const basics::STOPREQUEST* stop) {
  std::vector<std::vector<Span>> orbits;
  for (const Span& c : curves) {
    if (std::any_of(orbits.begin(), orbits.end(), [&c](const std::vector<Span>& o) {
          return std::find(o.begin(), o.end(), c) != o.end();
        })) {
      continue;
    }
    std::vector<Span> orbit{c};
    for (Span d = must_be_round(round_image(y, c)); d != c; d = must_be_round(round_image(y, d))) {
      orbit.push_back(d);
    }
    orbits.push_back(std::move(orbit));
  }
  const Span disk{0, y.strands - 1};
  for (const auto& orbit : orbits) {
    basics::CHECKSTOP(stop);
    std::vector<Span> rest;
    for (const Span& c : curves) {
      if (std::find(orbit.begin(), orbit.end(), c) == orbit.end()) {
        rest.push_back(c);
      }
    }
    bool periodic = true;
    for (const Span& removed : orbit) {
      // The merged component: the smallest remaining curve around the
      // removed one, or the whole disk.
      Span outer = disk;
      for (const Span& c : rest) {
        if (inside(removed, c) && inside(c, outer)) {
          outer = c;
        }
      }
      periodic = periodic && is_periodic(component_braid(y, rest, outer), stop);
      if (!periodic) {
        break;
      }
    }
    if (periodic) {
      curves = std::move(rest);
    }
  }
  return curves;
}

std::vector<Interval> to_intervals(const std::vector<Span>& spans) {
  std::vector<Interval> list;
  for (const Span& s : spans) {
    list.push_back(Interval{s.lo + 1, s.hi + 1});
  }
  std::sort(list.begin(), list.end());
  return list;
}

// x^K for K >= 1, by repeated squaring of normal forms.
NormalForm power(const NormalForm& x, std::int64_t k, const basics::STOPREQUEST* stop) {
  NormalForm result = identity(x.strands);
  NormalForm square = x;
  for (; k > 0; k /= 2) {
    basics::CHECKSTOP(stop);
    if (k % 2 != 0) {
      result = multiply(result, square);
    }
    if (k > 1) {
      square = multiply(square, square);
    }
  }
  return result;
}

bool is_delta_squared_power(const NormalForm& x) { return x.factors.empty() && x.delta % 2 == 0; }

}  // namespace

bool is_periodic(const NormalForm& x, const basics::STOPREQUEST* stop) {
  const int n = x.strands;
  if (n <= 2) {
    return true;
  }
  // A periodic braid is conjugate to a power of delta = sigma_1 ... sigma_(n-1)
  // or of sigma_1 delta, whose n-th and (n-1)-th powers are Delta^2; a
  // power of Delta^2 is central, so the n-th or (n-1)-th power of x is one
  // (Birman, Gebhardt and Gonzalez-Meneses 2007). Conversely a braid with
  // a central power is periodic by definition.
  const NormalForm before = power(x, n - 1, stop);
  if (is_delta_squared_power(before)) {
    return true;
  }
  return is_delta_squared_power(multiply(before, x));
}

NielsenThurstonType nielsen_thurston_type(const NormalForm& x, std::size_t max_elements,
                                          const basics::STOPREQUEST* stop) {
  if (is_periodic(x, stop)) {
    return NielsenThurstonType::periodic;
  }
  // A reducible braid has a conjugate whose canonical reduction curves are
  // all round. Cycling conjugates by the initial factor and decycling by the
  // inverse of the final factor, both of which send those curves to round
  // curves (Benardete, Gutierrez and Nitecki), so the walk to the ultra
  // summit set keeps them round: some member of the ultra summit set sends a
  // family of round curves onto itself. No member does exactly when x is
  // not reducible.
  const auto found = search_ultra_summit_set<std::vector<Span>>(
      x, max_elements, stop, [](const NormalForm& y) { return round_family(y); });
  if (!found) {
    return NielsenThurstonType::pseudo_anosov;
  }
  // The family found is a reduction system of the member: checked as such.
  if (!preserves_curves(conjugate(x, found->first.conjugator), to_intervals(found->second))) {
    throw std::logic_error("garside: a reduction system failed its check");
  }
  return NielsenThurstonType::reducible;
}

std::optional<ReductionSystem> reduction_system(const NormalForm& x, std::size_t max_elements,
                                                const basics::STOPREQUEST* stop) {
  if (is_periodic(x, stop)) {
    return std::nullopt;
  }
  const auto found = search_ultra_summit_set<std::vector<Span>>(
      x, max_elements, stop, [](const NormalForm& y) { return round_family(y); });
  if (!found) {
    return std::nullopt;
  }
  // Start from the periodic round curves that no other one crosses (they
  // hold every round curve of the canonical system), or from the family
  // found when there are none; refine it to an adequate family, which
  // contains the canonical system, and drop what is not canonical.
  std::vector<Span> start = uncrossed_round_curves(found->first.element);
  RoundSystem r{found->first.element, found->first.conjugator,
                start.empty() ? found->second : std::move(start)};
  refine(r, max_elements, stop);
  ReductionSystem system{r.conjugator, to_intervals(canonical_from_adequate(r.element, r.curves, stop))};
  if (system.curves.empty() || !preserves_curves(conjugate(x, system.conjugator), system.curves)) {
    throw std::logic_error("garside: a reduction system failed its check");
  }
  return system;
}

NormalForm multitwist(int strands, const std::vector<Interval>& curves) {
  Word word;
  for (const Interval& c : curves) {
    if (c.first < 1 || c.last > strands || c.first >= c.last) {
      throw std::invalid_argument("garside: the curve around " + std::to_string(c.first) + " .. " +
                                  std::to_string(c.last) + " is not one on " + std::to_string(strands) +
                                  " strands");
    }
    for (int k = 0; k <= c.last - c.first; ++k) {
      for (int i = c.first; i < c.last; ++i) {
        word.push_back(static_cast<std::int16_t>(i));
      }
    }
  }
  return normal_form(strands, word);
}

bool preserves_curves(const NormalForm& y, const std::vector<Interval>& curves) {
  const NormalForm t = multitwist(y.strands, curves);
  return multiply(y, t) == multiply(t, y);
}

std::int64_t rigidity(const NormalForm& x) {
  if (x.factors.empty()) {
    return 0;
  }
  NormalForm z = x;
  multiply_right(z, initial_factor(x));
  if (z.delta != x.delta) {
    return 0;
  }
  std::int64_t k = 0;
  while (k < static_cast<std::int64_t>(x.factors.size()) &&
         k < static_cast<std::int64_t>(z.factors.size()) &&
         x.factors[static_cast<std::size_t>(k)] == z.factors[static_cast<std::size_t>(k)]) {
    ++k;
  }
  return k;
}

}  // namespace garside
