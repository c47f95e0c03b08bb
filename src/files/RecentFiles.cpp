#include "RecentFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace trazello {

namespace {
std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}
}  // namespace

void RecentFiles::setEntries(std::vector<std::string> entries) {
  std::erase_if(entries, [](const std::string& e) { return e.empty(); });
  if (entries.size() > kCount) entries.resize(kCount);
  entries_ = std::move(entries);
}

void RecentFiles::offer(const std::string& name) {
  // Stored with its full path: a relative name means another file once the program starts in
  // another folder.
  std::error_code failed;
  std::string fileName = std::filesystem::absolute(name, failed).lexically_normal().string();
  if (failed) fileName = name;
  const std::string key = lower(fileName);
  if (key.size() >= 4 && key.compare(key.size() - 4, 4, ".bak") == 0) return;
  if (std::any_of(entries_.begin(), entries_.end(),
                  [&](const std::string& e) { return lower(e) == key; }))
    return;
  entries_.insert(entries_.begin(), fileName);
  if (entries_.size() > kCount) entries_.resize(kCount);
}

std::vector<std::string> RecentFiles::menuCaptions() const {
  std::vector<std::string> captions;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const size_t slash = entries_[i].find_last_of("/\\");
    captions.push_back("&" + std::to_string(i + 1) + " " +
                       (slash == std::string::npos ? entries_[i] : entries_[i].substr(slash + 1)));
  }
  return captions;
}

}  // namespace trazello
