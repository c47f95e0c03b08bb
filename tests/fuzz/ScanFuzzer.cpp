// libFuzzer target: the scanned-copy loader with any bytes as the bitmap file. It must refuse
// with its message or give an image whose placement on the board is a proper rectangle.
#include <QImageReader>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "view/ScannedCopy.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trazello;
  const std::span<const uint8_t> bytes(data, size);
  Result<LoadedScan> scan = decodeScannedCopy(bytes, "fuzz.bmp");
  if (!scan.ok()) {
    check(scan.error().id == MessageId::ScannedCopyNotLoaded);
    return 0;
  }
  check(!scan->image.isNull() && scan->dpi >= 0);
  // The offsets of a damaged layout file may be anything: the last bytes stand for them.
  int32_t offsets[2] = {0, 0};
  if (size >= 8) std::memcpy(offsets, data + size - 8, 8);
  const IRect r =
      scanRect(scan->image.width(), scan->image.height(), scan->dpi, offsets[0], offsets[1]);
  check(r.left <= r.right && r.top <= r.bottom);
  return 0;
}
