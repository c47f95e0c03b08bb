#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GerberImage.h"
#include "model/TObjekt.h"

namespace trazello {

// What an import made, by kind, for reports.
struct GerberImportCounts {
  int pads = 0, smd = 0, tracks = 0, arcs = 0, zones = 0;
  int elements() const { return pads + smd + tracks + arcs + zones; }
};

// Turns a Gerber image into elements on `layer`. The file's origin becomes the bottom-left corner
// of a board of `boardHeight` units, as the Gerber export writes it. Round and square flashes
// become pads, rectangular ones SMD pads, obround ones short tracks, draws tracks, arcs circles
// and regions zones; tracks and arcs that meet are then joined. Whatever has no element of its
// own (macro, polygon and transformed apertures, copper cut by clear polarity, aperture holes
// that are not drills) becomes zones of exactly the copper it leaves.
// The image is taken by value: callers that are done with it move it in and save a copy.
std::vector<TObjekt> gerberToElements(GerberImage image, uint8_t layer, double boardHeight);

GerberImportCounts countImported(const std::vector<TObjekt>& elements);

}  // namespace trazello
