#pragma once

#include <optional>
#include <string>
#include <vector>

#include "LayoutFormat.h"
#include "RecentFiles.h"
#include "model/Document.h"
#include "model/LegacyTextConversion.h"

namespace trazello {

// What reading a layout into the document leaves for the user: warnings to show, and the
// question whether to replace old system-font texts (answered with convertLegacyTexts()).
struct OpenOutcome {
  std::vector<Message> warnings;
  std::optional<Message> legacyTextQuestion;
};

// The check before Open: missing file, or not a layout file ("Open" boxes).
std::optional<Message> checkLayoutFile(const std::string& path);

// Reads a layout file. Nothing in any document changes here.
Result<LayoutFile> readLayoutFile(const std::string& path, bool importing);

// Puts what was read into the document: replacing its boards (Open) or appending them
// (importing). The name goes into `recent` when given.
OpenOutcome applyLayout(Document& doc, LayoutFile file, const std::string& path, bool importing,
                        RecentFiles* recent = nullptr);

// Open and "Import boards from file": check, read, apply. On failure the document is untouched.
Result<OpenOutcome> openLayout(Document& doc, const std::string& path, bool importing,
                               RecentFiles* recent = nullptr);

// The "Yes" to the legacy-text question: converts the old texts of every board, each board
// being current while its texts are converted, and reports "Text-elements converted.". The new
// texts keep `clearance` (the current ground-plane clearance) from the plane; it overrides the
// clearance in `settings`.
Message convertLegacyTextsOfDocument(Document& doc, int32_t clearance,
                                     LegacyTextConversion settings = {});

// The bytes a save writes. Unless `backup`, elements outside the current board are deleted and
// the board is cleaned first; a backup leaves the elements as the user sees them.
std::vector<uint8_t> layoutBytesToSave(Document& doc, bool backup);

// Save, Save As and backups. Unless `backup`, elements outside the current board are deleted
// and the board is cleaned first. The document takes the name and loses its modified flag only
// when the file was written. A read-only file is replaced only when `replaceReadOnly` says so.
std::optional<Message> saveLayout(Document& doc, const std::string& path, bool backup = false,
                                  RecentFiles* recent = nullptr, bool replaceReadOnly = false);

}  // namespace trazello
