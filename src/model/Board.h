#pragma once

#include <string>
#include <vector>

#include "BoardSettings.h"
#include "ElementList.h"

namespace trazello {

// A zoom position the viewport can step back to.
struct ViewPosition {
  double zoom = 0.1;
  int32_t scrollX = 0;
  int32_t scrollY = 0;
};

struct Board {
  std::string name;  // Windows-1252 bytes; files keep at most 30
  ElementList elements;
  BoardSettings settings;
  std::vector<ElementList> undoList;  // snapshots, oldest first
  std::vector<ElementList> redoList;
  std::vector<ViewPosition> viewHistory;  // not saved
};

}  // namespace trazello
