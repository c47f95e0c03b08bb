#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "app/Captions.h"
#include "model/BoardSettings.h"
#include "view/ColourScheme.h"

class QButtonGroup;
class QRadioButton;
class QToolButton;

namespace trazello {

// The layer buttons beside the drawing area (P_LayerBK): for each of the seven layers a
// visibility button whose glyph is the layer's label in its scheme colour on the scheme
// background, struck through while the layer is hidden, and a radio button that makes the
// layer active; then the "?" button of the layer information.
class LayerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit LayerPanel(Language language, QWidget* parent = nullptr);

  // The label of layer code 1 to 7 as the window of that language shows it.
  static QString label(uint8_t layerCode, Language language);
  // A button glyph: `text` centred in bold, in `colour` on `background`, struck through when
  // the layer is hidden.
  static QImage glyph(const QString& text, QColor colour, QColor background, bool hidden,
                      const QFont& font);

  // Visibility, the active layer, the inner layers of a multilayer board and the colours.
  void refresh(const BoardSettings& board, const ColourScheme& scheme);

  QToolButton* visibilityButton(uint8_t layerCode) const { return visible_[layerCode]; }
  QRadioButton* activeButton(uint8_t layerCode) const { return active_[layerCode]; }
  QToolButton* infoButton() const { return info_; }

 signals:
  void visibilityClicked(uint8_t layerCode);
  void activeClicked(uint8_t layerCode);
  void infoClicked();

 private:
  Language language_;
  std::array<QToolButton*, 8> visible_{};
  std::array<QRadioButton*, 8> active_{};
  QButtonGroup* group_ = nullptr;
  QToolButton* info_ = nullptr;
};

}  // namespace trazello
