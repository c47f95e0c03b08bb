#include "OptionsHotkeyPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MessageBoxes.h"

namespace trazello {

OptionsHotkeyPage::OptionsHotkeyPage(Language language, QWidget* parent)
    : QWidget(parent), language_(language) {
  auto text = [language](const std::string& c) {
    return QString::fromStdString(caption(c, language));
  };
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName("LB_Hotkeys");
  list_->setRootIsDecorated(false);
  list_->setColumnCount(2);
  list_->setHeaderLabels({text("LB_Hotkeys.Tool"), text("LB_Hotkeys.Key")});
  for (int row = 0; row <= kTools; ++row)
    new QTreeWidgetItem(list_, {text("Hotkey" + std::to_string(row)), row == 0 ? "Esc" : ""});
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(list_);

  auto* keyRow = new QHBoxLayout;
  keyRow->addWidget(new QLabel(text("SB_Hotkey"), this));
  keyButton_ = new QToolButton(this);
  keyButton_->setObjectName("SB_Hotkey");
  keyButton_->setPopupMode(QToolButton::InstantPopup);
  keyButton_->setMinimumWidth(48);
  letters_ = new QMenu(keyButton_);
  letters_->setObjectName("POPUP_AZ");
  for (char c = 'A'; c <= 'Z'; ++c) {
    QAction* a = letters_->addAction(QString(QChar::fromLatin1(c)));
    connect(a, &QAction::triggered, this, [this, c] { assign(c); });
  }
  keyButton_->setMenu(letters_);
  keyRow->addWidget(keyButton_);
  keyRow->addStretch(1);
  layout->addLayout(keyRow);
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] { rowSelected(); });
  rowSelected();
}

void OptionsHotkeyPage::fill(const std::string& hotkeys) {
  for (int row = 1; row <= kTools; ++row) {
    const size_t i = static_cast<size_t>(row - 1);
    const char c = i < hotkeys.size() ? hotkeys[i] : '_';
    list_->topLevelItem(row)->setText(1, c == '_' ? QString() : QString(QChar::fromLatin1(c)));
  }
  list_->setCurrentItem(list_->topLevelItem(0));
  rowSelected();
}

std::string OptionsHotkeyPage::applyTo(const std::string& hotkeys) const {
  std::string out = hotkeys;
  out.resize(kTools, '_');
  for (int row = 1; row <= kTools; ++row) {
    const QString key = list_->topLevelItem(row)->text(1);
    if (!key.isEmpty()) out[static_cast<size_t>(row - 1)] = key.at(0).toLatin1();
  }
  return out;
}

bool OptionsHotkeyPage::assign(char letter) {
  const int selected = list_->indexOfTopLevelItem(list_->currentItem());
  if (selected < 1) return false;
  const QString key(QChar::fromLatin1(letter));
  for (int row = 1; row <= kTools; ++row) {
    if (row != selected && list_->topLevelItem(row)->text(1) == key) {
      showMessage(this, {MessageKind::Warning, MessageId::HotkeyInUse, {std::string(1, letter)}},
                  language_);
      return false;
    }
  }
  list_->topLevelItem(selected)->setText(1, key);
  keyButton_->setText(key);
  return true;
}

void OptionsHotkeyPage::rowSelected() {
  QTreeWidgetItem* item = list_->currentItem();
  const int row = item ? list_->indexOfTopLevelItem(item) : -1;
  keyButton_->setEnabled(row >= 1);
  keyButton_->setText(item ? item->text(1) : QString());
}

}  // namespace trazello
