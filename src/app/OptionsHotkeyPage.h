#pragma once

#include <QWidget>
#include <string>

#include "Captions.h"

class QMenu;
class QToolButton;
class QTreeWidget;

namespace trazello {

// The hotkey page of the general settings window: one row per tool with its key letter, the
// edit tool first with its fixed Escape, and a drop-down of the letters A to Z for the selected
// row. A letter another tool already has is refused with a message.
class OptionsHotkeyPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTools = 14;

  OptionsHotkeyPage(Language language, QWidget* parent = nullptr);

  // Shows the keys of a hotkey string ("_" or a missing position shows no key).
  void fill(const std::string& hotkeys);
  // The hotkey string with every row's key; a row without a key keeps the old position.
  std::string applyTo(const std::string& hotkeys) const;
  // Gives the selected row the letter, unless another row has it; false when refused.
  bool assign(char letter);

  QTreeWidget* list() const { return list_; }
  QToolButton* keyButton() const { return keyButton_; }

 private:
  void rowSelected();

  Language language_;
  QTreeWidget* list_ = nullptr;
  QToolButton* keyButton_ = nullptr;
  QMenu* letters_ = nullptr;
};

}  // namespace trazello
