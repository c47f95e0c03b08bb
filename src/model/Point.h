#pragma once

#include <cstdint>

namespace trazello {

// A world point in units of 0.01 mm, y upward; stored as float32 like the element record.
struct Point {
  float x = 0;
  float y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct IPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const IPoint&, const IPoint&) = default;
};

// An integer rectangle in units. Normalised means left <= right and top <= bottom; because y
// grows upward, a normalised rectangle's top is its smallest y.
struct IRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const IRect&, const IRect&) = default;
};

}  // namespace trazello
