#include "HitTest.h"

#include <cmath>

#include "checks/CopperShapes.h"
#include "checks/PolygonOps.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/NodeHandles.h"

namespace trazello {

namespace {

double signedArea(const Path& ring) {
  double a = 0;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
    a += double(ring[j].x) * double(ring[i].y) - double(ring[i].x) * double(ring[j].y);
  return a;
}

// Outlines count +1 and holes -1, so a point in a ring's hole is outside.
bool contains(const Paths& region, CPoint p) {
  int winding = 0;
  for (const Path& ring : region) {
    if (ring.size() < 3 || !insideRing(ring, p)) continue;
    winding += signedArea(ring) >= 0 ? 1 : -1;
  }
  return winding > 0;
}

bool isPadOrSmd(const TObjekt& e) {
  return e.isPadLike();
}

// Whether a later (lower in the list) hit takes the place of the candidate.
bool replaces(const TObjekt& hit, const TObjekt& candidate) {
  if (hit.isPadLike() && !isPlatedPad(hit) && !isPadOrSmd(candidate)) return true;
  if (candidate.KeepOut) return true;
  return isPlatedPad(hit) && !isPlatedPad(candidate);
}

}  // namespace

std::array<uint8_t, 7> hitLayerOrder(int activeLayer) {
  using namespace layer;
  switch (activeLayer) {
    case C1:
    case S1:
      return {O, S1, S2, C1, C2, I2, I1};
    case I1:
      return {O, S2, S1, I1, I2, C2, C1};
    case I2:
      return {O, S2, S1, I2, I1, C2, C1};
    default:
      return {O, S2, S1, C2, C1, I2, I1};
  }
}

HitTest::HitTest(const ElementList& list, const BoardIndex& index, const LayerState& layers,
                 double zoom, bool showVirtualNodes)
    : list_(list),
      index_(index),
      layers_(layers),
      zoom_(zoom > 0 ? zoom : 1),
      showVirtualNodes_(showVirtualNodes) {}

bool HitTest::regionHits(const TObjekt& e, Point p) const {
  const Paths region = elementRegion(e, &layers_);
  if (contains(region, toShape(p))) return true;
  if (zoom_ >= 1) return false;
  // Below one pixel per unit the screen draws every line at least a pixel wide.
  const double h = 1 / zoom_;
  const Paths pixel{{toShape(p.x - h, p.y - h), toShape(p.x + h, p.y - h),
                     toShape(p.x + h, p.y + h), toShape(p.x - h, p.y + h)}};
  return overlap(region, pixel);
}

std::optional<size_t> HitTest::at(Point p, bool coppersOnly) const {
  const IPoint q = roundPoint(p);
  const Point at{float(q.x), float(q.y)};
  const int32_t reach = static_cast<int32_t>(std::ceil(3 / zoom_)) + 1;
  std::vector<size_t> near;
  index_.query({q.x - reach, q.y - reach, q.x + reach, q.y + reach}, near);
  if (near.empty()) return std::nullopt;
  if (!coppersOnly) {
    if (auto hit = selectedAt(at, near)) return hit;
  }
  for (uint8_t code : hitLayerOrder(layers_.activeLayer)) {
    if (coppersOnly && !isCopperLayer(code)) continue;
    if (auto hit = onLayerAt(code, at, near, coppersOnly)) return hit;
  }
  return std::nullopt;
}

std::optional<size_t> HitTest::selectedAt(Point p, const std::vector<size_t>& near) const {
  for (auto it = near.rbegin(); it != near.rend(); ++it) {
    const TObjekt& e = list_[*it];
    if (!e.Selected) continue;
    const bool handles =
        e.Groups.empty() && isDrawn(e, layers_) &&
        (e.is(ElementKind::Track) || e.is(ElementKind::Zone) || e.is(ElementKind::Circle));
    if (handles && hitNodeHandle(e, p, zoom_, showVirtualNodes_) >= 0) return *it;
    if (regionHits(e, p)) return *it;
  }
  return std::nullopt;
}

std::optional<size_t> HitTest::onLayerAt(int layerCode, Point p, const std::vector<size_t>& near,
                                         bool coppersOnly) const {
  std::optional<size_t> candidate;
  for (auto it = near.rbegin(); it != near.rend(); ++it) {
    const TObjekt& e = list_[*it];
    if (!isShownOnLayer(e, layerCode, layers_)) continue;
    if (coppersOnly && e.KeepOut) continue;
    if (candidate && !replaces(e, list_[*candidate])) continue;
    if (regionHits(e, p)) candidate = *it;
  }
  return candidate;
}

}  // namespace trazello
