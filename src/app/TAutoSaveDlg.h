#pragma once

#include <QDialog>

#include "Captions.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace trazello {

// The autosave settings: on or off, and the interval in whole minutes (1 to 60). Made for one
// use and freed when closed.
class TAutoSaveDlg : public QDialog {
  Q_OBJECT

 public:
  TAutoSaveDlg(bool enabled, int intervalMs, Language language, QWidget* parent = nullptr);

  bool enabled() const;
  int intervalMs() const;

 signals:
  void helpRequested(int context);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void refreshEnabled();

  QCheckBox* on_ = nullptr;
  QLabel* explanation_ = nullptr;
  QLabel* intervalLabel_ = nullptr;
  QSpinBox* interval_ = nullptr;
};

}  // namespace trazello
