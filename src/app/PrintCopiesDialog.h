#pragma once

#include <QDialog>
#include <cstdint>

#include "Captions.h"

class QDoubleSpinBox;
class QSpinBox;

namespace trazello {

// How many copies of the board the print places across and down (1 to 20 each) and the gap
// between them (0 to 50 mm in tenths). Made once; kept for the run.
class PrintCopiesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintCopiesDialog(Language language, QWidget* parent = nullptr);

  // Shows the values; true with the new ones (spacing in units) when the user confirmed.
  bool ask(int& across, int& down, int32_t& spacing);

 private:
  QSpinBox* across_ = nullptr;
  QSpinBox* down_ = nullptr;
  QDoubleSpinBox* spacing_ = nullptr;
};

}  // namespace trazello
