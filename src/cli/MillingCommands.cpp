// trazello-cli isolate and outline: the plotter files of isolation milling (with its drill
// plots and the check for nets the cutter cannot separate) and of outline milling.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "Json.h"
#include "files/AtomicFile.h"
#include "model/Layer.h"
#include "output/IsolationJob.h"
#include "output/OutlineMilling.h"
#include "view/MillingPreview.h"

namespace trazello::cli {

namespace {

const char* kIsolateUsage =
    "Usage: trazello-cli isolate FILE -o OUT.plt [--board N] [--layer C1|C2|I1|I2] [--tool MM]\n"
    "         [--texts outline|single] [--marked-texts outline|single] [--mirror none|x|y]\n"
    "         [--centering] [--ref LIST] [--drills none|one|one-pens|each|mill]\n"
    "         [--drill-tool MM] [--drill-pen2] [--special-factor] [--cam-origin]\n"
    "         [--preview OUT.png [--dpi D]]\n"
    "Writes the isolation-milling plotter file of one copper layer, and the drill plots beside\n"
    "it, and prints {\"outlines\": N, \"files\": [...], \"shorts\": [...]}: every groove island\n"
    "holding copper of several nets, with the elements (0-based) of each net and where they\n"
    "meet (units of 0.01 mm). --tool and --drill-tool: 0 to 4.99 mm. LIST: the reference holes\n"
    "as bl,br,tl,tr or none (default bl). --preview draws the board as milled.\n";

const char* kOutlineUsage =
    "Usage: trazello-cli outline FILE -o OUT.plt [--board N] [--selected] [--mirror none|x|y]\n"
    "         [--ref LIST] [--special-factor] [--cam-origin]\n"
    "Writes the outline-milling plotter file: the tracks and arcs of the outline layer along\n"
    "their centre lines. LIST: the reference holes as bl,br,tl,tr or none (default bl).\n";

struct MillingArgs {
  std::string input, output, preview;
  int board = 0;
  double dpi = 300;
  bool selected = false;
};

HpglMirror mirrorOf(ArgReader& in, const std::string& a) {
  const std::string v = in.value(a).value_or("none");
  if (v == "x") return HpglMirror::Horizontal;
  if (v == "y") return HpglMirror::Vertical;
  if (v != "none") in.fail("--mirror must be none, x or y, not \"" + v + "\"");
  return HpglMirror::None;
}

ReferenceHoles refsOf(ArgReader& in, const std::string& a) {
  ReferenceHoles r{false, false, false, false};
  const std::string v = in.value(a).value_or("none");
  if (v == "none") return r;
  std::stringstream list(v);
  for (std::string corner; std::getline(list, corner, ',');) {
    if (corner == "bl") r.bottomLeft = true;
    else if (corner == "br") r.bottomRight = true;
    else if (corner == "tl") r.topLeft = true;
    else if (corner == "tr") r.topRight = true;
    else in.fail("--ref takes bl, br, tl, tr or none, not \"" + corner + "\"");
  }
  return r;
}

bool singleLine(ArgReader& in, const std::string& a) {
  const std::string v = in.value(a).value_or("outline");
  if (v != "outline" && v != "single") in.fail(a + " must be outline or single, not \"" + v + "\"");
  return v == "single";
}

uint8_t layerOf(ArgReader& in, const std::string& a) {
  const std::string v = in.value(a).value_or("C1");
  if (v == "C1") return layer::C1;
  if (v == "C2") return layer::C2;
  if (v == "I1") return layer::I1;
  if (v == "I2") return layer::I2;
  in.fail("--layer must be C1, C2, I1 or I2, not \"" + v + "\"");
  return layer::C1;
}

int32_t widthOf(ArgReader& in, const std::string& a) {
  return roundInt(in.number(a, 0, 4.99).value_or(0) * 100);
}

void takeDrills(ArgReader& in, const std::string& a, DrillPlotOptions& d) {
  const std::string v = in.value(a).value_or("none");
  d.ownPens = v == "one-pens";
  if (v == "none") d.kind = DrillPlotKind::None;
  else if (v == "one" || v == "one-pens") d.kind = DrillPlotKind::OneFile;
  else if (v == "each") d.kind = DrillPlotKind::EachDiameter;
  else if (v == "mill") d.kind = DrillPlotKind::Milling;
  else in.fail("--drills must be none, one, one-pens, each or mill, not \"" + v + "\"");
}

// The options both commands share; false when `a` is none of them.
bool takeShared(ArgReader& in, const std::string& a, MillingArgs& m, HpglMirror& mirror,
                ReferenceHoles& refs, bool& special, bool& cam) {
  if (a == "-o") m.output = in.value(a).value_or("");
  else if (a == "--board") m.board = in.integer(a, 1).value_or(0);
  else if (a == "--mirror") mirror = mirrorOf(in, a);
  else if (a == "--ref") refs = refsOf(in, a);
  else if (a == "--special-factor") special = true;
  else if (a == "--cam-origin") cam = true;
  else return false;
  return true;
}

bool finish(ArgReader& in, const MillingArgs& m, std::string_view command) {
  in.require(m.input, "FILE");
  in.require(m.output, "-o OUT.plt");
  in.distinct(m.input, m.output, "-o");
  if (!m.preview.empty()) in.distinct(m.input, m.preview, "--preview");
  if (in.failed()) {
    usageError(command, in.error());
    return false;
  }
  return true;
}

bool parseIsolate(const Args& args, MillingArgs& m, IsolationOptions& o) {
  ArgReader in(args);
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (takeShared(in, a, m, o.mirror, o.refs, o.specialFactor, o.camOrigin)) continue;
    if (a == "--layer") o.selection.layer = layerOf(in, a);
    else if (a == "--tool") o.selection.toolWidth = widthOf(in, a);
    else if (a == "--texts") o.selection.plainTextSingle = singleLine(in, a);
    else if (a == "--marked-texts") o.selection.markedTextSingle = singleLine(in, a);
    else if (a == "--centering") o.centring = true;
    else if (a == "--drills") takeDrills(in, a, o.drills);
    else if (a == "--drill-tool") o.drills.millWidth = widthOf(in, a);
    else if (a == "--drill-pen2") o.drills.secondPen = true;
    else if (a == "--preview") m.preview = in.value(a).value_or("");
    else if (a == "--dpi") m.dpi = in.number(a, 10, 2400).value_or(300);
    else in.operand(a, m.input);
  }
  return finish(in, m, "isolate");
}

std::optional<std::string> writeText(const std::string& path, const std::string& text) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return writeFileAtomically(path, {bytes, text.size()});
}

bool writeOrTell(const std::string& path, const std::string& text) {
  if (auto failed = writeText(path, text)) {
    std::cerr << "trazello-cli: cannot write \"" << path << "\": " << *failed << "\n";
    return false;
  }
  return true;
}

void printReport(const IsolationJob& job, const std::vector<std::string>& files) {
  Json j;
  j.beginObject().field("outlines", job.outlines.size()).key("files").beginArray();
  for (const std::string& f : files) j.value(f);
  j.endArray().key("shorts").beginArray();
  for (const MillingShort& s : job.shorts) {
    j.beginObject().key("nets").beginArray();
    for (const auto& net : s.nets) {
      j.beginArray();
      for (size_t e : net) j.value(e);
      j.endArray();
    }
    j.endArray().key("at").beginArray().value(s.at.x).value(s.at.y).endArray().endObject();
  }
  j.endArray().endObject();
  std::cout << j.str() << "\n";
}

int runIsolate(const Args& args) {
  MillingArgs m;
  IsolationOptions o;
  if (!parseIsolate(args, m, o)) return 2;
  std::optional<Document> doc = openForOutput(m.input, m.board);
  if (!doc) return 1;
  const IsolationJob job = runIsolation(doc->elements(), doc->working(), o);
  if (job.groundPlaneIgnored)
    std::cerr << "trazello-cli: The automatic ground plane on the selected layer will be ignored.\n";
  if (job.nothingToMill) {
    std::cerr << "trazello-cli: There are no milling-elements on the selected layer.\n";
    return 1;
  }
  std::vector<std::string> files{m.output};
  if (!writeOrTell(m.output, job.file)) return 1;
  const std::filesystem::path folder = std::filesystem::path(m.output).parent_path();
  for (const PlotFile& f : job.drillFiles) {
    const std::string path = (folder / f.name).string();
    if (!writeOrTell(path, f.text)) return 1;
    files.push_back(path);
  }
  if (!m.preview.empty()) {
    const QImage picture =
        milledBoardPicture(job.outlines, o.selection.toolWidth, doc->working(), m.dpi);
    if (!picture.save(QString::fromStdString(m.preview), "PNG")) {
      std::cerr << "trazello-cli: cannot write \"" << m.preview << "\"\n";
      return 1;
    }
    files.push_back(m.preview);
  }
  printReport(job, files);
  return 0;
}

int runOutline(const Args& args) {
  MillingArgs m;
  OutlineMillingOptions o;
  ArgReader in(args);
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (takeShared(in, a, m, o.mirror, o.refs, o.specialFactor, o.camOrigin)) continue;
    if (a == "--selected") o.selectedOnly = true;
    else in.operand(a, m.input);
  }
  if (!finish(in, m, "outline")) return 2;
  std::optional<Document> doc = openForOutput(m.input, m.board);
  if (!doc) return 1;
  if (!hasOutlineElements(doc->elements())) {
    std::cerr << "trazello-cli: No elements for the PCB outline available.\n";
    return 1;
  }
  // As in the window: "selected" falls back to all when nothing on the outline layer is.
  if (!hasSelectedOutlineElements(doc->elements())) o.selectedOnly = false;
  return writeOrTell(m.output, outlineMillingFile(doc->elements(), doc->working(), o)) ? 0 : 1;
}

}  // namespace

const Command kIsolateCommand{"isolate", kIsolateUsage, runIsolate};
const Command kOutlineCommand{"outline", kOutlineUsage, runOutline};

}  // namespace trazello::cli
