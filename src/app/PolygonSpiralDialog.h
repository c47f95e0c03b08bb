#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "Captions.h"
#include "edit/PolygonSpiral.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;
class QTabWidget;

namespace trazello {

class TUnitSpinEdit;

// The polygon and spiral window (`VielEckDlg`): an equilateral polygon or a spiral, one page each;
// the page shown when OK is pressed is the shape. It keeps its values between uses.
class PolygonSpiralDialog : public QDialog {
  Q_OBJECT

 public:
  PolygonSpiralDialog(Language language, QWidget* parent = nullptr);

  void setValues(const PolygonSpiralValues& v);
  PolygonSpiralValues values() const;
  // Lengths in mil instead of millimetres.
  void setMil(bool on);
  // Shows the window modally; none on Cancel.
  std::optional<PolygonSpiralValues> ask();
  // What the Help button opens.
  void setHelp(std::function<void()> help) { help_ = std::move(help); }

 private:
  TUnitSpinEdit* length(const char* name, double min, double max, double value, int decimals);

  std::function<void()> help_;
  QTabWidget* pages_ = nullptr;
  QSpinBox* corners_ = nullptr;
  TUnitSpinEdit* radius_ = nullptr;
  TUnitSpinEdit* lineWidth_ = nullptr;
  QDoubleSpinBox* offset_ = nullptr;
  QCheckBox* filled_ = nullptr;
  TUnitSpinEdit* start_ = nullptr;
  TUnitSpinEdit* distance_ = nullptr;
  TUnitSpinEdit* trackWidth_ = nullptr;
  QDoubleSpinBox* turns_ = nullptr;
};

}  // namespace trazello
