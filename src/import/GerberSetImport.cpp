#include "GerberSetImport.h"

#include "DrilledPads.h"
#include "ExcellonReader.h"
#include "GerberReader.h"
#include "GerberToElements.h"

namespace trazello {

namespace {

GerberSetImport refusal(const GerberLayerFile& f, const std::string& error, bool drill) {
  GerberSetImport refused;
  refused.refusedFile = f.name;
  refused.refusedDrillFile = drill;
  refused.error = error;
  return refused;
}

}  // namespace

GerberSetImport importGerberSet(const std::vector<GerberLayerFile>& files, double boardHeight) {
  GerberSetImport out;
  std::vector<std::pair<const GerberLayerFile*, ExcellonReadResult>> drills;
  for (const GerberLayerFile& f : files) {
    if (looksLikeExcellon(f.text)) {
      ExcellonReadResult r = readExcellon(f.text);
      if (!r.ok()) return refusal(f, r.error, true);
      drills.emplace_back(&f, std::move(r));
      continue;
    }
    GerberReadResult r = readGerber(f.text);
    if (!r.ok()) return refusal(f, r.error, false);
    for (const std::string& w : r.image.warnings) out.warnings.push_back(f.name + ": " + w);
    std::vector<TObjekt> el = gerberToElements(std::move(r.image), f.layer, boardHeight);
    if (out.elements.empty())
      out.elements = std::move(el);
    else
      out.elements.insert(out.elements.end(), std::make_move_iterator(el.begin()),
                          std::make_move_iterator(el.end()));
  }
  for (const auto& [f, r] : drills) {
    for (const std::string& w : r.warnings) out.warnings.push_back(f->name + ": " + w);
    out.holes += static_cast<int>(r.holes.size());
    out.platedHoles += putDrillHoles(out.elements, r.holes, f->layer, boardHeight);
  }
  return out;
}

}  // namespace trazello
