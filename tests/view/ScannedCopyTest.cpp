#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "RenderScene.h"
#include "files/AtomicFile.h"
#include "model/Layer.h"
#include "view/ScannedCopy.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A 1-bit BMP of w x h pixels as scanners write it: black ink on white paper, the ink in the
// left half. `inkIndex` is the palette index of black (scanners use 0; some programs 1).
std::vector<uint8_t> monoBmp(int w, int h, uint32_t pixelsPerMetre, int inkIndex = 0) {
  const size_t stride = static_cast<size_t>((w + 31) / 32 * 4);
  const size_t offset = 14 + 40 + 8;
  std::vector<uint8_t> b(offset + stride * static_cast<size_t>(h), 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(b.size()));
  put32(b, 10, offset);
  put32(b, 14, 40);
  put32(b, 18, static_cast<uint32_t>(w));
  put32(b, 22, static_cast<uint32_t>(h));
  b[26] = 1;  // planes
  b[28] = 1;  // bits per pixel
  put32(b, 38, pixelsPerMetre);
  put32(b, 42, pixelsPerMetre);
  put32(b, 46, 2);
  put32(b, 54 + 4 * static_cast<size_t>(inkIndex), 0x00000000);
  put32(b, 54 + 4 * static_cast<size_t>(1 - inkIndex), 0x00FFFFFF);
  for (size_t row = 0; row < static_cast<size_t>(h); ++row) {
    for (int x = 0; x < w; ++x) {
      const bool ink = x < w / 2;
      if (ink == (inkIndex == 1))
        b[offset + row * stride + static_cast<size_t>(x / 8)] |=
            static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return b;
}

class ScanFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-scan-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (dir_ / name).string();
    EXPECT_FALSE(writeFileAtomically(path, bytes));
    return path;
  }
  fs::path dir_;
};

TEST(ScannedCopy, PlacementRectangle) {
  EXPECT_EQ(scanRect(1200, 600, 600, 0, 0), (IRect{0, -2540, 5080, 0}));
  EXPECT_EQ(scanRect(1200, 600, 600, 25, 0), (IRect{250, -2540, 5330, 0}));
  EXPECT_EQ(scanRect(1200, 600, 600, 0, 10), (IRect{0, -2640, 5080, -100}));
  EXPECT_EQ(scanRect(20, 20, 0, 0, 0), (IRect{0, -2540, 2540, 0}));  // 0 dpi counts as 20
}

TEST(ScannedCopy, OffsetsOfADamagedFileStayWithinTheirRange) {
  constexpr int32_t most = std::numeric_limits<int32_t>::max();
  constexpr int32_t least = std::numeric_limits<int32_t>::min();
  const IRect farthest{30000, 27460, 35080, 30000};
  EXPECT_EQ(scanRect(1200, 600, 600, 3000, -3000), farthest);
  EXPECT_EQ(scanRect(1200, 600, 600, most, least), farthest);
  EXPECT_EQ(scanRect(1200, 600, 600, least, most), (IRect{-30000, -32540, -24920, -30000}));
  // A picture too wide for whole units (found by fuzzing): a kilometre, and no overflow.
  EXPECT_EQ(scanRect(20'000'000, 1, 20, 3000, 0), (IRect{30000, -127, 100'030'000, 0}));
}

TEST(ScannedCopy, SideOfTheActiveLayer) {
  EXPECT_EQ(scanSide(layer::C1), 0);
  EXPECT_EQ(scanSide(layer::S1), 0);
  EXPECT_EQ(scanSide(layer::C2), 1);
  EXPECT_EQ(scanSide(layer::S2), 1);
  for (int l : {layer::I1, layer::I2, layer::O}) EXPECT_EQ(scanSide(l), -1);
}

TEST_F(ScanFiles, LoadReadsTheResolution) {
  Result<LoadedScan> scan = loadScannedCopy(write("a.bmp", monoBmp(1200, 600, 23622)));
  ASSERT_TRUE(scan.ok());
  EXPECT_EQ(scan->dpi, 600);
  EXPECT_EQ(scan->image.size(), QSize(1200, 600));
  Result<LoadedScan> none = loadScannedCopy(write("b.bmp", monoBmp(8, 8, 0)));
  ASSERT_TRUE(none.ok());
  EXPECT_EQ(none->dpi, 0);
}

TEST_F(ScanFiles, MissingAndBrokenFilesAreReported) {
  const std::string missing = (dir_ / "missing.bmp").string();
  Result<LoadedScan> a = loadScannedCopy(missing);
  ASSERT_FALSE(a.ok());
  EXPECT_EQ(messageText(a.error()),
            "Error loading scanned-copy-bitmap: " + missing + "\rNo such file or directory");
  std::vector<uint8_t> broken = monoBmp(8, 8, 0);
  broken.resize(40);
  EXPECT_FALSE(loadScannedCopy(write("broken.bmp", broken)).ok());
  EXPECT_FALSE(loadScannedCopy(write("text.bmp", {'h', 'e', 'l', 'l', 'o'})).ok());
  // A few bytes whose header promises 33 million rows: refused before any picture is made.
  std::vector<uint8_t> promise = monoBmp(8, 8, 0);
  put32(promise, 22, 33488896);
  Result<LoadedScan> c = loadScannedCopy(write("promise.bmp", promise));
  ASSERT_FALSE(c.ok());
  EXPECT_EQ(c.error().args.at(1), "the file is shorter than the picture its header describes");
  put32(promise, 18, 0x7FFFFFFF);  // rows times their length beyond 64 bits
  put32(promise, 22, 0x7FFFFFFF);
  promise[28] = 32;
  EXPECT_FALSE(loadScannedCopy(write("beyond.bmp", promise)).ok());
  // A header size or compression no writer uses.
  for (auto [at, value] : {std::pair<size_t, uint32_t>{14, 65792}, {30, 0x03FAFAFA}}) {
    std::vector<uint8_t> odd = monoBmp(8, 8, 0);
    put32(odd, at, value);
    Result<LoadedScan> d = loadScannedCopy(write("odd.bmp", odd));
    ASSERT_FALSE(d.ok()) << at;
    EXPECT_EQ(d.error().args.at(1), "the bitmap header is damaged");
  }
  // The last row without its padding is still a whole picture.
  std::vector<uint8_t> unpadded = monoBmp(8, 8, 0);
  unpadded.resize(unpadded.size() - 3);
  EXPECT_TRUE(loadScannedCopy(write("unpadded.bmp", unpadded)).ok());
}

// A colour A4 page at 600 dpi is a 140 MB picture, more than Qt admits by default.
TEST_F(ScanFiles, AColourA4PageScanLoadsAndAnImpossibleOneSaysWhy) {
  const auto colourBmp = [](int w, int h) {
    const size_t stride = static_cast<size_t>(w) * 3;
    std::vector<uint8_t> b(54 + stride * static_cast<size_t>(h), 0xFF);
    std::fill(b.begin(), b.begin() + 54, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<uint32_t>(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, static_cast<uint32_t>(w));
    put32(b, 22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    put32(b, 38, 23622);
    put32(b, 42, 23622);
    return b;
  };
  Result<LoadedScan> a4 = loadScannedCopy(write("a4.bmp", colourBmp(4960, 7016)));
  ASSERT_TRUE(a4.ok()) << messageText(a4.error());
  EXPECT_EQ(a4->image.size(), QSize(4960, 7016));
  // A header claiming 100,000 x 100,000 pixels: refused with the reader's reason, not silently.
  std::vector<uint8_t> huge = colourBmp(4, 4);
  put32(huge, 18, 100000);
  put32(huge, 22, 100000);
  Result<LoadedScan> refused = loadScannedCopy(write("huge.bmp", huge));
  ASSERT_FALSE(refused.ok());
  ASSERT_EQ(refused.error().args.size(), 2u);
  EXPECT_FALSE(refused.error().args[1].empty());
}

TEST_F(ScanFiles, BlackInkTakesTheSideColourAndWhitePaperTheBackground) {
  for (int inkIndex : {0, 1}) {
    Result<LoadedScan> scan = loadScannedCopy(
        write("s" + std::to_string(inkIndex) + ".bmp", monoBmp(20, 20, 0, inkIndex)));
    ASSERT_TRUE(scan.ok());
    ScannedCopies scans{scan->image, QImage()};
    testing::RenderScene s;
    s.scheme[SchemeSlot::Background] = rgb(10, 20, 30);
    s.board.templateShown = {1, 1};
    s.board.templateDpi = {254, 254};  // 20 pixels = 200 units
    s.board.templateColour = {0x0000FF00, 0x0000FF00};
    s.board.activeLayer = layer::C1;
    auto draw = [&] {
      return renderBoard(s.board, s.elements, s.scheme, s.options, s.zoom, &scans);
    };
    QImage img = draw();
    EXPECT_EQ(testing::pixel(img, 50, -100), testing::col(0, 255, 0)) << "ink " << inkIndex;
    EXPECT_EQ(testing::pixel(img, 150, -100), testing::col(10, 20, 30)) << "paper " << inkIndex;
    EXPECT_EQ(testing::pixel(img, 250, -100), testing::col(10, 20, 30)) << "board " << inkIndex;
    for (uint8_t l : {layer::I1, layer::C2}) {
      s.board.activeLayer = l;
      img = draw();
      EXPECT_EQ(testing::pixel(img, 50, -100), testing::col(10, 20, 30)) << int(l);
    }
  }
}

}  // namespace
}  // namespace trazello
