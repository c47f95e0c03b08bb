#include "FootprintWizardDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

#include "DialogButtons.h"
#include "FootprintPreview.h"
#include "PackageTypePicture.h"
#include "TUnitSpinEdit.h"

namespace trazello {

namespace {

QString text(const std::string& name, Language language) {
  return QString::fromStdString(caption("TBTWizardDlg." + name, language));
}

}  // namespace

FootprintWizardDialog::FootprintWizardDialog(Language language, const SchemeStore& schemes,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName("TBTWizardDlg");
  setWindowTitle(QString::fromStdString(caption("TBTWizardDlg", language)));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  body->addWidget(buildFields(language));
  preview_ = new FootprintPreview(schemes, this);
  preview_->setPattern(&pattern_);
  body->addWidget(preview_, 1);
  layout->addLayout(body, 1);
  layout->addWidget(okCancelHelpButtons(this, text("OKBtn", language), text("CancelBtn", language),
                                        language, [this] { emit helpRequested(); }));
  filling_ = true;
  applyDefaults();
  filling_ = false;
  refresh();
}

QWidget* FootprintWizardDialog::buildFields(Language language) {
  auto* fields = new QWidget(this);
  auto* form = new QFormLayout(fields);
  type_ = new QComboBox(fields);
  type_->setObjectName("CB_Typ");
  for (int i = 0; i < 5; ++i) type_->addItem(text("CB_Typ." + std::to_string(i), language));
  form->addRow(text("CB_Typ", language), type_);
  picture_ = new PackageTypePicture(fields);
  form->addRow(picture_);

  auto* kinds = new QHBoxLayout;
  auto* group = new QButtonGroup(fields);
  for (auto [button, name] : {std::pair{&round_, "SB_Rund"}, std::pair{&smd_, "SB_SMD"}}) {
    *button = new QToolButton(fields);
    (*button)->setObjectName(name);
    (*button)->setText(text(name, language));
    (*button)->setCheckable(true);
    group->addButton(*button);
    kinds->addWidget(*button);
  }
  round_->setChecked(true);
  form->addRow(text("PadKind", language), kinds);

  padOuter_ = length("SE_XPad", 99.9, 1.80);
  padDrill_ = length("SE_YPad", 99.9, 0.60);
  smdWidth_ = length("SE_SMDX", 99.9, 0.90);
  smdHeight_ = length("SE_SMDY", 99.9, 1.80);
  d_ = length("SE_D", 99.99, 2.54);
  y_ = length("SE_Y", 99.99, 2.54);
  x_ = length("SE_X", 99.99, 2.54);
  for (TUnitSpinEdit* e : {padOuter_, padDrill_, smdWidth_, smdHeight_, d_, y_, x_})
    form->addRow(text(e->objectName().toStdString(), language), e);
  for (auto [box, name, value] :
       {std::tuple{&perRow_, "SE_HAnz", 12}, std::tuple{&perColumn_, "SE_VAnz", 1}}) {
    *box = new QSpinBox(fields);
    (*box)->setObjectName(name);
    (*box)->setRange(1, 99);
    (*box)->setValue(value);
    connect(*box, &QSpinBox::valueChanged, this, &FootprintWizardDialog::refresh);
    form->addRow(text(name, language), *box);
  }
  total_ = new QLabel(fields);
  total_->setObjectName("L_Total");
  form->addRow(text("L_Total", language), total_);
  auto* defaults = new QPushButton(text("B_Default", language), fields);
  defaults->setObjectName("B_Default");
  defaults->setAutoDefault(false);
  form->addRow(defaults);

  connect(type_, &QComboBox::currentIndexChanged, this, &FootprintWizardDialog::refresh);
  connect(group, &QButtonGroup::buttonToggled, this, &FootprintWizardDialog::refresh);
  connect(defaults, &QPushButton::clicked, this, [this] {
    filling_ = true;
    applyDefaults();
    filling_ = false;
    refresh();
  });
  return fields;
}

TUnitSpinEdit* FootprintWizardDialog::length(const char* name, double max, double value) {
  auto* e = new TUnitSpinEdit(this);
  e->setObjectName(name);
  e->setMin(0);
  e->setMax(max);
  e->setDecimals(2);
  e->setStep(0.01);
  e->setWithUnit(true);
  e->setValue(value);
  connect(e, &TUnitSpinEdit::editChange, this, &FootprintWizardDialog::refresh);
  return e;
}

void FootprintWizardDialog::applyDefaults() {
  setValues(footprintDefaults(values().type, values()));
}

void FootprintWizardDialog::setValues(const FootprintValues& v) {
  const bool wasFilling = filling_;
  filling_ = true;
  type_->setCurrentIndex(int(v.type));
  (v.smd ? smd_ : round_)->setChecked(true);
  padOuter_->setValue(v.padOuterMm);
  padDrill_->setValue(v.padDrillMm);
  smdWidth_->setValue(v.smdWidthMm);
  smdHeight_->setValue(v.smdHeightMm);
  d_->setValue(v.pitchMm);
  y_->setValue(v.yMm);
  x_->setValue(v.xMm);
  perRow_->setValue(v.perRow);
  perColumn_->setValue(v.perColumn);
  filling_ = wasFilling;
  refresh();
}

FootprintValues FootprintWizardDialog::values() const {
  FootprintValues v;
  v.type = PackageType(std::clamp(type_->currentIndex(), 0, 4));
  v.smd = smd_->isChecked();
  v.padOuterMm = padOuter_->value();
  v.padDrillMm = padDrill_->value();
  v.smdWidthMm = smdWidth_->value();
  v.smdHeightMm = smdHeight_->value();
  v.pitchMm = d_->value();
  v.yMm = y_->value();
  v.xMm = x_->value();
  v.perRow = perRow_->value();
  v.perColumn = perColumn_->value();
  return v;
}

void FootprintWizardDialog::setMil(bool on) {
  for (TUnitSpinEdit* e : {padOuter_, padDrill_, smdWidth_, smdHeight_, d_, y_, x_}) e->setMil(on);
}

void FootprintWizardDialog::setLayer(uint8_t layerCode) {
  layer_ = layerCode;
  refresh();
}

void FootprintWizardDialog::refresh() {
  if (filling_) return;
  const FootprintValues v = values();
  picture_->setType(v.type);
  perColumn_->setEnabled(usesPerColumn(v.type));
  y_->setEnabled(usesY(v.type));
  x_->setEnabled(usesX(v.type));
  padOuter_->setEnabled(!v.smd);
  padDrill_->setEnabled(!v.smd);
  smdWidth_->setEnabled(v.smd);
  smdHeight_->setEnabled(v.smd);
  total_->setText(QString::number(footprintPadCount(v)));
  pattern_ = generateFootprint(v, layer_);
  preview_->update();
}

std::optional<ElementList> FootprintWizardDialog::ask(uint8_t layerCode) {
  setLayer(layerCode);
  if (exec() != QDialog::Accepted) return std::nullopt;
  refresh();
  return pattern_;
}

}  // namespace trazello
