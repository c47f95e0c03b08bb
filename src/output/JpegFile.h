#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "PixelView.h"

namespace trazello {

// A baseline JPEG file of the picture at `quality` (1 to 100) with the resolution in its
// header; nothing when the library refuses (a side longer than the format allows, no memory).
std::optional<std::vector<uint8_t>> encodeJpeg(const PixelView& picture, int quality, int dpi);

// The qualities tried one after the other, best first.
inline constexpr int kJpegQualities[] = {100, 90, 80};

using JpegEncoder = std::function<std::optional<std::vector<uint8_t>>(int quality)>;
struct JpegResult {
  std::vector<uint8_t> bytes;
  int quality = 0;
};
// The first quality of `kJpegQualities` the encoder manages, or nothing when all fail.
std::optional<JpegResult> encodeWithFallback(const JpegEncoder& encode);

}  // namespace trazello
