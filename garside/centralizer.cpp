#include "garside/centralizer.h"

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "garside/minimalconjugators.h"
#include "garside/summit.h"

namespace garside {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The ultra summit set of one class with every arrow u -> u^s, s a minimal
// simple element of u.
struct SummitArrows {
  struct Arrow {
    std::size_t from;
    Simple label;
    std::size_t to;
  };
  std::vector<NormalForm> members;  // member 0 is the start
  std::vector<std::vector<std::size_t>> orbits;
  std::vector<Arrow> arrows;
  std::unordered_map<NormalForm, std::size_t, NormalFormHash> index;
};

// Adds the cycling orbit of Y (a member of the USS not yet known) and returns
// Y's number.
std::size_t add_orbit(SummitArrows& set, const NormalForm& y, std::size_t max_elements,
                      const basics::STOPREQUEST* stop) {
  const std::size_t first = set.members.size();
  std::vector<std::size_t> orbit;
  NormalForm u = y;
  do {
    basics::CHECKSTOP(stop);
    if (max_elements != 0 && set.members.size() >= max_elements) {
      throw SetTooLarge("ultra summit set", max_elements);
    }
    if (!set.index.emplace(u, set.members.size()).second) {
      throw std::logic_error("garside: a cycling orbit of the ultra summit set met another orbit");
    }
    orbit.push_back(set.members.size());
    set.members.push_back(u);
    u = cycling(u);
  } while (u != y);
  set.orbits.push_back(std::move(orbit));
  return first;
}

// The whole USS of Y (a member) with its arrows: every member is reached from
// Y by arrows (the graph is strongly connected, centralizer.h).
SummitArrows explore(const NormalForm& y, std::size_t max_elements, const basics::STOPREQUEST* stop) {
  SummitArrows set;
  add_orbit(set, y, max_elements, stop);
  for (std::size_t o = 0; o < set.orbits.size(); ++o) {
    const std::vector<std::size_t> orbit = set.orbits[o];
    std::vector<NormalForm> elements;
    elements.reserve(orbit.size());
    for (const std::size_t i : orbit) {
      elements.push_back(set.members[i]);
    }
    const auto minimal = minimal_orbit_conjugators(elements, Closure::cycling, stop);
    for (std::size_t k = 0; k < orbit.size(); ++k) {
      for (const Simple& s : minimal[k]) {
        NormalForm v = elements[k];
        conjugate_by(v, s);
        const auto it = set.index.find(v);
        const std::size_t to = it != set.index.end() ? it->second : add_orbit(set, v, max_elements, stop);
        set.arrows.push_back({orbit[k], s, to});
      }
    }
  }
  return set;
}

// The exponent sum of X: every factor contributes its length.
std::int64_t exponent_sum(const NormalForm& x) {
  const std::int64_t n = x.strands;
  std::int64_t e = x.delta * (n * (n - 1) / 2);
  for (const Simple& s : x.factors) {
    e += s.length();
  }
  return e;
}

bool is_trivial(const NormalForm& g) { return g.delta == 0 && g.factors.empty(); }

// Collects the generators of Z(x): drops trivial braids, repetitions and
// inverses of earlier entries, and checks that each commutes with x.
class Generators {
 public:
  explicit Generators(const NormalForm& x) : x_(x) {}

  void add(NormalForm g) {
    if (is_trivial(g) || seen_.contains(g)) {
      return;
    }
    if (multiply(x_, g) != multiply(g, x_)) {
      throw std::logic_error("garside: a centralizer generator does not commute with the braid");
    }
    seen_.insert(inverse(g));
    seen_.insert(g);
    list_.push_back(std::move(g));
  }

  // Adds Delta^2 unless a power g^k, 1 <= k <= n, of a listed generator or
  // of its inverse is Delta^2 already (its exponent sum then divides
  // n(n-1), which bounds the powers tried).
  void add_full_twist() {
    const int n = x_.strands;
    const NormalForm twist = delta_power(n, 2);
    const std::int64_t twist_sum = static_cast<std::int64_t>(n) * (n - 1);
    for (const NormalForm& g : list_) {
      const std::int64_t e = exponent_sum(g);
      if (e == 0 || twist_sum % e != 0) {
        continue;
      }
      const std::int64_t k = twist_sum / (e > 0 ? e : -e);
      if (k > n) {
        continue;
      }
      const NormalForm base = e > 0 ? g : inverse(g);
      NormalForm power = base;
      for (std::int64_t j = 1; j < k; ++j) {
        power = multiply(power, base);
      }
      if (power == twist) {
        return;
      }
    }
    add(twist);
  }

  std::vector<NormalForm> take() { return std::move(list_); }

 private:
  const NormalForm& x_;
  std::unordered_set<NormalForm, NormalFormHash> seen_;
  std::vector<NormalForm> list_;
};

// Z(Delta^k), canonical length 0 (see centralizer.h).
std::vector<NormalForm> centralizer_of_delta_power(const NormalForm& x) {
  const int n = x.strands;
  Generators gens(x);
  if (x.delta % 2 == 0) {
    for (int i = 1; i < n; ++i) {
      gens.add(normal_form(Simple::atom(n, i)));
    }
  } else {
    for (int i = 1; 2 * i <= n; ++i) {
      gens.add(normal_form(left_join(Simple::atom(n, i), Simple::atom(n, n - i))));
    }
  }
  return gens.take();
}

}  // namespace

std::vector<NormalForm> centralizer(const NormalForm& x, std::size_t max_elements,
                                    const basics::STOPREQUEST* stop) {
  const int n = x.strands;
  if (n == 1) {
    return {};
  }
  if (x.factors.empty()) {
    return centralizer_of_delta_power(x);
  }
  const Conjugate start = ultra_summit_element(x, stop);
  const NormalForm& y = start.element;
  const NormalForm& c = start.conjugator;
  const NormalForm c_inverse = inverse(c);
  const SummitArrows set = explore(y, max_elements, stop);

  // The paths p_u of a breadth-first spanning tree from y, and which arrows
  // it uses.
  const std::size_t size = set.members.size();
  std::vector<std::vector<std::size_t>> out(size);
  for (std::size_t a = 0; a < set.arrows.size(); ++a) {
    out[set.arrows[a].from].push_back(a);
  }
  std::vector<NormalForm> path(size);
  std::vector<bool> reached(size, false);
  std::vector<bool> in_tree(set.arrows.size(), false);
  path[0] = identity(n);
  reached[0] = true;
  std::deque<std::size_t> queue{0};
  std::size_t count = 1;
  while (!queue.empty()) {
    const std::size_t u = queue.front();
    queue.pop_front();
    for (const std::size_t a : out[u]) {
      const auto& arrow = set.arrows[a];
      if (!reached[arrow.to]) {
        basics::CHECKSTOP(stop);
        reached[arrow.to] = true;
        in_tree[a] = true;
        path[arrow.to] = path[u];
        multiply_right(path[arrow.to], arrow.label);
        queue.push_back(arrow.to);
        ++count;
      }
    }
  }
  if (count != size) {
    throw std::logic_error("garside: the arrows of the ultra summit set do not reach every member");
  }

  // Each generator of Z(y), carried to Z(x) = c Z(y) c^-1.
  Generators gens(x);
  const auto carry = [&](const NormalForm& g) { gens.add(multiply(multiply(c, g), c_inverse)); };
  const auto flipped = set.index.find(tau(y));
  if (flipped == set.index.end()) {
    throw std::logic_error("garside: the ultra summit set lacks the flip of its member");
  }
  carry(multiply(delta_power(n, 1), inverse(path[flipped->second])));
  for (std::size_t a = 0; a < set.arrows.size(); ++a) {
    if (in_tree[a]) {
      continue;
    }
    basics::CHECKSTOP(stop);
    const auto& arrow = set.arrows[a];
    NormalForm loop = path[arrow.from];
    multiply_right(loop, arrow.label);
    carry(multiply(loop, inverse(path[arrow.to])));
  }
  gens.add_full_twist();
  return gens.take();
}

}  // namespace garside
