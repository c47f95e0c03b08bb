#include "PngFile.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "model/SideBySide.h"

namespace trazello {

namespace {

constexpr size_t kMostColours = 256;

// Colour to palette index, for the few colours of a drawing: open addressing over 512 slots,
// an empty slot holding a value no 24-bit colour has.
class Palette {
 public:
  Palette() { keys_.fill(kEmpty); }
  // The index of `c` (24 bits), adding it while there is room; -1 once the palette is full.
  int indexOf(uint32_t c) {
    size_t slot = (c * 2654435761u) >> 23;  // 9 bits
    while (keys_[slot] != c) {
      if (keys_[slot] == kEmpty) {
        if (colours_.size() == kMostColours) return -1;
        keys_[slot] = c;
        values_[slot] = static_cast<uint8_t>(colours_.size());
        colours_.push_back(c);
        break;
      }
      slot = (slot + 1) & 511;
    }
    return values_[slot];
  }
  const std::vector<uint32_t>& colours() const { return colours_; }

 private:
  static constexpr uint32_t kEmpty = 0xFFFFFFFF;
  std::array<uint32_t, 512> keys_;
  std::array<uint8_t, 512> values_{};
  std::vector<uint32_t> colours_;
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

  void add(const uint8_t* bytes, size_t size, bool last) {
    z_.next_in = const_cast<Bytef*>(bytes);
    z_.avail_in = static_cast<uInt>(size);
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

// Every row of palette indices `bits` wide after its filter byte (none), or nothing when the
// palette outgrows `bits`. Pixels repeating their left neighbour (most of a drawing) skip the
// lookup.
template <int bits>
std::optional<std::vector<uint8_t>> indexedRows(const RgbPixels& p, Palette& palette) {
  const size_t w = size_t(p.width), rowBytes = 1 + (w * bits + 7) / 8;
  std::vector<uint8_t> rows(rowBytes * size_t(p.height), 0);
  constexpr int kPerByte = 8 / bits, kMost = 1 << bits;
  for (int y = 0; y < p.height; ++y) {
    const uint32_t* line = p.pixels + size_t(y) * p.stride;
    uint8_t* row = rows.data() + size_t(y) * rowBytes + 1;
    uint32_t previous = 0xFFFFFFFF;  // no colour: the top byte of a colour is ignored
    int index = 0;
    for (size_t x = 0; x < w; ++x) {
      const uint32_t c = line[x] & 0xFFFFFF;
      if (c != previous) {
        index = palette.indexOf(c);
        if (index < 0 || index >= kMost) return std::nullopt;
        previous = c;
      }
      row[x / kPerByte] |= static_cast<uint8_t>(index << (8 - bits * int(1 + x % kPerByte)));
    }
  }
  return rows;
}

// The rows of four-bit indices again with fewer bits, for a palette of two or four colours.
std::vector<uint8_t> narrowed(const std::vector<uint8_t>& rows, size_t w, size_t h, int bits) {
  const size_t from = 1 + (w * 4 + 7) / 8, to = 1 + (w * size_t(bits) + 7) / 8;
  const int perByte = 8 / bits;
  std::vector<uint8_t> out(to * h, 0);
  for (size_t y = 0; y < h; ++y) {
    const uint8_t* src = rows.data() + y * from + 1;
    uint8_t* dst = out.data() + y * to + 1;
    for (size_t x = 0; x < w; ++x) {
      const int v = (src[x / 2] >> (x % 2 ? 0 : 4)) & 15;
      dst[x / perByte] |= static_cast<uint8_t>(v << (8 - bits * int(1 + x % perByte)));
    }
  }
  return out;
}

// One piece of a zlib stream: raw deflate, run-length matches only, ending on a byte boundary
// (an empty stored block) unless it is the last.
std::vector<uint8_t> deflatedPiece(const uint8_t* bytes, size_t size, bool last) {
  z_stream z{};
  deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_RLE);
  std::vector<uint8_t> out(deflateBound(&z, static_cast<uLong>(size)) + 16);
  z.next_in = const_cast<Bytef*>(bytes);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
  out.resize(out.size() - z.avail_out);
  deflateEnd(&z);
  return out;
}

// The zlib stream of `rows`, made of pieces of a fixed size deflated side by side: runs do not
// reach far back, so the pieces lose next to nothing, and the file does not depend on the
// number of processors.
std::vector<uint8_t> compressed(const std::vector<uint8_t>& rows) {
  constexpr size_t kPiece = size_t(4) << 20;
  const size_t count = std::max<size_t>(1, (rows.size() + kPiece - 1) / kPiece);
  std::vector<std::vector<uint8_t>> pieces(count);
  std::vector<uLong> sums(count);
  runSideBySide(count, processorCount(), [&](size_t i) {
    const size_t from = i * kPiece, size = std::min(kPiece, rows.size() - from);
    pieces[i] = deflatedPiece(rows.data() + from, size, i + 1 == count);
    sums[i] = adler32_z(adler32_z(0, nullptr, 0), rows.data() + from, size);
  });
  std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32 KB window, fastest
  uLong sum = sums[0];
  for (size_t i = 0; i < count; ++i) {
    out.insert(out.end(), pieces[i].begin(), pieces[i].end());
    if (i > 0)
      sum = adler32_combine(sum, sums[i],
                            static_cast<z_off_t>(std::min(kPiece, rows.size() - i * kPiece)));
  }
  put32(out, static_cast<uint32_t>(sum));
  return out;
}

// Every row with its filter byte (none) as RGB triples, deflated as it is made.
std::vector<uint8_t> compressedRgbRows(const RgbPixels& p) {
  RowCompressor z;
  const size_t w = size_t(p.width);
  std::vector<uint8_t> row(1 + w * 3);
  for (int y = 0; y < p.height; ++y) {
    const uint32_t* line = p.pixels + size_t(y) * p.stride;
    for (size_t x = 0; x < w; ++x) {
      row[1 + 3 * x] = static_cast<uint8_t>(line[x] >> 16);
      row[2 + 3 * x] = static_cast<uint8_t>(line[x] >> 8);
      row[3 + 3 * x] = static_cast<uint8_t>(line[x]);
    }
    z.add(row.data(), row.size(), y + 1 == p.height);
  }
  if (p.height <= 0) z.add(nullptr, 0, true);
  return z.bytes();
}

}  // namespace

// A drawing has a handful of colours: its indices are found in one pass, four bits wide, and
// only a picture of more colours is looked at again.
std::vector<uint8_t> encodePng(const RgbPixels& p) {
  const size_t w = size_t(std::max(p.width, 0)), h = size_t(std::max(p.height, 0));
  Palette palette;
  std::optional<std::vector<uint8_t>> rows = indexedRows<4>(p, palette);
  int bits = 4;
  if (!rows) {
    rows = indexedRows<8>(p, palette);
    bits = 8;
  } else if (palette.colours().size() <= 4) {
    bits = bitsFor(palette.colours().size());
    rows = narrowed(*rows, w, h, bits);
  }
  const bool fits = rows.has_value();
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
  const std::vector<uint8_t> data = fits ? compressed(*rows) : compressedRgbRows(p);
  chunk(out, "IDAT", data.data(), data.size());
  chunk(out, "IEND", nullptr, 0);
  return out;
}

}  // namespace trazello
