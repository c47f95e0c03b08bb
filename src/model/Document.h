#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Board.h"
#include "Message.h"

namespace trazello {

struct ProjectInfo {
  std::string title;    // at most 100
  std::string author;   // at most 100
  std::string company;  // at most 100
  std::string comment;  // at most 1900, lines separated by CR LF
  friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

// What one layout file holds: boards, one of them current, and project information, plus the
// clipboard and macro buffer that belong to no board. The view and tools work on the working
// copy of the current board's settings; it is written back into the board's record whenever
// another board becomes current or the document is saved. Never without a board.
class Document {
 public:
  Document();

  const std::vector<Board>& boards() const { return boards_; }
  std::vector<Board>& boards() { return boards_; }
  int currentIndex() const { return current_; }
  Board& currentBoard() { return boards_[static_cast<size_t>(current_)]; }
  const Board& currentBoard() const { return boards_[static_cast<size_t>(current_)]; }
  ElementList& elements() { return currentBoard().elements; }
  const ElementList& elements() const { return currentBoard().elements; }

  BoardSettings& working() { return working_; }
  const BoardSettings& working() const { return working_; }
  // Writes the working settings back into the current board's record.
  void storeWorkingSettings();
  // Replaces the boards wholesale (a file was read); `current` is clamped into the list.
  void replaceBoards(std::vector<Board> boards, int current);
  // Appends boards after the others (imported from a file); the last one becomes current.
  void appendBoards(std::vector<Board> boards);

  const std::string& fileName() const { return fileName_; }
  void setFileName(std::string name) { fileName_ = std::move(name); }
  bool modified() const { return modified_; }
  void setModified(bool m = true) { modified_ = m; }

  const ProjectInfo& projectInfo() const { return project_; }
  // As confirmed in the project dialog: sets the modified flag.
  void setProjectInfo(ProjectInfo info);
  // As read from a file: leaves the modified flag alone.
  void replaceProjectInfo(ProjectInfo info) { project_ = std::move(info); }

  ElementList& clipboard() { return clipboard_; }
  const ElementList& clipboard() const { return clipboard_; }
  // The active layer when the clipboard was filled.
  uint8_t clipboardLayer() const { return clipboardLayer_; }
  void setClipboardLayer(uint8_t layerCode) { clipboardLayer_ = layerCode; }
  ElementList& macroBuffer() { return macroBuffer_; }

  // Whether New, Open and closing must first ask "Save changes?".
  bool needsSaveQuestion() const;
  std::optional<Message> saveQuestion() const;

  // Removes every board and the project information and starts over with "<prefix>1".
  void newDocument();
  // The start of default board names ("Board " in English, "Carte " in French), as
  // Windows-1252 bytes since board names are stored so.
  void setBoardNamePrefix(std::string prefix) { boardNamePrefix_ = std::move(prefix); }
  // Appends a board with the defaults and makes it current.
  Board& addBoard(std::string name);
  // The New board command: "Board <n+1>", modified, and the message announcing it.
  Message newBoardCommand();
  // The question before deleting the current board, or the refusal when it is the only one.
  Message deleteBoardQuestion() const;
  bool canDeleteBoard() const { return boards_.size() > 1; }
  // After confirmation; false when refused.
  bool deleteCurrentBoard();
  // "Copy of <name>" with the settings and a deep copy of the elements; becomes current.
  void copyCurrentBoard();
  // Each returns false and changes nothing at the corresponding end.
  bool moveBoardFirst();
  bool moveBoardLast();
  bool moveBoardLeft();
  bool moveBoardRight();
  void selectBoard(int index);

  // Board properties. Sizes in units; refused outside 1 to 500 mm. The zoom is clamped to the
  // largest zoom of the new size.
  std::optional<Message> setBoardSize(int32_t width, int32_t height);
  void renameCurrentBoard(std::string name);
  void setMultilayer(bool on);

 private:
  bool moveCurrentTo(int index);

  std::string boardNamePrefix_ = "Board ";
  std::vector<Board> boards_;
  int current_ = -1;
  BoardSettings working_;
  std::string fileName_;
  bool modified_ = false;
  ProjectInfo project_;
  ElementList clipboard_;
  uint8_t clipboardLayer_ = 0;
  ElementList macroBuffer_;
};

}  // namespace trazello
