#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>

#include "ModalScript.h"
#include "app/MainWindow.h"

namespace trazello::testing {

// A main window in a fresh program folder of its own (English, no settings file yet), and a way
// to answer the message boxes it opens.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    paths_.programFolder = dir_.path().toStdString() + "/";
    paths_.dataFolder = paths_.programFolder;
    std::ofstream(paths_.languageFile()) << "[Sprache]\nSprache=1\n";
  }

  std::unique_ptr<MainWindow> open() {
    auto w = std::make_unique<MainWindow>(paths_);
    w->resize(1000, 700);
    w->show();
    QTest::qWait(10);
    return w;
  }

  // Answers the next message box with `button`, and remembers its text.
  void answerNextBox(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [this, button] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        lastBox_ = box->text();
        box->button(button)->click();
      }
    });
  }

  // Runs the command of the menu entry while `script` answers its windows.
  void run(MainWindow& w, const char* command, ModalScript& script) {
    QAction* action = w.action(command);
    ASSERT_TRUE(action && action->isEnabled()) << command;
    script.start();
    action->trigger();
    EXPECT_TRUE(script.finished()) << command;
  }

  QTemporaryDir dir_;
  AppPaths paths_;
  QString lastBox_;
};

}  // namespace trazello::testing
