#pragma once

#include <string>

namespace trazello {

// The folder of the macro library beside the executable.
inline constexpr const char* kMacroLibraryFolder = "macros";

// Where the program finds its files: the folder of the executable holds "SPRACHE.INI" and the
// help pages; settings, colour schemes and macros live there too unless it is not writable, in
// which case they move to the user's configuration folder.
struct AppPaths {
  std::string programFolder;  // ends with '/'
  std::string dataFolder;     // ends with '/'

  static AppPaths locate(const std::string& executableFolder, const std::string& configHome);
  std::string settingsFile() const { return dataFolder + "TRAZEL50.INI"; }
  std::string languageFile() const { return programFolder + "SPRACHE.INI"; }
  std::string helpFolder() const { return programFolder + "help/"; }
  // The macro library that comes with the program; the library folder until the user chooses
  // another.
  std::string macroLibrary() const { return programFolder + kMacroLibraryFolder; }
};

// The language byte of "SPRACHE.INI" (section and key "Sprache"); 0 when missing.
int readLanguageByte(const std::string& languageFile);

}  // namespace trazello
