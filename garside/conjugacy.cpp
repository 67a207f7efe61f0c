#include "garside/conjugacy.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "garside/summit.h"
#include "garside/summitsets.h"

namespace garside {

namespace {

// Two invariants of conjugacy that cost one pass over the factors: the
// exponent sum (Delta has n(n-1)/2 letters, a simple braid as many as its
// crossings) and the cycle type of the permutation of the strands (conjugate
// braids have conjugate permutations).
std::int64_t exponent_sum(const NormalForm& x) {
  std::int64_t sum = x.delta * (static_cast<std::int64_t>(x.strands) * (x.strands - 1) / 2);
  for (const Simple& f : x.factors) {
    sum += f.length();
  }
  return sum;
}

std::vector<int> cycle_type(const NormalForm& x) {
  const auto n = static_cast<std::size_t>(x.strands);
  std::vector<std::size_t> p(n);
  for (std::size_t i = 0; i < n; ++i) {
    p[i] = x.delta % 2 == 0 ? i : n - 1 - i;
  }
  for (const Simple& f : x.factors) {
    for (std::size_t i = 0; i < n; ++i) {
      p[i] = f[static_cast<int>(p[i])];
    }
  }
  std::vector<bool> seen(n, false);
  std::vector<int> type;
  for (std::size_t i = 0; i < n; ++i) {
    int length = 0;
    for (std::size_t j = i; !seen[j]; j = p[j]) {
      seen[j] = true;
      ++length;
    }
    if (length > 0) {
      type.push_back(length);
    }
  }
  std::sort(type.begin(), type.end());
  return type;
}

}  // namespace

std::optional<NormalForm> conjugating_braid(const NormalForm& a, const NormalForm& b,
                                            std::size_t max_elements,
                                            const basics::STOPREQUEST* stop) {
  if (a.strands != b.strands) {
    throw std::invalid_argument("garside: braids on " + std::to_string(a.strands) + " and " +
                                std::to_string(b.strands) + " strands");
  }
  if (exponent_sum(a) != exponent_sum(b) || cycle_type(a) != cycle_type(b)) {
    return std::nullopt;
  }
  Conjugate sa = sliding_circuit_element(a, stop);
  const Conjugate sb = sliding_circuit_element(b, stop);
  if (inf(sa.element) != inf(sb.element) || sup(sa.element) != sup(sb.element)) {
    return std::nullopt;
  }
  // Both sets are SC of their classes: equal or disjoint. Each is explored
  // from its own end, the smaller first, until one holds a member of the
  // other (then a^u = z = b^v) or one is complete without it.
  NormalForm u;  // carries a to the common member
  NormalForm v;  // carries b to it
  if (sa.element == sb.element) {
    u = std::move(sa.conjugator);
    v = std::move(sb.conjugator);
  } else {
    SummitGraph ga(SummitKind::sliding_circuits, std::move(sa), max_elements, stop);
    SummitGraph gb(SummitKind::sliding_circuits, std::move(sb), max_elements, stop);
    std::size_t seen_a = 0;  // members already looked up in the other graph
    std::size_t seen_b = 0;
    const auto meet = [](const SummitGraph& g, std::size_t& seen, const SummitGraph& other)
        -> std::optional<std::pair<std::size_t, std::size_t>> {
      for (; seen < g.size(); ++seen) {
        if (const auto j = other.find(g.element(seen))) {
          return std::make_pair(seen, *j);
        }
      }
      return std::nullopt;
    };
    // Each member is looked up in the other graph once, when it is new: a
    // common member is found at the first look-up after its second finding.
    std::optional<std::pair<std::size_t, std::size_t>> common;  // numbers in ga, gb
    for (;;) {
      if (const auto m = meet(ga, seen_a, gb)) {
        common = m;
        break;
      }
      if (const auto m = meet(gb, seen_b, ga)) {
        common = std::make_pair(m->second, m->first);
        break;
      }
      // A complete set that holds no member of the other is not the other.
      if (ga.complete() || gb.complete()) {
        break;
      }
      (ga.size() <= gb.size() ? ga : gb).expand_next();
    }
    if (!common) {
      return std::nullopt;
    }
    u = ga.conjugator(common->first);
    v = gb.conjugator(common->second);
  }
  // a^u = b^v, so a^(u v^-1) = b.
  NormalForm c = multiply(u, inverse(v));
  if (conjugate(a, c) != b) {
    throw std::logic_error("garside: a conjugator failed its check");
  }
  return c;
}

std::optional<Word> is_conjugate(int strands, const Word& a, const Word& b,
                                 std::size_t max_elements, const basics::STOPREQUEST* stop) {
  const auto c = conjugating_braid(normal_form(strands, a, stop), normal_form(strands, b, stop),
                                   max_elements, stop);
  if (!c) {
    return std::nullopt;
  }
  return to_word(*c);
}

NormalForm conjugacy_representative(const NormalForm& x, std::size_t max_elements,
                                    const basics::STOPREQUEST* stop) {
  SummitGraph graph(SummitKind::sliding_circuits, sliding_circuit_element(x, stop), max_elements,
                    stop);
  graph.explore();
  std::size_t least = 0;
  for (std::size_t i = 1; i < graph.size(); ++i) {
    if (graph.element(i) < graph.element(least)) {
      least = i;
    }
  }
  return graph.element(least);
}

Word conjugacy_representative(int strands, const Word& x, std::size_t max_elements,
                              const basics::STOPREQUEST* stop) {
  return to_word(conjugacy_representative(normal_form(strands, x, stop), max_elements, stop));
}

}  // namespace garside
