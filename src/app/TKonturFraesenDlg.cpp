#include "TKonturFraesenDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "DialogButtons.h"

namespace trazello {

namespace {

struct Corner {
  const char* button;
  const char* label;
};
constexpr Corner kCorners[] = {{"SB_Nullpunkt_OL", "L_OL"},
                               {"SB_Nullpunkt_OR", "L_OR"},
                               {"SB_Nullpunkt_UL", "L_UL"},
                               {"SB_Nullpunkt_UR", "L_UR"}};

}  // namespace

TKonturFraesenDlg::TKonturFraesenDlg(Language language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName("TKonturFraesenDlg");
  setWindowTitle(text("TKonturFraesenDlg"));
  auto* layout = new QVBoxLayout(this);
  const auto radios = [&](const char* groupName, std::initializer_list<const char*> names) {
    auto* box = new QGroupBox(text(groupName), this);
    box->setObjectName(groupName);
    auto* inner = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (const char* name : names) {
      auto* b = new QRadioButton(text(name), box);
      b->setObjectName(name);
      group->addButton(b);
      inner->addWidget(b);
      controls_[name] = b;
    }
    controls_[*names.begin()]->setChecked(true);
    layout->addWidget(box);
  };
  radios("GroupBox1", {"RB_AlleElemente", "RB_NurMarkierte"});
  radios("GroupBox2", {"RB_Spiegeln_Aus", "RB_Spiegel_X", "RB_Spiegel_Y"});

  auto* options = new QGroupBox(text("GroupBox3"), this);
  options->setObjectName("GroupBox3");
  auto* grid = new QGridLayout(options);
  auto* reference = new QLabel(text("Label1") + "\n" + text("Label2"), options);
  reference->setObjectName("Label1");
  grid->addWidget(reference, 0, 0, 1, 4);
  int cell = 0;
  for (const Corner& c : kCorners) {
    auto* b = new QToolButton(options);
    b->setObjectName(c.button);
    b->setCheckable(true);
    b->setText("+");
    controls_[c.button] = b;
    connect(b, &QAbstractButton::toggled, this, &TKonturFraesenDlg::followCorners);
    auto* l = new QLabel(text(c.label), options);
    l->setObjectName(c.label);
    labels_[c.label] = l;
    grid->addWidget(b, 1 + cell / 2, (cell % 2) * 2);
    grid->addWidget(l, 1 + cell / 2, (cell % 2) * 2 + 1);
    ++cell;
  }
  layout->addWidget(options);
  layout->addWidget(okCancelHelpButtons(this, text("OKBtn"), text("CancelBtn"), language_,
                                       [this] { emit helpRequested(kHelpContext); }));
  followCorners();
}

QString TKonturFraesenDlg::text(const char* control) const {
  return QString::fromStdString(caption(std::string("TKonturFraesenDlg.") + control, language_));
}

bool TKonturFraesenDlg::on(const char* name) const { return controls_.value(name)->isChecked(); }

void TKonturFraesenDlg::followCorners() {
  for (const Corner& c : kCorners) labels_[c.label]->setEnabled(controls_[c.button]->isChecked());
}

void TKonturFraesenDlg::prepare(bool anySelected, const ReferenceHoles& refs) {
  controls_["SB_Nullpunkt_UL"]->setChecked(refs.bottomLeft);
  controls_["SB_Nullpunkt_UR"]->setChecked(refs.bottomRight);
  controls_["SB_Nullpunkt_OL"]->setChecked(refs.topLeft);
  controls_["SB_Nullpunkt_OR"]->setChecked(refs.topRight);
  controls_["RB_NurMarkierte"]->setEnabled(anySelected);
  if (!anySelected) controls_["RB_AlleElemente"]->setChecked(true);
  followCorners();
}

OutlineMillingOptions TKonturFraesenDlg::options() const {
  OutlineMillingOptions o;
  o.selectedOnly = on("RB_NurMarkierte");
  o.mirror = on("RB_Spiegel_X")   ? HpglMirror::Horizontal
             : on("RB_Spiegel_Y") ? HpglMirror::Vertical
                                  : HpglMirror::None;
  o.refs = {on("SB_Nullpunkt_UL"), on("SB_Nullpunkt_UR"), on("SB_Nullpunkt_OL"),
            on("SB_Nullpunkt_OR")};
  return o;
}

}  // namespace trazello
