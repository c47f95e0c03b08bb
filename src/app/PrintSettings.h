#pragma once

#include <array>
#include <cstdint>

#include "IniFile.h"
#include "view/ColourScheme.h"

namespace trazello {

// The print window's lasting choices, section "Drucken" of the settings file: the colour of
// every layer, of the solder masks and of the drill plan, the solder-mask enlargements, the
// drill-plan text height (units) and the preview's grid and information line.
struct PrintSettings {
  static constexpr const char* kSection = "Drucken";

  std::array<ColorRef, 8> colours{0, 0, 255, 0, 255, 8421376, 8388736, 65280};  // by layer code
  ColorRef mask1 = 0, mask2 = 0, drillPlan = 0;
  int32_t padGrowth = 30;
  int32_t smdGrowth = 10;
  int32_t otherGrowth = 1;
  int32_t drillTextHeight = 100;
  bool grid = true;
  bool infoLine = true;

  // Values outside what the windows offer are brought into range.
  void readFrom(const IniFile& ini);
  void writeTo(IniFile& ini) const;

  // The key of a layer's colour: its Cyrillic caption as Windows-1251 bytes.
  static std::string colourKey(uint8_t layerCode);
};

}  // namespace trazello
