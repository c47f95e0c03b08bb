#pragma once

#include <vector>

#include "checks/DesignRuleCheck.h"

namespace trazello {

// The design rule check's pair loops as written out: every element is a candidate for every
// other, and only the rules' own tests decide. The reference that the indexed check is measured
// against.
class PairLoopSearch : public NeighbourSearch {
 public:
  void insert(size_t id, const IRect&) override { ids_.push_back(id); }
  std::vector<size_t> overlapping(const IRect&) const override { return ids_; }

 private:
  std::vector<size_t> ids_;  // ascending
};

inline NeighbourSearchFactory pairLoops() {
  return [](const IRect&, size_t) { return std::make_unique<PairLoopSearch>(); };
}

}  // namespace trazello
