#include "PadShapes.h"

#include <algorithm>

#include "model/Geometry.h"
#include "model/PadGeometry.h"

namespace trazello {

bool isRoundedPad(const TObjekt& pad) {
  return pad.PadShape == padshape::OblongH || pad.PadShape == padshape::OblongV;
}

std::vector<Point> grownPadOutline(const TObjekt& pad, float margin) {
  const Point c{pad.X, pad.Y};
  std::vector<Point> pts = padOutline(c, pad.PadShape, pad.SizeA, margin);
  const Real o = padOrientation(pad);
  for (Point& p : pts) p = rotatePoint(p, c, -o);
  return pts;
}

std::vector<Point> grownSmdCorners(const TObjekt& smd, float margin) {
  const Point c = smdCentre(smd);
  const Real o = smdOrientation(smd);
  std::vector<Point> pts = smdCorners(c, static_cast<float>(smdSizeX(smd) + 2 * Real(margin)),
                                      static_cast<float>(smdSizeY(smd) + 2 * Real(margin)));
  for (Point& p : pts) p = rotatePoint(p, c, -o);
  return pts;
}

Point padLikeCentre(const TObjekt& e) {
  return e.Kind == ElementKind::SmdPad ? smdCentre(e) : Point{e.X, e.Y};
}

namespace {
constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDy[8] = {1, 1, 0, -1, -1, -1, 0, 1};

bool isHorizontal(uint8_t s) {
  return s == padshape::OblongH || s == padshape::OctagonH || s == padshape::RectH;
}
bool isVertical(uint8_t s) {
  return s == padshape::OblongV || s == padshape::OctagonV || s == padshape::RectV;
}
}  // namespace

Point spokeEnd(const TObjekt& e, int k) {
  const Point c = padLikeCentre(e);
  Real hx, hy, o;
  if (e.Kind == ElementKind::SmdPad) {
    hx = smdSizeX(e) / 2 + e.Clearance;
    hy = smdSizeY(e) / 2 + e.Clearance;
    o = smdOrientation(e);
  } else {
    const Real r = e.SizeA;
    hx = (isHorizontal(e.PadShape) ? 2 : 1) * r + e.Clearance;
    hy = (isVertical(e.PadShape) ? 2 : 1) * r + e.Clearance;
    o = padOrientation(e);
  }
  const Point end{static_cast<float>(c.x + kDx[k] * hx), static_cast<float>(c.y + kDy[k] * hy)};
  return rotatePoint(end, c, -o);
}

int32_t spokeWidth(const TObjekt& e) {
  if (e.Kind == ElementKind::SmdPad)
    return roundInt(Real(std::min(e.SizeA, e.SizeB)) / 3 / 100 * e.Value53);
  return roundInt(Real(e.SizeA) / 1.5L / 100 * e.Value53);
}

}  // namespace trazello
