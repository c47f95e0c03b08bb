#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "Captions.h"
#include "GerberExport.h"
#include "GerberLayers.h"
#include "model/ElementList.h"
#include "model/Message.h"

namespace trazello {

// The state and button logic of the Gerber export dialog, without widgets: the window shows
// these values, forwards clicks here and reads the options back. It is made once and keeps
// its settings between exports.
class TGerberDlg {
 public:
  struct Check {
    bool checked = false;
    bool enabled = true;
  };
  // A length control in millimetres (shown in mm or mil).
  struct Offset {
    double value = 0;
    bool enabled = true;
    double minimum = -9.99;
    double maximum = 9.99;
  };

  TGerberDlg();

  // Before the dialog is shown for a board: enables the layers that have something to write,
  // unchecks a checked layer that became disabled and checks the first enabled one when none
  // is checked.
  void prepare(const ElementList& elements);
  // A click on a layer button (also run at creation): checks it and updates the other controls.
  void RB_LayerClick(GerberLayer l);
  void BohrungenFreiClick(bool checked);

  const Check& layerButton(GerberLayer l) const { return layers_[static_cast<size_t>(l)]; }
  std::optional<GerberLayer> checkedLayer() const;
  bool okEnabled() const { return checkedLayer().has_value(); }

  // The choices of the checked layer as export options.
  GerberOptions options(bool camOrigin, int language) const;
  std::string fileName(int language) const;

  static std::span<const ControlCaption> captions();
  static std::string_view saveFilter() { return "Gerber-274X (*.gbr)|*.gbr"; }
  static std::string_view defaultExtension() { return "GBR"; }
  static constexpr int kHelpContext = 33000;
  // Where the save dialog starts and where the folder of the written file is remembered; the
  // Gerber and drill exports share it.
  static constexpr std::string_view kFolderSection = "Ordner";
  static constexpr std::string_view kFolderKey = "Gerber";

  Check Spiegeln;
  Check Umriss;
  Check BohrungenFrei;
  Check Koernen;
  Check CB_Loetaugen;
  Check CB_SMDPads;
  Check CB_Sonstige;
  Check Invertieren;
  Offset SE_LAOffset{0.30, true, 0.01, 9.99};
  Offset SE_SMDOffset{0.10};
  Offset SE_SonstigeOffset{0.0};

 private:
  void updateControls();
  bool isChecked(GerberLayer l) const { return layerButton(l).checked; }

  std::array<Check, kGerberLayerCount> layers_{};
};

}  // namespace trazello
