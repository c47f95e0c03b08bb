#include "LayoutIo.h"

#include <filesystem>

#include "AtomicFile.h"
#include "BoardCleanup.h"

namespace trazello {

std::optional<Message> checkLayoutFile(const std::string& path) {
  // A folder or a pipe of that name exists: the read below says why it cannot be opened.
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    Message m{MessageKind::Error, MessageId::FileNotFound, {}};
    m.caption = "Open";
    return m;
  }
  std::string why;
  const auto bytes = readWholeFile(path, &why, 4);
  if (!bytes) return Message{MessageKind::Error, MessageId::FileCannotBeRead, {path, why}};
  if (!isLayoutVersionWord(*bytes)) {
    const size_t slash = path.find_last_of('/');
    Message m{MessageKind::Error,
              MessageId::NotATrazelloFile,
              {slash == std::string::npos ? path : path.substr(slash + 1)}};
    m.caption = "Open";
    return m;
  }
  return std::nullopt;
}

Result<LayoutFile> readLayoutFile(const std::string& path, bool importing) {
  if (auto refused = checkLayoutFile(path)) return *refused;
  std::string why;
  const auto bytes = readWholeFile(path, &why);
  if (!bytes) return Message{MessageKind::Error, MessageId::FileCannotBeRead, {path, why}};
  return parseLayout(*bytes, path, importing);
}

OpenOutcome applyLayout(Document& doc, LayoutFile file, const std::string& path, bool importing,
                        RecentFiles* recent) {
  if (importing) {
    doc.appendBoards(std::move(file.boards));
  } else {
    const int current = file.currentBoard < 0 ? 0 : file.currentBoard;
    doc.replaceBoards(std::move(file.boards), current);
    doc.replaceProjectInfo(file.project.value_or(ProjectInfo{}));
    doc.setFileName(path);
  }
  if (recent) recent->offer(path);
  compactGroupIds(doc.elements());
  doc.setModified(importing);

  OpenOutcome outcome;
  if (file.layersExchanged)
    outcome.warnings.push_back({MessageKind::Warning, MessageId::LayersExchanged, {}});
  if (!file.unsound.empty()) {
    size_t total = 0;
    std::string kinds;
    for (const auto& [kind, count] : file.unsound) {
      total += count;
      kinds +=
          (kinds.empty() ? "" : ", ") + std::string(kindName(kind)) + ": " + std::to_string(count);
    }
    outcome.warnings.push_back(
        {MessageKind::Warning, MessageId::UnsoundElementsLeftOut, {std::to_string(total), kinds}});
  }
  if (file.boardsResized > 0) {
    outcome.warnings.push_back(
        {MessageKind::Warning, MessageId::BoardSizesLimited, {std::to_string(file.boardsResized)}});
  }
  if (file.trailingBytes > 0) {
    outcome.warnings.push_back({MessageKind::Warning,
                                MessageId::TrailingBytesIgnored,
                                {std::to_string(file.trailingBytes)}});
  }
  if (file.legacyTextCount > 0) {
    outcome.legacyTextQuestion = Message{MessageKind::Question,
                                         MessageId::LegacyTextQuestion,
                                         {std::to_string(file.legacyTextCount)}};
  }
  return outcome;
}

Result<OpenOutcome> openLayout(Document& doc, const std::string& path, bool importing,
                               RecentFiles* recent) {
  Result<LayoutFile> file = readLayoutFile(path, importing);
  if (!file) return file.error();
  return applyLayout(doc, std::move(file.value()), path, importing, recent);
}

Message convertLegacyTextsOfDocument(Document& doc, int32_t clearance,
                                     LegacyTextConversion settings) {
  settings.clearance = clearance;
  const int current = doc.currentIndex();
  for (int b = 0; b < static_cast<int>(doc.boards().size()); ++b) {
    doc.selectBoard(b);
    settings.strokeLayer = static_cast<uint8_t>(doc.working().activeLayer);
    convertLegacyTexts(doc.elements(), settings);
  }
  doc.selectBoard(current);
  doc.setModified();
  return {MessageKind::Information, MessageId::TextsConverted, {}};
}

namespace {

void prepareToSave(Document& doc, bool backup) {
  doc.storeWorkingSettings();
  if (!backup) {
    cleanBoardForSave(doc.elements(), doc.working());
  }
  compactGroupIds(doc.elements());
}

}  // namespace

std::vector<uint8_t> layoutBytesToSave(Document& doc, bool backup) {
  prepareToSave(doc, backup);
  return serializeLayout(doc.boards(), doc.currentIndex(), doc.projectInfo());
}

std::optional<Message> saveLayout(Document& doc, const std::string& path, bool backup,
                                  RecentFiles* recent, bool replaceReadOnly) {
  prepareToSave(doc, backup);
  // Written as it is made: a large board's file never lies whole in memory.
  const auto produce = [&](const ByteSink& sink) {
    serializeLayout(doc.boards(), doc.currentIndex(), doc.projectInfo(), sink);
  };
  if (auto why = writeFileAtomically(path, produce,
                                     {.replaceReadOnly = replaceReadOnly, .beforeReplace = {}})) {
    return Message{MessageKind::Error, MessageId::LayoutNotSaved, {path, *why}};
  }
  if (!backup) {
    doc.setModified(false);
    doc.setFileName(path);
  }
  if (recent) recent->offer(path);
  return std::nullopt;
}

}  // namespace trazello
