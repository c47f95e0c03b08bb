#include "CopperGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "PadGeometry.h"

namespace trazello {

namespace {

bool isOctagon(uint8_t s) {
  return s == padshape::Octagon || s == padshape::OctagonH || s == padshape::OctagonV;
}
bool isLongHorizontally(uint8_t s) {
  return s == padshape::OblongH || s == padshape::OctagonH || s == padshape::RectH;
}
bool isLongVertically(uint8_t s) {
  return s == padshape::OblongV || s == padshape::OctagonV || s == padshape::RectV;
}

// Unturned points stay exact: a turn by 0 through sine and cosine would move them by a hair.
// Parts stand upright or sideways far more often than at any other angle; a whole number of
// quarter turns only swaps and negates the offsets from the centre, which gives the floats the
// general turn gives (its error lies far below a float's step) without sine and cosine.
Point turned(Point p, Point centre, Real clockwiseDegrees) {
  if (clockwiseDegrees == 0) return p;
  const Real quarters = clockwiseDegrees / 90;
  if (quarters != std::nearbyintl(quarters) || std::fabs(quarters) > 1e6)
    return rotatePoint(p, centre, -clockwiseDegrees);
  const Real dx = Real(p.x) - centre.x, dy = Real(p.y) - centre.y;
  auto at = [&](Real x, Real y) {
    return Point{static_cast<float>(centre.x + x), static_cast<float>(centre.y + y)};
  };
  switch (((static_cast<int64_t>(quarters) % 4) + 4) % 4) {
    case 1:
      return at(dy, -dx);
    case 2:
      return at(-dx, -dy);
    case 3:
      return at(-dy, dx);
    default:
      return at(dx, dy);
  }
}

std::vector<Point> turned(std::vector<Point> points, Point centre, Real clockwiseDegrees) {
  for (Point& p : points) p = turned(p, centre, clockwiseDegrees);
  return points;
}

}  // namespace

bool isRoundedPad(const TObjekt& pad) {
  return pad.PadShape == padshape::OblongH || pad.PadShape == padshape::OblongV;
}

Real padTurn(const TObjekt& pad) {
  if (pad.Kind != ElementKind::Pad) return 0;
  const size_t from = isOctagon(pad.PadShape) ? 1 : 0;
  if (pad.Points.size() < from + 2) return 0;
  Real turn = direction(pad.Points[from], pad.Points[from + 1]) * 180 / kPi;
  if (pad.PadShape == padshape::OblongV) turn -= 90;
  return turn;
}

GrownPad grownPad(const TObjekt& pad, double growth) {
  GrownPad g;
  g.centre = {pad.X, pad.Y};
  g.radius = double(pad.SizeA) + growth;
  switch (pad.PadShape) {
    case padshape::Round:
      g.form = PadForm::Disc;
      return g;
    case padshape::OblongH:
    case padshape::OblongV:
      if (pad.Points.size() < 2) return g;
      g.form = PadForm::Stadium;
      g.points = {pad.Points[0], pad.Points[1]};
      return g;
    case padshape::Octagon:
    case padshape::Square:
    case padshape::OctagonH:
    case padshape::RectH:
    case padshape::OctagonV:
    case padshape::RectV:
      if (pad.Points.size() < 3) return g;
      g.form = PadForm::Polygon;
      if (growth == 0) {
        g.points = pad.Points;
      } else {
        g.points = turned(padOutline(g.centre, pad.PadShape, pad.SizeA, static_cast<float>(growth)),
                          g.centre, padTurn(pad));
      }
      return g;
    default:
      return g;
  }
}

std::vector<Point> grownSmdCorners(const TObjekt& smd, double growth) {
  if (smd.Points.size() < 4) return {};
  const Point c = smdCentre(smd);
  return turned(smdCorners(c, static_cast<float>(smdSizeX(smd) + 2 * Real(growth)),
                           static_cast<float>(smdSizeY(smd) + 2 * Real(growth))),
                c, smdOrientation(smd));
}

Point padLikeCentre(const TObjekt& e) {
  return e.Kind == ElementKind::SmdPad ? smdCentre(e) : Point{e.X, e.Y};
}

int32_t spokeWidth(const TObjekt& e) {
  if (e.Kind == ElementKind::SmdPad)
    return roundInt(Real(std::min(e.SizeA, e.SizeB)) / 3 / 100 * e.Value53);
  return roundInt(Real(e.SizeA) / 1.5L / 100 * e.Value53);
}

std::vector<Spoke> thermalSpokes(const TObjekt& e) {
  if (!e.isPadLike() || !e.Thermal()) return {};
  const Point centre = padLikeCentre(e);
  const Real c = e.Clearance;
  Real hx, hy, orientation;
  if (e.Kind == ElementKind::SmdPad) {
    hx = Real(e.SizeA) / 2 + c;
    hy = Real(e.SizeB) / 2 + c;
    orientation = smdOrientation(e);
  } else {
    const Real r = e.SizeA;
    hx = (isLongHorizontally(e.PadShape) ? 2 : 1) * r + c;
    hy = (isLongVertically(e.PadShape) ? 2 : 1) * r + c;
    orientation = padOrientation(e);
  }
  // Mask bit k: clockwise from up in steps of 45 degrees, in the pad's own frame.
  static constexpr int kX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
  static constexpr int kY[8] = {1, 1, 0, -1, -1, -1, 0, 1};
  const int32_t width = spokeWidth(e);
  std::vector<Spoke> spokes;
  for (int k = 0; k < 8; ++k) {
    if (!((static_cast<uint32_t>(e.Spokes) >> k) & 1u)) continue;
    const Point end{static_cast<float>(centre.x + kX[k] * hx),
                    static_cast<float>(centre.y + kY[k] * hy)};
    spokes.push_back({turned(end, centre, orientation), centre, width});
  }
  return spokes;
}

}  // namespace trazello
