#pragma once

#include <cstdint>

namespace trazello {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The board in miniature: the longer side 80 pixels, centred in a 93-pixel-wide area and framed
// by a bevel one pixel larger on every side.
struct BoardMapGeometry {
  double unitsPerPixel = 1;
  PixelRect panel;
  PixelRect bevel;
};
BoardMapGeometry boardMapGeometry(int32_t boardWidth, int32_t boardHeight);

// The view rectangle inside the map for a client area, zoom and scroll position.
PixelRect boardMapViewRect(const BoardMapGeometry& map, int clientWidth, int clientHeight,
                           double zoom, int scrollX, int scrollY);

struct ScrollPosition {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScrollPosition&, const ScrollPosition&) = default;
};
// Where the view scrolls when the view rectangle is dragged to (left, top) in map pixels.
ScrollPosition scrollForBoardMap(const BoardMapGeometry& map, int left, int top, double zoom);

}  // namespace trazello
