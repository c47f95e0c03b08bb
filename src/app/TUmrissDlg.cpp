#include "TUmrissDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "TUnitSpinEdit.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

struct LayerRadio {
  const char* radio;
  const char* panel;
  uint8_t layer;
};
constexpr LayerRadio kLayers[] = {{"RB_K1", "P_K1", layer::C1},
                                  {"RB_K2", "P_K2", layer::C2},
                                  {"RB_I1", "P_I1", layer::I1},
                                  {"RB_I2", "P_I2", layer::I2}};

struct Corner {
  const char* button;
  const char* label;
};
// bottom/left first: the order the reference holes are written in
constexpr Corner kCorners[] = {{"SB_Nullpunkt_UL", "L_UL"},
                               {"SB_Nullpunkt_UR", "L_UR"},
                               {"SB_Nullpunkt_OL", "L_OL"},
                               {"SB_Nullpunkt_OR", "L_OR"}};

QString hexColour(ColorRef c) {
  return QString("#%1%2%3")
      .arg(redOf(c), 2, 16, QChar('0'))
      .arg(greenOf(c), 2, 16, QChar('0'))
      .arg(blueOf(c), 2, 16, QChar('0'));
}

TUnitSpinEdit* lengthEdit(const char* name, QWidget* parent) {
  auto* edit = new TUnitSpinEdit(parent);
  edit->setObjectName(name);
  edit->setMin(0);
  edit->setMax(4.99);
  edit->setStep(0.01);
  edit->setDecimals(2);
  return edit;
}

}  // namespace

TUmrissDlg::TUmrissDlg(Language language, QWidget* parent) : QDialog(parent), language_(language) {
  setObjectName("TUmrissDlg");
  setWindowTitle(text("TUmrissDlg"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(buildLayers(), 0, 0);
  grid->addWidget(buildTexts(), 0, 1);
  grid->addWidget(buildMirror(), 1, 0);
  grid->addWidget(buildOptions(), 1, 1);
  grid->addWidget(buildDrills(), 2, 0, 1, 2);
  layout->addLayout(grid);
  layout->addWidget(okCancelHelpButtons(this, text("OKBtn"), text("CancelBtn"), language_,
                                       [this] { emit helpRequested(kHelpContext); }));
  follow();
}

QString TUmrissDlg::text(const char* control) const {
  return QString::fromStdString(caption(std::string("TUmrissDlg.") + control, language_));
}

QRadioButton* TUmrissDlg::radio(const char* name, QWidget* parent) {
  auto* b = new QRadioButton(text(name), parent);
  b->setObjectName(name);
  controls_[name] = b;
  connect(b, &QAbstractButton::toggled, this, &TUmrissDlg::follow);
  return b;
}

QCheckBox* TUmrissDlg::check(const char* name, QWidget* parent) {
  auto* b = new QCheckBox(text(name), parent);
  b->setObjectName(name);
  controls_[name] = b;
  connect(b, &QAbstractButton::toggled, this, &TUmrissDlg::follow);
  return b;
}

bool TUmrissDlg::on(const char* name) const { return controls_.value(name)->isChecked(); }

QWidget* TUmrissDlg::buildLayers() {
  auto* box = new QGroupBox(text("GroupBox1"), this);
  box->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(box);
  auto* exclusive = new QButtonGroup(box);
  int row = 0;
  for (const LayerRadio& l : kLayers) {
    auto* panel = new QLabel(box);
    panel->setObjectName(l.panel);
    panel->setFixedSize(24, 14);
    labels_[l.panel] = panel;
    QRadioButton* b = radio(l.radio, box);
    exclusive->addButton(b);
    grid->addWidget(panel, row, 0);
    grid->addWidget(b, row++, 1);
  }
  controls_["RB_K1"]->setChecked(true);
  QCheckBox* include = check("CB_ISO", box);
  width_ = lengthEdit("SE_Staerke", box);
  grid->addWidget(include, row, 0, 1, 2);
  grid->addWidget(width_, row + 1, 0, 1, 2);
  return box;
}

QWidget* TUmrissDlg::buildTexts() {
  auto* box = new QGroupBox(text("GB_Text"), this);
  box->setObjectName("GB_Text");
  auto* grid = new QGridLayout(box);
  const auto pair = [&](const char* label, const char* out, const char* single, int row) {
    auto* l = new QLabel(text(label), box);
    l->setObjectName(label);
    labels_[label] = l;
    auto* group = new QButtonGroup(box);
    QRadioButton* a = radio(out, box);
    QRadioButton* b = radio(single, box);
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
    grid->addWidget(l, row, 0, 1, 2);
    grid->addWidget(a, row + 1, 0);
    grid->addWidget(b, row + 1, 1);
  };
  pair("L_Normal", "RB_Text_Out", "RB_Text_Single", 0);
  pair("L_Markiert", "RB_MText_Out", "RB_MText_Single", 2);
  return box;
}

QWidget* TUmrissDlg::buildMirror() {
  auto* box = new QGroupBox(text("GroupBox5"), this);
  box->setObjectName("GroupBox5");
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (const char* name : {"RB_Spiegeln_Aus", "RB_Spiegel_X", "RB_Spiegel_Y"}) {
    QRadioButton* b = radio(name, box);
    group->addButton(b);
    layout->addWidget(b);
  }
  controls_["RB_Spiegeln_Aus"]->setChecked(true);
  return box;
}

QWidget* TUmrissDlg::buildOptions() {
  auto* box = new QGroupBox(text("GroupBox3"), this);
  box->setObjectName("GroupBox3");
  auto* grid = new QGridLayout(box);
  grid->addWidget(check("CB_Zentrierung", box), 0, 0, 1, 4);
  auto* caption = new QLabel(text("L_Referenz"), box);
  caption->setObjectName("L_Referenz");
  grid->addWidget(caption, 1, 0, 1, 4);
  int column = 0;
  for (const Corner& c : kCorners) {
    auto* b = new QToolButton(box);
    b->setObjectName(c.button);
    b->setCheckable(true);
    b->setText("+");
    controls_[c.button] = b;
    connect(b, &QAbstractButton::toggled, this, &TUmrissDlg::follow);
    auto* l = new QLabel(text(c.label), box);
    l->setObjectName(c.label);
    labels_[c.label] = l;
    grid->addWidget(b, 2 + column / 2, (column % 2) * 2);
    grid->addWidget(l, 2 + column / 2, (column % 2) * 2 + 1);
    ++column;
  }
  controls_["SB_Nullpunkt_UL"]->setChecked(true);
  return box;
}

QWidget* TUmrissDlg::buildDrills() {
  auto* box = new QGroupBox(text("GroupBox4"), this);
  box->setObjectName("GroupBox4");
  auto* grid = new QGridLayout(box);
  auto* group = new QButtonGroup(box);
  int row = 0;
  for (const char* name : {"RB_Bohrungen_Keine", "RB_Bohrungen_Extra", "RB_Bohrungen_AlleExtra",
                           "RB_Bohrungen_Fraesen"}) {
    QRadioButton* b = radio(name, box);
    group->addButton(b);
    grid->addWidget(b, row++, 0);
  }
  controls_["RB_Bohrungen_Keine"]->setChecked(true);
  grid->addWidget(check("CB_BohrLayer", box), 1, 1);
  auto* widthLabel = new QLabel(text("L_Fraesbreite"), box);
  widthLabel->setObjectName("L_Fraesbreite");
  labels_["L_Fraesbreite"] = widthLabel;
  drillWidth_ = lengthEdit("SE_Fraesbreite", box);
  grid->addWidget(widthLabel, 4, 0);
  grid->addWidget(drillWidth_, 4, 1);
  grid->addWidget(check("CB_Layer2", box), 5, 0);
  return box;
}

void TUmrissDlg::follow() {
  if (!width_ || !drillWidth_ || !controls_.contains("CB_Layer2")) return;  // still building
  width_->setEnabled(on("CB_ISO"));
  for (const char* name : {"RB_Text_Out", "RB_Text_Single", "L_Normal"}) {
    if (controls_.contains(name)) controls_[name]->setEnabled(anyPlainText_);
    if (labels_.contains(name)) labels_[name]->setEnabled(anyPlainText_);
  }
  for (const char* name : {"RB_MText_Out", "RB_MText_Single", "L_Markiert"}) {
    if (controls_.contains(name)) controls_[name]->setEnabled(anyMarkedText_);
    if (labels_.contains(name)) labels_[name]->setEnabled(anyMarkedText_);
  }
  for (const char* name : {"CB_Zentrierung", "RB_Bohrungen_Keine", "RB_Bohrungen_Extra",
                           "RB_Bohrungen_AlleExtra", "RB_Bohrungen_Fraesen"})
    controls_[name]->setEnabled(anyHole_);
  controls_["CB_BohrLayer"]->setEnabled(anyHole_ && on("RB_Bohrungen_Extra"));
  const bool milling = anyHole_ && on("RB_Bohrungen_Fraesen");
  drillWidth_->setEnabled(milling);
  labels_["L_Fraesbreite"]->setEnabled(milling);
  controls_["CB_Layer2"]->setEnabled(milling);
  for (const Corner& c : kCorners) labels_[c.label]->setEnabled(controls_[c.button]->isChecked());
}

void TUmrissDlg::prepare(const ElementList& elements, const ColourScheme& scheme, bool mil) {
  anyPlainText_ = anyMarkedText_ = anyHole_ = false;
  for (const TObjekt& e : elements) {
    if (e.KeepOut || !isCopperLayer(e.Layer)) continue;
    if (e.Kind == ElementKind::Text) (e.Selected ? anyMarkedText_ : anyPlainText_) = true;
    if (e.Kind == ElementKind::Pad) anyHole_ = true;
  }
  for (const LayerRadio& l : kLayers)
    labels_[l.panel]->setStyleSheet(QString("background-color: %1; border: 1px solid black;")
                                        .arg(hexColour(scheme.layerColour(l.layer))));
  width_->setMil(mil);
  drillWidth_->setMil(mil);
  follow();
}

IsolationOptions TUmrissDlg::options() const {
  IsolationOptions o;
  MillingSelection& s = o.selection;
  s.layer = on("RB_I2") ? layer::I2 : on("RB_I1") ? layer::I1 : on("RB_K2") ? layer::C2 : layer::C1;
  s.toolWidth = on("CB_ISO") ? roundInt(width_->value() * 100) : 0;
  s.plainTextSingle = on("RB_Text_Single");
  s.markedTextSingle = on("RB_MText_Single");
  o.mirror = on("RB_Spiegel_X")   ? HpglMirror::Horizontal
             : on("RB_Spiegel_Y") ? HpglMirror::Vertical
                                  : HpglMirror::None;
  o.refs = referenceHoles();
  // Without holes on the copper, the drill options are off whatever they show.
  o.centring = anyHole_ && on("CB_Zentrierung");
  DrillPlotOptions& d = o.drills;
  if (anyHole_) {
    d.kind = on("RB_Bohrungen_Extra")       ? DrillPlotKind::OneFile
             : on("RB_Bohrungen_AlleExtra") ? DrillPlotKind::EachDiameter
             : on("RB_Bohrungen_Fraesen")   ? DrillPlotKind::Milling
                                            : DrillPlotKind::None;
  }
  d.ownPens = on("CB_BohrLayer");
  d.millWidth = roundInt(drillWidth_->value() * 100);
  d.secondPen = on("CB_Layer2");
  o.language = static_cast<int>(language_);
  return o;
}

ReferenceHoles TUmrissDlg::referenceHoles() const {
  return {on("SB_Nullpunkt_UL"), on("SB_Nullpunkt_UR"), on("SB_Nullpunkt_OL"),
          on("SB_Nullpunkt_OR")};
}

void TUmrissDlg::setReferenceHoles(const ReferenceHoles& refs) {
  controls_["SB_Nullpunkt_UL"]->setChecked(refs.bottomLeft);
  controls_["SB_Nullpunkt_UR"]->setChecked(refs.bottomRight);
  controls_["SB_Nullpunkt_OL"]->setChecked(refs.topLeft);
  controls_["SB_Nullpunkt_OR"]->setChecked(refs.topRight);
  follow();
}

}  // namespace trazello
