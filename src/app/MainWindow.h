#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QTabBar>
#include <QToolButton>
#include <array>
#include <optional>

#include "AppPaths.h"
#include "AppSettings.h"
#include "Captions.h"
#include "DrawingArea.h"
#include "edit/UndoHistory.h"
#include "view/ScannedCopy.h"
#include "files/RecentFiles.h"
#include "model/Document.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"

class QAction;
class QMenu;
class QPushButton;

namespace trazello {

class AutoSaveTimer;
class BoardMapWidget;
class TOptionsDlg;
class SizeBar;
class UndoController;
class GridMenu;
class RulerWidget;

// The editor's one window: menus, board tabs, the drawing area, layer buttons and the status
// line. It owns the document and the settings for the whole run.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(AppPaths paths, QWidget* parent = nullptr);

  Document& document() { return doc_; }
  const AppSettings& settings() const { return settings_; }
  const SchemeStore& schemes() const { return schemes_; }
  DrawingArea* drawingArea() { return area_; }
  Language language() const { return lang_; }
  QAction* action(const QString& component) const { return actions_.value(component); }
  // The tool selected by a hotkey (position in the hotkey string); 0 is the edit tool.
  int currentTool() const { return tool_; }
  RulerWidget* horizontalRuler() const { return hRuler_; }
  RulerWidget* verticalRuler() const { return vRuler_; }
  BoardMapWidget* boardMap() const { return map_; }
  GridMenu* gridMenu() const { return gridMenu_; }
  QLabel* hintLabel() const { return hintLabel_; }
  QPushButton* hideScanButton() const { return hideScanButton_; }
  QPushButton* scanOnlyButton() const { return scanOnlyButton_; }
  ScannedCopies& scans() { return scans_; }
  TOptionsDlg* optionsDialog() const { return optionsDlg_; }
  AutoSaveTimer* autoSaveTimer() const { return autoSave_; }
  // The displayed coordinates of the last pointer position, as the status line shows them.
  QString coordinateText() const;

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
  bool event(QEvent* e) override;

 private:
  void buildMenus();
  QMenu* buildMenu(const QString& name);
  void connectCommands();
  void buildLayerBar();
  void buildStatusLine();
  QWidget* buildViewport();
  void buildAreaMenu();
  void buildScanButtons();
  void refreshView();
  void refreshMarkers();
  void refreshScanButtons();
  void reloadScans();
  void setOriginAtPointer(bool exact);
  void showLayerInfo();
  void showScannedCopy();
  void applyGridOptions();
  void applySettings();
  void applyDrawingOptions();
  void applyUnit();
  // The general settings window and the autosave timer, made once at start.
  void buildSettingsWindows();
  void optionsApplied();
  void showAutoSave();
  void buildEditBars();
  // After any command: the undo buttons and the size fields follow the board.
  void refreshEditState();
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
  UndoHistory undo_;
  UndoController* undoController_ = nullptr;
  SizeBar* sizeBar_ = nullptr;
  QTabBar* tabs_ = nullptr;
  QMap<QString, QAction*> actions_;
  QMap<QString, QMenu*> menus_;
  QMap<int, QAction*> visibleActions_, activeActions_, visibleButtons_, activeButtons_;
  QLabel* xLabel_ = nullptr;
  QLabel* yLabel_ = nullptr;
  QToolButton* unitButton_ = nullptr;
  QToolButton* gridButton_ = nullptr;
  GridMenu* gridMenu_ = nullptr;
  RulerWidget* hRuler_ = nullptr;
  RulerWidget* vRuler_ = nullptr;
  BoardMapWidget* map_ = nullptr;
  QWidget* mapPanel_ = nullptr;
  QMenu* areaMenu_ = nullptr;
  QLabel* hintLabel_ = nullptr;
  QPushButton* hideScanButton_ = nullptr;
  QPushButton* scanOnlyButton_ = nullptr;
  ScannedCopies scans_;
  std::string lastScan_;                  // the last scanned-copy file that loaded
  std::array<std::string, 2> scanFiles_;  // the files the images in scans_ came from
  std::optional<std::array<uint8_t, 2>> hiddenScans_;  // the show flags while "hide" is held
  TOptionsDlg* optionsDlg_ = nullptr;
  AutoSaveTimer* autoSave_ = nullptr;
  int tool_ = -1;
  bool syncingTabs_ = false;
};

}  // namespace trazello
