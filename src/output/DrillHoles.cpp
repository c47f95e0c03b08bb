#include "DrillHoles.h"

#include <algorithm>

#include "model/Geometry.h"
#include "NearestPath.h"
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

void orderNearest(const ElementList& elements, std::vector<size_t>& holes, Point start) {
  std::vector<Point> at;
  at.reserve(holes.size());
  for (size_t h : holes) at.push_back({elements[h].X, elements[h].Y});
  std::vector<size_t> ordered;
  ordered.reserve(holes.size());
  for (size_t k : nearestNeighbourOrder(at, start)) ordered.push_back(holes[k]);
  holes = std::move(ordered);
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
