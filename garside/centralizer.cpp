#include "garside/centralizer.h"

#include <cstdint>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "garside/minimalconjugators.h"
#include "garside/summit.h"

namespace garside {

namespace {

// The ultra summit set of one class, explored from a member y along the
// arrows u -> u^s (s a minimal simple element of u) that leave the first
// member of each cycling orbit, the orbit's entry; with the generators of
// Z(y) that these arrows and the cycling orbits give (centralizer.h).
//
// Members are numbered orbit by orbit, each orbit from its entry in cycling
// order, so that member i + 1 is the cycling of member i inside an orbit.
// The tree paths: p_y = 1; an orbit met first through the arrow (u, s) has
// p_entry = p_u s; along the orbit p_(cycling(u)) = p_u iota(u).
class SummitTree {
 public:
  SummitTree(const NormalForm& y, std::size_t max_elements, const basics::STOPREQUEST* stop)
      : max_elements_(max_elements), stop_(stop) {
    add_orbit(y, identity(y.strands));
    for (std::size_t o = 0; o < orbits_.size(); ++o) {
      expand(o);
    }
  }

  const std::vector<NormalForm>& loops() const { return loops_; }

  // p_v for a member V.
  NormalForm path(const NormalForm& v) const {
    const auto it = index_.find(v);
    if (it == index_.end()) {
      throw std::logic_error("garside: a conjugate by a minimal simple element left the ultra summit set");
    }
    const std::size_t i = it->second;
    const Orbit& orbit = orbits_[orbit_of_[i]];
    NormalForm p = orbit.entry_path;
    for (std::size_t j = orbit.first; j < i; ++j) {
      multiply_right(p, cycling_conjugator_[j]);
    }
    return p;
  }

 private:
  struct Orbit {
    std::size_t first;
    std::size_t size;
    NormalForm entry_path;
  };

  // Adds the cycling orbit of V (a member not yet known) with p_V = PATH,
  // and the loop that closes the orbit: p_last iota(last) p_V^-1.
  void add_orbit(const NormalForm& v, NormalForm path) {
    const std::size_t first = members_.size();
    NormalForm closing = path;
    NormalForm u = v;
    do {
      basics::CHECKSTOP(stop_);
      if (max_elements_ != 0 && members_.size() >= max_elements_) {
        throw SetTooLarge("ultra summit set", max_elements_);
      }
      if (!index_.emplace(u, members_.size()).second) {
        throw std::logic_error("garside: a cycling orbit of the ultra summit set met another orbit");
      }
      const Simple iota = initial_factor(u);
      multiply_right(closing, iota);
      members_.push_back(u);
      orbit_of_.push_back(orbits_.size());
      cycling_conjugator_.push_back(iota);
      u = cycling(u);
    } while (u != v);
    loops_.push_back(multiply(closing, inverse(path)));
    orbits_.push_back(Orbit{first, members_.size() - first, std::move(path)});
  }

  // The arrows that leave the entry of orbit O: the tree arrow into each
  // orbit not yet met, and a loop p_entry s p_v^-1 for each other one.
  void expand(std::size_t o) {
    std::vector<NormalForm> elements(members_.begin() + static_cast<std::ptrdiff_t>(orbits_[o].first),
                                     members_.begin() + static_cast<std::ptrdiff_t>(orbits_[o].first + orbits_[o].size));
    const std::vector<Simple> minimal =
        std::move(minimal_orbit_conjugators(elements, Closure::cycling, stop_).front());
    for (const Simple& s : minimal) {
      basics::CHECKSTOP(stop_);
      NormalForm v = elements.front();
      conjugate_by(v, s);
      NormalForm p = orbits_[o].entry_path;
      multiply_right(p, s);
      if (index_.contains(v)) {
        loops_.push_back(multiply(p, inverse(path(v))));
      } else {
        add_orbit(v, std::move(p));
      }
    }
  }

  std::size_t max_elements_;
  const basics::STOPREQUEST* stop_;
  std::vector<NormalForm> members_;
  std::vector<std::size_t> orbit_of_;
  std::vector<Simple> cycling_conjugator_;  // iota of each member
  std::vector<Orbit> orbits_;
  std::unordered_map<NormalForm, std::size_t, NormalFormHash> index_;
  std::vector<NormalForm> loops_;
};

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

// Collects generators of the centralizer of a braid y: drops trivial braids,
// repetitions and inverses of earlier entries.
class Generators {
 public:
  explicit Generators(int strands) : strands_(strands) {}

  void add(NormalForm g) {
    if (is_trivial(g) || seen_.contains(g)) {
      return;
    }
    seen_.insert(inverse(g));
    seen_.insert(g);
    list_.push_back(std::move(g));
  }

  // Adds Delta^2 unless a power g^k, 1 <= k <= n, of a listed generator or
  // of its inverse is Delta^2 already (its exponent sum then divides
  // n(n-1), which bounds the powers tried).
  void add_full_twist() {
    const int n = strands_;
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

  // The generators carried to Z(x) = c Z(y) c^-1 (x = c y c^-1), each
  // checked to commute with x.
  std::vector<NormalForm> carried(const NormalForm& x, const NormalForm& c,
                                  const basics::STOPREQUEST* stop) && {
    const NormalForm c_inverse = inverse(c);
    for (NormalForm& g : list_) {
      basics::CHECKSTOP(stop);
      g = multiply(multiply(c, g), c_inverse);
      if (multiply(x, g) != multiply(g, x)) {
        throw std::logic_error("garside: a centralizer generator does not commute with the braid");
      }
    }
    return std::move(list_);
  }

 private:
  int strands_;
  std::unordered_set<NormalForm, NormalFormHash> seen_;
  std::vector<NormalForm> list_;
};

// Z(Delta^k), canonical length 0 (see centralizer.h).
std::vector<NormalForm> centralizer_of_delta_power(const NormalForm& x) {
  const int n = x.strands;
  Generators gens(n);
  if (x.delta % 2 == 0) {
    for (int i = 1; i < n; ++i) {
      gens.add(normal_form(Simple::atom(n, i)));
    }
  } else {
    for (int i = 1; 2 * i <= n; ++i) {
      gens.add(normal_form(left_join(Simple::atom(n, i), Simple::atom(n, n - i))));
    }
  }
  return std::move(gens).carried(x, identity(n), nullptr);
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
  const SummitTree tree(y, max_elements, stop);
  Generators gens(n);
  // z = Delta p_(tau(y))^-1, then the loops, then Delta^2.
  gens.add(multiply(delta_power(n, 1), inverse(tree.path(tau(y)))));
  for (const NormalForm& loop : tree.loops()) {
    basics::CHECKSTOP(stop);
    gens.add(loop);
  }
  gens.add_full_twist();
  return std::move(gens).carried(x, start.conjugator, stop);
}

}  // namespace garside
