#pragma once

#include <QDialog>
#include <QMap>

#include "Captions.h"
#include "output/OutlineMilling.h"

class QAbstractButton;
class QLabel;

namespace trazello {

// The outline-milling window: all or only the selected outline elements, the mirroring and the
// reference holes (copied from and back to the isolation window). Made once, keeps its choices.
class TKonturFraesenDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 35500;

  TKonturFraesenDlg(Language language, QWidget* parent = nullptr);

  // Before each showing: "Selected elements" is offered only when an outline element is
  // selected, else "All elements" is forced.
  void prepare(bool anySelected, const ReferenceHoles& refs);
  // The choices; the plotter factor and the CAM origin come from the settings.
  OutlineMillingOptions options() const;

  QAbstractButton* control(const QString& name) const { return controls_.value(name); }

 signals:
  void helpRequested(int context);

 private:
  QString text(const char* control) const;
  bool on(const char* name) const;
  void followCorners();

  Language language_;
  QMap<QString, QAbstractButton*> controls_;
  QMap<QString, QLabel*> labels_;
};

}  // namespace trazello
