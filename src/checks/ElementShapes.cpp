#include "ElementShapes.h"

#include "CopperShapes.h"
#include "SpatialIndex.h"
#include "model/ElementGeometry.h"

namespace trazello {

ElementShapes::ElementShapes(const ElementList& list, const LayerState& state)
    : list_(list),
      state_(state),
      regions_(list.size()),
      pieces_(list.size()),
      piecesBuilt_(list.size(), false),
      plain_(list.size(), -1),
      inside_(list.size()),
      insideBuilt_(list.size(), false) {
  boxes_.reserve(list.size());
  for (const TObjekt& e : list) {
    boxes_.push_back(boundingBox(e, &state_));
    extent_ = unite(extent_, boxes_.back());
  }
  cell_ = SpatialIndex::cellFor(extent_, list.size());
}

const Paths& ElementShapes::region(size_t i) {
  if (!regions_[i]) regions_[i] = elementRegion(list_[i], &state_);
  return *regions_[i];
}

const std::optional<std::vector<RoundedConvex>>& ElementShapes::pieces(size_t i) {
  if (!piecesBuilt_[i]) {
    pieces_[i] = convexPieces(list_[i], &state_);
    piecesBuilt_[i] = true;
  }
  return pieces_[i];
}

bool ElementShapes::plain(size_t i) {
  if (plain_[i] < 0) {
    const TObjekt& e = list_[i];
    bool kind = false;
    switch (e.Kind) {
      case ElementKind::Pad:
      case ElementKind::SmdPad:
      case ElementKind::Track:
      case ElementKind::Zone:
        kind = true;
        break;
      case ElementKind::Text:
        kind = e.Strokes.size() == 1;
        break;
      default:
        break;
    }
    plain_[i] = kind && pieces(i) && hasPointWellInside(*pieces(i)) ? 1 : 0;
  }
  return plain_[i] > 0;
}

const std::vector<DPoint>& ElementShapes::pointsInside(size_t i) {
  if (!insideBuilt_[i] && plain(i)) inside_[i] = pointsWellInside(*pieces(i));
  insideBuilt_[i] = true;
  return inside_[i];
}

}  // namespace trazello
