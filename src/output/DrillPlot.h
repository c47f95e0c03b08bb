#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HpglPlot.h"
#include "model/ElementList.h"

namespace trazello {

// Which drill files the isolation command writes beside its own file.
enum class DrillPlotKind { None, OneFile, EachDiameter, Milling };

struct DrillPlotOptions {
  DrillPlotKind kind = DrillPlotKind::None;
  bool ownPens = false;    // one file: one pen per diameter, the first diameter on pen 2
  int32_t millWidth = 0;   // milling file: the tool width in units
  bool secondPen = false;  // milling file: on pen 2
};

// A plotter file to be written into the folder of the isolation file.
struct PlotFile {
  std::string name;
  std::string text;
};

// Plunges for the holes lying on copper layer `layer` (its own holes and every plated pad),
// in the nearest-neighbour order of all holes from `start`.
void writeCentringMarks(HpglText& out, const ElementList& elements, const HpglFrame& frame,
                        uint8_t layer, Point start);

// The drill files chosen by `options`, named in `language` (0 Russian, 1 English, 2 French).
std::vector<PlotFile> drillPlotFiles(const ElementList& elements, const HpglFrame& frame,
                                     const ReferenceHoles& refs, const DrillPlotOptions& options,
                                     int language, Point start);

}  // namespace trazello
