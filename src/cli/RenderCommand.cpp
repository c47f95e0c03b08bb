// trazello-cli render FILE -o OUT.png: the picture of the drawing area, the whole board.
#include <QGuiApplication>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "PictureSupport.h"
#include "files/AtomicFile.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"
#include "model/BoardSettings.h"
#include "output/PngFile.h"
#include "view/BoardPicture.h"
#include "view/LayerControl.h"
#include "view/SchemeStore.h"
#include "view/ViewMapping.h"

namespace trazello::cli {

namespace {

const char* kRenderUsage =
    "Usage: trazello-cli render FILE -o OUT.png [--board N] [--zoom Z | --dpi D]\n"
    "                          [--active-layer L] [--photo 1|2] [--xray] [--scheme 0-3] [--grid]\n"
    "                          [--force]\n"
    "Draws a board as the drawing area shows it into a PNG picture.\n"
    "  --board N         the N-th board (1 = first; default: the current board)\n"
    "  --zoom Z          pixels per 0.01 mm (default: the board's zoom)\n"
    "  --dpi D           pixels per inch instead of --zoom\n"
    "  --active-layer L  1 C1, 2 S1, 3 C2, 4 S2, 5 I1, 6 I2, 7 O (default: the board's)\n"
    "  --photo 1|2       the photo view seen from side 1 or side 2 (mirrored)\n"
    "  --xray            with --photo: show the copper of the other side\n"
    "  --scheme 0-3      the colour scheme (1 to 3: C_USER<n>.DAT beside the program)\n"
    "  --grid            draw the grid\n"
    "  --force           draw a picture of more than 100 megapixels (at most 500)\n";

// Beyond this a picture takes gigabytes of memory, which is rarely what was meant.
constexpr double kMaxPixelsUnforced = 100e6;
// Two gigabytes of picture; beyond it even a forced render is refused rather than exhausting the
// machine.
constexpr double kMaxPixels = 500e6;

struct RenderJob {
  std::string input;
  std::string output;
  int board = 0;
  std::optional<double> zoom;
  std::optional<int> activeLayer;
  int photo = 0;
  bool xray = false;
  bool grid = false;
  bool force = false;
  int scheme = 0;
};

bool takeFlag(const std::string& a, RenderJob& job) {
  if (a == "--xray")
    job.xray = true;
  else if (a == "--grid")
    job.grid = true;
  else if (a == "--force")
    job.force = true;
  else
    return false;
  return true;
}

void takeZoom(const std::string& a, ArgReader& in, RenderJob& job) {
  if (job.zoom) return in.fail("give either --zoom or --dpi, once");
  // The zooms the drawing area allows; a large board lowers the top further.
  constexpr double kDotsPerZoom = 2540;  // pixels per inch at one pixel per 0.01 mm
  const double top = maxZoomFor(1, 1);
  const auto v = a == "--zoom" ? in.number(a, kMinZoom, top)
                               : in.number(a, kMinZoom * kDotsPerZoom, top * kDotsPerZoom);
  if (v) job.zoom = a == "--zoom" ? *v : *v / kDotsPerZoom;
}

bool isPngName(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".png";
}

std::optional<RenderJob> parseJob(const Args& args) {
  ArgReader in(args);
  RenderJob job;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (takeFlag(a, job)) continue;
    if (a == "-o")
      job.output = in.value(a).value_or("");
    else if (a == "--board")
      job.board = in.integer(a, 1).value_or(0);
    else if (a == "--zoom" || a == "--dpi")
      takeZoom(a, in, job);
    else if (a == "--active-layer")
      job.activeLayer = in.integer(a, 1, 7);
    else if (a == "--photo")
      job.photo = in.integer(a, 1, 2).value_or(0);
    else if (a == "--scheme")
      job.scheme = in.integer(a, 0, 3).value_or(0);
    else
      in.operand(a, job.input);
  }
  in.require(job.input, "FILE");
  in.require(job.output, "-o OUT.png");
  in.distinct(job.input, job.output, "-o");
  if (!in.failed() && !isPngName(job.output))
    in.fail("-o \"" + job.output + "\": the picture is written as PNG; give a name ending in .png");
  if (in.failed()) {
    usageError("render", in.error());
    return std::nullopt;
  }
  return job;
}

int render(const RenderJob& job) {
  std::optional<Document> doc = openForOutput(job.input, job.board);
  if (!doc) return 1;
  BoardSettings& settings = doc->working();
  if (job.activeLayer)
    SetActiveLayer(settings, doc->elements(), static_cast<uint8_t>(*job.activeLayer),
                   LayerCommandSource::Key);
  RenderOptions options;
  options.photoView = job.photo != 0;
  options.photoSide = job.photo == 2 ? 2 : 1;
  options.photoXray = job.xray;
  options.showGrid = job.grid;
  SchemeStore schemes(programFolder());
  schemes.load(job.scheme);
  const double zoom = clampZoom(job.zoom.value_or(settings.zoom), settings.width, settings.height);
  const double pixels = (settings.width * zoom + 1) * (settings.height * zoom + 1);
  if (pixels > kMaxPixelsUnforced && !job.force) {
    std::cerr << "trazello-cli: the picture would have " << std::llround(pixels / 1e6)
              << " megapixels; give --force to draw more than 100\n";
    return 1;
  }
  if (pixels > kMaxPixels) {
    std::cerr << "trazello-cli: the picture would have " << std::llround(pixels / 1e6)
              << " megapixels; at most 500 can be drawn\n";
    return 1;
  }
  const ScannedCopies scans = loadScans(settings);
  const QImage image =
      renderBoard(settings, doc->elements(), schemes.active(), options, zoom, &scans)
          .convertToFormat(QImage::Format_RGB32);
  // Encoded in memory and written through the atomic writer: a full disk or a failed render
  // never leaves a cut picture or destroys the previous one.
  const std::vector<uint8_t> png =
      encodePng({reinterpret_cast<const uint32_t*>(image.constBits()), image.width(),
                 image.height(), static_cast<size_t>(image.bytesPerLine()) / 4});
  keepUntilExit(std::move(*doc));
  const std::optional<std::string> why = writeFileAtomically(job.output, png);
  if (why) {
    const Message failed{MessageKind::Error, MessageId::FileCannotBeWritten, {job.output}};
    std::cerr << "trazello-cli: " << errorText(failed, job.output) << " (" << *why << ")\n";
    return 1;
  }
  return 0;
}

int runRender(const Args& args) {
  const std::optional<RenderJob> job = parseJob(args);
  if (!job) return 2;
  const auto app = startPictureApplication();
  return render(*job);
}

}  // namespace

const Command kRenderCommand{"render", kRenderUsage, runRender};

}  // namespace trazello::cli
