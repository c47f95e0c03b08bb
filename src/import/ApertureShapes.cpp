#include "ApertureShapes.h"

#include <algorithm>
#include <cmath>

namespace trazello {

namespace {

constexpr double kTolerance = 0.25;

int stepsForFullTurn(double radius) {
  if (!(radius > kTolerance)) return 8;
  const double half = std::acos(1.0 - kTolerance / radius);
  return std::clamp(static_cast<int>(std::ceil(M_PI / half)), 8, 4096);
}

}  // namespace

void appendArc(std::vector<GPoint>& out, GPoint c, double radius, double a, double b) {
  const int full = stepsForFullTurn(radius);
  const double sweep = b - a;
  const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (2 * M_PI) * full)));
  for (int i = 0; i <= n; ++i) {
    const double t = a + sweep * i / n;
    out.push_back({c.x + radius * std::cos(t), c.y + radius * std::sin(t)});
  }
}

std::vector<GPoint> circleRing(GPoint centre, double radius) {
  std::vector<GPoint> ring;
  const int n = stepsForFullTurn(radius);
  ring.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = 2 * M_PI * i / n;
    ring.push_back({centre.x + radius * std::cos(t), centre.y + radius * std::sin(t)});
  }
  return ring;
}

std::vector<GPoint> rectangleRing(GPoint c, double width, double height) {
  const double w = width / 2, h = height / 2;
  return {{c.x - w, c.y - h}, {c.x + w, c.y - h}, {c.x + w, c.y + h}, {c.x - w, c.y + h}};
}

std::vector<GPoint> stadiumRing(GPoint a, GPoint b, double width) {
  const double r = width / 2;
  if (a == b) return circleRing(a, r);
  const double dir = std::atan2(b.y - a.y, b.x - a.x);
  std::vector<GPoint> ring;
  appendArc(ring, b, r, dir - M_PI / 2, dir + M_PI / 2);
  appendArc(ring, a, r, dir + M_PI / 2, dir + 3 * M_PI / 2);
  return ring;
}

std::vector<GExposure> exposuresOf(const GerberAperture& ap) {
  std::vector<GExposure> out;
  const GPoint origin{0, 0};
  switch (ap.shape) {
    case GerberAperture::Shape::Circle:
      if (ap.sizeX > 0) out.push_back({true, circleRing(origin, ap.sizeX / 2)});
      break;
    case GerberAperture::Shape::Rectangle:
      if (ap.sizeX > 0 && ap.sizeY > 0)
        out.push_back({true, rectangleRing(origin, ap.sizeX, ap.sizeY)});
      break;
    case GerberAperture::Shape::Obround: {
      if (ap.sizeX <= 0 || ap.sizeY <= 0) break;
      const double d = std::fabs(ap.sizeX - ap.sizeY) / 2;
      const bool wide = ap.sizeX >= ap.sizeY;
      const GPoint a = wide ? GPoint{-d, 0} : GPoint{0, -d};
      const GPoint b = wide ? GPoint{d, 0} : GPoint{0, d};
      out.push_back({true, stadiumRing(a, b, std::min(ap.sizeX, ap.sizeY))});
      break;
    }
    case GerberAperture::Shape::Polygon: {
      if (ap.sizeX <= 0 || ap.vertices < 3) break;
      std::vector<GPoint> ring;
      for (int i = 0; i < ap.vertices; ++i) {
        const double t = (ap.rotation + 360.0 * i / ap.vertices) * M_PI / 180;
        ring.push_back({ap.sizeX / 2 * std::cos(t), ap.sizeX / 2 * std::sin(t)});
      }
      out.push_back({true, std::move(ring)});
      break;
    }
    case GerberAperture::Shape::Macro:
      out = ap.exposures;
      break;
  }
  if (ap.hole > 0 && !out.empty())
    out.push_back({false, ap.holeHeight > 0 ? rectangleRing(origin, ap.hole, ap.holeHeight)
                                            : circleRing(origin, ap.hole / 2)});
  return out;
}

}  // namespace trazello
