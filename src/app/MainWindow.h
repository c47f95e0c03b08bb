#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QTabBar>
#include <QToolButton>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "AppPaths.h"
#include "AppSettings.h"
#include "Captions.h"
#include "DrawingArea.h"
#include "SaveFileChooser.h"
#include "edit/UndoHistory.h"
#include "edit/tools/ToolDispatcher.h"
#include "view/ScannedCopy.h"
#include "files/RecentFiles.h"
#include "model/Document.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"

class QAction;
class QMenu;
class QPushButton;
class QToolBar;

namespace trazello {

class AutoSaveTimer;
class BoardMapWidget;
class DrcPanel;
class FootprintWizardDialog;
class TileDialog;
class TOptionsDlg;
class SizeBar;
class UndoController;
class WertEingabeDlg;
class GridMenu;
class OutputCommands;
class LayerPanel;
class MacroLibraryPanel;
class PhotoViewWindow;
class PrintWindow;
class AutoRouterWindow;
class PropertiesPanel;
class RulerWidget;
class ToolBar;
class WindowToolHost;
class MillingCommands;
struct PictureSource;
enum class RasterKind;

// The copper layer whose ground plane the menu's "GroundPlane" switches: C1 while side 1 is
// active, C2 otherwise.
size_t groundPlaneMenuLayer(int activeLayer);

// The editor's one window: menus, board tabs, the drawing area, layer buttons and the status
// line. It owns the document and the settings for the whole run.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(AppPaths paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  Document& document() { return doc_; }
  const AppSettings& settings() const { return settings_; }
  const SchemeStore& schemes() const { return schemes_; }
  DrawingArea* drawingArea() { return area_; }
  Language language() const { return lang_; }
  QAction* action(const QString& component) const { return actions_.value(component); }
  ToolChoice currentTool() const;
  // Selects a tool as its button does.
  void chooseTool(ToolChoice tool);
  ToolBar* toolBar() const { return toolBar_; }
  ToolDispatcher& tools() { return *tools_; }
  QMenu* nodeMenu() const { return nodeMenu_; }
  QMenu* areaMenu() const { return areaMenu_; }
  QMenu* rotationMenu() const { return rotationMenu_; }
  QMenu* alignMenu() const { return alignMenu_; }
  WertEingabeDlg* valueDialog() const { return valueDlg_; }
  DrcPanel* drcPanel() const { return drc_; }
  PropertiesPanel* propertiesPanel() const { return props_; }
  MacroLibraryPanel* macroPanel() const { return macros_; }
  RulerWidget* horizontalRuler() const { return hRuler_; }
  RulerWidget* verticalRuler() const { return vRuler_; }
  BoardMapWidget* boardMap() const { return map_; }
  GridMenu* gridMenu() const { return gridMenu_; }
  OutputCommands* outputs() const { return outputs_; }
  MillingCommands* milling() const { return milling_; }
  LayerPanel* layerPanel() const { return layerPanel_; }
  QLabel* hintLabel() const { return hintLabel_; }
  QPushButton* hideScanButton() const { return hideScanButton_; }
  QPushButton* scanOnlyButton() const { return scanOnlyButton_; }
  // Status-line panel 2, the ground-plane clearance, and panel 3, the scanned-copy buttons.
  QWidget* groundPlanePanel() const { return planePanel_; }
  QWidget* scanPanel() const { return scanPanel_; }
  ScannedCopies& scans() { return scans_; }
  SchemeStore& schemes() { return schemes_; }
  // After the active colour scheme changed: the layer panel, the scan buttons and the pictures
  // take the new colours.
  void colourSchemeChanged();
  // The photo-view window; the photo view is on exactly while it is shown.
  PhotoViewWindow* photoViewWindow() const { return photo_; }
  AutoRouterWindow* autoRouterWindow() const { return autoRouter_; }
  void showPhotoView(bool on);
  TOptionsDlg* optionsDialog() const { return optionsDlg_; }
  AutoSaveTimer* autoSaveTimer() const { return autoSave_; }
  PrintWindow* printWindow() const { return print_; }
  // The displayed coordinates of the last pointer position, as the status line shows them.
  QString coordinateText() const;

  // A layout named on the command line: opened when it exists and is a layout file.
  void openFromCommandLine(const QString& path);
  // Opens a layout; messages go to message boxes. Returns whether it was read.
  bool openFile(const QString& path, bool importing);
  // Save or Save As; false when it failed or was cancelled.
  bool save();
  bool saveAs();
  // Asks before replacing a read-only file; reports a failed write.
  bool saveTo(const std::string& path);
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
  void connectEditCommands();
  // The footprint wizard and the tile command, with their windows.
  void connectShapeCommands();
  // Isolation and outline milling, their windows and the outline display.
  void connectMillingCommands();
  void openFootprintWizard();
  // The print window and the printer set-up.
  void connectPrintCommands();
  void openPrintWindow();
  void tileCopies();
  // The angle menu, the align menu, naming and the value window they share.
  void buildSelectionMenus();
  void buildSelectionButtons(QToolBar* bar);
  void askRotationAngle();
  void nameSelectedElements();
  // Before the context menu shows: the name "Select:" offers and the properties check.
  void refreshContextEntries();
  // Copy: the selection into the clipboard list, its picture onto the system clipboard.
  void copySelectionToClipboards();
  // After a command: repaint what it touched, refresh the commands and show its message.
  void applyCommand(const Change& c);
  // Gives a command of the menu table its handler and, when it is not always available, the
  // rule for its enabled state. Menu entries and tool bar buttons share the command's action.
  void bind(const QString& name, std::function<void()> run, std::function<bool()> enabled = {});
  // The one refresh path after every change: enabled states of all commands, the undo buttons,
  // the size fields and the layer controls follow the document.
  void refreshCommands();
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
  void buildTools();
  void buildDrcPanel();
  void buildPropertiesPanel();
  // Shows the panel filled and flashing, or hides it.
  void showPropertiesPanel(bool on);
  // Fills the panel from the selection (or the element being drawn) while it is shown.
  void refreshProperties();
  void buildMacroPanel();
  void storeMacroSettings();
  void handleToolEvent(const ToolEvent& e);
  // Space, Delete and the arrows for the tools; returns whether the key was used.
  bool toolKey(QKeyEvent* e, bool pressed);
  void applyOutcome(Outcome o);
  void showToolDisplay(const Outcome::Display& d);
  void setCoordinatePanelAlert(bool on);
  void buildViewButtons(QToolBar* bar);
  QAction* addToolbarEntry(QToolBar* bar, const char* name, const char* icon);
  void buildPhotoView();
  void buildAutoRouter();
  void showAutoRouter(bool on);
  // The view follows the photo-view window: on or off, side, silkscreen, X-ray, and the
  // horizontal scroll position mirrored whenever the picture turns.
  void syncPhotoView();
  // After any command: the undo buttons and the size fields follow the board.
  void refreshEditState();
  // "Remove connections" is offered only while the board has rubberbands.
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
  // Gerber import (MainWindowImport.cpp).
  void connectImportCommands();
  void importGerber();

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
  QMap<QString, std::function<bool()>> enabledRules_;  // bound commands; empty rule = always
  QMap<QString, QMenu*> menus_;
  QMap<int, QAction*> visibleActions_, activeActions_;
  LayerPanel* layerPanel_ = nullptr;
  QLabel* xCaption_ = nullptr;  // " X:", or "dX:"/"Start:" while a tool shows an offset or angle
  QLabel* yCaption_ = nullptr;
  QLabel* xLabel_ = nullptr;
  QLabel* yLabel_ = nullptr;
  QToolButton* unitButton_ = nullptr;
  QToolButton* gridButton_ = nullptr;
  GridMenu* gridMenu_ = nullptr;
  OutputCommands* outputs_ = nullptr;
  RulerWidget* hRuler_ = nullptr;
  RulerWidget* vRuler_ = nullptr;
  BoardMapWidget* map_ = nullptr;
  QWidget* mapPanel_ = nullptr;
  QMenu* areaMenu_ = nullptr;
  QLabel* hintLabel_ = nullptr;
  QPushButton* hideScanButton_ = nullptr;
  QPushButton* scanOnlyButton_ = nullptr;
  QWidget* planePanel_ = nullptr;
  QWidget* scanPanel_ = nullptr;
  ScannedCopies scans_;
  std::string lastScan_;                  // the last scanned-copy file that loaded
  std::array<std::string, 2> scanFiles_;  // the files the images in scans_ came from
  std::optional<std::array<uint8_t, 2>> hiddenScans_;  // the show flags while "hide" is held
  std::unique_ptr<WindowToolHost> toolHost_;
  std::unique_ptr<ToolDispatcher> tools_;  // refers to toolHost_: declared after it
  ToolBar* toolBar_ = nullptr;
  DrcPanel* drc_ = nullptr;
  PropertiesPanel* props_ = nullptr;
  MacroLibraryPanel* macros_ = nullptr;
  QMenu* nodeMenu_ = nullptr;
  ElementId nodeElement_;  // what the open node menu acts on
  ElementId contextElement_;  // the element a right click opened the context menu on
  std::string contextName_;   // the name "Select:" of the open context menu selects
  WertEingabeDlg* valueDlg_ = nullptr;
  QMenu* rotationMenu_ = nullptr;
  QMenu* alignMenu_ = nullptr;
  int nodeIndex_ = -1;
  TOptionsDlg* optionsDlg_ = nullptr;
  AutoSaveTimer* autoSave_ = nullptr;
  bool syncingTabs_ = false;
  std::optional<Point> lastPointer_;  // the world point the coordinates show
  PhotoViewWindow* photo_ = nullptr;
  AutoRouterWindow* autoRouter_ = nullptr;
  bool photoMirrored_ = false;  // the picture on show is mirrored
  FootprintWizardDialog* wizard_ = nullptr;
  TileDialog* tileDialog_ = nullptr;
  PrintWindow* print_ = nullptr;
  MillingCommands* milling_ = nullptr;

  // Picture export (MainWindowExport.cpp): bitmap, GIF, JPEG, metafile and SVG of the board.
 public:
  // Tests answer the pictures' save dialogs without a modal window.
  void setPictureFileChooser(SaveFileChooser chooser) { pictureChooser_ = std::move(chooser); }

 private:
  void connectExportCommands();
  void exportRasterPicture(RasterKind kind);
  void exportVectorPicture(bool metafile);
  PictureSource pictureSource() const;
  QString askPictureFile(std::string_view filter, std::string_view extension);
  SaveFileChooser pictureChooser_ = chooseSaveFile;
};

}  // namespace trazello
