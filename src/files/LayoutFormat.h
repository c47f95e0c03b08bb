#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "model/Board.h"
#include "model/Document.h"
#include "model/Message.h"
#include "model/Result.h"

namespace trazello {

inline constexpr int kLayoutVersion = 5;
inline constexpr uint32_t kVersionBase = 0xFFAA3300u;

// The boards of a layout file as read, before they join a document.
struct LayoutFile {
  int version = kLayoutVersion;
  std::vector<Board> boards;
  int currentBoard = -1;                  // -1: the file names none (versions 0 to 2)
  std::optional<ProjectInfo> project;     // versions 4 and 5
  bool layersExchanged = false;           // versions 0 to 3: C1 and C2 were swapped
  size_t legacyTextCount = 0;             // old system-font texts left in the boards
  std::map<ElementKind, size_t> unsound;  // elements left out for impossible values, by kind
  size_t trailingBytes = 0;               // bytes after the document, ignored
  size_t boardsResized = 0;               // boards brought within the board size limits
};

// Whether the first four bytes carry an accepted version word (0 to 5).
bool isLayoutVersionWord(std::span<const uint8_t> data);

// Reads a whole layout file from memory. `fileName` names it in messages. When `importing`,
// what follows the last board of a version-3 file is not read.
Result<LayoutFile> parseLayout(std::span<const uint8_t> data, const std::string& fileName,
                               bool importing = false);

// The version-5 bytes of the document's boards, current board and project information. The
// boards' records are written as they are; see prepareSave() for the working settings.
std::vector<uint8_t> serializeLayout(const std::vector<Board>& boards, int currentBoard,
                                     const ProjectInfo& project);
// The same bytes handed to `sink` piece by piece, never whole in memory.
void serializeLayout(const std::vector<Board>& boards, int currentBoard, const ProjectInfo& project,
                     const ByteSink& sink);

}  // namespace trazello
