#pragma once

#include <QImage>
#include <cmath>
#include <ostream>

#include "view/BoardPicture.h"
#include "view/ColourScheme.h"

namespace trazello::testing {

// A small board drawn at one pixel per unit unless a test says otherwise, so that a world
// point (x, y) is the pixel (x, -y).
struct RenderScene {
  BoardSettings board;
  ElementList elements;
  RenderOptions options;
  ColourScheme scheme = defaultScheme();
  double zoom = 1.0;

  RenderScene() {
    board.width = 400;
    board.height = 300;
    board.activeLayer = 3;
  }
  QImage render() const { return renderBoard(board, elements, scheme, options, zoom); }
};

// A colour that prints readably when a test fails.
struct Rgb {
  ColorRef c;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Rgb& v) {
    return o << "RGB(" << redOf(v.c) << "," << greenOf(v.c) << "," << blueOf(v.c) << ")";
  }
};
inline Rgb col(int r, int g, int b) {
  return {rgb(r, g, b)};
}
inline Rgb col(ColorRef c) {
  return {c};
}

// The colour of the pixel showing world point (x, y) at `zoom`.
inline Rgb pixel(const QImage& img, double x, double y, double zoom = 1.0) {
  const QRgb p =
      img.pixel(static_cast<int>(std::floor(x * zoom)), static_cast<int>(std::floor(-y * zoom)));
  return {rgb(qRed(p), qGreen(p), qBlue(p))};
}

}  // namespace trazello::testing
