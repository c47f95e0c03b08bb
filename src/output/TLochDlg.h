#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "Captions.h"
#include "ExcellonFile.h"

namespace trazello {

// The state of the Excellon export dialog, without widgets. Made once; three dialect switches
// live in the settings file (section "Excellon"), the other controls keep their state for the
// rest of the run.
class TLochDlg {
 public:
  // Reads a stored boolean, or nothing when the key is missing.
  using SettingsReader =
      std::function<std::optional<bool>(std::string_view section, std::string_view key)>;

  // Reads the stored switches; missing keys give false.
  void readSettings(const SettingsReader& read);
  // The keys written each time the dialog is closed with OK.
  std::vector<SettingsKey> settingsToWrite() const;

  ExcellonOptions options(bool camOrigin) const;

  static std::span<const ControlCaption> captions();
  static std::string_view saveFilter(int language);
  static std::string_view defaultExtension() { return "DRL"; }
  static constexpr int kHelpContext = 34000;
  // Where the save dialog starts and where the folder of the written file is remembered; the
  // Gerber and drill exports share it.
  static constexpr std::string_view kFolderSection = "Ordner";
  static constexpr std::string_view kFolderKey = "Gerber";

  // Exactly one of each radio group is set.
  bool RB_Best = true;
  bool RB_Kupfer = false;
  bool RB_Kupfer_HPGL = false;
  bool RB_Zoll = true;
  bool RB_MM33 = false;
  bool RB_MM32 = false;
  bool CB_Sortieren = true;
  bool CB_LeadingZero = false;
  bool CB_Bohrungen = true;
  bool CB_Vias = true;
  bool CB_M71 = false;
  bool CB_NoComments = false;
  bool CB_NoG90 = false;
};

}  // namespace trazello
