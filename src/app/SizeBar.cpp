#include "SizeBar.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <cmath>

#include "PadShapeGlyph.h"
#include "app/TUnitSpinEdit.h"
#include "model/Layer.h"

namespace trazello {

namespace {

constexpr int kTracks = 0, kPads = 1, kSmds = 2;

struct ShapeItem {
  const char* component;
  uint8_t shape;
};
constexpr ShapeItem kShapes[] = {
    {"rund1", padshape::Round},
    {"Octagon1", padshape::Octagon},
    {"Quadrat1", padshape::Square},
    {"Abegrundetquer1", padshape::OblongH},
    {"Octagonquer1", padshape::OctagonH},
    {"Rechteckquer1", padshape::RectH},
    {"Abgerundethoch1", padshape::OblongV},
    {"Octagonhoch1", padshape::OctagonV},
    {"Rechteckhoch1", padshape::RectV},
};

const char* const kAdd[] = {"L_Hinzufuegen", "LA_Hinzufuegen", "SMD_Hinzufuegen"};
const char* const kRemove[] = {"L_Entfernen", "LA_Entfernen", "SMD_Entfernen"};

int diameter(double radius) {
  return static_cast<int>(std::lround(2 * radius));
}

}  // namespace

SizeBar::SizeBar(Document& doc, UndoHistory& undo, const AppSettings& settings, Language language,
                 QWidget* parent)
    : QWidget(parent), doc_(doc), undo_(undo), language_(language) {
  ToolSizes& r = sizes_.remembered();
  r.trackWidth = settings.track;
  r.padOuterRadius = settings.padOuter / 2.0;
  r.padDrillRadius = settings.padDrill / 2.0;
  r.smdWidth = settings.smdX;
  r.smdHeight = settings.smdY;
  sizes_.useRemembered();
  lists_[kTracks].assign(settings.trackWidths);
  lists_[kPads].assign(settings.padSizes);
  lists_[kSmds].assign(settings.smdSizes);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  row->addWidget(makeListButton(kTracks, "LinienPopup"));
  row->addWidget(makeField("SE_Breite", 0, 99.99, 2, 0.01));
  row->addWidget(makeListButton(kPads, "LA_Popup"));
  row->addWidget(makeField("SE_Aussen", 0.05, 99.99, 2, 0.01));
  row->addWidget(makeField("SE_Innen", 0, 99.99, 2, 0.01));
  buildShapeMenu();
  shapeButton_ = new QToolButton(this);
  shapeButton_->setObjectName("SB_LAForm");
  shapeButton_->setMenu(shapeMenu_);
  shapeButton_->setPopupMode(QToolButton::InstantPopup);
  shapeButton_->setIconSize(QSize(24, 24));
  row->addWidget(shapeButton_);
  connect(this, &SizeBar::padShapeChanged, this, &SizeBar::showShapeGlyph);
  showShapeGlyph(sizes_.current().padShape, sizes_.current().plated);
  row->addWidget(makeListButton(kSmds, "SMD_Popup"));
  row->addWidget(makeField("SE_SMDPad_X", 0.05, 99.99, 2, 0.01));
  row->addWidget(makeField("SE_SMDPad_Y", 0.05, 99.99, 2, 0.01));
  row->addWidget(makeField("SE_FreistanzOffset", 0, 5, 1, 0.1));
  row->addStretch();
  for (size_t i = 0; i < kSizeFieldCount; ++i) {
    fill(static_cast<SizeField>(i), sizes_.fieldValue(static_cast<SizeField>(i)));
  }
}

QString SizeBar::text(const char* component) const {
  return QString::fromStdString(caption(component, language_));
}

TUnitSpinEdit* SizeBar::makeField(const char* name, double min, double max, int decimals,
                                  double step) {
  size_t index = 0;
  while (fields_[index] != nullptr) ++index;
  const auto f = static_cast<SizeField>(index);
  auto* spin = new TUnitSpinEdit(this);
  spin->setObjectName(name);
  spin->setMin(min);
  spin->setMax(max);
  spin->setDecimals(decimals);
  spin->setStep(step);
  spin->setUnitNames(text("UnitMm"), text("UnitMil"));
  spin->setMinimumWidth(56);
  fields_[index] = spin;
  connect(spin, &TUnitSpinEdit::editChange, this, [this, f] { fieldChanged(f); });
  connect(spin, &TUnitSpinEdit::editEnter, this, [this] { sizes_.beginEdit(); });
  connect(spin, &TUnitSpinEdit::editExit, this, [this, f] {
    fieldChanged(f);
    sizes_.endEdit();
  });
  return spin;
}

QToolButton* SizeBar::makeListButton(int which, const char* name) {
  auto* menu = new QMenu(this);
  menu->setObjectName(name);
  menus_[static_cast<size_t>(which)] = menu;
  connect(menu, &QMenu::aboutToShow, this, [this, which] { openList(which); });
  auto* button = new QToolButton(this);
  button->setArrowType(Qt::DownArrow);
  button->setMenu(menu);
  button->setPopupMode(QToolButton::InstantPopup);
  return button;
}

void SizeBar::buildShapeMenu() {
  shapeMenu_ = new QMenu(this);
  shapeMenu_->setObjectName("LAForm_Popup");
  auto* group = new QActionGroup(shapeMenu_);
  for (const ShapeItem& item : kShapes) {
    QAction* a = shapeMenu_->addAction(text(item.component));
    a->setObjectName(item.component);
    a->setCheckable(true);
    a->setData(item.shape);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, shape = item.shape] {
      sizes_.applyShape(doc_, undo_, shape, layers_);
      emit padShapeChanged(shape, sizes_.current().plated);
      emit elementsChanged();
    });
  }
  shapeMenu_->addSeparator();
  plating_ = shapeMenu_->addAction(text("Durchkontaktierung1"));
  plating_->setObjectName("Durchkontaktierung1");
  plating_->setCheckable(true);
  plating_->setChecked(sizes_.current().plated);
  connect(plating_, &QAction::triggered, this, [this](bool on) {
    sizes_.applyPlating(doc_, undo_, on, layers_);
    emit padShapeChanged(sizes_.current().padShape, on);
    emit elementsChanged();
  });
  connect(shapeMenu_, &QMenu::aboutToShow, this, [this] {
    bool anySelected = false, copperPad = false;
    for (const TObjekt& e : doc_.elements()) {
      if (e.Selected == 0) continue;
      anySelected = true;
      copperPad = copperPad || (e.is(ElementKind::Pad) && isCopperLayer(e.Layer));
    }
    plating_->setEnabled(!anySelected || copperPad);
    plating_->setChecked(sizes_.current().plated);
    for (QAction* a : shapeMenu_->actions()) {
      if (a->data().isValid()) a->setChecked(a->data().toInt() == sizes_.current().padShape);
    }
  });
}

const SizeList& SizeBar::list(SizeList::Kind kind, bool smd) const {
  if (kind == SizeList::Kind::Width) return lists_[kTracks];
  return lists_[smd ? kSmds : kPads];
}

void SizeBar::fill(SizeField f, double millimetres) {
  const bool was = filling_;
  filling_ = true;
  field(f)->setValue(millimetres);
  filling_ = was;
}

void SizeBar::fieldChanged(SizeField f) {
  if (filling_) return;
  const bool focus = field(f)->field()->hasFocus();
  const auto other = sizes_.applyField(doc_, undo_, f, field(f)->value(), focus, layers_);
  if (other) fill(f == SizeField::PadOuter ? SizeField::PadDrill : SizeField::PadOuter, *other);
  emit elementsChanged();
}

int SizeBar::currentTag(int which) const {
  const ToolSizes& c = sizes_.current();
  if (which == kTracks) return c.trackWidth;
  if (which == kPads)
    return SizeList::pairTag(diameter(c.padOuterRadius), diameter(c.padDrillRadius));
  return SizeList::pairTag(c.smdWidth, c.smdHeight);
}

void SizeBar::openList(int which) {
  QMenu* menu = menus_[static_cast<size_t>(which)];
  SizeList& list = lists_[static_cast<size_t>(which)];
  menu->clear();
  const int current = currentTag(which);
  const QString unit = text(mil_ ? "UnitMil" : "UnitMm");
  for (int tag : list.entries()) {
    QAction* a =
        menu->addAction(QString::fromStdString(list.caption(tag, mil_, unit.toStdString())));
    a->setCheckable(true);
    a->setChecked(list.matches(tag, current, mil_));
    a->setData(tag);
    connect(a, &QAction::triggered, this, [this, which, tag] { chooseEntry(which, tag); });
  }
  if (!list.entries().empty()) menu->addSeparator();
  QAction* add = menu->addAction(text(kAdd[which]));
  add->setObjectName(kAdd[which]);
  add->setEnabled(list.canAdd(current, mil_));
  connect(add, &QAction::triggered, this,
          [this, which] { lists_[static_cast<size_t>(which)].add(currentTag(which), mil_); });
  QAction* remove = menu->addAction(text(kRemove[which]));
  remove->setObjectName(kRemove[which]);
  remove->setEnabled(list.canRemove(current, mil_));
  connect(remove, &QAction::triggered, this,
          [this, which] { lists_[static_cast<size_t>(which)].remove(currentTag(which), mil_); });
}

void SizeBar::chooseEntry(int which, int tag) {
  const SizeField first = which == kTracks ? SizeField::TrackWidth
                          : which == kPads ? SizeField::PadOuter
                                           : SizeField::SmdWidth;
  bool matching = false;
  for (const TObjekt& e : doc_.elements()) {
    matching = matching || (e.Selected != 0 && SizeFields::fieldApplies(first, e));
  }
  // The whole choice is one step, however many sizes it changes.
  if (matching) undo_.recordStep(doc_);
  {
    const UndoSuppressor quiet(undo_);
    auto set = [&](SizeField f, double mm) {
      fill(f, mm);
      const auto other = sizes_.applyField(doc_, undo_, f, mm, true, layers_);
      if (other) fill(f == SizeField::PadOuter ? SizeField::PadDrill : SizeField::PadOuter, *other);
    };
    if (which == kTracks) {
      set(SizeField::TrackWidth, tag / 100.0);
    } else {
      set(first, SizeList::first(tag) / 100.0);
      set(static_cast<SizeField>(static_cast<size_t>(first) + 1), SizeList::second(tag) / 100.0);
    }
  }
  emit elementsChanged();
}

void SizeBar::showClearance(bool groundPlaneOn) {
  // The clearance belongs to the ground plane of the active layer and shows only with it on.
  field(SizeField::Clearance)->setVisible(groundPlaneOn);
}

void SizeBar::showShapeGlyph(int shape, bool plated) {
  shapeButton_->setIcon(QIcon(QPixmap::fromImage(padShapeGlyph(shape, plated))));
}

void SizeBar::setMil(bool on) {
  mil_ = on;
  for (TUnitSpinEdit* f : fields_) {
    const bool was = filling_;
    filling_ = true;
    f->setMil(on);
    filling_ = was;
  }
}

void SizeBar::showSelectionSizes(bool remember) {
  const auto shown = sizes_.showSelectionSizes(doc_.elements(), remember);
  for (size_t i = 0; i < kSizeFieldCount; ++i) {
    if (shown.fields[i]) fill(static_cast<SizeField>(i), *shown.fields[i]);
  }
  if (shown.shapeChanged) {
    plating_->setChecked(sizes_.current().plated);
    emit padShapeChanged(sizes_.current().padShape, sizes_.current().plated);
  }
}

void SizeBar::refresh(bool groundPlaneOn) {
  bool anySelected = false;
  for (const TObjekt& e : doc_.elements()) anySelected = anySelected || e.Selected != 0;
  if (!anySelected) {
    sizes_.useRemembered();
    for (size_t i = 0; i < kSizeFieldCount; ++i) {
      fill(static_cast<SizeField>(i), sizes_.fieldValue(static_cast<SizeField>(i)));
    }
  }
  setHighlighted(SizeFields::highlighted(doc_.elements(), groundPlaneOn));
  showClearance(groundPlaneOn);
}

void SizeBar::setHighlighted(const std::array<bool, kSizeFieldCount>& on) {
  for (size_t i = 0; i < kSizeFieldCount; ++i) {
    fields_[i]->setEditBkColor(on[i] ? QColor(255, 0, 0) : QColor(0, 0, 0));
    fields_[i]->setEditTextColor(on[i] ? QColor(255, 255, 255) : QColor(255, 255, 0));
  }
}

void SizeBar::storeTo(AppSettings& settings) const {
  const ToolSizes& r = sizes_.remembered();
  settings.track = r.trackWidth;
  settings.padOuter = diameter(r.padOuterRadius);
  settings.padDrill = diameter(r.padDrillRadius);
  settings.smdX = r.smdWidth;
  settings.smdY = r.smdHeight;
  settings.trackWidths = lists_[kTracks].entries();
  settings.padSizes = lists_[kPads].entries();
  settings.smdSizes = lists_[kSmds].entries();
}

}  // namespace trazello
