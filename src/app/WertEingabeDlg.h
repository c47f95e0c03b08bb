#pragma once

#include <QDialog>

#include "Captions.h"

class QLineEdit;

namespace trazello {

// The value window: a title, one field and OK / Cancel. As a number window (limits that differ)
// OK turns commas into points, reads a decimal number and keeps the window open with a message
// while the number lies outside the limits; as a text window (equal limits) the text is taken as
// typed. Made once and used again.
class WertEingabeDlg : public QDialog {
  Q_OBJECT

 public:
  WertEingabeDlg(Language language, QWidget* parent = nullptr);

  void setLimits(double lower, double upper);
  // Shows the window modally with `title` and `text` in the field (selected, with the focus);
  // false when it was cancelled.
  bool ask(const QString& title, const QString& text);
  double number() const { return number_; }
  QString text() const;

 public slots:
  void accept() override;

 private:
  bool isNumberWindow() const;

  Language lang_;
  QLineEdit* edit_ = nullptr;
  double lower_ = -1000000;
  double upper_ = 1000000;
  double number_ = 0;
};

}  // namespace trazello
