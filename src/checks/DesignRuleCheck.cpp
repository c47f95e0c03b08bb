#include "DesignRuleCheck.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ConvexCopper.h"
#include "CopperShapes.h"
#include "NetTrace.h"
#include "PolygonOps.h"
#include "ShapeBuilder.h"
#include "SpatialIndex.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

constexpr int32_t kMarkerMinimum = 50;

bool isThtPad(const TObjekt& e) {
  return e.is(ElementKind::Pad);
}
bool isPureHole(const TObjekt& e) {
  return isThtPad(e) && e.SizeA <= e.SizeB;
}
bool onCopper(const TObjekt& e) {
  return isCopperLayer(e.Layer);
}
int32_t rounded(double v) {
  return roundInt(static_cast<Real>(v));
}

// Widens a rectangle narrower (lower) than `minimum` on both sides to reach it.
IRect withMinimum(IRect r, int32_t minimum) {
  if (r.right - r.left < minimum) {
    const int32_t grow = (minimum - (r.right - r.left)) / 2;
    r.left -= grow;
    r.right += grow;
  }
  if (r.bottom - r.top < minimum) {
    const int32_t grow = (minimum - (r.bottom - r.top)) / 2;
    r.top -= grow;
    r.bottom += grow;
  }
  return r;
}

CBox stepsBox(const Paths& area) {
  CBox b;
  bool any = false;
  for (const Path& ring : area) {
    if (ring.empty()) continue;
    const CBox r = boxOf(ring);
    b = any ? CBox{std::min(b.left, r.left), std::min(b.bottom, r.bottom),
                   std::max(b.right, r.right), std::max(b.top, r.top)}
            : r;
    any = true;
  }
  return b;
}

IRect squareAround(Point c, double half) {
  return IRect{rounded(c.x - half), rounded(c.y - half), rounded(c.x + half), rounded(c.y + half)};
}

// One ring of 18 points per segment: the track grown by 50 units.
std::vector<std::vector<Point>> trackOutline(const TObjekt& e) {
  std::vector<std::vector<Point>> rings;
  const double r = (e.Width + 50) / 2.0;
  for (size_t k = 0; k + 1 < e.Points.size(); ++k) {
    const Point a = e.Points[k];
    const Point b = e.Points[k + 1];
    const double dir = std::atan2(b.y - a.y, b.x - a.x);
    std::vector<Point> ring;
    for (int end = 0; end < 2; ++end) {
      const Point c = end == 0 ? b : a;
      for (int s = 0; s < 9; ++s) {
        const double t = dir - M_PI / 2 + end * M_PI + s * M_PI / 8;
        ring.push_back({float(c.x + r * std::cos(t)), float(c.y + r * std::sin(t))});
      }
    }
    rings.push_back(std::move(ring));
  }
  return rings;
}

// The true shapes of an element, built at the first look; most pairs whose boxes meet are
// told apart by them without polygons.
struct TruePieces {
  bool built = false;
  std::optional<std::vector<RoundedConvex>> pieces;  // none where only polygons can tell
  void set(std::optional<std::vector<RoundedConvex>> p) {
    pieces = std::move(p);
    built = true;
  }
};

bool clearlyApart(const TruePieces& a, const TruePieces& b) {
  return a.pieces && b.pieces && contact(*a.pieces, *b.pieces) == CopperContact::Apart;
}

class IndexSearch : public NeighbourSearch {
 public:
  IndexSearch(int32_t cell, const IRect& extent) : index_(cell, extent) {}
  void insert(size_t id, const IRect& box) override { index_.insert(id, box); }
  std::vector<size_t> overlapping(const IRect& box) const override {
    std::vector<size_t> out;
    index_.query(box, [&](size_t j) { out.push_back(j); });
    std::sort(out.begin(), out.end());
    return out;
  }

 private:
  SpatialIndex index_;
};

class Checker {
 public:
  Checker(const ElementList& list, const BoardSettings& board, const DrcSettings& rules,
          const IRect& window, const DrcCallbacks& callbacks, const NeighbourSearchFactory& search)
      : list_(list),
        board_(board),
        rules_(rules),
        window_(window),
        callbacks_(callbacks),
        state_(layerState(board)) {
    boxes_.reserve(list.size());
    for (const TObjekt& e : list) {
      boxes_.push_back(boundingBox(e));
      extent_ = unite(extent_, boxes_.back());
    }
    newSearch_ = search
                     ? search
                     : [](const IRect& extent, size_t count) -> std::unique_ptr<NeighbourSearch> {
      return std::make_unique<IndexSearch>(SpatialIndex::cellFor(extent, count), extent);
    };
  }

  DrcResult run() {
    if (rules_.drillDistance) drillDistance();
    if (rules_.drillMin || rules_.drillMax || rules_.ringMin) drillSizes();
    if (rules_.trackMin) lineWidths(true);
    if (rules_.silkMin) lineWidths(false);
    if (rules_.copper) copperDistance();
    if (rules_.silkOnPad) silkOnPads();
    if (rules_.holeOnSmd) drillsInSmdPads();
    if (rules_.padWithoutMask || rules_.maskOutsidePads) solderMask();
    return std::move(result_);
  }

 private:
  bool meets(const IRect& r) const { return overlaps(r, window_); }

  // Reports progress for element i; false once the check is aborted.
  bool step(size_t i) {
    if (result_.aborted) return false;
    if (callbacks_.progress) callbacks_.progress(list_.size(), i);
    if (callbacks_.abort && callbacks_.abort()) result_.aborted = true;
    return !result_.aborted;
  }

  void add(IRect marker, FindingKind kind, FindingText text, int32_t layer,
           std::vector<std::vector<Point>> outline = {}) {
    if (!meets(marker)) return;
    result_.findings.push_back(Finding{marker, std::move(outline), kind, text, layer});
  }

  std::unique_ptr<NeighbourSearch> search() const { return newSearch_(extent_, list_.size()); }

  // Indices of elements passing `keep`, found by their boxes overlapping `box`, ascending.
  template <class Keep>
  static std::vector<size_t> near(const NeighbourSearch& index, const IRect& box, Keep keep) {
    std::vector<size_t> out = index.overlapping(box);
    out.erase(std::remove_if(out.begin(), out.end(), [&](size_t j) { return !keep(j); }),
              out.end());
    return out;
  }

  const Paths& region(size_t i) {
    if (regions_.empty()) regions_.resize(list_.size());
    if (!regions_[i]) regions_[i] = elementRegion(list_[i], &state_);
    return *regions_[i];
  }

  const TruePieces& pieces(size_t i) {
    if (pieces_.empty()) pieces_.resize(list_.size());
    if (!pieces_[i].built) pieces_[i].set(convexPieces(list_[i], &state_));
    return pieces_[i];
  }

  void drillDistance();
  void drillSizes();
  void lineWidths(bool copper);
  void copperDistance();
  bool insideCutout(const TObjekt& e, const Paths& shape);
  void silkOnPads();
  void drillsInSmdPads();
  void solderMask();

  const ElementList& list_;
  const BoardSettings& board_;
  const DrcSettings& rules_;
  IRect window_;
  const DrcCallbacks& callbacks_;
  LayerState state_;
  std::vector<IRect> boxes_;
  std::vector<std::optional<Paths>> regions_;
  std::vector<TruePieces> pieces_;
  IRect extent_;
  NeighbourSearchFactory newSearch_;
  DrcResult result_;
};

void Checker::drillDistance() {
  auto drilled = [&](size_t i) {
    const TObjekt& e = list_[i];
    return isThtPad(e) && onCopper(e) && rounded(e.SizeB) != 0;
  };
  // Drill squares against a square grown by the rule: every pair that can fire overlaps.
  const auto index = search();
  for (size_t i = 0; i < list_.size(); ++i) {
    if (drilled(i)) index->insert(i, squareAround({list_[i].X, list_[i].Y}, list_[i].SizeB));
  }
  for (size_t i = 0; i + 1 < list_.size(); ++i) {
    if (!step(i)) return;
    if (!drilled(i) || !meets(boxes_[i])) continue;
    const TObjekt& a = list_[i];
    const Point ca{a.X, a.Y};
    const IRect reach = squareAround(ca, a.SizeB + std::max(rules_.drillDistanceMin, 0) + 2);
    for (size_t j : near(*index, reach, [&](size_t j) { return j > i; })) {
      const TObjekt& b = list_[j];
      const Point cb{b.X, b.Y};
      const int32_t d = rounded(rounded(distance(ca, cb)) - double(a.SizeB) - b.SizeB);
      if (d >= rules_.drillDistanceMin) continue;
      add(unite(squareAround(ca, a.SizeB), squareAround(cb, b.SizeB)), FindingKind::DrillsTooClose,
          FindingText::DrillsTooClose, a.Layer);
    }
  }
}

void Checker::drillSizes() {
  for (size_t i = 0; i < list_.size(); ++i) {
    if (!step(i)) return;
    const TObjekt& e = list_[i];
    if (!isThtPad(e) || !onCopper(e) || !meets(boxes_[i])) continue;
    const int32_t diameter = rounded(2.0 * e.SizeB);
    if (diameter < 1) continue;
    const Point c{e.X, e.Y};
    if (rules_.drillMin && diameter < rules_.drillMinimum) {
      const double grow = e.SizeB < 50 ? (50 - double(e.SizeB)) / 2 : 0;
      add(widened(squareAround(c, e.SizeB), int32_t(grow)), FindingKind::DrillTooSmall,
          FindingText::DrillTooSmall, e.Layer);
    }
    if (rules_.drillMax && diameter > rules_.drillMaximum)
      add(squareAround(c, e.SizeB), FindingKind::DrillTooBig, FindingText::DrillTooBig, e.Layer);
    const int32_t ring = rounded((2.0 * e.SizeA - diameter) / 2);
    if (rules_.ringMin && ring >= 1 && ring < rules_.ringMinimum)
      add(squareAround(c, e.SizeA), FindingKind::RingTooSmall, FindingText::RingTooSmall, e.Layer);
  }
}

void Checker::lineWidths(bool copper) {
  for (size_t i = 0; i < list_.size(); ++i) {
    if (!step(i)) return;
    const TObjekt& e = list_[i];
    const bool layerFits = copper ? onCopper(e) : (e.Layer == layer::S1 || e.Layer == layer::S2);
    if (!layerFits || !meets(boxes_[i])) continue;
    int32_t width = 0;
    if (e.is(ElementKind::Circle)) {
      width = rounded(double(e.SizeA) - e.SizeB);
    } else if (e.is(ElementKind::Track)) {
      width = e.Width;
    } else if (e.is(ElementKind::Text) && !e.Strokes.empty()) {
      width = e.Strokes.front().Width;
    } else {
      continue;
    }
    if (width >= (copper ? rules_.trackMinimum : rules_.silkMinimum)) continue;
    add(withMinimum(boxes_[i], kMarkerMinimum),
        copper ? FindingKind::TrackTooThin : FindingKind::SilkTooThin,
        copper ? FindingText::TrackTooThin : FindingText::SilkTooThin, e.Layer,
        e.is(ElementKind::Track) ? trackOutline(e) : std::vector<std::vector<Point>>{});
  }
}

bool Checker::insideCutout(const TObjekt& e, const Paths& shape) {
  const IRect box = unitsBoxAround(shape);
  for (size_t c = 0; c < list_.size(); ++c) {
    const TObjekt& cut = list_[c];
    if (!cut.KeepOut || cut.Layer != e.Layer || !overlaps(boxes_[c], box)) continue;
    if (covers(region(c), shape)) return true;
  }
  return false;
}

void Checker::copperDistance() {
  const int32_t a = rules_.copperDistance;
  auto candidate = [&](size_t i) {
    const TObjekt& e = list_[i];
    return onCopper(e) && !isPureHole(e) && !(e.is(ElementKind::Zone) && e.KeepOut);
  };
  const auto index = search();
  for (size_t i = 0; i < list_.size(); ++i) {
    if (candidate(i)) index->insert(i, widened(boxes_[i], a));
  }
  std::optional<NetTrace> nets;  // built at the first pair that needs it
  std::vector<std::optional<Paths>> grown(list_.size());
  std::vector<TruePieces> grownPieces(list_.size());
  auto grownElement = [&](size_t i) {
    TObjekt e = list_[i];
    inflateElement(e, a);
    return e;
  };
  auto grownShape = [&](size_t i) -> const Paths& {
    if (!grown[i]) grown[i] = elementRegion(grownElement(i), &state_);
    return *grown[i];
  };
  auto apart = [&](size_t i, size_t j) {
    for (size_t k : {i, j}) {
      if (!grownPieces[k].built) grownPieces[k].set(convexPieces(grownElement(k), &state_));
    }
    return clearlyApart(grownPieces[i], grownPieces[j]);
  };
  for (size_t i = 0; i < list_.size(); ++i) {
    if (!step(i)) return;
    if (!candidate(i)) continue;
    const IRect ri = widened(boxes_[i], a);
    if (!meets(ri)) continue;
    const TObjekt& ei = list_[i];
    auto partner = [&](size_t j) {
      return j > i && shareLayer(ei, list_[j]) && overlaps(ri, widened(boxes_[j], a));
    };
    for (size_t j : near(*index, ri, partner)) {
      if (!nets) nets.emplace(list_, board_, NetTrace::Method::Fast, NetTrace::Layers::Copper);
      if (nets->netOf()[i] == nets->netOf()[j] || apart(i, j)) continue;
      const Paths common = intersect(grownShape(i), grownShape(j));
      if (area(common) <= 0) continue;
      add(withMinimum(unitsBoxAround(common), 2 * a), FindingKind::Distance, FindingText::Distance,
          isPlatedPad(list_[j]) ? ei.Layer : list_[j].Layer);
    }
    bool onPlane = false;
    for (int l : {layer::C1, layer::C2, layer::I1, layer::I2})
      onPlane = onPlane || (board_.groundPlane[size_t(l)] && isOnLayer(ei, l));
    if (onPlane && ei.Clearance > 0 && ei.Clearance < a) {
      TObjekt grownTwice = ei;
      inflateElement(grownTwice, 2 * a);
      if (!insideCutout(ei, elementRegion(grownTwice, &state_)))
        add(ri, FindingKind::Distance, FindingText::DistanceToPlane, ei.Layer);
    }
  }
}

void Checker::silkOnPads() {
  const auto silk = search();
  for (size_t s = 0; s < list_.size(); ++s) {
    if (list_[s].Layer == layer::S1 || list_[s].Layer == layer::S2) silk->insert(s, boxes_[s]);
  }
  for (size_t p = 0; p < list_.size(); ++p) {
    if (!step(p)) return;
    const TObjekt& pad = list_[p];
    if (!pad.isPadLike() || !meets(boxes_[p])) continue;
    const bool side1 = isOnLayer(pad, layer::C1);
    const bool side2 = isOnLayer(pad, layer::C2);
    if (!side1 && !side2) continue;
    auto facing = [&](size_t s) {
      return ((side1 && list_[s].Layer == layer::S1) || (side2 && list_[s].Layer == layer::S2)) &&
             overlaps(boxes_[p], boxes_[s]);
    };
    for (size_t s : near(*silk, boxes_[p], facing)) {
      if (clearlyApart(pieces(p), pieces(s))) continue;
      // Rings and texts reach far beyond a pad; only what comes near it takes part.
      const Paths common = intersect(region(p), trimmedTo(region(s), stepsBox(region(p))));
      if (area(common) <= 0) continue;
      add(withMinimum(unitsBoxAround(common), kMarkerMinimum), FindingKind::SilkOnPad,
          FindingText::SilkOnPad, list_[s].Layer);
    }
  }
}

void Checker::drillsInSmdPads() {
  const auto drills = search();
  for (size_t d = 0; d < list_.size(); ++d) {
    const TObjekt& e = list_[d];
    if (isThtPad(e) && onCopper(e) && e.SizeB > 0) drills->insert(d, boxes_[d]);
  }
  for (size_t s = 0; s < list_.size(); ++s) {
    if (!step(s)) return;
    const TObjekt& smd = list_[s];
    if (!smd.is(ElementKind::SmdPad) || !onCopper(smd) || !meets(boxes_[s])) continue;
    for (size_t d :
         near(*drills, boxes_[s], [&](size_t d) { return overlaps(boxes_[s], boxes_[d]); })) {
      const Paths hole{disc({list_[d].X, list_[d].Y}, list_[d].SizeB)};
      const Paths common = intersect(region(s), hole);
      if (area(common) <= 0) continue;
      add(withMinimum(unitsBoxAround(common), kMarkerMinimum), FindingKind::DrillOnSmd,
          FindingText::DrillOnSmd, smd.Layer);
    }
  }
}

void Checker::solderMask() {
  for (size_t i = 0; i < list_.size(); ++i) {
    if (!step(i)) return;
    const TObjekt& e = list_[i];
    if (!onCopper(e) || !meets(boxes_[i])) continue;
    const IRect marker = withMinimum(boxes_[i], kMarkerMinimum);
    if (e.isPadLike()) {
      if (rules_.padWithoutMask && !isPureHole(e) && !e.SolderMask)
        add(marker, FindingKind::SolderMask, FindingText::PadWithoutMask, e.Layer);
    } else if (rules_.maskOutsidePads && e.SolderMask &&
               (e.Layer == layer::C1 || e.Layer == layer::C2)) {
      add(marker, FindingKind::SolderMask, FindingText::NonPadWithMask, e.Layer,
          e.is(ElementKind::Track) ? trackOutline(e) : std::vector<std::vector<Point>>{});
    }
  }
}

}  // namespace

DrcResult runDesignRuleCheck(const ElementList& list, const BoardSettings& board,
                             const DrcSettings& rules, const IRect& window,
                             const DrcCallbacks& callbacks, const NeighbourSearchFactory& search) {
  return Checker(list, board, rules, normalized(window), callbacks, search).run();
}

std::string findingText(FindingText text, int language) {
  struct Texts {
    const char* ru;
    const char* en;
    const char* fr;
  };
  static const Texts kTexts[] = {
      {"Зазор", "Distance", "Distance"},
      {"Зазор до полигона земли", "Distance to ground plane", "Distance au plan de masse"},
      {"Отверстия слишком близко", "Drillings too close", "Perçages trop proches"},
      {"Отверстие слишком мало", "Drilling too small", "Perçage trop petit"},
      {"Отверстие слишком велико", "Drilling too big", "Perçage trop grand"},
      {"Дорожка слишком тонкая", "Track too thin", "Piste trop fine"},
      {"Поясок слишком узкий", "Annular ring too small", "Couronne trop étroite"},
      {"Шелкография на КП", "Silkscreen on pad", "Sérigraphie sur pastille"},
      {"Отверстие в SMD-КП", "Drilling on SMD pad", "Perçage sur pastille CMS"},
      {"КП без паяльной маски", "Pad without soldermask", "Pastille sans vernis épargne"},
      {"Паяльная маска вне КП", "Non-pad with soldermask", "Vernis épargne hors pastille"},
      {"Шелкография слишком тонкая", "Silkscreen too thin", "Sérigraphie trop fine"},
  };
  const Texts& t = kTexts[static_cast<size_t>(text)];
  return language == 0 ? t.ru : language == 2 ? t.fr : t.en;
}

}  // namespace trazello
