#pragma once

#include <cstdint>
#include <string>

#include "GerberFile.h"
#include "GerberLayers.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// Everything one Gerber file depends on besides the board: the dialog's choices and the
// program's CAM-origin option. Offsets are millimetres as the dialog shows them.
struct GerberOptions {
  GerberLayer layer = GerberLayer::K1;
  bool mirror = false;
  bool frame = false;
  bool punchHoles = false;
  bool markHoles = false;  // only with punchHoles: every hole becomes a 0.30 mm centring mark
  bool pads = false;
  bool smdPads = false;
  bool others = false;
  bool invert = false;
  double padOffset = 0.30;
  double smdOffset = 0.10;
  double otherOffset = 0.0;
  bool camOrigin = false;
  int language = 1;
};

// The export driver: decides which elements of the board go into the file, in which polarity
// and with which enlargement, and handles the ground plane, thermal spokes, mask offsets and
// punched holes. The board's elements are never changed; a CAM origin shifts a private copy.
class GerberExport {
 public:
  GerberExport(const ElementList& elements, const BoardSettings& board, GerberOptions options);

  // The complete file text.
  std::string PlotteGerberfile();

 private:
  bool GerberSichtbar(const TObjekt& e) const;
  void PlotteLayout(bool clearanceMode);
  void GerberThermalPads();
  void GerberFreistanzen();
  void GerberLoetstopMaske();
  void frameRectangle();
  int32_t limitedSmdOffset(const TObjekt& smd, int32_t a) const;

  ElementList elements_;
  const BoardSettings& board_;
  GerberOptions options_;
  IPoint frameOrigin_;
  TGerberFile file_;
};

// Offsets of the dialog in millimetres to layout units.
int32_t offsetUnits(double millimetres);

}  // namespace trazello
