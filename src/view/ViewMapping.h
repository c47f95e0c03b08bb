#pragma once

#include <QTransform>
#include <cstdint>

#include "model/Geometry.h"
#include "model/Point.h"

namespace trazello {

// How world units (0.01 mm, y up, board top-left at the origin) land on the pixels of a
// drawing surface: a zoom in pixels per unit, the scroll position of the surface's top-left
// pixel, and the left-right mirror of the photo view seen from side 2.
struct ViewMapping {
  double zoom = 0.1;
  int32_t scrollX = 0;
  int32_t scrollY = 0;
  bool mirrored = false;
  int32_t boardWidth = 0;  // the mirror axis is the board's middle
  // The screen keeps the zoom to three decimals; pictures at a given resolution need it exact.
  bool roundedScale = true;

  // Pixels per unit as the canvas applies it.
  double scale() const;
  QTransform transform() const;
  // World units to surface pixels (not rounded).
  QPointF toPixels(Point p) const;
  // The world rectangle (normalised, top = smallest y) a surface of w x h pixels shows.
  IRect visibleWorld(int w, int h) const;
  // The world rectangle the given pixels of a surface show.
  IRect visibleWorld(const QRectF& pixels) const;
};

// Drawing-area pixel (relative to the board's top-left corner) to world units; snapped to the
// grid anchored at the user origin (thousandths of a unit) when `snap` is set.
Point ScreenToWorld(QPointF pixel, double zoom, bool snap, double grid, IPoint originMilli);
Point SnapToGrid(Point p, double grid, IPoint originMilli);

// A zoom kept to three decimals, at least kMinZoom and at most the board's maximum.
double clampZoom(double z, int32_t boardWidth, int32_t boardHeight);
// The zoom that shows the whole board in a scroll box of the given size (the "Zoom board" command).
double boardZoom(int boxWidth, int boxHeight, int32_t boardWidth, int32_t boardHeight);

}  // namespace trazello
