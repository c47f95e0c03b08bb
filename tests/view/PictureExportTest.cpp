// Exported pictures of whole boards: what they show and leave out, the command-line tool's
// files read back by Qt and by Pillow, and the metafile played by programs we did not write.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>
#include <filesystem>
#include <fstream>

#include "RenderScene.h"
#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "view/PictureExport.h"

namespace trazello::testing {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";

class PictureExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-pictures-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string at(const std::string& name) const { return (dir_ / name).string(); }
  CliRun run(const std::string& program, const std::string& args) const {
    return runCli(program, args, at("err.txt"));
  }
  Document demo() const {
    Document doc;
    EXPECT_TRUE(openLayout(doc, kDemo, false, nullptr));
    return doc;
  }

  fs::path dir_;
};

// The RGB bytes of a picture, row by row, as Pillow's tobytes() gives them.
QByteArray rgbBytes(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QByteArray out;
  for (int y = 0; y < rgb.height(); ++y)
    out.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
  return out;
}

QString md5(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// The share of the pixels of `b` whose colours differ by more than `tolerance` in some channel
// from those of `a` at (x + dx, y + dy); pixels beyond `a` count as differing.
double differingShare(const QImage& a, const QImage& b, int tolerance, int dx = 0, int dy = 0) {
  const int w = b.width(), h = b.height();
  long differing = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!a.valid(x + dx, y + dy)) {
        ++differing;
        continue;
      }
      const QRgb p = a.pixel(x + dx, y + dy), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
          std::abs(qBlue(p) - qBlue(q)) > tolerance)
        ++differing;
    }
  return double(differing) / (double(w) * h);
}

TEST_F(PictureExport, ThreeHundredDpiOfAHundredByEightyMillimetreBoard) {
  RenderScene s;
  s.board.width = 10000;
  s.board.height = 8000;
  const QImage picture = rasterPicture({s.board, s.elements, nullptr, s.scheme, s.options}, 300);
  EXPECT_EQ(picture.size(), QSize(1181, 945));
}

// The screen shows the highlight and the grid; the picture shows neither.
TEST_F(PictureExport, NoSelectionHighlightNoHandlesNoGrid) {
  RenderScene s;
  TObjekt t = newTrack(40, layer::C2);
  t.Points = {{50, -100}, {350, -100}, {350, -250}};
  TObjekt pad = newPad({200, -200}, layer::C2, padshape::Round, 40, 15);
  s.elements.append(t);
  s.elements.append(pad);
  RenderScene plain = s;
  for (size_t i = 0; i < s.elements.size(); ++i) s.elements.edit(i).Selected = 1;
  s.options.showGrid = true;
  s.options.gridMarks = 0;
  s.board.grid = 2540;
  const PictureSource busy{s.board, s.elements, nullptr, s.scheme, s.options};
  const PictureSource calm{plain.board, plain.elements, nullptr, plain.scheme, plain.options};
  // 2540 dpi is one pixel per unit, as the screen draws the scene.
  ASSERT_NE(renderBoard(s.board, s.elements, s.scheme, s.options, 1.0).copy(0, 0, 400, 300),
            rasterPicture(calm, 2540));
  const QImage picture = rasterPicture(busy, 2540);
  EXPECT_EQ(picture, rasterPicture(calm, 2540));
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      ASSERT_NE(picture.pixel(x, y) & 0xFFFFFF, 0xFF00FFu) << x << "," << y;
  // The vector pictures leave them out too.
  EXPECT_EQ(boardSvg(busy, 1.0, false), boardSvg(calm, 1.0, false));
  EXPECT_EQ(boardMetafile(busy, 1.0, false), boardMetafile(calm, 1.0, false));
}

TEST_F(PictureExport, AJpegThatCannotBeMadeAtAnyQualityEndsWithTheMessage) {
  RenderScene s;
  const QImage picture = rasterPicture({s.board, s.elements, nullptr, s.scheme, s.options}, 300);
  std::vector<int> tried;
  const JpegEncode failing = [&](const PixelView&, int quality, int) {
    tried.push_back(quality);
    return std::optional<std::vector<uint8_t>>();
  };
  const auto failed = writeRasterPicture(picture, RasterKind::Jpeg, false, 300, kBlack,
                                         at("never.jpg"), failing);
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->id, MessageId::JpegNotCreated);
  EXPECT_EQ(messageText(*failed), "Error creating JPG-file. Please try another resolution (dpi).");
  EXPECT_EQ(tried, (std::vector<int>{100, 90, 80}));
  EXPECT_FALSE(fs::exists(at("never.jpg")));
  // The second try succeeds: the file is written at quality 90.
  const JpegEncode secondWorks = [](const PixelView& p, int quality, int dpi) {
    return quality == 100 ? std::nullopt : encodeJpeg(p, quality, dpi);
  };
  EXPECT_FALSE(writeRasterPicture(picture, RasterKind::Jpeg, false, 300, kBlack, at("90.jpg"),
                                  secondWorks));
  EXPECT_EQ(QImage(QString::fromStdString(at("90.jpg"))).size(), picture.size());
}

// The files the command-line tool writes, read by Qt and by Pillow: the size of the board at the
// resolution, and exactly our rendering where the format keeps every colour.
TEST_F(PictureExport, CommandLinePicturesReadBackByQtAndPillow) {
  const Document doc = demo();
  const BoardSettings& board = doc.working();
  const QImage ours = rasterPicture({board, doc.elements(), nullptr, defaultScheme(), {}}, 150);
  ASSERT_EQ(ours.size(), QSize(472, 295));  // 80 x 50 mm
  QImage mono = ours.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < mono.height(); ++y)
    for (int x = 0; x < mono.width(); ++x)
      mono.setPixel(x, y, (ours.pixel(x, y) & 0xFFFFFF) == 0 ? 0xFFFFFFFF : 0xFF000000);
  struct Case {
    const char* name;
    const char* options;
    const char* pillowMode;
    const QImage* exact;
  } cases[] = {{"colour.bmp", "", "BMP RGB", &ours},
               {"mono.bmp", " --mono", "BMP 1", &mono},
               {"picture.gif", "", "GIF P", &ours},
               {"picture.JPG", "", "JPEG RGB", nullptr}};
  const std::string script = at("read.py");
  std::ofstream(script) << "import sys, hashlib\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
                           "print(im.format, im.mode, im.size[0], im.size[1], "
                           "hashlib.md5(im.convert('RGB').tobytes()).hexdigest())\n";
  for (const Case& c : cases) {
    const std::string out = at(c.name);
    const CliRun made =
        run(TRAZELLO_CLI, "export " + kDemo + " -o " + out + " --dpi 150" + c.options);
    ASSERT_EQ(made.status, 0) << c.name << made.err;
    const QImage read(QString::fromStdString(out));
    EXPECT_EQ(read.size(), ours.size()) << c.name;
    const CliRun pil = run("/usr/bin/python3", script + " " + out);
    ASSERT_EQ(pil.status, 0) << pil.err;
    const std::string expected = std::string(c.pillowMode) + " 472 295 ";
    EXPECT_EQ(pil.out.substr(0, expected.size()), expected) << c.name;
    if (c.exact) {
      EXPECT_EQ(rgbBytes(read), rgbBytes(*c.exact)) << c.name;
      EXPECT_EQ(pil.out.substr(expected.size(), 32), md5(rgbBytes(*c.exact)).toStdString()) << c.name;
    } else {
      // Compression blurs the colours of one-pixel lines; the picture stays the same.
      EXPECT_LT(differingShare(read, ours, 96), 0.01) << c.name;
    }
  }
}

int32_t int32At(const std::vector<uint8_t>& b, size_t at) {
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
                 uint32_t(b[at + 3]) << 24);
}

// emf2svg-conv turns our metafile into SVG and rsvg-convert draws it, as it draws our own SVG;
// both must be our rendering. The metafile counts in units and its picture starts at its bounds
// (the outline's stroke reaches a little beyond the board); our SVG counts in pixels of the zoom
// and starts at the board's corner.
TEST_F(PictureExport, MetafilePlayedByOtherProgramsShowsOurRendering) {
  const Document doc = demo();
  const BoardSettings& board = doc.working();
  const double zoom = 0.1;
  const PictureSource source{board, doc.elements(), nullptr, defaultScheme(), {}};
  const std::vector<uint8_t> emf = boardMetafile(source, zoom, false);
  ASSERT_FALSE(writePictureFile(at("board.emf"), emf.data(), emf.size()));
  const QByteArray svg = boardSvg(source, zoom, false);
  ASSERT_FALSE(writePictureFile(at("ours.svg"), svg.constData(), size_t(svg.size())));
  const CliRun converted = run("emf2svg-conv", "-i " + at("board.emf") + " -o " + at("board.svg"));
  ASSERT_EQ(converted.status, 0) << converted.err;
  const QImage ours = renderBoard(board, doc.elements(), defaultScheme(), {}, zoom);
  auto pixels = [&](int32_t units) { return -static_cast<int>(std::lround(units * zoom)); };
  const struct {
    const char* svg;
    const char* scale;
    int dx, dy;
  } cases[] = {{"board.svg", "-z 0.1", pixels(int32At(emf, 8)), pixels(int32At(emf, 12))},
               // At the resolution of the zoom, the SVG's millimetres come out as our pixels.
               {"ours.svg", "-d 254 -p 254", 0, 0}};
  for (const auto& c : cases) {
    const std::string png = at(std::string(c.svg) + ".png");
    const CliRun drawn =
        run("rsvg-convert", std::string("-b black ") + c.scale + " -o " + png + " " + at(c.svg));
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const QImage theirs(QString::fromStdString(png));
    ASSERT_FALSE(theirs.isNull()) << c.svg;
    EXPECT_LE(std::abs(theirs.width() - c.dx - ours.width()), 3) << c.svg;
    EXPECT_LE(std::abs(theirs.height() - c.dy - ours.height()), 3) << c.svg;
    // Smoothed edges differ; everything else is the same picture.
    EXPECT_LT(differingShare(theirs, ours, 64, c.dx, c.dy), 0.02) << c.svg;
  }
}

TEST_F(PictureExport, CommandLineRefusesWhatItCannotWrite) {
  const std::string out = at("x.bmp");
  const struct {
    std::string args;
    int status;
  } cases[] = {
      {"export " + kDemo, 2},
      {"export " + kDemo + " -o " + at("x.png"), 2},
      {"export " + kDemo + " -o " + out + " --dpi 99", 2},
      {"export " + kDemo + " -o " + out + " --dpi 300.5", 2},
      {"export " + kDemo + " -o " + out + " --dpi 3x", 2},
      {"export " + kDemo + " -o " + at("x.gif") + " --mono", 2},
      {"export " + kDemo + " -o " + kDemo, 2},
      {"export " + kDemo + " -o " + out + " --board 9", 1},
      {"export /nonexistent.trz -o " + out, 1},
      {"export " + kDemo + " -o /nonexistent/dir/x.bmp", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(run(TRAZELLO_CLI, c.args).status, c.status) << c.args;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(run(TRAZELLO_CLI, "export " + kDemo + " -o " + at("x.svg") + " --dpi 60").status, 0);
}

}  // namespace
}  // namespace trazello::testing
