#include "GifFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

namespace trazello {

namespace {

constexpr size_t kMaxColours = 256;

size_t paddedSize(size_t colours) {
  if (colours <= 2) return 2;  // one colour too: a GIF table has at least two entries
  if (colours <= 16) return 16;
  return 256;
}

int channel(uint32_t c, int k) { return static_cast<int>((c >> (16 - 8 * k)) & 0xFF); }

// One box of the median cut: a run of distinct colours with their pixel counts.
struct Box {
  size_t begin = 0, end = 0;
  uint64_t pixels = 0;
  int widestChannel = 0;
  int range = 0;
};

struct Counted {
  uint32_t colour;
  uint64_t count;
};

void measure(Box& b, const std::vector<Counted>& c) {
  std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
  b.pixels = 0;
  for (size_t i = b.begin; i < b.end; ++i) {
    b.pixels += c[i].count;
    for (int k = 0; k < 3; ++k) {
      lo[size_t(k)] = std::min(lo[size_t(k)], channel(c[i].colour, k));
      hi[size_t(k)] = std::max(hi[size_t(k)], channel(c[i].colour, k));
    }
  }
  b.range = -1;
  for (int k = 0; k < 3; ++k)
    if (hi[size_t(k)] - lo[size_t(k)] > b.range) {
      b.range = hi[size_t(k)] - lo[size_t(k)];
      b.widestChannel = k;
    }
}

// Maps every distinct colour to one of at most 256 representative colours.
std::unordered_map<uint32_t, uint32_t> medianCut(const std::unordered_map<uint32_t, uint64_t>& counts) {
  std::vector<Counted> c;
  c.reserve(counts.size());
  for (const auto& [colour, n] : counts) c.push_back({colour, n});
  std::sort(c.begin(), c.end(), [](const Counted& a, const Counted& b) { return a.colour < b.colour; });
  std::vector<Box> boxes(1);
  boxes[0].end = c.size();
  measure(boxes[0], c);
  while (boxes.size() < kMaxColours) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return (a.end - a.begin < 2 ? -1 : a.range) < (b.end - b.begin < 2 ? -1 : b.range);
    });
    if (widest->end - widest->begin < 2) break;
    Box box = *widest;
    const int k = box.widestChannel;
    std::sort(c.begin() + long(box.begin), c.begin() + long(box.end),
              [k](const Counted& a, const Counted& b) { return channel(a.colour, k) < channel(b.colour, k); });
    // Split where half of the box's pixels lie on each side, keeping both halves non-empty.
    uint64_t seen = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
      seen += c[i].count;
      cut = i + 1;
      if (seen * 2 >= box.pixels) break;
    }
    Box upper = box;
    widest->end = cut;
    upper.begin = cut;
    measure(*widest, c);
    measure(upper, c);
    boxes.push_back(upper);
  }
  std::unordered_map<uint32_t, uint32_t> mapping;
  for (const Box& b : boxes) {
    std::array<uint64_t, 3> sum{};
    for (size_t i = b.begin; i < b.end; ++i)
      for (int k = 0; k < 3; ++k) sum[size_t(k)] += uint64_t(channel(c[i].colour, k)) * c[i].count;
    uint32_t mean = 0;
    for (int k = 0; k < 3; ++k)
      mean |= static_cast<uint32_t>((sum[size_t(k)] + b.pixels / 2) / b.pixels) << (16 - 8 * k);
    for (size_t i = b.begin; i < b.end; ++i) mapping[c[i].colour] = mean;
  }
  return mapping;
}

int bitsFor(size_t tableSize) { return tableSize == 2 ? 1 : tableSize == 16 ? 4 : 8; }

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

}  // namespace

IndexedPicture indexColours(const PixelView& p) {
  IndexedPicture out;
  out.width = p.width;
  out.height = p.height;
  out.indices.resize(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
  std::unordered_map<uint32_t, uint64_t> counts;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) ++counts[p.at(x, y)];
  std::unordered_map<uint32_t, uint32_t> reduced;
  if (counts.size() > kMaxColours) reduced = medianCut(counts);
  std::unordered_map<uint32_t, uint8_t> index;
  size_t i = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x, ++i) {
      uint32_t c = p.at(x, y);
      if (!reduced.empty()) c = reduced.at(c);
      auto [it, added] = index.try_emplace(c, static_cast<uint8_t>(out.table.size()));
      if (added) out.table.push_back(c);
      out.indices[i] = it->second;
    }
  }
  out.coloursUsed = out.table.size();
  out.table.resize(paddedSize(out.table.size()), 0);
  return out;
}

GifBytes encodeGif(const PixelView& picture) {
  GifBytes result;
  const IndexedPicture p = indexColours(picture);
  const int bits = bitsFor(p.table.size());
  std::vector<GifColorType> colours;
  for (uint32_t c : p.table)
    colours.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                       static_cast<GifByteType>(c)});
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
      GifMakeMapObject(static_cast<int>(colours.size()), colours.data()), GifFreeMapObject);
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&result.bytes, appendBytes, &error));
  if (!map || !gif) {
    result.error = GifErrorString(map ? error : E_GIF_ERR_NOT_ENOUGH_MEM);
    return result;
  }
  EGifSetGifVersion(gif.get(), false);
  bool ok = EGifPutScreenDesc(gif.get(), p.width, p.height, bits, 0, map.get()) == GIF_OK &&
            EGifPutImageDesc(gif.get(), 0, 0, p.width, p.height, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(static_cast<size_t>(p.width));
  for (int y = 0; ok && y < p.height; ++y) {
    std::copy_n(p.indices.begin() + long(y) * p.width, p.width, row.begin());
    ok = EGifPutLine(gif.get(), row.data(), p.width) == GIF_OK;
  }
  if (!ok) error = gif->Error;
  GifFileType* raw = gif.release();
  if (EGifCloseFile(raw, &error) != GIF_OK) ok = false;
  if (!ok) {
    result.error = GifErrorString(error);
    result.bytes.clear();
  }
  return result;
}

}  // namespace trazello
