#include "TExportDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trazello {

namespace {

constexpr ControlCaption kCaptions[] = {
    {"RB_SW", {{"Чёрно-белый (1 бит на точку)", "Black and white (1 bit per pixel)",
                "Noir et blanc (1 bit par point)"}}},
    {"RB_Farbe", {{"Цветной (24 бита на точку)", "Colour (24 bits per pixel)",
                   "Couleur (24 bits par point)"}}},
    {"GB_Aufloesung", {{"Разрешение", "Resolution", "Résolution"}}},
    {"L_GroesseCaption", {{"Размер платы:", "Board size:", "Taille de la carte :"}}},
    {"L_PixelCaption", {{"Точек:", "Pixels:", "Points :"}}},
    {"L_SpeicherCaption", {{"Память:", "Memory:", "Mémoire :"}}},
    {"OKBtn", {{"OK", "OK", "OK"}}},
    {"CancelBtn", {{"Отмена", "Cancel", "Annuler"}}},
    {"HelpBtn", {{"Справка", "Help", "Aide"}}},
};

constexpr Localized kBitmapCaption{{"Экспорт рисунка (все видимые слои)",
                                    "Bitmap export (all visible layers)",
                                    "Exportation d'image (toutes les couches visibles)"}};
constexpr Localized kGifCaption{{"Экспорт GIF", "GIF-Export", "Exportation GIF"}};
constexpr Localized kJpegCaption{{"Экспорт JPG", "JPG-Export", "Exportation JPG"}};
constexpr Localized kBitmapFilter{{"Рисунки BMP (*.bmp)|*.BMP", "Bitmaps (*.bmp)|*.BMP",
                                   "Images BMP (*.bmp)|*.BMP"}};
constexpr Localized kGifFilter{{"Файлы GIF (*.gif)|*.GIF", "GIF-Files (*.gif)|*.GIF",
                                "Fichiers-GIF (*.gif)|*.GIF"}};
constexpr Localized kJpegFilter{{"Файлы JPG (*.jpg)|*.JPG", "JPG-Files (*.jpg)|*.JPG",
                                 "Fichiers-JPG (*.jpg)|*.JPG"}};

std::string oneDecimal(int32_t units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", units / 100.0);
  return text;
}

}  // namespace

int pixelsAt(int32_t units, int dpi) {
  return static_cast<int>(std::nearbyint(dpi * (units / 100.0) / 25.4));
}

TExportDlg::TExportDlg(RasterKind kind, int32_t boardWidth, int32_t boardHeight, int storedDpi)
    : kind_(kind), width_(boardWidth), height_(boardHeight) {
  setDpi(storedDpi);
  monochrome_ = monochromeAllowed();
}

void TExportDlg::setDpi(int dpi) { dpi_ = std::clamp(dpi, kMinDpi, kMaxDpi); }

void TExportDlg::setMonochrome(bool on) { monochrome_ = on && monochromeAllowed(); }

int TExportDlg::pixelWidth() const { return pixelsAt(width_, dpi_); }
int TExportDlg::pixelHeight() const { return pixelsAt(height_, dpi_); }

int64_t TExportDlg::memoryKb() const {
  const auto kb = static_cast<int64_t>(
      std::nearbyint(double(pixelWidth()) * double(pixelHeight()) / 1024.0));
  return monochrome_ ? kb / 8 : kb * 3;
}

std::string TExportDlg::originalText(int language) const {
  const std::string mm = language == 0 ? " мм" : " mm";
  return oneDecimal(width_) + mm + " x " + oneDecimal(height_) + mm;
}

std::string TExportDlg::dpiText() const { return std::to_string(dpi_) + " dpi"; }

std::string TExportDlg::pixelText() const {
  return std::to_string(pixelWidth()) + " x " + std::to_string(pixelHeight());
}

std::string TExportDlg::memoryText() const { return std::to_string(memoryKb()) + " kB"; }

std::string_view TExportDlg::caption(int language) const {
  switch (kind_) {
    case RasterKind::Gif: return kGifCaption.in(language);
    case RasterKind::Jpeg: return kJpegCaption.in(language);
    case RasterKind::Bitmap: break;
  }
  return kBitmapCaption.in(language);
}

std::string_view TExportDlg::saveFilter(int language) const {
  switch (kind_) {
    case RasterKind::Gif: return kGifFilter.in(language);
    case RasterKind::Jpeg: return kJpegFilter.in(language);
    case RasterKind::Bitmap: break;
  }
  return kBitmapFilter.in(language);
}

std::string_view TExportDlg::defaultExtension() const {
  return kind_ == RasterKind::Gif ? "GIF" : kind_ == RasterKind::Jpeg ? "JPG" : "BMP";
}

int TExportDlg::helpContext() const {
  return kind_ == RasterKind::Gif ? 32100 : kind_ == RasterKind::Jpeg ? 32150 : 32000;
}

std::span<const ControlCaption> TExportDlg::captions() { return kCaptions; }

}  // namespace trazello
