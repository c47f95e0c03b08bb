#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace trazello {

// The numeric field used for lengths and small counts: a text field with a round knob beside
// it. Values are exchanged in millimetres; in mil mode the field shows and accepts mil. The
// knob steps the value on a click (left up, right down, Ctrl for five steps) or follows a
// vertical drag with quadratic acceleration.
class TUnitSpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TUnitSpinEdit(QWidget* parent = nullptr);

  // Limits, step and decimals apply to the shown unit.
  double min() const { return min_; }
  void setMin(double v);
  double max() const { return max_; }
  void setMax(double v);
  double step() const { return step_; }
  void setStep(double v) { step_ = v; }
  int decimals() const { return decimals_; }  // NachkommaStellen
  void setDecimals(int n);

  // In millimetres: the text parsed (0 when unparsable), clamped, converted from mil.
  double value() const;
  void setValue(double millimetres);

  bool mil() const { return mil_; }
  void setMil(bool on);
  bool withUnit() const { return withUnit_; }  // MitEinheit
  void setWithUnit(bool on);
  void setUnitNames(const QString& mm, const QString& mil);
  // The unit words every spin edit made afterwards starts with: the window's language.
  static void setDefaultUnitNames(const QString& mm, const QString& mil);
  static QString defaultMm();
  static QString defaultMil();

  QColor editTextColor() const { return textColour_; }
  void setEditTextColor(const QColor& c);
  QColor editBkColor() const { return backColour_; }
  void setEditBkColor(const QColor& c);

  QLineEdit* field() const { return edit_; }
  QLabel* unitLabel() const { return label_; }
  QRect knobRect() const;
  QSize sizeHint() const override;

 signals:
  void editChange();  // OnEditChange: every change of the text
  void editEnter();   // OnEditEnter
  void editExit();    // OnEditExit, after the value was reformatted
  void backup();      // OnBackup: the first change after the field gained the focus

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  double shownValue() const;
  void showShown(double v);
  void textChanged();
  void refreshColours();
  void refreshMaxLength();
  void layoutParts();
  void setHover(bool on);

  QLineEdit* edit_;
  QLabel* label_;
  double min_ = 0, max_ = 99.9, step_ = 0.1;
  int decimals_ = 1;
  // The millimetre settings while the field shows mil.
  double mmMin_ = 0, mmMax_ = 99.9, mmStep_ = 0.1;
  int mmDecimals_ = 1;
  bool mil_ = false;
  bool withUnit_ = false;
  QString mmName_ = defaultMm(), milName_ = defaultMil();
  QColor textColour_{255, 255, 0};
  QColor backColour_{0, 0, 0};
  bool entered_ = false;
  bool reformatting_ = false;
  bool hover_ = false;
  bool dragging_ = false;
  bool dragged_ = false;
  int lastY_ = 0;
};

}  // namespace trazello
