// trazello-cli nets and flood: the connectivity and ground plane of a board as JSON.
#include <iostream>
#include <optional>

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

// FILE [--board N], and --layer L when `command` is flood.
std::optional<CopperArgs> parse(const Args& args, std::string_view command) {
  const bool wantLayer = command == "flood";
  ArgReader in(args);
  CopperArgs out;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (a == "--board") {
      out.board = in.integer(a, 1).value_or(0);
    } else if (wantLayer && a == "--layer") {
      const auto l = in.integer(a, 1, 7);
      if (l && !isCopperLayer(*l))
        in.fail("--layer must be a copper layer (1, 3, 5 or 6), not \"" + std::to_string(*l) +
                "\"");
      out.layer = l.value_or(0);
    } else {
      in.operand(a, out.file);
    }
  }
  in.require(out.file, "FILE");
  if (wantLayer && out.layer == 0) in.fail("--layer L is missing");
  if (in.failed()) {
    usageError(command, in.error());
    return std::nullopt;
  }
  return out;
}

void writeRing(Json& j, const Path& ring) {
  j.beginArray();
  for (const CPoint& c : ring) {
    j.beginArray().value(double(c.x) / kShapeScale).value(double(c.y) / kShapeScale).endArray();
  }
  j.endArray();
}

int runNets(const Args& args) {
  const std::optional<CopperArgs> a = parse(args, "nets");
  if (!a) return 2;
  std::optional<Document> doc = openForOutput(a->file, a->board);
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
  const std::optional<CopperArgs> a = parse(args, "flood");
  if (!a) return 2;
  std::optional<Document> doc = openForOutput(a->file, a->board);
  if (!doc) return 1;
  const std::vector<PolygonWithHoles> flood =
      floodPieces(doc->elements(), doc->working(), a->layer);
  Json j;
  j.beginObject().key("polygons").beginArray();
  for (const PolygonWithHoles& piece : flood) {
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

}  // namespace

const Command kNetsCommand{"nets",
                           "Usage: trazello-cli nets FILE [--board N]\n"
                           "Lists the nets of a board as JSON: each net is the list of the\n"
                           "element indices it joins.\n",
                           runNets};

const Command kFloodCommand{"flood",
                            "Usage: trazello-cli flood FILE --layer L [--board N]\n"
                            "Prints the ground plane of copper layer L (1, 3, 5 or 6) as JSON\n"
                            "polygons with their holes and the area in square units.\n",
                            runFlood};

}  // namespace trazello::cli
