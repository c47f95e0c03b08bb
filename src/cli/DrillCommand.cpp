// trazello-cli drill FILE -o OUT.drl [options]: the Excellon drill file.
// trazello-cli drills FILE: the drill list.
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
    "Writes the Excellon drill file of a board. Without --plated or --unplated both kinds of\n"
    "holes are drilled.\n";

const char* kDrillsUsage =
    "Usage: trazello-cli drills FILE [--board N] [--plated] [--unplated] [--mil]\n"
    "Prints the drill list of a board.\n";

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

// The options shared by the file and the list: the board and which holes.
bool takeSharedOption(const std::string& a, ArgReader& in, DrillArgs& d) {
  if (a == "--plated")
    d.plated = true;
  else if (a == "--unplated")
    d.unplated = true;
  else if (a == "--board")
    d.board = in.integer(a, 1).value_or(0);
  else
    return false;
  return true;
}

void takeFileOption(const std::string& a, ArgReader& in, DrillArgs& d, TLochDlg& dlg) {
  if (a == "--inch")
    setUnit(dlg, true, false, false);
  else if (a == "--mm32")
    setUnit(dlg, false, true, false);
  else if (a == "--mm33")
    setUnit(dlg, false, false, true);
  else if (a == "--no-leading-zeros")
    dlg.CB_LeadingZero = true;
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
  else if (a == "-o")
    d.output = in.value(a).value_or("");
  else if (a == "--side") {
    const std::string side = in.value(a).value_or("1");
    dlg.RB_Best = side == "1";
    dlg.RB_Kupfer = side == "2";
    dlg.RB_Kupfer_HPGL = side == "2hpgl";
    if (!dlg.RB_Best && !dlg.RB_Kupfer && !dlg.RB_Kupfer_HPGL)
      in.fail("--side must be 1, 2 or 2hpgl, not \"" + side + "\"");
  } else
    in.operand(a, d.input);
}

// Reads the arguments of drill (`dlg` set) or drills (no `dlg`).
bool parseDrillArgs(const Args& args, DrillArgs& d, TLochDlg* dlg) {
  ArgReader in(args);
  if (dlg) dlg->CB_Sortieren = false;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (takeSharedOption(a, in, d)) continue;
    if (dlg)
      takeFileOption(a, in, d, *dlg);
    else if (a == "--mil")
      d.mil = true;
    else
      in.operand(a, d.input);
  }
  in.require(d.input, "FILE");
  if (dlg) in.require(d.output, "-o OUT");
  if (dlg) in.distinct(d.input, d.output, "-o");
  if (in.failed()) {
    usageError(dlg ? "drill" : "drills", in.error());
    return false;
  }
  if (!d.plated && !d.unplated) d.plated = d.unplated = true;
  if (dlg) {
    dlg->CB_Vias = d.plated;
    dlg->CB_Bohrungen = d.unplated;
  }
  return true;
}

int runDrill(const Args& args) {
  DrillArgs d;
  TLochDlg dlg;
  if (!parseDrillArgs(args, d, &dlg)) return 2;
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
  DrillArgs d;
  if (!parseDrillArgs(args, d, nullptr)) return 2;
  std::optional<Document> doc = openForOutput(d.input, d.board);
  if (!doc) return 1;
  TBohrInfoDlg list(doc->elements(), {d.mil, '.', 1});
  list.CB_BohrungenClick(d.unplated);
  list.CB_ViasClick(d.plated);
  for (const std::string& line : list.memoLines()) std::cout << line << "\n";
  return 0;
}

}  // namespace

const Command kDrillCommand{"drill", kDrillUsage, runDrill};
const Command kDrillsCommand{"drills", kDrillsUsage, runDrills};

}  // namespace trazello::cli
