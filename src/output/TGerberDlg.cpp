#include "TGerberDlg.h"

namespace trazello {

namespace {

constexpr ControlCaption kCaptions[] = {
    {"TGerberDlg", {{"Экспорт Gerber", "Gerber export", "Export Gerber"}}},
    {"GB_Export", {{"Экспорт", "Export", "Exporter"}}},
    {"GB_Optionen", {{"Параметры", "Options", "Options"}}},
    {"GB_Loetstop",
     {{"Параметры паяльной маски / SMD-маски", "Options for solder/SMD mask",
       "Options du masque de soudure/SMD"}}},
    {"K1", {{"C1", "C1", "C1"}}},
    {"B1", {{"S1", "S1", "S1"}}},
    {"K2", {{"C2", "C2", "C2"}}},
    {"B2", {{"S2", "S2", "S2"}}},
    {"I1", {{"I1", "I1", "I1"}}},
    {"I2", {{"I2", "I2", "I2"}}},
    {"U", {{"O", "O", "O"}}},
    {"L_Sonderlayer", {{"Специальный слой:", "Special layer:", "Couche spéciale :"}}},
    {"LStop1", {{"C1 - паяльная маска", "C1 - Solder mask", "C1 - Masque de soudure"}}},
    {"LStop2", {{"C2 - паяльная маска", "C2 - Solder mask", "C2 - Masque de soudure"}}},
    {"SMD1", {{"C1 - SMD-маска", "C1 - SMD mask", "C1 - Masque SMD"}}},
    {"SMD2", {{"C2 - SMD-маска", "C2 - SMD mask", "C2 - Masque SMD"}}},
    {"Spiegeln", {{"Зеркально", "Mirror", "Miroir"}}},
    {"Umriss", {{"Контур платы", "Board outline", "Contour de la carte"}}},
    {"BohrungenFrei", {{"Вырезать отверстия", "Punch drill holes", "Dégager les perçages"}}},
    {"Koernen", {{"Отметить отверстия", "Mark drill holes", "Marquer les perçages"}}},
    {"Invertieren", {{"&Инвертировать", "&Inverting output", "&Inverser la sortie"}}},
    {"CB_Loetaugen", {{"&Площадки", "&Pads", "&Pastilles"}}},
    {"CB_SMDPads", {{"SMD-площадки", "SMD-Pads", "Pastilles CMS"}}},
    {"CB_Sonstige", {{"Прочие", "Others", "Autres"}}},
    {"CancelBtn", {{"&Закрыть", "&Close", "&Fermer"}}},
    {"OKBtn", {{"Создать &файл...", "Create exp&ort file...", "Créer le fichier d'exp&ort..."}}},
    {"L_Info",
     {{"Trazello экспортирует расширенный формат Gerber RS-274X.",
       "Trazello exports Extended-Gerber-Format RS-274X.",
       "Trazello exporte au format Gerber étendu RS-274X."}}},
};

}  // namespace

TGerberDlg::TGerberDlg() {
  updateControls();
}

std::span<const ControlCaption> TGerberDlg::captions() {
  return kCaptions;
}

void TGerberDlg::prepare(const ElementList& elements) {
  const auto enabled = enabledGerberLayers(elements);
  for (size_t i = 0; i < kGerberLayerCount; ++i) {
    layers_[i].enabled = enabled[i];
    if (!enabled[i]) layers_[i].checked = false;
  }
  if (!checkedLayer()) {
    for (size_t i = 0; i < kGerberLayerCount; ++i) {
      if (!layers_[i].enabled) continue;
      layers_[i].checked = true;
      break;
    }
  }
  updateControls();
}

void TGerberDlg::RB_LayerClick(GerberLayer l) {
  for (size_t i = 0; i < kGerberLayerCount; ++i) layers_[i].checked = i == static_cast<size_t>(l);
  updateControls();
}

void TGerberDlg::BohrungenFreiClick(bool checked) {
  BohrungenFrei.checked = checked;
  Koernen.enabled = BohrungenFrei.enabled && BohrungenFrei.checked;
  if (!Koernen.enabled) Koernen.checked = false;
}

std::optional<GerberLayer> TGerberDlg::checkedLayer() const {
  for (GerberLayer l : kAllGerberLayers)
    if (isChecked(l)) return l;
  return std::nullopt;
}

void TGerberDlg::updateControls() {
  const auto checked = checkedLayer();
  BohrungenFrei.enabled = checked && isCopperChoice(*checked);
  BohrungenFreiClick(BohrungenFrei.checked);
  const bool solderMask = isChecked(GerberLayer::LStop1) || isChecked(GerberLayer::LStop2);
  const bool smdMask = isChecked(GerberLayer::SMD1) || isChecked(GerberLayer::SMD2);
  CB_Loetaugen = {solderMask, solderMask};
  CB_Sonstige = {solderMask, solderMask};
  CB_SMDPads = {solderMask || smdMask, solderMask || smdMask};
  SE_LAOffset.enabled = CB_Loetaugen.enabled;
  SE_SonstigeOffset.enabled = CB_Sonstige.enabled;
  SE_SMDOffset.enabled = CB_SMDPads.enabled;
  // Paste openings are made smaller than the pad, solder-mask openings larger.
  SE_SMDOffset.value = smdMask ? -0.10 : 0.10;
  Invertieren.enabled = CB_Loetaugen.enabled || CB_SMDPads.enabled || CB_Sonstige.enabled;
}

GerberOptions TGerberDlg::options(bool camOrigin, int language) const {
  GerberOptions o;
  o.layer = checkedLayer().value_or(GerberLayer::K1);
  o.mirror = Spiegeln.checked;
  o.frame = Umriss.checked;
  o.punchHoles = BohrungenFrei.enabled && BohrungenFrei.checked;
  o.markHoles = o.punchHoles && Koernen.checked;
  o.pads = CB_Loetaugen.enabled && CB_Loetaugen.checked;
  o.smdPads = CB_SMDPads.enabled && CB_SMDPads.checked;
  o.others = CB_Sonstige.enabled && CB_Sonstige.checked;
  o.invert = Invertieren.enabled && Invertieren.checked;
  o.padOffset = SE_LAOffset.value;
  o.smdOffset = SE_SMDOffset.value;
  o.otherOffset = SE_SonstigeOffset.value;
  o.camOrigin = camOrigin;
  o.language = language;
  return o;
}

std::string TGerberDlg::fileName(int language) const {
  const auto l = checkedLayer();
  return l ? std::string(gerberFileName(*l, language)) : std::string();
}

}  // namespace trazello
