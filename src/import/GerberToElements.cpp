#include "GerberToElements.h"

#include <algorithm>
#include <cmath>

#include "ElementJoining.h"
#include "GerberCopper.h"
#include "checks/PolygonOps.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

// An arc's ends may move by this much when its angles are rounded to whole degrees; beyond it
// the arc becomes a track along the curve instead of a circle element.
constexpr double kArcEndSlack = 1.0;

Point pt(GPoint p) {
  return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

bool near(double a, double b) {
  return std::fabs(a - b) < 1e-9;
}

bool overlaps(const CBox& a, const CBox& b) {
  return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

class Mapper {
 public:
  Mapper(const GerberImage& image, uint8_t layer, std::vector<TObjekt>& out)
      : image_(image), layer_(layer), out_(out) {}

  void object(const GerberObject& o) {
    if (!sound(o)) return;
    switch (o.type) {
      case GerberObject::Type::Region:
        return region(o);
      case GerberObject::Type::Flash:
        return flash(o);
      case GerberObject::Type::Draw:
        return draw(o);
      case GerberObject::Type::Arc:
        return arc(o);
    }
  }

  void zones(const Paths& area) {
    for (const Path& ring : holeFreeRings(area)) {
      if (ring.size() < 3) continue;
      TObjekt z = newZone(0, layer_);
      z.Points.reserve(ring.size());
      for (const CPoint& c : ring) z.Points.push_back(fromShape(c));
      add(std::move(z));
    }
  }

 private:
  // Element coordinates are floats of a board at most 10 m wide; objects far beyond that come
  // only from damaged files and would make nothing but overflowing shapes.
  bool sound(const GerberObject& o) const {
    constexpr double kFar = 1e7;
    auto ok = [](GPoint p) { return std::fabs(p.x) <= kFar && std::fabs(p.y) <= kFar; };
    if (!ok(o.from) || !ok(o.to) || !ok(o.centre) || o.transform.scale() > 1e3) return false;
    if (hasAperture(o) && aperture(o).sizeX * o.transform.scale() > kFar) return false;
    return std::all_of(o.contour.begin(), o.contour.end(), ok);
  }
  void add(TObjekt e) {
    e.Clearance = 0;
    out_.push_back(std::move(e));
  }
  const GerberAperture& aperture(const GerberObject& o) const {
    return image_.apertures[size_t(o.aperture)];
  }
  bool hasAperture(const GerberObject& o) const {
    return o.aperture >= 0 && size_t(o.aperture) < image_.apertures.size();
  }

  void region(const GerberObject& o) {
    TObjekt z = newZone(0, layer_);
    for (const GPoint& p : o.contour) {
      const Point q = pt(p);
      if (z.Points.empty() || !(z.Points.back() == q)) z.Points.push_back(q);
    }
    if (z.Points.size() > 1 && z.Points.front() == z.Points.back()) z.Points.pop_back();
    if (z.Points.size() >= 3) add(std::move(z));
  }

  void flash(const GerberObject& o) {
    if (!hasAperture(o)) return;
    const GerberAperture& ap = aperture(o);
    const GTransform& t = o.transform;
    const double s = t.scale();
    const bool straight = near(t.xy, 0) && near(t.yx, 0);
    const bool turned = near(t.xx, 0) && near(t.yy, 0);
    const Point at = pt(o.to);
    double w = ap.sizeX * s, h = ap.sizeY * s;
    if (turned) std::swap(w, h);
    // A rectangular hole is no drill: such flashes become zones.
    const double hole = ap.holeHeight > 0 ? INFINITY : ap.hole * s;
    using Shape = GerberAperture::Shape;
    if (ap.shape == Shape::Circle && !std::isinf(hole)) {
      if (w > 0) add(newPad(at, layer_, padshape::Round, float(w / 2), float(hole / 2)));
      return;
    }
    if ((straight || turned) && ap.shape == Shape::Rectangle && w > 0 && h > 0) {
      if (roundInt(w / 2) == roundInt(h / 2) && !std::isinf(hole)) {
        add(newPad(at, layer_, padshape::Square, float(w / 2), float(hole / 2)));
        return;
      }
      if (hole <= 0) {
        add(newSmdPad(at, layer_, float(roundInt(w)), float(roundInt(h))));
        return;
      }
    }
    if ((straight || turned) && ap.shape == Shape::Obround && hole <= 0 && w > 0 && h > 0) {
      TObjekt track = newTrack(roundInt(std::min(w, h)), layer_);
      const double d = std::max(w, h) / 2 - double(track.Width) / 2;
      const bool wide = w >= h;
      appendPoint(track, {float(at.x - (wide ? d : 0)), float(at.y - (wide ? 0 : d))});
      appendPoint(track, {float(at.x + (wide ? d : 0)), float(at.y + (wide ? 0 : d))});
      add(std::move(track));
      return;
    }
    zones(objectCopper(image_, o));
  }

  void draw(const GerberObject& o) {
    if (!hasAperture(o)) return;
    const GerberAperture& ap = aperture(o);
    if (ap.shape != GerberAperture::Shape::Circle) return zones(objectCopper(image_, o));
    const int32_t width = roundInt(ap.sizeX * o.transform.scale());
    // A zero-size aperture exposes nothing; on the outline layer such lines are the board's edge.
    if (width <= 0 && layer_ != layer::O) return;
    if (!out_.empty() && continueTrack(out_.back(), width, pt(o.from), pt(o.to))) return;
    TObjekt track = newTrack(width, layer_);
    appendPoint(track, pt(o.from));
    appendPoint(track, pt(o.to));
    add(std::move(track));
  }

  void arc(const GerberObject& o) {
    if (!hasAperture(o)) return;
    const GerberAperture& ap = aperture(o);
    if (ap.shape != GerberAperture::Shape::Circle) return zones(objectCopper(image_, o));
    const int32_t pen = roundInt(ap.sizeX * o.transform.scale());
    if (pen <= 0 && layer_ != layer::O) return;
    const double r = std::hypot(o.from.x - o.centre.x, o.from.y - o.centre.y);
    const double r2 = std::hypot(o.to.x - o.centre.x, o.to.y - o.centre.y);
    const double a0 = std::atan2(o.from.y - o.centre.y, o.from.x - o.centre.x) * 180 / M_PI;
    const double a1 = std::atan2(o.to.y - o.centre.y, o.to.x - o.centre.x) * 180 / M_PI;
    // Counter-clockwise from start to end, as circle elements run.
    const double start = o.clockwise ? a1 : a0, end = o.clockwise ? a0 : a1;
    const int32_t s = o.fullCircle ? 0 : (roundInt(start) % 360 + 360) % 360;
    const int32_t e = o.fullCircle ? 0 : (roundInt(end) % 360 + 360) % 360;
    auto slack = [&](double deg) { return r * std::fabs(deg - std::round(deg)) * M_PI / 180; };
    const bool exact =
        o.fullCircle || (s != e && slack(start) <= kArcEndSlack && slack(end) <= kArcEndSlack);
    if (exact && std::fabs(r - r2) <= kArcEndSlack && r - pen / 2.0 >= 0) {
      TObjekt c = newCircle(pt(o.centre), layer_, float(roundInt(r + pen / 2.0)),
                            float(roundInt(r - pen / 2.0)));
      c.Spokes = s;
      c.Width = e;
      add(std::move(c));
      return;
    }
    TObjekt track = newTrack(pen, layer_);
    for (const GPoint& p : arcPolyline(o)) appendPoint(track, pt(p));
    add(std::move(track));
  }

  const GerberImage& image_;
  uint8_t layer_;
  std::vector<TObjekt>& out_;
};

// Which later clear objects may cut each dark object, by their boxes.
std::vector<std::vector<size_t>> cuttersOf(const GerberImage& image,
                                           const std::vector<CBox>& boxes) {
  std::vector<size_t> clears;
  for (size_t j = 0; j < image.objects.size(); ++j)
    if (!image.objects[j].dark) clears.push_back(j);
  std::vector<std::vector<size_t>> cutters(image.objects.size());
  if (clears.empty()) return cutters;
  for (size_t i = 0; i < image.objects.size(); ++i) {
    if (!image.objects[i].dark) continue;
    for (auto it = std::upper_bound(clears.begin(), clears.end(), i); it != clears.end(); ++it)
      if (overlaps(boxes[i], boxes[*it])) cutters[i].push_back(*it);
  }
  return cutters;
}

}  // namespace

std::vector<TObjekt> gerberToElements(GerberImage image, uint8_t layer, double boardHeight) {
  auto lift = [&](GPoint& p) { p.y -= boardHeight; };
  for (GerberObject& o : image.objects) {
    lift(o.from);
    lift(o.to);
    lift(o.centre);
    for (GPoint& p : o.contour) lift(p);
  }
  std::vector<CBox> boxes;
  const bool anyClear = std::any_of(image.objects.begin(), image.objects.end(),
                                    [](const GerberObject& o) { return !o.dark; });
  if (anyClear)
    for (const GerberObject& o : image.objects) boxes.push_back(objectBox(image, o));
  const std::vector<std::vector<size_t>> cutters = cuttersOf(image, boxes);

  std::vector<TObjekt> out;
  out.reserve(image.objects.size());
  Mapper mapper(image, layer, out);
  for (size_t i = 0; i < image.objects.size(); ++i) {
    const GerberObject& o = image.objects[i];
    if (!o.dark) continue;
    if (cutters[i].empty()) {
      mapper.object(o);
      continue;
    }
    const Paths copper = objectCopper(image, o);
    Paths cut;
    for (size_t j : cutters[i]) {
      Paths c = objectCopper(image, image.objects[j]);
      cut.insert(cut.end(), c.begin(), c.end());
    }
    const Paths left = subtract(copper, cut);
    if (std::fabs(area(left) - area(unite(copper))) < 1.0)
      mapper.object(o);
    else
      mapper.zones(left);
  }
  joinImportedElements(out);
  return out;
}

GerberImportCounts countImported(const std::vector<TObjekt>& elements) {
  GerberImportCounts n;
  for (const TObjekt& e : elements) {
    switch (e.Kind) {
      case ElementKind::Pad:
        ++n.pads;
        break;
      case ElementKind::SmdPad:
        ++n.smd;
        break;
      case ElementKind::Track:
        ++n.tracks;
        break;
      case ElementKind::Circle:
        ++n.arcs;
        break;
      case ElementKind::Zone:
        ++n.zones;
        break;
      default:
        break;
    }
  }
  return n;
}

}  // namespace trazello
