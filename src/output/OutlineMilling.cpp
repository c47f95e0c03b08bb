#include "OutlineMilling.h"

#include <cmath>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

bool isOutlineElement(const TObjekt& e) {
  return e.Layer == layer::O && (e.Kind == ElementKind::Track || e.Kind == ElementKind::Circle);
}

std::vector<IPoint> trackPath(const TObjekt& e, const HpglFrame& frame) {
  std::vector<IPoint> out;
  for (const Point& p : e.Points) out.push_back(frame.plot(roundInt(p.x), roundInt(p.y)));
  return out;
}

// Counter-clockwise from the start angle to the end angle on the middle radius; equal angles
// make a full circle.
std::vector<IPoint> arcPath(const TObjekt& e, const HpglFrame& frame) {
  const int32_t w = roundInt(Real(e.SizeB) + (Real(e.SizeA) - e.SizeB) / 2);
  const int n = w / 100 + 30;
  const Real beta = Real(e.Spokes) * kPi / 180;
  Real gamma = Real(e.Width) * kPi / 180;
  if (gamma == beta) gamma += 2 * kPi;
  Real phi = std::fabs(beta - gamma);
  if (beta > gamma) phi = 2 * kPi - phi;
  std::vector<IPoint> out;
  for (int k = 0; k <= n; ++k) {
    const Real t = beta + phi * k / n;
    out.push_back(frame.plot(roundInt(std::cos(t) * w + e.X), roundInt(std::sin(t) * w + e.Y)));
  }
  return out;
}

}  // namespace

bool hasOutlineElements(const ElementList& elements) {
  for (const TObjekt& e : elements)
    if (isOutlineElement(e)) return true;
  return false;
}

bool hasSelectedOutlineElements(const ElementList& elements) {
  for (const TObjekt& e : elements)
    if (isOutlineElement(e) && e.Selected) return true;
  return false;
}

std::string outlineMillingFile(const ElementList& source, const BoardSettings& board,
                               const OutlineMillingOptions& o) {
  ElementList elements = source;
  if (o.camOrigin) {
    const auto dx = static_cast<float>(-Real(board.originX) / 1000);
    const auto dy = static_cast<float>(-(Real(board.originY) / 1000 + board.height));
    elements.editAll([&](TObjekt& e) { moveElement(e, dx, dy); });
  }
  const HpglFrame frame = hpglFrame(elements, board, o.specialFactor, o.mirror);
  HpglText out;
  out.header();
  out.referenceHoles(frame, o.refs);
  for (const TObjekt& e : elements) {
    if (!isOutlineElement(e) || (o.selectedOnly && !e.Selected)) continue;
    if (e.Kind == ElementKind::Track && e.Points.size() >= 2) out.openPath(trackPath(e, frame));
    if (e.Kind == ElementKind::Circle) out.openPath(arcPath(e, frame));
  }
  return out.text();
}

}  // namespace trazello
