#pragma once

#include <QDialog>
#include <array>

#include "Captions.h"
#include "view/PrintPainter.h"

class QCheckBox;

namespace trazello {

class TUnitSpinEdit;

// The mask and drill-plan options of a print (made for each use): which kinds of element the
// solder masks include and by how much each grows, and the drill plan's text height. The
// lengths follow the program's unit.
class PrintOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  PrintOptionsDialog(const PrintContent& content, bool mil, Language language,
                     QWidget* parent = nullptr);

  // The choices, rounded to whole units, written into `content`.
  void takeInto(PrintContent& content) const;

 private:
  std::array<QCheckBox*, 3> includes_{};
  std::array<TUnitSpinEdit*, 3> growths_{};
  TUnitSpinEdit* textHeight_ = nullptr;
};

}  // namespace trazello
