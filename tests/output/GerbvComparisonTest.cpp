// Our Gerber and Excellon files as a program we did not write renders them: gerbv draws each
// layer of the demo board headless into a PNG, which must match our own rendering of the layer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "checks/CopperShapes.h"
#include "checks/GroundPlane.h"
#include "checks/PolygonOps.h"
#include "files/LayoutIo.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"
#include "output/ExcellonFile.h"
#include "output/GerberExport.h"
#include "view/BoardPicture.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

constexpr double kDpi = 508;  // 0.05 mm per pixel
// Anti-aliasing and the two programs' different pixel-centre rules move edges by up to one
// pixel; a pixel counts as differing only when no pixel of the same colour lies within one
// pixel of it in the other picture. This share of differing pixels is the bound.
constexpr double kMaxDifferingShare = 0.0001;
// Pixels of different colour at all, edges included.
constexpr double kMaxStrictShare = 0.005;

using Bitmap = std::vector<std::vector<bool>>;

Bitmap bitmapOf(const QImage& image, int w, int h) {
  Bitmap b(static_cast<size_t>(h), std::vector<bool>(static_cast<size_t>(w)));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b[size_t(y)][size_t(x)] = qGray(image.pixel(x, y)) > 127;
  return b;
}

bool nearbyHas(const Bitmap& b, int x, int y, bool value) {
  const int h = int(b.size()), w = int(b[0].size());
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < w && ny < h && b[size_t(ny)][size_t(nx)] == value) return true;
    }
  return false;
}

struct Comparison {
  double strictShare = 0;    // pixels of different colour
  double tolerantShare = 0;  // ... with no same-coloured pixel within one pixel
  size_t copperPixels = 0;   // white pixels of gerbv's picture, so that empty pictures show
};

Comparison compare(const QImage& theirs, const QImage& ours) {
  const int w = std::min(theirs.width(), ours.width());
  const int h = std::min(theirs.height(), ours.height());
  const Bitmap a = bitmapOf(theirs, w, h), b = bitmapOf(ours, w, h);
  size_t strict = 0, tolerant = 0, copper = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool va = a[size_t(y)][size_t(x)], vb = b[size_t(y)][size_t(x)];
      copper += va;
      if (va == vb) continue;
      ++strict;
      if (!nearbyHas(b, x, y, va) || !nearbyHas(a, x, y, vb)) ++tolerant;
    }
  const double n = double(w) * h;
  return {strict / n, tolerant / n, copper};
}

class Gerbv : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(std::string(TRAZELLO_GERBV).empty()) << "gerbv is missing: run scripts/setup";
    dir_ = fs::temp_directory_path() /
           ("trazello-gerbv-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    Document doc;
    ASSERT_TRUE(
        openLayout(doc, std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz", false).ok());
    board_ = doc.working();
    elements_ = doc.elements();
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  // gerbv's picture of `text`, the board's lower-left corner at the image's lower-left.
  QImage gerbvPicture(const std::string& name, const std::string& text) {
    const fs::path file = dir_ / name, png = dir_ / (name + ".png");
    std::ofstream(file, std::ios::binary) << text;
    const std::string window =
        std::to_string(board_.width / 2540.0) + "x" + std::to_string(board_.height / 2540.0);
    const std::string command = std::string(TRAZELLO_GERBV) + " -x png -D " +
                                std::to_string(int(kDpi)) + " -B 0 -O 0x0 -W " + window +
                                " -b '#000000' -f '#FFFFFFFF' -o " + png.string() + " " +
                                file.string() + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    QImage image(QString::fromStdString(png.string()));
    EXPECT_FALSE(image.isNull()) << command;
    return image;
  }

  // `strictBound`: small features have many edge pixels, which may differ in colour.
  void expectSame(const std::string& name, const std::string& text, const QImage& ours,
                  double strictBound = kMaxStrictShare) {
    const QImage theirs = gerbvPicture(name, text);
    if (theirs.isNull()) return;
    const Comparison c = compare(theirs, ours);
    EXPECT_GT(c.copperPixels, 0u) << name << ": gerbv drew nothing";
    EXPECT_LT(c.tolerantShare, kMaxDifferingShare)
        << name << ": " << c.tolerantShare * 100 << " % of the pixels differ beyond one pixel ("
        << c.strictShare * 100 << " % in all); pictures kept in " << dir_;
    EXPECT_LT(c.strictShare, strictBound) << name;
    RecordProperty(name + "_differing_percent", std::to_string(c.tolerantShare * 100));
    if (HasFailure()) ours.save(QString::fromStdString((dir_ / (name + ".ours.png")).string()));
  }

  QImage ourLayer(const ElementList& elements, uint8_t code, bool groundPlane) const {
    LayerPictureOptions o;
    o.dpi = kDpi;
    o.foreground = rgb(255, 255, 255);
    o.background = rgb(0, 0, 0);
    o.groundPlane = groundPlane;
    return renderLayerPicture(board_, elements, code, o);
  }

  fs::path dir_;
  BoardSettings board_;
  ElementList elements_;
};

TEST_F(Gerbv, EveryLayerOfTheDemoBoardLooksAsOursDoes) {
  for (GerberLayer l : {GerberLayer::K1, GerberLayer::B1, GerberLayer::K2, GerberLayer::I1,
                        GerberLayer::I2, GerberLayer::U}) {
    GerberOptions o;
    o.layer = l;
    const std::string text = GerberExport(elements_, board_, o).PlotteGerberfile();
    expectSame(std::string(gerberFileName(l, 1)), text,
               ourLayer(elements_, gerberLayerCode(l), true));
  }
}

TEST_F(Gerbv, GroundPlaneWithThermalPadsLooksAsOursDoes) {
  board_.groundPlane[layer::C1] = 1;
  board_.groundPlane[layer::C2] = 1;
  elements_.editAll([](TObjekt& e) {
    if (e.isPadLike()) e.Thermal() = 1;
    if (e.Kind == ElementKind::Pad && e.PadShape == padshape::OblongV) e.Spokes = 0xFF;
  });
  for (GerberLayer l : {GerberLayer::K1, GerberLayer::K2}) {
    GerberOptions o;
    o.layer = l;
    const std::string text = GerberExport(elements_, board_, o).PlotteGerberfile();
    expectSame(std::string(gerberFileName(l, 1)), text,
               ourLayer(elements_, gerberLayerCode(l), true));
  }
}

// An area of copper shapes as a picture like ourLayer's: a pixel is white when its centre lies
// inside (even-odd over the rings, which a union leaves without overlaps).
QImage pictureOfArea(const Paths& area, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
  const double unitsPerPixel = 2540 / kDpi;
  std::vector<double> xs;
  for (int row = 0; row < size.height(); ++row) {
    const double y = -(row + 0.5) * unitsPerPixel * kShapeScale;
    xs.clear();
    for (const Path& ring : area)
      for (size_t i = 0; i < ring.size(); ++i) {
        const CPoint a = ring[i], b = ring[(i + 1) % ring.size()];
        if ((double(a.y) <= y) == (double(b.y) <= y)) continue;
        xs.push_back(double(a.x) + (y - double(a.y)) / double(b.y - a.y) * double(b.x - a.x));
      }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      for (int col = 0; col < size.width(); ++col) {
        const double x = (col + 0.5) * unitsPerPixel * kShapeScale;
        if (x >= xs[k] && x < xs[k + 1]) image.setPixel(col, row, qRgb(255, 255, 255));
      }
  }
  return image;
}

// Every pad shape, turned three ways, and SMD pads, with clearances and thermal spokes on a
// ground plane: the screen, the Gerber file (drawn by gerbv) and the copper shapes of the
// flood and net trace show the same copper.
TEST_F(Gerbv, PadShapesAgreeOnScreenInGerberAndInTheCopperShapes) {
  board_ = BoardSettings{};
  board_.width = 3200;
  board_.height = 1000;
  board_.groundPlane[layer::C1] = 1;
  board_.activeLayer = layer::C1;
  ElementList pads;
  const int turns[] = {0, 30, 90};
  const int32_t masks[] = {0x55, 0xAA, 0x44};  // 0x44: only along the long axis of H shapes
  for (int row = 0; row < 3; ++row) {
    for (uint8_t shape = padshape::Round; shape <= padshape::RectV; ++shape) {
      const Point c{200.0f + 300 * (shape - 1), -200.0f - 300 * row};
      TObjekt pad = newPad(c, layer::C1, shape, 50, 20);
      rotateElement(pad, c, turns[row]);
      pad.Clearance = 30;
      pad.Thermal() = 1;
      pad.Spokes = masks[row];
      pads.append(pad);
    }
    const Point c{200.0f + 300 * 9, -200.0f - 300 * row};
    TObjekt smd = newSmdPad(c, layer::C1, 140, 80);
    rotateElement(smd, c, turns[row]);
    smd.Clearance = 25;
    smd.Thermal() = 1;
    smd.Spokes = masks[row];
    pads.append(smd);
  }
  // Our picture runs a pixel past the board, where the flood ends.
  const QRect board(0, 0, int(board_.width * kDpi / 2540), int(board_.height * kDpi / 2540));
  const QImage ours = ourLayer(pads, layer::C1, true).copy(board);
  // Thousands of edge pixels on a small board; measured: 1.1 % against gerbv, 0.2 % against
  // the copper shapes.
  constexpr double kStrictForSmallShapes = 0.02;

  GerberOptions o;
  o.layer = GerberLayer::K1;
  expectSame("PadShapes.GBR", GerberExport(pads, board_, o).PlotteGerberfile(), ours,
             kStrictForSmallShapes);

  Paths copper = floodOfLayer(pads, board_, layer::C1);
  for (const TObjekt& e : pads) {
    const Paths own = elementRegion(e);
    copper.insert(copper.end(), own.begin(), own.end());
  }
  const QImage shapes = pictureOfArea(unite(copper), ours.size());
  const Comparison c = compare(shapes, ours);
  EXPECT_GT(c.copperPixels, 0u);
  EXPECT_LT(c.tolerantShare, kMaxDifferingShare)
      << c.tolerantShare * 100 << " % of the pixels differ beyond one pixel";
  EXPECT_LT(c.strictShare, kStrictForSmallShapes);
  if (HasFailure()) {
    shapes.save(QString::fromStdString((dir_ / "PadShapes.shapes.png").string()));
    ours.save(QString::fromStdString((dir_ / "PadShapes.ours.png").string()));
  }
}

TEST_F(Gerbv, ComparisonNoticesAMirroredLayer) {
  GerberOptions o;
  o.layer = GerberLayer::K2;
  o.mirror = true;
  const QImage theirs =
      gerbvPicture("Mirrored.GBR", GerberExport(elements_, board_, o).PlotteGerberfile());
  ASSERT_FALSE(theirs.isNull());
  EXPECT_GT(compare(theirs, ourLayer(elements_, layer::C2, true)).tolerantShare,
            10 * kMaxDifferingShare);
}

// What a mask opens, drawn as plain copper: the elements with an opening, every edge moved out
// by the mask's offset. (An oblong pad keeps its centre line and only gets a wider stroke; the
// demo board has no rectangular pads, whose grown outline would need the pad outline margin.)
// A paste mask (pad < 0) opens the SMD pads only.
ElementList maskElements(const ElementList& elements, uint8_t code, int32_t pad, int32_t smd) {
  ElementList out;
  for (const TObjekt& e : elements) {
    if (!e.SolderMask || e.KeepOut || !isOnLayer(e, code)) continue;
    if (pad < 0 && e.Kind != ElementKind::SmdPad) continue;
    TObjekt grown = deepCopy(e);
    inflateElement(grown, 2 * (e.Kind == ElementKind::Pad      ? pad
                               : e.Kind == ElementKind::SmdPad ? smd
                                                               : 0));
    if (e.Kind == ElementKind::Pad &&
        (e.PadShape == padshape::OblongH || e.PadShape == padshape::OblongV))
      grown.Points = e.Points;
    out.append(std::move(grown));
  }
  return out;
}

TEST_F(Gerbv, SolderAndPasteMasksLookAsTheGrownOpeningsDo) {
  struct MaskCase {
    GerberLayer layer;
    int32_t pad, smd;
  };
  for (const MaskCase& m :
       {MaskCase{GerberLayer::LStop1, 30, 10}, MaskCase{GerberLayer::LStop2, 30, 10},
        MaskCase{GerberLayer::SMD1, -1, -10}}) {
    GerberOptions o;
    o.layer = m.layer;
    o.pads = m.layer != GerberLayer::SMD1;
    o.others = o.pads;
    o.smdPads = true;
    o.smdOffset = m.smd / 100.0;
    const std::string text = GerberExport(elements_, board_, o).PlotteGerberfile();
    const uint8_t code = gerberLayerCode(m.layer);
    expectSame(std::string(gerberFileName(m.layer, 1)), text,
               ourLayer(maskElements(elements_, code, m.pad, m.smd), code, false));
  }
}

TEST_F(Gerbv, DrillFileHolesLieWhereOurPadsAre) {
  QImage ours(int(board_.width * kDpi / 2540 + 1), int(board_.height * kDpi / 2540 + 1),
              QImage::Format_RGB32);
  ours.fill(Qt::black);
  {
    QPainter p(&ours);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double scale = kDpi / 2540;
    for (const TObjekt& e : elements_)
      if (e.Kind == ElementKind::Pad && e.SizeB > 0)
        p.drawEllipse(QPointF(e.X * scale, -e.Y * scale), e.SizeB * scale, e.SizeB * scale);
  }
  for (bool deleteZeros : {false, true}) {
    ExcellonOptions o;
    o.deleteLeadingZeros = deleteZeros;
    expectSame(deleteZeros ? "Drill-nz.drl" : "Drill.drl", excellonFile(elements_, board_, o),
               ours);
  }
}

}  // namespace
}  // namespace trazello
