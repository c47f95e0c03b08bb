#include "Commands.h"

#include <algorithm>
#include <iostream>
#include <utility>
#include <vector>

#include "files/LayoutIo.h"
#include "files/TextEncoding.h"

namespace trazello::cli {

std::optional<int> runFromTable(std::span<const Command* const> table, const std::string& name,
                                const Args& args) {
  for (const Command* command : table) {
    if (command->name != name) continue;
    const bool help = std::any_of(args.begin(), args.end(),
                                  [](const std::string& a) { return a == "--help" || a == "-h"; });
    if (help) {
      std::cout << command->usage;
      return 0;
    }
    return command->run(args);
  }
  return std::nullopt;
}

int usageError(std::string_view command, const std::string& what) {
  std::cerr << "trazello-cli " << command << ": " << what << "\nTry \"trazello-cli " << command
            << " --help\".\n";
  return 2;
}

std::string forTerminal(std::string text) {
  for (char& c : text)
    if (c == '\r') c = '\n';
  return text;
}

std::string errorText(const Message& m, const std::string& path) {
  // The window's message box shows this beside the file dialog that named the file; a
  // script's log has nothing else to say which file was missing.
  if (m.id == MessageId::FileNotFound) return "File not found: \"" + path + "\"";
  return forTerminal(cp1252ToUtf8(messageText(m)));
}

std::optional<Document> openForOutput(const std::string& path, int board) {
  Document doc;
  Result<OpenOutcome> opened = openLayout(doc, path, false);
  if (!opened) {
    std::cerr << "trazello-cli: " << errorText(opened.error(), path) << "\n";
    return std::nullopt;
  }
  for (const Message& w : opened->warnings)
    std::cerr << "trazello-cli: " << errorText(w, path) << "\n";
  if (board > static_cast<int>(doc.boards().size())) {
    std::cerr << "trazello-cli: the layout has no board " << board << "\n";
    return std::nullopt;
  }
  if (board > 0) doc.selectBoard(board - 1);
  return doc;
}

void keepUntilExit(Document doc) {
  static auto* kept = new std::vector<Document>;
  kept->push_back(std::move(doc));
}

}  // namespace trazello::cli
