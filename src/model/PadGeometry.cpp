#include "PadGeometry.h"

#include <cmath>

#include "CopperGeometry.h"

namespace trazello {

std::vector<Point> padOutline(Point centre, uint8_t shape, float r, float enlargement) {
  const Real x = centre.x;
  const Real y = centre.y;
  const Real d = Real(enlargement) + r;
  const Real D = Real(enlargement) + 2 * Real(r);
  auto pt = [](Real px, Real py) { return Point{static_cast<float>(px), static_cast<float>(py)}; };
  auto box = [&](Real hx, Real hy) {
    return std::vector<Point>{pt(x - hx, y + hy), pt(x + hx, y + hy), pt(x + hx, y - hy),
                              pt(x - hx, y - hy)};
  };
  auto octagon = [&](Real hx, Real hy) {
    const Real k = std::rintl(0.585L * d);
    return std::vector<Point>{pt(x - hx, y + hy - k), pt(x - hx + k, y + hy),
                              pt(x + hx - k, y + hy), pt(x + hx, y + hy - k),
                              pt(x + hx, y - hy + k), pt(x + hx - k, y - hy),
                              pt(x - hx + k, y - hy), pt(x - hx, y - hy + k)};
  };
  switch (shape) {
    case padshape::Round:
    case padshape::OblongH: return {pt(x - d, y), pt(x + d, y)};
    case padshape::OblongV: return {pt(x, y + d), pt(x, y - d)};
    case padshape::Square: return box(d, d);
    case padshape::RectH: return box(D, d);
    case padshape::RectV: return box(d, D);
    case padshape::Octagon: return octagon(d, d);
    case padshape::OctagonH: return octagon(D, d);
    case padshape::OctagonV: return octagon(d, D);
    default: return {};
  }
}

namespace {
Real degreesOf(Real radians) {
  return radians * 180 / kPi;
}
}  // namespace

Real padOrientation(const TObjekt& pad) {
  Real o = std::rintl(padTurn(pad) * 100) / 100;
  if (o < 0) o += 360;
  if (o >= 360) o -= 360;
  return o;
}

void rebuildPadOutline(TObjekt& pad, int newShape) {
  const Real o = padOrientation(pad);
  if (newShape >= 0) pad.PadShape = static_cast<uint8_t>(newShape);
  const Point c{pad.X, pad.Y};
  pad.Points = padOutline(c, pad.PadShape, pad.SizeA, 0);
  for (Point& p : pad.Points) p = rotatePoint(p, c, -o);
}

std::vector<Point> smdCorners(Point centre, float sizeX, float sizeY) {
  const Real a = sizeX;
  const Real b = sizeY;
  auto pt = [](Real px, Real py) { return Point{static_cast<float>(px), static_cast<float>(py)}; };
  return {pt(centre.x - a / 2, centre.y + b / 2), pt(centre.x + a / 2, centre.y + b / 2),
          pt(centre.x + a / 2, centre.y - b / 2), pt(centre.x - a / 2, centre.y - b / 2)};
}

Point smdCentre(const TObjekt& smd) {
  if (smd.Points.size() < 3) return {smd.X, smd.Y};
  return midpoint(smd.Points[0], smd.Points[2]);
}

Real smdOrientation(const TObjekt& smd) {
  if (smd.Points.size() < 2) return 0;
  return degreesOf(direction(smd.Points[0], smd.Points[1]));
}

Real smdSizeX(const TObjekt& smd) {
  return smd.Points.size() < 2 ? Real(smd.SizeA) : distance(smd.Points[0], smd.Points[1]);
}

Real smdSizeY(const TObjekt& smd) {
  return smd.Points.size() < 3 ? Real(smd.SizeB) : distance(smd.Points[1], smd.Points[2]);
}

void resizeSmd(TObjekt& smd, float newSizeY, float newSizeX) {
  const Point c = smdCentre(smd);
  const Real o = smdOrientation(smd);
  const float a = newSizeX < 0 ? smd.SizeA : newSizeX;
  const float b = newSizeY < 0 ? smd.SizeB : newSizeY;
  smd.Points = smdCorners(c, a, b);
  for (Point& p : smd.Points) p = rotatePoint(p, c, -o);
  smd.SizeA = a;
  smd.SizeB = b;
}

namespace {
int32_t withLowByte(int32_t mask, uint32_t low) {
  return static_cast<int32_t>((static_cast<uint32_t>(mask) & ~0xFFu) | (low & 0xFFu));
}
uint32_t bit(uint32_t m, int i) { return (m >> i) & 1u; }
uint32_t swapBits(uint32_t m, int i, int j) {
  const uint32_t bi = bit(m, i), bj = bit(m, j);
  m &= ~((1u << i) | (1u << j));
  return m | (bi << j) | (bj << i);
}
}  // namespace

int32_t spokesTurnedClockwise45(int32_t mask) {
  const uint32_t m = static_cast<uint32_t>(mask) & 0xFFu;
  return withLowByte(mask, (m << 1) | (m >> 7));
}

int32_t spokesTurnedCounterClockwise45(int32_t mask) {
  const uint32_t m = static_cast<uint32_t>(mask) & 0xFFu;
  return withLowByte(mask, (m >> 1) | (m << 7));
}

int32_t spokesMirroredLeftRight(int32_t mask) {
  uint32_t m = static_cast<uint32_t>(mask) & 0xFFu;
  m = swapBits(swapBits(swapBits(m, 1, 7), 2, 6), 3, 5);
  return withLowByte(mask, m);
}

int32_t spokesMirroredTopBottom(int32_t mask) {
  uint32_t m = static_cast<uint32_t>(mask) & 0xFFu;
  m = swapBits(swapBits(swapBits(m, 0, 4), 1, 3), 5, 7);
  return withLowByte(mask, m);
}

int32_t absoluteSpokes(int32_t mask, Real orientationDegrees) {
  int steps = roundInt(orientationDegrees / 45) % 8;
  if (steps < 0) steps += 8;
  for (int i = 0; i < steps; ++i) mask = spokesTurnedClockwise45(mask);
  return mask;
}

}  // namespace trazello
