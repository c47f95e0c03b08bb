#pragma once

#include <QCursor>
#include <QToolBar>
#include <string>

#include "edit/tools/ToolCode.h"

class QAction;
class QActionGroup;

namespace trazello {

// The tool bar on the left of the drawing area: one exclusive button per tool and the keep-out
// button beside the zone tool. Buttons of tools that do not exist yet stay disabled. The tooltip
// of each button is its hint with its hotkey.
class ToolBar : public QToolBar {
  Q_OBJECT

 public:
  // `hotkeys`: the settings' hotkey string; `language`: 0 Russian, 1 English, 2 French.
  ToolBar(const std::string& hotkeys, int language, QWidget* parent = nullptr);

  // Shows `tool` as the pressed button without emitting anything.
  void showTool(ToolChoice tool);
  // The button of a tool (object names as the components: "SB_Line", ...).
  QAction* button(ToolChoice tool) const;
  QAction* keepOutButton() const { return keepOut_; }
  // The ground-plane switch of the active copper layer (`SB_AutoMasse`).
  QAction* groundPlaneButton() const { return groundPlane_; }
  // Applies a changed hotkey string to the tooltips.
  void setHotkeys(const std::string& hotkeys);

 signals:
  void toolChosen(ToolChoice tool);
  void keepOutToggled(bool down);
  void groundPlaneToggled(bool on);

 private:
  void refreshTooltips();

  std::string hotkeys_;
  int language_;
  QActionGroup* group_ = nullptr;
  QAction* keepOut_ = nullptr;
  QAction* groundPlane_ = nullptr;
};

// The pointer of a tool shape, drawn from our own pictures.
QCursor toolCursor(PointerShape shape);

}  // namespace trazello
