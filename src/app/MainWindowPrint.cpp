// Printing: the print window and the printer set-up of the File menu.
#include <QAction>
#include <QFileInfo>

#include "ContextHelp.h"
#include "MainWindow.h"
#include "PrintWindow.h"
#include "files/TextEncoding.h"

namespace trazello {

void MainWindow::connectPrintCommands() {
  print_ = new PrintWindow(&ini_, paths_.settingsFile(), paths_.dataFolder + "COLORS.DAT", lang_,
                           this);
  connect(print_, &PrintWindow::helpRequested, this,
          [this](int context) { openContextHelp(paths_, context); });
  bind("Drucken1", [this] { openPrintWindow(); });
  bind("Druckereinrichten1", [this] {
    area_->setPreview(Preview{});
    print_->setupPrinter();
  });
}

void MainWindow::openPrintWindow() {
  // A printer whose name is that short is no usable printer.
  if (print_->printerName().size() < 5) return;
  if (currentTool().code != ToolCode::Edit) chooseTool(ToolChoice{});
  area_->setPreview(Preview{});
  const QString file = QString::fromStdString(doc_.fileName());
  PrintWindow::Job job;
  job.board = &doc_.working();
  job.elements = &doc_.elements();
  job.scans = &scans_;
  job.info = QFileInfo(file).fileName() + " [" +
             QString::fromStdString(cp1252ToUtf8(doc_.currentBoard().name)) + "]";
  job.layoutPath = file;
  job.mil = settings_.mil;
  print_->openFor(job);
}

}  // namespace trazello
