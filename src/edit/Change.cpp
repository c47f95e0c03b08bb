#include "Change.h"

#include <algorithm>

#include "model/Geometry.h"

namespace trazello {

void Change::addArea(const IRect& box) {
  // Not unite(): a degenerate box (one point, a straight line) still needs its repaint.
  const IRect b = normalized(box);
  if (hasArea)
    area = {std::min(area.left, b.left), std::min(area.top, b.top), std::max(area.right, b.right),
            std::max(area.bottom, b.bottom)};
  else
    area = b;
  hasArea = true;
}

void Change::merge(const Change& other) {
  elements = elements || other.elements;
  selection = selection || other.selection;
  settings = settings || other.settings;
  all = all || other.all;
  if (other.hasArea) addArea(other.area);
  if (other.message) message = other.message;
}

}  // namespace trazello
