// libFuzzer target: the Gerber reader must read or refuse any bytes without a fault, and what it
// reads must map to elements.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/GerberReader.h"
#include "import/GerberToElements.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const trazello::GerberReadResult r = trazello::readGerber(text);
  if (r.ok() != r.error.empty()) __builtin_trap();
  if (!r.ok() && !r.image.objects.empty()) __builtin_trap();  // a refusal imports nothing
  // Mapping costs polygon work per object; small images keep the runs fast.
  if (r.ok() && r.image.objects.size() <= 200) (void)trazello::gerberToElements(r.image, 3, 1000);
  return 0;
}
