// trazello-cli export FILE -o OUT.bmp|.gif|.jpg|.emf|.svg: the picture the editor's export
// commands write.
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "PictureSupport.h"
#include "model/BoardSettings.h"
#include "output/TExportDlg.h"
#include "view/PictureExport.h"
#include "view/SchemeStore.h"

namespace trazello::cli {

namespace {

const char* kExportUsage =
    "Usage: trazello-cli export FILE -o OUT.bmp|.gif|.jpg|.emf|.svg [--board N] [--dpi D] [--mono]\n"
    "Writes the picture of a board that the editor's export commands write: every visible\n"
    "layer as the drawing area shows it, without grid or selection.\n"
    "  -o OUT      the picture; its ending chooses the format: .bmp, .gif, .jpg (or .jpeg),\n"
    "              .emf (enhanced metafile) or .svg\n"
    "  --board N   the N-th board (1 = first; default: the current board)\n"
    "  --dpi D     pixels per inch: 100 to 600 for .bmp, .gif and .jpg (default 300); for\n"
    "              .emf and .svg the zoom the picture is drawn for (default: the board's zoom)\n"
    "  --mono      with .bmp: black and white, 1 bit per pixel (default: colour)\n";

enum class Format { Bitmap, Gif, Jpeg, Metafile, Svg };

struct ExportJob {
  std::string input;
  std::string output;
  int board = 0;
  std::optional<double> dpi;
  bool mono = false;
  Format format = Format::Bitmap;
};

std::optional<Format> formatOf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".bmp") return Format::Bitmap;
  if (ext == ".gif") return Format::Gif;
  if (ext == ".jpg" || ext == ".jpeg") return Format::Jpeg;
  if (ext == ".emf") return Format::Metafile;
  if (ext == ".svg") return Format::Svg;
  return std::nullopt;
}

bool isRaster(Format f) { return f == Format::Bitmap || f == Format::Gif || f == Format::Jpeg; }

// What the options say together, once each has been read.
void checkCombination(ArgReader& in, ExportJob& job) {
  const std::optional<Format> format = formatOf(job.output);
  if (!format) {
    in.fail("-o \"" + job.output + "\": give a name ending in .bmp, .gif, .jpg, .emf or .svg");
    return;
  }
  job.format = *format;
  if (job.mono && job.format != Format::Bitmap)
    in.fail("--mono: only a bitmap (.bmp) can be black and white");
  if (job.dpi && isRaster(job.format) &&
      (*job.dpi != std::floor(*job.dpi) || *job.dpi < TExportDlg::kMinDpi ||
       *job.dpi > TExportDlg::kMaxDpi))
    in.fail("--dpi: a raster picture takes a whole number from 100 to 600");
}

std::optional<ExportJob> parseJob(const Args& args) {
  ArgReader in(args);
  ExportJob job;
  constexpr double kDotsPerZoom = 2540;  // pixels per inch at one pixel per 0.01 mm
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (a == "-o")
      job.output = in.value(a).value_or("");
    else if (a == "--board")
      job.board = in.integer(a, 1).value_or(0);
    else if (a == "--dpi")
      job.dpi = in.number(a, kMinZoom * kDotsPerZoom, maxZoomFor(1, 1) * kDotsPerZoom);
    else if (a == "--mono")
      job.mono = true;
    else
      in.operand(a, job.input);
  }
  in.require(job.input, "FILE");
  in.require(job.output, "-o OUT");
  in.distinct(job.input, job.output, "-o");
  if (!in.failed()) checkCombination(in, job);
  if (in.failed()) {
    usageError("export", in.error());
    return std::nullopt;
  }
  return job;
}

RasterKind rasterKind(Format f) {
  return f == Format::Gif ? RasterKind::Gif : f == Format::Jpeg ? RasterKind::Jpeg : RasterKind::Bitmap;
}

std::optional<Message> write(const ExportJob& job, const PictureSource& source) {
  if (isRaster(job.format)) {
    const int dpi = static_cast<int>(job.dpi.value_or(300));
    const QImage picture = rasterPicture(source, dpi);
    return writeRasterPicture(picture, rasterKind(job.format), job.mono, dpi,
                              source.scheme[SchemeSlot::Background], job.output);
  }
  const double zoom = job.dpi ? *job.dpi / 2540 : source.board.zoom;
  if (job.format == Format::Metafile) {
    const std::vector<uint8_t> emf = boardMetafile(source, zoom, false);
    return writePictureFile(job.output, emf.data(), emf.size());
  }
  const QByteArray svg = boardSvg(source, zoom, false);
  return writePictureFile(job.output, svg.constData(), static_cast<size_t>(svg.size()));
}

int exportPicture(const ExportJob& job) {
  std::optional<Document> doc = openForOutput(job.input, job.board);
  if (!doc) return 1;
  const BoardSettings& board = doc->working();
  SchemeStore schemes(programFolder());
  schemes.load(0);
  RenderOptions options;
  const ScannedCopies scans = loadScans(board);
  const PictureSource source{board, doc->elements(), &scans, schemes.active(), options};
  if (const std::optional<Message> failed = write(job, source)) {
    std::cerr << "trazello-cli: " << errorText(*failed, job.output) << "\n";
    return 1;
  }
  return 0;
}

int runExport(const Args& args) {
  const std::optional<ExportJob> job = parseJob(args);
  if (!job) return 2;
  const auto app = startPictureApplication();
  return exportPicture(*job);
}

}  // namespace

const Command kExportCommand{"export", kExportUsage, runExport};

}  // namespace trazello::cli
