#include "PropertiesPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "TUnitSpinEdit.h"
#include "files/TextEncoding.h"

namespace trazello {

namespace {
constexpr const char* kTitles[] = {"L_Typ.0", "L_Typ.1", "L_Typ.2", "L_Typ.3",
                                   "L_Typ.4", "L_Typ.5", "L_Typ.6", "L_Typ.7"};
}  // namespace

PropertiesPanel::PropertiesPanel(Document& doc, const UndoHistory& undo, Language language,
                                 QWidget* parent)
    : QDockWidget(parent), doc_(doc), undo_(undo), language_(language) {
  setObjectName("EigenschaftenDlg");
  setWindowTitle(text("EigenschaftenDlg"));
  auto* body = new QWidget(this);
  body->setObjectName("P_Eigenschaften");
  body->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(body);
  title_ = new QLabel(body);
  title_->setObjectName("L_Typ");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  column->addWidget(title_);
  notebook_ = new QStackedWidget(body);
  notebook_->setObjectName("Notebook1");
  column->addWidget(notebook_);
  column->addStretch(1);
  setWidget(body);
  buildPadPage();
  buildTrackPage();
  buildZonePage();
  buildTextPage();
  buildSmdPage();
  buildCirclePage();
  buildSelectionPage();
  buildBoardPage();
  showPage(BoardPage);
}

QString PropertiesPanel::text(const char* component) const {
  return QString::fromStdString(caption(component, language_));
}

QString PropertiesPanel::title() const {
  return title_->text();
}

QWidget* PropertiesPanel::newPage(Page page, QFormLayout** form) {
  auto* w = new QWidget(notebook_);
  *form = new QFormLayout(w);
  (*form)->setContentsMargins(0, 0, 0, 0);
  notebook_->insertWidget(page, w);
  return w;
}

void PropertiesPanel::bind(Page page, Property p, QWidget* widget,
                           std::function<void(const PropertyValue&)> show) {
  bindings_[page].push_back(Binding{p, widget, std::move(show)});
}

TUnitSpinEdit* PropertiesPanel::lengthField(Page page, Property p, const char* name, double min,
                                            double max, int decimals) {
  auto* f = new TUnitSpinEdit(notebook_->widget(page));
  f->setObjectName(name);
  f->setMin(min);
  f->setMax(max);
  f->setDecimals(decimals);
  f->setStep(decimals == 1 ? 0.1 : 0.01);
  f->setWithUnit(true);
  f->setUnitNames(text("UnitMm"), text("UnitMil"));
  f->field()->installEventFilter(this);
  lengths_.push_back(f);
  connect(f, &TUnitSpinEdit::editChange, this, [this, f, p] {
    apply(p, PropertyValue{f->value(), {}}, f->field(), true);
  });
  // Leaving the field ends its edit, and the field shows what the element got (a value may have
  // been corrected meanwhile).
  connect(f, &TUnitSpinEdit::editExit, this, [this] {
    edit_ = {};
    if (!isHidden()) refresh();
  });
  bind(page, p, f->field(), [f](const PropertyValue& v) { f->setValue(v.number); });
  return f;
}

QSpinBox* PropertiesPanel::angleField(Page page, Property p, const char* name) {
  auto* s = new QSpinBox(notebook_->widget(page));
  s->setObjectName(name);
  s->setRange(0, 359);
  s->setSuffix(QString::fromUtf8("°"));
  s->installEventFilter(this);
  connect(s, &QSpinBox::valueChanged, this, [this, s, p](int v) {
    apply(p, PropertyValue{double(v), {}}, s, true);
  });
  bind(page, p, s, [s](const PropertyValue& v) { s->setValue(static_cast<int>(v.number)); });
  return s;
}

QCheckBox* PropertiesPanel::checkBox(Page page, Property p, const char* name, const char* caption) {
  auto* box = new QCheckBox(text(caption), notebook_->widget(page));
  box->setObjectName(name);
  connect(box, &QCheckBox::clicked, this, [this, box, p](bool on) {
    apply(p, PropertyValue{on ? 1.0 : 0.0, {}}, box, false);
  });
  bind(page, p, box, [box](const PropertyValue& v) { box->setChecked(v.number != 0); });
  return box;
}

QButtonGroup* PropertiesPanel::choice(
    Page page, Property p, QWidget* box,
    const std::vector<std::pair<const char*, const char*>>& buttons) {
  auto* group = new QButtonGroup(box);
  auto* row = new QVBoxLayout(box);
  int id = 0;
  for (const auto& [name, caption] : buttons) {
    auto* b = new QRadioButton(text(caption), box);
    b->setObjectName(name);
    group->addButton(b, id++);
    row->addWidget(b);
  }
  connect(group, &QButtonGroup::idClicked, this, [this, p, box](int id) {
    apply(p, PropertyValue{double(id), {}}, box, false);
  });
  bind(page, p, box, [group](const PropertyValue& v) {
    if (QAbstractButton* b = group->button(static_cast<int>(v.number))) b->setChecked(true);
  });
  return group;
}

QWidget* PropertiesPanel::centreRow(Page page, const char* xName, const char* yName) {
  auto* row = new QWidget(notebook_->widget(page));
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  // Coordinates are 32-bit: positions reach as far as the largest board.
  line->addWidget(lengthField(page, Property::CentreX, xName, -299.99, 500));
  line->addWidget(lengthField(page, Property::CentreY, yName, -299.99, 500));
  return row;
}

void PropertiesPanel::setMil(bool on) {
  mil_ = on;
  const bool was = filling_;
  filling_ = true;  // switching the unit changes no value
  for (TUnitSpinEdit* f : lengths_) f->setMil(on);
  filling_ = was;
  refresh();
}

void PropertiesPanel::setCapacitySettings(int copperMicrons, int riseKelvin) {
  copperMicrons_ = copperMicrons;
  riseKelvin_ = riseKelvin;
}

bool PropertiesPanel::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn) edit_ = {};  // a field entered starts a new edit
  return QDockWidget::eventFilter(watched, e);
}

void PropertiesPanel::apply(Property p, const PropertyValue& v, QWidget* widget, bool typed) {
  if (filling_) return;
  if (!typed || !widget->hasFocus()) edit_ = {};
  Change c = page_ == BoardPage ? applyBoardProperty(doc_, p, v)
                                : applyProperty(doc_, undo_, edit_, shown_, p, v, options_);
  if (c.empty()) return;
  ownEdit_ = true;
  emit edited(c);
  ownEdit_ = false;
}

void PropertiesPanel::showPage(Page page) {
  page_ = page;
  notebook_->setCurrentIndex(page);
  title_->setText(text(kTitles[page]));
}

void PropertiesPanel::refresh(const std::optional<Drawing>& drawing) {
  const ElementList& list = doc_.elements();
  std::optional<size_t> one = singleSelected(list);
  if (drawing) one = list.indexOf(drawing->element);
  const bool several = !one && countSelection(list).total > 1;
  const ElementId was = shown_;
  shown_ = one ? list[*one].Id : ElementId{};
  if (shown_ != was) edit_ = {};
  const bool wasFilling = filling_;
  filling_ = true;
  if (one) {
    fillElement(list[*one], drawing);
  } else if (several) {
    fillSelection();
  } else {
    fillBoard();
  }
  filling_ = wasFilling;
}

void PropertiesPanel::fillElement(const TObjekt& e, const std::optional<Drawing>& drawing) {
  Page page = BoardPage;
  switch (e.Kind) {
    case ElementKind::Pad:
      page = PadPage;
      break;
    case ElementKind::Track:
      page = TrackPage;
      break;
    case ElementKind::Zone:
      page = ZonePage;
      break;
    case ElementKind::Text:
      page = TextPage;
      break;
    case ElementKind::SmdPad:
      page = SmdPage;
      break;
    case ElementKind::Circle:
      page = CirclePage;
      break;
    default:
      break;
  }
  if (page == BoardPage) {  // an element of old files the panel has no page for
    fillSelection();
    return;
  }
  showPage(page);
  QWidget* focused = focusWidget();
  for (const Binding& b : bindings_[page]) {
    // The field being typed into keeps the text as typed.
    if (ownEdit_ && focused && (b.widget == focused || b.widget->isAncestorOf(focused))) continue;
    b.show(propertyOf(e, b.property, doc_.working()));
  }
  enableControls(e);
  fillLabels(e, drawing);
}

void PropertiesPanel::fillSelection() {
  showPage(SelectionPage);
  const SelectionCounts n = countSelection(doc_.elements());
  const std::pair<int, const char*> lines[] = {
      {n.pads, "Prop.Pads"},   {n.smdPads, "Prop.Smds"}, {n.tracks, "Prop.Tracks"},
      {n.zones, "Prop.Zones"}, {n.texts, "Prop.Texts"},  {n.circles, "Prop.Segments"}};
  QString memo;
  for (const auto& [count, plural] : lines) {
    if (count > 0) memo += QString::number(count) + '\t' + text(plural) + '\n';
  }
  memo += QString(40, '-') + '\n';
  memo += QString::number(n.total) + '\t' + text("Prop.Elements");
  memo_->setPlainText(memo);
}

void PropertiesPanel::buildSelectionPage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(SelectionPage, &form);
  memo_ = new QPlainTextEdit(page);
  memo_->setObjectName("Memo_Auswahl");
  memo_->setReadOnly(true);
  // Tab stop 20 in dialog units, four to an average character.
  memo_->setTabStopDistance(20 / 4.0 * QFontMetricsF(memo_->font()).averageCharWidth());
  form->addRow(memo_);
}

void PropertiesPanel::buildBoardPage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(BoardPage, &form);
  boardSize_[0] = lengthField(BoardPage, Property::BoardWidth, "SE_BoardX", kMinBoardSize / 100.0,
                              kMaxBoardSize / 100.0);
  boardSize_[1] = lengthField(BoardPage, Property::BoardHeight, "SE_BoardY", kMinBoardSize / 100.0,
                              kMaxBoardSize / 100.0);
  form->addRow(text("Prop.Width"), boardSize_[0]);
  form->addRow(text("Prop.Height"), boardSize_[1]);
  auto* name = new QLineEdit(page);
  name->setObjectName("E_Board");
  name->setMaxLength(30);
  name->installEventFilter(this);
  connect(name, &QLineEdit::textEdited, this, [this, name](const QString& s) {
    apply(Property::BoardName, PropertyValue{0, utf8ToCp1252(s.toStdString())}, name, true);
  });
  bind(BoardPage, Property::BoardName, name, [name](const PropertyValue& v) {
    name->setText(QString::fromStdString(cp1252ToUtf8(v.text)));
  });
  form->addRow(text("Prop.Name"), name);
  form->addRow(checkBox(BoardPage, Property::Multilayer, "CB_InnerLayer", "BoardMultilayer"));
}

void PropertiesPanel::fillBoard() {
  showPage(BoardPage);
  // A board from an older file may be larger than a new one may be made; the fields show it as
  // it is rather than clamped, since a smaller board would leave its outer elements behind.
  const BoardSettings& s = doc_.working();
  const double largest = std::max({kMaxBoardSize, s.width, s.height}) / 100.0;
  for (TUnitSpinEdit* f : boardSize_) {
    if (f->mil()) {
      f->setMil(false);
      f->setMax(largest);
      f->setMil(true);
    } else {
      f->setMax(largest);
    }
  }
  QWidget* focused = focusWidget();
  for (const Binding& b : bindings_[BoardPage]) {
    if (ownEdit_ && focused && (b.widget == focused || b.widget->isAncestorOf(focused))) continue;
    b.show(boardPropertyOf(doc_, b.property));
  }
}

void PropertiesPanel::flash() {
  QWidget* body = widget();
  const QColor on = title_->palette().color(QPalette::WindowText);
  const QColor off = palette().color(QPalette::Button);
  auto paint = [body](const QColor& c) {
    QPalette pal = body->palette();
    pal.setColor(QPalette::Window, c);
    body->setPalette(pal);
  };
  // Three times: the title's font colour for 100 ms, then the button face for 50 ms.
  for (int i = 0; i < 3; ++i) {
    QTimer::singleShot(150 * i, body, [paint, on] { paint(on); });
    QTimer::singleShot(150 * i + 100, body, [paint, off] { paint(off); });
  }
}

}  // namespace trazello
