#include "AppPaths.h"

#include <unistd.h>

#include <filesystem>

#include "IniFile.h"

namespace trazello {

namespace {
std::string withSlash(std::string s) {
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}
}  // namespace

AppPaths AppPaths::locate(const std::string& executableFolder, const std::string& configHome) {
  AppPaths p;
  p.programFolder = withSlash(executableFolder);
  if (::access(p.programFolder.c_str(), W_OK) == 0) {
    p.dataFolder = p.programFolder;
  } else {
    p.dataFolder = withSlash(withSlash(configHome) + "trazello");
    std::error_code ignored;
    std::filesystem::create_directories(p.dataFolder, ignored);
  }
  return p;
}

int readLanguageByte(const std::string& languageFile) {
  return IniFile::load(languageFile).readInt("Sprache", "Sprache", 0);
}

}  // namespace trazello
