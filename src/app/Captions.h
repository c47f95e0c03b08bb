#pragma once

#include <string>
#include <vector>

namespace trazello {

// The languages of the user interface, chosen once at start by "SPRACHE.INI".
enum class Language { Russian = 0, English = 1, French = 2 };

// Turns the language byte into a language; values outside 0 to 2 count as 0.
Language languageFromByte(int value);

// A caption in the three languages, UTF-8.
struct Caption {
  const char* ru;
  const char* en;
  const char* fr;
};

// The caption of a window component (its name, e.g. "Datei1", "SB_Line") in `language`;
// the name itself when there is none, so a missing caption shows up instead of vanishing.
std::string caption(const std::string& component, Language language);
// Every component that has a caption.
std::vector<std::string> captionedComponents();

}  // namespace trazello
