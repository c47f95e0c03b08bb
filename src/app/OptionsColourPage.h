#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "Captions.h"
#include "view/SchemeEditor.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace trazello {

// The colour page of the general settings window: the scheme list, one panel per editable
// colour and "Reset scheme to default". Picked colours are shown at once; OK keeps them and
// writes the user scheme's file, Cancel brings back what was active when the window opened.
class OptionsColourPage : public QWidget {
  Q_OBJECT

 public:
  // Asks the user for a colour starting at `initial`; nothing when cancelled.
  using Picker = std::function<std::optional<QColor>(const QColor& initial)>;

  OptionsColourPage(SchemeStore& schemes, std::string customColoursFile, Language language,
                    QWidget* parent = nullptr);

  void setPicker(Picker picker) { picker_ = std::move(picker); }
  // The window opens: edit a copy of the active colours.
  void open();
  // OK; the message when the scheme file could not be written.
  std::optional<Message> accept();
  void cancel();
  bool modified() const { return editor_.modified(); }
  // The panel of a scheme slot, for the window's tests and tab order.
  QPushButton* panel(SchemeSlot slot) const;

 signals:
  // The active colours changed while the window is open: the view repaints.
  void coloursShown();

 private:
  void refresh();
  void pick(size_t panelIndex);
  void chooseScheme(int index);
  std::optional<QColor> pickWithCustomColours(const QColor& initial);

  SchemeStore& schemes_;
  SchemeEditor editor_;
  std::string customColoursFile_;
  Language language_;
  Picker picker_;
  QComboBox* list_ = nullptr;
  QPushButton* reset_ = nullptr;
  std::array<QPushButton*, 10> panels_{};
  std::array<QLabel*, 10> labels_{};
  bool filling_ = false;
};

}  // namespace trazello
