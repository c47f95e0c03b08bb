#include "ElementGeometry.h"

#include <algorithm>
#include <cmath>

#include "PadGeometry.h"

namespace trazello {

namespace {

IRect pointsBox(const std::vector<Point>& points) {
  if (points.empty()) return {};
  IPoint first = roundPoint(points.front());
  IRect r{first.x, first.y, first.x, first.y};
  for (const Point& p : points) {
    const IPoint q = roundPoint(p);
    r.left = std::min(r.left, q.x);
    r.right = std::max(r.right, q.x);
    r.top = std::min(r.top, q.y);
    r.bottom = std::max(r.bottom, q.y);
  }
  return r;
}

int32_t orTwenty(int32_t margin) { return margin == 0 ? 20 : margin; }

Point onCircle(Real cx, Real cy, Real radius, Real degrees) {
  const Real a = degrees * kPi / 180;
  return {static_cast<float>(cx + radius * std::cos(a)), static_cast<float>(cy + radius * std::sin(a))};
}

IRect circleBox(const TObjekt& e) {
  const Real x = e.X, y = e.Y, a = e.SizeA;
  int32_t left = roundInt(x - a), right = roundInt(x + a);
  int32_t up = roundInt(y + a), down = roundInt(y - a);
  const int32_t start = e.Spokes, end = e.Width;
  if (start != end) {
    const Point s = onCircle(x, y, a, start);
    const Point t = onCircle(x, y, a, end);
    const Real w = roundInt(a - e.SizeB);
    int64_t h = int64_t(end) - start;
    if (h < 0) h += 360;
    for (int dir : {90, 180, 270, 360}) {
      int64_t reach = int64_t(dir) - start;
      if (reach < 0) reach += 360;
      if (h >= reach) continue;
      switch (dir) {
        case 90: up = roundInt(w + std::max(s.y, t.y)); break;
        case 180: left = roundInt(std::min(s.x, t.x) - w); break;
        case 270: down = roundInt(std::min(s.y, t.y) - w); break;
        default: right = roundInt(w + std::max(s.x, t.x)); break;
      }
    }
  }
  IRect r = widened(normalized({left, down, right, up}), e.Clearance);
  const Real b5 = Real(e.SizeB) / 5;
  const IRect cross{roundInt(x - b5), roundInt(y - b5), roundInt(x + b5), roundInt(y + b5)};
  return unite(r, cross);
}

IRect padBox(const TObjekt& e, const LayerState* state) {
  IRect r;
  switch (e.PadShape) {
    case padshape::Round: {
      const Real m = Real(e.SizeA) + e.Clearance;
      r = normalized({roundInt(e.X - m), roundInt(e.Y - m), roundInt(e.X + m), roundInt(e.Y + m)});
      break;
    }
    case padshape::OblongH:
    case padshape::OblongV:
      r = widened(pointsBox(e.Points), orTwenty(roundInt(1.5L * e.Clearance + e.SizeA)));
      break;
    case padshape::Octagon:
    case padshape::Square:
    case padshape::OctagonH:
    case padshape::RectH:
    case padshape::OctagonV:
    case padshape::RectV:
      r = widened(pointsBox(e.Points), orTwenty(roundInt(1.5L * e.Clearance)));
      break;
    default: return {};
  }
  if (state && showsThermalRelief(e, *state)) r = widened(r, roundInt(Real(e.SizeA) / 1.5L));
  return r;
}

IRect smdBox(const TObjekt& e, const LayerState* state) {
  IRect r = widened(pointsBox(e.Points), orTwenty(roundInt(1.5L * e.Clearance)));
  if (state && showsThermalRelief(e, *state))
    r = widened(r, roundInt(Real(std::min(e.SizeA, e.SizeB)) / 3));
  return r;
}

IRect trackBox(const TObjekt& e) {
  if (e.Points.empty()) return {};
  return widened(widened(pointsBox(e.Points), orTwenty(e.Width / 2)), e.Clearance);
}

IRect spanBox(const TObjekt& e) {
  return normalized({roundInt(e.X), roundInt(e.Y), roundInt(e.SizeA), roundInt(e.SizeB)});
}

}  // namespace

IRect boundingBox(const TObjekt& e, const LayerState* state) {
  switch (e.Kind) {
    case ElementKind::Circle: return circleBox(e);
    case ElementKind::Pad: return padBox(e, state);
    case ElementKind::SmdPad: return smdBox(e, state);
    case ElementKind::Track:
    case ElementKind::Zone: return trackBox(e);
    case ElementKind::LegacyText: return widened(spanBox(e), e.Clearance);
    case ElementKind::LegacyLine:
      return widened(widened(spanBox(e), orTwenty(e.Width / 2)), e.Clearance);
    case ElementKind::Text: {
      IRect r;
      for (const TObjekt& s : e.Strokes) r = unite(r, trackBox(s));
      return r;
    }
  }
  return {};
}

IRect boxOfEverything(const ElementList& list, const LayerState* state) {
  IRect r;
  for (const TObjekt& e : list) r = unite(r, boundingBox(e, state));
  return r;
}

IPoint anchorPoint(const TObjekt& e) {
  switch (e.Kind) {
    case ElementKind::Track:
    case ElementKind::Zone:
      return e.Points.empty() ? roundPoint({e.X, e.Y}) : roundPoint(e.Points.front());
    case ElementKind::Circle:
      return roundPoint(onCircle(e.X, e.Y, (Real(e.SizeA) + e.SizeB) / 2, e.Spokes));
    case ElementKind::Text:
      if (!e.Strokes.empty() && !e.Strokes.front().Points.empty())
        return roundPoint(e.Strokes.front().Points.front());
      return roundPoint({e.X, e.Y});
    case ElementKind::SmdPad: return roundPoint(smdCentre(e));
    default: return roundPoint({e.X, e.Y});
  }
}

Point edgeMidpoint(const TObjekt& e, size_t i) {
  if (e.Points.empty()) return {e.X, e.Y};
  i %= e.Points.size();
  return midpoint(e.Points[i], e.Points[(i + 1) % e.Points.size()]);
}

namespace {
void movePoints(std::vector<Point>& points, float dx, float dy) {
  for (Point& p : points) {
    p.x += dx;
    p.y += dy;
  }
}

void turnPoints(std::vector<Point>& points, Point c, Real clockwiseDegrees) {
  for (Point& p : points) p = rotatePoint(p, c, -clockwiseDegrees);
}

float reflect(float v, float m) { return static_cast<float>(2 * Real(m) - v); }

int32_t positiveAngle(int32_t a) { return a < 0 ? a + 360 : a; }

int32_t mirroredRotation(int32_t v) { return ((360 - v) % 360 + 360) % 360; }

void rotatePad(TObjekt& e, Point c, Real degrees) {
  const Real before = padOrientation(e);
  bool exchanged = false;
  if (e.PadShape >= padshape::OblongH && e.PadShape <= padshape::RectV) {
    const int32_t f = roundInt(before);
    if ((f >= 45 && f <= 135) || (f >= 225 && f <= 315)) {
      const bool octagon = e.PadShape == padshape::OctagonH || e.PadShape == padshape::OctagonV;
      e.PadShape = static_cast<uint8_t>(e.PadShape <= padshape::RectH ? e.PadShape + 3
                                                                      : e.PadShape - 3);
      const size_t shift = std::min<size_t>(octagon ? 2 : 1, e.Points.size());
      std::rotate(e.Points.begin(), e.Points.begin() + static_cast<std::ptrdiff_t>(shift),
                  e.Points.end());
      exchanged = true;
    }
  }
  const Point centre = rotatePoint({e.X, e.Y}, c, -degrees);
  e.X = centre.x;
  e.Y = centre.y;
  turnPoints(e.Points, c, degrees);
  if (exchanged) {
    const int32_t d = positiveAngle(roundInt(padOrientation(e) - before - degrees));
    if (d > 90)
      e.Spokes = spokesTurnedClockwise45(spokesTurnedClockwise45(e.Spokes));
    else
      e.Spokes = spokesTurnedCounterClockwise45(spokesTurnedCounterClockwise45(e.Spokes));
  }
}

int32_t mirroredPadSpokes(const TObjekt& e) {
  // The outline order of the vertical oblong reverses the pad's frame the other way round.
  return e.PadShape == padshape::OblongV ? spokesMirroredLeftRight(e.Spokes)
                                         : spokesMirroredTopBottom(e.Spokes);
}
}  // namespace

void moveElement(TObjekt& e, float dx, float dy) {
  switch (e.Kind) {
    case ElementKind::Pad:
      e.X += dx;
      e.Y += dy;
      movePoints(e.Points, dx, dy);
      break;
    case ElementKind::Track:
    case ElementKind::Zone:
    case ElementKind::SmdPad: movePoints(e.Points, dx, dy); break;
    case ElementKind::LegacyText:
    case ElementKind::LegacyLine:
      e.X += dx;
      e.Y += dy;
      e.SizeA += dx;
      e.SizeB += dy;
      break;
    case ElementKind::Circle:
      e.X += dx;
      e.Y += dy;
      break;
    case ElementKind::Text:
      e.X += dx;
      e.Y += dy;
      for (TObjekt& s : e.Strokes) movePoints(s.Points, dx, dy);
      break;
  }
}

void rotateElement(TObjekt& e, Point c, Real degrees) {
  switch (e.Kind) {
    case ElementKind::Track:
    case ElementKind::Zone:
    case ElementKind::SmdPad: turnPoints(e.Points, c, degrees); break;
    case ElementKind::Circle: {
      const Point centre = rotatePoint({e.X, e.Y}, c, -degrees);
      e.X = centre.x;
      e.Y = centre.y;
      e.Spokes = positiveAngle(e.Spokes - roundInt(degrees));
      e.Width = positiveAngle(e.Width - roundInt(degrees));
      break;
    }
    case ElementKind::Text: {
      e.Value53 += roundInt(degrees);
      if (e.Value53 > 359) e.Value53 -= 360;
      const Point ref = rotatePoint({e.X, e.Y}, c, -degrees);
      e.X = ref.x;
      e.Y = ref.y;
      for (TObjekt& s : e.Strokes) turnPoints(s.Points, c, degrees);
      break;
    }
    case ElementKind::LegacyText: {
      // System-font texts only know quarter turns.
      auto quarter = [&](float& x, float& y) {
        const Real nx = Real(c.x) + (Real(y) - c.y);
        const Real ny = Real(c.y) - (Real(x) - c.x);
        x = static_cast<float>(nx);
        y = static_cast<float>(ny);
      };
      quarter(e.X, e.Y);
      quarter(e.SizeA, e.SizeB);
      e.Spokes += 90;
      if (e.Spokes >= 360) e.Spokes -= 360;
      break;
    }
    case ElementKind::Pad: rotatePad(e, c, degrees); break;
    case ElementKind::LegacyLine: break;
  }
}

namespace {

// One reflection for both axes: `across` is the coordinate that changes (x for a horizontal
// mirror), `base` the angle an arc's angles are reflected against (180 horizontally, 360
// vertically) and `flag` the text's mirror flag of that axis.
void mirror(TObjekt& e, float m, float Point::*across, float TObjekt::*position,
            float TObjekt::*second, int32_t base, uint8_t TObjekt::*flag) {
  auto mirrorAll = [&](std::vector<Point>& pts) {
    for (Point& p : pts) p.*across = reflect(p.*across, m);
  };
  switch (e.Kind) {
    case ElementKind::Pad:
      e.*position = reflect(e.*position, m);
      mirrorAll(e.Points);
      e.Spokes = mirroredPadSpokes(e);
      break;
    case ElementKind::SmdPad:
      mirrorAll(e.Points);
      e.Spokes = spokesMirroredTopBottom(e.Spokes);
      break;
    case ElementKind::Track:
    case ElementKind::Zone: mirrorAll(e.Points); break;
    case ElementKind::Circle:
      e.*position += static_cast<float>(roundInt(2 * (Real(m) - e.*position)));
      e.Spokes = positiveAngle(base - e.Spokes);
      e.Width = positiveAngle(base - e.Width);
      std::swap(e.Spokes, e.Width);
      break;
    case ElementKind::Text:
      e.*flag = e.*flag ? 0 : 1;
      e.*position = reflect(e.*position, m);
      for (TObjekt& s : e.Strokes) mirrorAll(s.Points);
      e.Value53 = mirroredRotation(e.Value53);
      break;
    case ElementKind::LegacyText:
    case ElementKind::LegacyLine: {
      // The two points exchange their roles on the mirrored axis.
      const float first = e.*position;
      e.*position = reflect(e.*second, m);
      e.*second = reflect(first, m);
      break;
    }
  }
}

}  // namespace

void mirrorHorizontally(TObjekt& e, float m) {
  mirror(e, m, &Point::x, &TObjekt::X, &TObjekt::SizeA, 180, &TObjekt::Flag50);
}

void mirrorVertically(TObjekt& e, float m) {
  mirror(e, m, &Point::y, &TObjekt::Y, &TObjekt::SizeB, 360, &TObjekt::Flag51);
}

namespace {
void grow(TObjekt& e, int32_t a) {
  if (a == 0) return;
  const Real half = Real(a) / 2;
  switch (e.Kind) {
    case ElementKind::Pad:
      e.SizeA = static_cast<float>(e.SizeA + half);
      rebuildPadOutline(e);
      break;
    case ElementKind::Track:
    case ElementKind::Zone: e.Width += a; break;
    case ElementKind::Circle:
      e.SizeA = static_cast<float>(e.SizeA + half);
      e.SizeB = static_cast<float>(e.SizeB - half);
      break;
    case ElementKind::Text:
      for (TObjekt& s : e.Strokes) s.Width += a;
      break;
    case ElementKind::SmdPad:
      resizeSmd(e, static_cast<float>(Real(e.SizeB) + a), static_cast<float>(Real(e.SizeA) + a));
      break;
    default: break;
  }
}
}  // namespace

void inflateElement(TObjekt& e, int32_t a) { grow(e, a); }
void deflateElement(TObjekt& e, int32_t a) { grow(e, -a); }

}  // namespace trazello
