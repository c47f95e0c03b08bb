#include "GerberElements.h"

#include <cmath>

#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/ZoneHatch.h"

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

void writeZone(TGerberFile& f, const TObjekt& zone, bool clearanceMode) {
  if (zone.Points.empty()) return;
  if (!zone.Hatched() || zone.KeepOut || clearanceMode) {
    writeRegion(f, zone.Points, zone.Points.size());
  } else {
    f.setPenwidth(hatchPenWidth(zone));
    for (const HatchSegment& h : hatchSegments(zone, hatchPitch(zone))) {
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

// Each spoke from its outer end to the pad centre.
void writeSpokes(TGerberFile& f, const TObjekt& padLike) {
  f.setPenwidth(spokeWidth(padLike));
  for (const Spoke& s : thermalSpokes(padLike)) {
    f.moveTo(s.end);
    f.lineTo(s.centre);
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
      break;
  }
}

}  // namespace

void writePad(TGerberFile& f, const TObjekt& pad, int32_t offset) {
  GrownPad g = grownPad(pad, offset);
  switch (g.form) {
    case PadForm::Disc:
      f.moveTo(g.centre);
      f.flashRound(roundInt(pad.SizeB), roundInt(g.radius));
      return;
    case PadForm::Stadium:
      f.setPenwidth(2 * roundInt(g.radius));
      f.moveTo(g.points[0]);
      f.lineTo(g.points[1]);
      return;
    case PadForm::Polygon:
      // Only an enlargement rebuilds the outline; no offset shrinks a polygonal pad.
      if (offset < 0) g = grownPad(pad, 0);
      writeRegion(f, g.points, pad.Points.size());
      return;
    case PadForm::None:
      return;
  }
}

void writeSmdRect(TGerberFile& f, const TObjekt& smd, int32_t offset) {
  writeRegion(f, grownSmdCorners(smd, offset), 4);
}

void writePadSpokes(TGerberFile& f, const TObjekt& pad) {
  writeSpokes(f, pad);
}

void writeSmdSpokes(TGerberFile& f, const TObjekt& smd) {
  writeSpokes(f, smd);
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
    case ElementKind::SmdPad:
      writeSmdRect(f, element, offset);
      return;
    case ElementKind::Zone:
    case ElementKind::Circle:
    case ElementKind::Track:
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
