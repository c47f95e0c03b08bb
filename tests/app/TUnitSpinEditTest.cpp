#include "app/TUnitSpinEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace trazello {
namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, mods);
  QApplication::sendEvent(w, &e);
}

// Presses the knob, moves it up by each of `moves` pixels in turn, and lets go.
void dragKnob(TUnitSpinEdit& spin, std::vector<int> moves, Qt::KeyboardModifiers mods = {}) {
  QPoint p = spin.knobRect().center();
  sendMouse(&spin, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, mods);
  for (int up : moves) {
    p.ry() -= up;
    sendMouse(&spin, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, mods);
  }
  sendMouse(&spin, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, mods);
}

void clickKnob(TUnitSpinEdit& spin, Qt::MouseButton b, Qt::KeyboardModifiers mods = {}) {
  const QPoint p = spin.knobRect().center();
  sendMouse(&spin, QEvent::MouseButtonPress, p, b, b, mods);
  sendMouse(&spin, QEvent::MouseButtonRelease, p, b, Qt::NoButton, mods);
}

void leaveField(TUnitSpinEdit& spin) {
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(spin.field(), &out);
}

TEST(TUnitSpinEdit, Defaults) {
  TUnitSpinEdit spin;
  EXPECT_EQ(spin.min(), 0);
  EXPECT_DOUBLE_EQ(spin.max(), 99.9);
  EXPECT_DOUBLE_EQ(spin.step(), 0.1);
  EXPECT_EQ(spin.decimals(), 1);
  EXPECT_EQ(spin.field()->text(), "0.0");
  EXPECT_FALSE(spin.mil());
  EXPECT_FALSE(spin.withUnit());
  EXPECT_EQ(spin.editTextColor(), QColor(255, 255, 0));
  EXPECT_EQ(spin.editBkColor(), QColor(0, 0, 0));
}

TEST(TUnitSpinEdit, DecimalCommaIsReadAsAPoint) {
  TUnitSpinEdit spin;
  spin.setDecimals(2);
  spin.field()->setFocus();
  spin.field()->clear();
  QTest::keyClicks(spin.field(), "1,25");
  EXPECT_EQ(spin.field()->text(), "1.25");
  EXPECT_EQ(spin.field()->cursorPosition(), 4);
  leaveField(spin);
  EXPECT_EQ(spin.field()->text(), "1.25");
  EXPECT_DOUBLE_EQ(spin.value(), 1.25);
}

TEST(TUnitSpinEdit, ReadingClampsAndLeavingShowsTheLimit) {
  struct Case {
    const char* typed;
    double value;
    const char* shown;
  };
  for (const Case& c : {Case{"0.5", 2.0, "2.0"}, Case{"abc", 2.0, "2.0"}, Case{"150", 10.0, "10.0"},
                        Case{"3.3", 3.3, "3.3"}}) {
    TUnitSpinEdit spin;
    spin.setMin(2);
    spin.setMax(10);
    spin.field()->setText(c.typed);
    EXPECT_DOUBLE_EQ(spin.value(), c.value) << c.typed;
    leaveField(spin);
    EXPECT_EQ(spin.field()->text(), c.shown) << c.typed;
  }
}

TEST(TUnitSpinEdit, MilAndBackRestoresTheMillimetreSettings) {
  TUnitSpinEdit spin;
  spin.setDecimals(2);
  spin.setStep(0.01);
  spin.setValue(1.5);
  spin.setMil(true);
  EXPECT_EQ(spin.max(), 3933);
  EXPECT_EQ(spin.decimals(), 1);
  EXPECT_DOUBLE_EQ(spin.step(), 0.1);
  EXPECT_EQ(spin.field()->text(), "59.1");
  EXPECT_NEAR(spin.value(), 1.5, 0.01);
  spin.setValue(99.9);
  EXPECT_EQ(spin.field()->text(), "3933.0");  // six characters still fit
  spin.setMil(false);
  EXPECT_DOUBLE_EQ(spin.max(), 99.9);
  EXPECT_DOUBLE_EQ(spin.step(), 0.01);
  EXPECT_EQ(spin.decimals(), 2);
  EXPECT_EQ(spin.field()->text(), "99.90");
}

TEST(TUnitSpinEdit, DragStepsGrowWithTheSquareOfTheDistance) {
  struct Case {
    std::vector<int> moves;
    Qt::KeyboardModifiers mods;
    const char* shown;
  };
  const Case cases[] = {
      {{4}, {}, "5.1"},                   // one step
      {{12}, {}, "5.9"},                  // 3 * 3 steps
      {{3}, {}, "5.1"},                   // too small for a drag: the release is a click
      {{-8}, {}, "4.6"},                  // down: -2 * 2
      {{4, 4}, {}, "5.2"},                // counted per move
      {{4}, Qt::ControlModifier, "6.0"},  // ten steps, on a multiple of ten
  };
  for (const Case& c : cases) {
    TUnitSpinEdit spin;
    spin.setValue(5);
    dragKnob(spin, c.moves, c.mods);
    EXPECT_EQ(spin.field()->text().toStdString(), c.shown) << c.moves.front();
  }
}

TEST(TUnitSpinEdit, ClicksStepUpAndDownAndStayWithinLimits) {
  TUnitSpinEdit spin;
  spin.setValue(1.23);
  clickKnob(spin, Qt::LeftButton);
  EXPECT_EQ(spin.field()->text(), "1.3");
  clickKnob(spin, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(spin.field()->text(), "2.0");  // 1.8 onto a multiple of five steps
  clickKnob(spin, Qt::RightButton, Qt::ControlModifier);
  EXPECT_EQ(spin.field()->text(), "1.5");
  spin.setValue(0);
  clickKnob(spin, Qt::RightButton);
  EXPECT_EQ(spin.field()->text(), "0.0");
}

TEST(TUnitSpinEdit, BackupFiresOnceOnTheFirstChangeAfterEntering) {
  TUnitSpinEdit spin;
  QSignalSpy backups(&spin, &TUnitSpinEdit::backup);
  QSignalSpy changes(&spin, &TUnitSpinEdit::editChange);
  QSignalSpy enters(&spin, &TUnitSpinEdit::editEnter);
  QSignalSpy exits(&spin, &TUnitSpinEdit::editExit);
  spin.field()->setText("1");
  EXPECT_EQ(backups.count(), 0);
  QFocusEvent in(QEvent::FocusIn);
  QApplication::sendEvent(spin.field(), &in);
  spin.field()->setText("2");
  spin.field()->setText("2.5");
  EXPECT_EQ(enters.count(), 1);
  EXPECT_EQ(backups.count(), 1);
  EXPECT_EQ(changes.count(), 3);
  leaveField(spin);
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(backups.count(), 1);
}

TEST(TUnitSpinEdit, DisabledColoursAndUnitLayout) {
  // Spin edits start with the unit words of the window's language, here Russian.
  TUnitSpinEdit::setDefaultUnitNames(QString::fromUtf8("мм"), QString::fromUtf8("мил"));
  TUnitSpinEdit spin;
  spin.setEnabled(false);
  EXPECT_EQ(spin.field()->palette().color(QPalette::Base), QColor(128, 128, 128));
  EXPECT_EQ(spin.field()->palette().color(QPalette::Text), QColor(192, 192, 192));
  spin.setEnabled(true);
  EXPECT_EQ(spin.field()->palette().color(QPalette::Text), QColor(255, 255, 0));

  spin.resize(80, 18);
  spin.show();
  const int plain = spin.field()->width();
  spin.setWithUnit(true);
  spin.setMil(true);
  EXPECT_EQ(spin.unitLabel()->text(), QString::fromUtf8("мил"));
  EXPECT_EQ(spin.field()->width(), plain - spin.unitLabel()->sizeHint().width() - 8);
  EXPECT_EQ(spin.knobRect().left(), spin.field()->geometry().right() + 1 + 3 + 4);
  EXPECT_EQ(spin.unitLabel()->x(), spin.knobRect().right() + 1 + 6);

  TUnitSpinEdit::setDefaultUnitNames("mm", "mil");
  TUnitSpinEdit english;
  english.setMil(true);
  EXPECT_EQ(english.unitLabel()->text(), "mil");
}

}  // namespace
}  // namespace trazello
