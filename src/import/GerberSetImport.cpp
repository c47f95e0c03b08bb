#include "GerberSetImport.h"

#include "GerberReader.h"
#include "GerberToElements.h"

namespace trazello {

GerberSetImport importGerberSet(const std::vector<GerberLayerFile>& files, double boardHeight) {
  GerberSetImport out;
  for (const GerberLayerFile& f : files) {
    GerberReadResult r = readGerber(f.text);
    if (!r.ok()) {
      GerberSetImport refused;
      refused.refusedFile = f.name;
      refused.error = r.error;
      return refused;
    }
    for (const std::string& w : r.image.warnings) out.warnings.push_back(f.name + ": " + w);
    std::vector<TObjekt> el = gerberToElements(r.image, f.layer, boardHeight);
    out.elements.insert(out.elements.end(), std::make_move_iterator(el.begin()),
                        std::make_move_iterator(el.end()));
  }
  return out;
}

}  // namespace trazello
