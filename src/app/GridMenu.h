#pragma once

#include <QMenu>
#include <functional>
#include <vector>

#include "AppSettings.h"
#include "Captions.h"

namespace trazello {

// The drop-down of the grid button: the fixed steps, the user's own steps in ascending order
// with "add" and "remove current", the subdivision marks and "Show grid". The user steps live in
// the settings and so survive a restart.
class GridMenu : public QMenu {
  Q_OBJECT

 public:
  GridMenu(AppSettings& settings, Language language, std::function<double()> currentGrid,
           QWidget* parent = nullptr);

  // Inserts a user step (hundredths of a millimetre) in ascending order unless it is there.
  static void insertUserStep(std::vector<int>& steps, int tag);
  // The user step equal to a grid step in units, or -1.
  static int userStepIndex(const std::vector<int>& steps, double grid);

 signals:
  void gridChosen(double step);
  // Marks or visibility changed: the view must be repainted.
  void gridOptionsChanged();

 private:
  void rebuild();
  void addStep();
  void removeStep();
  void addMarksMenu();
  QString text(const char* component) const;

  AppSettings& settings_;
  Language language_;
  std::function<double()> currentGrid_;
};

}  // namespace trazello
