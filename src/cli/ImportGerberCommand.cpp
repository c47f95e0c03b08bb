// trazello-cli import-gerber FILE.trz GERBER... -o OUT.trz: Gerber and drill files onto layers of
// one board.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "Json.h"
#include "files/LayoutIo.h"
#include "import/GerberSetImport.h"
#include "import/GerberToElements.h"

namespace trazello::cli {

namespace {

const char* const kLayerNames[] = {"C1", "S1", "C2", "S2", "I1", "I2", "O"};

std::optional<uint8_t> layerCode(const std::string& name) {
  for (uint8_t i = 0; i < 7; ++i)
    if (name == kLayerNames[i]) return static_cast<uint8_t>(i + 1);
  return std::nullopt;
}

struct Job {
  std::string layout, output;
  int board = 0;
  std::optional<std::pair<double, double>> size;  // millimetres
  std::vector<std::pair<std::string, uint8_t>> files;
};

// "--layer L" sets the layer of the files after it; "FILE:L" sets one file's layer.
std::optional<Job> parse(ArgReader& in) {
  Job job;
  uint8_t layer = 3;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (a == "-o") {
      if (auto v = in.value(a)) job.output = *v;
    } else if (a == "--board") {
      if (auto v = in.integer(a, 1)) job.board = *v;
    } else if (a == "--board-size") {
      job.size = in.numberPair(a, 1, 9999);
    } else if (a == "--layer") {
      if (auto v = in.value(a)) {
        if (auto code = layerCode(*v))
          layer = *code;
        else
          in.fail("--layer: '" + *v + "' is none of C1, S1, C2, S2, I1, I2, O");
      }
    } else if (job.layout.empty() || a.starts_with("-")) {
      in.operand(a, job.layout);
    } else {
      const size_t colon = a.rfind(':');
      std::optional<uint8_t> own =
          colon == std::string::npos ? std::nullopt : layerCode(a.substr(colon + 1));
      job.files.push_back({own ? a.substr(0, colon) : a, own ? *own : layer});
    }
  }
  in.require(job.layout, "FILE.trz");
  if (!in.failed() && job.files.empty()) in.fail("no GERBER file given");
  in.require(job.output, "-o OUT.trz");
  in.distinct(job.layout, job.output, "-o");
  if (in.failed()) return std::nullopt;
  return job;
}

int runImportGerber(const Args& args) {
  ArgReader in(args);
  const std::optional<Job> job = parse(in);
  if (!job) return usageError("import-gerber", in.error());
  std::optional<Document> doc = openForOutput(job->layout, job->board);
  if (!doc) return 1;
  if (job->size) {
    doc->working().width = static_cast<int32_t>(std::lround(job->size->first * 100));
    doc->working().height = static_cast<int32_t>(std::lround(job->size->second * 100));
  }
  std::vector<GerberLayerFile> files;
  for (const auto& [path, layer] : job->files) {
    std::ifstream f(path, std::ios::binary | std::ios::ate);
    std::string text;
    if (f) {
      // Read in one piece into a string of the file's size: large files are copied only once.
      text.resize(static_cast<size_t>(std::max<std::streamoff>(0, f.tellg())));
      f.seekg(0);
      f.read(text.data(), static_cast<std::streamsize>(text.size()));
    }
    if (!f) {
      std::cerr << "trazello-cli: the Gerber file \"" << path << "\" cannot be read\n";
      return 1;
    }
    files.push_back({path, std::move(text), layer});
  }
  GerberSetImport result = importGerberSet(files, doc->working().height);
  if (!result.ok()) {
    const MessageId id =
        result.refusedDrillFile ? MessageId::DrillFileRefused : MessageId::GerberFileRefused;
    std::cerr << "trazello-cli: "
              << messageText({MessageKind::Error, id, {result.refusedFile, result.error}}) << "\n";
    return 1;
  }
  const GerberImportCounts n = countImported(result.elements);
  for (TObjekt& e : result.elements) doc->elements().append(std::move(e));
  doc->setModified();
  if (auto failed = saveLayout(*doc, job->output)) {
    std::cerr << "trazello-cli: " << errorText(*failed, job->output) << "\n";
    return 1;
  }
  Json j;
  j.beginObject()
      .field("elements", n.elements())
      .field("pads", n.pads)
      .field("smd", n.smd)
      .field("tracks", n.tracks)
      .field("arcs", n.arcs)
      .field("zones", n.zones)
      .field("holes", result.holes)
      .field("plated", result.platedHoles)
      .key("warnings")
      .beginArray();
  for (const std::string& w : result.warnings) j.value(w);
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return 0;
}

}  // namespace

const Command kImportGerberCommand{
    "import-gerber",
    "Usage: trazello-cli import-gerber FILE.trz [--layer L] GERBER[:L]... -o OUT.trz [--board N]\n"
    "                                  [--board-size W,H]\n"
    "Reads RS-274X files onto layers of board N (counted from 1; default the current board) of\n"
    "FILE.trz and writes the layout to OUT.trz. L is one of C1, S1, C2, S2, I1, I2, O: --layer "
    "sets\n"
    "the layer of the files after it, GERBER:L the layer of one file; the default is C2. The "
    "files'\n"
    "origin is the board's bottom-left corner; --board-size first sets the board's size in mm, "
    "since\n"
    "elements beyond the board are not saved. Prints the elements made as JSON:\n"
    "{\"elements\", \"pads\", \"smd\", \"tracks\", \"arcs\", \"zones\", \"holes\", \"plated\",\n"
    "\"warnings\"}. Excellon drill files, known by their content, drill the imported pads: pads "
    "hit\n"
    "on both C1 and C2 become one through-plated pad, others are drilled; a hole without a pad\n"
    "becomes a drilled pad on the file's layer. A file that cannot be read whole is refused and\n"
    "nothing is written.\n",
    runImportGerber};

}  // namespace trazello::cli
