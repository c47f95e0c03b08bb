#include "PrintWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "CustomColours.h"
#include "MessageBoxes.h"
#include "PrintCalibrationDialog.h"
#include "PrintCopiesDialog.h"
#include "PrintOptionsDialog.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

constexpr int kHelpPrint = 30000;
// Layer codes 1 to 7 and the names of their check boxes and colour panels.
constexpr const char* kLayerNames[8] = {"", "K1", "B1", "K2", "B2", "I1", "I2", "U"};

PageMetrics metricsOf(const QPrinter& printer) {
  const QPageLayout l = printer.pageLayout();
  const QRectF full = l.fullRect(QPageLayout::Millimeter);
  const QRectF paint = l.paintRect(QPageLayout::Millimeter);
  return {full.width(), full.height(), paint.width(), paint.height(), paint.left(), paint.top()};
}

ColorRef fromQColor(const QColor& c) {
  return rgb(c.red(), c.green(), c.blue());
}

QIcon colourIcon(ColorRef c) {
  QPixmap pixmap(24, 14);
  pixmap.fill(toQColor(c));
  return QIcon(pixmap);
}

}  // namespace

PrintWindow::PrintWindow(IniFile* ini, std::string settingsFile, std::string coloursFile,
                         Language language, QWidget* parent)
    : QDialog(parent),
      ini_(ini),
      settingsFile_(std::move(settingsFile)),
      coloursFile_(std::move(coloursFile)),
      language_(language),
      printer_(QPrinter::HighResolution) {
  setObjectName("TPrint_Dlg");
  if (ini_) settings_.readFrom(*ini_);
  hasPrinter_ = !QPrinterInfo::availablePrinters().isEmpty();
  if (!hasPrinter_) printer_.setOutputFormat(QPrinter::PdfFormat);
  PrintContent& c = state_.content;
  c.colours = settings_.colours;
  c.mask1Colour = settings_.mask1;
  c.mask2Colour = settings_.mask2;
  c.drillPlanColour = settings_.drillPlan;
  c.padGrowth = settings_.padGrowth;
  c.smdGrowth = settings_.smdGrowth;
  c.otherGrowth = settings_.otherGrowth;
  c.drillTextHeight = settings_.drillTextHeight;
  state_.grid = settings_.grid;
  state_.infoLine = settings_.infoLine;

  auto* layout = new QHBoxLayout(this);
  preview_ = new PrintPreview(state_, this);
  layout->addWidget(preview_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(buildLayerGroup());
  side->addWidget(buildSpecialGroup());
  side->addWidget(buildOptionsGroup());
  side->addWidget(buildScaleGroup());
  side->addStretch(1);
  side->addWidget(buildButtons());
  layout->addLayout(side);
  connect(preview_, &PrintPreview::layoutDragged, preview_, qOverload<>(&QWidget::update));
  calibration_ = new PrintCalibrationDialog(language, this);
  copies_ = new PrintCopiesDialog(language, this);
  pageChanged();
}

PrintWindow::~PrintWindow() = default;

QString PrintWindow::text(const char* name) const {
  return QString::fromStdString(caption(std::string("TPrint_Dlg.") + name, language_));
}

QCheckBox* PrintWindow::checkBox(const char* name, bool on, QWidget* parent) {
  auto* box = new QCheckBox(text(name), parent);
  box->setObjectName(name);
  box->setChecked(on);
  connect(box, &QCheckBox::toggled, this, &PrintWindow::takeControls);
  return box;
}

QToolButton* PrintWindow::colourPanel(const char* name, ColorRef* colour, QWidget* parent) {
  auto* panel = new QToolButton(parent);
  panel->setObjectName(name);
  panel->setIcon(colourIcon(*colour));
  panel->setIconSize(QSize(24, 14));
  connect(panel, &QToolButton::clicked, this, [this, panel, colour] { pickColour(panel, colour); });
  return panel;
}

QWidget* PrintWindow::buildLayerGroup() {
  auto* group = new QGroupBox(text("GB_Layers"), this);
  auto* grid = new QGridLayout(group);
  for (uint8_t code = 1; code <= 7; ++code) {
    const std::string box = std::string("CB_") + kLayerNames[code];
    const std::string panel = std::string("P_") + kLayerNames[code];
    layers_[code] = checkBox(box.c_str(), true, group);
    const int row = (code - 1) % 4, column = (code - 1) / 4 * 2;
    grid->addWidget(layers_[code], row, column);
    grid->addWidget(colourPanel(panel.c_str(), &state_.content.colours[code], group), row,
                    column + 1);
  }
  return group;
}

QWidget* PrintWindow::buildSpecialGroup() {
  auto* group = new QGroupBox(text("GB_Special"), this);
  auto* grid = new QGridLayout(group);
  PrintContent& c = state_.content;
  mask1_ = checkBox("CB_Loetstop1", false, group);
  mask2_ = checkBox("CB_Loetstop2", false, group);
  drillPlan_ = checkBox("CB_Bohrplan1", false, group);
  grid->addWidget(mask1_, 0, 0);
  grid->addWidget(colourPanel("P_Loetstop1", &c.mask1Colour, group), 0, 1);
  grid->addWidget(mask2_, 1, 0);
  grid->addWidget(colourPanel("P_Loetstop2", &c.mask2Colour, group), 1, 1);
  grid->addWidget(drillPlan_, 2, 0);
  grid->addWidget(colourPanel("P_Bohrplan1", &c.drillPlanColour, group), 2, 1);
  auto* options = new QPushButton(text("B_Options"), group);
  options->setObjectName("B_Options");
  connect(options, &QPushButton::clicked, this, [this] {
    PrintOptionsDialog dialog(state_.content, job_.mil, language_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.takeInto(state_.content);
    preview_->update();
  });
  grid->addWidget(options, 3, 0, 1, 2);
  return group;
}

QWidget* PrintWindow::buildOptionsGroup() {
  auto* group = new QGroupBox(text("GB_Options"), this);
  auto* grid = new QGridLayout(group);
  mirror_ = checkBox("Spiegeln", false, group);
  crosses_ = checkBox("Passkreuze", false, group);
  frame_ = checkBox("Rahmen", false, group);
  templates_ = checkBox("CB_Vorlage", false, group);
  negative_ = checkBox("CB_Negativ", false, group);
  grid_ = checkBox("CB_Gitter", state_.grid, group);
  infoLine_ = checkBox("CB_Infozeile", state_.infoLine, group);
  QCheckBox* order[] = {mirror_, crosses_, frame_, templates_, negative_, grid_, infoLine_};
  for (int i = 0; i < 7; ++i) grid->addWidget(order[i], i % 4, i / 4);
  return group;
}

QWidget* PrintWindow::buildScaleGroup() {
  auto* group = new QGroupBox(text("GB_Scale"), this);
  auto* grid = new QGridLayout(group);
  oneToOne_ = new QRadioButton(text("S_1zu1"), group);
  oneToOne_->setObjectName("S_1zu1");
  oneToOne_->setChecked(true);
  free_ = new QRadioButton(text("S_Frei"), group);
  free_->setObjectName("S_Frei");
  scale_ = new QScrollBar(Qt::Horizontal, group);
  scale_->setObjectName("S_Wert");
  scale_->setRange(PrintLayout::kMinScalePosition, PrintLayout::kMaxScalePosition);
  scale_->setValue(PrintLayout::kDefaultScalePosition);
  scale_->setEnabled(false);
  scaleLabel_ = new QLabel(group);
  scaleLabel_->setObjectName("L_Scale");
  scaleLabel_->setText(QString::number(PrintLayout::scalePercent(scale_->value())) + "%");
  scaleLabel_->setEnabled(false);
  grid->addWidget(oneToOne_, 0, 0);
  grid->addWidget(free_, 1, 0);
  grid->addWidget(scaleLabel_, 1, 1);
  grid->addWidget(scale_, 2, 0, 1, 2);
  connect(oneToOne_, &QRadioButton::toggled, this, &PrintWindow::scaleChosen);
  connect(scale_, &QScrollBar::valueChanged, this, &PrintWindow::scaleChosen);
  return group;
}

QWidget* PrintWindow::buildButtons() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  auto button = [&](const char* name, int row, int column, auto handler) {
    auto* b = new QPushButton(text(name), box);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, handler);
    grid->addWidget(b, row, column);
    return b;
  };
  button("B_Zentrieren", 0, 0, [this] { centre(); });
  button("B_Clipboard", 0, 1, [this] { copyToClipboard(); });
  button("SetupBtn", 1, 0, [this] { setupPrinter(); });
  button("KorrekturBtn", 1, 1, [this] {
    calibration_->ask(state_.layout.calibrationX, state_.layout.calibrationY);
  });
  button("KachelBtn", 2, 0, [this] {
    PrintLayout& l = state_.layout;
    if (copies_->ask(l.copiesX, l.copiesY, l.spacing)) preview_->update();
  });
  button("SB_Help", 2, 1, [this] { emit helpRequested(kHelpPrint); });
  button("B_Print", 3, 0, [this] { print(); })->setDefault(true);
  button("CancelBtn", 3, 1, [this] { reject(); });
  return box;
}

void PrintWindow::takeControls() {
  PrintContent& c = state_.content;
  for (uint8_t code = 1; code <= 7; ++code) c.layers[code] = layers_[code]->isChecked();
  c.mask1 = mask1_->isChecked();
  c.mask2 = mask2_->isChecked();
  c.drillPlan = drillPlan_->isChecked();
  c.mirrored = mirror_->isChecked();
  state_.layout.mirrored = c.mirrored;
  c.crosses = crosses_->isChecked();
  c.frame = frame_->isChecked();
  c.templates = templates_->isChecked();
  c.negative = negative_->isChecked();
  state_.grid = grid_->isChecked();
  state_.infoLine = infoLine_->isChecked();
  preview_->update();
}

void PrintWindow::scaleChosen() {
  const bool fixed = oneToOne_->isChecked();
  scale_->setEnabled(!fixed);
  scaleLabel_->setEnabled(!fixed);
  scaleLabel_->setText(QString::number(PrintLayout::scalePercent(scale_->value())) + "%");
  if (fixed)
    state_.layout.setOneToOne();
  else
    state_.layout.setScalePosition(scale_->value());
  preview_->update();
}

void PrintWindow::pickColour(QToolButton* panel, ColorRef* colour) {
  IniFile file = IniFile::load(coloursFile_);
  CustomColours custom = readCustomColours(file);
  for (size_t i = 0; i < custom.size(); ++i)
    if (custom[i]) QColorDialog::setCustomColor(static_cast<int>(i), toQColor(*custom[i]));
  const QColor picked = QColorDialog::getColor(toQColor(*colour), this);
  if (!picked.isValid()) return;
  *colour = fromQColor(picked);
  panel->setIcon(colourIcon(*colour));
  preview_->update();
  for (size_t i = 0; i < custom.size(); ++i) {
    const QColor k = QColorDialog::customColor(static_cast<int>(i));
    custom[i] = k.isValid() ? std::optional<ColorRef>(fromQColor(k)) : std::nullopt;
  }
  writeCustomColours(file, custom);
  file.save(coloursFile_);  // the custom colours are a convenience; losing them is harmless
}

QString PrintWindow::printerName() const {
  return hasPrinter_ ? printer_.printerName() : text("PdfPrinter");
}

void PrintWindow::pageChanged() {
  state_.page = metricsOf(printer_);
  setWindowTitle(printerName());
  preview_->update();
}

void PrintWindow::prepare(const Job& job) {
  job_ = job;
  state_.board = job.board;
  state_.elements = job.elements;
  state_.scans = job.scans;
  state_.info = job.info;
  if (job.board) {
    state_.layout.boardWidth = job.board->width;
    state_.layout.boardHeight = job.board->height;
  }
  takeControls();
  pageChanged();
}

void PrintWindow::openFor(const Job& job) {
  prepare(job);
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
}

void PrintWindow::setupPrinter() {
  QPrintDialog dialog(&printer_, this);
  dialog.exec();
  hasPrinter_ = printer_.outputFormat() == QPrinter::NativeFormat;
  pageChanged();
}

void PrintWindow::centre() {
  const PrintContent& c = state_.content;
  IRect printed{0, -state_.layout.boardHeight, state_.layout.boardWidth, 0};
  if (!c.frame && !c.crosses) {
    if (!state_.elements) return;
    printed = {};
    for (const TObjekt& e : *state_.elements) {
      bool onPrinted = false;
      for (uint8_t code = 1; code <= 7; ++code) onPrinted |= c.layers[code] && isOnLayer(e, code);
      if (onPrinted) printed = unite(printed, boundingBox(e));
    }
    if (isEmpty(printed)) return;
  }
  state_.layout.centre(printed, int(std::lround(state_.page.printableWidth)),
                       int(std::lround(state_.page.printableHeight)));
  preview_->update();
}

void PrintWindow::copyToClipboard() {
  if (!state_.board || !state_.elements) return;
  const QImage picture =
      printClipboardPicture(PrintScene{*state_.board, *state_.elements, state_.scans},
                            state_.content);
  QApplication::clipboard()->setImage(picture);
  showMessage(this, {MessageKind::Information, MessageId::PreviewCopied, {}}, language_);
}

void PrintWindow::print() {
  if (!state_.board || !state_.elements) return;
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    const QFileInfo layout(job_.layoutPath);
    const QString proposed =
        layout.fileName().isEmpty() ? QString("layout.pdf") : layout.completeBaseName() + ".pdf";
    const QString path = choose_(this, {layout.absolutePath(), proposed, "PDF (*.pdf)|*.pdf", "pdf"});
    if (path.isEmpty()) return;
    printer_.setOutputFileName(path);
  }
  printer_.setDocName("Trazello 5.1 - [" + job_.layoutPath + "]");
  QPainter painter;
  if (!painter.begin(&printer_)) {
    const std::string target = printer_.outputFileName().isEmpty()
                                   ? printerName().toStdString()
                                   : printer_.outputFileName().toStdString();
    showMessage(this, {MessageKind::Error, MessageId::FileCannotBeWritten, {target}}, language_);
    return;
  }
  const QRect page(0, 0, painter.device()->width(), painter.device()->height());
  if (state_.infoLine)
    DrawInfoLine(painter, page, state_.info,
                 QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  // Device pixels per hundredth of a millimetre, exact: true scale at any resolution.
  const double kx = painter.device()->logicalDpiX() / 2540.0;
  const double ky = painter.device()->logicalDpiY() / 2540.0;
  DrawPrintCopies(painter, state_.layout, true, QPointF(0, 0), kx, ky, page.size(),
                  PrintScene{*state_.board, *state_.elements, state_.scans}, state_.content);
  painter.end();
}

void PrintWindow::storeSettings() {
  const PrintContent& c = state_.content;
  settings_.colours = c.colours;
  settings_.mask1 = c.mask1Colour;
  settings_.mask2 = c.mask2Colour;
  settings_.drillPlan = c.drillPlanColour;
  settings_.padGrowth = c.padGrowth;
  settings_.smdGrowth = c.smdGrowth;
  settings_.otherGrowth = c.otherGrowth;
  settings_.drillTextHeight = c.drillTextHeight;
  settings_.grid = state_.grid;
  settings_.infoLine = state_.infoLine;
  if (ini_) settings_.writeTo(*ini_);
  if (settingsFile_.empty()) return;
  IniFile onDisk = IniFile::load(settingsFile_);
  settings_.writeTo(onDisk);
  onDisk.save(settingsFile_);  // write errors on closing are of no consequence
}

void PrintWindow::done(int result) {
  storeSettings();
  QDialog::done(result);
}

}  // namespace trazello
