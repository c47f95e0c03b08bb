#include "WindowToolHost.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

#include "AppSettings.h"
#include "DrawingArea.h"
#include "PolygonSpiralDialog.h"
#include "SizeBar.h"
#include "TextDialog.h"
#include "files/TextEncoding.h"

namespace trazello {

WindowToolHost::WindowToolHost(Document& doc, UndoHistory& undo, SizeBar& sizes,
                               const DrawingArea& area, const AppSettings& settings, int language,
                               QWidget* dialogParent)
    : doc_(doc),
      undo_(undo),
      sizes_(sizes),
      area_(area),
      settings_(settings),
      language_(language),
      parent_(dialogParent) {}

WindowToolHost::~WindowToolHost() = default;

SizeFields& WindowToolHost::sizeFields() {
  return sizes_.sizes();
}

double WindowToolHost::zoom() const {
  return area_.zoom();
}

ToolOptions WindowToolHost::options() const {
  ToolOptions o;
  o.autoMirror = settings_.autoMirror;
  o.limitTextHeight = settings_.limitTextHeight;
  o.keepOutButtonDown = keepOut_;
  o.showVirtualNodes = settings_.virtualNodes;
  o.millimetres = !settings_.mil;
  o.language = language_;
  return o;
}

TextDialog* WindowToolHost::textDialog() {
  if (!text_) text_ = new TextDialog(language_, parent_);
  return text_;
}

std::optional<TextWindowValues> WindowToolHost::askText(const TextWindowValues& initial) {
  TextDialog* dialog = textDialog();
  dialog->setLimitHeight(settings_.limitTextHeight);
  return dialog->ask(initial);
}

std::optional<LegacyTextValues> WindowToolHost::askLegacyText(const LegacyTextValues& initial) {
  if (!legacy_) legacy_ = new LegacyTextDialog(language_, parent_);
  return legacy_->ask(initial);
}

PolygonSpiralDialog* WindowToolHost::specialShapeDialog() {
  if (!shapes_) {
    shapes_ = new PolygonSpiralDialog(Language(language_), parent_);
    shapes_->setHelp([this] {
      if (help_) help_();
    });
  }
  return shapes_;
}

std::optional<PolygonSpiralValues> WindowToolHost::askPolygonSpiral() {
  PolygonSpiralDialog* dialog = specialShapeDialog();
  dialog->setMil(settings_.mil);
  return dialog->ask();
}

double WindowToolHost::screenPixelsPerInch() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96;
}

Point WindowToolHost::legacyTextExtent(const std::string& text, int32_t fontHeight) const {
  QFont font("Arial");
  font.setBold(true);
  font.setPixelSize(std::max(1, std::abs(fontHeight)));
  const QFontMetrics metrics(font);
  const QString shown = QString::fromStdString(cp1252ToUtf8(text + " "));
  // Old texts are drawn with their font height in world units, so the metrics are units too.
  return Point{float(metrics.horizontalAdvance(shown)), float(metrics.height())};
}

}  // namespace trazello
