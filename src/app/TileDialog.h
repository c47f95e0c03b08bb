#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "Captions.h"
#include "edit/commands/TileCommands.h"

class QFrame;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace trazello {

class TUnitSpinEdit;

// The tile window (`TKachel2Dlg`): distances between copies, and a grid of columns by rows or a
// row of copies. Only the fields of the chosen arrangement are enabled.
class TileDialog : public QDialog {
  Q_OBJECT

 public:
  TileDialog(Language language, QWidget* parent = nullptr);

  void setValues(const TileValues& v);
  TileValues values() const;
  void setMil(bool on);
  // Shows the window modally; none on Cancel.
  std::optional<TileValues> ask();

 private:
  QWidget* squares(int columns, int rows, QList<QFrame*>& into);
  void refreshEnabled();

  TUnitSpinEdit* dx_ = nullptr;
  TUnitSpinEdit* dy_ = nullptr;
  QRadioButton* tile_ = nullptr;
  QRadioButton* row_ = nullptr;
  QSpinBox* columns_ = nullptr;
  QSpinBox* rows_ = nullptr;
  QSpinBox* count_ = nullptr;
  QList<QWidget*> tileParts_;
  QList<QWidget*> rowParts_;
  QList<QFrame*> tileSquares_;
  QList<QFrame*> rowSquares_;
};

}  // namespace trazello
