#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "AppPaths.h"
#include "AppSettings.h"
#include "Captions.h"
#include "OptionsColourPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

namespace trazello {

class OptionsHotkeyPage;
class SchemeStore;

// The general settings window, created once and reused. It shows copies of the program-wide
// settings and writes them back only on OK, in a fixed order; Cancel leaves the settings alone
// and brings back the colours that were active when it opened.
class TOptionsDlg : public QDialog {
  Q_OBJECT

 public:
  enum Page { General, Colours, Folders, Library, Undo, Capacity, Hotkeys };
  // Asks for a folder, starting at `start`; an empty answer means cancelled.
  using FolderBrowser = std::function<QString(const QString& caption, const QString& start)>;

  TOptionsDlg(AppSettings& settings, SchemeStore& schemes, const AppPaths& paths, Language language,
              QWidget* parent = nullptr);

  // Fills every page from the settings and opens the window (modal to its parent) on `page`.
  void showOn(int page);
  int currentPage() const;

  void setFolderBrowser(FolderBrowser browser) { browser_ = std::move(browser); }
  OptionsColourPage* colourPage() const { return colourPage_; }
  OptionsHotkeyPage* hotkeyPage() const { return hotkeyPage_; }

 signals:
  // OK wrote the settings; the window follows them. `unitChanged`: mm and mil swapped;
  // `macroFolderChanged`: the library must be read again from the new folder.
  void applied(bool unitChanged, bool macroFolderChanged);
  // The active colours changed (a colour was picked, a scheme chosen, or Cancel restored them).
  void coloursShown();

 protected:
  void done(int result) override;

 private:
  QWidget* buildGeneralPage();
  QWidget* buildFoldersPage();
  QWidget* buildLibraryPage();
  QWidget* buildUndoPage();
  QWidget* buildCapacityPage();
  void addPage(const char* captionName, QWidget* page);
  void showPage(int page);
  void fill();
  void apply();
  void browseFolder(int index);
  QString text(const char* component) const;

  AppSettings& settings_;
  AppPaths paths_;
  Language language_;
  FolderBrowser browser_;
  QTreeWidget* tabs_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QLabel* header_ = nullptr;
  QComboBox* unit_ = nullptr;
  QComboBox* drills_ = nullptr;
  std::array<QCheckBox*, 10> checks_{};
  std::array<QLineEdit*, 5> folders_{};
  QLabel* macroFolder_ = nullptr;
  QSpinBox* undo_ = nullptr;
  QSpinBox* copper_ = nullptr;
  QSpinBox* heating_ = nullptr;
  OptionsColourPage* colourPage_ = nullptr;
  OptionsHotkeyPage* hotkeyPage_ = nullptr;
};

}  // namespace trazello
