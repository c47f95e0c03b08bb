#include "PhotoViewWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ContextHelp.h"

namespace trazello {

PhotoViewWindow::PhotoViewWindow(Language language, QWidget* parent) : QWidget(parent, Qt::Tool) {
  auto text = [language](const char* c) { return QString::fromStdString(caption(c, language)); };
  setObjectName("PhotoViewWindow");
  setWindowTitle(text("PhotoView"));
  auto* column = new QVBoxLayout(this);
  side1_ = new QRadioButton(text("PhotoSide1"), this);
  side2_ = new QRadioButton(text("PhotoSide2"), this);
  silk_ = new QCheckBox(text("PhotoSilk"), this);
  xray_ = new QCheckBox(text("PhotoXray"), this);
  side1_->setObjectName("RB_Seite1");
  side2_->setObjectName("RB_Seite2");
  silk_->setObjectName("CB_Bestueckung");
  xray_->setObjectName("CB_XRay");
  side1_->setChecked(true);
  silk_->setChecked(true);
  for (QWidget* w : {static_cast<QWidget*>(side1_), static_cast<QWidget*>(side2_),
                     static_cast<QWidget*>(silk_), static_cast<QWidget*>(xray_)})
    column->addWidget(w);
  for (QRadioButton* r : {side1_, side2_})
    connect(r, &QRadioButton::clicked, this, &PhotoViewWindow::changed);
  for (QCheckBox* c : {silk_, xray_})
    connect(c, &QCheckBox::clicked, this, &PhotoViewWindow::changed);
}

int PhotoViewWindow::side() const {
  return side2_->isChecked() ? 2 : 1;
}

void PhotoViewWindow::setSide(int side) {
  (side == 2 ? side2_ : side1_)->setChecked(true);
  emit changed();
}

bool PhotoViewWindow::withSilkscreen() const {
  return silk_->isChecked();
}
bool PhotoViewWindow::xray() const {
  return xray_->isChecked();
}

QRadioButton* PhotoViewWindow::sideButton(int side) const {
  return side == 2 ? side2_ : side1_;
}

void PhotoViewWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  emit changed();
}

void PhotoViewWindow::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit changed();
}

void PhotoViewWindow::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit closedByUser();
}

void PhotoViewWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (e->key() == Qt::Key_F1) {
    emit helpRequested(kHelpPhotoView);
    return;
  }
  QWidget::keyPressEvent(e);
}

}  // namespace trazello
