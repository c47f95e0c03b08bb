// The bundled macro library is what make-macros writes, and its footprints are sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "StarterMacros.h"
#include "checks/CopperShapes.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "files/AtomicFile.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

const fs::path kLibrary = fs::path(TRAZELLO_SOURCE_DIR) / "examples" / "macros";

TEST(StarterMacros, CommittedFilesAreWhatTheGeneratorWrites) {
  std::set<std::string> generated;
  for (examples::StarterMacro& m : examples::starterMacros()) {
    generated.insert(m.path);
    const auto committed = readWholeFile((kLibrary / m.path).string(), nullptr);
    ASSERT_TRUE(committed) << m.path << " is missing; run make-macros examples/macros";
    EXPECT_EQ(*committed, serializeMacro(m.elements, false, m.comments, 0, {}))
        << m.path << " differs from the generator; run make-macros examples/macros";
  }
  for (const auto& entry : fs::recursive_directory_iterator(kLibrary)) {
    if (entry.path().extension() != ".tzm") continue;
    EXPECT_TRUE(generated.count(fs::relative(entry.path(), kLibrary).generic_string()))
        << entry.path() << " is not made by the generator";
  }
}

TEST(StarterMacros, EveryMacroIsNamedOutlinedAndHasNoTouchingPadsOrPrintedPads) {
  const std::vector<examples::StarterMacro> macros = examples::starterMacros();
  EXPECT_GE(macros.size(), 50u);
  for (const examples::StarterMacro& m : macros) {
    SCOPED_TRACE(m.path);
    EXPECT_FALSE(m.comments[0].empty());
    EXPECT_LE(m.comments[0].size(), kMacroCommentLength);
    EXPECT_LE(m.comments[1].size(), kMacroCommentLength);
    ElementList pads, silk;
    for (size_t i = 0; i < m.elements.size(); ++i) {
      const TObjekt& e = m.elements[i];
      if (e.isPadLike())
        pads.append(e);
      else if (e.Layer == layer::S1)
        silk.append(e);
      else
        ADD_FAILURE() << "an element on layer " << int(e.Layer);
    }
    EXPECT_FALSE(silk.empty());
    ASSERT_FALSE(pads.empty());
    // Silk printed over a pad would spoil its solder joint.
    for (size_t s = 0; s < silk.size(); ++s)
      for (size_t p = 0; p < pads.size(); ++p)
        EXPECT_FALSE(overlap(elementRegion(silk[s]), elementRegion(pads[p])))
            << "silk element " << s << " covers the pad at (" << pads[p].X << ", " << pads[p].Y
            << ")";
    for (const std::vector<size_t>& net : NetTrace(pads, BoardSettings{}).nets())
      EXPECT_EQ(net.size(), 1u) << "pads at (" << pads[net[0]].X << ", " << pads[net[0]].Y
                                << ") touch another";
  }
}

TEST(StarterMacros, CoversThePromisedPackages) {
  std::set<std::string> paths;
  for (const examples::StarterMacro& m : examples::starterMacros()) paths.insert(m.path);
  for (const char* p :
       {"DIP/DIP-8_7.62mm.tzm", "DIP/DIP-40_15.24mm.tzm", "Headers/Header-1x01.tzm",
        "Headers/Header-1x20.tzm", "SMD/SOIC-8.tzm", "SMD/SOIC-16.tzm", "SMD/SOT-23.tzm",
        "TO/TO-92.tzm", "TO/TO-220.tzm", "Passive/Resistor-axial_7.62mm.tzm",
        "Passive/Resistor-axial_10.16mm.tzm", "Passive/Capacitor-radial_2.5mm.tzm",
        "Passive/Capacitor-radial_5.0mm.tzm", "SMD/Chip-0603.tzm", "SMD/Chip-0805.tzm",
        "SMD/Chip-1206.tzm", "SMD/TQFP-32.tzm", "SMD/QFN-32.tzm"})
    EXPECT_TRUE(paths.count(p)) << p;
}

}  // namespace
}  // namespace trazello
