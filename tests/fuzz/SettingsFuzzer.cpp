// libFuzzer target: the settings file, the language file and the colour picker's custom colours
// are all read through IniFile. Whatever the bytes, reading must give values within their ranges,
// and what is written from them must read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/AppSettings.h"
#include "app/Captions.h"
#include "app/CustomColours.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

std::string written(const trazello::AppSettings& s) {
  trazello::IniFile out;
  s.writeTo(out);
  return out.text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trazello;
  const IniFile ini = IniFile::parse(std::string(reinterpret_cast<const char*>(data), size));

  AppSettings s;
  s.readFrom(ini, "/program/");
  check(s.autoSaveTime >= 1000);
  check(s.undo >= 0 && s.undo <= 50);
  check(s.imaxCu >= 1 && s.imaxCu <= 299 && s.imaxDt >= 1 && s.imaxDt <= 299);
  check(s.colourScheme >= 0 && s.colourScheme <= 3);
  check(s.padDrill <= s.padOuter);
  for (int step : s.gridSteps) check(step > 0);
  check(s.history.size() <= 4);
  check(s.toolForKey('_') == -1);

  const std::string text = written(s);
  AppSettings again;
  again.readFrom(IniFile::parse(text), "/program/");
  check(written(again) == text);

  const int language = ini.readInt("Sprache", "Sprache", 0);
  const Language l = languageFromByte(language);
  check(l == Language::Russian || l == Language::English || l == Language::French);

  const CustomColours colours = readCustomColours(ini);
  IniFile colourFile;
  writeCustomColours(colourFile, colours);
  check(readCustomColours(IniFile::parse(colourFile.text())) == colours);
  return 0;
}
