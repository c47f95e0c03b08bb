#include "MacroLibrary.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "MacroBuffer.h"

namespace fs = std::filesystem;

namespace trazello {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

void scanFolder(const fs::path& folder, std::vector<MacroNode>& out, std::set<fs::path>& seen,
                const std::function<void(const std::string&)>& reading) {
  std::error_code ec;
  const fs::path canonical = fs::canonical(folder, ec);
  if (ec || !seen.insert(canonical).second) return;
  if (reading) reading(folder.string());
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (it->is_directory(ec)) {
      MacroNode node{name, true, {}};
      scanFolder(it->path(), node.children, seen, reading);
      out.push_back(std::move(node));
    } else if (hasMacroExtension(name)) {
      out.push_back({name, false, {}});
    }
  }
  std::sort(out.begin(), out.end(), [](const MacroNode& a, const MacroNode& b) {
    const std::string la = lower(a.name), lb = lower(b.name);
    return la != lb ? la < lb : a.name < b.name;
  });
}

}  // namespace

std::vector<MacroNode> scanMacroLibrary(const std::string& folder,
                                        const std::function<void(const std::string&)>& reading) {
  std::vector<MacroNode> nodes;
  std::set<fs::path> seen;
  if (!folder.empty()) scanFolder(fs::path(folder), nodes, seen, reading);
  return nodes;
}

std::string macroNodePath(const std::string& folder, const std::vector<std::string>& names) {
  std::string path = folder;
  for (const std::string& n : names) {
    if (!path.empty() && path.back() != '/') path += '/';
    path += n;
  }
  return path;
}

}  // namespace trazello
