// libFuzzer target: a layout the reader accepts goes through everything a board is made with:
// the net trace (both methods must agree), the ground plane of every copper layer (it stays on
// the board), every Gerber layer, the drill file and the drill list (each complete, no value
// that is not a number).
//
// The work per input is bounded so that the fuzzer looks for faults, not for slow boards: inputs
// with more than kMostElements elements or kMostPoints points over all boards are skipped (the
// benchmarks measure large boards).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "checks/GroundPlane.h"
#include "checks/NetTrace.h"
#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"
#include "output/DrillList.h"
#include "output/ExcellonFile.h"
#include "output/GerberExport.h"

namespace {

using namespace trazello;

constexpr size_t kMostElements = 100;
constexpr size_t kMostPoints = 2000;

void check(bool ok) {
  if (!ok) __builtin_trap();
}

size_t pointsOf(const TObjekt& e) {
  size_t n = e.Points.size();
  for (const TObjekt& s : e.Strokes) n += s.Points.size();
  return n;
}

bool small(const LayoutFile& file) {
  size_t elements = 0, points = 0;
  for (const Board& b : file.boards) {
    elements += b.elements.size();
    for (size_t i = 0; i < b.elements.size(); ++i) points += pointsOf(b.elements[i]);
  }
  return elements <= kMostElements && points <= kMostPoints;
}

bool endsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Numbers are written by hand in every output; a NaN, an infinity or a negative aperture
// shows as one of these.
bool hasNoBadNumbers(std::string_view text) {
  for (std::string_view bad : {"nan", "NaN", "inf", "C, -"})
    if (text.find(bad) != std::string_view::npos) return false;
  return true;
}

void traceNets(const ElementList& list, const BoardSettings& settings) {
  const NetTrace fast(list, settings, NetTrace::Method::Fast);
  const NetTrace exact(list, settings, NetTrace::Method::Polygons);
  check(fast.netOf().size() == list.size());
  for (int32_t n : fast.netOf()) check(n >= 0 && n < fast.netCount());
  check(fast.netOf() == exact.netOf());
}

void floodCopper(const ElementList& list, const BoardSettings& settings) {
  const int64_t right = int64_t(settings.width) * kShapeScale;
  const int64_t bottom = -int64_t(settings.height) * kShapeScale;
  for (int layerCode : {1, 3, 5, 6}) {
    for (const Path& ring : floodOfLayer(list, settings, layerCode))
      for (const CPoint& p : ring) check(p.x >= 0 && p.x <= right && p.y <= 0 && p.y >= bottom);
  }
}

// The dialog's switches, taken from the input so that every combination is reached.
GerberOptions gerberOptions(GerberLayer layer, uint32_t bits) {
  GerberOptions o;
  o.layer = layer;
  o.mirror = bits & 1;
  o.frame = bits & 2;
  o.punchHoles = bits & 4;
  o.markHoles = bits & 8;
  o.pads = bits & 16;
  o.smdPads = bits & 32;
  o.others = bits & 64;
  o.invert = bits & 128;
  o.camOrigin = bits & 256;
  o.otherOffset = bits & 512 ? -9.99 : 9.99;
  return o;
}

void writeOutputs(const ElementList& list, const BoardSettings& settings, uint32_t bits) {
  for (GerberLayer layer : kAllGerberLayers) {
    GerberExport job(list, settings, gerberOptions(layer, bits));
    const std::string text = job.PlotteGerberfile();
    check(endsWith(text, "M02*\r\n") && hasNoBadNumbers(text));
  }
  ExcellonOptions drill;
  drill.unit = static_cast<DrillUnit>(bits % 3);
  drill.side = static_cast<DrillSide>((bits / 3) % 3);
  drill.deleteLeadingZeros = bits & 1024;
  drill.camOrigin = bits & 256;
  const std::string excellon = excellonFile(list, settings, drill);
  check(endsWith(excellon, "M30\r\n") && hasNoBadNumbers(excellon));
  for (const std::string& line : drillListLines(list, drill.filter, DrillListStyle{}))
    check(hasNoBadNumbers(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Result<LayoutFile> file = parseLayout(std::span<const uint8_t>(data, size), "fuzz.trz");
  if (!file.ok() || !small(file.value())) return 0;
  uint32_t bits = 2166136261u;  // FNV-1a of the input picks the output switches
  for (size_t i = 0; i < size; ++i) bits = (bits ^ data[i]) * 16777619u;
  Document doc;
  applyLayout(doc, std::move(file.value()), "fuzz.trz", false);
  for (int b = 0; b < static_cast<int>(doc.boards().size()); ++b) {
    doc.selectBoard(b);
    traceNets(doc.elements(), doc.working());
    floodCopper(doc.elements(), doc.working());
    writeOutputs(doc.elements(), doc.working(), bits);
  }
  return 0;
}
