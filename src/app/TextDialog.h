#pragma once

#include <QDialog>
#include <optional>

#include "edit/tools/ToolHost.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace trazello {

class TUnitSpinEdit;

// The text window (`LinienText_Dlg`): text, height, thickness, character width, mirroring,
// angle and automatic numbering of a stroke-font text. Used by the text tool and by a double
// click on a text.
class TextDialog : public QDialog {
  Q_OBJECT

 public:
  TextDialog(int language, QWidget* parent = nullptr);

  void setValues(const TextWindowValues& v);
  TextWindowValues values() const;
  // Raising the height to the thickness's minimum when the height field is left (settings key
  // SchrifthoeheBegrenzen).
  void setLimitHeight(bool on) { limitHeight_ = on; }
  // Shows the window modally; none on Cancel.
  std::optional<TextWindowValues> ask(const TextWindowValues& initial);

 signals:
  void helpRequested(int context);

 private:
  void limitHeight();

  bool limitHeight_ = false;
  QLineEdit* text_ = nullptr;
  TUnitSpinEdit* height_ = nullptr;
  QRadioButton* thickness_[3] = {};
  QRadioButton* style_[3] = {};
  QCheckBox* mirrorH_ = nullptr;
  QCheckBox* mirrorV_ = nullptr;
  QSpinBox* angle_ = nullptr;
  QCheckBox* addNumber_ = nullptr;
  QSpinBox* start_ = nullptr;
};

// The window for texts of old files (`TXT_Dlg`): text, height and one of four orientations.
class LegacyTextDialog : public QDialog {
  Q_OBJECT

 public:
  LegacyTextDialog(int language, QWidget* parent = nullptr);
  std::optional<LegacyTextValues> ask(const LegacyTextValues& initial);

 private:
  QLineEdit* text_ = nullptr;
  TUnitSpinEdit* height_ = nullptr;
  QRadioButton* orientation_[4] = {};
};

}  // namespace trazello
