#include "AutoRouterWindow.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "ContextHelp.h"
#include "TUnitSpinEdit.h"
#include "checks/AutoRouter.h"

namespace trazello {

namespace {

TUnitSpinEdit* lengthEdit(const char* name, double mm, QWidget* parent) {
  auto* e = new TUnitSpinEdit(parent);
  e->setObjectName(name);
  e->setMin(0.1);
  e->setMax(9.9);
  e->setStep(0.1);
  e->setDecimals(1);
  e->setValue(mm);
  return e;
}

}  // namespace

AutoRouterWindow::AutoRouterWindow(Language language, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  auto text = [language](const char* c) { return QString::fromStdString(caption(c, language)); };
  setObjectName("AutoRouter");
  setWindowTitle(text("AutoRouter"));
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  width_ = lengthEdit("SE_AutoWidth", 0.4, this);
  clearance_ = lengthEdit("SE_AutoAbstand", 0.2, this);
  auto* label1 = new QLabel(text("AutoRouterWidth"), this);
  auto* label2 = new QLabel(text("AutoRouterDistance"), this);
  label1->setObjectName("Label1");
  label2->setObjectName("Label2");
  form->addRow(label1, width_);
  form->addRow(label2, clearance_);
  column->addLayout(form);
  info_ = new QLabel(this);
  info_->setObjectName("P_AutoInfo");
  info_->setFrameShape(QFrame::Panel);
  info_->setFrameShadow(QFrame::Sunken);
  info_->setStyleSheet("color: blue;");
  column->addWidget(info_);
  showStatus(routeStatusText(RouteStatus::Ready, int(language)));
}

RouteSizes AutoRouterWindow::sizes() const {
  return {int32_t(std::lround(width_->value() * 100)),
          int32_t(std::lround(clearance_->value() * 100))};
}

void AutoRouterWindow::setMil(bool on) {
  width_->setMil(on);
  clearance_->setMil(on);
}

void AutoRouterWindow::showStatus(const std::string& text) {
  info_->setText(" " + QString::fromStdString(text));
  // A route runs inside one event; the line must show before it ends.
  if (info_->isVisible()) info_->repaint();
}

QString AutoRouterWindow::status() const {
  return info_->text();
}

void AutoRouterWindow::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit closedByUser();
}

void AutoRouterWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (e->key() == Qt::Key_F1) {
    emit helpRequested(kHelpAutoRouter);
    return;
  }
  QWidget::keyPressEvent(e);
}

}  // namespace trazello
