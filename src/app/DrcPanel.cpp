#include "DrcPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "DrawingArea.h"
#include "IniFile.h"
#include "TUnitSpinEdit.h"
#include "view/SchemeStore.h"
#include "view/ViewMapping.h"

namespace trazello {

namespace {

struct Caption3 {
  const char* text[3];
};

QString tr3(const Caption3& c, int language) {
  return QString::fromUtf8(c.text[std::clamp(language, 0, 2)]);
}

// The rules in the order of their settings keys; the first seven have a length.
struct RuleDef {
  const char* checkName;
  const char* key;
  const char* lengthName;
  const char* lengthKey;
  int defaultLength;
  Caption3 caption;
};

const RuleDef kRules[] = {
    {"CB_KupferAbstand", "Kupfer", "SE_Kupfer", "WKupfer", 15, {{"Медь:", "Copper:", "Cuivre :"}}},
    {"CB_BohrAbstand",
     "Bohrungen",
     "SE_Bohrungen",
     "WBohrungen",
     50,
     {{"Отверстия:", "Drillings:", "Perçages :"}}},
    {"CB_BohrMin",
     "BohrMin",
     "SE_BohrMin",
     "WBohrMin",
     30,
     {{"Отверстие мин.:", "Drilling min:", "Perçage min :"}}},
    {"CB_BohrMax",
     "BohrMax",
     "SE_BohrMax",
     "WBohrMax",
     800,
     {{"Отверстие макс.:", "Drilling max:", "Perçage max :"}}},
    {"CB_TrackMin",
     "TrackMin",
     "SE_TrackMin",
     "WTrackMin",
     20,
     {{"Дорожка мин.:", "Track min:", "Piste min :"}}},
    {"CB_RingMin",
     "RingMin",
     "SE_RingMin",
     "WRingMin",
     20,
     {{"Поясок мин.:", "Annular ring min:", "Couronne min :"}}},
    {"CB_BestMin",
     "BestMin",
     "SE_BestMin",
     "WBestMin",
     15,
     {{"Шелкография мин.:", "Silkscreen min:", "Sérigraphie min :"}}},
    {"CB_SilkOnPad",
     "SilkOnPad",
     nullptr,
     nullptr,
     0,
     {{"Шелкография на КП", "Silkscreen over pads", "Sérigraphie sur pastilles"}}},
    {"CB_HoleOnSMD",
     "HoleOnSMD",
     nullptr,
     nullptr,
     0,
     {{"Отверстия в SMD-КП", "Drilling on SMD pads", "Perçages sur pastilles CMS"}}},
    {"CB_PadOhneLS",
     "PadOhneLS",
     nullptr,
     nullptr,
     0,
     {{"КП без паяльной маски", "Pads without soldermask", "Pastilles sans vernis"}}},
    {"CB_LSFremd",
     "LSFremd",
     nullptr,
     nullptr,
     0,
     {{"Маска вне КП", "Soldermask out of pads", "Vernis hors pastilles"}}},
};

const Caption3 kTitle{{"DRC", "DRC", "DRC"}};
const Caption3 kDistance{{"Минимальный зазор", "Minimum distance", "Distance minimale"}};
const Caption3 kMinMax{{"Мин./макс.", "Min/Max", "Min/Max"}};
const Caption3 kMisc{{"Прочее", "Miscellaneous", "Divers"}};
const Caption3 kComplete{{"Вся плата...", "Complete...", "Complet..."}};
const Caption3 kWindow{{"Окно...", "Window...", "Fenêtre..."}};
const Caption3 kSelectAll{{"Выделить всё", "Select all", "Tout sélectionner"}};
const Caption3 kRunning{{"Проверка DRC...", "DRC running...", "DRC en cours..."}};
const Caption3 kEntries{{" записей", " Entries", " entrées"}};

constexpr int kLayerRole = Qt::UserRole + 1;

// A list entry: the text at x = 16 and a square of the finding's layer colour at the left edge.
class FindingDelegate : public QStyledItemDelegate {
 public:
  FindingDelegate(const SchemeStore& schemes, QObject* parent)
      : QStyledItemDelegate(parent), schemes_(schemes) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const QRect square(option.rect.left(), option.rect.top(), 13, 13);
    p->fillRect(square, Qt::white);
    const int layer = index.data(kLayerRole).toInt();
    const ColourScheme& scheme = schemes_.active();
    const ColorRef fill = layer >= 1 && layer <= 7 ? scheme.colours[size_t(layer + 1)] : kBlack;
    p->setPen(QPen(toQColorOf(scheme[SchemeSlot::Background]), 1));
    p->setBrush(toQColorOf(fill));
    p->drawRect(square.adjusted(2, 2, -2, -2));
    p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    p->drawText(option.rect.adjusted(16, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                index.data().toString());
  }

 private:
  static QColor toQColorOf(ColorRef c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
  const SchemeStore& schemes_;
};

IRect rectOf(Point a, Point b) {
  return normalized(IRect{int32_t(std::lround(a.x)), int32_t(std::lround(a.y)),
                          int32_t(std::lround(b.x)), int32_t(std::lround(b.y))});
}

}  // namespace

DrcPanel::DrcPanel(Document& doc, DrawingArea& area, const SchemeStore& schemes, int language,
                   QWidget* parent)
    : QDockWidget(tr3(kTitle, language), parent),
      doc_(doc),
      area_(area),
      schemes_(schemes),
      language_(language) {
  setObjectName("TDRC_Dlg");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(buildRules(language));
  auto* buttons = new QHBoxLayout;
  complete_ = new QPushButton(tr3(kComplete, language), body);
  complete_->setObjectName("B_Komplett");
  window_ = new QPushButton(tr3(kWindow, language), body);
  window_->setObjectName("B_Fenster");
  buttons->addWidget(complete_);
  buttons->addWidget(window_);
  layout->addLayout(buttons);
  progress_ = new QProgressBar(body);
  progress_->setRange(0, 100);
  progressText_ = new QLabel(body);
  layout->addWidget(progress_);
  layout->addWidget(progressText_);
  list_ = new QListWidget(body);
  list_->setObjectName("LB_Errors");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setItemDelegate(new FindingDelegate(schemes_, list_));
  layout->addWidget(list_, 1);
  selectAll_ = new QPushButton(tr3(kSelectAll, language), body);
  selectAll_->setObjectName("B_SelectAll");
  selectAll_->setEnabled(false);
  layout->addWidget(selectAll_);
  setWidget(body);

  connect(complete_, &QPushButton::clicked, this, &DrcPanel::checkComplete);
  connect(window_, &QPushButton::clicked, this, &DrcPanel::checkWindow);
  connect(selectAll_, &QPushButton::clicked, list_, &QListWidget::selectAll);
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { area_.viewport()->update(); });
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { zoomTo(list_->row(item)); });
}

QWidget* DrcPanel::buildRules(int language) {
  auto* rules = new QWidget(this);
  auto* v = new QVBoxLayout(rules);
  v->setContentsMargins(0, 0, 0, 0);
  QGroupBox* groups[3] = {new QGroupBox(tr3(kDistance, language), rules),
                          new QGroupBox(tr3(kMinMax, language), rules),
                          new QGroupBox(tr3(kMisc, language), rules)};
  QGridLayout* grids[3];
  for (int g = 0; g < 3; ++g) {
    grids[g] = new QGridLayout(groups[g]);
    v->addWidget(groups[g]);
  }
  for (size_t i = 0; i < std::size(kRules); ++i) {
    const RuleDef& r = kRules[i];
    QGridLayout* grid = grids[i < 2 ? 0 : i < 7 ? 1 : 2];
    const int row = grid->rowCount();
    checks_[i] = new QCheckBox(tr3(r.caption, language), rules);
    checks_[i]->setObjectName(r.checkName);
    checks_[i]->setChecked(true);
    grid->addWidget(checks_[i], row, 0);
    if (!r.lengthName) continue;
    auto* length = new TUnitSpinEdit(rules);
    length->setObjectName(r.lengthName);
    length->setMin(0);
    length->setMax(99.99);
    length->setStep(0.01);
    length->setDecimals(2);
    length->setValue(r.defaultLength / 100.0);
    lengths_[i] = length;
    grid->addWidget(length, row, 1);
  }
  return rules;
}

void DrcPanel::readSettings(const IniFile& ini) {
  for (size_t i = 0; i < std::size(kRules); ++i) {
    const RuleDef& r = kRules[i];
    checks_[i]->setChecked(ini.readBool("DRC", r.key, true));
    if (r.lengthKey)
      lengths_[i]->setValue(std::clamp(ini.readInt("DRC", r.lengthKey, r.defaultLength), 0, 9999) /
                            100.0);
  }
}

void DrcPanel::writeSettings(IniFile& ini) const {
  for (size_t i = 0; i < std::size(kRules); ++i) {
    const RuleDef& r = kRules[i];
    ini.writeBool("DRC", r.key, checks_[i]->isChecked());
    if (r.lengthKey) ini.writeInt("DRC", r.lengthKey, int(std::lround(lengths_[i]->value() * 100)));
  }
}

void DrcPanel::setMil(bool on) {
  for (TUnitSpinEdit* l : lengths_) {
    if (l) l->setMil(on);
  }
}

DrcSettings DrcPanel::rules() const {
  auto on = [&](size_t i) { return checks_[i]->isChecked(); };
  auto units = [&](size_t i) { return int32_t(std::lround(lengths_[i]->value() * 100)); };
  DrcSettings s;
  s.copper = on(0);
  s.copperDistance = units(0);
  s.drillDistance = on(1);
  s.drillDistanceMin = units(1);
  s.drillMin = on(2);
  s.drillMinimum = units(2);
  s.drillMax = on(3);
  s.drillMaximum = units(3);
  s.trackMin = on(4);
  s.trackMinimum = units(4);
  s.ringMin = on(5);
  s.ringMinimum = units(5);
  s.silkMin = on(6);
  s.silkMinimum = units(6);
  s.silkOnPad = on(7);
  s.holeOnSmd = on(8);
  s.padWithoutMask = on(9);
  s.maskOutsidePads = on(10);
  return s;
}

void DrcPanel::checkComplete() {
  // The whole drawing area: the board, or the view when it is larger.
  const BoardSettings& s = doc_.working();
  const QSize view = area_.viewport()->size();
  const int32_t w = std::max<int32_t>(s.width, int32_t(std::lround(view.width() / s.zoom)));
  const int32_t h = std::max<int32_t>(s.height, int32_t(std::lround(view.height() / s.zoom)));
  run(IRect{0, -h, w, 0});
}

void DrcPanel::checkWindow() {
  const QSize view = area_.viewport()->size();
  run(rectOf(area_.worldAt(QPointF(0, 0)), area_.worldAt(QPointF(view.width(), view.height()))));
}

void DrcPanel::run(const IRect& window) {
  if (running_) return;
  running_ = true;
  abort_ = false;
  findings_.clear();
  list_->clear();
  progress_->setValue(0);
  progressText_->setText(tr3(kRunning, language_));
  selectAll_->setEnabled(false);
  complete_->setEnabled(false);
  window_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
  DrcCallbacks callbacks;
  size_t polls = 0;
  callbacks.progress = [this](size_t maximum, size_t value) {
    progress_->setValue(maximum ? int(value * 100 / maximum) : 0);
  };
  callbacks.abort = [this, &polls] {
    // Escape reaches the filter only when events are processed; now and then is enough.
    if (++polls % 64 == 0) QApplication::processEvents();
    return abort_;
  };
  DrcResult result =
      runDesignRuleCheck(doc_.elements(), doc_.working(), rules(), window, callbacks);
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  findings_ = std::move(result.findings);
  for (const Finding& f : findings_) {
    auto* item = new QListWidgetItem(QString::fromStdString(findingText(f.text, language_)), list_);
    item->setData(kLayerRole, f.layer);
  }
  progress_->setValue(100);
  progressText_->setText(QString::number(findings_.size()) + tr3(kEntries, language_));
  selectAll_->setEnabled(!findings_.empty());
  complete_->setEnabled(true);
  window_->setEnabled(true);
  list_->selectAll();
  running_ = false;
  area_.viewport()->update();
}

bool DrcPanel::eventFilter(QObject* watched, QEvent* e) {
  if (running_ && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    abort_ = true;
    return true;
  }
  // Nothing else may start while the check runs inside its own event.
  if (running_ && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress))
    return true;
  return QDockWidget::eventFilter(watched, e);
}

void DrcPanel::boardChanged() {
  findings_.clear();
  list_->clear();
  progressText_->clear();
  progress_->setValue(0);
  selectAll_->setEnabled(false);
}

void DrcPanel::paintMarkers(QPainter& painter, const ViewMapping& mapping) const {
  if (!isVisible() || findings_.empty()) return;
  painter.save();
  painter.setPen(QPen(Qt::white, 0));
  QBrush hatch(Qt::white, Qt::BDiagPattern);
  painter.setBrush(hatch);
  for (int row = 0; row < list_->count() && row < int(findings_.size()); ++row) {
    if (!list_->item(row)->isSelected()) continue;
    const Finding& f = findings_[size_t(row)];
    if (f.outline.empty()) {
      painter.drawRect(
          QRectF(mapping.toPixels(Point{float(f.marker.left), float(f.marker.top)}),
                 mapping.toPixels(Point{float(f.marker.right), float(f.marker.bottom)}))
              .normalized());
      continue;
    }
    for (const std::vector<Point>& ring : f.outline) {
      QPolygonF polygon;
      for (Point p : ring) polygon << mapping.toPixels(p);
      painter.drawPolygon(polygon);
    }
  }
  painter.restore();
}

void DrcPanel::zoomTo(int row) {
  if (row < 0 || row >= int(findings_.size())) return;
  for (size_t i = 0; i < doc_.elements().size(); ++i) {
    if (doc_.elements()[i].Selected) doc_.elements().edit(i).Selected = 0;
  }
  const IRect m = findings_[size_t(row)].marker;
  const int32_t w = m.right - m.left;
  const int32_t h = m.bottom - m.top;
  const BoardSettings& s = doc_.working();
  IRect r{m.left - 2 * w, m.top - 2 * h, m.right + 2 * w, m.bottom + 2 * h};
  r = IRect{std::max(r.left, 0), std::max(r.top, -s.height), std::min(r.right, s.width),
            std::min(r.bottom, 0)};
  if (r.right - r.left < 50 || r.bottom - r.top < 50) return;
  area_.zoomToBox(r);
  area_.invalidate();
}

}  // namespace trazello
