#include "TextDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "TUnitSpinEdit.h"
#include "files/TextEncoding.h"

namespace trazello {

namespace {

constexpr int kTextHelpContext = 13000;

// The window's own captions: Russian, English, French.
struct Caption3 {
  const char* name;
  const char* text[3];
};

constexpr Caption3 kCaptions[] = {
    {"Title", {"Текст", "Text", "Texte"}},
    {"Height", {"Высота (мм)", "Height (mm)", "Hauteur (mm)"}},
    {"Width", {"Толщина", "Width", "Épaisseur"}},
    {"RB_Duenn", {"&Тонкий", "&Thin", "&Fin"}},
    {"RB_Normal", {"&Обычный", "&Normal", "&Normal"}},
    {"RB_Dick", {"&Жирный", "&Bold", "&Gras"}},
    {"Style", {"Стиль", "Style", "Style"}},
    {"RB_Stil_Eng", {"Узкий", "Narrow", "Étroit"}},
    {"RB_Stil_Normal", {"Обычный", "Normal", "Normal"}},
    {"RB_Stil_Weit", {"Широкий", "Wide", "Large"}},
    {"Mirror", {"Зеркально", "Mirror", "Miroir"}},
    {"CB_Horz", {"По горизонтали", "Horizontal", "Horizontal"}},
    {"CB_Vert", {"По вертикали", "Vertical", "Vertical"}},
    {"Orientation", {"Ориентация", "Orientation", "Orientation"}},
    {"Automatic", {"Автоматически", "Automatic", "Automatique"}},
    {"CB_WillsteZahl", {"Добавить номер", "Add number", "Ajouter un numéro"}},
    {"Start", {"Начать с:", "Start at:", "Commencer à :"}},
};

QString caption(const char* name, int language) {
  const int l = std::clamp(language, 0, 2);
  for (const Caption3& c : kCaptions) {
    if (std::string_view(c.name) == name) return QString::fromUtf8(c.text[l]);
  }
  return QString::fromUtf8(name);
}

QString shown(const std::string& cp1252) {
  return QString::fromStdString(cp1252ToUtf8(cp1252));
}
std::string stored(const QString& s) {
  return utf8ToCp1252(s.toStdString());
}

QRadioButton* radio(const char* name, int language, QWidget* parent) {
  auto* r = new QRadioButton(caption(name, language), parent);
  r->setObjectName(name);
  return r;
}

}  // namespace

TextDialog::TextDialog(int language, QWidget* parent) : QDialog(parent) {
  setObjectName("LinienText_Dlg");
  setWindowTitle(caption("Title", language));
  auto* layout = new QVBoxLayout(this);
  text_ = new QLineEdit(this);
  text_->setObjectName("E_Text");
  text_->setMaxLength(50);
  layout->addWidget(text_);

  auto* grid = new QGridLayout;
  auto* heightBox = new QGroupBox(caption("Height", language), this);
  height_ = new TUnitSpinEdit(heightBox);
  height_->setObjectName("SE_Hoehe");
  height_->setMin(0.1);
  height_->setMax(50);
  height_->setDecimals(1);
  height_->setStep(0.1);
  height_->setWithUnit(false);
  (new QVBoxLayout(heightBox))->addWidget(height_);
  connect(height_, &TUnitSpinEdit::editExit, this, &TextDialog::limitHeight);
  grid->addWidget(heightBox, 0, 0);

  auto group = [&](const char* title, QRadioButton*(&buttons)[3], const char* names[3]) {
    auto* box = new QGroupBox(caption(title, language), this);
    auto* v = new QVBoxLayout(box);
    for (int i = 0; i < 3; ++i) v->addWidget(buttons[i] = radio(names[i], language, box));
    return box;
  };
  const char* thicknessNames[3] = {"RB_Duenn", "RB_Normal", "RB_Dick"};
  const char* styleNames[3] = {"RB_Stil_Eng", "RB_Stil_Normal", "RB_Stil_Weit"};
  grid->addWidget(group("Width", thickness_, thicknessNames), 0, 1);
  grid->addWidget(group("Style", style_, styleNames), 0, 2);
  for (QRadioButton* r : thickness_)
    connect(r, &QRadioButton::toggled, this, &TextDialog::limitHeight);

  auto* mirrorBox = new QGroupBox(caption("Mirror", language), this);
  auto* mv = new QVBoxLayout(mirrorBox);
  mirrorH_ = new QCheckBox(caption("CB_Horz", language), mirrorBox);
  mirrorH_->setObjectName("CB_Horz");
  mirrorV_ = new QCheckBox(caption("CB_Vert", language), mirrorBox);
  mirrorV_->setObjectName("CB_Vert");
  mv->addWidget(mirrorH_);
  mv->addWidget(mirrorV_);
  grid->addWidget(mirrorBox, 1, 0);

  auto* angleBox = new QGroupBox(caption("Orientation", language), this);
  auto* av = new QGridLayout(angleBox);
  angle_ = new QSpinBox(angleBox);
  angle_->setObjectName("SE_Winkel");
  angle_->setRange(0, 359);
  angle_->setSuffix(QString::fromUtf8("°"));
  av->addWidget(angle_, 0, 0, 1, 4);
  const int quarter[4] = {0, 90, 180, 270};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(QString::number(quarter[i]) + QString::fromUtf8("°"), angleBox);
    b->setObjectName(QString("B_W%1").arg(quarter[i]));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, a = quarter[i]] { angle_->setValue(a); });
    av->addWidget(b, 1, i);
  }
  grid->addWidget(angleBox, 1, 1);

  auto* autoBox = new QGroupBox(caption("Automatic", language), this);
  auto* nv = new QVBoxLayout(autoBox);
  addNumber_ = new QCheckBox(caption("CB_WillsteZahl", language), autoBox);
  addNumber_->setObjectName("CB_WillsteZahl");
  start_ = new QSpinBox(autoBox);
  start_->setObjectName("SE_Start");
  start_->setRange(0, 9999);
  nv->addWidget(addNumber_);
  nv->addWidget(new QLabel(caption("Start", language), autoBox));
  nv->addWidget(start_);
  grid->addWidget(autoBox, 1, 2);
  layout->addLayout(grid);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kTextHelpContext); });
  layout->addWidget(buttons);
}

void TextDialog::limitHeight() {
  if (!limitHeight_) return;
  // Thin strokes need taller characters to stay legible.
  const double minimum = thickness_[0]->isChecked() ? 2.5 : thickness_[1]->isChecked() ? 1.5 : 1.0;
  if (height_->value() < minimum) height_->setValue(minimum);
}

void TextDialog::setValues(const TextWindowValues& v) {
  text_->setText(shown(v.text));
  height_->setValue(v.heightMm);
  thickness_[std::clamp(v.thickness, 0, 2)]->setChecked(true);
  style_[std::clamp(v.widthCode, 0, 2)]->setChecked(true);
  mirrorH_->setChecked(v.mirrorH);
  mirrorV_->setChecked(v.mirrorV);
  angle_->setValue(v.angle);
  addNumber_->setChecked(v.addNumber);
  start_->setValue(v.startNumber);
}

TextWindowValues TextDialog::values() const {
  TextWindowValues v;
  v.text = stored(text_->text());
  v.heightMm = height_->value();
  for (int i = 0; i < 3; ++i) {
    if (thickness_[i]->isChecked()) v.thickness = i;
    if (style_[i]->isChecked()) v.widthCode = i;
  }
  v.mirrorH = mirrorH_->isChecked();
  v.mirrorV = mirrorV_->isChecked();
  v.angle = angle_->value();
  v.addNumber = addNumber_->isChecked();
  v.startNumber = start_->value();
  return v;
}

std::optional<TextWindowValues> TextDialog::ask(const TextWindowValues& initial) {
  setValues(initial);
  text_->selectAll();
  text_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  limitHeight();
  return values();
}

LegacyTextDialog::LegacyTextDialog(int language, QWidget* parent) : QDialog(parent) {
  setObjectName("TXT_Dlg");
  setWindowTitle(caption("Title", language));
  auto* layout = new QVBoxLayout(this);
  text_ = new QLineEdit(this);
  text_->setObjectName("Edit1");
  text_->setMaxLength(15);
  layout->addWidget(text_);
  height_ = new TUnitSpinEdit(this);
  height_->setObjectName("SE_Hoehe");
  height_->setMin(1);
  height_->setMax(99.9);
  height_->setDecimals(1);
  layout->addWidget(height_);
  auto* row = new QHBoxLayout;
  const char* names[4] = {"RB_0", "RB_90", "RB_180", "RB_270"};
  for (int i = 0; i < 4; ++i) {
    orientation_[i] = new QRadioButton(QString::number(i * 90) + QString::fromUtf8("°"), this);
    orientation_[i]->setObjectName(names[i]);
    row->addWidget(orientation_[i]);
  }
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

std::optional<LegacyTextValues> LegacyTextDialog::ask(const LegacyTextValues& initial) {
  text_->setText(shown(initial.text));
  height_->setValue(initial.heightMm);
  orientation_[std::clamp(initial.angle / 90, 0, 3)]->setChecked(true);
  text_->selectAll();
  text_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  LegacyTextValues v;
  v.text = stored(text_->text());
  v.heightMm = height_->value();
  for (int i = 0; i < 4; ++i) {
    if (orientation_[i]->isChecked()) v.angle = i * 90;
  }
  return v;
}

}  // namespace trazello
