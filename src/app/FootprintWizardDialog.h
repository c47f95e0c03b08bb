#pragma once

#include <QDialog>
#include <optional>

#include "Captions.h"
#include "edit/FootprintWizard.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace trazello {

class FootprintPreview;
class PackageTypePicture;
class SchemeStore;
class TUnitSpinEdit;

// The footprint wizard (`TBTWizardDlg`): package type, pad kind and sizes, distances and counts
// of a standard pad pattern, with a live picture of it. The pattern is the window's own until
// OK hands it over, so Cancel leaves the clipboard alone.
class FootprintWizardDialog : public QDialog {
  Q_OBJECT

 public:
  FootprintWizardDialog(Language language, const SchemeStore& schemes, QWidget* parent = nullptr);

  void setValues(const FootprintValues& v);
  FootprintValues values() const;
  void setMil(bool on);
  // The layer new patterns are made on (the active layer).
  void setLayer(uint8_t layerCode);
  // The pattern of the current values, as the picture shows it.
  const ElementList& pattern() const { return pattern_; }
  // Shows the window modally; the pattern on OK, none on Cancel.
  std::optional<ElementList> ask(uint8_t layerCode);

 signals:
  void helpRequested();

 private:
  QWidget* buildFields(Language language);
  TUnitSpinEdit* length(const char* name, double max, double value);
  void applyDefaults();
  // Follows any change: enabled fields, the total, the pattern and its picture.
  void refresh();

  bool filling_ = false;  // values are being set; refresh once at the end
  uint8_t layer_ = 1;
  ElementList pattern_;
  QComboBox* type_ = nullptr;
  QToolButton* round_ = nullptr;
  QToolButton* smd_ = nullptr;
  TUnitSpinEdit* padOuter_ = nullptr;
  TUnitSpinEdit* padDrill_ = nullptr;
  TUnitSpinEdit* smdWidth_ = nullptr;
  TUnitSpinEdit* smdHeight_ = nullptr;
  TUnitSpinEdit* d_ = nullptr;
  TUnitSpinEdit* y_ = nullptr;
  TUnitSpinEdit* x_ = nullptr;
  QSpinBox* perRow_ = nullptr;
  QSpinBox* perColumn_ = nullptr;
  QLabel* total_ = nullptr;
  FootprintPreview* preview_ = nullptr;
  PackageTypePicture* picture_ = nullptr;
};

}  // namespace trazello
