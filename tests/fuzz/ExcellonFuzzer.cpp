// libFuzzer target: the Excellon reader must read or refuse any bytes without a fault, and the
// holes it reads must drill a few imported pads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/DrilledPads.h"
#include "import/ExcellonReader.h"
#include "model/Layer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trazello;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)looksLikeExcellon(text);
  const ExcellonReadResult r = readExcellon(text);
  if (r.ok() != r.error.empty()) __builtin_trap();
  if (!r.ok() && !r.holes.empty()) __builtin_trap();  // a refusal drills nothing
  if (r.ok() && r.holes.size() <= 200) {
    std::vector<TObjekt> elements;
    elements.push_back(newPad({100, -900}, layer::C1, padshape::Round, 40, 0));
    elements.push_back(newPad({100, -900}, layer::C2, padshape::Round, 50, 0));
    elements.push_back(newSmdPad({300, -700}, layer::C1, 100, 100));
    elements.push_back(newSmdPad({300, -700}, layer::C2, 100, 100));
    const size_t before = elements.size();
    (void)putDrillHoles(elements, r.holes, layer::C2, 1000);
    if (elements.size() > before + r.holes.size()) __builtin_trap();
  }
  return 0;
}
