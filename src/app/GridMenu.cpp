#include "GridMenu.h"

#include <QActionGroup>
#include <algorithm>
#include <cmath>

#include "GridDialog.h"
#include "view/GridCaptions.h"

namespace trazello {

GridMenu::GridMenu(AppSettings& settings, Language language, std::function<double()> currentGrid,
                   QWidget* parent)
    : QMenu(parent),
      settings_(settings),
      language_(language),
      currentGrid_(std::move(currentGrid)) {
  connect(this, &QMenu::aboutToShow, this, &GridMenu::rebuild);
}

QString GridMenu::text(const char* component) const {
  return QString::fromStdString(caption(component, language_));
}

void GridMenu::insertUserStep(std::vector<int>& steps, int tag) {
  const double value = userGridValue(tag);
  if (userStepIndex(steps, value) >= 0) return;
  const auto at =
      std::find_if(steps.begin(), steps.end(), [&](int t) { return userGridValue(t) > value; });
  steps.insert(at, tag);
}

int GridMenu::userStepIndex(const std::vector<int>& steps, double grid) {
  for (size_t i = 0; i < steps.size(); ++i) {
    if (std::abs(userGridValue(steps[i]) - grid) < 1e-6) return static_cast<int>(i);
  }
  return -1;
}

void GridMenu::rebuild() {
  clear();
  // The submenu and the groups of the last opening are children too; clear() leaves them.
  qDeleteAll(findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
  qDeleteAll(findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
  const LengthUnit unit = settings_.mil ? LengthUnit::Mil : LengthUnit::Millimetre;
  const double grid = currentGrid_();
  auto* steps = new QActionGroup(this);
  for (const FixedGridStep& step : fixedGridSteps()) {
    QAction* a = addAction(QString::fromStdString(
        fixedGridCaption(step, unit, unitNamesFor(static_cast<int>(language_)))));
    a->setCheckable(true);
    a->setChecked(std::lround(grid * 10000) == step.tag);
    steps->addAction(a);
    connect(a, &QAction::triggered, this,
            [this, step] { emit gridChosen(fixedGridValue(step.tag)); });
  }
  addSeparator();
  const int current = userStepIndex(settings_.gridSteps, grid);
  for (size_t i = 0; i < settings_.gridSteps.size(); ++i) {
    const int tag = settings_.gridSteps[i];
    QAction* a = addAction(QString::fromStdString(
        userGridCaption(tag, unit, unitNamesFor(static_cast<int>(language_)))));
    a->setObjectName(QString("R_User%1").arg(tag));
    a->setCheckable(true);
    a->setChecked(static_cast<int>(i) == current);
    steps->addAction(a);
    connect(a, &QAction::triggered, this, [this, tag] { emit gridChosen(userGridValue(tag)); });
  }
  QAction* add = addAction(text("R_Hinzufuegen"));
  add->setObjectName("R_Hinzufuegen");
  connect(add, &QAction::triggered, this, &GridMenu::addStep);
  QAction* remove = addAction(text("R_Entfernen"));
  remove->setObjectName("R_Entfernen");
  remove->setEnabled(current >= 0);
  connect(remove, &QAction::triggered, this, &GridMenu::removeStep);
  addSeparator();
  addMarksMenu();
  QAction* show = addAction(text("Rastersichtbar1"));
  show->setObjectName("Rastersichtbar1");
  show->setCheckable(true);
  show->setChecked(settings_.gridVisible);
  connect(show, &QAction::triggered, this, [this](bool on) {
    settings_.gridVisible = on;
    emit gridOptionsChanged();
  });
}

void GridMenu::addMarksMenu() {
  QMenu* marks = addMenu(text("Rastermarkierung1"));
  marks->setObjectName("Rastermarkierung1");
  auto* group = new QActionGroup(marks);
  for (int m : {0, 2, 4, 5, 10}) {
    QAction* a = marks->addAction(m == 0 ? text("RM_Aus") : QString::number(m));
    a->setObjectName(m == 0 ? QString("RM_Aus") : QString("RM_%1").arg(m));
    a->setCheckable(true);
    a->setChecked(settings_.gridMarks == m);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, m] {
      settings_.gridMarks = m;
      emit gridOptionsChanged();
    });
  }
}

void GridMenu::addStep() {
  const auto tag = GridDialog::ask(parentWidget(), language_, settings_.mil);
  if (!tag) return;
  const int existing = userStepIndex(settings_.gridSteps, userGridValue(*tag));
  if (existing < 0) insertUserStep(settings_.gridSteps, *tag);
  emit gridChosen(userGridValue(*tag));
}

void GridMenu::removeStep() {
  const int i = userStepIndex(settings_.gridSteps, currentGrid_());
  if (i >= 0) settings_.gridSteps.erase(settings_.gridSteps.begin() + i);
}

}  // namespace trazello
