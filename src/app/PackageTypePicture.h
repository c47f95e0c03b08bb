#pragma once

#include <QWidget>

#include "edit/FootprintWizard.h"

namespace trazello {

// The wizard's sketch of a package type (`Panel1`): a few pads and the distances d, X and Y the
// fields ask for, so that the user sees which length is which before typing it.
class PackageTypePicture : public QWidget {
  Q_OBJECT

 public:
  explicit PackageTypePicture(QWidget* parent = nullptr);

  void setType(PackageType type);
  PackageType type() const { return type_; }
  QSize sizeHint() const override { return {180, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PackageType type_ = PackageType::Sip;
};

}  // namespace trazello
