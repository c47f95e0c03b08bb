#pragma once

#include <QWidget>

#include "app/Captions.h"
#include "edit/tools/ToolHost.h"

class QLabel;

namespace trazello {

class TUnitSpinEdit;

// The autorouter's settings window `TAutoRouter`: track width and clearance for the next
// route and a status line; always on top while the autoroute tool is chosen.
class AutoRouterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AutoRouterWindow(Language language, QWidget* parent = nullptr);

  // The width and clearance in units.
  RouteSizes sizes() const;
  void setMil(bool on);
  // Shows a status text (UTF-8) at once, even while a route keeps the window busy.
  void showStatus(const std::string& text);
  QString status() const;

  TUnitSpinEdit* widthEdit() const { return width_; }
  TUnitSpinEdit* clearanceEdit() const { return clearance_; }

 signals:
  // Esc or the close box: the user is done with the autoroute tool.
  void closedByUser();
  void helpRequested(int context);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TUnitSpinEdit* width_ = nullptr;
  TUnitSpinEdit* clearance_ = nullptr;
  QLabel* info_ = nullptr;
};

}  // namespace trazello
