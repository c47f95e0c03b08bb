#include "Autosave.h"

#include <algorithm>
#include <cctype>

#include "AtomicFile.h"
#include "LayoutIo.h"

namespace trazello {

namespace {

// Where the extension starts: the last dot of the last path component, if any.
size_t extensionStart(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path.size();
  return dot;
}

std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

std::optional<std::string> backupFileName(const std::string& documentFile) {
  if (documentFile.empty()) return std::nullopt;
  const size_t ext = extensionStart(documentFile);
  if (lowered(documentFile.substr(ext)) == ".bak") return std::nullopt;
  return documentFile.substr(0, ext) + ".bak";
}

Autosave::Outcome Autosave::tick(Document& doc) {
  Outcome out;
  if (doc.fileName().empty()) return out;
  const auto name = backupFileName(doc.fileName());
  if (!name) {
    out.result = BackupResult::IsBackup;
    return out;
  }
  out.backupFile = *name;
  out.result = BackupResult::Unchanged;
  if (!doc.modified()) return out;
  std::vector<uint8_t> bytes = layoutBytesToSave(doc, true);
  if (*name == lastFile_ && bytes == lastBytes_ && fileExists(*name)) return out;
  if (auto why = writeFileAtomically(*name, bytes, {.replaceReadOnly = false, .beforeReplace = beforeReplace_})) {
    out.result = BackupResult::Failed;
    out.error = Message{MessageKind::Information, MessageId::FileCannotBeWritten, {*name, *why}};
    return out;
  }
  out.result = BackupResult::Written;
  lastFile_ = *name;
  lastBytes_ = std::move(bytes);
  return out;
}

}  // namespace trazello
