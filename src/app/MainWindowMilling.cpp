// The milling commands of the main window: isolation milling with its outline display and the
// "Delete outlines" button, and outline milling.
#include <QPushButton>
#include <QStatusBar>

#include "ContextHelp.h"
#include "MainWindow.h"
#include "MillingCommands.h"

namespace trazello {

void MainWindow::connectMillingCommands() {
  milling_ = new MillingCommands({this, &doc_, &settings_, &schemes_, lang_,
                                  [this] { area_->viewport()->update(); }},
                                 this);
  connect(milling_, &MillingCommands::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
  bind("UmrissHPGLplt1", [this] { milling_->isolationMilling(); });
  bind("PlatinenkonturHPGLplt1", [this] { milling_->outlineMilling(); });
  statusBar()->addWidget(milling_->deleteButton());
  statusBar()->addWidget(milling_->previewButton());
  area_->addOverlayPainter(
      [this](QPainter& p, const ViewMapping& m) { milling_->paintOutlines(p, m); });
}

}  // namespace trazello
