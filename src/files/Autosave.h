#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/Message.h"

namespace trazello {

// The backup beside a document file: its extension replaced by ".bak" ("board.trz" gives
// "board.bak", "board" gives "board.bak"). None while the document has no name, and none for a
// document that is itself a backup, so that editing a backup never overwrites it.
std::optional<std::string> backupFileName(const std::string& documentFile);

// What one autosave tick did.
enum class BackupResult {
  NoFileName,  // the document was never saved or loaded
  IsBackup,    // the document is a ".bak" file itself
  Unchanged,   // nothing to keep: the saved file or the last backup already holds this content
  Written,
  Failed,
};

// The periodic backup of the open document. It writes the whole document with the layout
// writer, without the clean-up a save does, to a temporary file that replaces the backup only
// once complete, so an interrupted backup leaves the previous one intact. The document keeps
// its name, its modified flag and everything else a save would change; the layout file itself
// is never touched.
class Autosave {
 public:
  struct Outcome {
    BackupResult result = BackupResult::NoFileName;
    std::string backupFile;
    std::optional<Message> error;  // the layout writer's message when the write failed
  };

  // A document that is not modified is already in its own file, and a document that did not
  // change since the last backup is already in that backup: neither is written again.
  Outcome tick(Document& doc);

  // Called with the complete temporary file just before it replaces the backup.
  void setBeforeReplace(std::function<void(const std::string&)> hook) {
    beforeReplace_ = std::move(hook);
  }

 private:
  std::string lastFile_;
  std::vector<uint8_t> lastBytes_;
  std::function<void(const std::string&)> beforeReplace_;
};

}  // namespace trazello
