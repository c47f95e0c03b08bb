// Picture export: bitmap, GIF and JPEG at a chosen resolution, the metafile and the SVG picture
// of the board.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>

#include "ContextHelp.h"
#include "ExportDialog.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "view/PictureExport.h"

namespace trazello {

namespace {

// The hourglass while the picture is made: the work runs inside the click that started it.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

constexpr Localized kMetafileFilter{{"Метафайлы (*.emf)|*.EMF", "Enhanced Metafiles (*.emf)|*.EMF",
                                     "Métafichiers (*.emf)|*.EMF"}};
constexpr Localized kSvgFilter{{"Рисунки SVG (*.svg)|*.SVG", "SVG pictures (*.svg)|*.SVG",
                                "Images SVG (*.svg)|*.SVG"}};

}  // namespace

void MainWindow::connectExportCommands() {
  bind("BitmapExport1", [this] { exportRasterPicture(RasterKind::Bitmap); });
  bind("GIFExport1", [this] { exportRasterPicture(RasterKind::Gif); });
  bind("JPGExport1", [this] { exportRasterPicture(RasterKind::Jpeg); });
  bind("EMFExport1", [this] { exportVectorPicture(true); });
  bind("SVGExport1", [this] { exportVectorPicture(false); });
}

PictureSource MainWindow::pictureSource() const {
  return {doc_.working(), doc_.elements(), &scans_, schemes_.active(), options_};
}

QString MainWindow::askPictureFile(std::string_view filter, std::string_view extension) {
  return pictureChooser_(this, {existingFolder(settings_.bitmapFolder), QString(),
                                QString::fromUtf8(filter), QString::fromUtf8(extension)});
}

void MainWindow::exportRasterPicture(RasterKind kind) {
  const BoardSettings& board = doc_.working();
  ExportDialog dialog(TExportDlg(kind, board.width, board.height, settings_.exportBitmapDpi),
                      lang_, this);
  connect(&dialog, &ExportDialog::helpRequested, this,
          [this](int context) { openContextHelp(paths_, context); });
  const bool accepted = dialog.exec() == QDialog::Accepted;
  const TExportDlg choice = dialog.state();
  settings_.exportBitmapDpi = choice.dpi();  // kept after a cancel too
  if (!accepted) return;
  const int language = static_cast<int>(lang_);
  const QString path = askPictureFile(choice.saveFilter(language), choice.defaultExtension());
  if (path.isEmpty()) return;
  repaint();
  std::optional<Message> failed;
  {
    BusyCursor busy;
    const QImage picture = rasterPicture(pictureSource(), choice.dpi());
    failed = writeRasterPicture(picture, kind, choice.monochrome(), choice.dpi(),
                                schemes_.active()[SchemeSlot::Background],
                                QFile::encodeName(path).toStdString());
  }
  if (failed) {
    showMessage(this, *failed, lang_);
    return;
  }
  settings_.bitmapFolder = QFileInfo(path).absolutePath().toStdString() + "/";
}

// The metafile also goes to the clipboard, for pasting into documents.
void MainWindow::exportVectorPicture(bool metafile) {
  const QString path = metafile ? askPictureFile(kMetafileFilter.in(int(lang_)), "EMF")
                                : askPictureFile(kSvgFilter.in(int(lang_)), "SVG");
  if (path.isEmpty()) return;
  std::optional<Message> failed;
  {
    BusyCursor busy;
    const double zoom = doc_.working().zoom;
    if (metafile) {
      const std::vector<uint8_t> emf = boardMetafile(pictureSource(), zoom, false);
      failed = writePictureFile(QFile::encodeName(path).toStdString(), emf.data(), emf.size());
      auto* data = new QMimeData;
      data->setData("image/emf", QByteArray(reinterpret_cast<const char*>(emf.data()),
                                            static_cast<qsizetype>(emf.size())));
      QApplication::clipboard()->setMimeData(data);
    } else {
      const QByteArray svg = boardSvg(pictureSource(), zoom, false);
      failed = writePictureFile(QFile::encodeName(path).toStdString(), svg.constData(),
                                static_cast<size_t>(svg.size()));
    }
  }
  if (failed) {
    showMessage(this, *failed, lang_);
    return;
  }
  settings_.bitmapFolder = QFileInfo(path).absolutePath().toStdString() + "/";
}

}  // namespace trazello
