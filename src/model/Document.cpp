#include "Document.h"

#include <algorithm>

namespace trazello {

Document::Document() { newDocument(); }

void Document::storeWorkingSettings() {
  if (current_ >= 0) currentBoard().settings = working_;
}

void Document::replaceBoards(std::vector<Board> boards, int current) {
  if (boards.empty()) {
    boards.emplace_back();
    boards.back().name = boardNamePrefix_ + "1";
  }
  boards_ = std::move(boards);
  current_ = std::clamp(current, 0, static_cast<int>(boards_.size()) - 1);
  working_ = currentBoard().settings;
}

void Document::appendBoards(std::vector<Board> boards) {
  if (boards.empty()) return;
  storeWorkingSettings();
  for (Board& b : boards) boards_.push_back(std::move(b));
  current_ = static_cast<int>(boards_.size()) - 1;
  working_ = currentBoard().settings;
}

void Document::setProjectInfo(ProjectInfo info) {
  project_ = std::move(info);
  modified_ = true;
}

bool Document::needsSaveQuestion() const {
  return modified_ && (!elements().empty() || boards_.size() > 1);
}

std::optional<Message> Document::saveQuestion() const {
  if (!needsSaveQuestion()) return std::nullopt;
  return Message{MessageKind::Question, MessageId::SaveChanges, {}};
}

void Document::newDocument() {
  boards_.clear();
  current_ = -1;
  fileName_.clear();
  project_ = {};
  addBoard(boardNamePrefix_ + "1");
  modified_ = false;
}

Board& Document::addBoard(std::string name) {
  storeWorkingSettings();
  Board b;
  b.name = std::move(name);
  boards_.push_back(std::move(b));
  current_ = static_cast<int>(boards_.size()) - 1;
  working_ = currentBoard().settings;
  return currentBoard();
}

Message Document::newBoardCommand() {
  const std::string name = boardNamePrefix_ + std::to_string(boards_.size() + 1);
  addBoard(name);
  modified_ = true;
  return {MessageKind::Information, MessageId::BoardAdded, {name}};
}

Message Document::deleteBoardQuestion() const {
  if (!canDeleteBoard()) return {MessageKind::Information, MessageId::LastBoardKept, {}};
  return {MessageKind::Question, MessageId::DeleteBoardQuestion, {currentBoard().name}};
}

bool Document::deleteCurrentBoard() {
  if (!canDeleteBoard()) return false;
  boards_.erase(boards_.begin() + current_);
  // The tab that takes the deleted one's place is selected: its right neighbour, or the new
  // last tab.
  current_ = std::min(current_, static_cast<int>(boards_.size()) - 1);
  working_ = currentBoard().settings;
  modified_ = true;
  return true;
}

void Document::copyCurrentBoard() {
  storeWorkingSettings();
  const Board& source = currentBoard();
  Board copy;
  copy.name = "Copy of " + source.name;
  copy.settings = source.settings;
  copy.elements = copyAll(source.elements);
  boards_.push_back(std::move(copy));
  current_ = static_cast<int>(boards_.size()) - 1;
  working_ = currentBoard().settings;
  modified_ = true;
}

bool Document::moveCurrentTo(int index) {
  if (index == current_ || index < 0 || index >= static_cast<int>(boards_.size())) return false;
  storeWorkingSettings();
  Board moved = std::move(boards_[static_cast<size_t>(current_)]);
  boards_.erase(boards_.begin() + current_);
  boards_.insert(boards_.begin() + index, std::move(moved));
  current_ = index;
  modified_ = true;
  return true;
}

bool Document::moveBoardFirst() { return moveCurrentTo(0); }
bool Document::moveBoardLast() { return moveCurrentTo(static_cast<int>(boards_.size()) - 1); }
bool Document::moveBoardLeft() { return moveCurrentTo(current_ - 1); }
bool Document::moveBoardRight() { return moveCurrentTo(current_ + 1); }

void Document::selectBoard(int index) {
  if (index < 0 || index >= static_cast<int>(boards_.size()) || index == current_) return;
  storeWorkingSettings();
  current_ = index;
  working_ = currentBoard().settings;
}

std::optional<Message> Document::setBoardSize(int32_t width, int32_t height) {
  if (width < kMinBoardSize || width > kMaxBoardSize || height < kMinBoardSize ||
      height > kMaxBoardSize)
    return Message{MessageKind::Error, MessageId::BoardSizeOutOfRange, {}};
  if (width == working_.width && height == working_.height) return std::nullopt;
  working_.width = width;
  working_.height = height;
  working_.zoom = std::min(working_.zoom, maxZoomFor(width, height));
  storeWorkingSettings();
  modified_ = true;
  return std::nullopt;
}

void Document::renameCurrentBoard(std::string name) {
  if (name == currentBoard().name) return;
  currentBoard().name = std::move(name);
  modified_ = true;
}

void Document::setMultilayer(bool on) {
  working_.multilayer = on ? 1 : 0;
  // The inner layers appear and disappear with the flag.
  working_.visible[5] = working_.visible[6] = on ? 1 : 0;
  storeWorkingSettings();
  modified_ = true;
}

}  // namespace trazello
