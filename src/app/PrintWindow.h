#pragma once

#include <QDialog>
#include <QPrinter>
#include <array>
#include <functional>

#include "Captions.h"
#include "IniFile.h"
#include "PrintPreview.h"
#include "PrintSettings.h"
#include "SaveFileChooser.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace trazello {

class PrintCalibrationDialog;
class PrintCopiesDialog;

// The print window (made once at start, shown maximised): the page preview and every choice of
// a print. Its lasting choices live in section "Drucken" of the settings file, read when the
// window is made and written whenever it closes; scale, offsets, copies and calibration last
// for the run. Without an installed printer it prints into a PDF file.
class PrintWindow : public QDialog {
  Q_OBJECT

 public:
  // What one opening prints from: the current board, its elements and scans, and the names.
  struct Job {
    const BoardSettings* board = nullptr;
    const ElementList* elements = nullptr;
    const ScannedCopies* scans = nullptr;
    QString info;        // file name without folder + " [" + board name + "]"
    QString layoutPath;  // for the print job's title
    bool mil = false;
  };

  // `ini` is the settings the program writes at exit; `settingsFile` the file it came from,
  // updated at once when the window closes; `coloursFile` the colour picker's custom colours.
  PrintWindow(IniFile* ini, std::string settingsFile, std::string coloursFile, Language language,
              QWidget* parent = nullptr);
  ~PrintWindow() override;

  // The printer's name, or the PDF file's caption when there is no printer.
  QString printerName() const;
  // Takes the board of the job; the window shows it at the next layout.
  void prepare(const Job& job);
  // Prepares and shows the window modally.
  void openFor(const Job& job);
  // The printer set-up dialog; the caption and the page follow the choice.
  void setupPrinter();

  void print();
  void centre();
  void copyToClipboard();

  PrintState& state() { return state_; }
  PrintPreview* preview() const { return preview_; }
  QPrinter& printer() { return printer_; }
  void setSaveFileChooser(SaveFileChooser chooser) { choose_ = std::move(chooser); }

 signals:
  void helpRequested(int context);

 protected:
  void done(int result) override;

 private:
  QWidget* buildLayerGroup();
  QWidget* buildSpecialGroup();
  QWidget* buildOptionsGroup();
  QWidget* buildScaleGroup();
  QWidget* buildButtons();
  QToolButton* colourPanel(const char* name, ColorRef* colour, QWidget* parent);
  QCheckBox* checkBox(const char* name, bool on, QWidget* parent);
  void pickColour(QToolButton* panel, ColorRef* colour);
  void takeControls();
  void scaleChosen();
  void pageChanged();
  void storeSettings();
  QString text(const char* name) const;

  IniFile* ini_;
  std::string settingsFile_;
  std::string coloursFile_;
  Language language_;
  PrintSettings settings_;
  PrintState state_;
  QPrinter printer_;
  bool hasPrinter_ = false;
  Job job_;
  SaveFileChooser choose_ = chooseSaveFile;
  PrintPreview* preview_ = nullptr;
  std::array<QCheckBox*, 8> layers_{};
  QCheckBox *mask1_ = nullptr, *mask2_ = nullptr, *drillPlan_ = nullptr;
  QCheckBox *mirror_ = nullptr, *crosses_ = nullptr, *frame_ = nullptr, *templates_ = nullptr;
  QCheckBox *negative_ = nullptr, *grid_ = nullptr, *infoLine_ = nullptr;
  QRadioButton *oneToOne_ = nullptr, *free_ = nullptr;
  QScrollBar* scale_ = nullptr;
  QLabel* scaleLabel_ = nullptr;
  PrintCalibrationDialog* calibration_ = nullptr;
  PrintCopiesDialog* copies_ = nullptr;
};

}  // namespace trazello
