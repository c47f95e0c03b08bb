// The pictures of the demo and of a busy 10k board, whole and seen through a small view, stay
// the same pixel for pixel: drawing only what is visible, or drawing in bands of rows at once,
// must not change what is drawn. The expected hashes were taken from pictures drawn by looking
// at every element in one pass.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <tuple>

#include "files/LayoutIo.h"
#include "fixtures/BusyBoard.h"
#include "model/Layer.h"
#include "view/BoardPicture.h"

namespace trazello::testing {
namespace {

// FNV-1a over the size and the visible bytes of every line.
uint64_t pictureHash(const QImage& img) {
  uint64_t h = 14695981039346656037ull;
  auto add = [&](const uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
  };
  const int32_t size[2] = {img.width(), img.height()};
  add(reinterpret_cast<const uint8_t*>(size), sizeof size);
  const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) add(rgb.constScanLine(y), size_t(rgb.width()) * 4);
  return h;
}

std::string hex(uint64_t v) {
  std::ostringstream s;
  s << "0x" << std::hex << std::setw(16) << std::setfill('0') << v;
  return s.str();
}

// The band count every picture below is drawn with (0: the picture's own choice).
int gBands = 0;

RenderOptions banded(RenderOptions o = {}) {
  o.bands = gBands;
  return o;
}

struct Scene {
  BoardSettings settings;
  ElementList elements;
};

const Scene& demo() {
  static const Scene s = [] {
    Document doc;
    EXPECT_TRUE(openLayout(doc, TRAZELLO_SOURCE_DIR "/examples/demo.trz", false).ok());
    return Scene{doc.working(), doc.elements()};
  }();
  return s;
}

const Scene& busy() {
  static const Scene s = [] {
    Scene b;
    b.settings.width = 30000;
    b.settings.height = 30000;
    b.settings.activeLayer = layer::C2;
    b.elements = busyBoard(10000);
    return b;
  }();
  return s;
}

// The drawing area `w` x `h` scrolled to (x, y) at `zoom`.
QImage view(const ElementList& elements, const BoardSettings& settings, const RenderOptions& o,
            double zoom, int x, int y, int w, int h) {
  ViewMapping m;
  m.zoom = zoom;
  m.boardWidth = settings.width;
  m.scrollX = x;
  m.scrollY = y;
  QImage img(w, h, QImage::Format_RGB32);
  renderView(img, settings, elements, defaultScheme(), banded(o), m);
  return img;
}

BoardSettings withPlane(BoardSettings s) {
  s.groundPlane[layer::C2] = 1;
  return s;
}

RenderOptions photo() {
  RenderOptions o;
  o.photoView = true;
  o.photoXray = true;
  return o;
}

struct Case {
  const char* name;
  std::function<QImage()> draw;
  uint64_t expected;
};

const Case kCases[] = {
    {"demo whole",
     [] { return renderBoard(demo().settings, demo().elements, defaultScheme(), banded(), 0.25); },
     0x2a09da2d1b19d4a3},
    {"demo view",
     [] { return view(demo().elements, demo().settings, {}, 0.8, 2300, 1300, 800, 600); },
     0x257264b637d3a183},
    {"demo plane view",
     [] {
       return view(demo().elements, withPlane(demo().settings), {}, 0.8, 2300, 1300, 800, 600);
     },
     0xcfcbf22ace26cc95},
    {"busy whole",
     [] { return renderBoard(busy().settings, busy().elements, defaultScheme(), banded(), 0.05); },
     0x77d06ccf334dc7f0},
    {"busy plane whole",
     [] {
       return renderBoard(withPlane(busy().settings), busy().elements, defaultScheme(), banded(),
                          0.05);
     },
     0x987dbe6039e79552},
    {"busy view",
     [] { return view(busy().elements, busy().settings, {}, 0.2, 2500, 2000, 640, 480); },
     0xa88a5dbac7bb7dcd},
    {"busy plane view",
     [] {
       return view(busy().elements, withPlane(busy().settings), {}, 0.2, 1900, 2300, 640, 480);
     },
     0x5dd0a59319881dd7},
    {"busy photo view",
     [] {
       return view(busy().elements, withPlane(busy().settings), photo(), 0.2, 2500, 2000, 640, 480);
     },
     0xab0df2c13d26739e},
    {"busy layer picture",
     [] {
       LayerPictureOptions o;
       o.dpi = 100;
       o.drillHoles = true;
       return renderLayerPicture(withPlane(busy().settings), busy().elements, layer::C2, o);
     },
     0x04338ae8ad0b2815},
};

TEST(SamePictures, WholeBoardsAndSmallViewsKeepEveryPixel) {
  for (int bands : {1, 2, 5}) {
    gBands = bands;
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.name) + " in " + std::to_string(bands) + " band(s)");
      EXPECT_EQ(hex(pictureHash(c.draw())), hex(c.expected));
    }
  }
  gBands = 0;
}

// Where two pictures of one size differ: the count and the first few places.
std::string differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  std::ostringstream out;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y) && ++count <= 3) out << "(" << x << ", " << y << ") ";
  if (count) out << count << " of " << a.width() << " x " << a.height() << " pixels";
  return out.str();
}

// What the hashes do not cover: the grid with its marks and origin lines, a scanned copy
// stretched over the board, the photo view from below, a thick grid pen, a system-font text of
// an old file. Bands of rows give the picture drawn in one pass.
TEST(SamePictures, BandsDrawTheGridTheScanAndThePhotoViewLikeOnePass) {
  ElementList elements = demo().elements;
  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  legacy.Layer = layer::S1;
  legacy.X = 1500;
  legacy.Y = -1480;
  legacy.Width = 160;
  legacy.Spokes = 30;
  legacy.Text = "Rev 2 OLD";
  elements.append(std::move(legacy));
  BoardSettings settings = demo().settings;
  settings.grid = 127;
  settings.originX = 1'234'567;
  settings.originY = -2'345'678;
  settings.activeLayer = layer::C1;
  settings.templateShown[0] = 1;
  settings.templateDpi[0] = 37;
  ScannedCopies scans;
  scans[0] = QImage(211, 97, QImage::Format_RGB32);
  for (int y = 0; y < scans[0].height(); ++y)
    for (int x = 0; x < scans[0].width(); ++x)
      scans[0].setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
  RenderOptions grid;
  grid.showGrid = true;
  grid.gridMarks = 5;
  RenderOptions below = photo();
  below.photoSide = 2;
  for (const auto& [name, options, zoom] :
       {std::tuple{"grid and scan", grid, 0.31}, std::tuple{"photo from below", below, 0.23},
        std::tuple{"thick grid", grid, 0.93}}) {
    SCOPED_TRACE(name);
    RenderOptions one = options, several = options;
    one.bands = 1;
    several.bands = 3;
    const QImage whole = renderBoard(settings, elements, defaultScheme(), one, zoom, &scans);
    const QImage banded = renderBoard(settings, elements, defaultScheme(), several, zoom, &scans);
    EXPECT_EQ(differingPixels(banded, whole), "");
    EXPECT_NE(renderBoard(settings, demo().elements, defaultScheme(), several, zoom, &scans),
              banded);  // the old text is drawn
  }
}

// The drawing area's picture follows an element moved into view, and its undo, at once.
TEST(SamePictures, AnEditAndItsUndoAreSeenAtOnce) {
  ElementList list = busy().elements;
  auto draw = [&](const ElementList& l) {
    return view(l, busy().settings, {}, 0.2, 2500, 2000, 640, 480);
  };
  const QImage first = draw(list);
  const ElementList before = list;
  size_t far = 0;
  while (list[far].Kind != ElementKind::Track || list[far].Points.empty() ||
         list[far].Points.front().x > 9000)
    ++far;
  const Point from = list[far].Points.front();
  for (Point& p : list.edit(far).Points) p = {p.x - from.x + 14000, p.y - from.y - 11000};
  const QImage moved = draw(list);
  EXPECT_NE(pictureHash(moved), pictureHash(first));
  EXPECT_EQ(pictureHash(moved), pictureHash(draw(ElementList(list))));  // a list drawn afresh
  list = before;
  EXPECT_EQ(pictureHash(draw(list)), pictureHash(first));
}

}  // namespace
}  // namespace trazello::testing
