#include "PrintSettings.h"

#include <algorithm>

namespace trazello {

namespace {

// "М1", "К1", "М2", "К2", "В1", "В2", "Ф" in Windows-1251, the settings file's own bytes.
constexpr const char* kColourKeys[8] = {"",         "\xCC" "1", "\xCA" "1", "\xCC" "2",
                                        "\xCA" "2", "\xC2" "1", "\xC2" "2", "\xD4"};

ColorRef readColour(const IniFile& ini, const std::string& key, ColorRef fallback) {
  const int v = ini.readInt(PrintSettings::kSection, key, static_cast<int>(fallback));
  return v < 0 ? fallback : static_cast<ColorRef>(v) & 0x00FFFFFFu;
}

int32_t readLength(const IniFile& ini, const char* key, int32_t fallback, int32_t lo,
                   int32_t hi) {
  return std::clamp(ini.readInt(PrintSettings::kSection, key, fallback), lo, hi);
}

}  // namespace

std::string PrintSettings::colourKey(uint8_t layerCode) {
  return layerCode >= 1 && layerCode <= 7 ? kColourKeys[layerCode] : "";
}

void PrintSettings::readFrom(const IniFile& ini) {
  for (uint8_t code = 1; code <= 7; ++code)
    colours[code] = readColour(ini, colourKey(code), colours[code]);
  mask1 = readColour(ini, "LS1", mask1);
  mask2 = readColour(ini, "LS2", mask2);
  drillPlan = readColour(ini, "BP1", drillPlan);
  // The options window offers 0.01 to 9.99 mm and 0.1 to 9.9 mm.
  padGrowth = readLength(ini, "LS_LA", padGrowth, 1, 999);
  smdGrowth = readLength(ini, "LS_SMD", smdGrowth, 1, 999);
  otherGrowth = readLength(ini, "LS_Sonstige", otherGrowth, 1, 999);
  drillTextHeight = readLength(ini, "BP_Height", drillTextHeight, 10, 990);
  grid = ini.readBool(kSection, "Gitter", grid);
  infoLine = ini.readBool(kSection, "Infozeile", infoLine);
}

void PrintSettings::writeTo(IniFile& ini) const {
  for (uint8_t code = 1; code <= 7; ++code)
    ini.writeInt(kSection, colourKey(code), static_cast<int>(colours[code]));
  ini.writeInt(kSection, "LS1", static_cast<int>(mask1));
  ini.writeInt(kSection, "LS2", static_cast<int>(mask2));
  ini.writeInt(kSection, "BP1", static_cast<int>(drillPlan));
  ini.writeInt(kSection, "LS_LA", padGrowth);
  ini.writeInt(kSection, "LS_SMD", smdGrowth);
  ini.writeInt(kSection, "LS_Sonstige", otherGrowth);
  ini.writeInt(kSection, "BP_Height", drillTextHeight);
  ini.writeBool(kSection, "Gitter", grid);
  ini.writeBool(kSection, "Infozeile", infoLine);
}

}  // namespace trazello
