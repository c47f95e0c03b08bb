// trazello-cli nets and flood: the connectivity and ground plane of a board as JSON.
#include <iostream>

#include "Commands.h"
#include "Json.h"
#include "checks/GroundPlane.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "model/Layer.h"

namespace trazello::cli {

namespace {

struct CopperArgs {
  std::string file;
  int board = 0;
  int layer = 0;
};

bool parseNumber(const std::string& s, int& out) {
  try {
    size_t used = 0;
    out = std::stoi(s, &used);
    return used == s.size();
  } catch (const std::exception&) {
    return false;
  }
}

bool parse(const Args& args, CopperArgs& out, bool wantLayer) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--board" || (wantLayer && a == "--layer")) && i + 1 < args.size()) {
      if (!parseNumber(args[++i], a == "--board" ? out.board : out.layer)) return false;
    } else if (!a.empty() && a[0] != '-' && out.file.empty()) {
      out.file = a;
    } else {
      return false;
    }
  }
  return !out.file.empty() && out.board >= 0;
}

void writeRing(Json& j, const Path& ring) {
  j.beginArray();
  for (const CPoint& c : ring) {
    j.beginArray().value(double(c.x) / kShapeScale).value(double(c.y) / kShapeScale).endArray();
  }
  j.endArray();
}

}  // namespace

int runNets(const Args& args) {
  CopperArgs a;
  if (!parse(args, a, false)) {
    std::cerr << "Usage: trazello-cli nets FILE [--board N]\n";
    return 2;
  }
  std::optional<Document> doc = openForOutput(a.file, a.board);
  if (!doc) return 1;
  const NetTrace trace(doc->elements(), doc->working());
  Json j;
  j.beginObject().key("nets").beginArray();
  for (const std::vector<size_t>& net : trace.nets()) {
    j.beginArray();
    for (size_t i : net) j.value(i);
    j.endArray();
  }
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return 0;
}

int runFlood(const Args& args) {
  CopperArgs a;
  if (!parse(args, a, true) || !isCopperLayer(a.layer)) {
    std::cerr << "Usage: trazello-cli flood FILE --layer L [--board N]   (L: 1, 3, 5 or 6)\n";
    return 2;
  }
  std::optional<Document> doc = openForOutput(a.file, a.board);
  if (!doc) return 1;
  const Paths flood = floodOfLayer(doc->elements(), doc->working(), a.layer);
  Json j;
  j.beginObject().key("polygons").beginArray();
  for (const PolygonWithHoles& piece : pieces(flood)) {
    j.beginObject().key("outer");
    writeRing(j, piece.outer);
    j.key("holes").beginArray();
    for (const Path& hole : piece.holes) writeRing(j, hole);
    j.endArray().endObject();
  }
  j.endArray().field("area", areaInSquareUnits(flood)).endObject();
  std::cout << j.str() << "\n";
  return 0;
}

}  // namespace trazello::cli
