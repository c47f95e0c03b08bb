#pragma once

#include <QDialog>

#include "Captions.h"
#include "output/TBohrInfoDlg.h"

class QCheckBox;
class QPlainTextEdit;

namespace trazello {

// The drill list: how many holes of each diameter the board has, refreshed when a filter
// changes, and a button that puts the list on the clipboard. Made for one showing.
class DrillListDialog : public QDialog {
  Q_OBJECT

 public:
  DrillListDialog(const ElementList& elements, bool mil, Language language,
                  QWidget* parent = nullptr);

  // The list as the memo shows it.
  QString memoText() const;

 private:
  QString text(std::string_view control) const;
  void refresh();
  void copyToClipboard();

  Language language_;
  TBohrInfoDlg state_;
  QCheckBox* bohrungen_ = nullptr;
  QCheckBox* vias_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
};

}  // namespace trazello
