#include "DrillHoles.h"

#include <algorithm>

#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

int32_t holeDiameter(const TObjekt& e) {
  if (e.Kind != ElementKind::Pad || !isCopperLayer(e.Layer)) return 0;
  const int32_t d = roundInt(2 * Real(e.SizeB));
  return d >= 1 ? d : 0;
}

bool isSelectedHole(const TObjekt& e, const HoleFilter& filter) {
  if (holeDiameter(e) == 0) return false;
  return e.Plated ? filter.plated : filter.unplated;
}

std::vector<int32_t> toolList(const ElementList& elements, const HoleFilter& filter) {
  std::vector<int32_t> tools;
  for (const TObjekt& e : elements)
    if (isSelectedHole(e, filter)) tools.push_back(holeDiameter(e));
  std::sort(tools.begin(), tools.end());
  tools.erase(std::unique(tools.begin(), tools.end()), tools.end());
  return tools;
}

namespace {

Real squaredDistance(const TObjekt& a, Point b) {
  const Real dx = Real(a.X) - b.x, dy = Real(a.Y) - b.y;
  return dx * dx + dy * dy;
}

// Exchanges into `slot` the nearest hole to `from` among slot..end; the earlier one wins ties.
void bringNearest(const ElementList& elements, std::vector<size_t>& holes, size_t slot,
                  Point from) {
  size_t best = slot;
  Real bestDistance = squaredDistance(elements[holes[slot]], from);
  for (size_t k = slot + 1; k < holes.size(); ++k) {
    const Real d = squaredDistance(elements[holes[k]], from);
    if (d < bestDistance) {
      bestDistance = d;
      best = k;
    }
  }
  std::swap(holes[slot], holes[best]);
}

void orderNearest(const ElementList& elements, std::vector<size_t>& holes, Point start) {
  if (holes.size() < 2) return;
  bringNearest(elements, holes, 0, start);
  for (size_t k = 0; k + 1 < holes.size(); ++k) {
    const TObjekt& here = elements[holes[k]];
    bringNearest(elements, holes, k + 1, {here.X, here.Y});
  }
}

}  // namespace

std::vector<size_t> holesOfTool(const ElementList& elements, int32_t diameter,
                                const HoleFilter& filter, bool ordered, Point start) {
  std::vector<size_t> holes;
  for (size_t i = 0; i < elements.size(); ++i)
    if (isSelectedHole(elements[i], filter) && holeDiameter(elements[i]) == diameter)
      holes.push_back(i);
  if (ordered) orderNearest(elements, holes, start);
  return holes;
}

std::vector<size_t> holesInOrder(const ElementList& elements, const HoleFilter& filter,
                                 Point start) {
  std::vector<size_t> holes;
  for (size_t i = 0; i < elements.size(); ++i)
    if (isSelectedHole(elements[i], filter)) holes.push_back(i);
  orderNearest(elements, holes, start);
  return holes;
}

}  // namespace trazello
