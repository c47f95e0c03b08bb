#include "BoardCleanup.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

bool sound(float v) {
  return std::isfinite(v) && std::fabs(v) <= kMaxSoundValue;
}
bool sound(int32_t v) {
  return std::fabs(static_cast<float>(v)) <= kMaxSoundValue;
}

bool soundPoints(const std::vector<Point>& points) {
  return std::all_of(points.begin(), points.end(),
                     [](const Point& p) { return sound(p.x) && sound(p.y); });
}

bool knownPadShape(uint8_t s) {
  switch (s) {
    case padshape::Round:
    case padshape::OblongH:
    case padshape::OblongV:
    case padshape::Octagon:
    case padshape::Square:
    case padshape::OctagonH:
    case padshape::RectH:
    case padshape::OctagonV:
    case padshape::RectV:
      return true;
    default:
      return false;
  }
}

// True when the element's box surely meets the board, found without building the box: with no
// negative size or clearance to shrink it, the box holds the element's first point (a pad's or
// circle's centre, a text's first stroke's start), so a point strictly inside the board settles
// it. Nothing is decided otherwise.
bool surelyOnBoard(const TObjekt& e, const IRect& board) {
  if (!(e.Clearance >= 0)) return false;
  IPoint q;
  switch (e.Kind) {
    case ElementKind::Track:
    case ElementKind::Zone:
      if (e.Points.empty() || !(e.Width >= 0)) return false;
      q = roundPoint(e.Points.front());
      break;
    case ElementKind::SmdPad:
      if (e.Points.empty() || !(std::min(e.SizeA, e.SizeB) >= 0)) return false;
      q = roundPoint(e.Points.front());
      break;
    case ElementKind::Pad:
      if (!knownPadShape(e.PadShape) || !(e.SizeA >= 0)) return false;
      if (e.PadShape == padshape::Round) {
        q = roundPoint({e.X, e.Y});
      } else {
        if (e.Points.empty()) return false;
        q = roundPoint(e.Points.front());
      }
      break;
    case ElementKind::Circle:
      // The box holds the centre's cross, which holds the centre when it is a unit or more wide.
      if (!(e.SizeB >= 5)) return false;
      q = roundPoint({e.X, e.Y});
      break;
    case ElementKind::Text: {
      if (e.Strokes.empty()) return false;
      const TObjekt& first = e.Strokes.front();
      if (first.Points.empty() || !(first.Width >= 0) || !(first.Clearance >= 0)) return false;
      q = roundPoint(first.Points.front());
      break;
    }
    default:
      return false;
  }
  return board.left < q.x && q.x < board.right && board.top < q.y && q.y < board.bottom;
}

bool cannotBeDrawn(const TObjekt& e) {
  const bool lineLike = e.Kind == ElementKind::Track || e.Kind == ElementKind::Zone;
  return (lineLike && e.Points.size() < 2) || e.Layer == 0 || static_cast<uint8_t>(e.Kind) == 0 ||
         (e.Kind == ElementKind::Text && e.Strokes.empty());
}

bool needsMending(const TObjekt& e) {
  return (e.Kind == ElementKind::Pad && e.Plated && isSilkscreenLayer(e.Layer)) ||
         (e.Kind == ElementKind::Circle && e.SizeB > e.SizeA);
}

void mendElement(TObjekt& e) {
  if (e.Kind == ElementKind::Pad) {
    e.Plated = 0;
  } else {
    const float m = (e.SizeA + e.SizeB) / 2;
    e.SizeA = m + 1;
    e.SizeB = m - 1;
  }
}

// One walk over the list finds both what to remove and what to mend, since on a large board the
// walk costs more than the few changes it finds; the removals, rubberbands with them, follow.
template <typename Drop>
size_t dropAndMend(ElementList& list, const Drop& drop) {
  std::unordered_set<ElementId> gone;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (drop(e))
      gone.insert(e.Id);
    else if (needsMending(e))
      mendElement(list.edit(i));
  }
  if (gone.empty()) return 0;
  return removeElements(list, [&](const TObjekt& e) { return gone.count(e.Id) != 0; });
}

// The elements whose box misses the board, as boundingBox() with the board's layer state
// gives it.
class OutsideBoard {
 public:
  explicit OutsideBoard(const BoardSettings& settings)
      : board_{0, -settings.height, settings.width, 0}, state_(layerState(settings)) {}
  bool operator()(const TObjekt& e) const {
    return !surelyOnBoard(e, board_) && !overlaps(boundingBox(e, &state_), board_);
  }

 private:
  IRect board_;
  LayerState state_;
};

}  // namespace

size_t cleanBoard(ElementList& list) {
  return dropAndMend(list, cannotBeDrawn);
}

size_t cleanBoardForSave(ElementList& list, const BoardSettings& settings) {
  const OutsideBoard outside(settings);
  return dropAndMend(list, [&](const TObjekt& e) { return outside(e) || cannotBeDrawn(e); });
}

bool hasUnsoundValues(const TObjekt& e) {
  if (!sound(e.X) || !sound(e.Y) || !sound(e.SizeA) || !sound(e.SizeB) || !sound(e.Width) ||
      !sound(e.Clearance) || !soundPoints(e.Points))
    return true;
  return std::any_of(e.Strokes.begin(), e.Strokes.end(),
                     [](const TObjekt& s) { return !sound(s.Width) || !soundPoints(s.Points); });
}

size_t removeElementsOutsideBoard(ElementList& list, const BoardSettings& settings) {
  return removeElements(list, OutsideBoard(settings));
}

}  // namespace trazello
