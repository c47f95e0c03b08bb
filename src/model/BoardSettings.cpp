#include "BoardSettings.h"

#include <algorithm>
#include <cmath>

#include "LittleEndian.h"

namespace trazello {

namespace {
constexpr size_t kTemplateNameField = 200;

void putShortString(uint8_t* at, const std::string& s) {
  const size_t n = std::min(s.size(), kTemplateNameField);
  at[0] = static_cast<uint8_t>(n);
  std::copy_n(s.begin(), n, at + 1);
}
}  // namespace

BoardSettingsBytes boardSettingsBytes(const BoardSettings& s) {
  BoardSettingsBytes b{};
  uint8_t* p = b.data();
  le::put(p + 4, s.width);
  le::put(p + 8, s.height);
  for (int l = 1; l <= 7; ++l) p[12 + l - 1] = s.groundPlane[l];
  le::put(p + 19, s.grid);
  le::put(p + 27, s.zoom);
  le::put(p + 35, s.scrollX);
  le::put(p + 39, s.scrollY);
  le::put(p + 43, s.activeLayer);
  for (int l = 1; l <= 7; ++l) p[47 + l - 1] = s.visible[l];
  p[54] = s.templateShown[0];
  p[55] = s.templateShown[1];
  putShortString(p + 56, s.templateFile[0]);
  putShortString(p + 257, s.templateFile[1]);
  for (int i = 0; i < 2; ++i) {
    le::put(p + 458 + 4 * i, s.templateDpi[i]);
    le::put(p + 466 + 4 * i, s.templateOffsetX[i]);
    le::put(p + 474 + 4 * i, s.templateOffsetY[i]);
    le::put(p + 482 + 4 * i, s.templateColour[i]);
  }
  le::put(p + 490, s.originX);
  le::put(p + 494, s.originY);
  p[498] = s.multilayer;
  return b;
}

std::optional<BoardSettings> parseBoardSettings(const uint8_t* p) {
  BoardSettings s;
  s.width = le::get<int32_t>(p + 4);
  s.height = le::get<int32_t>(p + 8);
  for (int l = 1; l <= 7; ++l) s.groundPlane[l] = p[12 + l - 1];
  s.grid = le::get<double>(p + 19);
  s.zoom = le::get<double>(p + 27);
  s.scrollX = le::get<int32_t>(p + 35);
  s.scrollY = le::get<int32_t>(p + 39);
  s.activeLayer = le::get<int32_t>(p + 43);
  for (int l = 1; l <= 7; ++l) s.visible[l] = p[47 + l - 1];
  s.templateShown = {p[54], p[55]};
  for (int i = 0; i < 2; ++i) {
    const uint8_t* name = p + (i == 0 ? 56 : 257);
    if (name[0] > kTemplateNameField) return std::nullopt;
    s.templateFile[i].assign(reinterpret_cast<const char*>(name + 1), name[0]);
    s.templateDpi[i] = le::get<int32_t>(p + 458 + 4 * i);
    s.templateOffsetX[i] = le::get<int32_t>(p + 466 + 4 * i);
    s.templateOffsetY[i] = le::get<int32_t>(p + 474 + 4 * i);
    s.templateColour[i] = le::get<int32_t>(p + 482 + 4 * i);
  }
  s.originX = le::get<int32_t>(p + 490);
  s.originY = le::get<int32_t>(p + 494);
  s.multilayer = p[498];
  return s;
}

LayerState layerState(const BoardSettings& s) {
  LayerState st;
  st.activeLayer = static_cast<uint8_t>(s.activeLayer);
  st.visible = s.visible;
  st.groundPlane = s.groundPlane;
  return st;
}

double maxZoomFor(int32_t width, int32_t height) {
  const int32_t m = std::max({width, height, int32_t{1}});
  return std::min(5.0, std::nearbyint(64000.0 / m * 1000) / 1000);
}

}  // namespace trazello
