#include "IsolationJob.h"

#include "model/ElementGeometry.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

// The CAM origin puts the user origin at the plotter origin; the board height is added back
// by the plotter transform.
struct Shift {
  float dx = 0, dy = 0;
};

Shift camShift(const BoardSettings& board, bool camOrigin) {
  if (!camOrigin) return {};
  return {static_cast<float>(-Real(board.originX) / 1000),
          static_cast<float>(-(Real(board.originY) / 1000 + board.height))};
}

IPoint shiftedBack(IPoint p, Shift s) {
  return {roundInt(Real(p.x) - s.dx), roundInt(Real(p.y) - s.dy)};
}

void writeOutlines(HpglText& out, const std::vector<MillingOutline>& outlines,
                   const HpglFrame& frame) {
  for (const MillingOutline& o : outlines) {
    std::vector<IPoint> path;
    path.reserve(o.size() + 1);
    for (const IPoint& p : o) path.push_back(frame.plot(p.x, p.y));
    path.push_back(path.front());
    out.openPath(path);
  }
}

void writeSingleLineTexts(HpglText& out, const ElementList& elements, const MillingSelection& s,
                          const HpglFrame& frame) {
  for (const TObjekt& e : elements) {
    if (!isOnLayer(e, s.layer) || !isSingleLineText(e, s)) continue;
    for (const TObjekt& stroke : e.Strokes) {
      if (stroke.Points.size() < 2) continue;
      std::vector<IPoint> path;
      for (const Point& p : stroke.Points) path.push_back(frame.plot(p.x, p.y));
      out.openPath(path);
    }
  }
}

}  // namespace

bool groundPlaneOn(const BoardSettings& board, uint8_t layer) {
  return layer < board.groundPlane.size() && board.groundPlane[layer] != 0;
}

IsolationJob runIsolation(const ElementList& source, const BoardSettings& board,
                          const IsolationOptions& o, const IsolationProgress& progress) {
  IsolationJob job;
  const MillingSelection& s = o.selection;
  job.groundPlaneIgnored = groundPlaneOn(board, s.layer);
  if (!hasMillingElements(source, s, job.groundPlaneIgnored)) {
    job.nothingToMill = true;
    return job;
  }
  const Shift shift = camShift(board, o.camOrigin);
  ElementList elements = source;
  if (o.camOrigin) elements.editAll([&](TObjekt& e) { moveElement(e, shift.dx, shift.dy); });

  IsolationResult result = isolate(elements, s, progress);
  const HpglFrame frame = hpglFrame(elements, board, o.specialFactor, o.mirror);
  HpglText out;
  out.header();
  out.referenceHoles(frame, o.refs);
  writeOutlines(out, result.outlines, frame);
  writeSingleLineTexts(out, elements, s, frame);
  const Point start{0, static_cast<float>(-board.height)};
  if (o.centring) writeCentringMarks(out, elements, frame, s.layer, start);
  job.file = out.text();
  job.drillFiles = drillPlotFiles(elements, frame, o.refs, o.drills, o.language, start);

  job.shorts = millingShorts(source, board, result.polygons, result.islands);
  if (o.camOrigin) {
    for (MillingOutline& outline : result.outlines)
      for (IPoint& p : outline) p = shiftedBack(p, shift);
    for (MillingShort& m : job.shorts) m.at = shiftedBack(m.at, shift);
  }
  job.outlines = std::move(result.outlines);
  return job;
}

}  // namespace trazello
