#include "ElementSection.h"

#include <cstddef>
#include <cstring>
#include <map>
#include <unordered_set>

#include "BoardCleanup.h"
#include "model/ElementRecordBytes.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

constexpr size_t kMaxString = 255;

bool hasFilePoints(ElementKind k) {
  return k == ElementKind::Pad || k == ElementKind::Zone || k == ElementKind::Track ||
         k == ElementKind::SmdPad;
}

// Old files stored a through-pad as two pads, one per side, naming each other as partner.
void mergePadPairs(RawElements& r) {
  const size_t m = r.elements.size();
  std::vector<bool> marked(m, false);
  for (size_t p = 0; p < m; ++p) {
    TObjekt& pad = r.at(p);
    if (pad.Kind != ElementKind::Pad) continue;
    pad.Plated = 0;
    const int32_t q = pad.Partner;
    if (marked[p] || q < 0 || static_cast<size_t>(q) >= m || static_cast<size_t>(q) == p) continue;
    if (r.at(static_cast<size_t>(q)).Partner != static_cast<int32_t>(p)) continue;
    pad.Plated = 1;
    marked[static_cast<size_t>(q)] = true;
  }
  auto partnerOf = [&](int32_t i) {
    return i >= 0 && static_cast<size_t>(i) < m && marked[static_cast<size_t>(i)]
               ? r.at(static_cast<size_t>(i)).Partner
               : i;
  };
  for (size_t i = 0; i < m; ++i) {
    if (!marked[i]) continue;
    auto& target = r.links[static_cast<size_t>(r.at(i).Partner)];
    target.insert(target.end(), r.links[i].begin(), r.links[i].end());
  }
  for (size_t i = 0; i < m; ++i) {
    for (int32_t& l : r.links[i]) l = partnerOf(l);
    std::erase(r.links[i], static_cast<int32_t>(i));  // the two halves no longer need a band
    r.routes[i] = {partnerOf(r.routes[i].first), partnerOf(r.routes[i].second)};
  }
  // Drop the marked halves and renumber what refers to the rest.
  std::vector<int32_t> newIndex(m, -1);
  RawElements kept;
  for (size_t i = 0; i < m; ++i) {
    if (marked[i]) continue;
    newIndex[i] = static_cast<int32_t>(kept.elements.size());
    kept.elements.push_back(std::move(r.elements[i]));
    kept.links.push_back(std::move(r.links[i]));
    kept.routes.push_back(r.routes[i]);
  }
  auto renumber = [&](int32_t i) {
    return i >= 0 && static_cast<size_t>(i) < m ? newIndex[static_cast<size_t>(i)] : i;
  };
  for (auto& ls : kept.links) {
    for (int32_t& l : ls) l = renumber(l);
  }
  for (auto& rt : kept.routes) rt = {renumber(rt.first), renumber(rt.second)};
  r.elements = std::move(kept.elements);
  r.links = std::move(kept.links);
  r.routes = std::move(kept.routes);
}

void rebuildOldGeometry(TObjekt& e) {
  if (e.Kind == ElementKind::Pad) {
    e.Points = padOutline({e.X, e.Y}, e.PadShape, e.SizeA, 0);
  } else if (e.Kind == ElementKind::SmdPad) {
    e.Points = smdCorners({e.X, e.Y}, e.SizeA, e.SizeB);
  } else if (e.Kind == ElementKind::LegacyLine) {
    TObjekt t = newTrack(e.Width, e.Layer);
    t.Clearance = e.Clearance;
    t.GroupNo = e.GroupNo;
    t.Groups = std::move(e.Groups);
    t.Points = {{e.X, e.Y}, {e.SizeA, e.SizeB}};
    e = std::move(t);
  }
}

// Version 1 kept groups as a number per element.
void groupByLegacyNumbers(RawElements& r) {
  std::map<int16_t, std::vector<size_t>> members;
  std::vector<int16_t> order;
  for (size_t i = 0; i < r.elements.size(); ++i) {
    const int16_t g = r.at(i).GroupNo;
    if (g == 0) continue;
    auto& list = members[g];
    if (list.empty()) order.push_back(g);
    list.push_back(i);
  }
  int32_t nextId = 1;
  for (int16_t g : order) {
    const auto& list = members[g];
    if (list.size() < 2) continue;
    for (size_t i : list) r.at(i).Groups.push_back(nextId);
    ++nextId;
  }
  for (auto& e : r.elements) e->GroupNo = 0;
}

ElementId resolve(int32_t index, const std::vector<ElementId>& ids, const char* what) {
  if (index == -1) return {};
  if (index < 0 || static_cast<size_t>(index) >= ids.size())
    throw DamagedData(std::string("a ") + what + " names element " + std::to_string(index) +
                      " of a board with " + std::to_string(ids.size()) + " elements");
  return ids[static_cast<size_t>(index)];
}

}  // namespace

RawElements ElementSection::read() {
  RawElements r;
  const size_t minElement = version_ == 5 ? 77 + 12 : version_ == 4 ? 75 + 8 : 74 + 4;
  const size_t m = in_.count32("elements", minElement);
  r.elements.reserve(m);
  for (size_t i = 0; i < m; ++i) {
    r.elements.push_back(
        std::make_shared<TObjekt>(version_ == 5 ? readElement5() : readElementOld()));
  }
  r.links.resize(m);
  for (size_t i = 0; i < m; ++i) {
    const ElementKind k = r.at(i).Kind;
    const bool linked = k == ElementKind::Pad || (k == ElementKind::SmdPad && version_ >= 4);
    if (!linked) continue;
    const size_t count = in_.count32("links", 4);
    r.links[i].reserve(count);
    for (size_t j = 0; j < count; ++j) r.links[i].push_back(in_.i32("a link"));
  }
  r.routes.assign(m, {-1, -1});
  if (version_ >= 4) {
    // The writer lists every element with a Routed byte, so the reader follows the same rule.
    for (size_t i = 0; i < m; ++i) {
      if (!r.at(i).Routed) continue;
      const int32_t from = in_.i32("a routed track");
      const int32_t to = in_.i32("a routed track");
      r.routes[i] = {from, to};
    }
  }
  return r;
}

RawElements ElementSection::readOld() {
  RawElements r;
  const size_t m = in_.count16("elements", 49);
  for (size_t i = 0; i < m; ++i) {
    const uint8_t* p = in_.take(49, "an element");
    TObjekt e;
    e.Kind = static_cast<ElementKind>(p[0]);
    e.X = le::get<int16_t>(p + 1);
    e.Y = le::get<int16_t>(p + 3);
    e.SizeA = le::get<int16_t>(p + 5);
    e.SizeB = le::get<int16_t>(p + 7);
    e.Width = le::get<int16_t>(p + 9);
    e.Selected = p[11];
    e.Layer = p[12];
    e.PadShape = p[13];
    if (e.Kind == ElementKind::LegacyText) e.Text = ByteReader::shortStringAt(p + 14, 15, "a text");
    e.GroupNo = le::get<int16_t>(p + 34);
    e.Mark = p[36];
    e.Spokes = le::get<int16_t>(p + 37);
    e.Reserved39 = p[43];
    if (version_ == 2) {
      const size_t g = in_.count16("group ids", 2);
      for (size_t j = 0; j < g; ++j) e.Groups.push_back(in_.i16("a group id"));
    }
    if (e.Kind == ElementKind::Zone || e.Kind == ElementKind::Track) {
      const size_t n = in_.count16("points", 4);
      for (size_t j = 0; j < n; ++j) {
        const float x = in_.i16("a point");
        const float y = in_.i16("a point");
        e.Points.push_back({x, y});
      }
    }
    r.elements.push_back(std::make_shared<TObjekt>(std::move(e)));
  }
  r.links.resize(m);
  r.routes.assign(m, {-1, -1});
  return r;
}

// Two float32 per point, as Point lies in memory on a little-endian machine.
static_assert(sizeof(Point) == 8 && offsetof(Point, y) == 4);

std::vector<Point> ElementSection::readPoints32f() {
  const size_t n = in_.count32("points", 8);
  std::vector<Point> pts(n);
  if (n > 0) std::memcpy(pts.data(), in_.take(8 * n, "a point"), 8 * n);
  return pts;
}

std::vector<Point> ElementSection::readPointsInt32() {
  const size_t n = in_.count32("points", 8);
  std::vector<Point> pts(n);
  for (Point& p : pts) {
    p.x = static_cast<float>(in_.i32("a point"));
    p.y = static_cast<float>(in_.i32("a point"));
  }
  return pts;
}

std::vector<int32_t> ElementSection::readGroups32() {
  const size_t n = in_.count32("group ids", 4);
  std::vector<int32_t> g(n);
  if (n > 0) std::memcpy(g.data(), in_.take(4 * n, "a group id"), 4 * n);
  return g;
}

TObjekt ElementSection::readElement5() {
  TObjekt e;
  loadStoredBytes(e, in_.take(kStoredRecordSize, "an element"));
  e.Text = in_.lengthString("a text", kMaxString);
  e.Name = in_.lengthString("a name", kMaxString);
  e.Groups = readGroups32();
  if (hasFilePoints(e.Kind)) e.Points = readPoints32f();
  if (e.Kind == ElementKind::Text) {
    const size_t n = in_.count32("strokes", kStoredRecordSize + 4);
    e.Strokes.resize(n);
    for (TObjekt& s : e.Strokes) {
      loadStoredBytes(s, in_.take(kStoredRecordSize, "a stroke"));
      s.Points = readPoints32f();
      s.Id = ElementId::fresh();
    }
  }
  return e;
}

// The 75-byte record of version 4 and the 74-byte one of version 3.
TObjekt ElementSection::readRecordOld(const uint8_t* p) {
  TObjekt e;
  e.Kind = static_cast<ElementKind>(p[0]);
  e.X = static_cast<float>(le::get<int32_t>(p + 1));
  e.Y = static_cast<float>(le::get<int32_t>(p + 5));
  e.SizeA = static_cast<float>(le::get<int32_t>(p + 9));
  e.SizeB = static_cast<float>(le::get<int32_t>(p + 13));
  e.Width = le::get<int32_t>(p + 17);
  e.Selected = p[21];
  e.Layer = p[22];
  e.PadShape = p[23];
  // Version 3 keeps a 15-character text at 24, which moves the next fields 16 bytes on.
  const size_t shift = version_ == 4 ? 0 : 16;
  if (version_ == 3 && e.Kind == ElementKind::LegacyText)
    e.Text = ByteReader::shortStringAt(p + 24, 15, "a text");
  e.GroupNo = le::get<int16_t>(p + 28 + shift);
  e.Mark = p[30 + shift];
  e.Spokes = le::get<int32_t>(p + 31 + shift);
  e.Reserved39 = p[39 + shift];
  e.Filled = p[40 + shift];
  e.Clearance = le::get<int32_t>(p + 41 + shift);
  if (version_ == 4) {
    e.Routed = p[53];
    if (e.Kind == ElementKind::Text) {
      e.MirrorH() = p[54];
      e.MirrorV() = p[55];
      e.Value53 = e.Spokes >= 0 && e.Spokes <= 3 ? e.Spokes * 90 : 0;
      e.Spokes = 0;
    }
    e.KeepOut = p[56];
  }
  return e;
}

TObjekt ElementSection::readElementOld() {
  const size_t size = version_ == 4 ? 75 : 74;
  TObjekt e = readRecordOld(in_.take(size, "an element"));
  if (version_ == 4) e.Text = in_.lengthString("a text", kMaxString);
  e.Groups = readGroups32();
  if (e.Kind == ElementKind::Zone || e.Kind == ElementKind::Track) e.Points = readPointsInt32();
  if (e.Kind == ElementKind::Text && version_ == 4) {
    const size_t n = in_.count32("strokes", 75 + 4);
    e.Strokes.resize(n);
    for (TObjekt& s : e.Strokes) {
      s = readRecordOld(in_.take(75, "a stroke"));
      s.Points = readPointsInt32();
      s.Id = ElementId::fresh();
    }
  }
  if (e.Kind == ElementKind::Pad) e.Partner = in_.i32("a pad partner");
  return e;
}

void ElementSection::applyVersionDefaults(TObjekt& e) const {
  const int v = version_;
  e.Selected = 0;
  e.Closed = 1;
  e.Highlight = 0;
  if (v <= 2) {
    e.Clearance = 40;
    e.Plated = 0;
    if (e.Kind == ElementKind::Circle) {
      e.Spokes = 0;
      e.Width = 0;
      e.Filled = 0;
    }
  }
  if (v <= 4) {
    if (e.isPadLike()) e.SolderMask = 1;
    if (e.Kind == ElementKind::Zone) {
      e.Hatched() = 0;
      e.HatchAsOutline() = 1;
      e.Value53 = 60;
    }
  }
  if (e.isPadLike() && (v <= 4 || e.ThermalMagic != kThermalMagic)) {
    e.Value53 = 100;
    e.Spokes = kDefaultSpokes;
    e.ThermalMagic = kThermalMagic;
    e.Thermal() = 0;
  }
  if (v <= 3) {
    if (e.Layer == layer::C1)
      e.Layer = layer::C2;
    else if (e.Layer == layer::C2)
      e.Layer = layer::C1;
  }
}

ElementList ElementSection::finish(RawElements& r,
                                   std::map<ElementKind, size_t>* unsoundCount) const {
  // Each walk over a large board's elements costs as much as the reading itself: the defaults
  // and the soundness test share one.
  const bool padPairs = version_ == 3 || version_ == 4;
  std::vector<bool> unsound(r.elements.size());
  for (size_t i = 0; i < r.elements.size(); ++i) {
    TObjekt& e = r.at(i);
    applyVersionDefaults(e);
    for (TObjekt& s : e.Strokes) {
      s.Selected = 0;
      s.Highlight = 0;
    }
    if (!padPairs) unsound[i] = hasUnsoundValues(e);
  }
  // Merging pad pairs only renumbers; it drops halves, so the unsound are found after it.
  if (padPairs) {
    mergePadPairs(r);
    unsound.assign(r.elements.size(), false);
    for (size_t i = 0; i < r.elements.size(); ++i) unsound[i] = hasUnsoundValues(r.at(i));
  }
  if (version_ <= 4) {
    for (size_t i = 0; i < r.elements.size(); ++i) {
      if (!unsound[i]) rebuildOldGeometry(r.at(i));
    }
  }
  if (version_ == 1) groupByLegacyNumbers(r);

  // Links may name later elements: every id is made before the walk that sets them.
  std::vector<ElementId> ids;
  ids.reserve(r.elements.size());
  for (size_t i = 0; i < r.elements.size(); ++i) ids.push_back(ElementId::fresh());
  for (size_t i = 0; i < r.elements.size(); ++i) {
    TObjekt& e = r.at(i);
    e.Id = ids[i];
    e.Links.clear();
    e.Links.reserve(r.links[i].size());
    for (int32_t l : r.links[i]) {
      const ElementId id = resolve(l, ids, "link");
      if (id && r.at(static_cast<size_t>(l)).isPadLike()) e.Links.push_back(id);
    }
    if (e.Kind == ElementKind::Track) {
      e.RouteFrom = resolve(r.routes[i].first, ids, "routed track");
      e.RouteTo = resolve(r.routes[i].second, ids, "routed track");
    }
  }
  ElementList list(std::move(r.elements));
  // Left out before any geometry sees them; their rubberbands go with them.
  std::unordered_set<ElementId> dropped;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!unsound[i]) continue;
    dropped.insert(ids[i]);
    if (unsoundCount) ++(*unsoundCount)[list[i].Kind];
  }
  if (!dropped.empty())
    removeElements(list, [&](const TObjekt& e) { return dropped.count(e.Id) > 0; });
  cleanBoard(list);
  return list;
}

}  // namespace trazello
