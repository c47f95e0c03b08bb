#pragma once

#include <string>
#include <vector>

#include "DrillPlot.h"
#include "HpglPlot.h"
#include "IsolationMilling.h"
#include "MillingShorts.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// Everything the isolation command was asked for.
struct IsolationOptions {
  MillingSelection selection;
  HpglMirror mirror = HpglMirror::None;
  ReferenceHoles refs;
  bool centring = false;
  DrillPlotOptions drills;
  bool specialFactor = false;
  bool camOrigin = false;
  int language = 1;  // names of the drill files
};

// What the isolation command produces for one board; it never changes the board.
struct IsolationJob {
  bool groundPlaneIgnored = false;  // the layer's plane is on: it is not milled
  bool nothingToMill = false;       // no milling element: nothing else was computed
  std::vector<MillingOutline> outlines;  // for the drawing, in board coordinates
  std::vector<MillingShort> shorts;      // in board coordinates
  std::string file;                      // the isolation file
  std::vector<PlotFile> drillFiles;      // to be written beside it
};

IsolationJob runIsolation(const ElementList& elements, const BoardSettings& board,
                          const IsolationOptions& options, const IsolationProgress& progress = {});

// The layer's plane switch, as the isolation command reads it.
bool groundPlaneOn(const BoardSettings& board, uint8_t layer);

}  // namespace trazello
