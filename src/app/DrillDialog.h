#pragma once

#include <QDialog>
#include <QMap>

#include "Captions.h"
#include "output/TLochDlg.h"

class QAbstractButton;
class QGroupBox;

namespace trazello {

// The Excellon export window: which holes, from which side, unit and number format and the
// dialect switches. It is made once; its controls keep their state for the rest of the run.
class DrillDialog : public QDialog {
  Q_OBJECT

 public:
  // `initial` carries the switches read from the settings file.
  DrillDialog(const TLochDlg& initial, Language language, QWidget* parent = nullptr);

  // The window's choices.
  const TLochDlg& state();

 signals:
  void helpRequested(int context);

 private:
  QGroupBox* group(const char* name, std::initializer_list<const char*> controls, bool radios);
  QString text(std::string_view control) const;
  void pull();
  void push();

  Language language_;
  TLochDlg state_;
  QMap<QString, QAbstractButton*> controls_;
};

}  // namespace trazello
