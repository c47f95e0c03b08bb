#pragma once

#include <QWidget>

#include "app/Captions.h"

class QCheckBox;
class QRadioButton;

namespace trazello {

// The "Photoview" window: which side the board is seen from, with or without silkscreen, with
// or without X-ray. The photo view is on exactly while the window is shown.
class PhotoViewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoViewWindow(Language language, QWidget* parent = nullptr);

  // 1 seen from side 1, 2 from side 2 (mirrored).
  int side() const;
  void setSide(int side);
  bool withSilkscreen() const;
  bool xray() const;

  QRadioButton* sideButton(int side) const;
  QCheckBox* silkscreenBox() const { return silk_; }
  QCheckBox* xrayBox() const { return xray_; }

 signals:
  // A control was clicked, or the window was shown or hidden: the view must follow.
  void changed();
  // Esc or the close box: the user is done with the photo view.
  void closedByUser();
  void helpRequested(int context);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QRadioButton* side1_ = nullptr;
  QRadioButton* side2_ = nullptr;
  QCheckBox* silk_ = nullptr;
  QCheckBox* xray_ = nullptr;
};

}  // namespace trazello
