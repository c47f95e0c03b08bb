#pragma once

#include <QPointer>
#include <functional>

#include "edit/tools/ToolHost.h"

class QWidget;

namespace trazello {

class DrawingArea;
class LegacyTextDialog;
class SizeBar;
class PolygonSpiralDialog;
class TextDialog;
struct AppSettings;

// The window's side of the tools: the document, undo history and sizes it owns, the drawing
// area's zoom, the settings the tools read, and the text windows as modal answers.
class WindowToolHost : public ToolHost {
 public:
  WindowToolHost(Document& doc, UndoHistory& undo, SizeBar& sizes, const DrawingArea& area,
                 const AppSettings& settings, int language, QWidget* dialogParent);
  ~WindowToolHost() override;

  Document& document() override { return doc_; }
  UndoHistory& undoHistory() override { return undo_; }
  SizeFields& sizeFields() override;
  double zoom() const override;
  ToolOptions options() const override;
  std::optional<TextWindowValues> askText(const TextWindowValues& initial) override;
  std::optional<LegacyTextValues> askLegacyText(const LegacyTextValues& initial) override;
  std::optional<PolygonSpiralValues> askPolygonSpiral() override;
  double screenPixelsPerInch() const override;
  Point legacyTextExtent(const std::string& text, int32_t fontHeight) const override;

  RouteSizes routeSizes() const override { return routeSizes_ ? routeSizes_() : RouteSizes{}; }
  void routeProgress(const std::string& status, const std::optional<IRect>& searched) override {
    if (routeProgress_) routeProgress_(status, searched);
  }
  // Where the autorouter's sizes come from and its progress goes (the router's window).
  void setRouteWindow(
      std::function<RouteSizes()> sizes,
      std::function<void(const std::string&, const std::optional<IRect>&)> progress) {
    routeSizes_ = std::move(sizes);
    routeProgress_ = std::move(progress);
  }

  void setKeepOut(bool down) { keepOut_ = down; }
  TextDialog* textDialog();
  PolygonSpiralDialog* specialShapeDialog();
  // What the Help buttons of the windows the tools open show.
  void setHelp(std::function<void()> help) { help_ = std::move(help); }

 private:
  std::function<void()> help_;
  Document& doc_;
  UndoHistory& undo_;
  SizeBar& sizes_;
  const DrawingArea& area_;
  const AppSettings& settings_;
  int language_;
  QWidget* parent_;
  bool keepOut_ = false;
  std::function<RouteSizes()> routeSizes_;
  std::function<void(const std::string&, const std::optional<IRect>&)> routeProgress_;
  QPointer<TextDialog> text_;
  QPointer<LegacyTextDialog> legacy_;
  QPointer<PolygonSpiralDialog> shapes_;
};

}  // namespace trazello
