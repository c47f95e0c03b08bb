#include "HpglPlot.h"

#include "model/ElementGeometry.h"

namespace trazello {

Real HpglFrame::mirroredX(Real x) const {
  return mirror == HpglMirror::Horizontal ? Real(box.left) + box.right - x : x;
}

Real HpglFrame::mirroredY(Real y) const {
  return mirror == HpglMirror::Vertical ? Real(box.top) + box.bottom - y : y;
}

IPoint HpglFrame::plotPlain(Real x, Real y) const {
  const auto k = Real(factor);
  return {roundInt(x * k), roundInt((y + boardHeight) * k)};
}

IPoint HpglFrame::plot(Real x, Real y) const { return plotPlain(mirroredX(x), mirroredY(y)); }

HpglFrame hpglFrame(const ElementList& elements, const BoardSettings& board, bool specialFactor,
                    HpglMirror mirror) {
  HpglFrame f;
  f.factor = specialFactor ? kHpglSpecialFactor : kHpglFactor;
  f.boardHeight = board.height;
  f.box = boxOfEverything(elements);
  f.mirror = mirror;
  return f;
}

void HpglText::line(const std::string& command) {
  text_ += command;
  text_ += "\r\n";
}

void HpglText::moveTo(IPoint p) {
  line("PA" + std::to_string(p.x) + "," + std::to_string(p.y) + ";");
}

void HpglText::header() {
  line("IN;");
  line("PT0;");
  line("PU;");
}

void HpglText::referenceHoles(const HpglFrame& frame, const ReferenceHoles& holes) {
  // y grows upward: the rectangle's bottom edge is its lowest y.
  const IRect& b = frame.box;
  const auto mark = [this](IPoint p) {
    moveTo(p);
    line("PD;");
    line("PU;");
  };
  if (holes.bottomLeft) mark(frame.plotPlain(b.left, b.top));
  if (holes.bottomRight) mark(frame.plotPlain(b.right, b.top));
  if (holes.topLeft) mark(frame.plotPlain(b.left, b.bottom));
  if (holes.topRight) mark(frame.plotPlain(b.right, b.bottom));
}

void HpglText::openPath(const std::vector<IPoint>& points) {
  if (points.empty()) return;
  moveTo(points[0]);
  line("PD;");
  for (size_t i = 1; i < points.size(); ++i) moveTo(points[i]);
  line("PU;");
}

void HpglText::plunge(IPoint p) {
  moveTo(p);
  line("PD;");
  moveTo(p);
  line("PU;");
}

}  // namespace trazello
