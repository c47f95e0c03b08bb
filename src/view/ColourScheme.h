#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace trazello {

// A colour as the scheme files store it: 0x00BBGGRR (byte 0 red, byte 1 green, byte 2 blue).
using ColorRef = uint32_t;

constexpr ColorRef rgb(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(ColorRef c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColorRef c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(ColorRef c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int brightnessSum(ColorRef c) {
  return redOf(c) + greenOf(c) + blueOf(c);
}

// The colours of a colour scheme record, in file order.
enum class SchemeSlot : uint8_t {
  Background = 0,
  Grid = 1,
  C1 = 2,
  S1 = 3,
  C2 = 4,
  S2 = 5,
  I1 = 6,
  I2 = 7,
  Outline = 8,
  Reserved9 = 9,
  Connections = 10,
  Reserved11 = 11,
};

inline constexpr size_t kSchemeSlots = 12;
inline constexpr size_t kSchemeBytes = 48;

// Fixed colours every scheme shares.
inline constexpr ColorRef kWhite = rgb(255, 255, 255);
inline constexpr ColorRef kBlack = rgb(0, 0, 0);
inline constexpr ColorRef kSelected = rgb(255, 0, 255);
inline constexpr ColorRef kSelectedFarSide = rgb(160, 0, 160);
inline constexpr ColorRef kHandleFill = rgb(0, 0, 255);
inline constexpr ColorRef kPlatedDrillRing = rgb(255, 0, 0);
inline constexpr ColorRef kConnectionDrag = rgb(0, 255, 0);

// The twelve colours all drawing reads.
struct ColourScheme {
  std::array<ColorRef, kSchemeSlots> colours{};

  ColorRef operator[](SchemeSlot s) const { return colours[static_cast<size_t>(s)]; }
  ColorRef& operator[](SchemeSlot s) { return colours[static_cast<size_t>(s)]; }
  // The colour of layer code 1 to 7; black for any other code.
  ColorRef layerColour(int layerCode) const;
  void setLayerColour(int layerCode, ColorRef c);

  friend bool operator==(const ColourScheme&, const ColourScheme&) = default;
};

const ColourScheme& defaultScheme();

// The colour of through-plated pads, always derived from the default scheme's C1 and C2 so that
// plated pads look the same under every user scheme.
ColorRef throughPlatingColour();

std::array<uint8_t, kSchemeBytes> schemeBytes(const ColourScheme& s);
// Reads a stored record. Values with the sign bit set (which the colour picker never makes, but
// damaged files hold) become black; the unused top byte is dropped.
ColourScheme parseSchemeBytes(std::span<const uint8_t, kSchemeBytes> bytes);

}  // namespace trazello
