// trazello-cli render FILE -o OUT.png: the picture of the drawing area, the whole board.
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"
#include "view/BoardPicture.h"
#include "view/LayerControl.h"
#include "view/SchemeStore.h"
#include "view/ViewMapping.h"

namespace trazello::cli {

namespace {

const char* kRenderUsage =
    "Usage: trazello-cli render FILE -o OUT.png [--board N] [--zoom Z | --dpi D]\n"
    "                          [--active-layer L] [--photo 1|2] [--xray] [--scheme 0-3] [--grid]\n"
    "  --board N         the N-th board (1 = first; default: the current board)\n"
    "  --zoom Z          pixels per 0.01 mm (default: the board's zoom)\n"
    "  --dpi D           pixels per inch instead of --zoom\n"
    "  --active-layer L  1 C1, 2 S1, 3 C2, 4 S2, 5 I1, 6 I2, 7 O (default: the board's)\n"
    "  --photo 1|2       the photo view seen from side 1 or side 2 (mirrored)\n"
    "  --xray            with --photo: show the copper of the other side\n"
    "  --scheme 0-3      the colour scheme (1 to 3: C_USER<n>.DAT beside the program)\n"
    "  --grid            draw the grid\n";

struct RenderJob {
  std::string input;
  std::string output;
  int board = 0;
  std::optional<double> zoom;
  std::optional<int> activeLayer;
  int photo = 0;
  bool xray = false;
  bool grid = false;
  int scheme = 0;
};

bool parseInt(const std::string& s, int& v, int lo, int hi) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && v >= lo && v <= hi;
}

bool parsePositive(const std::string& s, double& v) {
  char* end = nullptr;
  v = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && !s.empty() && v > 0 && v < 1e6;
}

std::optional<RenderJob> parseJob(const Args& args) {
  RenderJob job;
  bool zoomGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string v = hasValue ? args[i + 1] : std::string();
    int n = 0;
    double d = 0;
    if (a == "-o" && hasValue) {
      job.output = v;
    } else if (a == "--board" && hasValue && parseInt(v, n, 1, 1 << 20)) {
      job.board = n;
    } else if ((a == "--zoom" || a == "--dpi") && hasValue && !zoomGiven && parsePositive(v, d)) {
      job.zoom = a == "--zoom" ? d : d / 2540.0;
      zoomGiven = true;
    } else if (a == "--active-layer" && hasValue && parseInt(v, n, 1, 7)) {
      job.activeLayer = n;
    } else if (a == "--photo" && hasValue && parseInt(v, n, 1, 2)) {
      job.photo = n;
    } else if (a == "--scheme" && hasValue && parseInt(v, n, 0, 3)) {
      job.scheme = n;
    } else if (a == "--xray" || a == "--grid") {
      (a == "--xray" ? job.xray : job.grid) = true;
      continue;
    } else if (a.rfind("-", 0) != 0 && job.input.empty()) {
      job.input = a;
      continue;
    } else {
      return std::nullopt;
    }
    ++i;
  }
  if (job.input.empty() || job.output.empty()) return std::nullopt;
  return job;
}

std::string programFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

ScannedCopies loadScans(const BoardSettings& s) {
  ScannedCopies scans;
  for (size_t side = 0; side < 2; ++side) {
    if (!s.templateShown[side] || s.templateFile[side].empty()) continue;
    const std::string name = cp1252ToUtf8(s.templateFile[side]);
    Result<LoadedScan> loaded = loadScannedCopy(name);
    if (loaded)
      scans[side] = loaded->image;
    else
      std::cerr << "trazello-cli: " << messageText(loaded.error()) << "\n";
  }
  return scans;
}

int render(const RenderJob& job) {
  Document doc;
  Result<OpenOutcome> opened = openLayout(doc, job.input, false);
  if (!opened) {
    std::cerr << "trazello-cli: " << cp1252ToUtf8(messageText(opened.error())) << "\n";
    return 1;
  }
  if (job.board > static_cast<int>(doc.boards().size())) {
    std::cerr << "trazello-cli: the layout has no board " << job.board << "\n";
    return 1;
  }
  if (job.board > 0) doc.selectBoard(job.board - 1);
  BoardSettings& settings = doc.working();
  if (job.activeLayer)
    SetActiveLayer(settings, doc.elements(), static_cast<uint8_t>(*job.activeLayer),
                   LayerCommandSource::Key);
  RenderOptions options;
  options.photoView = job.photo != 0;
  options.photoSide = job.photo == 2 ? 2 : 1;
  options.photoXray = job.xray;
  options.showGrid = job.grid;
  SchemeStore schemes(programFolder());
  schemes.load(job.scheme);
  const double zoom = clampZoom(job.zoom.value_or(settings.zoom), settings.width, settings.height);
  const ScannedCopies scans = loadScans(settings);
  const QImage image =
      renderBoard(settings, doc.elements(), schemes.active(), options, zoom, &scans);
  if (!image.save(QString::fromStdString(job.output), "PNG")) {
    std::cerr << "trazello-cli: "
              << cp1252ToUtf8(messageText(
                     Message{MessageKind::Error, MessageId::FileCannotBeWritten, {job.output}}))
              << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int runRender(const Args& args) {
  const std::optional<RenderJob> job = parseJob(args);
  if (!job) {
    std::cerr << kRenderUsage;
    return 2;
  }
  // Text in system fonts needs a font database, hence an application without a screen.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "trazello-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  return render(*job);
}

}  // namespace trazello::cli
