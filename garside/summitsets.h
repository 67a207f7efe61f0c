// The summit sets of a conjugacy class, each member with a braid that carries
// the input to it.
//
//   super_summit_set   SSS(x): the conjugates of x with the largest inf and
//                      the smallest sup of the class (Elrifai and Morton 1994);
//   ultra_summit_set   USS(x): the members of SSS(x) that cycling brings back
//                      to themselves, as the closed cycling orbits they form
//                      (Gebhardt 2005);
//   sliding_circuits   SC(x): the conjugates of x that cyclic sliding brings
//                      back to themselves, as the closed sliding orbits (the
//                      sliding circuits) they form (Gebhardt and
//                      Gonzalez-Meneses 2010).
//
// SC(x) lies in USS(x), which lies in SSS(x); all three are finite, non-empty,
// and the same set for every braid of the class. Each Conjugate member holds
// element = conjugator^-1 x conjugator, x the input (see summit.h for the
// operations and their conventions). For a power of Delta (canonical length
// 0) every set is the single element x, since Delta^p's only conjugate with
// inf p and sup p is itself.
//
// Each set is reached from one of its members by the minimal simple
// conjugators of its members (minimalconjugators.h); cycling orbits and
// sliding circuits are taken whole. Members come in the order they are found:
// the first is the element reached from x by the walk of summit.h, and each
// orbit starts with the member found first and follows the operation.
//
// Limits: MAX_ELEMENTS bounds the number of members; the computation throws
// SetTooLarge as soon as one more member would be needed, so that memory stays
// in proportion to the limit (a member takes a few hundred bytes: its normal
// form, the simple braid that reached it and an index entry). The default,
// kDefaultMaxElements, keeps a call that names no limit to about a hundred
// megabytes; 0 means no limit. STOP is polled between members and inside
// every long loop; a stop request throws basics::INTERRUPTED and nothing is
// returned.
//
// Costs: per member, n - 1 closures of a generator; each costs O(r) meets and
// joins of simple braids per round for SSS, and for USS and SC a few rounds of
// N pullbacks and N transports (N the orbit length, one transport being one
// normal-form conjugation). Sets can be exponentially large in n (reducible
// braids especially); SC is the smallest of the three and usually small.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "basics/interrupt.h"
#include "garside/minimalconjugators.h"
#include "garside/normalform.h"
#include "garside/summit.h"

namespace garside {

// The limit on the members of a set when the caller gives none.
constexpr std::size_t kDefaultMaxElements = 100000;

// Thrown when a set has more members than the limit allows.
class SetTooLarge : public std::runtime_error {
 public:
  SetTooLarge(const std::string& set_name, std::size_t limit);
  const std::string& set_name() const { return set_name_; }
  std::size_t limit() const { return limit_; }

 private:
  std::string set_name_;
  std::size_t limit_;
};

std::vector<Conjugate> super_summit_set(const NormalForm& x, std::size_t max_elements = kDefaultMaxElements,
                                        const basics::STOPREQUEST* stop = nullptr);
std::vector<std::vector<Conjugate>> ultra_summit_set(const NormalForm& x,
                                                     std::size_t max_elements = kDefaultMaxElements,
                                                     const basics::STOPREQUEST* stop = nullptr);
std::vector<std::vector<Conjugate>> sliding_circuits(const NormalForm& x,
                                                     std::size_t max_elements = kDefaultMaxElements,
                                                     const basics::STOPREQUEST* stop = nullptr);

enum class SummitKind { super_summit, ultra_summit, sliding_circuits };

// The graph of one summit set as it is explored from one member: what the
// three functions above and the conjugacy test run on. Members are numbered
// in the order they are found; member 0 is START.element.
class SummitGraph {
 public:
  // START: a member of the set of KIND (its element) and the conjugator that
  // carries the input to it.
  SummitGraph(SummitKind kind, Conjugate start, std::size_t max_elements,
              const basics::STOPREQUEST* stop);
  // The index refers to the members by address: not copied, not moved.
  SummitGraph(const SummitGraph&) = delete;
  SummitGraph& operator=(const SummitGraph&) = delete;

  // Explores until the whole set is known.
  void explore();

  // One step of the exploration: the minimal conjugators of the next member
  // (SSS) or orbit (USS, SC) not yet expanded, and the members they lead to,
  // which are numbered from the size before the step on. False when every
  // member was already expanded: the set is complete.
  bool expand_next();
  bool complete() const;
  // X's number, if X is a member found so far.
  std::optional<std::size_t> find(const NormalForm& x) const;

  std::size_t size() const { return nodes_.size(); }
  const NormalForm& element(std::size_t i) const { return nodes_[i].element; }
  // The conjugator that carries the input to member I.
  NormalForm conjugator(std::size_t i) const;
  // All members with their conjugators, in the order found.
  std::vector<Conjugate> members() const;
  // The orbits (cycling or sliding) as lists of member numbers; for the super
  // summit set, one list of all members.
  const std::vector<std::vector<std::size_t>>& orbits() const { return orbits_; }

 private:
  struct Node {
    NormalForm element;
    std::size_t parent;  // npos for member 0
    Simple edge;         // element = edge^-1 element(parent) edge
  };
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // Adds ELEMENT (not yet a member) and, for USS and SC, the rest of its
  // orbit.
  void add(NormalForm element, std::size_t parent, Simple edge);
  void add_one(NormalForm element, std::size_t parent, Simple edge);
  const char* name() const;

  SummitKind kind_;
  NormalForm start_conjugator_;
  std::size_t max_elements_;
  const basics::STOPREQUEST* stop_;
  // The members by their elements, held once: the index stores member
  // numbers and looks the elements up in nodes_.
  struct IndexHash {
    using is_transparent = void;
    const std::vector<Node>* nodes;
    std::size_t operator()(std::size_t i) const { return NormalFormHash{}((*nodes)[i].element); }
    std::size_t operator()(const NormalForm& x) const { return NormalFormHash{}(x); }
  };
  struct IndexEqual {
    using is_transparent = void;
    const std::vector<Node>* nodes;
    const NormalForm& of(std::size_t i) const { return (*nodes)[i].element; }
    const NormalForm& of(const NormalForm& x) const { return x; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const { return of(a) == of(b); }
  };
  std::vector<Node> nodes_;
  std::unordered_set<std::size_t, IndexHash, IndexEqual> index_;
  std::vector<std::vector<std::size_t>> orbits_;
  std::size_t next_ = 0;  // the next member (SSS) or orbit (USS, SC) to expand
};

}  // namespace garside
