#include "DrillDialog.h"

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

namespace trazello {

namespace {

// Every control and the member of the state it shows.
struct Binding {
  const char* name;
  bool TLochDlg::*member;
};

constexpr Binding kBindings[] = {
    {"CB_Bohrungen", &TLochDlg::CB_Bohrungen},
    {"CB_Vias", &TLochDlg::CB_Vias},
    {"RB_Zoll", &TLochDlg::RB_Zoll},
    {"RB_MM33", &TLochDlg::RB_MM33},
    {"RB_MM32", &TLochDlg::RB_MM32},
    {"RB_Best", &TLochDlg::RB_Best},
    {"RB_Kupfer", &TLochDlg::RB_Kupfer},
    {"RB_Kupfer_HPGL", &TLochDlg::RB_Kupfer_HPGL},
    {"CB_Sortieren", &TLochDlg::CB_Sortieren},
    {"CB_LeadingZero", &TLochDlg::CB_LeadingZero},
    {"CB_M71", &TLochDlg::CB_M71},
    {"CB_NoG90", &TLochDlg::CB_NoG90},
    {"CB_NoComments", &TLochDlg::CB_NoComments},
};

}  // namespace

DrillDialog::DrillDialog(const TLochDlg& initial, Language language, QWidget* parent)
    : QDialog(parent), language_(language), state_(initial) {
  setObjectName("TLochDlg");
  setWindowTitle(text("TLochDlg"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(group("GB_Auswahl", {"CB_Bohrungen", "CB_Vias"}, false), 0, 0);
  grid->addWidget(group("GB_Einheit", {"RB_Zoll", "RB_MM33", "RB_MM32"}, true), 0, 1);
  grid->addWidget(group("GB_Seite", {"RB_Best", "RB_Kupfer", "RB_Kupfer_HPGL"}, true), 1, 0);
  grid->addWidget(
      group("GB_Sonder", {"CB_Sortieren", "CB_LeadingZero", "CB_M71", "CB_NoG90", "CB_NoComments"},
            false),
      1, 1);
  layout->addLayout(grid);
  auto* info = new QLabel(text("L_Info"), this);
  info->setObjectName("L_Info");
  layout->addWidget(info);
  layout->addWidget(okCancelHelpButtons(this, text("OKBtn"), text("CancelBtn"), language_,
                                       [this] { emit helpRequested(TLochDlg::kHelpContext); }));
  push();
}

QString DrillDialog::text(std::string_view control) const {
  return QString::fromUtf8(captionOf(TLochDlg::captions(), control, static_cast<int>(language_)));
}

QGroupBox* DrillDialog::group(const char* name, std::initializer_list<const char*> controls,
                              bool radios) {
  auto* box = new QGroupBox(text(name), this);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* exclusive = radios ? new QButtonGroup(box) : nullptr;
  for (const char* control : controls) {
    QAbstractButton* b = radios
                             ? static_cast<QAbstractButton*>(new QRadioButton(text(control), box))
                             : new QCheckBox(text(control), box);
    b->setObjectName(control);
    if (exclusive) exclusive->addButton(b);
    layout->addWidget(b);
    controls_[control] = b;
  }
  return box;
}

const TLochDlg& DrillDialog::state() {
  pull();
  return state_;
}

void DrillDialog::pull() {
  for (const Binding& b : kBindings) state_.*b.member = controls_[b.name]->isChecked();
}

void DrillDialog::push() {
  for (const Binding& b : kBindings) controls_[b.name]->setChecked(state_.*b.member);
}

}  // namespace trazello
