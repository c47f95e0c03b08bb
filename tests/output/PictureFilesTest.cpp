// The picture writers on their own: the export dialog's figures, GIF colour tables, the JPEG
// fallback, and every file read back by Pillow, which we did not write.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fixtures/CliRunner.h"
#include "output/BmpFile.h"
#include "output/GifFile.h"
#include "output/JpegFile.h"
#include "output/TExportDlg.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

// A picture of w x h pixels filled by `colourAt`.
struct Picture {
  int width, height;
  std::vector<uint32_t> pixels;
  template <typename F>
  Picture(int w, int h, F colourAt) : width(w), height(h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels.push_back(colourAt(x, y));
  }
  PixelView view() const { return {width, height, pixels.data(), size_t(width)}; }
};

std::string saved(const std::vector<uint8_t>& bytes, const std::string& name) {
  const std::string path =
      (fs::temp_directory_path() / ("trazello-" + std::to_string(::getpid()) + "-" + name)).string();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

// Pillow's view of a picture file: format, mode, size, and every pixel as RGB hex.
std::string pillow(const std::string& path) {
  const std::string script =
      "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
      "print(im.format, im.mode, im.size[0], im.size[1])\n"
      "print(' '.join('%02x%02x%02x' % p for p in im.convert('RGB').getdata()))\n";
  const std::string scriptPath = saved(std::vector<uint8_t>(script.begin(), script.end()), "read.py");
  const testing::CliRun run =
      testing::runCli("/usr/bin/python3 " + scriptPath, path, scriptPath + ".err");
  fs::remove(scriptPath);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

std::string hexPixels(const Picture& p) {
  std::string out;
  char hex[8];
  for (uint32_t c : p.pixels) {
    std::snprintf(hex, sizeof hex, "%06x", c & 0xFFFFFFu);
    out += (out.empty() ? "" : " ") + std::string(hex);
  }
  return out;
}

TEST(ExportDialogState, SizesAndMemoryFollowTheResolutionAndColours) {
  TExportDlg bitmap(RasterKind::Bitmap, 10000, 8000, 300);  // 100 x 80 mm
  EXPECT_TRUE(bitmap.monochrome());  // black and white unless the user picks colour
  EXPECT_EQ(bitmap.pixelText(), "1181 x 945");
  EXPECT_EQ(bitmap.memoryText(), "136 kB");
  EXPECT_EQ(bitmap.originalText(1), "100.0 mm x 80.0 mm");
  EXPECT_EQ(bitmap.originalText(0), "100.0 мм x 80.0 мм");
  EXPECT_EQ(bitmap.dpiText(), "300 dpi");
  bitmap.setMonochrome(false);
  EXPECT_EQ(bitmap.memoryText(), "3270 kB");
  EXPECT_FALSE(bitmap.needsLargeBitmapQuestion());

  // The stored resolution is brought into the slider's range.
  EXPECT_EQ(TExportDlg(RasterKind::Bitmap, 10000, 8000, 5000).dpi(), 600);
  EXPECT_EQ(TExportDlg(RasterKind::Bitmap, 10000, 8000, -3).dpi(), 100);

  TExportDlg gif(RasterKind::Gif, 50000, 50000, 600);
  EXPECT_FALSE(gif.monochromeAllowed());
  gif.setMonochrome(true);
  EXPECT_FALSE(gif.monochrome());
  EXPECT_EQ(gif.caption(1), "GIF-Export");
  EXPECT_EQ(gif.caption(2), "Exportation GIF");
  EXPECT_EQ(gif.saveFilter(1), "GIF-Files (*.gif)|*.GIF");
  EXPECT_EQ(gif.pixelText(), "11811 x 11811");
  EXPECT_TRUE(gif.needsLargeBitmapQuestion());
  EXPECT_EQ(TExportDlg(RasterKind::Jpeg, 100, 100, 300).helpContext(), 32150);
}

TEST(GifColourTable, PaddedToTheSizesTheFileStores) {
  struct Case {
    int colours;
    size_t table;
  } cases[] = {{1, 2}, {2, 2}, {3, 16}, {16, 16}, {17, 256}, {256, 256}};
  auto grey = [](int k) { return uint32_t(k * 0x010101) & 0xFFFFFFu; };  // 256 is (1, 1, 0)
  for (const Case& c : cases) {
    // Colours in reverse order of their values, to see that first appearance decides.
    const Picture p(c.colours, 3, [&](int x, int) { return grey(c.colours - x); });
    const IndexedPicture indexed = indexColours(p.view());
    EXPECT_EQ(indexed.table.size(), c.table) << c.colours;
    EXPECT_EQ(indexed.coloursUsed, size_t(c.colours));
    EXPECT_EQ(indexed.table[0], grey(c.colours));
    EXPECT_EQ(indexed.indices[size_t(c.colours) - 1], c.colours - 1);
    // The file's logical screen: global table flag, colour resolution and table size bits.
    const std::vector<uint8_t> gif = encodeGif(p.view()).bytes;
    ASSERT_GT(gif.size(), 13u);
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF87a");
    const int bits = c.table == 2 ? 1 : c.table == 16 ? 4 : 8;
    EXPECT_EQ(gif[10], 0x80 | (bits - 1) << 4 | (bits - 1)) << c.colours;
    EXPECT_EQ(gif.back(), 0x3B);
  }
}

TEST(GifColourTable, ThreeColoursLeaveThirteenEntriesUnusedAndReadBackExactly) {
  const Picture p(7, 5, [](int x, int y) {
    return (x + y) % 3 == 0 ? 0xFF0000u : (x + y) % 3 == 1 ? 0x00FF00u : 0x0000FFu;
  });
  const IndexedPicture indexed = indexColours(p.view());
  ASSERT_EQ(indexed.table.size(), 16u);
  EXPECT_EQ(indexed.table[0], 0xFF0000u);
  EXPECT_EQ(indexed.table[1], 0x00FF00u);
  EXPECT_EQ(indexed.table[2], 0x0000FFu);
  const std::string path = saved(encodeGif(p.view()).bytes, "three.gif");
  EXPECT_EQ(pillow(path), "GIF P 7 5\n" + hexPixels(p) + "\n");
  fs::remove(path);
}

TEST(GifColourTable, ManyShadesAreReducedToTheClosestOfTwoHundredFiftySix) {
  // 64 x 64 distinct colours: a smooth two-way ramp, as a scanned copy has.
  const Picture p(64, 64, [](int x, int y) { return uint32_t(x * 4 << 16 | y * 4 << 8 | 0x40); });
  const IndexedPicture indexed = indexColours(p.view());
  EXPECT_EQ(indexed.table.size(), 256u);
  EXPECT_LE(indexed.coloursUsed, 256u);
  int worst = 0;
  for (size_t i = 0; i < p.pixels.size(); ++i) {
    const uint32_t a = p.pixels[i], b = indexed.table[indexed.indices[i]];
    for (int shift : {0, 8, 16})
      worst = std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
  }
  EXPECT_LE(worst, 16);  // 4096 colours in 256 boxes of 4 x 4 ramp steps
}

TEST(JpegFallback, LowerQualitiesAreTriedInTurnUntilOneWorks) {
  std::vector<int> tried;
  auto failsAbove80 = [&](int quality) -> std::optional<std::vector<uint8_t>> {
    tried.push_back(quality);
    if (quality > 80) return std::nullopt;
    return std::vector<uint8_t>{uint8_t(quality)};
  };
  const auto done = encodeWithFallback(failsAbove80);
  ASSERT_TRUE(done);
  EXPECT_EQ(done->quality, 80);
  EXPECT_EQ(tried, (std::vector<int>{100, 90, 80}));
  tried.clear();
  EXPECT_FALSE(encodeWithFallback([&](int q) -> std::optional<std::vector<uint8_t>> {
    tried.push_back(q);
    return std::nullopt;
  }));
  EXPECT_EQ(tried.size(), 3u);
  // The library itself refuses a side longer than the format's 65500 pixels.
  const Picture wide(65501, 1, [](int, int) { return 0u; });
  EXPECT_FALSE(encodeJpeg(wide.view(), 100, 300));
}

TEST(PictureFiles, PillowReadsEveryFormatWithItsSizeAndColours) {
  const Picture p(37, 11, [](int x, int y) { return x < 20 ? 0x000000u : y < 5 ? 0xFFFFFFu : 0x1E1EFFu; });
  const Picture paperWhite(37, 11, [&](int x, int y) {
    return p.pixels[size_t(y * 37 + x)] == 0x000000u ? 0xFFFFFFu : 0x000000u;
  });
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::string header;
    std::string pixels;  // empty: not compared exactly
  } cases[] = {
      {"colour.bmp", encodeColourBmp(p.view(), 300), "BMP RGB 37 11", hexPixels(p)},
      // Black paper: what is black becomes white, everything drawn black.
      {"mono.bmp", encodeMonochromeBmp(p.view(), 0x000000u, 300), "BMP 1 37 11", hexPixels(paperWhite)},
      {"picture.gif", encodeGif(p.view()).bytes, "GIF P 37 11", hexPixels(p)},
      {"picture.jpg", *encodeJpeg(p.view(), 100, 300), "JPEG RGB 37 11", ""},
  };
  for (const Case& c : cases) {
    const std::string path = saved(c.bytes, c.name);
    const std::string seen = pillow(path);
    EXPECT_EQ(seen.substr(0, seen.find('\n')), c.header) << c.name;
    if (!c.pixels.empty()) {
      EXPECT_EQ(seen.substr(seen.find('\n') + 1), c.pixels + "\n") << c.name;
    }
    fs::remove(path);
  }
}

}  // namespace
}  // namespace trazello
