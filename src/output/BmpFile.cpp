#include "BmpFile.h"

#include <cmath>

namespace trazello {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

// Rows are padded to whole 32-bit words.
uint32_t rowBytes(int width, int bits) {
  return ((static_cast<uint32_t>(width) * static_cast<uint32_t>(bits) + 31) / 32) * 4;
}

std::vector<uint8_t> headers(const PixelView& p, int bits, int dpi) {
  const uint32_t paletteBytes = bits == 1 ? 8 : 0;
  const uint32_t imageBytes = rowBytes(p.width, bits) * static_cast<uint32_t>(p.height);
  const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + paletteBytes;
  const auto perMetre = static_cast<uint32_t>(std::lround(dpi / 0.0254));
  std::vector<uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + imageBytes);
  put32(out, 0);
  put32(out, offset);
  put32(out, kInfoHeaderBytes);
  put32(out, static_cast<uint32_t>(p.width));
  put32(out, static_cast<uint32_t>(p.height));  // positive: bottom row first
  put16(out, 1);
  put16(out, static_cast<uint32_t>(bits));
  put32(out, 0);  // no compression
  put32(out, imageBytes);
  put32(out, perMetre);
  put32(out, perMetre);
  put32(out, bits == 1 ? 2 : 0);
  put32(out, 0);
  if (bits == 1) {
    put32(out, 0x000000);
    put32(out, 0xFFFFFF);
  }
  return out;
}

}  // namespace

std::vector<uint8_t> encodeColourBmp(const PixelView& p, int dpi) {
  std::vector<uint8_t> out = headers(p, 24, dpi);
  const uint32_t pad = rowBytes(p.width, 24) - static_cast<uint32_t>(p.width) * 3;
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const uint32_t c = p.at(x, y);
      out.push_back(static_cast<uint8_t>(c));        // blue
      out.push_back(static_cast<uint8_t>(c >> 8));   // green
      out.push_back(static_cast<uint8_t>(c >> 16));  // red
    }
    out.insert(out.end(), pad, 0);
  }
  return out;
}

std::vector<uint8_t> encodeMonochromeBmp(const PixelView& p, uint32_t paper, int dpi) {
  std::vector<uint8_t> out = headers(p, 1, dpi);
  const uint32_t bytes = rowBytes(p.width, 1);
  std::vector<uint8_t> row(bytes);
  for (int y = p.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < p.width; ++x)
      if (p.at(x, y) == (paper & 0xFFFFFFu)) row[static_cast<size_t>(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace trazello
