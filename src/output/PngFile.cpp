#include "PngFile.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace trazello {

namespace {

constexpr size_t kMostColours = 256;

// Colour to palette index, for the few colours of a drawing.
class Palette {
 public:
  // The index of `c`, adding it while there is room; nullopt once the palette is full.
  std::optional<uint8_t> indexOf(uint32_t c) {
    c &= 0xFFFFFF;
    if (c == last_) return lastIndex_;
    size_t slot = (c * 2654435761u) >> 23;  // 9 bits: 512 slots for at most 256 colours
    while (used_[slot]) {
      if (keys_[slot] == c) return remember(c, values_[slot]);
      slot = (slot + 1) & 511;
    }
    if (colours_.size() == kMostColours) return std::nullopt;
    used_[slot] = true;
    keys_[slot] = c;
    values_[slot] = static_cast<uint8_t>(colours_.size());
    colours_.push_back(c);
    return remember(c, values_[slot]);
  }
  const std::vector<uint32_t>& colours() const { return colours_; }

 private:
  uint8_t remember(uint32_t c, uint8_t i) {
    last_ = c;
    lastIndex_ = i;
    return i;
  }
  std::array<bool, 512> used_{};
  std::array<uint32_t, 512> keys_{};
  std::array<uint8_t, 512> values_{};
  std::vector<uint32_t> colours_;
  uint32_t last_ = 0xFFFFFFFF;  // no colour: the top byte is cleared above
  uint8_t lastIndex_ = 0;
};

void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void chunk(std::vector<uint8_t>& out, std::string_view type, const uint8_t* data, size_t size) {
  put32(out, static_cast<uint32_t>(size));
  const size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data, data + size);
  const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  put32(out, static_cast<uint32_t>(crc));
}

// Deflates rows as they come into one zlib stream.
class RowCompressor {
 public:
  RowCompressor() {
    // Runs only (distance one): the speed of storing with most of compression's gain here.
    deflateInit2(&z_, 1, Z_DEFLATED, 15, 8, Z_RLE);
  }
  ~RowCompressor() { deflateEnd(&z_); }
  RowCompressor(const RowCompressor&) = delete;
  RowCompressor& operator=(const RowCompressor&) = delete;

  void add(const std::vector<uint8_t>& row, bool last) {
    z_.next_in = const_cast<Bytef*>(row.data());
    z_.avail_in = static_cast<uInt>(row.size());
    const int flush = last ? Z_FINISH : Z_NO_FLUSH;
    do {
      if (out_.size() - done_ < kRoom) out_.resize(std::max(out_.size() * 2, done_ + kRoom));
      z_.next_out = out_.data() + done_;
      z_.avail_out = static_cast<uInt>(out_.size() - done_);
      deflate(&z_, flush);
      done_ = out_.size() - z_.avail_out;
    } while (z_.avail_out == 0 || (last && z_.avail_in > 0));
    if (last) out_.resize(done_);
  }
  const std::vector<uint8_t>& bytes() const { return out_; }

 private:
  static constexpr size_t kRoom = 1 << 16;
  z_stream z_{};
  std::vector<uint8_t> out_;
  size_t done_ = 0;
};

int bitsFor(size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  if (colours <= 16) return 4;
  return 8;
}

// Every row with its filter byte (none), as palette indices or RGB triples.
std::vector<uint8_t> compressedRows(const RgbPixels& p, Palette* palette, int bits) {
  RowCompressor z;
  const size_t w = size_t(p.width);
  std::vector<uint8_t> row(1 + (palette ? (w * size_t(bits) + 7) / 8 : w * 3));
  for (int y = 0; y < p.height; ++y) {
    const uint32_t* line = p.pixels + size_t(y) * p.stride;
    if (palette) {
      unsigned pending = 0;
      int filled = 0;
      size_t at = 1;
      for (size_t x = 0; x < w; ++x) {
        pending = (pending << bits) | *palette->indexOf(line[x]);
        filled += bits;
        if (filled == 8) {
          row[at++] = static_cast<uint8_t>(pending);
          pending = 0;
          filled = 0;
        }
      }
      if (filled) row[at] = static_cast<uint8_t>(pending << (8 - filled));
    } else {
      for (size_t x = 0; x < w; ++x) {
        row[1 + 3 * x] = static_cast<uint8_t>(line[x] >> 16);
        row[2 + 3 * x] = static_cast<uint8_t>(line[x] >> 8);
        row[3 + 3 * x] = static_cast<uint8_t>(line[x]);
      }
    }
    z.add(row, y + 1 == p.height);
  }
  if (p.height <= 0) z.add({}, true);
  return z.bytes();
}

}  // namespace

std::vector<uint8_t> encodePng(const RgbPixels& p) {
  Palette palette;
  bool fits = true;
  for (int y = 0; y < p.height && fits; ++y) {
    const uint32_t* line = p.pixels + size_t(y) * p.stride;
    for (int x = 0; x < p.width && fits; ++x) fits = palette.indexOf(line[x]).has_value();
  }
  const int bits = fits ? bitsFor(palette.colours().size()) : 8;
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  put32(header, static_cast<uint32_t>(p.width));
  put32(header, static_cast<uint32_t>(p.height));
  header.insert(header.end(), {static_cast<uint8_t>(bits), uint8_t(fits ? 3 : 2), 0, 0, 0});
  chunk(out, "IHDR", header.data(), header.size());
  if (fits) {
    std::vector<uint8_t> plte;
    for (uint32_t c : palette.colours())
      plte.insert(plte.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    chunk(out, "PLTE", plte.data(), plte.size());
  }
  const std::vector<uint8_t> data = compressedRows(p, fits ? &palette : nullptr, bits);
  chunk(out, "IDAT", data.data(), data.size());
  chunk(out, "IEND", nullptr, 0);
  return out;
}

}  // namespace trazello
