#pragma once

#include <QDialog>

#include "Captions.h"

class QLineEdit;

namespace trazello {

// The printer's correction factors (made once, kept for the run): a horizontal and a vertical
// stretch from 0.8 to 1.2 that the printout is multiplied by. OK with a factor outside that
// range tells the user and keeps the window open; Cancel keeps the old factors.
class PrintCalibrationDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintCalibrationDialog(Language language, QWidget* parent = nullptr);

  // Shows the factors; true with the new ones in the arguments when the user confirmed.
  bool ask(double& horizontal, double& vertical);

  void accept() override;

 private:
  Language language_;
  QLineEdit* horizontal_ = nullptr;
  QLineEdit* vertical_ = nullptr;
  double h_ = 1, v_ = 1;
};

}  // namespace trazello
