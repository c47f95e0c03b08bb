#pragma once

#include <array>
#include <optional>
#include <string>

#include "ColourScheme.h"
#include "model/Message.h"

namespace trazello {

// The four colour schemes (0 the built-in default, 1 to 3 the user schemes kept in
// "C_USER<n>.DAT" files of the program folder) and the active record that all drawing reads.
class SchemeStore {
 public:
  static constexpr int kCount = 4;

  explicit SchemeStore(std::string folder = {});

  // The path of the file of user scheme 1, 2 or 3.
  std::string userSchemeFile(int index) const;

  // Reads the user scheme files (a missing or short file gives a copy of the default) and makes
  // scheme `selected` active. A selection outside 0 to 3 falls back to the default scheme.
  void load(int selected = 0);
  // Reloads the files but keeps the active record and selection as they are.
  void reloadFiles();

  const ColourScheme& scheme(int index) const;
  int selected() const { return selected_; }
  // Makes scheme `index` (clamped to the default when out of range) selected and active.
  void select(int index);

  const ColourScheme& active() const { return active_; }
  void setActive(const ColourScheme& s) { active_ = s; }

  // Writes user scheme 1 to 3 to its file and keeps it in the store; the message names the file
  // when it cannot be written. The default scheme is never written.
  std::optional<Message> writeUserScheme(int index, const ColourScheme& s);

 private:
  std::string folder_;
  std::array<ColourScheme, kCount> schemes_;
  ColourScheme active_;
  int selected_ = 0;
};

}  // namespace trazello
