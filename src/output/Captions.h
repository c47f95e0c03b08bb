#pragma once

#include <array>
#include <span>
#include <string_view>

namespace trazello {

// One user-visible text in the three languages of the program: 0 Russian, 1 English,
// 2 French (UTF-8). A language outside 0..2 reads as 0.
struct Localized {
  std::array<std::string_view, 3> text;
  std::string_view in(int language) const {
    return text[language >= 0 && language <= 2 ? static_cast<size_t>(language) : 0];
  }
};

// The caption of one control of a dialog, named as the control is named.
struct ControlCaption {
  std::string_view control;
  Localized caption;
};

// The caption of `control` in `table`, or an empty text when the table has no such control.
inline std::string_view captionOf(std::span<const ControlCaption> table, std::string_view control,
                                  int language) {
  for (const ControlCaption& c : table)
    if (c.control == control) return c.caption.in(language);
  return {};
}

// One boolean key of the settings file, as the dialogs read and write it ("1"/"0").
struct SettingsKey {
  std::string_view section;
  std::string_view key;
  bool value = false;
};

}  // namespace trazello
