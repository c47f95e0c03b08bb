// PNG pictures keep every pixel, whatever the number of colours: read back by Qt's reader
// (libpng), each decodes to the very picture that was encoded.
#include <gtest/gtest.h>

#include <zlib.h>

#include <QImage>
#include <random>
#include <string>

#include "output/PngFile.h"

namespace trazello {
namespace {

struct Picture {
  const char* name;
  int width, height;
  size_t colours;  // the pixels take this many colours in a shuffled pattern
  int bits;        // the depth the file should use
  int colourType;  // 3 palette, 2 RGB
};

QImage make(const Picture& p) {
  QImage img(p.width, p.height, QImage::Format_RGB32);
  std::mt19937 rng(3);
  std::vector<QRgb> colours;
  for (size_t i = 0; i < p.colours; ++i) colours.push_back(0xFF000000u | (rng() & 0xFFFFFF));
  for (int y = 0; y < p.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    // Runs and single pixels, and rows that repeat the one before.
    for (int x = 0; x < p.width; ++x)
      line[x] = colours[(y % 3 == 2 ? size_t(x / 7) : rng()) % p.colours];
  }
  return img;
}

TEST(PngFile, DecodesToTheSamePixelsForEveryDepth) {
  const Picture pictures[] = {
      {"one pixel", 1, 1, 1, 1, 3},
      {"two colours, odd width", 13, 5, 2, 1, 3},
      {"four colours", 31, 9, 4, 2, 3},
      {"sixteen colours", 33, 17, 16, 4, 3},
      {"palette of 256", 257, 40, 256, 8, 3},
      {"true colour", 120, 50, 300, 8, 2},
      {"one tall column", 1, 300, 3, 2, 3},
      {"large, deflated in pieces", 3001, 2900, 16, 4, 3},
      {"large, over sixteen colours", 2000, 2500, 17, 8, 3},
  };
  for (const Picture& p : pictures) {
    SCOPED_TRACE(p.name);
    QImage img = make(p);
    // The top byte of a pixel is no part of its colour.
    if (p.width > 1) reinterpret_cast<QRgb*>(img.scanLine(0))[1] &= 0x00FFFFFF;
    const std::vector<uint8_t> png =
        encodePng({reinterpret_cast<const uint32_t*>(img.constBits()), img.width(), img.height(),
                   size_t(img.bytesPerLine()) / 4});
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[24], p.bits);
    EXPECT_EQ(png[25], p.colourType);
    QImage back;
    ASSERT_TRUE(back.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
    back = back.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), img.size());
    int differing = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        differing += (back.pixel(x, y) & 0xFFFFFF) != (img.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
    // zlib itself checks the stream and its checksum, which a PNG reader may leave unchecked.
    std::vector<uint8_t> idat;
    for (size_t at = 8; at + 12 <= png.size();) {
      const size_t n = size_t(png[at]) << 24 | size_t(png[at + 1]) << 16 |
                       size_t(png[at + 2]) << 8 | png[at + 3];
      if (std::string(png.begin() + long(at) + 4, png.begin() + long(at) + 8) == "IDAT")
        idat.insert(idat.end(), png.begin() + long(at) + 8, png.begin() + long(at + 8 + n));
      at += 12 + n;
    }
    const size_t rowBytes =
        1 + (size_t(p.width) * size_t(p.bits) * (p.colourType == 2 ? 3 : 1) + 7) / 8;
    std::vector<uint8_t> rows(rowBytes * size_t(p.height) + 1);
    uLongf size = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &size, idat.data(), uLong(idat.size())), Z_OK);
    EXPECT_EQ(size, rowBytes * size_t(p.height));
  }
}

}  // namespace
}  // namespace trazello
