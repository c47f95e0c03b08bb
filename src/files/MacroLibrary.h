#pragma once

#include <functional>
#include <string>
#include <vector>

namespace trazello {

// One entry of the macro library: a sub-folder with its entries, or a macro file. `name` is the
// folder or file name as it lies on disk, extension included.
struct MacroNode {
  std::string name;
  bool folder = false;
  std::vector<MacroNode> children;
};

// Reads the library below `folder`: every sub-folder and every ".tzm" file (any case), names
// beginning with a period skipped, each level sorted by name without regard to case. A folder
// reached twice through links is read once. `reading` is told each folder as it is read.
std::vector<MacroNode> scanMacroLibrary(
    const std::string& folder, const std::function<void(const std::string&)>& reading = {});

// The path of a node: the library folder, then the names of its ancestors and its own, joined
// with '/'.
std::string macroNodePath(const std::string& folder, const std::vector<std::string>& names);

}  // namespace trazello
