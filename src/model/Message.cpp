#include "Message.h"

namespace trazello {

namespace {
std::string arg(const Message& m, size_t i) { return i < m.args.size() ? m.args[i] : std::string(); }
}  // namespace

std::string messageText(const Message& m) {
  switch (m.id) {
    case MessageId::BoardAdded: return "A new Board named \"" + arg(m, 0) + "\" was added.";
    case MessageId::DeleteBoardQuestion: return "Delete board \"" + arg(m, 0) + "\" ?";
    case MessageId::LastBoardKept: return "A project must at least contains one board.";
    case MessageId::SaveChanges: return "Save changes?";
    case MessageId::BoardSizeOutOfRange:
      return "The board size must lie between 1 and 500 mm.";
  }
  return {};
}

}  // namespace trazello
