#pragma once

#include <QDialog>

#include "Captions.h"
#include "view/ColourScheme.h"

namespace trazello {

// A drawing of the layer stack in the colours of the active scheme: side 1 on top, the inner
// layers between, side 2 below.
class LayerInfoDialog : public QDialog {
  Q_OBJECT

 public:
  LayerInfoDialog(const ColourScheme& scheme, Language language, QWidget* parent = nullptr);

 signals:
  void helpRequested(int context);
};

}  // namespace trazello
