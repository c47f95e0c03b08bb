#pragma once

#include <QDialog>

#include "Captions.h"
#include "output/TExportDlg.h"

class QLabel;
class QRadioButton;
class QSlider;

namespace trazello {

// The raster export window: the resolution on a slider with the picture's size and memory shown
// beside it, black and white or colour. Made for one export. OK on a picture larger than the
// limit asks first; answering Cancel keeps the window open.
class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  ExportDialog(const TExportDlg& initial, Language language, QWidget* parent = nullptr);

  const TExportDlg& state() const { return state_; }

  void accept() override;

 signals:
  void helpRequested(int context);

 private:
  QString text(std::string_view control) const;
  QLabel* label(const char* name);
  void refresh();

  Language language_;
  TExportDlg state_;
  QSlider* slider_ = nullptr;
  QRadioButton* mono_ = nullptr;
  QRadioButton* colour_ = nullptr;
  QLabel* original_ = nullptr;
  QLabel* dpi_ = nullptr;
  QLabel* pixels_ = nullptr;
  QLabel* memory_ = nullptr;
};

}  // namespace trazello
