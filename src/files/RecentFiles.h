#pragma once

#include <string>
#include <vector>

namespace trazello {

// The four most recently read or written layout files, most recent first.
class RecentFiles {
 public:
  static constexpr size_t kCount = 4;

  const std::vector<std::string>& entries() const { return entries_; }
  void setEntries(std::vector<std::string> entries);

  // Backups (".bak") and names already listed (in any case) leave the list as it is; otherwise
  // the name, with its full path, becomes the first entry and the fourth is dropped.
  void offer(const std::string& fileName);

  // "&1 name.trz" and so on: the menu captions, without paths.
  std::vector<std::string> menuCaptions() const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace trazello
