// libFuzzer target: the layout reader must refuse or accept any bytes without reading past them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/LayoutFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto file = trazello::parseLayout(std::span<const uint8_t>(data, size), "fuzz.trz");
  if (file.ok()) {
    // What was accepted must also be writable and read back.
    const auto& f = file.value();
    const auto bytes = trazello::serializeLayout(f.boards, f.currentBoard < 0 ? 0 : f.currentBoard,
                                                 f.project.value_or(trazello::ProjectInfo{}));
    if (!trazello::parseLayout(bytes, "again.trz").ok()) __builtin_trap();
  }
  return 0;
}
