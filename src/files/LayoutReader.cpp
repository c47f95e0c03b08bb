#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_set>

#include "BoardCleanup.h"
#include "ByteReader.h"
#include "LayoutFormat.h"
#include "model/ElementRecordBytes.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {

bool isLayoutVersionWord(std::span<const uint8_t> data) {
  if (data.size() < 4) return false;
  const uint32_t word = le::get<uint32_t>(data.data());
  const int32_t v = static_cast<int32_t>(word - kVersionBase);
  return v >= 0 && v <= kLayoutVersion;
}

namespace {

constexpr size_t kMaxString = 255;

// A board as it lies in the file: references are still indices into `elements`.
struct RawBoard {
  Board board;
  std::vector<TObjekt> elements;
  std::vector<std::vector<int32_t>> links;  // per element
  std::vector<std::pair<int32_t, int32_t>> routes;  // per element; -1 for none
};

bool hasFilePoints(ElementKind k) {
  return k == ElementKind::Pad || k == ElementKind::Zone || k == ElementKind::Track ||
         k == ElementKind::SmdPad;
}

// Version 4 stores the origin in whole units; the board keeps thousandths, which a huge value
// cannot hold.
int32_t originInThousandths(int32_t units) {
  const int64_t t = int64_t(units) * 1000;
  if (t < INT32_MIN || t > INT32_MAX)
    throw DamagedData("the origin " + std::to_string(units) + " lies beyond any board");
  return static_cast<int32_t>(t);
}

class LayoutParser {
 public:
  LayoutParser(std::span<const uint8_t> data, bool importing)
      : in_(data), importing_(importing) {}

  LayoutFile parse() {
    out_.version = in_.take(4, "the version word")[0];
    std::vector<RawBoard> raw;
    if (out_.version <= 2) {
      raw.push_back(readOldBoard());
    } else {
      const size_t headerSize = out_.version == 5 ? 31 + 499 + 4 : out_.version == 4 ? 31 + 490 + 4
                                                                                    : 31 + 482 + 4;
      const size_t n = in_.count32("boards", headerSize);
      for (size_t i = 0; i < n; ++i) raw.push_back(readBoard());
      readTrailer(n);
    }
    for (RawBoard& r : raw) out_.boards.push_back(finishBoard(r));
    for (const Board& b : out_.boards) {
      for (const TObjekt& e : b.elements) out_.legacyTextCount += e.Kind == ElementKind::LegacyText;
    }
    out_.layersExchanged = out_.version <= 3;
    return std::move(out_);
  }

 private:
  // --- versions 3 to 5 ---

  RawBoard readBoard() {
    RawBoard r;
    r.board.name = in_.shortString(30, "a board name");
    r.board.settings = out_.version == 5 ? readSettings5() : readSettingsOld();
    const size_t minElement = out_.version == 5 ? 77 + 12 : out_.version == 4 ? 75 + 8 : 74 + 4;
    const size_t m = in_.count32("elements", minElement);
    r.elements.reserve(m);
    for (size_t i = 0; i < m; ++i) {
      r.elements.push_back(out_.version == 5 ? readElement5() : readElementOld());
    }
    r.links.resize(m);
    for (size_t i = 0; i < m; ++i) {
      const ElementKind k = r.elements[i].Kind;
      const bool linked = k == ElementKind::Pad || (k == ElementKind::SmdPad && out_.version >= 4);
      if (!linked) continue;
      const size_t count = in_.count32("links", 4);
      r.links[i].reserve(count);
      for (size_t j = 0; j < count; ++j) r.links[i].push_back(in_.i32("a link"));
    }
    r.routes.assign(m, {-1, -1});
    if (out_.version >= 4) {
      // The writer lists every element with a Routed byte, so the reader follows the same rule.
      for (size_t i = 0; i < m; ++i) {
        if (!r.elements[i].Routed) continue;
        const int32_t from = in_.i32("a routed track");
        const int32_t to = in_.i32("a routed track");
        r.routes[i] = {from, to};
      }
    }
    return r;
  }

  BoardSettings readSettings5() {
    const auto s = parseBoardSettings(in_.take(kBoardSettingsSize, "a board record"));
    if (!s) throw DamagedData("the length byte of a template file name exceeds its field");
    return *s;
  }

  // The 490-byte record of version 4 and the 482-byte one of version 3.
  BoardSettings readSettingsOld() {
    const size_t size = out_.version == 4 ? 490 : 482;
    const uint8_t* p = in_.take(size, "a board record");
    BoardSettings s;
    s.width = le::get<int32_t>(p + 4);
    s.height = le::get<int32_t>(p + 8);
    s.groundPlane[layer::C1] = p[12];
    s.groundPlane[layer::C2] = p[13];
    if (out_.version == 3) std::swap(s.groundPlane[layer::C1], s.groundPlane[layer::C2]);
    s.grid = le::get<double>(p + 14);
    s.zoom = le::get<double>(p + 22);
    s.scrollX = le::get<int32_t>(p + 30);
    s.scrollY = le::get<int32_t>(p + 34);
    s.activeLayer = le::get<int32_t>(p + 38);
    if (out_.version == 4) {
      for (int l = 1; l <= 4; ++l) s.visible[l] = p[42 + l - 1];
    }
    s.templateShown = {p[46], p[47]};
    s.templateFile[0] = ByteReader::shortStringAt(p + 48, 200, "a template file name");
    s.templateFile[1] = ByteReader::shortStringAt(p + 249, 200, "a template file name");
    for (int i = 0; i < 2; ++i) {
      s.templateDpi[i] = le::get<int32_t>(p + 450 + 4 * i);
      s.templateOffsetX[i] = le::get<int32_t>(p + 458 + 4 * i);
      s.templateOffsetY[i] = le::get<int32_t>(p + 466 + 4 * i);
      s.templateColour[i] = le::get<int32_t>(p + 474 + 4 * i);
    }
    if (out_.version == 4) {
      s.originX = originInThousandths(le::get<int32_t>(p + 482));
      s.originY = originInThousandths(le::get<int32_t>(p + 486));
    }
    return s;
  }

  std::vector<Point> readPoints32f() {
    const size_t n = in_.count32("points", 8);
    std::vector<Point> pts(n);
    for (Point& p : pts) {
      p.x = in_.get<float>("a point");
      p.y = in_.get<float>("a point");
    }
    return pts;
  }

  std::vector<Point> readPointsInt32() {
    const size_t n = in_.count32("points", 8);
    std::vector<Point> pts(n);
    for (Point& p : pts) {
      p.x = static_cast<float>(in_.i32("a point"));
      p.y = static_cast<float>(in_.i32("a point"));
    }
    return pts;
  }

  std::vector<int32_t> readGroups32() {
    const size_t n = in_.count32("group ids", 4);
    std::vector<int32_t> g(n);
    for (int32_t& id : g) id = in_.i32("a group id");
    return g;
  }

  TObjekt readElement5() {
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
  TObjekt readRecordOld(const uint8_t* p) {
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
    const size_t shift = out_.version == 4 ? 0 : 16;
    if (out_.version == 3 && e.Kind == ElementKind::LegacyText)
      e.Text = ByteReader::shortStringAt(p + 24, 15, "a text");
    e.GroupNo = le::get<int16_t>(p + 28 + shift);
    e.Mark = p[30 + shift];
    e.Spokes = le::get<int32_t>(p + 31 + shift);
    e.Reserved39 = p[39 + shift];
    e.Filled = p[40 + shift];
    e.Clearance = le::get<int32_t>(p + 41 + shift);
    if (out_.version == 4) {
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

  TObjekt readElementOld() {
    const size_t size = out_.version == 4 ? 75 : 74;
    TObjekt e = readRecordOld(in_.take(size, "an element"));
    if (out_.version == 4) e.Text = in_.lengthString("a text", kMaxString);
    e.Groups = readGroups32();
    if (e.Kind == ElementKind::Zone || e.Kind == ElementKind::Track) e.Points = readPointsInt32();
    if (e.Kind == ElementKind::Text && out_.version == 4) {
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

  void readTrailer(size_t boardCount) {
    if (out_.version == 3) {
      if (importing_) return;
      out_.currentBoard = in_.i32("the current board");
      in_.skip(8, "the origin");
    } else {
      out_.currentBoard = in_.i32("the current board");
      ProjectInfo info;
      info.title = in_.shortString(100, "the project title");
      info.author = in_.shortString(100, "the project author");
      info.company = in_.shortString(100, "the project company");
      info.comment = in_.lengthString("the project comment", in_.remaining());
      out_.project = std::move(info);
      out_.trailingBytes = in_.remaining();
    }
    if (out_.currentBoard < 0 || static_cast<size_t>(out_.currentBoard) >= boardCount)
      throw DamagedData("the current board " + std::to_string(out_.currentBoard) +
                        " is not one of its " + std::to_string(boardCount) + " boards");
  }

  // --- versions 0 to 2: one board without name or settings ---

  RawBoard readOldBoard() {
    RawBoard r;
    r.board.name = "Board 1";
    r.board.settings.width = in_.i32("the board width");
    r.board.settings.height = in_.i32("the board height");
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
      if (e.Kind == ElementKind::LegacyText)
        e.Text = ByteReader::shortStringAt(p + 14, 15, "a text");
      e.GroupNo = le::get<int16_t>(p + 34);
      e.Mark = p[36];
      e.Spokes = le::get<int16_t>(p + 37);
      e.Reserved39 = p[43];
      if (out_.version == 2) {
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
      r.elements.push_back(std::move(e));
    }
    r.links.resize(m);
    r.routes.assign(m, {-1, -1});
    return r;
  }

  // --- conversion into the current model ---

  void applyVersionDefaults(TObjekt& e) const {
    const int v = out_.version;
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

  // Old files stored a through-pad as two pads, one per side, naming each other as partner.
  static void mergePadPairs(RawBoard& r) {
    const size_t m = r.elements.size();
    std::vector<bool> marked(m, false);
    for (size_t p = 0; p < m; ++p) {
      TObjekt& pad = r.elements[p];
      if (pad.Kind != ElementKind::Pad) continue;
      pad.Plated = 0;
      const int32_t q = pad.Partner;
      if (marked[p] || q < 0 || static_cast<size_t>(q) >= m || static_cast<size_t>(q) == p) continue;
      if (r.elements[static_cast<size_t>(q)].Partner != static_cast<int32_t>(p)) continue;
      pad.Plated = 1;
      marked[static_cast<size_t>(q)] = true;
    }
    auto partnerOf = [&](int32_t i) {
      return i >= 0 && static_cast<size_t>(i) < m && marked[static_cast<size_t>(i)]
                 ? r.elements[static_cast<size_t>(i)].Partner
                 : i;
    };
    for (size_t i = 0; i < m; ++i) {
      if (!marked[i]) continue;
      auto& target = r.links[static_cast<size_t>(r.elements[i].Partner)];
      target.insert(target.end(), r.links[i].begin(), r.links[i].end());
    }
    for (size_t i = 0; i < m; ++i) {
      for (int32_t& l : r.links[i]) l = partnerOf(l);
      std::erase(r.links[i], static_cast<int32_t>(i));  // the two halves no longer need a band
      r.routes[i] = {partnerOf(r.routes[i].first), partnerOf(r.routes[i].second)};
    }
    // Drop the marked halves and renumber what refers to the rest.
    std::vector<int32_t> newIndex(m, -1);
    RawBoard kept;
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

  static void rebuildOldGeometry(TObjekt& e) {
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
  static void groupByLegacyNumbers(std::vector<TObjekt>& elements) {
    std::map<int16_t, std::vector<size_t>> members;
    std::vector<int16_t> order;
    for (size_t i = 0; i < elements.size(); ++i) {
      const int16_t g = elements[i].GroupNo;
      if (g == 0) continue;
      auto& list = members[g];
      if (list.empty()) order.push_back(g);
      list.push_back(i);
    }
    int32_t nextId = 1;
    for (int16_t g : order) {
      const auto& list = members[g];
      if (list.size() < 2) continue;
      for (size_t i : list) elements[i].Groups.push_back(nextId);
      ++nextId;
    }
    for (TObjekt& e : elements) e.GroupNo = 0;
  }

  ElementId resolve(int32_t index, const std::vector<ElementId>& ids, const char* what) const {
    if (index == -1) return {};
    if (index < 0 || static_cast<size_t>(index) >= ids.size())
      throw DamagedData(std::string("a ") + what + " names element " + std::to_string(index) +
                        " of a board with " + std::to_string(ids.size()) + " elements");
    return ids[static_cast<size_t>(index)];
  }

  Board finishBoard(RawBoard& r) {
    std::vector<bool> unsound(r.elements.size());
    for (size_t i = 0; i < r.elements.size(); ++i) {
      TObjekt& e = r.elements[i];
      applyVersionDefaults(e);
      for (TObjekt& s : e.Strokes) {
        s.Selected = 0;
        s.Highlight = 0;
      }
      unsound[i] = hasUnsoundValues(e);
    }
    if (out_.version == 3 || out_.version == 4) mergePadPairs(r);
    if (out_.version <= 4) {
      for (size_t i = 0; i < r.elements.size(); ++i) {
        if (!unsound[i]) rebuildOldGeometry(r.elements[i]);
      }
    }
    if (out_.version == 1) groupByLegacyNumbers(r.elements);

    std::vector<ElementId> ids;
    ids.reserve(r.elements.size());
    for (TObjekt& e : r.elements) {
      e.Id = ElementId::fresh();
      ids.push_back(e.Id);
    }
    Board board = std::move(r.board);
    board.elements.reserve(r.elements.size());
    for (size_t i = 0; i < r.elements.size(); ++i) {
      TObjekt& e = r.elements[i];
      e.Links.clear();
      for (int32_t l : r.links[i]) {
        const ElementId id = resolve(l, ids, "link");
        if (id && r.elements[static_cast<size_t>(l)].isPadLike()) e.Links.push_back(id);
      }
      if (e.Kind == ElementKind::Track) {
        e.RouteFrom = resolve(r.routes[i].first, ids, "routed track");
        e.RouteTo = resolve(r.routes[i].second, ids, "routed track");
      }
      board.elements.append(std::move(e));
    }
    // Left out before any geometry sees them; their rubberbands go with them.
    std::unordered_set<ElementId> dropped;
    for (size_t i = 0; i < r.elements.size(); ++i) {
      if (!unsound[i]) continue;
      dropped.insert(ids[i]);
      ++out_.unsound[board.elements[i].Kind];
    }
    if (!dropped.empty())
      removeElements(board.elements, [&](const TObjekt& e) { return dropped.count(e.Id) > 0; });
    cleanBoard(board.elements);
    return board;
  }

  ByteReader in_;
  bool importing_;
  LayoutFile out_;
};

}  // namespace

Result<LayoutFile> parseLayout(std::span<const uint8_t> data, const std::string& fileName,
                               bool importing) {
  if (!isLayoutVersionWord(data)) {
    const size_t slash = fileName.find_last_of("/\\");
    Message m{MessageKind::Error, MessageId::NotATrazelloFile,
              {slash == std::string::npos ? fileName : fileName.substr(slash + 1)}};
    m.caption = "Open";
    return m;
  }
  try {
    LayoutParser parser(data, importing);
    return parser.parse();
  } catch (const DamagedData& e) {
    return Message{MessageKind::Error, MessageId::DamagedLayoutFile, {fileName, e.what()}};
  } catch (const std::bad_alloc&) {
    return Message{MessageKind::Error, MessageId::DamagedLayoutFile,
                   {fileName, "it is too large to be read"}};
  }
}

}  // namespace trazello
