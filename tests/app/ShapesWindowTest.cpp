// The generators in the real window: the special-shape tool, the footprint wizard and the tile
// command, each through its window.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <set>
#include <QToolButton>

#include "ModalScript.h"
#include "WidgetSteps.h"
#include "WindowFixture.h"
#include "app/FootprintWizardDialog.h"
#include "app/PolygonSpiralDialog.h"
#include "app/TUnitSpinEdit.h"
#include "app/TileDialog.h"
#include "app/ToolBar.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

using testing::child;

void press(QWidget* dialog, const char* button) {
  if (auto* b = child<QPushButton>(dialog, button)) b->click();
}

class ShapesWindow : public WindowFixture {
 protected:
  void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
            Qt::MouseButtons held) {
    QWidget* vp = w.drawingArea()->viewport();
    const QPointF at = w.drawingArea()->pixelAt(world);
    QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(vp, &e);
  }
  void click(MainWindow& w, Point world, Qt::MouseButton button = Qt::LeftButton) {
    send(w, QEvent::MouseMove, world, Qt::NoButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, world, button, button);
    send(w, QEvent::MouseButtonRelease, world, button, Qt::NoButton);
  }
  // Triggers an action while `script` answers the windows it opens.
  void run(QAction* action, ModalScript& script) {
    ASSERT_TRUE(action && action->isEnabled());
    script.start();
    action->trigger();
    EXPECT_TRUE(script.finished());
  }
  size_t selectedCount(MainWindow& w) {
    size_t n = 0;
    for (const TObjekt& e : w.document().elements()) n += e.Selected;
    return n;
  }
};

TEST_F(ShapesWindow, WizardPatternIsPlacedWithAClickAndUndoneInOneStep) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;
  ModalScript script;
  script.at<FootprintWizardDialog>([](FootprintWizardDialog* d) {
    // The defaults of a single row are 8 pads; a dual row doubles them.
    EXPECT_EQ(child<QLabel>(d, "L_Total")->text(), "8");
    child<QComboBox>(d, "CB_Typ")->setCurrentIndex(1);
    child<QSpinBox>(d, "SE_HAnz")->setValue(4);
    EXPECT_EQ(child<QLabel>(d, "L_Total")->text(), "8");
    EXPECT_TRUE(child<TUnitSpinEdit>(d, "SE_Y")->isEnabled());
    EXPECT_FALSE(child<TUnitSpinEdit>(d, "SE_X")->isEnabled());
    EXPECT_FALSE(child<TUnitSpinEdit>(d, "SE_SMDX")->isEnabled());
    EXPECT_EQ(d->pattern().size(), 8u);
    press(d, "OKBtn");
  });
  run(w->action("BauteilAssistent1"), script);
  EXPECT_EQ(w->currentTool().code, ToolCode::PastePlacement);
  ASSERT_EQ(doc.clipboard().size(), 8u);
  EXPECT_TRUE(doc.elements().empty());

  // The pattern's centre follows the pointer and lands on the grid.
  send(*w, QEvent::MouseMove, {3000, -3000}, Qt::NoButton, Qt::NoButton);
  click(*w, {5000, -5000});
  ASSERT_EQ(doc.elements().size(), 8u);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  EXPECT_EQ(selectedCount(*w), 8u);
  for (const TObjekt& e : doc.elements()) {
    EXPECT_EQ(e.Kind, ElementKind::Pad);
    EXPECT_FLOAT_EQ(e.SizeA, 80);  // default 1.6 mm pads
  }
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
  w->action("Undo")->trigger();
  EXPECT_TRUE(doc.elements().empty());
}

TEST_F(ShapesWindow, CancelInTheWizardKeepsWhatWasCopied) {
  auto w = open();
  Document& doc = w->document();
  doc.elements().append(newPad({1000, -1000}, layer::C1, 1, 90, 30));
  click(*w, {1000, -1000});  // selects the pad with the edit tool
  w->action("Kopieren1")->trigger();
  ASSERT_EQ(doc.clipboard().size(), 1u);
  const ElementId copied = doc.clipboard()[0].Id;

  ModalScript script;
  script.at<FootprintWizardDialog>([](FootprintWizardDialog* d) {
    child<QToolButton>(d, "SB_SMD")->click();
    EXPECT_TRUE(child<TUnitSpinEdit>(d, "SE_SMDX")->isEnabled());
    EXPECT_FALSE(child<TUnitSpinEdit>(d, "SE_XPad")->isEnabled());
    EXPECT_EQ(d->pattern()[0].Kind, ElementKind::SmdPad);
    // Each package type has a sketch of its own naming its distances.
    std::set<QByteArray> sketches;
    for (int type = 0; type < 5; ++type) {
      child<QComboBox>(d, "CB_Typ")->setCurrentIndex(type);
      const QImage sketch = child<QWidget>(d, "Panel1")->grab().toImage();
      sketches.insert(QByteArray(reinterpret_cast<const char*>(sketch.constBits()),
                                 sketch.sizeInBytes()));
    }
    EXPECT_EQ(sketches.size(), 5u);
    press(d, "CancelBtn");
  });
  run(w->action("BauteilAssistent1"), script);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  ASSERT_EQ(doc.clipboard().size(), 1u);
  EXPECT_EQ(doc.clipboard()[0].Id, copied);
  EXPECT_EQ(doc.elements()[0].Selected, 1);
}

TEST_F(ShapesWindow, TileWindowMakesAGroupedGridOfCopiesUndoneInOneStep) {
  auto w = open();
  Document& doc = w->document();
  doc.elements().append(newPad({1000, -1000}, layer::C1, 1, 90, 30));
  click(*w, {1000, -1000});  // selects the pad with the edit tool

  ModalScript script;
  script.at<TileDialog>([](TileDialog* d) {
    EXPECT_FALSE(child<QSpinBox>(d, "SE_Reihe")->isEnabled());
    child<QSpinBox>(d, "SE_X")->setValue(3);
    child<QSpinBox>(d, "SE_Y")->setValue(2);
    child<TUnitSpinEdit>(d, "SE_dX")->setValue(5);
    press(d, "OKBtn");
  });
  run(w->action("Kacheln2"), script);
  ASSERT_EQ(doc.elements().size(), 6u);
  EXPECT_EQ(selectedCount(*w), 6u);
  EXPECT_FLOAT_EQ(doc.elements()[2].X, 2000);
  EXPECT_FLOAT_EQ(doc.elements()[5].Y, -2000);
  const auto group = doc.elements()[0].Groups;
  ASSERT_FALSE(group.empty());
  for (const TObjekt& e : doc.elements()) EXPECT_EQ(e.Groups.back(), group.back());
  w->action("Undo")->trigger();
  ASSERT_EQ(doc.elements().size(), 1u);
  EXPECT_FLOAT_EQ(doc.elements()[0].X, 1000);
}

TEST_F(ShapesWindow, SpecialShapeButtonPlacesASpiralAndCancelReturnsToEdit) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;
  QAction* button = w->toolBar()->button(ToolChoice{ToolCode::SpecialShape, false});
  ASSERT_TRUE(button && button->isEnabled());

  ModalScript cancel;
  cancel.at<PolygonSpiralDialog>([](PolygonSpiralDialog* d) { press(d, "CancelBtn"); });
  run(button, cancel);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);

  ModalScript script;
  script.at<PolygonSpiralDialog>([](PolygonSpiralDialog* d) {
    child<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
    press(d, "OKBtn");
  });
  run(button, script);
  EXPECT_EQ(w->currentTool().code, ToolCode::SpecialShape);
  click(*w, {4000, -4000});
  ASSERT_EQ(doc.elements().size(), 24u);
  EXPECT_EQ(doc.elements()[0].Kind, ElementKind::Circle);
  click(*w, {4000, -4000}, Qt::RightButton);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
}

}  // namespace
}  // namespace trazello::testing
