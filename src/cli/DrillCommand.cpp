// trazello-cli drill FILE -o OUT.drl [options]: the Excellon drill file.
// trazello-cli drills FILE: the drill list.
#include <charconv>
#include <iostream>

#include "Commands.h"
#include "output/OutputFiles.h"
#include "output/TBohrInfoDlg.h"
#include "output/TLochDlg.h"

namespace trazello::cli {

namespace {

const char* kDrillUsage =
    "Usage: trazello-cli drill FILE -o OUT.drl [--board N] [--inch | --mm32 | --mm33]\n"
    "         [--no-leading-zeros] [--plated] [--unplated] [--side 1|2|2hpgl] [--sort] [--m71]\n"
    "         [--no-g90] [--no-comments] [--cam-origin]\n"
    "Without --plated or --unplated both kinds of holes are drilled.\n";

const char* kDrillsUsage =
    "Usage: trazello-cli drills FILE [--board N] [--plated] [--unplated] [--mil]\n";

bool parseBoard(const std::string& s, int& board) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), board);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && board >= 1;
}

bool parseSide(const std::string& s, TLochDlg& dlg) {
  dlg.RB_Best = s == "1";
  dlg.RB_Kupfer = s == "2";
  dlg.RB_Kupfer_HPGL = s == "2hpgl";
  return dlg.RB_Best || dlg.RB_Kupfer || dlg.RB_Kupfer_HPGL;
}

void setUnit(TLochDlg& dlg, bool inch, bool mm32, bool mm33) {
  dlg.RB_Zoll = inch;
  dlg.RB_MM32 = mm32;
  dlg.RB_MM33 = mm33;
}

struct DrillArgs {
  std::string input, output;
  int board = 0;
  bool plated = false, unplated = false, camOrigin = false, mil = false;
};

bool parseDrillArgs(const Args& args, DrillArgs& d, TLochDlg& dlg) {
  dlg.CB_Sortieren = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--inch")
      setUnit(dlg, true, false, false);
    else if (a == "--mm32")
      setUnit(dlg, false, true, false);
    else if (a == "--mm33")
      setUnit(dlg, false, false, true);
    else if (a == "--no-leading-zeros")
      dlg.CB_LeadingZero = true;
    else if (a == "--plated")
      d.plated = true;
    else if (a == "--unplated")
      d.unplated = true;
    else if (a == "--sort")
      dlg.CB_Sortieren = true;
    else if (a == "--m71")
      dlg.CB_M71 = true;
    else if (a == "--no-g90")
      dlg.CB_NoG90 = true;
    else if (a == "--no-comments")
      dlg.CB_NoComments = true;
    else if (a == "--cam-origin")
      d.camOrigin = true;
    else if (a == "--mil")
      d.mil = true;
    else if (a == "--side" && hasValue && parseSide(args[i + 1], dlg))
      ++i;
    else if (a == "--board" && hasValue && parseBoard(args[i + 1], d.board))
      ++i;
    else if (a == "-o" && hasValue)
      d.output = args[++i];
    else if (!a.starts_with("-") && d.input.empty())
      d.input = a;
    else
      return false;
  }
  if (!d.plated && !d.unplated) d.plated = d.unplated = true;
  dlg.CB_Vias = d.plated;
  dlg.CB_Bohrungen = d.unplated;
  return !d.input.empty();
}

}  // namespace

int runDrill(const Args& args) {
  if (args.size() == 1 && args[0] == "--help") {
    std::cout << kDrillUsage;
    return 0;
  }
  DrillArgs d;
  TLochDlg dlg;
  if (!parseDrillArgs(args, d, dlg) || d.output.empty() || d.mil) {
    std::cerr << kDrillUsage;
    return 2;
  }
  std::optional<Document> doc = openForOutput(d.input, d.board);
  if (!doc) return 1;
  if (auto failed =
          saveDrillFile(doc->elements(), doc->working(), dlg.options(d.camOrigin), d.output)) {
    std::cerr << "trazello-cli: " << forTerminal(outputMessageText(*failed, 1)) << "\n";
    return 1;
  }
  return 0;
}

int runDrills(const Args& args) {
  if (args.size() == 1 && args[0] == "--help") {
    std::cout << kDrillsUsage;
    return 0;
  }
  DrillArgs d;
  TLochDlg unused;
  if (!parseDrillArgs(args, d, unused) || !d.output.empty()) {
    std::cerr << kDrillsUsage;
    return 2;
  }
  std::optional<Document> doc = openForOutput(d.input, d.board);
  if (!doc) return 1;
  TBohrInfoDlg list(doc->elements(), {d.mil, '.', 1});
  list.CB_BohrungenClick(d.unplated);
  list.CB_ViasClick(d.plated);
  for (const std::string& line : list.memoLines()) std::cout << line << "\n";
  return 0;
}

}  // namespace trazello::cli
