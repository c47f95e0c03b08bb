#pragma once

#include <QDockWidget>
#include <array>
#include <vector>

#include "checks/DesignRuleCheck.h"
#include "model/Document.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPainter;
class QProgressBar;
class QPushButton;

namespace trazello {

class DrawingArea;
class IniFile;
class SchemeStore;
class TUnitSpinEdit;
struct ViewMapping;

// The design rule check panel (`TDRC_Dlg`): the rules, "Complete..." and "Window...", progress,
// the list of findings with their layer colours, and the hatched markers of the selected
// findings on the drawing. Escape aborts a running check.
class DrcPanel : public QDockWidget {
  Q_OBJECT

 public:
  DrcPanel(Document& doc, DrawingArea& area, const SchemeStore& schemes, int language,
           QWidget* parent = nullptr);

  // Rules from and to the settings file's section DRC (lengths as hundredths of a millimetre).
  void readSettings(const IniFile& ini);
  void writeSettings(IniFile& ini) const;
  void setMil(bool on);
  DrcSettings rules() const;

  // Runs the check on the whole drawing area or on its visible part.
  void checkComplete();
  void checkWindow();
  const std::vector<Finding>& findings() const { return findings_; }
  QListWidget* list() const { return list_; }
  // Another board, or the board's elements replaced: the findings no longer apply.
  void boardChanged();
  // Draws the markers of the selected findings over the board.
  void paintMarkers(QPainter& painter, const ViewMapping& mapping) const;
  // Zooms the drawing to finding `row` (the list's double click).
  void zoomTo(int row);

 private:
  void run(const IRect& window);
  QWidget* buildRules(int language);
  bool eventFilter(QObject* watched, QEvent* e) override;

  Document& doc_;
  DrawingArea& area_;
  const SchemeStore& schemes_;
  int language_;
  std::array<QCheckBox*, 11> checks_{};
  std::array<TUnitSpinEdit*, 7> lengths_{};
  QPushButton* complete_ = nullptr;
  QPushButton* window_ = nullptr;
  QPushButton* selectAll_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* progressText_ = nullptr;
  QListWidget* list_ = nullptr;
  std::vector<Finding> findings_;
  bool running_ = false;
  bool abort_ = false;
};

}  // namespace trazello
