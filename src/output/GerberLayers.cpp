#include "GerberLayers.h"

#include <tuple>

#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

struct LayerRow {
  const char* button;
  uint8_t code;
  std::array<const char*, 3> file;
  std::array<const char*, 3> name;
};

constexpr std::array<LayerRow, kGerberLayerCount> kRows{{
    {"K1",
     1,
     {"Kupfer1.GBR", "Copper1.GBR", "Cuivre1.GBR"},
     {"KUPFERSEITE1", "COPPER1", "CUIVRE1"}},
    {"B1",
     2,
     {"Bestueckung1.GBR", "Silkscreen1.GBR", "Serigraphie1.GBR"},
     {"BESTUECKUNG1", "SILKSCREEN1", "SERIGRAPHIE1"}},
    {"K2",
     3,
     {"Kupfer2.GBR", "Copper2.GBR", "Cuivre2.GBR"},
     {"KUPFERSEITE2", "COPPER2", "CUIVRE2"}},
    {"B2",
     4,
     {"Bestueckung2.GBR", "Silkscreen2.GBR", "Serigraphie2.GBR"},
     {"BESTUECKUNG2", "SILKSCREEN2", "SERIGRAPHIE2"}},
    {"I1", 5, {"Inner1.GBR", "Inner1.GBR", "Inner1.GBR"}, {"INNER1", "INNER1", "INNER1"}},
    {"I2", 6, {"Inner2.GBR", "Inner2.GBR", "Inner2.GBR"}, {"INNER2", "INNER2", "INNER2"}},
    {"U", 7, {"Umriss.GBR", "Outline.GBR", "Outline.GBR"}, {"KONTUR", "OUTLINE", "OUTLINE"}},
    {"LStop1",
     1,
     {"Loetstop1.GBR", "Soldermask1.GBR", "Masquesoudure1.GBR"},
     {"LOETSTOP1", "SOLDERMASK1", "MASQUESOUDURE1"}},
    {"LStop2",
     3,
     {"Loetstop2.GBR", "Soldermask2.GBR", "Masquesoudure2.GBR"},
     {"LOETSTOP2", "SOLDERMASK2", "MASQUESOUDURE2"}},
    {"SMD1",
     1,
     {"SMD_Maske1.GBR", "SMD_Mask1.GBR", "SMD_Masque1.GBR"},
     {"SMD_Maske1", "SMD_Mask1", "SMD_Masque1"}},
    {"SMD2",
     3,
     {"SMD_Maske2.GBR", "SMD_Mask2.GBR", "SMD_Masque2.GBR"},
     {"SMD_Maske2", "SMD_Mask2", "SMD_Masque2"}},
}};

const LayerRow& row(GerberLayer l) {
  return kRows[static_cast<size_t>(l)];
}
size_t lang(int language) {
  return language >= 0 && language <= 2 ? size_t(language) : 0;
}

}  // namespace

std::string_view gerberButtonName(GerberLayer l) {
  return row(l).button;
}

std::optional<GerberLayer> gerberLayerNamed(std::string_view buttonName) {
  for (GerberLayer l : kAllGerberLayers)
    if (buttonName == row(l).button) return l;
  return std::nullopt;
}

uint8_t gerberLayerCode(GerberLayer l) {
  return row(l).code;
}
std::string_view gerberFileName(GerberLayer l, int language) {
  return row(l).file[lang(language)];
}
std::string_view gerberLayerName(GerberLayer l, int language) {
  return row(l).name[lang(language)];
}

bool isCopperChoice(GerberLayer l) {
  return l == GerberLayer::K1 || l == GerberLayer::K2 || l == GerberLayer::I1 ||
         l == GerberLayer::I2;
}

bool isMaskChoice(GerberLayer l) {
  return l >= GerberLayer::LStop1;
}
bool isSmdMaskChoice(GerberLayer l) {
  return l == GerberLayer::SMD1 || l == GerberLayer::SMD2;
}

std::array<bool, kGerberLayerCount> enabledGerberLayers(const ElementList& elements) {
  std::array<bool, kGerberLayerCount> on{};
  auto set = [&](GerberLayer l) { on[static_cast<size_t>(l)] = true; };
  for (const TObjekt& e : elements) {
    for (size_t i = 0; i <= static_cast<size_t>(GerberLayer::U); ++i)
      if (isOnLayer(e, kRows[i].code)) on[i] = true;
    for (const auto& [code, mask, smd] :
         {std::tuple{layer::C1, GerberLayer::LStop1, GerberLayer::SMD1},
          std::tuple{layer::C2, GerberLayer::LStop2, GerberLayer::SMD2}}) {
      if (!isOnLayer(e, code)) continue;
      if (e.SolderMask) set(mask);
      if (e.Kind == ElementKind::SmdPad) set(smd);
    }
  }
  return on;
}

}  // namespace trazello
