// trazello-cli gerber FILE -o DIR [options]: one Gerber file per chosen layer.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "output/OutputFiles.h"
#include "output/TGerberDlg.h"

namespace trazello::cli {

namespace {

constexpr int kLanguage = 1;

const char* kUsage =
    "Usage: trazello-cli gerber FILE -o DIR [--board N] [--layers LIST] [--mirror] [--frame]\n"
    "         [--punch] [--mark] [--pads MM] [--smd MM] [--others MM] [--invert] [--cam-origin]\n"
    "Writes one Gerber file per layer into the folder DIR.\n"
    "LIST: comma-separated layers, by the names of the window (C1, S1, C2, S2, I1, I2, O) or of\n"
    "the export (K1, B1, K2, B2, I1, I2, U, LStop1, LStop2, SMD1, SMD2). By default every layer\n"
    "with something on it, the inner layers only when elements lie on them.\n"
    "--mark punches the holes as 0.30 mm centring marks. Mask enlargements in mm: --pads 0.01\n"
    "to 9.99 (default 0.30), --smd and --others -9.99 to 9.99.\n";

struct GerberArgs {
  std::string input;
  std::string outputDir;
  int board = 0;  // 1-based; 0 is the document's current board
  std::vector<GerberLayer> layers;
  bool mirror = false, frame = false, punch = false, mark = false, invert = false;
  bool camOrigin = false;
  std::optional<double> pads, smd, others;
};

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

// A layer by its export button name or by the layer name the window shows.
std::optional<GerberLayer> layerNamed(const std::string& name) {
  static constexpr std::pair<std::string_view, GerberLayer> kWindowNames[] = {
      {"C1", GerberLayer::K1},
      {"S1", GerberLayer::B1},
      {"C2", GerberLayer::K2},
      {"S2", GerberLayer::B2},
      {"O", GerberLayer::U}};
  const std::string wanted = upper(name);
  for (const auto& [window, l] : kWindowNames)
    if (wanted == window) return l;
  for (GerberLayer l : kAllGerberLayers)
    if (wanted == upper(std::string(gerberButtonName(l)))) return l;
  return std::nullopt;
}

void parseLayers(const std::string& list, ArgReader& in, std::vector<GerberLayer>& out) {
  std::stringstream words(list);
  std::string name;
  while (std::getline(words, name, ',')) {
    const auto l = layerNamed(name);
    if (!l) return in.fail("--layers: unknown layer \"" + name + "\"");
    if (std::find(out.begin(), out.end(), *l) == out.end()) out.push_back(*l);
  }
  if (out.empty()) in.fail("--layers needs at least one layer");
}

// The dialog's ranges for the three mask enlargements.
void takeOffset(const std::string& a, ArgReader& in, const TGerberDlg::Offset& range,
                std::optional<double>& out) {
  out = in.number(a, range.minimum, range.maximum);
}

bool takeFlag(const std::string& a, GerberArgs& g) {
  if (a == "--mirror")
    g.mirror = true;
  else if (a == "--frame")
    g.frame = true;
  else if (a == "--punch")
    g.punch = true;
  else if (a == "--mark")
    g.punch = g.mark = true;
  else if (a == "--invert")
    g.invert = true;
  else if (a == "--cam-origin")
    g.camOrigin = true;
  else
    return false;
  return true;
}

std::optional<GerberArgs> parseGerberArgs(const Args& args) {
  const TGerberDlg ranges;
  ArgReader in(args);
  GerberArgs g;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (takeFlag(a, g)) continue;
    if (a == "-o")
      g.outputDir = in.value(a).value_or("");
    else if (a == "--board")
      g.board = in.integer(a, 1).value_or(0);
    else if (a == "--layers")
      parseLayers(in.value(a).value_or(""), in, g.layers);
    else if (a == "--pads")
      takeOffset(a, in, ranges.SE_LAOffset, g.pads);
    else if (a == "--smd")
      takeOffset(a, in, ranges.SE_SMDOffset, g.smd);
    else if (a == "--others")
      takeOffset(a, in, ranges.SE_SonstigeOffset, g.others);
    else
      in.operand(a, g.input);
  }
  in.require(g.input, "FILE");
  in.require(g.outputDir, "-o DIR");
  if (in.failed()) {
    usageError("gerber", in.error());
    return std::nullopt;
  }
  return g;
}

// The dialog as a user would set it for one layer: the layer click resets the mask options,
// then the command line's choices go on top.
GerberOptions optionsFor(TGerberDlg& dlg, GerberLayer l, const GerberArgs& g) {
  dlg.RB_LayerClick(l);
  dlg.Spiegeln.checked = g.mirror;
  dlg.Umriss.checked = g.frame;
  dlg.BohrungenFreiClick(g.punch);
  dlg.Koernen.checked = g.mark;
  dlg.Invertieren.checked = g.invert;
  if (g.pads) dlg.SE_LAOffset.value = *g.pads;
  if (g.smd) dlg.SE_SMDOffset.value = *g.smd;
  if (g.others) dlg.SE_SonstigeOffset.value = *g.others;
  return dlg.options(g.camOrigin, kLanguage);
}

// Plated pads count as lying on the inner layers too, which enables them in the dialog; a
// board house given inner files for a two-layer board would make a four-layer one.
bool innerLayerUsed(const ElementList& elements, GerberLayer l) {
  const uint8_t code = gerberLayerCode(l);
  for (size_t i = 0; i < elements.size(); ++i)
    if (elements[i].Layer == code) return true;
  return false;
}

std::vector<GerberLayer> defaultLayers(const TGerberDlg& dlg, const ElementList& elements) {
  std::vector<GerberLayer> layers;
  for (GerberLayer l : kAllGerberLayers) {
    const bool inner = l == GerberLayer::I1 || l == GerberLayer::I2;
    if (dlg.layerButton(l).enabled && (!inner || innerLayerUsed(elements, l))) layers.push_back(l);
  }
  return layers;
}

int runGerber(const Args& args) {
  const std::optional<GerberArgs> g = parseGerberArgs(args);
  if (!g) return 2;
  std::optional<Document> doc = openForOutput(g->input, g->board);
  if (!doc) return 1;
  TGerberDlg dlg;
  dlg.prepare(doc->elements());
  const std::vector<GerberLayer> layers =
      g->layers.empty() ? defaultLayers(dlg, doc->elements()) : g->layers;
  if (layers.empty()) {
    // A script that goes on to pack the files for a board house must not take silence for a
    // finished job; the window's export cannot even be confirmed on such a board.
    std::cerr << "trazello-cli: the board is empty: there is no layer to write\n";
    return 1;
  }
  int status = 0;
  for (GerberLayer l : layers) {
    if (!dlg.layerButton(l).enabled)
      std::cerr << "trazello-cli: note: layer " << gerberButtonName(l) << " is empty\n";
    const std::string path =
        (std::filesystem::path(g->outputDir) / std::string(gerberFileName(l, kLanguage))).string();
    const Message m = saveGerberFile(doc->elements(), doc->working(), optionsFor(dlg, l, *g), path);
    if (m.kind == MessageKind::Error) {
      std::cerr << "trazello-cli: " << forTerminal(outputMessageText(m, kLanguage)) << "\n";
      status = 1;
    }
  }
  keepUntilExit(std::move(*doc));
  return status;
}

}  // namespace

const Command kGerberCommand{"gerber", kUsage, runGerber};

}  // namespace trazello::cli
