#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ArgReader.h"
#include "model/Document.h"
#include "model/Message.h"

namespace trazello::cli {

// One subcommand: its name, the usage that `trazello-cli NAME --help` prints, and its job,
// which parses the arguments, runs and returns the exit status; errors go to stderr.
struct Command {
  std::string_view name;
  std::string_view usage;
  int (*run)(const Args& args);
};

extern const Command kInfoCommand;
extern const Command kConvertCommand;
extern const Command kRenderCommand;
extern const Command kGerberCommand;
extern const Command kDrillCommand;
extern const Command kDrillsCommand;
extern const Command kNetsCommand;
extern const Command kFloodCommand;
extern const Command kDrcCommand;
extern const Command kRouteCommand;
extern const Command kFootprintCommand;
extern const Command kPrintCommand;
extern const Command kIsolateCommand;
extern const Command kOutlineCommand;
extern const Command kImportGerberCommand;
extern const Command kExportCommand;

// Runs the command of `table` called `name`, or prints its usage when the arguments ask for
// help; the exit status, or nothing when the table has no such command.
std::optional<int> runFromTable(std::span<const Command* const> table, const std::string& name,
                                const Args& args);

// Tells stderr what was wrong with the arguments of `command` and where its usage is; the exit
// status of a usage error.
int usageError(std::string_view command, const std::string& what);

// The layout at `path` with board `board` (1-based; 0 keeps the file's current board) made
// current, or nothing after telling stderr why.
std::optional<Document> openForOutput(const std::string& path, int board);
// Keeps the document, unchanged and reachable, until the process ends: the tool exits right
// after its job, and handing a large board back to the allocator block by block would cost
// about as much as reading it. Leak checkers see a reachable block, not a leak.
void keepUntilExit(Document doc);
// A message of the libraries as one terminal line, naming `path` where the message itself
// does not.
std::string errorText(const Message& m, const std::string& path);
// A message's line breaks as the terminal shows them.
std::string forTerminal(std::string text);

}  // namespace trazello::cli
