// trazello-cli print FILE -o OUT.pdf: the print window's printout, at true scale, into a PDF.
#include <QBuffer>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "files/AtomicFile.h"
#include "files/TextEncoding.h"
#include "view/PrintPainter.h"

namespace trazello::cli {

namespace {

const char* kPrintUsage =
    "Usage: trazello-cli print FILE -o OUT.pdf [--board N] [--layers C1,S1,...] [--mirror]\n"
    "                         [--negative] [--frame] [--crosses] [--mask 1|2] [--drill-plan]\n"
    "                         [--scale PERCENT] [--copies NX,NY] [--spacing MM]\n"
    "                         [--calibrate H,V] [--info-line]\n"
    "Prints a board as the print window does into a PDF file, at true scale: the board's\n"
    "top-left corner 1 mm right of and below the page's corner, on an A4 page or, when the\n"
    "copies need more, a page just large enough.\n"
    "  --board N          the N-th board (1 = first; default: the current board)\n"
    "  --layers LIST      the printed layers among C1,S1,C2,S2,I1,I2,O (default: all)\n"
    "  --mirror           mirrored left to right\n"
    "  --negative         the layers white on their colour\n"
    "  --frame            the board outline\n"
    "  --crosses          corner crosses\n"
    "  --mask 1|2         the solder mask of side 1 or 2 (may be given twice)\n"
    "  --drill-plan       drill marks with their diameters\n"
    "  --scale PERCENT    10 to 500 in steps of 5 (default: 100, true scale)\n"
    "  --copies NX,NY     copies across and down, 1 to 20 each\n"
    "  --spacing MM       gap between copies, 0 to 50 mm\n"
    "  --calibrate H,V    the printer's correction factors, 0.8 to 1.2\n"
    "  --info-line        the file name, board, date and time at the bottom of the page\n";

constexpr int kPdfDpi = 1200;
constexpr double kA4Width = 210, kA4Height = 297;

struct PrintJob {
  std::string input;
  std::string output;
  int board = 0;
  PrintContent content;
  PrintLayout layout;
  bool infoLine = false;
};

bool takeFlag(const std::string& a, PrintJob& job) {
  PrintContent& c = job.content;
  if (a == "--mirror")
    c.mirrored = job.layout.mirrored = true;
  else if (a == "--negative")
    c.negative = true;
  else if (a == "--frame")
    c.frame = true;
  else if (a == "--crosses")
    c.crosses = true;
  else if (a == "--drill-plan")
    c.drillPlan = true;
  else if (a == "--info-line")
    job.infoLine = true;
  else
    return false;
  return true;
}

void takeLayers(ArgReader& in, PrintJob& job) {
  const std::optional<std::string> list = in.value("--layers");
  if (!list) return;
  static const char* kNames[8] = {"", "C1", "S1", "C2", "S2", "I1", "I2", "O"};
  job.content.layers.fill(false);
  std::stringstream words(*list);
  std::string word;
  bool any = false;
  while (std::getline(words, word, ',')) {
    for (char& ch : word) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const auto at = std::find_if(std::begin(kNames) + 1, std::end(kNames),
                                 [&](const char* n) { return word == n; });
    if (at == std::end(kNames))
      return in.fail("--layers: \"" + word + "\" is none of C1,S1,C2,S2,I1,I2,O");
    job.content.layers[static_cast<size_t>(at - std::begin(kNames))] = true;
    any = true;
  }
  if (!any) in.fail("--layers names no layer");
}

void takeScale(ArgReader& in, PrintJob& job) {
  const std::optional<int> percent = in.integer("--scale", 10, 500);
  if (!percent) return;
  if (*percent % 5 != 0) return in.fail("--scale must be a multiple of 5 (the window's steps)");
  if (*percent != 100) job.layout.setScalePosition(*percent / 5);
}

void takeCopies(ArgReader& in, PrintJob& job) {
  const auto pair = in.numberPair("--copies", 1, PrintLayout::kMaxCopies);
  if (!pair) return;
  if (pair->first != std::floor(pair->first) || pair->second != std::floor(pair->second))
    return in.fail("--copies must be two whole numbers");
  job.layout.copiesX = static_cast<int>(pair->first);
  job.layout.copiesY = static_cast<int>(pair->second);
}

bool isPdfName(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".pdf";
}

void takeOption(const std::string& a, ArgReader& in, PrintJob& job) {
  if (a == "-o") {
    job.output = in.value(a).value_or("");
  } else if (a == "--board") {
    job.board = in.integer(a, 1).value_or(0);
  } else if (a == "--layers") {
    takeLayers(in, job);
  } else if (a == "--mask") {
    const int side = in.integer(a, 1, 2).value_or(0);
    (side == 1 ? job.content.mask1 : job.content.mask2) = side != 0;
  } else if (a == "--scale") {
    takeScale(in, job);
  } else if (a == "--copies") {
    takeCopies(in, job);
  } else if (a == "--spacing") {
    if (auto mm = in.number(a, 0, PrintLayout::kMaxSpacing / 100.0))
      job.layout.spacing = static_cast<int32_t>(std::lround(*mm * 100));
  } else if (a == "--calibrate") {
    if (auto f = in.numberPair(a, PrintLayout::kMinCalibration, PrintLayout::kMaxCalibration)) {
      job.layout.calibrationX = f->first;
      job.layout.calibrationY = f->second;
    }
  } else {
    in.operand(a, job.input);
  }
}

std::optional<PrintJob> parseJob(const Args& args) {
  ArgReader in(args);
  PrintJob job;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (!takeFlag(a, job)) takeOption(a, in, job);
  }
  in.require(job.input, "FILE");
  in.require(job.output, "-o OUT.pdf");
  in.distinct(job.input, job.output, "-o");
  if (!in.failed() && !isPdfName(job.output))
    in.fail("-o \"" + job.output + "\": the print is written as PDF; give a name ending in .pdf");
  if (in.failed()) {
    usageError("print", in.error());
    return std::nullopt;
  }
  return job;
}

// A4, or larger when the copies reach beyond it, with 1 mm to spare.
QSizeF pageSize(const PrintLayout& layout) {
  const PrintLayout::Extent e = layout.boardsOnPaper();
  const double w = std::ceil(e.right / 100 * layout.calibrationX) + 1;
  const double h = std::ceil(e.bottom / 100 * layout.calibrationY) + 1;
  return {std::max(kA4Width, w), std::max(kA4Height, h)};
}

QByteArray printToPdf(const Document& doc, const PrintJob& job) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(kPdfDpi);
  pdf.setTitle(QString::fromStdString("Trazello 5.1 - [" + job.input + "]"));
  pdf.setCreator("trazello-cli");
  pdf.setPageLayout(QPageLayout(QPageSize(pageSize(job.layout), QPageSize::Millimeter),
                                QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter painter(&pdf);
  const QRect page(0, 0, pdf.width(), pdf.height());
  const std::string name = std::filesystem::path(job.input).filename().string();
  if (job.infoLine)
    DrawInfoLine(painter, page,
                 QString::fromStdString(name + " [" + cp1252ToUtf8(doc.currentBoard().name) + "]"),
                 QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  const double k = kPdfDpi / 2540.0;
  DrawPrintCopies(painter, job.layout, true, QPointF(0, 0), k, k, page.size(),
                  PrintScene{doc.working(), doc.elements(), nullptr}, job.content);
  painter.end();
  return bytes;
}

int print(PrintJob job) {
  std::optional<Document> doc = openForOutput(job.input, job.board);
  if (!doc) return 1;
  job.layout.boardWidth = doc->working().width;
  job.layout.boardHeight = doc->working().height;
  const QByteArray pdf = printToPdf(*doc, job);
  const std::optional<std::string> why =
      pdf.isEmpty() ? std::optional<std::string>("the PDF could not be made")
                    : writeFileAtomically(job.output,
                                          std::span(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                                    static_cast<size_t>(pdf.size())));
  if (why) {
    const Message failed{MessageKind::Error, MessageId::FileCannotBeWritten, {job.output}};
    std::cerr << "trazello-cli: " << errorText(failed, job.output) << " (" << *why << ")\n";
    return 1;
  }
  return 0;
}

int runPrint(const Args& args) {
  std::optional<PrintJob> job = parseJob(args);
  if (!job) return 2;
  // Text needs a font database, hence an application without a screen.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
  });
  static int argc = 1;
  static char name[] = "trazello-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  return print(std::move(*job));
}

}  // namespace

const Command kPrintCommand{"print", kPrintUsage, runPrint};

}  // namespace trazello::cli
