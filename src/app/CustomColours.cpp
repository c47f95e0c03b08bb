#include "CustomColours.h"

#include <cstdio>

namespace trazello {

namespace {

constexpr const char* kSection = "Colors";

std::string keyOf(size_t i) {
  return std::string("Color") + static_cast<char>('A' + i);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<ColorRef> parseHex(const std::string& text) {
  if (text.size() != 6) return std::nullopt;
  int v[6];
  for (size_t i = 0; i < 6; ++i) {
    v[i] = hexDigit(text[i]);
    if (v[i] < 0) return std::nullopt;
  }
  return rgb(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
}

}  // namespace

CustomColours readCustomColours(const IniFile& file) {
  CustomColours out;
  for (size_t i = 0; i < out.size(); ++i) {
    if (auto text = file.value(kSection, keyOf(i))) out[i] = parseHex(*text);
  }
  return out;
}

void writeCustomColours(IniFile& file, const CustomColours& colours) {
  file.eraseSection(kSection);
  for (size_t i = 0; i < colours.size(); ++i) {
    if (!colours[i]) continue;
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", redOf(*colours[i]), greenOf(*colours[i]),
                  blueOf(*colours[i]));
    file.write(kSection, keyOf(i), text);
  }
}

}  // namespace trazello
