// trazello-cli route FILE -o OUT: routes every connection of a board, one after the other.
#include <cmath>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "Json.h"
#include "checks/AutoRouter.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello::cli {

namespace {

struct RouteArgs {
  std::string file;
  std::string out;
  int board = 0;
  int layer = 0;  // 0: the board's active layer
  double width = 0.4;
  double clearance = 0.2;
};

std::optional<RouteArgs> parse(const Args& args) {
  ArgReader in(args);
  RouteArgs out;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (a == "-o") {
      out.out = in.value(a).value_or("");
    } else if (a == "--board") {
      out.board = in.integer(a, 1).value_or(0);
    } else if (a == "--layer") {
      const std::optional<int> l = in.integer(a, 1, 7);
      if (l && !isCopperLayer(uint8_t(*l)))
        in.fail("--layer must be a copper layer (1, 3, 5 or 6), not \"" + std::to_string(*l) +
                "\"");
      out.layer = l.value_or(0);
    } else if (a == "--width") {
      out.width = in.number(a, 0.1, 9.9).value_or(out.width);
    } else if (a == "--clearance") {
      out.clearance = in.number(a, 0.1, 9.9).value_or(out.clearance);
    } else {
      in.operand(a, out.file);
    }
  }
  in.require(out.file, "FILE");
  in.require(out.out, "-o OUT.trz");
  if (in.failed()) {
    usageError("route", in.error());
    return std::nullopt;
  }
  return out;
}

int runRoute(const Args& args) {
  const std::optional<RouteArgs> a = parse(args);
  if (!a) return 2;
  std::optional<Document> doc = openForOutput(a->file, 0);
  if (!doc) return 1;
  const int current = doc->currentIndex();
  if (a->board > int(doc->boards().size())) {
    std::cerr << "trazello-cli: the layout has no board " << a->board << "\n";
    return 1;
  }
  if (a->board > 0) doc->selectBoard(a->board - 1);
  RouteSettings settings;
  settings.width = int32_t(std::lround(a->width * 100));
  settings.clearance = int32_t(std::lround(a->clearance * 100));
  settings.layer = uint8_t(a->layer ? a->layer : doc->working().activeLayer);
  const std::vector<RoutedConnection> routed =
      routeAllConnections(doc->elements(), doc->working(), settings);
  if (doc->currentIndex() != current) doc->selectBoard(current);
  if (auto failed = saveLayout(*doc, a->out)) {
    std::cerr << "trazello-cli: " << errorText(*failed, a->out) << "\n";
    return 1;
  }
  size_t ok = 0;
  for (const RoutedConnection& r : routed) ok += r.result.routed ? 1 : 0;
  Json j;
  j.beginObject().field("routed", ok).field("failed", routed.size() - ok).key("connections");
  j.beginArray();
  for (const RoutedConnection& r : routed) {
    j.beginObject()
        .field("from", r.from)
        .field("to", r.to)
        .field("routed", r.result.routed)
        .field("points", r.result.points)
        .endObject();
  }
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return 0;
}

}  // namespace

const Command kRouteCommand{
    "route",
    "Usage: trazello-cli route FILE -o OUT.trz [--board N] [--layer L] [--width MM]\n"
    "       [--clearance MM]\n"
    "Routes every connection (rubberband) of a board on copper layer L (default: the board's\n"
    "active layer) with a track of the width (default 0.4 mm) and clearance (default 0.2 mm),\n"
    "in the order the router's pair search finds them, and writes the layout to OUT.trz. A\n"
    "connection that cannot be routed stays. Prints JSON with element indices of FILE:\n"
    "{\"routed\": R, \"failed\": F, \"connections\": [{\"from\", \"to\", \"routed\", "
    "\"points\"}]}\n"
    "Exit status 0; 1 when a file cannot be read or written, 2 for a wrong argument.\n",
    runRoute};

}  // namespace trazello::cli
