#include "garside/summitsets.h"

#include <stdexcept>
#include <utility>

namespace garside {

namespace {

Closure closure_of(SummitKind kind) {
  return kind == SummitKind::ultra_summit ? Closure::cycling : Closure::sliding;
}

std::vector<std::vector<Conjugate>> by_orbits(const SummitGraph& graph) {
  const std::vector<Conjugate> members = graph.members();
  std::vector<std::vector<Conjugate>> orbits;
  orbits.reserve(graph.orbits().size());
  for (const auto& orbit : graph.orbits()) {
    std::vector<Conjugate> list;
    list.reserve(orbit.size());
    for (const std::size_t i : orbit) {
      list.push_back(members[i]);
    }
    orbits.push_back(std::move(list));
  }
  return orbits;
}

}  // namespace

SetTooLarge::SetTooLarge(const std::string& set_name, std::size_t limit)
    : std::runtime_error("garside: the " + set_name + " has more elements than the limit of " +
                         std::to_string(limit)),
      set_name_(set_name),
      limit_(limit) {}

SummitGraph::SummitGraph(SummitKind kind, Conjugate start, std::size_t max_elements,
                         const basics::STOPREQUEST* stop)
    : kind_(kind),
      start_conjugator_(std::move(start.conjugator)),
      max_elements_(max_elements),
      stop_(stop),
      index_(16, IndexHash{&nodes_}, IndexEqual{&nodes_}) {
  if (kind_ == SummitKind::super_summit) {
    orbits_.emplace_back();
  }
  const int n = start.element.strands;
  add(std::move(start.element), npos, Simple(n));
}

const char* SummitGraph::name() const {
  switch (kind_) {
    case SummitKind::super_summit:
      return "super summit set";
    case SummitKind::ultra_summit:
      return "ultra summit set";
    case SummitKind::sliding_circuits:
      break;
  }
  return "set of sliding circuits";
}

void SummitGraph::add_one(NormalForm element, std::size_t parent, Simple edge) {
  if (max_elements_ != 0 && nodes_.size() >= max_elements_) {
    throw SetTooLarge(name(), max_elements_);
  }
  if (index_.find(element) != index_.end()) {
    throw std::logic_error("garside: a summit orbit met a member of another orbit");
  }
  const std::size_t i = nodes_.size();
  nodes_.push_back(Node{std::move(element), parent, std::move(edge)});
  index_.insert(i);
  if (kind_ == SummitKind::super_summit) {
    orbits_.front().push_back(i);
  }
}

void SummitGraph::add(NormalForm element, std::size_t parent, Simple edge) {
  if (kind_ == SummitKind::super_summit) {
    add_one(std::move(element), parent, std::move(edge));
    return;
  }
  // The whole orbit: the element lies in the set, so the operation, which
  // permutes the set, brings it back.
  const NormalForm first = element;
  std::vector<std::size_t> orbit{nodes_.size()};
  add_one(std::move(element), parent, std::move(edge));
  for (;;) {
    basics::CHECKSTOP(stop_);
    const NormalForm& current = nodes_.back().element;
    Simple g = kind_ == SummitKind::ultra_summit ? initial_factor(current)
                                                 : preferred_prefix(current);
    NormalForm next = kind_ == SummitKind::ultra_summit ? cycling(current) : cyclic_sliding(current, g);
    if (next == first) {
      break;
    }
    orbit.push_back(nodes_.size());
    add_one(std::move(next), nodes_.size() - 1, std::move(g));
  }
  orbits_.push_back(std::move(orbit));
}

bool SummitGraph::complete() const {
  return next_ >= (kind_ == SummitKind::super_summit ? nodes_.size() : orbits_.size());
}

std::optional<std::size_t> SummitGraph::find(const NormalForm& x) const {
  const auto it = index_.find(x);
  if (it == index_.end()) {
    return std::nullopt;
  }
  return *it;
}

bool SummitGraph::expand_next() {
  basics::CHECKSTOP(stop_);
  if (complete()) {
    return false;
  }
  if (kind_ == SummitKind::super_summit) {
    const std::size_t i = next_++;
    const NormalForm y = nodes_[i].element;
    for (const Simple& c : minimal_super_summit_conjugators(y, stop_)) {
      NormalForm z = y;
      conjugate_by(z, c);
      if (index_.find(z) == index_.end()) {
        add(std::move(z), i, c);
      }
    }
    return true;
  }
  const std::vector<std::size_t> orbit = orbits_[next_++];
  std::vector<NormalForm> elements;
  elements.reserve(orbit.size());
  for (const std::size_t i : orbit) {
    elements.push_back(nodes_[i].element);
  }
  const auto minimal = minimal_orbit_conjugators(elements, closure_of(kind_), stop_);
  for (std::size_t k = 0; k < orbit.size(); ++k) {
    for (const Simple& c : minimal[k]) {
      NormalForm z = elements[k];
      conjugate_by(z, c);
      if (index_.find(z) == index_.end()) {
        add(std::move(z), orbit[k], c);
      }
    }
  }
  return true;
}

void SummitGraph::explore() {
  while (expand_next()) {
  }
}

NormalForm SummitGraph::conjugator(std::size_t i) const {
  std::vector<const Simple*> edges;
  for (std::size_t j = i; nodes_[j].parent != npos; j = nodes_[j].parent) {
    edges.push_back(&nodes_[j].edge);
  }
  NormalForm c = start_conjugator_;
  for (std::size_t k = edges.size(); k-- > 0;) {
    multiply_right(c, *edges[k]);
  }
  return c;
}

std::vector<Conjugate> SummitGraph::members() const {
  std::vector<Conjugate> list;
  list.reserve(nodes_.size());
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    NormalForm c = nodes_[i].parent == npos ? start_conjugator_ : list[nodes_[i].parent].conjugator;
    if (nodes_[i].parent != npos) {
      multiply_right(c, nodes_[i].edge);
    }
    list.push_back(Conjugate{nodes_[i].element, std::move(c)});
  }
  return list;
}

std::vector<Conjugate> super_summit_set(const NormalForm& x, std::size_t max_elements,
                                        const basics::STOPREQUEST* stop) {
  SummitGraph graph(SummitKind::super_summit, super_summit_element(x, stop), max_elements, stop);
  graph.explore();
  return graph.members();
}

std::vector<std::vector<Conjugate>> ultra_summit_set(const NormalForm& x,
                                                     std::size_t max_elements,
                                                     const basics::STOPREQUEST* stop) {
  SummitGraph graph(SummitKind::ultra_summit, ultra_summit_element(x, stop), max_elements, stop);
  graph.explore();
  return by_orbits(graph);
}

std::vector<std::vector<Conjugate>> sliding_circuits(const NormalForm& x,
                                                     std::size_t max_elements,
                                                     const basics::STOPREQUEST* stop) {
  SummitGraph graph(SummitKind::sliding_circuits, sliding_circuit_element(x, stop), max_elements,
                    stop);
  graph.explore();
  return by_orbits(graph);
}

}  // namespace garside
