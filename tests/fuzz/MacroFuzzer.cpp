// libFuzzer target: the macro reader must refuse or accept any bytes without reading past them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto macro = trazello::parseMacro(std::span<const uint8_t>(data, size), "fuzz.tzm");
  if (macro.ok()) {
    // What was accepted must also be writable and read back.
    auto& m = macro.value();
    const auto bytes = trazello::serializeMacro(m.elements, false, m.comments, 0, {});
    if (!trazello::parseMacro(bytes, "again.tzm").ok()) __builtin_trap();
  }
  return 0;
}
