#include "SaveFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace trazello {

QStringList nameFilters(std::string_view filter) {
  // Entries alternate between the shown text and the pattern; the shown text carries both.
  const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
                                .split('|', Qt::SkipEmptyParts);
  QStringList shown;
  for (qsizetype i = 0; i < parts.size(); i += 2) shown << parts[i];
  return shown;
}

QString existingFolder(const std::string& folder) {
  const QString f = QString::fromStdString(folder);
  return !f.isEmpty() && QFileInfo(f).isDir() ? f : QString();
}

QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(nameFilters(request.filter.toStdString()));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
  dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().front();
  return QFileInfo(chosen).absoluteDir().exists() ? chosen : QString();
}

}  // namespace trazello
