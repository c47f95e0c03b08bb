#pragma once

#include <QDialog>
#include <optional>

#include "Captions.h"

class QDoubleSpinBox;

namespace trazello {

// Asks for a new grid step, shown in the current unit, from 0.01 to 99.9 mm.
class GridDialog : public QDialog {
  Q_OBJECT

 public:
  GridDialog(Language language, bool mil, QWidget* parent = nullptr);
  // The step in hundredths of a millimetre.
  int tag() const;
  // Shows the window; the step when confirmed.
  static std::optional<int> ask(QWidget* parent, Language language, bool mil);

 private:
  bool mil_;
  QDoubleSpinBox* value_ = nullptr;
};

}  // namespace trazello
