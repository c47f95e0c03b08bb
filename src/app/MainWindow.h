#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QTabBar>
#include <QToolButton>

#include "AppPaths.h"
#include "AppSettings.h"
#include "Captions.h"
#include "DrawingArea.h"
#include "files/RecentFiles.h"
#include "model/Document.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"

class QAction;
class QMenu;

namespace trazello {

// The editor's one window: menus, board tabs, the drawing area, layer buttons and the status
// line. It owns the document and the settings for the whole run.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(AppPaths paths, QWidget* parent = nullptr);

  Document& document() { return doc_; }
  const AppSettings& settings() const { return settings_; }
  DrawingArea* drawingArea() { return area_; }
  Language language() const { return lang_; }
  QAction* action(const QString& component) const { return actions_.value(component); }
  // The tool selected by a hotkey (position in the hotkey string); 0 is the edit tool.
  int currentTool() const { return tool_; }

  // A layout named on the command line: opened when it exists and is a layout file.
  void openFromCommandLine(const QString& path);
  // Opens a layout; messages go to message boxes. Returns whether it was read.
  bool openFile(const QString& path, bool importing);
  // Save or Save As; false when it failed or was cancelled.
  bool save();
  bool saveAs();
  // Asks "Save changes?" when needed; false when the user cancelled or the save failed.
  bool maySafelyDiscard();
  void updateTitle();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildMenus();
  QMenu* buildMenu(const QString& name);
  void connectCommands();
  void buildLayerBar();
  void buildStatusLine();
  void applySettings();
  void storeSettings();
  void refreshBoardTabs();
  void refreshHistoryMenu();
  void refreshLayerControls();
  void refreshGridCaption();
  void boardSwitched();
  void documentReplaced();
  bool handleKey(QKeyEvent* e);
  void showCoordinates(Point world);
  QString tr3(const char* component) const;

  // Commands.
  void newDocument();
  void openDocument();
  void importBoards();
  void newBoard();
  void boardProperties();
  void copyBoard();
  void deleteBoard();
  void moveBoard(int how);
  void projectInfo();
  void removeConnections();
  void toggleGroundPlane();
  void setActiveLayer(uint8_t layerCode);
  void toggleLayer(uint8_t layerCode);
  void toggleUnit();
  void setGrid(double step);
  void openHelp();

  AppPaths paths_;
  Language lang_;
  IniFile ini_;
  AppSettings settings_;
  RecentFiles recent_;
  Document doc_;
  SchemeStore schemes_;
  RenderOptions options_;
  DrawingArea* area_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QMap<QString, QAction*> actions_;
  QMap<QString, QMenu*> menus_;
  QMap<int, QAction*> visibleActions_, activeActions_, visibleButtons_, activeButtons_;
  QLabel* xLabel_ = nullptr;
  QLabel* yLabel_ = nullptr;
  QToolButton* unitButton_ = nullptr;
  QToolButton* gridButton_ = nullptr;
  int tool_ = -1;
  bool syncingTabs_ = false;
};

}  // namespace trazello
