#include "MacroLibraryPanel.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <filesystem>

#include "DrawingArea.h"
#include "MacroPreview.h"
#include "MessageBoxes.h"
#include "edit/commands/MacroCommands.h"
#include "files/TextEncoding.h"

namespace trazello {

namespace {

// What a drag from the tree or the preview carries: the path of the macro in the buffer.
constexpr const char* kMacroMime = "application/x-trazello-macro";
constexpr int kFolderRole = Qt::UserRole;

}  // namespace

MacroLibraryPanel::MacroLibraryPanel(Document& doc, const UndoHistory& undo, DrawingArea& area,
                                     const SchemeStore& schemes, const RenderOptions& options,
                                     Language language, QWidget* parent)
    : QDockWidget(parent),
      doc_(doc),
      undo_(undo),
      area_(area),
      language_(language),
      buffer_(doc.macroBuffer()) {
  setObjectName("MacroLibrary");
  setWindowTitle(text("Makrobibliothek"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  tree_ = new QTreeWidget(body);
  tree_->setObjectName("TV_Makros");
  tree_->setHeaderHidden(true);
  tree_->viewport()->installEventFilter(this);
  layout->addWidget(tree_, 3);
  preview_ = new MacroPreview(doc.macroBuffer(), schemes, options, body);
  layout->addWidget(preview_, 2);
  for (int i = 0; i < 2; ++i) {
    comments_[i] = new QLineEdit(body);
    comments_[i]->setObjectName(i == 0 ? "E_Makrotext1" : "E_Makrotext2");
    comments_[i]->setMaxLength(static_cast<int>(kMacroCommentLength));
    layout->addWidget(comments_[i]);
    connect(comments_[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      buffer_.setComment(static_cast<size_t>(i), utf8ToCp1252(t.toStdString()));
    });
  }
  buttonRow_ = new QWidget(body);
  auto* row = new QHBoxLayout(buttonRow_);
  row->setContentsMargins(0, 0, 0, 0);
  mirror_ = addButton("SB_MakroSpiegeln", true);
  side_ = addButton("SB_MakroLayerChange", true);
  plating_ = addButton("SB_MakroDurchkontaktieren", true);
  row->addStretch(1);
  save_ = addButton("SB_MakroSave", false);
  delete_ = addButton("SB_MakroDelete", false);
  layout->addWidget(buttonRow_);
  setWidget(body);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { chosen(); });
  connect(mirror_, &QToolButton::toggled, this, [this](bool on) {
    buffer_.setMirrored(on);
    showBuffer();
  });
  connect(side_, &QToolButton::toggled, this, [this](bool on) {
    buffer_.setOppositeSide(on);
    showBuffer();
  });
  connect(plating_, &QToolButton::toggled, this, [this](bool on) {
    buffer_.setPlated(on);
    showBuffer();
  });
  connect(save_, &QToolButton::clicked, this, &MacroLibraryPanel::saveAsMacro);
  connect(delete_, &QToolButton::clicked, this, &MacroLibraryPanel::deleteChosen);
  connect(preview_, &MacroPreview::dragStarted, this, &MacroLibraryPanel::startDrag);
  area_.viewport()->setAcceptDrops(true);
  area_.viewport()->installEventFilter(this);
  areaViewport_ = area_.viewport();
}

QString MacroLibraryPanel::text(const char* component) const {
  return QString::fromStdString(caption(component, language_));
}

QToolButton* MacroLibraryPanel::addButton(const char* name, bool checkable) {
  auto* b = new QToolButton(buttonRow_);
  b->setObjectName(name);
  b->setText(text((std::string(name) + ".Text").c_str()));
  b->setToolTip(text(name));
  b->setStatusTip(text(name));
  b->setCheckable(checkable);
  buttonRow_->layout()->addWidget(b);
  return b;
}

void MacroLibraryPanel::setFolder(const std::string& folder) {
  folder_ = folder;
  rescan();
}

void MacroLibraryPanel::rescan() {
  filling_ = true;
  tree_->clear();
  const QString reading = text("ReadMacros");
  const auto nodes = scanMacroLibrary(folder_, [&](const std::string& path) {
    if (status_) status_(reading + " " + QString::fromStdString(path).toLower());
  });
  fillItems(nullptr, nodes);
  if (status_) status_(QString());
  filling_ = false;
}

void MacroLibraryPanel::fillItems(QTreeWidgetItem* parent, const std::vector<MacroNode>& nodes) {
  for (const MacroNode& n : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, QString::fromStdString(n.name));
    item->setData(0, kFolderRole, n.folder);
    item->setIcon(0, style()->standardIcon(n.folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
    fillItems(item, n.children);
  }
}

bool MacroLibraryPanel::chooseByName(const QString& name) {
  const QString wanted = name.toLower();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if ((*it)->text(0).toLower() != wanted) continue;
    tree_->setCurrentItem(*it);
    return true;
  }
  return false;
}

std::string MacroLibraryPanel::chosenPath() const {
  std::vector<std::string> names;
  for (QTreeWidgetItem* i = tree_->currentItem(); i; i = i->parent())
    names.insert(names.begin(), i->text(0).toStdString());
  return names.empty() ? std::string() : macroNodePath(folder_, names);
}

QString MacroLibraryPanel::chosenFolder() const {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return QString::fromStdString(folder_);
  const QString path = QString::fromStdString(chosenPath());
  return item->data(0, kFolderRole).toBool() ? path : QFileInfo(path).path();
}

void MacroLibraryPanel::chosen() {
  if (filling_ || !tree_->currentItem()) return;
  MacroLoadOptions options = loadOptions_ ? loadOptions_() : MacroLoadOptions{};
  if (auto refused = buffer_.load(chosenPath(), options)) showMessage(this, *refused, language_);
  showBuffer();
}

void MacroLibraryPanel::showBuffer() {
  for (int i = 0; i < 2; ++i) {
    const QString shown = QString::fromStdString(cp1252ToUtf8(buffer_.comments()[size_t(i)]));
    if (comments_[i]->text() != shown) comments_[i]->setText(shown);
  }
  const std::pair<QToolButton*, bool> states[] = {
      {mirror_, buffer_.mirrored()}, {side_, buffer_.oppositeSide()}, {plating_, buffer_.plated()}};
  for (auto [button, on] : states) {
    const QSignalBlocker quiet(button);
    button->setChecked(on);
  }
  preview_->setSideSwapped(buffer_.oppositeSide());
  preview_->update();
}

void MacroLibraryPanel::startDrag() {
  if (doc_.macroBuffer().empty()) return;
  auto* drag = new QDrag(this);
  auto* data = new QMimeData;
  data->setData(kMacroMime, QByteArray::fromStdString(buffer_.path()));
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
}

bool MacroLibraryPanel::eventFilter(QObject* watched, QEvent* e) {
  // Compared by address only: while the window closes, the drawing area may already be gone.
  if (watched == areaViewport_) return dropEvent(e) || QDockWidget::eventFilter(watched, e);
  if (watched == tree_->viewport()) {
    if (e->type() == QEvent::MouseButtonPress) {
      treePressAt_ = static_cast<QMouseEvent*>(e)->position().toPoint();
    } else if (e->type() == QEvent::MouseMove) {
      auto* m = static_cast<QMouseEvent*>(e);
      const bool far = (m->position().toPoint() - treePressAt_).manhattanLength() >=
                       QApplication::startDragDistance();
      QTreeWidgetItem* item = tree_->currentItem();
      // Only a chosen macro file that still exists can be dragged from the tree.
      if ((m->buttons() & Qt::LeftButton) && far && item && !item->data(0, kFolderRole).toBool() &&
          std::filesystem::exists(chosenPath())) {
        startDrag();
        return true;
      }
    }
  }
  return QDockWidget::eventFilter(watched, e);
}

bool MacroLibraryPanel::dropEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* d = static_cast<QDropEvent*>(e);
      if (!d->mimeData()->hasFormat(kMacroMime) || doc_.macroBuffer().empty()) {
        d->ignore();
        return true;
      }
      Preview p;
      p.shapeSource = Preview::ShapeSource::Own;
      p.ownShapes.assign(doc_.macroBuffer().begin(), doc_.macroBuffer().end());
      p.shapeOffset = macroPlacementPoint(doc_, area_.worldAt(d->position()));
      area_.setPreview(std::move(p));
      d->acceptProposedAction();
      return true;
    }
    case QEvent::DragLeave:
      area_.setPreview({});
      return true;
    case QEvent::Drop: {
      auto* d = static_cast<QDropEvent*>(e);
      area_.setPreview({});
      if (!d->mimeData()->hasFormat(kMacroMime)) return false;
      const Point at = macroPlacementPoint(doc_, area_.worldAt(d->position()));
      d->acceptProposedAction();
      emit macroPlaced(placeMacro(doc_, undo_, at));
      return true;
    }
    default:
      return false;
  }
}

void MacroLibraryPanel::saveAsMacro() {
  if (doc_.elements().empty()) {
    Message m{MessageKind::Warning, MessageId::NoElementsForMacro, {}};
    m.caption = "Savce macro";
    showMessage(this, m, language_);
    return;
  }
  bool anySelected = false;
  for (const TObjekt& e : doc_.elements()) anySelected = anySelected || e.Selected;
  if (!anySelected) {
    Message q{MessageKind::Question, MessageId::SaveWholeLayoutAsMacro, {}};
    q.caption = "Save as macro";
    if (showMessage(this, q, language_) != QMessageBox::Yes) return;
  }
  const QString path =
      chooseFile_(this, {chosenFolder(), QString(), "Layout-Macros (*.tzm)|*.TZM", "TZM"});
  if (path.isEmpty()) return;
  const BoardSettings& s = doc_.working();
  if (auto failed = writeMacroFile(path.toStdString(), doc_.elements(), anySelected, {}, s.grid,
                                   {s.originX, s.originY})) {
    showMessage(this, *failed, language_);
    return;
  }
  // Writing cleaned the board of elements that cannot be drawn.
  area_.invalidate();
  rescan();
  chooseByName(QFileInfo(path).fileName());
}

void MacroLibraryPanel::deleteChosen() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!item || item->data(0, kFolderRole).toBool()) return;
  const std::string path = chosenPath();
  const Message q{MessageKind::Question,
                  MessageId::DeleteMacroQuestion,
                  {utf8ToCp1252(item->text(0).toStdString())}};
  if (showMessage(this, q, language_) != QMessageBox::Ok) return;
  std::error_code failed;
  // A file that is still there keeps its node: the user must not be told it is gone.
  if (!std::filesystem::remove(path, failed) && std::filesystem::exists(path)) {
    showMessage(this,
                Message{MessageKind::Error,
                        MessageId::MacroNotDeleted,
                        {utf8ToCp1252(path), failed ? failed.message() : std::string("unknown")}},
                language_);
    return;
  }
  if (buffer_.path() == path) buffer_.clear();
  filling_ = true;
  delete item;
  filling_ = false;
  // The node that took its place is the chosen one now, and shows as if clicked.
  QTreeWidgetItem* next = tree_->currentItem();
  if (next && !next->data(0, kFolderRole).toBool())
    chosen();
  else
    showBuffer();
}

}  // namespace trazello
