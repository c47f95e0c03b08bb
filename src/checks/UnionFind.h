#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

namespace trazello {

// Disjoint sets of the numbers 0..n-1; each set is represented by its smallest member, so
// that the representatives do not depend on the order of the unions.
class UnionFind {
 public:
  explicit UnionFind(size_t n = 0) : parent_(n) {
    std::iota(parent_.begin(), parent_.end(), size_t{0});
  }
  size_t find(size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void unite(size_t a, size_t b) {
    a = find(a);
    b = find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

 private:
  std::vector<size_t> parent_;
};

}  // namespace trazello
