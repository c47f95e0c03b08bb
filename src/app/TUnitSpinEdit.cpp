#include "TUnitSpinEdit.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace trazello {

namespace {

constexpr double kMilPerMm = 39.37;
constexpr int kKnob = 14;
constexpr int kFiller = 3;
constexpr int kFieldHeight = 14;

double roundTo10000th(double v) {
  return std::round(v * 10000) / 10000;
}

// Whole mil of a millimetre limit: rounded to tenths first, then cut.
double milLimit(double mm) {
  return std::trunc(std::round(mm * kMilPerMm * 10) / 10);
}

}  // namespace

TUnitSpinEdit::TUnitSpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), label_(new QLabel(this)) {
  edit_->setFrame(false);
  edit_->setFont(QFont("Arial", 8));
  edit_->setGeometry(1, 1, 29, kFieldHeight);
  edit_->setTextMargins(0, 0, 0, 0);
  edit_->installEventFilter(this);
  label_->setFont(QFont("Arial", 8));
  label_->setText(mmName_);
  label_->setAutoFillBackground(true);
  label_->hide();
  setMouseTracking(true);
  connect(edit_, &QLineEdit::textChanged, this, &TUnitSpinEdit::textChanged);
  refreshMaxLength();
  refreshColours();
  showShown(0);
  resize(sizeHint());
}

QSize TUnitSpinEdit::sizeHint() const {
  const int unit = withUnit_ ? label_->sizeHint().width() + 8 : 0;
  return {29 + kFiller + 5 + kKnob + unit, kFieldHeight + 4};
}

void TUnitSpinEdit::setMin(double v) {
  min_ = v;
  refreshMaxLength();
}

void TUnitSpinEdit::setMax(double v) {
  max_ = v;
  refreshMaxLength();
}

void TUnitSpinEdit::setDecimals(int n) {
  decimals_ = std::clamp(n, 0, 6);
  refreshMaxLength();
}

// Five characters suit millimetres, but a mil maximum such as 3933.1 needs six: a shorter limit
// would cut the shown number and so change the value.
void TUnitSpinEdit::refreshMaxLength() {
  const int widest = static_cast<int>(std::max(QString::number(max_, 'f', decimals_).size(),
                                               QString::number(min_, 'f', decimals_).size()));
  edit_->setMaxLength(std::max(5, widest));
}

double TUnitSpinEdit::shownValue() const {
  QString text = edit_->text();
  text.replace(',', '.');
  bool ok = false;
  double v = text.trimmed().toDouble(&ok);
  if (!ok) v = 0;
  return std::clamp(v, min_, std::max(min_, max_));
}

void TUnitSpinEdit::showShown(double v) {
  v = std::clamp(roundTo10000th(v), min_, std::max(min_, max_));
  edit_->setText(QString::number(v, 'f', decimals_).replace(',', '.'));
}

double TUnitSpinEdit::value() const {
  const double v = shownValue();
  return mil_ ? v / kMilPerMm : v;
}

void TUnitSpinEdit::setValue(double millimetres) {
  showShown(mil_ ? millimetres * kMilPerMm : millimetres);
}

void TUnitSpinEdit::setMil(bool on) {
  if (on == mil_) return;
  const double mm = value();
  if (on) {
    mmMin_ = min_, mmMax_ = max_, mmStep_ = step_, mmDecimals_ = decimals_;
    decimals_ = 1;
    step_ = 0.1;
    max_ = milLimit(mmMax_);
    min_ = milLimit(mmMin_);
  } else {
    min_ = mmMin_, max_ = mmMax_, step_ = mmStep_, decimals_ = mmDecimals_;
  }
  mil_ = on;
  refreshMaxLength();
  label_->setText(on ? milName_ : mmName_);
  setValue(mm);
  layoutParts();
}

void TUnitSpinEdit::setWithUnit(bool on) {
  withUnit_ = on;
  label_->setVisible(on);
  layoutParts();
}

namespace {
QString& defaultMmName() {
  static QString name = QString::fromUtf8("мм");
  return name;
}
QString& defaultMilName() {
  static QString name = QString::fromUtf8("мил");
  return name;
}
}  // namespace

void TUnitSpinEdit::setDefaultUnitNames(const QString& mm, const QString& mil) {
  defaultMmName() = mm;
  defaultMilName() = mil;
}

QString TUnitSpinEdit::defaultMm() { return defaultMmName(); }
QString TUnitSpinEdit::defaultMil() { return defaultMilName(); }

void TUnitSpinEdit::setUnitNames(const QString& mm, const QString& mil) {
  mmName_ = mm;
  milName_ = mil;
  label_->setText(mil_ ? milName_ : mmName_);
  layoutParts();
}

void TUnitSpinEdit::setEditTextColor(const QColor& c) {
  textColour_ = c;
  refreshColours();
}

void TUnitSpinEdit::setEditBkColor(const QColor& c) {
  backColour_ = c;
  refreshColours();
}

void TUnitSpinEdit::refreshColours() {
  const bool on = isEnabled();
  const QColor text = on ? textColour_ : QColor(192, 192, 192);
  const QColor back = on ? backColour_ : QColor(128, 128, 128);
  for (QWidget* w : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(label_)}) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      p.setColor(group, QPalette::Base, back);
      p.setColor(group, QPalette::Window, back);
      p.setColor(group, QPalette::Text, text);
      p.setColor(group, QPalette::WindowText, text);
    }
    w->setPalette(p);
  }
  update();
}

void TUnitSpinEdit::textChanged() {
  if (edit_->text().contains(',')) {
    const int caret = edit_->cursorPosition();
    const QSignalBlocker quiet(edit_);
    edit_->setText(edit_->text().replace(',', '.'));
    edit_->setCursorPosition(caret);
  }
  if (entered_ && !reformatting_) {
    entered_ = false;
    emit backup();
  }
  emit editChange();
}

QRect TUnitSpinEdit::knobRect() const {
  return {edit_->geometry().right() + 1 + kFiller + 4, (height() - kKnob) / 2, kKnob, kKnob};
}

void TUnitSpinEdit::layoutParts() {
  int fieldWidth = width() - kKnob - kFiller - 5;
  if (withUnit_) fieldWidth -= label_->sizeHint().width() + 8;
  edit_->setGeometry(1, (height() - kFieldHeight) / 2, std::max(1, fieldWidth), kFieldHeight);
  const QRect knob = knobRect();
  label_->setGeometry(knob.right() + 1 + 6, edit_->y(), label_->sizeHint().width(), kFieldHeight);
  update();
}

void TUnitSpinEdit::resizeEvent(QResizeEvent*) {
  layoutParts();
}

void TUnitSpinEdit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect field = edit_->geometry();
  const QColor back = isEnabled() ? backColour_ : QColor(128, 128, 128);
  p.fillRect(QRect(field.right() + 1, field.top(), kFiller, field.height()), back);
  // The bevel beneath the field.
  p.setPen(palette().color(QPalette::Light));
  p.drawLine(field.left(), field.bottom() + 1, field.right() + kFiller, field.bottom() + 1);
  const QRectF knob = QRectF(knobRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QRadialGradient shade(knob.center() - QPointF(2, 2), kKnob * 0.7);
  shade.setColorAt(0, hover_ ? QColor(255, 255, 255) : QColor(230, 230, 230));
  shade.setColorAt(1, hover_ ? QColor(150, 170, 200) : QColor(120, 120, 120));
  p.setPen(QColor(60, 60, 60));
  p.setBrush(shade);
  p.drawEllipse(knob);
  // Grip marks tell the knob turns up and down.
  p.setPen(QColor(70, 70, 70));
  const QPointF c = knob.center();
  for (int dy : {-3, 0, 3})
    p.drawLine(QPointF(c.x() - 3, c.y() + dy), QPointF(c.x() + 3, c.y() + dy));
}

void TUnitSpinEdit::setHover(bool on) {
  if (on == hover_) return;
  hover_ = on;
  if (on) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
  update();
}

void TUnitSpinEdit::mousePressEvent(QMouseEvent* e) {
  if (!knobRect().contains(e->pos())) return;
  dragging_ = e->button() == Qt::LeftButton;
  dragged_ = false;
  lastY_ = e->pos().y();
  // Focusing first makes a whole drag one edit (one backup) rather than one per step.
  edit_->setFocus(Qt::MouseFocusReason);
}

void TUnitSpinEdit::mouseMoveEvent(QMouseEvent* e) {
  setHover(dragging_ || knobRect().contains(e->pos()));
  if (!dragging_ || !(e->buttons() & Qt::LeftButton)) return;
  const int d = lastY_ - e->pos().y();
  if (std::abs(d) <= 3) return;
  int k = d / 4;
  if (std::abs(k) > 1) k *= std::abs(k);
  double v = shownValue();
  if (e->modifiers() & Qt::ControlModifier) {
    const double unit = 10 * step_;
    v = std::round((v + k * unit) / unit) * unit;
  } else {
    v += k * step_;
  }
  showShown(v);
  lastY_ = e->pos().y();
  dragged_ = true;
}

void TUnitSpinEdit::mouseReleaseEvent(QMouseEvent* e) {
  const bool onKnob = knobRect().contains(e->pos());
  const bool left = e->button() == Qt::LeftButton;
  if ((left && dragging_ && !dragged_ && onKnob) || (e->button() == Qt::RightButton && onKnob)) {
    const double sign = left ? 1 : -1;
    double v = shownValue();
    if (e->modifiers() & Qt::ControlModifier) {
      const double unit = 5 * step_;
      v = std::round((v + sign * unit) / unit) * unit;
    } else {
      v += sign * step_;
    }
    showShown(v);
  }
  if (left) {
    dragging_ = false;
    setHover(onKnob);
    edit_->setFocus(Qt::MouseFocusReason);
  }
}

void TUnitSpinEdit::leaveEvent(QEvent*) {
  if (!dragging_) setHover(false);
}

void TUnitSpinEdit::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) refreshColours();
  QWidget::changeEvent(e);
}

bool TUnitSpinEdit::eventFilter(QObject* watched, QEvent* e) {
  if (watched == edit_) {
    switch (e->type()) {
      case QEvent::FocusIn:
        entered_ = true;
        emit editEnter();
        break;
      case QEvent::FocusOut:
        // Reformatting shows what the program already read; it is no new edit to back up.
        reformatting_ = true;
        setValue(value());
        reformatting_ = false;
        emit editExit();
        entered_ = false;
        break;
      case QEvent::MouseButtonRelease:
        if (!edit_->hasSelectedText()) edit_->selectAll();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace trazello
