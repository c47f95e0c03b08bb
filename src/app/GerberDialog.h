#pragma once

#include <QDialog>
#include <QMap>
#include <QSet>

#include "Captions.h"
#include "output/TGerberDlg.h"
#include "view/ColourScheme.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace trazello {

class TUnitSpinEdit;

// The Gerber export window: one layer per file, its options and the mask offsets. It is made
// once and keeps its choices between exports; the button logic is TGerberDlg's, the window only
// shows that state and hands clicks to it.
class GerberDialog : public QDialog {
  Q_OBJECT

 public:
  GerberDialog(Language language, QWidget* parent = nullptr);

  // Before each showing: which layers the board can fill, the layer colours and the unit.
  void prepare(const ElementList& elements, const ColourScheme& scheme, bool mil);
  // The window's choices as the state holds them.
  const TGerberDlg& state();

 signals:
  void helpRequested(int context);

 private:
  void buildLayers(QGroupBox* group);
  QGroupBox* buildOptions();
  QGroupBox* buildMaskOptions();
  QCheckBox* check(const char* name, QWidget* parent);
  TUnitSpinEdit* offset(const char* name, double min, double max, QWidget* parent);
  QString text(std::string_view control) const;
  void layerClicked(GerberLayer l);
  // Widgets to state and back.
  void pull();
  void push();

  Language language_;
  TGerberDlg state_;
  QMap<GerberLayer, QRadioButton*> layers_;
  QMap<GerberLayer, QLabel*> swatches_;
  QCheckBox *spiegeln_ = nullptr, *umriss_ = nullptr, *bohrungenFrei_ = nullptr,
            *koernen_ = nullptr, *loetaugen_ = nullptr, *smdPads_ = nullptr, *sonstige_ = nullptr,
            *invertieren_ = nullptr;
  TUnitSpinEdit *laOffset_ = nullptr, *smdOffset_ = nullptr, *sonstigeOffset_ = nullptr;
  QPushButton* ok_ = nullptr;
  QSet<TUnitSpinEdit*> edited_;  // changed by the user since the state was last shown
};

}  // namespace trazello
