#include "JpegFile.h"

// libjpeg's header needs the standard declarations it refers to first.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace trazello {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the encoder, which cleans up and gives up.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void silent(j_common_ptr) {}

// Everything that must survive the jump lives outside the function that calls setjmp, so no
// C++ object is skipped by it.
struct Compression {
  jpeg_compress_struct info{};
  ErrorJump error{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<JSAMPLE> row;
};

bool compress(Compression& c, const PixelView& p, int quality, int dpi) {
  c.info.err = jpeg_std_error(&c.error.manager);
  c.error.manager.error_exit = jumpBack;
  c.error.manager.output_message = silent;
  if (setjmp(c.error.back)) return false;
  jpeg_create_compress(&c.info);
  jpeg_mem_dest(&c.info, &c.buffer, &c.size);
  c.info.image_width = static_cast<JDIMENSION>(p.width);
  c.info.image_height = static_cast<JDIMENSION>(p.height);
  c.info.input_components = 3;
  c.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c.info);
  jpeg_set_quality(&c.info, quality, TRUE);
  c.info.density_unit = 1;  // dots per inch
  c.info.X_density = static_cast<UINT16>(dpi);
  c.info.Y_density = static_cast<UINT16>(dpi);
  jpeg_start_compress(&c.info, TRUE);
  while (c.info.next_scanline < c.info.image_height) {
    const int y = static_cast<int>(c.info.next_scanline);
    for (int x = 0; x < p.width; ++x) {
      const uint32_t colour = p.at(x, y);
      c.row[size_t(x) * 3] = static_cast<JSAMPLE>(colour >> 16);
      c.row[size_t(x) * 3 + 1] = static_cast<JSAMPLE>(colour >> 8);
      c.row[size_t(x) * 3 + 2] = static_cast<JSAMPLE>(colour);
    }
    JSAMPROW rows[1] = {c.row.data()};
    jpeg_write_scanlines(&c.info, rows, 1);
  }
  jpeg_finish_compress(&c.info);
  return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> encodeJpeg(const PixelView& picture, int quality, int dpi) {
  if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
  Compression c;
  c.row.resize(static_cast<size_t>(picture.width) * 3);
  const bool done = compress(c, picture, quality, dpi);
  jpeg_destroy_compress(&c.info);
  std::optional<std::vector<uint8_t>> out;
  if (done && c.buffer) out.emplace(c.buffer, c.buffer + c.size);
  std::free(c.buffer);
  return out;
}

std::optional<JpegResult> encodeWithFallback(const JpegEncoder& encode) {
  for (int quality : kJpegQualities) {
    if (auto bytes = encode(quality)) return JpegResult{std::move(*bytes), quality};
  }
  return std::nullopt;
}

}  // namespace trazello
