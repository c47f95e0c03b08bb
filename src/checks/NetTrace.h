#pragma once

#include <cstdint>
#include <vector>

#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// Which elements of a board are joined by copper: directly, where the copper of two elements
// that can touch (same layer, or through-plating) has a common area, and through the automatic
// ground plane of a copper layer, where two elements that are not isolated from it (no
// clearance, or a thermal pad) lie in one connected area of plane and copper. Cut-outs carry no
// current, and an element lying completely inside a cut-out of its layer is not joined through
// the plane.
class NetTrace {
 public:
  // How pairs of elements are compared: Fast decides discs, tracks and pads from their true
  // shapes where they are clearly apart or clearly overlapping and takes the polygons only
  // for the rest; Polygons compares the element regions of every pair. Both give the same nets.
  enum class Method { Fast, Polygons };

  // Which elements are joined: all, or only those on copper layers, for callers that never
  // ask for the rest (each other element then is a net of its own).
  enum class Layers { All, Copper };

  // `board`: size, ground-plane switches and the active layer (which decides whether thermal
  // spokes are part of a pad's copper).
  NetTrace(const ElementList& list, const BoardSettings& board, Method method = Method::Fast,
           Layers layers = Layers::All);

  // The net of every element, numbered from 0 in the order of each net's first element.
  const std::vector<int32_t>& netOf() const { return netOf_; }
  int32_t netCount() const { return netCount_; }
  // The elements of the net of element `start`, in list order.
  std::vector<size_t> membersOf(size_t start) const;
  // Every net as its elements in list order; elements joined to nothing form nets of one.
  std::vector<std::vector<size_t>> nets() const;

 private:
  std::vector<int32_t> netOf_;
  int32_t netCount_ = 0;
};

// The point from which an element is looked for in the ground plane: a pad's centre, the first
// point of a track, zone or text, the middle of a ring at its start angle.
Point referencePoint(const TObjekt& e);

}  // namespace trazello
