#pragma once

#include <compare>
#include <cstdint>
#include <functional>

namespace trazello {

// The identity of an element for the whole run. References between elements (links, routed
// track pads) hold ids, so they survive insertion, deletion, undo snapshots and copying; files
// turn them into list indices and back.
struct ElementId {
  uint64_t value = 0;  // 0: none
  explicit operator bool() const { return value != 0; }
  friend auto operator<=>(const ElementId&, const ElementId&) = default;

  static ElementId fresh();
};

}  // namespace trazello

template <>
struct std::hash<trazello::ElementId> {
  size_t operator()(const trazello::ElementId& id) const noexcept {
    return std::hash<uint64_t>{}(id.value);
  }
};
