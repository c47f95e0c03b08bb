// The macro library panel in the real window: choosing, dropping, saving, deleting.
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "ModalScript.h"
#include "WindowFixture.h"
#include "app/DrawingArea.h"
#include "app/MacroLibraryPanel.h"
#include "app/MacroPreview.h"
#include "files/MacroFile.h"
#include "model/CopperGeometry.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

namespace fs = std::filesystem;

// A window whose default library folder (beside the program) holds two macros.
class MacroWindow : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    library_ = paths_.macroLibrary();
    fs::create_directories(library_ + "/ic");
    ElementList dip;
    dip.append(newPad({0, 0}, layer::C1, 3, 60, 25));
    dip.append(newPad({254, 0}, layer::C1, 1, 60, 25));
    TObjekt outline = newTrack(15, layer::S1);
    outline.Points = {{-100, 100}, {354, 100}, {354, -100}, {-100, -100}};
    dip.append(outline);
    ASSERT_FALSE(writeMacroFile(library_ + "/ic/dip2.tzm", dip, false, {"two pins", ""}));
    ElementList logo;
    TObjekt ring = newCircle({0, 0}, layer::S1, 200, 150);
    logo.append(ring);
    ASSERT_FALSE(writeMacroFile(library_ + "/Logo.tzm", logo, false, {}));
  }

  std::unique_ptr<MainWindow> openWithPanel() {
    auto w = open();
    if (!w->macroPanel()->isVisible()) w->action("Makrofenster1")->trigger();
    QTest::qWait(10);
    return w;
  }

  static QTreeWidgetItem* item(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
  }

  // A user's click on a node, its folder opened first.
  static void clickNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    for (QTreeWidgetItem* p = node->parent(); p; p = p->parent()) p->setExpanded(true);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
  }

  // What the drag of a macro from the panel delivers to the drawing area at `world`.
  static void dropAt(MainWindow& w, Point world) {
    QWidget* target = w.drawingArea()->viewport();
    const QPointF at = w.drawingArea()->pixelAt(world);
    QMimeData data;
    data.setData("application/x-trazello-macro", QByteArray("macro"));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    EXPECT_EQ(w.drawingArea()->preview().shapeSource, Preview::ShapeSource::Own);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(w.drawingArea()->preview().shapeSource, Preview::ShapeSource::None);
  }

  std::string library_;
};

TEST_F(MacroWindow, ChooseAMacroDropItOnTheBoardAndUndo) {
  auto w = openWithPanel();
  MacroLibraryPanel* panel = w->macroPanel();
  QTreeWidget* tree = panel->tree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "ic");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "Logo.tzm");

  clickNode(tree, item(tree, "dip2.tzm"));
  EXPECT_EQ(panel->buffer().path(), library_ + "/ic/dip2.tzm");
  EXPECT_EQ(w->document().macroBuffer().size(), 3u);
  EXPECT_EQ(panel->commentEdit(0)->text(), "two pins");

  w->document().working().grid = 127;
  dropAt(*w, {2000, -3000});
  const ElementList& els = w->document().elements();
  ASSERT_EQ(els.size(), 3u);
  // The reference pad lands on the grid point nearest the pointer.
  EXPECT_EQ(els[0].X, 2032);
  EXPECT_EQ(els[0].Y, -3048);
  for (const TObjekt& e : els) {
    EXPECT_EQ(e.Selected, 1);
    EXPECT_EQ(e.Groups, std::vector<int32_t>{1});
  }
  EXPECT_TRUE(w->document().modified());
  EXPECT_TRUE(w->action("Undo")->isEnabled());

  w->action("Undo")->trigger();
  EXPECT_TRUE(w->document().elements().empty());
}

TEST_F(MacroWindow, SaveASelectionAsMacroAndFindItInTheTree) {
  auto w = openWithPanel();
  MacroLibraryPanel* panel = w->macroPanel();
  clickNode(panel->tree(), item(panel->tree(), "dip2.tzm"));
  ElementList& board = w->document().elements();
  TObjekt pad = newSmdPad({1000, -2000}, layer::C1, 100, 50);
  pad.Selected = 1;
  board.append(pad);
  board.append(newPad({3000, -3000}, layer::C1, 1, 60, 25));  // not selected

  SaveFileRequest asked;
  panel->setSaveFileChooser([&](QWidget*, const SaveFileRequest& r) {
    asked = r;
    return QString::fromStdString(library_ + "/ic/smd.tzm");
  });
  w->action("Makrospeichern1")->trigger();
  EXPECT_EQ(asked.folder.toStdString(), library_ + "/ic");  // where the chosen node lies
  EXPECT_EQ(asked.filter, "Layout-Macros (*.tzm)|*.TZM");
  QTreeWidgetItem* current = panel->tree()->currentItem();
  ASSERT_TRUE(current);
  EXPECT_EQ(current->text(0), "smd.tzm");
  EXPECT_EQ(panel->buffer().path(), library_ + "/ic/smd.tzm");
  ASSERT_EQ(w->document().macroBuffer().size(), 1u);
  // The pad is the reference point.
  EXPECT_EQ(padLikeCentre(w->document().macroBuffer()[0]), (Point{0, 0}));
  EXPECT_EQ(w->document().macroBuffer()[0].Kind, ElementKind::SmdPad);

  // Nothing selected: the whole board, after the question; "No" stops.
  board.edit(0).Selected = 0;
  int asks = 0;
  panel->setSaveFileChooser([&](QWidget*, const SaveFileRequest&) {
    ++asks;
    return QString::fromStdString(library_ + "/whole.tzm");
  });
  answerNextBox(QMessageBox::No);
  w->action("Makrospeichern1")->trigger();
  EXPECT_EQ(lastBox_, "No objects selected.\nSave whole layout as macro?");
  EXPECT_EQ(asks, 0);
  answerNextBox(QMessageBox::Yes);
  w->action("Makrospeichern1")->trigger();
  EXPECT_EQ(asks, 1);
  Result<MacroFile> whole = readMacroFile(library_ + "/whole.tzm");
  ASSERT_TRUE(whole.ok());
  EXPECT_EQ(whole->elements.size(), 2u);
}

TEST_F(MacroWindow, TheToolBarButtonAndTheMenuEntryShowAndHideThePanelTogether) {
  auto w = openWithPanel();
  QAction* button = w->action("SB_Makrofenster");
  QAction* entry = w->action("Makrofenster1");
  ASSERT_TRUE(button->isEnabled());
  EXPECT_TRUE(button->isChecked());
  auto* bar = w->findChild<QToolBar*>("EditBar");
  QTest::mouseClick(bar->widgetForAction(button), Qt::LeftButton);
  QTest::qWait(10);
  EXPECT_FALSE(w->macroPanel()->isVisible());
  EXPECT_FALSE(button->isChecked());
  EXPECT_FALSE(entry->isChecked());
  entry->trigger();
  QTest::qWait(10);
  EXPECT_TRUE(w->macroPanel()->isVisible());
  EXPECT_TRUE(button->isChecked());
}

TEST_F(MacroWindow, AnEmptyBoardIsNotSavedAsMacro) {
  auto w = openWithPanel();
  answerNextBox(QMessageBox::Ok);
  w->action("Makrospeichern1")->trigger();
  EXPECT_EQ(lastBox_, "There are no elements on the board.");
}

TEST_F(MacroWindow, EditedCommentsAreWrittenBackAndTheChoiceOutlivesARestart) {
  {
    auto w = openWithPanel();
    MacroLibraryPanel* panel = w->macroPanel();
    clickNode(panel->tree(), item(panel->tree(), "dip2.tzm"));
    QLineEdit* second = panel->commentEdit(1);
    second->setFocus();
    QTest::keyClicks(second, "DIP-2, 7.62 mm");
    clickNode(panel->tree(), item(panel->tree(), "Logo.tzm"));
    EXPECT_TRUE(second->text().isEmpty());
    Result<MacroFile> dip = readMacroFile(library_ + "/ic/dip2.tzm");
    ASSERT_TRUE(dip.ok());
    EXPECT_EQ(dip->comments, (MacroComments{"two pins", "DIP-2, 7.62 mm"}));
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_TRUE(w->macroPanel()->isVisible());
  ASSERT_TRUE(w->macroPanel()->tree()->currentItem());
  EXPECT_EQ(w->macroPanel()->tree()->currentItem()->text(0), "Logo.tzm");
  EXPECT_EQ(w->document().macroBuffer().size(), 1u);
}

TEST_F(MacroWindow, ButtonsTurnTheBufferAndDeleteAsksFirst) {
  auto w = openWithPanel();
  MacroLibraryPanel* panel = w->macroPanel();
  w->document().working().activeLayer = layer::C1;  // the macro's own side: shown as drawn
  clickNode(panel->tree(), item(panel->tree(), "dip2.tzm"));
  EXPECT_FALSE(panel->mirrorButton()->isChecked());
  panel->mirrorButton()->click();
  EXPECT_EQ(w->document().macroBuffer()[1].X, -254);
  panel->sideButton()->click();
  EXPECT_EQ(w->document().macroBuffer()[0].Layer, layer::C2);
  panel->platingButton()->click();
  EXPECT_EQ(w->document().macroBuffer()[0].Plated, 1);

  panel->tree()->setCurrentItem(item(panel->tree(), "dip2.tzm"));
  answerNextBox(QMessageBox::Cancel);
  panel->findChild<QToolButton*>("SB_MakroDelete")->click();
  EXPECT_EQ(lastBox_, "Delete file \"dip2.tzm\" ?");
  EXPECT_TRUE(fs::exists(library_ + "/ic/dip2.tzm"));
  answerNextBox(QMessageBox::Ok);
  panel->findChild<QToolButton*>("SB_MakroDelete")->click();
  EXPECT_FALSE(fs::exists(library_ + "/ic/dip2.tzm"));
  EXPECT_FALSE(item(panel->tree(), "dip2.tzm"));
}

TEST_F(MacroWindow, DeleteShowsTheNextMacro) {
  ElementList one;
  one.append(newPad({0, 0}, layer::C1, 1, 60, 25));
  ASSERT_FALSE(writeMacroFile(library_ + "/ic/one.tzm", one, false, {"one pin", ""}));
  auto w = openWithPanel();
  MacroLibraryPanel* panel = w->macroPanel();
  clickNode(panel->tree(), item(panel->tree(), "dip2.tzm"));
  answerNextBox(QMessageBox::Ok);
  panel->findChild<QToolButton*>("SB_MakroDelete")->click();
  ASSERT_FALSE(item(panel->tree(), "dip2.tzm"));
  ASSERT_TRUE(panel->tree()->currentItem());
  ASSERT_EQ(panel->tree()->currentItem()->text(0), "one.tzm");
  EXPECT_EQ(panel->buffer().path(), library_ + "/ic/one.tzm");
  EXPECT_EQ(w->document().macroBuffer().size(), 1u);
}

TEST_F(MacroWindow, AMacroThatCannotBeDeletedKeepsItsNodeAndSaysWhy) {
  auto w = openWithPanel();
  MacroLibraryPanel* panel = w->macroPanel();
  clickNode(panel->tree(), item(panel->tree(), "dip2.tzm"));
  // Something else took the file's place after the scan: a folder that cannot be removed.
  const std::string path = library_ + "/ic/dip2.tzm";
  fs::remove(path);
  fs::create_directories(path + "/inside");
  QStringList texts;
  const auto answer = [&texts](QMessageBox* b) {
    texts << b->text();
    b->button(QMessageBox::Ok)->click();
  };
  testing::ModalScript script;
  script.at<QMessageBox>(answer).at<QMessageBox>(answer).start();
  panel->findChild<QToolButton*>("SB_MakroDelete")->click();
  EXPECT_TRUE(script.finished());
  ASSERT_EQ(texts.size(), 2);
  EXPECT_EQ(texts[0], "Delete file \"dip2.tzm\" ?");
  EXPECT_TRUE(texts[1].startsWith(
      QString::fromStdString("The file \"" + path + "\" can not be deleted:")))
      << texts[1].toStdString();
  EXPECT_TRUE(item(panel->tree(), "dip2.tzm"));
  EXPECT_TRUE(fs::exists(path + "/inside"));
}

// Not a check: a picture of the panel for looking at, when TRAZELLO_SCREENSHOT_DIR is set.
TEST_F(MacroWindow, Screenshot) {
  const char* dir = std::getenv("TRAZELLO_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "TRAZELLO_SCREENSHOT_DIR not set";
  auto w = openWithPanel();
  clickNode(w->macroPanel()->tree(), item(w->macroPanel()->tree(), "dip2.tzm"));
  w->macroPanel()->resize(260, 520);
  QTest::qWait(50);
  EXPECT_TRUE(w->macroPanel()->grab().save(QString(dir) + "/macro-panel.png"));
  EXPECT_TRUE(w->grab().save(QString(dir) + "/macro-window.png"));
}

}  // namespace
}  // namespace trazello::testing
