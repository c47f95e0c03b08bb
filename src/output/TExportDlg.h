#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Captions.h"

namespace trazello {

// The picture formats of the raster export; the numbers are the export's kinds.
enum class RasterKind { Bitmap = 0, Gif = 1, Jpeg = 2 };

// The state of the raster export dialog, without widgets: the resolution, black and white or
// colour, and what the labels show of the resulting picture. It lives for one export.
class TExportDlg {
 public:
  static constexpr int kMinDpi = 100;
  static constexpr int kMaxDpi = 600;
  static constexpr int kTickDpi = 20;
  // Beyond this estimate the user is asked before the picture is made.
  static constexpr int64_t kLargeBitmapKb = 25000;

  // `storedDpi` comes from the settings file and is brought into the slider's range.
  TExportDlg(RasterKind kind, int32_t boardWidth, int32_t boardHeight, int storedDpi);

  RasterKind kind() const { return kind_; }
  int dpi() const { return dpi_; }
  void setDpi(int dpi);
  // GIF and JPEG pictures are always in colour.
  bool monochromeAllowed() const { return kind_ == RasterKind::Bitmap; }
  bool monochrome() const { return monochrome_; }
  void setMonochrome(bool on);

  // Pixels of the picture: the board size at the resolution, rounded.
  int pixelWidth() const;
  int pixelHeight() const;
  // What the picture takes in memory, in kB.
  int64_t memoryKb() const;
  bool needsLargeBitmapQuestion() const { return memoryKb() > kLargeBitmapKb; }

  // The label texts: the board size, the resolution, the pixels and the memory.
  std::string originalText(int language) const;
  std::string dpiText() const;
  std::string pixelText() const;
  std::string memoryText() const;

  std::string_view caption(int language) const;
  std::string_view saveFilter(int language) const;
  std::string_view defaultExtension() const;
  int helpContext() const;
  static std::span<const ControlCaption> captions();

  // Where the save dialog starts and where the folder of the written picture is remembered.
  static constexpr std::string_view kFolderSection = "Ordner";
  static constexpr std::string_view kFolderKey = "Bitmap";
  static constexpr std::string_view kDpiSection = "Optionen";
  static constexpr std::string_view kDpiKey = "ExportBitmapDPI";

 private:
  RasterKind kind_;
  int32_t width_;
  int32_t height_;
  int dpi_ = 300;
  bool monochrome_ = true;
};

// Pixels of `units` layout units (0.01 mm) at `dpi`, rounded to the nearest, ties to even.
int pixelsAt(int32_t units, int dpi);

}  // namespace trazello
