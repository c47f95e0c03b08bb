#include "TLochDlg.h"

namespace trazello {

namespace {

constexpr std::string_view kSection = "Excellon";

constexpr ControlCaption kCaptions[] = {
    {"TLochDlg", {{"Экспорт Excellon", "Excellon export", "Export Excellon"}}},
    {"GB_Auswahl", {{"Выбор", "Selection", "Sélection"}}},
    {"GB_Einheit", {{"Единица измерения", "Unit of measurement", "Unité de mesure"}}},
    {"GB_Seite", {{"Сверлить с..", "Drill from..", "Percer depuis.."}}},
    {"GB_Sonder", {{"Особые параметры", "Special options", "Options spéciales"}}},
    {"L_Info",
     {{"Данные сверловки в формате EXCELLON.", "Drill data uses EXCELLON format.",
       "Les données de perçage sont au format EXCELLON."}}},
    {"CB_Bohrungen", {{"Простые отверстия", "Simple drillings", "Perçages simples"}}},
    {"CB_Vias", {{"Сквозные отверстия", "Through-holes", "Trous métallisés"}}},
    {"RB_Best", {{"Сверху (по умолчанию)", "Top (default)", "Dessus (par défaut)"}}},
    {"RB_Kupfer",
     {{"Снизу (зеркально по x, как Gerber)", "Bottom (x-mirrored, Gerber comp.)",
       "Dessous (miroir en x, comp. Gerber)"}}},
    {"RB_Kupfer_HPGL",
     {{"Снизу (зеркально по x, как HPGL)", "Bottom (x-mirrored, HPGL comp.)",
       "Dessous (miroir en x, comp. HPGL)"}}},
    {"RB_Zoll", {{"Дюймы", "Inch", "Pouces"}}},
    {"RB_MM33", {{"мм (3.3)", "mm (3.3)", "mm (3.3)"}}},
    {"RB_MM32", {{"мм (3.2)", "mm (3.2)", "mm (3.2)"}}},
    {"CB_Sortieren", {{"Сортировать отверстия", "Sort drillings", "Trier les perçages"}}},
    {"CB_LeadingZero",
     {{"Удалить ведущие нули", "Delete leading zeros", "Supprimer les zéros de tête"}}},
    {"CB_M71",
     {{"M71/72 вместо METRIC/INCH", "M71/72 instead of METRIC/INCH",
       "M71/72 au lieu de METRIC/INCH"}}},
    {"CB_NoG90", {{"Без кода G90", "Suppress G90 - code", "Supprimer le code G90"}}},
    {"CB_NoComments", {{"Без комментариев", "Suppress comments", "Supprimer les commentaires"}}},
    {"OKBtn", {{"OK", "OK", "OK"}}},
    {"CancelBtn", {{"&Отмена", "&Cancel", "&Annuler"}}},
};

constexpr Localized kFilter{{"Файлы сверловки (*.drl)|*.DRL", "Drill files (*.drl)|*.DRL",
                             "Fichiers de perçage (*.drl)|*.DRL"}};

}  // namespace

void TLochDlg::readSettings(const SettingsReader& read) {
  CB_M71 = read(kSection, "M71").value_or(false);
  CB_NoG90 = read(kSection, "G90").value_or(false);
  CB_NoComments = read(kSection, "Kommentare").value_or(false);
}

std::vector<SettingsKey> TLochDlg::settingsToWrite() const {
  return {{kSection, "M71", CB_M71},
          {kSection, "G90", CB_NoG90},
          {kSection, "Kommentare", CB_NoComments}};
}

ExcellonOptions TLochDlg::options(bool camOrigin) const {
  ExcellonOptions o;
  o.unit = RB_MM32 ? DrillUnit::Metric32 : RB_MM33 ? DrillUnit::Metric33 : DrillUnit::Inch24;
  o.deleteLeadingZeros = CB_LeadingZero;
  o.filter = {CB_Bohrungen, CB_Vias};
  o.side = RB_Kupfer        ? DrillSide::BottomGerber
           : RB_Kupfer_HPGL ? DrillSide::BottomHpgl
                            : DrillSide::Top;
  o.sort = CB_Sortieren;
  o.m71 = CB_M71;
  o.noG90 = CB_NoG90;
  o.noComments = CB_NoComments;
  o.camOrigin = camOrigin;
  return o;
}

std::span<const ControlCaption> TLochDlg::captions() {
  return kCaptions;
}

std::string_view TLochDlg::saveFilter(int language) {
  return kFilter.in(language);
}

}  // namespace trazello
