#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "checks/CopperShapes.h"
#include "checks/PolygonOps.h"
#include "import/GerberCopper.h"
#include "import/GerberReader.h"

namespace trazello::testing {

inline std::string fixtureText(const std::string& relative) {
  std::ifstream in(std::string(TRAZELLO_SOURCE_DIR) + "/tests/fixtures/gerber/" + relative,
                   std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The copper a Gerber image leaves, built independently of the element mapping: objects applied
// in file order, runs of one polarity united first.
inline Paths imageCopper(const GerberImage& image) {
  Paths area, run;
  bool runDark = true;
  auto flush = [&] {
    if (run.empty()) return;
    area = runDark ? unite(area, run) : subtract(area, run);
    run.clear();
  };
  for (const GerberObject& o : image.objects) {
    if (o.dark != runDark) {
      flush();
      runDark = o.dark;
    }
    Paths c = objectCopper(image, o);
    run.insert(run.end(), c.begin(), c.end());
  }
  flush();
  return area;
}

inline double imageArea(const std::string& text) {
  const GerberReadResult r = readGerber(text);
  return r.ok() ? areaInSquareUnits(imageCopper(r.image)) : -1;
}

inline Paths elementsCopper(const std::vector<TObjekt>& elements) {
  Paths all;
  for (const TObjekt& e : elements) {
    Paths p = elementRegion(e);
    all.insert(all.end(), p.begin(), p.end());
  }
  return unite(all);
}

}  // namespace trazello::testing
