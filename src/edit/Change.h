#pragma once

#include <optional>

#include "model/Message.h"
#include "model/Point.h"

namespace trazello {

// What one finished command or tool step touched, so that the window repaints only what it must
// and refreshes the rest once: the changed area in world units (or everything), whether
// elements, the selection or board settings changed, and a message for the user.
struct Change {
  bool elements = false;   // element geometry or properties (the document is modified)
  bool selection = false;  // which elements are selected
  bool settings = false;   // board settings (grid, origin, layers)
  bool all = false;        // repaint everything instead of `area`
  bool hasArea = false;
  IRect area{};  // normalised, units
  std::optional<Message> message;

  // Adds a world box to the repaint area.
  void addArea(const IRect& box);
  // Takes over everything `other` touched.
  void merge(const Change& other);
  bool empty() const {
    return !elements && !selection && !settings && !all && !hasArea && !message;
  }
};

}  // namespace trazello
