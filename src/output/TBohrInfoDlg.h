#pragma once

#include <span>
#include <string>
#include <vector>

#include "Captions.h"
#include "DrillList.h"
#include "model/ElementList.h"
#include "model/Message.h"

namespace trazello {

// The drill list window without widgets: its two filters and the memo text, refreshed from the
// board whenever a filter changes. Lives only while the list is shown.
class TBohrInfoDlg {
 public:
  TBohrInfoDlg(const ElementList& elements, DrillListStyle style);

  void CB_BohrungenClick(bool checked);
  void CB_ViasClick(bool checked);
  bool CB_Bohrungen() const { return filter_.unplated; }
  bool CB_Vias() const { return filter_.plated; }

  const std::vector<std::string>& memoLines() const { return lines_; }
  // The memo as one text, lines separated by CR LF as the clipboard takes it.
  std::string memoText() const;
  // What Button1 shows after the window has put memoText() on the clipboard.
  static Message clipboardMessage();

  static std::span<const ControlCaption> captions();

 private:
  void fill();

  const ElementList& elements_;
  DrillListStyle style_;
  HoleFilter filter_;
  std::vector<std::string> lines_;
};

}  // namespace trazello
