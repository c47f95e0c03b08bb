#include "GerberDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "TUnitSpinEdit.h"

namespace trazello {

namespace {

struct LayerRow {
  GerberLayer layer;
  const char* swatch;
};

constexpr LayerRow kPlainLayers[] = {{GerberLayer::K1, "P_K1"}, {GerberLayer::B1, "P_B1"},
                                     {GerberLayer::K2, "P_K2"}, {GerberLayer::B2, "P_B2"},
                                     {GerberLayer::I1, "P_I1"}, {GerberLayer::I2, "P_I2"},
                                     {GerberLayer::U, "P_U"}};
constexpr LayerRow kSpecialLayers[] = {{GerberLayer::LStop1, "P_K1L"},
                                       {GerberLayer::LStop2, "P_K2L"},
                                       {GerberLayer::SMD1, "P_K1S"},
                                       {GerberLayer::SMD2, "P_K2S"}};

QString hexColour(ColorRef c) {
  return QString("#%1%2%3")
      .arg(redOf(c), 2, 16, QChar('0'))
      .arg(greenOf(c), 2, 16, QChar('0'))
      .arg(blueOf(c), 2, 16, QChar('0'));
}

}  // namespace

GerberDialog::GerberDialog(Language language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName("TGerberDlg");
  setWindowTitle(text("TGerberDlg"));
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  auto* exportGroup = new QGroupBox(text("GB_Export"), this);
  exportGroup->setObjectName("GB_Export");
  buildLayers(exportGroup);
  columns->addWidget(exportGroup);
  auto* right = new QVBoxLayout;
  right->addWidget(buildOptions());
  right->addWidget(buildMaskOptions());
  right->addStretch();
  columns->addLayout(right);
  layout->addLayout(columns);

  auto* info = new QLabel(text("L_Info"), this);
  info->setObjectName("L_Info");
  layout->addWidget(info);
  layout->addWidget(okCancelHelpButtons(this, text("OKBtn"), text("CancelBtn"), language_,
                                       [this] { emit helpRequested(TGerberDlg::kHelpContext); }, &ok_));
  push();
}

QString GerberDialog::text(std::string_view control) const {
  return QString::fromUtf8(captionOf(TGerberDlg::captions(), control, static_cast<int>(language_)));
}

void GerberDialog::buildLayers(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  // The group only keeps one button checked; an empty board leaves none checked.
  auto* exclusive = new QButtonGroup(group);
  int row = 0;
  auto addRow = [&](const LayerRow& r) {
    auto* button = new QRadioButton(text(gerberButtonName(r.layer)), group);
    button->setObjectName(QString::fromUtf8(gerberButtonName(r.layer)));
    auto* swatch = new QLabel(group);
    swatch->setObjectName(r.swatch);
    swatch->setFixedSize(16, 16);
    grid->addWidget(swatch, row, 0);
    grid->addWidget(button, row++, 1);
    exclusive->addButton(button);
    layers_[r.layer] = button;
    swatches_[r.layer] = swatch;
    connect(button, &QRadioButton::clicked, this, [this, l = r.layer] { layerClicked(l); });
  };
  for (const LayerRow& r : kPlainLayers) addRow(r);
  auto* special = new QLabel(text("L_Sonderlayer"), group);
  special->setObjectName("L_Sonderlayer");
  grid->addWidget(special, row++, 0, 1, 2);
  for (const LayerRow& r : kSpecialLayers) addRow(r);
  grid->setRowStretch(row, 1);
}

QCheckBox* GerberDialog::check(const char* name, QWidget* parent) {
  auto* box = new QCheckBox(text(name), parent);
  box->setObjectName(name);
  return box;
}

TUnitSpinEdit* GerberDialog::offset(const char* name, double min, double max, QWidget* parent) {
  auto* spin = new TUnitSpinEdit(parent);
  spin->setObjectName(name);
  spin->setMin(min);
  spin->setMax(max);
  spin->setDecimals(2);
  spin->setStep(0.01);
  spin->setWithUnit(true);
  spin->setEditTextColor(palette().color(QPalette::Text));
  spin->setEditBkColor(palette().color(QPalette::Base));
  spin->setMinimumWidth(90);
  connect(spin, &TUnitSpinEdit::editChange, this, [this, spin] { edited_.insert(spin); });
  return spin;
}

QGroupBox* GerberDialog::buildOptions() {
  auto* group = new QGroupBox(text("GB_Optionen"), this);
  group->setObjectName("GB_Optionen");
  auto* box = new QVBoxLayout(group);
  spiegeln_ = check("Spiegeln", group);
  umriss_ = check("Umriss", group);
  bohrungenFrei_ = check("BohrungenFrei", group);
  koernen_ = check("Koernen", group);
  for (QCheckBox* c : {spiegeln_, umriss_, bohrungenFrei_, koernen_}) box->addWidget(c);
  connect(bohrungenFrei_, &QCheckBox::clicked, this, [this](bool on) {
    pull();
    state_.BohrungenFreiClick(on);
    push();
  });
  return group;
}

QGroupBox* GerberDialog::buildMaskOptions() {
  auto* group = new QGroupBox(text("GB_Loetstop"), this);
  group->setObjectName("GB_Loetstop");
  auto* grid = new QGridLayout(group);
  loetaugen_ = check("CB_Loetaugen", group);
  smdPads_ = check("CB_SMDPads", group);
  sonstige_ = check("CB_Sonstige", group);
  invertieren_ = check("Invertieren", group);
  laOffset_ = offset("SE_LAOffset", state_.SE_LAOffset.minimum, state_.SE_LAOffset.maximum, group);
  smdOffset_ =
      offset("SE_SMDOffset", state_.SE_SMDOffset.minimum, state_.SE_SMDOffset.maximum, group);
  sonstigeOffset_ = offset("SE_SonstigeOffset", state_.SE_SonstigeOffset.minimum,
                           state_.SE_SonstigeOffset.maximum, group);
  grid->addWidget(loetaugen_, 0, 0);
  grid->addWidget(laOffset_, 0, 1);
  grid->addWidget(smdPads_, 1, 0);
  grid->addWidget(smdOffset_, 1, 1);
  grid->addWidget(sonstige_, 2, 0);
  grid->addWidget(sonstigeOffset_, 2, 1);
  grid->addWidget(invertieren_, 3, 0, 1, 2);
  return group;
}

void GerberDialog::layerClicked(GerberLayer l) {
  pull();
  state_.RB_LayerClick(l);
  push();
}

void GerberDialog::prepare(const ElementList& elements, const ColourScheme& scheme, bool mil) {
  pull();
  state_.prepare(elements);
  for (GerberLayer l : kAllGerberLayers) {
    const auto slot = static_cast<SchemeSlot>(gerberLayerCode(l) + 1);
    swatches_[l]->setStyleSheet(
        QString("background-color: %1; border: 1px solid black;").arg(hexColour(scheme[slot])));
  }
  for (TUnitSpinEdit* spin : {laOffset_, smdOffset_, sonstigeOffset_}) spin->setMil(mil);
  push();
}

const TGerberDlg& GerberDialog::state() {
  pull();
  return state_;
}

void GerberDialog::pull() {
  state_.Spiegeln.checked = spiegeln_->isChecked();
  state_.Umriss.checked = umriss_->isChecked();
  state_.BohrungenFrei.checked = bohrungenFrei_->isChecked();
  state_.Koernen.checked = koernen_->isChecked();
  state_.CB_Loetaugen.checked = loetaugen_->isChecked();
  state_.CB_SMDPads.checked = smdPads_->isChecked();
  state_.CB_Sonstige.checked = sonstige_->isChecked();
  state_.Invertieren.checked = invertieren_->isChecked();
  // Only what the user typed: a value shown in mil is rounded and would drift.
  if (edited_.contains(laOffset_)) state_.SE_LAOffset.value = laOffset_->value();
  if (edited_.contains(smdOffset_)) state_.SE_SMDOffset.value = smdOffset_->value();
  if (edited_.contains(sonstigeOffset_)) state_.SE_SonstigeOffset.value = sonstigeOffset_->value();
  edited_.clear();
}

void GerberDialog::push() {
  for (GerberLayer l : kAllGerberLayers) {
    QRadioButton* button = layers_[l];
    button->group()->setExclusive(false);
    button->setChecked(state_.layerButton(l).checked);
    button->setEnabled(state_.layerButton(l).enabled);
    button->group()->setExclusive(true);
  }
  auto show = [](QCheckBox* box, const TGerberDlg::Check& c) {
    box->setChecked(c.checked);
    box->setEnabled(c.enabled);
  };
  show(spiegeln_, state_.Spiegeln);
  show(umriss_, state_.Umriss);
  show(bohrungenFrei_, state_.BohrungenFrei);
  show(koernen_, state_.Koernen);
  show(loetaugen_, state_.CB_Loetaugen);
  show(smdPads_, state_.CB_SMDPads);
  show(sonstige_, state_.CB_Sonstige);
  show(invertieren_, state_.Invertieren);
  auto value = [](TUnitSpinEdit* spin, const TGerberDlg::Offset& o) {
    spin->setValue(o.value);
    spin->setEnabled(o.enabled);
  };
  value(laOffset_, state_.SE_LAOffset);
  value(smdOffset_, state_.SE_SMDOffset);
  value(sonstigeOffset_, state_.SE_SonstigeOffset);
  edited_.clear();
  ok_->setEnabled(state_.okEnabled());
}

}  // namespace trazello
