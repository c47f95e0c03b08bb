#include "MillingCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>

#include "MessageBoxes.h"
#include "MillingProgress.h"
#include "TKonturFraesenDlg.h"
#include "TUmrissDlg.h"
#include "files/AtomicFile.h"
#include "view/MillingPreview.h"

namespace trazello {

namespace {

const char* kHpglFilter = "HPGL (*.plt)|*.PLT";

class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// A place on the board as the status line shows it: millimetres from the user origin, y down.
QString placeText(IPoint at, const BoardSettings& board) {
  const double x = (at.x - board.originX / 1000.0) / 100.0;
  const double y = -(at.y - board.originY / 1000.0) / 100.0;
  return QString("%1, %2 mm").arg(x, 0, 'f', 2).arg(y, 0, 'f', 2);
}

}  // namespace

MillingCommands::MillingCommands(Context context, QObject* parent)
    : QObject(parent), c_(std::move(context)) {
  isolation_ = new TUmrissDlg(c_.language, c_.window);
  outline_ = new TKonturFraesenDlg(c_.language, c_.window);
  connect(isolation_, &TUmrissDlg::helpRequested, this, &MillingCommands::helpRequested);
  connect(outline_, &TKonturFraesenDlg::helpRequested, this, &MillingCommands::helpRequested);
  deleteButton_ = new QPushButton(QString::fromStdString(caption("B_UmrisseEntfernen", c_.language)));
  deleteButton_->setObjectName("B_UmrisseEntfernen");
  deleteButton_->setVisible(false);
  connect(deleteButton_, &QPushButton::clicked, this, &MillingCommands::deleteOutlines);
  previewButton_ = new QPushButton(QString::fromStdString(caption("B_FraesVorschau", c_.language)));
  previewButton_->setObjectName("B_FraesVorschau");
  previewButton_->setCheckable(true);
  previewButton_->setVisible(false);
  connect(previewButton_, &QPushButton::toggled, this, [this] {
    if (c_.repaint) c_.repaint();
  });
}

QString MillingCommands::isolationCaption() const {
  return QString::fromStdString(caption("TUmrissDlg", c_.language));
}

void MillingCommands::showOutlines(bool on) {
  shown_ = on;
  deleteButton_->setVisible(on);
  previewButton_->setVisible(on);
  if (!on) {
    outlines_.clear();
    shorts_.clear();
    previewButton_->setChecked(false);
  }
}

void MillingCommands::deleteOutlines() {
  showOutlines(false);
  if (c_.repaint) c_.repaint();
}

QString MillingCommands::askForFile() {
  return choose_(c_.window, {existingFolder(c_.settings->pltFolder), QString(),
                             QString::fromUtf8(kHpglFilter), QStringLiteral("PLT")});
}

bool MillingCommands::write(const QString& path, const std::string& text) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  if (!writeFileAtomically(QFile::encodeName(path).toStdString(), {bytes, text.size()})) return true;
  // A plot that was not written is said so, not passed over in silence.
  showMessage(c_.window,
              {MessageKind::Error, MessageId::FileCannotBeWritten, {path.toStdString()}},
              c_.language);
  return false;
}

void MillingCommands::warnAboutShorts() {
  if (shorts_.empty()) return;
  QStringList places;
  for (size_t i = 0; i < shorts_.size() && i < 10; ++i)
    places << placeText(shorts_[i].at, c_.doc->working());
  if (shorts_.size() > 10) places << "...";
  Message m{MessageKind::Warning,
            MessageId::MillingShorts,
            {std::to_string(shorts_.size()), places.join("\r").toStdString()}};
  m.caption = isolationCaption().toStdString();
  showMessage(c_.window, m, c_.language);
}

void MillingCommands::isolationMilling() {
  isolation_->prepare(c_.doc->elements(), c_.schemes->active(), c_.settings->mil);
  if (isolation_->exec() != QDialog::Accepted) return;
  showOutlines(false);
  IsolationOptions o = isolation_->options();
  o.specialFactor = c_.settings->hpglSpecialFactor;
  o.camOrigin = c_.settings->camOrigin;
  const std::string title = isolationCaption().toStdString();
  const BoardSettings& board = c_.doc->working();
  if (groundPlaneOn(board, o.selection.layer)) {
    Message m{MessageKind::Warning, MessageId::MillingGroundPlaneIgnored, {}};
    m.caption = title;
    showMessage(c_.window, m, c_.language);
  }
  IsolationJob job;
  {
    WaitCursor busy;
    MillingProgress progress(c_.language, c_.window);
    progress.show();
    job = runIsolation(c_.doc->elements(), board, o,
                       [&](IsolationPhase phase, double f) { progress.advance(phase, f); });
  }
  if (job.nothingToMill) {
    Message m{MessageKind::Warning, MessageId::NoMillingElements, {}};
    m.caption = title;
    showMessage(c_.window, m, c_.language);
    return;
  }
  outlines_ = std::move(job.outlines);
  shorts_ = std::move(job.shorts);
  toolWidth_ = o.selection.toolWidth;
  showOutlines(true);
  if (c_.repaint) c_.repaint();
  warnAboutShorts();
  const QString path = askForFile();
  if (path.isEmpty()) return;  // the outlines stay on show
  if (!write(path, job.file)) return;
  const QDir folder = QFileInfo(path).absoluteDir();
  for (const PlotFile& f : job.drillFiles)
    if (!write(folder.filePath(QString::fromStdString(f.name)), f.text)) return;
  c_.settings->pltFolder = QFileInfo(path).absolutePath().toStdString() + "/";
}

void MillingCommands::outlineMilling() {
  const ElementList& elements = c_.doc->elements();
  if (!hasOutlineElements(elements)) {
    Message m{MessageKind::Warning, MessageId::NoOutlineElements, {}};
    m.caption = caption("TKonturFraesenDlg", c_.language);
    showMessage(c_.window, m, c_.language);
    return;
  }
  outline_->prepare(hasSelectedOutlineElements(elements), isolation_->referenceHoles());
  if (outline_->exec() != QDialog::Accepted) return;
  OutlineMillingOptions o = outline_->options();
  isolation_->setReferenceHoles(o.refs);
  const QString path = askForFile();
  if (path.isEmpty()) return;
  o.specialFactor = c_.settings->hpglSpecialFactor;
  o.camOrigin = c_.settings->camOrigin;
  std::string text;
  {
    WaitCursor busy;
    text = outlineMillingFile(elements, c_.doc->working(), o);
  }
  if (write(path, text)) c_.settings->pltFolder = QFileInfo(path).absolutePath().toStdString() + "/";
}

void MillingCommands::paintOutlines(QPainter& p, const ViewMapping& mapping) const {
  if (!shown_) return;
  p.save();
  p.setTransform(mapping.transform(), true);
  if (previewButton_->isChecked()) {
    paintMilledBoard(p, outlines_, toolWidth_, c_.doc->working());
  } else {
    p.setPen(QPen(Qt::white, 0));
    p.setBrush(Qt::NoBrush);
    for (const MillingOutline& o : outlines_) {
      QPolygonF polygon;
      for (const IPoint& q : o) polygon << QPointF(q.x, q.y);
      p.drawPolygon(polygon);
    }
  }
  // A short: a red ring of 1 mm around the place where the nets meet.
  p.setPen(QPen(Qt::red, 0));
  for (const MillingShort& s : shorts_) p.drawEllipse(QPointF(s.at.x, s.at.y), 100, 100);
  p.restore();
}

}  // namespace trazello
