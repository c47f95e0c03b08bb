#pragma once

#include <QDialog>
#include <QMap>

#include "Captions.h"
#include "model/ElementList.h"
#include "output/IsolationJob.h"
#include "view/ColourScheme.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace trazello {

class TUnitSpinEdit;

// The isolation-milling window: the copper layer, the tool width, how texts are milled, the
// mirroring, the reference holes, centring marks and the drill plots. It is made once and keeps
// its choices for the run; the reference holes are shared with the outline-milling window.
class TUmrissDlg : public QDialog {
  Q_OBJECT

 public:
  // Beside the drill window's context and before the outline-milling window's.
  static constexpr int kHelpContext = 35000;

  TUmrissDlg(Language language, QWidget* parent = nullptr);

  // Before each showing: the text and drill options are offered only when the board's copper
  // holds such elements; the layer panels take the scheme's colours; lengths follow the unit.
  void prepare(const ElementList& elements, const ColourScheme& scheme, bool mil);

  // The choices as the isolation job takes them; the plotter factor, the CAM origin and the
  // drill files' language come from the program's settings.
  IsolationOptions options() const;

  ReferenceHoles referenceHoles() const;
  void setReferenceHoles(const ReferenceHoles& refs);

  QAbstractButton* control(const QString& name) const { return controls_.value(name); }
  TUnitSpinEdit* millingWidth() const { return width_; }
  TUnitSpinEdit* drillMillingWidth() const { return drillWidth_; }

 signals:
  void helpRequested(int context);

 private:
  QString text(const char* control) const;
  QWidget* buildLayers();
  QWidget* buildTexts();
  QWidget* buildMirror();
  QWidget* buildOptions();
  QWidget* buildDrills();
  QRadioButton* radio(const char* name, QWidget* parent);
  QCheckBox* check(const char* name, QWidget* parent);
  bool on(const char* name) const;
  // The enabling rules that follow the choices.
  void follow();

  Language language_;
  QMap<QString, QAbstractButton*> controls_;
  QMap<QString, QLabel*> labels_;
  TUnitSpinEdit* width_ = nullptr;
  TUnitSpinEdit* drillWidth_ = nullptr;
  bool anyPlainText_ = false, anyMarkedText_ = false, anyHole_ = false;
};

}  // namespace trazello
