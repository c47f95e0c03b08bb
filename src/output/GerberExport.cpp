#include "GerberExport.h"

#include "GerberElements.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/LayerPredicates.h"

namespace trazello {

int32_t offsetUnits(double millimetres) {
  return roundInt(Real(millimetres) * 100);
}

GerberExport::GerberExport(const ElementList& elements, const BoardSettings& board,
                           GerberOptions options)
    : elements_(elements), board_(board), options_(options) {
  const Real ox = Real(board.originX) / 1000;
  const Real oy = Real(board.originY) / 1000;
  if (options_.camOrigin) {
    const auto dx = static_cast<float>(-ox);
    const auto dy = static_cast<float>(-(oy + board.height));
    elements_.editAll([&](TObjekt& e) { moveElement(e, dx, dy); });
    frameOrigin_ = {roundInt(ox), roundInt(oy)};
  } else {
    frameOrigin_ = {0, -board.height};
  }
  file_.setMirror(options_.mirror, options_.camOrigin ? 0 : board.width);
  file_.setYOffset(board.height);
}

std::string GerberExport::PlotteGerberfile() {
  file_.beginFile(std::string(gerberLayerName(options_.layer, options_.language)));
  if (options_.frame) {
    file_.setPenwidth(20);
    frameRectangle();
  }
  if (isMaskChoice(options_.layer)) {
    GerberLoetstopMaske();
    return file_.finishFile();
  }
  const uint8_t code = gerberLayerCode(options_.layer);
  const bool copper = isCopperChoice(options_.layer);
  if (copper && board_.groundPlane[code]) {
    file_.beginRegion();
    frameRectangle();
    file_.endRegion();
    file_.clearPolarity();
    PlotteLayout(true);
    file_.darkPolarity();
    GerberThermalPads();
  }
  PlotteLayout(false);
  if (copper && options_.punchHoles) GerberFreistanzen();
  return file_.finishFile();
}

void GerberExport::frameRectangle() {
  const int32_t x = frameOrigin_.x, y = frameOrigin_.y, w = board_.width, h = board_.height;
  file_.moveTo(-x, -y);
  file_.lineTo(w - x, -y);
  file_.lineTo(w - x, -h - y);
  file_.lineTo(-x, -h - y);
  file_.lineTo(-x, -y);
}

bool GerberExport::GerberSichtbar(const TObjekt& e) const {
  return isOnLayer(e, gerberLayerCode(options_.layer));
}

void GerberExport::PlotteLayout(bool clearanceMode) {
  for (const TObjekt& e : elements_) {
    if (!GerberSichtbar(e)) continue;
    if (clearanceMode)
      writeElement(file_, e, e.KeepOut ? 0 : e.Clearance, true);
    else if (!e.KeepOut)
      writeElement(file_, e, 0, false);
  }
}

void GerberExport::GerberThermalPads() {
  for (const TObjekt& e : elements_) {
    if (!e.isPadLike() || !e.Thermal() || !GerberSichtbar(e)) continue;
    if (e.Kind == ElementKind::Pad)
      writePadSpokes(file_, e);
    else
      writeSmdSpokes(file_, e);
  }
}

void GerberExport::GerberFreistanzen() {
  file_.beginHoleLayer();
  for (const TObjekt& e : elements_) {
    if (e.Kind != ElementKind::Pad || !GerberSichtbar(e)) continue;
    file_.moveTo(Point{e.X, e.Y});
    file_.setPenwidth(options_.markHoles ? 30 : roundInt(2 * Real(e.SizeB)));
    file_.flashHere();
  }
}

int32_t GerberExport::limitedSmdOffset(const TObjekt& smd, int32_t a) const {
  // Shrinking stops at 0.05 mm so that a small pad keeps an opening in the paste mask.
  if (a >= 0) return a;
  if (2 * Real(a) + smd.SizeA <= 5) a = -roundInt((Real(smd.SizeA) - 5) / 2);
  if (2 * Real(a) + smd.SizeB <= 5) a = -roundInt((Real(smd.SizeB) - 5) / 2);
  return a;
}

void GerberExport::GerberLoetstopMaske() {
  if (options_.invert) {
    file_.beginRegion();
    frameRectangle();
    file_.endRegion();
    file_.clearPolarity();
  }
  for (const TObjekt& e : elements_) {
    if (!e.SolderMask || e.KeepOut || !GerberSichtbar(e)) continue;
    if (e.Kind == ElementKind::Pad) {
      if (options_.pads) writeElement(file_, e, offsetUnits(options_.padOffset), false);
    } else if (e.Kind == ElementKind::SmdPad) {
      if (options_.smdPads)
        writeElement(file_, e, limitedSmdOffset(e, offsetUnits(options_.smdOffset)), false);
    } else if (options_.others) {
      writeElement(file_, e, offsetUnits(options_.otherOffset), false);
    }
  }
}

}  // namespace trazello
