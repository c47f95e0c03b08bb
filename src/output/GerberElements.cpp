#include "GerberElements.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ZoneHatch.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

void writeRegion(TGerberFile& f, const std::vector<Point>& points, size_t n) {
  if (n < 3 || points.size() < n) return;
  f.beginRegion();
  f.moveTo(points[0]);
  for (size_t i = 1; i < n; ++i) f.lineTo(points[i]);
  f.lineTo(points[0]);
  f.endRegion();
}

void writeClosedOutline(TGerberFile& f, const std::vector<Point>& points) {
  f.moveTo(points[0]);
  for (size_t i = 1; i < points.size(); ++i) f.lineTo(points[i]);
  f.lineTo(points[0]);
}

bool referenceEdgeFromSecondPoint(uint8_t shape) {
  return shape == padshape::Octagon || shape == padshape::OctagonH || shape == padshape::OctagonV;
}

// Pad outline grown by a > 0 around the centre, turned like the stored outline.
std::vector<Point> grownPadOutline(const TObjekt& pad, int32_t a) {
  const size_t from = referenceEdgeFromSecondPoint(pad.PadShape) ? 1 : 0;
  if (pad.Points.size() < from + 2) return {};
  const Point c{pad.X, pad.Y};
  const Real turn = direction(pad.Points[from], pad.Points[from + 1]) * 180 / kPi;
  std::vector<Point> points = padOutline(c, pad.PadShape, pad.SizeA, static_cast<float>(a));
  for (Point& p : points) p = rotatePoint(p, c, -turn);
  return points;
}

void writeZone(TGerberFile& f, const TObjekt& zone, bool clearanceMode) {
  if (zone.Points.empty()) return;
  if (!zone.Hatched() || zone.KeepOut || clearanceMode) {
    writeRegion(f, zone.Points, zone.Points.size());
  } else {
    const int32_t s = hatchPitch(zone);
    f.setPenwidth(s / 2);
    for (const HatchSegment& h : hatchSegments(zone, s)) {
      f.moveTo(Point{float(h.from.x), float(h.from.y)});
      f.lineTo(Point{float(h.to.x), float(h.to.y)});
    }
  }
  f.setPenwidth(zone.Width);
  writeClosedOutline(f, zone.Points);
}

Point onCircle(Point c, Real r, Real degrees) {
  const Real a = degrees * kPi / 180;
  return {static_cast<float>(c.x + r * std::cos(a)), static_cast<float>(c.y + r * std::sin(a))};
}

// A filled circle is the chord figure the screen shows: the area between the arc and the
// straight line joining its ends, with the pen's width all round (a full disc when the ends
// meet).
void writeCircle(TGerberFile& f, const TObjekt& circle) {
  const int32_t p = roundInt(Real(circle.SizeA) - circle.SizeB);
  const Real r = Real(circle.SizeA) - roundInt(Real(p) / 2);
  const Point c{static_cast<float>(roundInt(circle.X)), static_cast<float>(roundInt(circle.Y))};
  const Point start = onCircle({circle.X, circle.Y}, r, circle.Spokes);
  const Point end = onCircle({circle.X, circle.Y}, r, circle.Width);
  f.setPenwidth(p);
  if (circle.Filled) {
    f.beginRegion();
    const IPoint written = f.writeArc(c, start, end);
    f.lineToWritten(written);
    f.endRegion();
  }
  f.writeArc(c, start, end);
  if (circle.Filled && f.toOutput(start) != f.toOutput(end)) {
    f.moveTo(start);
    f.lineTo(end);
  }
}

void writeTrack(TGerberFile& f, const TObjekt& track) {
  if (track.Points.empty()) return;
  f.setPenwidth(track.Width);
  f.moveTo(track.Points[0]);
  for (size_t i = 1; i < track.Points.size(); ++i) f.lineTo(track.Points[i]);
}

constexpr std::array<std::array<int, 2>, 8> kSpokeDirections{
    {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}}};

void writeSpokes(TGerberFile& f, Point centre, Real rx, Real ry, Real clockwiseDegrees,
                 int32_t mask, int32_t pen) {
  f.setPenwidth(pen);
  for (size_t i = 0; i < kSpokeDirections.size(); ++i) {
    if (!(static_cast<uint32_t>(mask) & (1u << i))) continue;
    const Point end{static_cast<float>(centre.x + kSpokeDirections[i][0] * rx),
                    static_cast<float>(centre.y + kSpokeDirections[i][1] * ry)};
    f.moveTo(rotatePoint(end, centre, -clockwiseDegrees));
    f.lineTo(centre);
  }
}

void writeGrown(TGerberFile& f, const TObjekt& e, bool clearanceMode) {
  switch (e.Kind) {
    case ElementKind::Zone:
      writeZone(f, e, clearanceMode);
      break;
    case ElementKind::Circle:
      writeCircle(f, e);
      break;
    case ElementKind::Track:
      writeTrack(f, e);
      break;
    default:
      writeSmdRect(f, e);
      break;
  }
}

}  // namespace

void writePad(TGerberFile& f, const TObjekt& pad, int32_t offset) {
  const Real d = Real(offset) + pad.SizeA;
  switch (pad.PadShape) {
    case padshape::Round:
      f.moveTo(Point{pad.X, pad.Y});
      f.flashRound(roundInt(pad.SizeB), roundInt(d));
      return;
    case padshape::OblongH:
    case padshape::OblongV:
      if (pad.Points.size() < 2) return;
      f.setPenwidth(2 * roundInt(d));
      f.moveTo(pad.Points[0]);
      f.lineTo(pad.Points[1]);
      return;
    case padshape::Octagon:
    case padshape::Square:
    case padshape::OctagonH:
    case padshape::RectH:
    case padshape::OctagonV:
    case padshape::RectV:
      if (offset <= 0)
        writeRegion(f, pad.Points, pad.Points.size());
      else
        writeRegion(f, grownPadOutline(pad, offset), pad.Points.size());
      return;
    default:
      return;
  }
}

void writeSmdRect(TGerberFile& f, const TObjekt& smd) {
  if (smd.Points.size() < 4) return;
  const Point c = smdCentre(smd);
  const Real turn = smdOrientation(smd);
  std::vector<Point> corners =
      smdCorners(c, static_cast<float>(distance(smd.Points[0], smd.Points[1])),
                 static_cast<float>(distance(smd.Points[1], smd.Points[2])));
  for (Point& p : corners) p = rotatePoint(p, c, -turn);
  writeRegion(f, corners, 4);
}

void writePadSpokes(TGerberFile& f, const TObjekt& pad) {
  const Real r = pad.SizeA;
  const Real c = pad.Clearance;
  const uint8_t s = pad.PadShape;
  const Real kx =
      (s == padshape::OblongH || s == padshape::OctagonH || s == padshape::RectH) ? 2 : 1;
  const Real ky =
      (s == padshape::OblongV || s == padshape::OctagonV || s == padshape::RectV) ? 2 : 1;
  const int32_t pen = roundInt(Real(pad.SizeA) / 1.5L / 100 * pad.Value53);
  writeSpokes(f, {pad.X, pad.Y}, kx * r + c, ky * r + c, padOrientation(pad), pad.Spokes, pen);
}

void writeSmdSpokes(TGerberFile& f, const TObjekt& smd) {
  const Real c = smd.Clearance;
  const int32_t pen = roundInt(Real(std::min(smd.SizeA, smd.SizeB)) / 3 / 100 * smd.Value53);
  writeSpokes(f, smdCentre(smd), Real(smd.SizeA) / 2 + c, Real(smd.SizeB) / 2 + c,
              smdOrientation(smd), smd.Spokes, pen);
}

void writeElement(TGerberFile& f, const TObjekt& element, int32_t offset, bool clearanceMode) {
  switch (element.Kind) {
    case ElementKind::Pad:
      writePad(f, element, offset);
      return;
    case ElementKind::Text:
      // Strokes are tracks: the text's keep-out flag changes nothing in how they are written.
      for (const TObjekt& stroke : element.Strokes) writeElement(f, stroke, offset, clearanceMode);
      return;
    case ElementKind::Zone:
    case ElementKind::Circle:
    case ElementKind::Track:
    case ElementKind::SmdPad:
      break;
    default:
      return;
  }
  if (offset == 0) {
    writeGrown(f, element, clearanceMode);
    return;
  }
  TObjekt e = element;  // grown on a copy: the document never changes during an export
  inflateElement(e, 2 * offset);
  writeGrown(f, e, clearanceMode);
}

}  // namespace trazello
