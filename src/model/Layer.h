#pragma once

#include <cstdint>

namespace trazello {

// Layer codes as stored in elements and files.
namespace layer {
inline constexpr uint8_t C1 = 1;  // copper, side 1
inline constexpr uint8_t S1 = 2;  // silkscreen, side 1
inline constexpr uint8_t C2 = 3;  // copper, side 2
inline constexpr uint8_t S2 = 4;  // silkscreen, side 2
inline constexpr uint8_t I1 = 5;  // inner copper 1
inline constexpr uint8_t I2 = 6;  // inner copper 2
inline constexpr uint8_t O = 7;   // board outline
inline constexpr int kCount = 7;
}  // namespace layer

constexpr bool isCopperLayer(int code) {
  return code == layer::C1 || code == layer::C2 || code == layer::I1 || code == layer::I2;
}

constexpr bool isSilkscreenLayer(int code) { return code == layer::S1 || code == layer::S2; }

// The layer on the other side of the board: C1<->C2, S1<->S2; 0 for the layers without one.
constexpr uint8_t oppositeLayer(int code) {
  switch (code) {
    case layer::C1: return layer::C2;
    case layer::C2: return layer::C1;
    case layer::S1: return layer::S2;
    case layer::S2: return layer::S1;
    default: return 0;
  }
}

}  // namespace trazello
