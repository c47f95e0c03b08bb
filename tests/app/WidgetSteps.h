#pragma once

// What a user does to a window's controls, found by their component names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <fstream>
#include <sstream>
#include <string>

namespace trazello::testing {

inline std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

template <typename W>
W* child(QWidget* parent, const char* name) {
  W* w = parent->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Near the left edge: check and radio boxes only take clicks on their indicator and text.
inline void click(QWidget* parent, const char* name) {
  auto* button = child<QAbstractButton>(parent, name);
  ASSERT_TRUE(button && button->isEnabled()) << name;
  const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
  QTest::mouseClick(button, Qt::LeftButton, {},
                    indicator ? QPoint(6, button->height() / 2) : button->rect().center());
}

inline bool enabled(QWidget* parent, const char* name) {
  QWidget* w = child<QWidget>(parent, name);
  return w && w->isEnabled();
}

}  // namespace trazello::testing
