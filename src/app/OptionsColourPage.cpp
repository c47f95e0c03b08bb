#include "OptionsColourPage.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "CustomColours.h"
#include "MessageBoxes.h"
#include "view/Canvas.h"

namespace trazello {

namespace {

struct PanelDef {
  const char* name;     // the panel's component name
  const char* caption;  // the caption of its label
  SchemeSlot slot;
};

constexpr std::array<PanelDef, 10> kPanels = {{
    {"BK", "BK", SchemeSlot::Background},
    {"Raster", "Raster", SchemeSlot::Grid},
    {"K1", "Panel.K1", SchemeSlot::C1},
    {"B1", "Panel.B1", SchemeSlot::S1},
    {"K2", "Panel.K2", SchemeSlot::C2},
    {"B2", "Panel.B2", SchemeSlot::S2},
    {"I1", "Panel.I1", SchemeSlot::I1},
    {"I2", "Panel.I2", SchemeSlot::I2},
    {"Umriss", "Umriss", SchemeSlot::Outline},
    {"Luftlinie", "Luftlinie", SchemeSlot::Connections},
}};

ColorRef fromQColor(const QColor& c) {
  return rgb(c.red(), c.green(), c.blue());
}

}  // namespace

OptionsColourPage::OptionsColourPage(SchemeStore& schemes, std::string customColoursFile,
                                     Language language, QWidget* parent)
    : QWidget(parent),
      schemes_(schemes),
      editor_(schemes),
      customColoursFile_(std::move(customColoursFile)),
      language_(language) {
  auto text = [language](const char* c) { return QString::fromStdString(caption(c, language)); };
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(text("CB_Farben"), this), 0, 0);
  list_ = new QComboBox(this);
  list_->setObjectName("CB_Farben");
  for (const char* c : {"CB_Farben.0", "CB_Farben.1", "CB_Farben.2", "CB_Farben.3"})
    list_->addItem(text(c));
  grid->addWidget(list_, 0, 1);
  for (size_t i = 0; i < kPanels.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    labels_[i] = new QLabel(text(kPanels[i].caption), this);
    panels_[i] = new QPushButton(this);
    panels_[i]->setObjectName(kPanels[i].name);
    panels_[i]->setFixedSize(48, 20);
    grid->addWidget(labels_[i], row, 0);
    grid->addWidget(panels_[i], row, 1);
    connect(panels_[i], &QPushButton::clicked, this, [this, i] { pick(i); });
  }
  reset_ = new QPushButton(text("B_Default"), this);
  reset_->setObjectName("B_Default");
  grid->addWidget(reset_, static_cast<int>(kPanels.size()) + 1, 0, 1, 2);
  grid->setRowStretch(static_cast<int>(kPanels.size()) + 2, 1);
  connect(reset_, &QPushButton::clicked, this, [this] {
    editor_.resetToDefault();
    refresh();
  });
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!filling_) chooseScheme(i);
  });
  picker_ = [this](const QColor& initial) { return pickWithCustomColours(initial); };
}

QPushButton* OptionsColourPage::panel(SchemeSlot slot) const {
  for (size_t i = 0; i < kPanels.size(); ++i) {
    if (kPanels[i].slot == slot) return panels_[i];
  }
  return nullptr;
}

void OptionsColourPage::open() {
  editor_.open();
  refresh();
}

void OptionsColourPage::refresh() {
  filling_ = true;
  list_->setCurrentIndex(editor_.editedIndex());
  filling_ = false;
  const bool editable = editor_.editable();
  for (size_t i = 0; i < kPanels.size(); ++i) {
    const QColor c = toQColor(editor_.working()[kPanels[i].slot]);
    panels_[i]->setStyleSheet(
        QString("background-color: %1; border: 1px solid gray;").arg(c.name()));
    panels_[i]->setEnabled(editable);
    labels_[i]->setEnabled(editable);
  }
  reset_->setEnabled(editable);
}

void OptionsColourPage::pick(size_t panelIndex) {
  const SchemeSlot slot = kPanels[panelIndex].slot;
  const auto chosen = picker_(toQColor(editor_.working()[slot]));
  if (!chosen) return;
  editor_.pickColour(slot, fromQColor(*chosen));
  refresh();
  emit coloursShown();
}

void OptionsColourPage::chooseScheme(int index) {
  bool save = false;
  if (auto question = editor_.switchQuestion())
    save = showMessage(this, *question, language_) == QMessageBox::Yes;
  if (auto failed = editor_.switchTo(index, save)) showMessage(this, *failed, language_);
  refresh();
  emit coloursShown();
}

std::optional<Message> OptionsColourPage::accept() {
  return editor_.accept();
}

void OptionsColourPage::cancel() {
  editor_.cancel();
}

std::optional<QColor> OptionsColourPage::pickWithCustomColours(const QColor& initial) {
  IniFile file = IniFile::load(customColoursFile_);
  CustomColours custom = readCustomColours(file);
  for (size_t i = 0; i < custom.size(); ++i) {
    if (custom[i]) QColorDialog::setCustomColor(static_cast<int>(i), toQColor(*custom[i]));
  }
  const QColor c = QColorDialog::getColor(initial, this);
  if (!c.isValid()) return std::nullopt;
  for (size_t i = 0; i < custom.size(); ++i) {
    const QColor k = QColorDialog::customColor(static_cast<int>(i));
    custom[i] = k.isValid() ? std::optional<ColorRef>(fromQColor(k)) : std::nullopt;
  }
  writeCustomColours(file, custom);
  file.save(customColoursFile_);  // the custom colours are a convenience; losing them is harmless
  return c;
}

}  // namespace trazello
