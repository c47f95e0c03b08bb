// trazello-cli gerber FILE -o DIR [options]: one Gerber file per chosen layer.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"
#include "output/OutputFiles.h"
#include "output/TGerberDlg.h"

namespace trazello::cli {

namespace {

constexpr int kLanguage = 1;

const char* kUsage =
    "Usage: trazello-cli gerber FILE -o DIR [--board N] [--layers LIST] [--mirror] [--frame]\n"
    "         [--punch] [--mark] [--pads MM] [--smd MM] [--others MM] [--invert] [--cam-origin]\n"
    "LIST: comma-separated K1,B1,K2,B2,I1,I2,U,LStop1,LStop2,SMD1,SMD2 (default: every layer\n"
    "with something to write). --mark punches the holes as 0.30 mm centring marks.\n";

struct GerberArgs {
  std::string input;
  std::string outputDir;
  int board = 0;  // 1-based; 0 is the document's current board
  std::vector<GerberLayer> layers;
  bool mirror = false, frame = false, punch = false, mark = false, invert = false;
  bool camOrigin = false;
  std::optional<double> pads, smd, others;
};

bool parseNumber(const std::string& s, double& out) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool parseLayers(const std::string& list, std::vector<GerberLayer>& out) {
  std::stringstream in(list);
  std::string name;
  while (std::getline(in, name, ',')) {
    const auto l = gerberLayerNamed(name);
    if (!l) {
      std::cerr << "trazello-cli: unknown layer \"" << name << "\"\n";
      return false;
    }
    out.push_back(*l);
  }
  return !out.empty();
}

bool takeValue(const Args& args, size_t& i, std::string& value) {
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

bool parseGerberArgs(const Args& args, GerberArgs& g) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string v;
    double number = 0;
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
    else if (a == "-o" && takeValue(args, i, v))
      g.outputDir = v;
    else if (a == "--board" && takeValue(args, i, v) && parseNumber(v, number) && number >= 1)
      g.board = static_cast<int>(number);
    else if (a == "--layers" && takeValue(args, i, v) && parseLayers(v, g.layers))
      continue;
    else if (a == "--pads" && takeValue(args, i, v) && parseNumber(v, number))
      g.pads = number;
    else if (a == "--smd" && takeValue(args, i, v) && parseNumber(v, number))
      g.smd = number;
    else if (a == "--others" && takeValue(args, i, v) && parseNumber(v, number))
      g.others = number;
    else if (!a.starts_with("-") && g.input.empty())
      g.input = a;
    else
      return false;
  }
  return !g.input.empty() && !g.outputDir.empty();
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

}  // namespace

std::string forTerminal(std::string text) {
  for (char& c : text)
    if (c == '\r') c = '\n';
  return text;
}

std::optional<Document> openForOutput(const std::string& path, int board) {
  Document doc;
  Result<OpenOutcome> opened = openLayout(doc, path, false);
  if (!opened) {
    std::cerr << "trazello-cli: " << cp1252ToUtf8(messageText(opened.error())) << "\n";
    return std::nullopt;
  }
  if (board > static_cast<int>(doc.boards().size())) {
    std::cerr << "trazello-cli: the layout has no board " << board << "\n";
    return std::nullopt;
  }
  if (board > 0) doc.selectBoard(board - 1);
  return doc;
}

int runGerber(const Args& args) {
  if (args.size() == 1 && args[0] == "--help") {
    std::cout << kUsage;
    return 0;
  }
  GerberArgs g;
  if (!parseGerberArgs(args, g)) {
    std::cerr << kUsage;
    return 2;
  }
  std::optional<Document> doc = openForOutput(g.input, g.board);
  if (!doc) return 1;
  TGerberDlg dlg;
  dlg.prepare(doc->elements());
  std::vector<GerberLayer> layers = g.layers;
  if (layers.empty())
    for (GerberLayer l : kAllGerberLayers)
      if (dlg.layerButton(l).enabled) layers.push_back(l);
  int status = 0;
  for (GerberLayer l : layers) {
    if (!dlg.layerButton(l).enabled)
      std::cerr << "trazello-cli: note: layer " << gerberButtonName(l) << " is empty\n";
    const std::string path =
        (std::filesystem::path(g.outputDir) / std::string(gerberFileName(l, kLanguage))).string();
    const Message m = saveGerberFile(doc->elements(), doc->working(), optionsFor(dlg, l, g), path);
    if (m.kind == MessageKind::Error) {
      std::cerr << "trazello-cli: " << forTerminal(outputMessageText(m, kLanguage)) << "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace trazello::cli
