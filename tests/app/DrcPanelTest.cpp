// The design rule check panel in the real window.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "WindowFixture.h"
#include "app/DrawingArea.h"
#include "app/DrcPanel.h"
#include "app/TUnitSpinEdit.h"

namespace trazello::testing {
namespace {

class DrcWindow : public WindowFixture {};

TEST_F(DrcWindow, CompleteCheckListsFindingsSelectsThemAndZoomsToOne) {
  auto w = open();
  ASSERT_TRUE(w->openFile(TRAZELLO_SOURCE_DIR "/examples/demo.trz", false));
  w->action("DRCCheck1")->trigger();
  DrcPanel* panel = w->drcPanel();
  ASSERT_TRUE(panel->isVisible());
  EXPECT_TRUE(w->action("DRCCheck1")->isChecked());

  // Every track is thinner than 5 mm.
  panel->findChild<TUnitSpinEdit*>("SE_TrackMin")->setValue(5.0);
  panel->findChild<QPushButton*>("B_Komplett")->click();
  QListWidget* list = panel->list();
  ASSERT_GT(list->count(), 0);
  ASSERT_EQ(size_t(list->count()), panel->findings().size());
  bool thin = false;
  for (int i = 0; i < list->count(); ++i) thin = thin || list->item(i)->text() == "Track too thin";
  EXPECT_TRUE(thin);
  EXPECT_EQ(list->selectedItems().size(), list->count());  // every marker shown after a run

  list->clearSelection();
  panel->findChild<QPushButton*>("B_SelectAll")->click();
  EXPECT_EQ(list->selectedItems().size(), list->count());

  // Zoomed far in at the board's top left, a double click brings the finding into the middle.
  DrawingArea* area = w->drawingArea();
  area->setZoom(2.0);
  area->centreOn({0, 0});
  const IRect m = panel->findings().back().marker;
  QListWidgetItem* last = list->item(list->count() - 1);
  const QPoint at = list->visualItemRect(last).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    at);  // a double click is a click and then another
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  const Point centre = area->viewCentre();
  const int32_t w3 = 3 * (m.right - m.left) + 50, h3 = 3 * (m.bottom - m.top) + 50;
  EXPECT_NEAR(centre.x, (m.left + m.right) / 2.0, w3);
  EXPECT_NEAR(centre.y, (m.top + m.bottom) / 2.0, h3);
  EXPECT_LT(area->zoom(), 2.0);

  // Fewer rules, fewer findings; the rules go to the settings file's DRC section.
  for (QCheckBox* box : panel->findChildren<QCheckBox*>()) box->setChecked(false);
  panel->findChild<QPushButton*>("B_Komplett")->click();
  EXPECT_EQ(list->count(), 0);
}

}  // namespace
}  // namespace trazello::testing
