#include "ColourScheme.h"

#include <cmath>

namespace trazello {

ColorRef ColourScheme::layerColour(int layerCode) const {
  if (layerCode < 1 || layerCode > 7) return kBlack;
  return colours[static_cast<size_t>(layerCode) + 1];
}

void ColourScheme::setLayerColour(int layerCode, ColorRef c) {
  if (layerCode >= 1 && layerCode <= 7) colours[static_cast<size_t>(layerCode) + 1] = c;
}

const ColourScheme& defaultScheme() {
  static const ColourScheme s{{rgb(0, 0, 0), rgb(70, 70, 70), rgb(30, 30, 255), rgb(255, 0, 0),
                               rgb(0, 186, 0), rgb(225, 215, 4), rgb(215, 102, 0),
                               rgb(234, 168, 68), rgb(255, 255, 255), rgb(0, 0, 128),
                               rgb(0, 255, 0), rgb(0, 0, 255)}};
  return s;
}

ColorRef throughPlatingColour() {
  const ColourScheme& d = defaultScheme();
  const ColorRef a = d[SchemeSlot::C1];
  const ColorRef b = d[SchemeSlot::C2];
  auto mix = [](int x, int y) { return static_cast<int>(std::nearbyint((x + y) / 1.7)); };
  return rgb(mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)), mix(blueOf(a), blueOf(b)));
}

std::array<uint8_t, kSchemeBytes> schemeBytes(const ColourScheme& s) {
  std::array<uint8_t, kSchemeBytes> out{};
  for (size_t i = 0; i < kSchemeSlots; ++i) {
    const ColorRef c = s.colours[i];
    for (size_t b = 0; b < 4; ++b) out[i * 4 + b] = static_cast<uint8_t>(c >> (8 * b));
  }
  return out;
}

ColourScheme parseSchemeBytes(std::span<const uint8_t, kSchemeBytes> bytes) {
  ColourScheme s;
  for (size_t i = 0; i < kSchemeSlots; ++i) {
    uint32_t v = 0;
    for (size_t b = 0; b < 4; ++b) v |= static_cast<uint32_t>(bytes[i * 4 + b]) << (8 * b);
    s.colours[i] = (v & 0x80000000u) ? kBlack : (v & 0x00FFFFFFu);
  }
  return s;
}

}  // namespace trazello
