#include "app/UndoController.h"

#include <gtest/gtest.h>

#include <QAction>

#include "model/Document.h"

namespace trazello {
namespace {

TEST(UndoController, ActionsAreEnabledExactlyWhenTheirListIsNotEmpty) {
  Document doc;
  doc.elements().append(newTrack(10, 1));
  UndoHistory history;
  UndoController controller(doc, history);
  QAction undoMenu, undoButton, redoMenu;
  controller.addUndoAction(&undoMenu);
  controller.addUndoAction(&undoButton);
  controller.addRedoAction(&redoMenu);
  int restored = 0;
  QObject::connect(&controller, &UndoController::restored, [&] { ++restored; });
  EXPECT_FALSE(undoMenu.isEnabled());
  EXPECT_FALSE(redoMenu.isEnabled());

  controller.recordStep();
  doc.elements().edit(0).Width = 20;
  EXPECT_TRUE(undoMenu.isEnabled());
  EXPECT_TRUE(undoButton.isEnabled());

  bool drawing = true;
  controller.setPolylineInProgress([&] { return drawing; });
  undoButton.trigger();
  EXPECT_EQ(doc.elements()[0].Width, 20);
  drawing = false;
  undoButton.trigger();
  EXPECT_EQ(doc.elements()[0].Width, 10);
  EXPECT_EQ(restored, 1);
  EXPECT_FALSE(undoMenu.isEnabled());
  EXPECT_TRUE(redoMenu.isEnabled());

  redoMenu.trigger();
  EXPECT_EQ(doc.elements()[0].Width, 20);
  EXPECT_FALSE(redoMenu.isEnabled());
}

}  // namespace
}  // namespace trazello
