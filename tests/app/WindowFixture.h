#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>
#include <vector>

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

  // Answers the boxes that open one after another, in order, and remembers their texts. Polls,
  // because a box opened from the handler of another exists only after that one has closed.
  void answerBoxes(std::vector<QMessageBox::StandardButton> buttons) {
    auto* poll = new QTimer(QApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [this, poll, buttons, next = size_t(0)]() mutable {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box && box->isVisible()) {
        boxTexts_.push_back(box->text());
        box->button(buttons[next++])->click();
      }
      if (next == buttons.size()) poll->deleteLater();
    });
    poll->start();
  }

  QTemporaryDir dir_;
  AppPaths paths_;
  QString lastBox_;
  QStringList boxTexts_;
};

}  // namespace trazello::testing
