#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/TObjekt.h"

namespace trazello {

// One file of a layer set and the layer its copper goes to. An Excellon drill file, recognised by
// its content, drills the imported pads instead; its holes that hit no pad become drilled pads
// on its layer.
struct GerberLayerFile {
  std::string name;  // as shown to the user
  std::string text;
  uint8_t layer = 3;  // C2 unless chosen otherwise
};

// What importing a layer set gives: every file's elements, or the first refusal; a refused set
// imports nothing at all.
struct GerberSetImport {
  std::vector<TObjekt> elements;
  std::vector<std::string> warnings;  // each prefixed with its file's name
  int holes = 0;                      // read from drill files
  int platedHoles = 0;                // of those, the ones that became through-plated pads
  std::string refusedFile;
  bool refusedDrillFile = false;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Reads every file and maps it onto its layer of a board `boardHeight` units high, the files'
// origin at the board's bottom-left corner. Drill files are applied after all copper is read,
// whatever their place in the list.
GerberSetImport importGerberSet(const std::vector<GerberLayerFile>& files, double boardHeight);

}  // namespace trazello
