#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Geometry.h"

namespace trazello {

// How plotted points are reflected about the bounding rectangle of all elements.
enum class HpglMirror { None, Horizontal, Vertical };

// The reference holes a plot starts with, drilled at the corners of the element rectangle.
struct ReferenceHoles {
  bool bottomLeft = true;
  bool bottomRight = false;
  bool topLeft = false;
  bool topRight = false;
};

// The geometry every plotter file of the board shares: the scale (0.4 plotter units of
// 0.025 mm per layout unit, or 0.3937 for plotters counting in 1/1000 inch), the origin at the
// board's bottom-left corner (y shifted by the board height) and the mirroring about the
// bounding rectangle of all elements.
struct HpglFrame {
  double factor = 0.4;
  int32_t boardHeight = 0;
  IRect box;  // of all elements; box.top is its lowest y, box.bottom its highest
  HpglMirror mirror = HpglMirror::None;

  // The plotter point of a layout point, reflected when the frame mirrors.
  IPoint plot(Real x, Real y) const;
  // The plotter point without mirroring (reference holes).
  IPoint plotPlain(Real x, Real y) const;
  Real mirroredX(Real x) const;
  Real mirroredY(Real y) const;
};

inline constexpr double kHpglFactor = 0.4;
inline constexpr double kHpglSpecialFactor = 0.3937;

// The frame of a board whose elements are `elements` (already shifted for the CAM origin).
HpglFrame hpglFrame(const ElementList& elements, const BoardSettings& board, bool specialFactor,
                    HpglMirror mirror);

// A plotter file being written in memory: one command per line, CR LF.
class HpglText {
 public:
  void line(const std::string& command);
  // "PA" x "," y ";"
  void moveTo(IPoint p);
  // "IN;", "PT0;", "PU;".
  void header();
  // For every chosen corner, in the order bottom/left, bottom/right, top/left, top/right: down
  // and up at the corner, never mirrored.
  void referenceHoles(const HpglFrame& frame, const ReferenceHoles& holes);
  // Down at the first point, through the rest, up.
  void openPath(const std::vector<IPoint>& points);
  // Down at p, at p again (the drill's dwell), up.
  void plunge(IPoint p);

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace trazello
