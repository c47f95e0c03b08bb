#include "AppSettings.h"

#include <algorithm>
#include <limits>

#include "AppPaths.h"

namespace trazello {

namespace {

// A favourites list is picked from a drop-down; more entries than this are nobody's choice and
// would only slow the start.
constexpr int kMaxListEntries = 100;

void readList(const IniFile& ini, const char* section, const char* prefix, int first,
              bool stopAtZero, std::vector<int>& out) {
  out.clear();
  for (int i = first; i < first + kMaxListEntries; ++i) {
    const int v = ini.readInt(section, prefix + std::to_string(i), stopAtZero ? 0 : -1);
    if (v == -1 || (stopAtZero && v == 0)) break;
    out.push_back(v);
  }
}

void writeList(IniFile& ini, const char* section, const char* prefix, int first,
               const std::vector<int>& list) {
  ini.eraseSection(section);
  for (size_t i = 0; i < list.size(); ++i)
    ini.writeInt(section, prefix + std::to_string(first + static_cast<int>(i)), list[i]);
}

// Keys are compared with virtual-key codes, which only capital letters and digits match.
bool isHotkey(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

AppSettings AppSettings::defaultsFor(const std::string& programFolder) {
  AppSettings s;
  s.layoutFolder = s.gerberFolder = s.bitmapFolder = s.templateFolder = s.pltFolder = programFolder;
  s.macroFolder = programFolder + kMacroLibraryFolder;
  return s;
}

void AppSettings::readFrom(const IniFile& ini, const std::string& programFolder) {
  *this = defaultsFor(programFolder);
  windowMax = ini.readBool("Window", "WindowMax", windowMax);
  windowX = ini.readInt("Window", "WindowX", windowX);
  windowY = ini.readInt("Window", "WindowY", windowY);
  windowW = ini.readInt("Window", "WindowW", windowW);
  windowH = ini.readInt("Window", "WindowH", windowH);
  const char* o = "Optionen";
  hints = ini.readBool(o, "Kurzhilfe", hints);
  autoSave = ini.readBool(o, "AutoSave", autoSave);
  autoSaveTime = ini.readInt(o, "AutoSaveTime", autoSaveTime);
  colourScheme = ini.readInt(o, "Farbschema", colourScheme);
  boardMap = ini.readBool(o, "PlatinenZoom", boardMap);
  undo = ini.readInt(o, "Undo", undo);
  imaxCu = ini.readInt(o, "Imax_CU", imaxCu);
  imaxDt = ini.readInt(o, "Imax_DT", imaxDt);
  whiteDrills = ini.readBool(o, "BohrungenWeiss", whiteDrills);
  crosshair = ini.readBool(o, "Fadenkreuz", crosshair);
  autoMirror = ini.readBool(o, "AutoSpiegeln", autoMirror);
  virtualNodes = ini.readBool(o, "VirtuelleKnoten", virtualNodes);
  limitTextHeight = ini.readBool(o, "SchrifthoeheBegrenzen", limitTextHeight);
  ctrlToCatch = ini.readBool(o, "StrgZumFangen", ctrlToCatch);
  hpglSpecialFactor = ini.readBool(o, "HPGLSonderFaktor", hpglSpecialFactor);
  darkGroundPlane = ini.readBool(o, "AutoMasseDunkel", darkGroundPlane);
  camOrigin = ini.readBool(o, "CAM_Nullpunkt", camOrigin);
  autoUpdate = ini.readBool(o, "AutoUpdate", autoUpdate);
  hotkeys = ini.readString(o, "Hotkeys", hotkeys);
  transparent = ini.readBool(o, "Transparent", transparent);
  gridMarks = ini.readInt(o, "RasterMarkierung", gridMarks);
  gridVisible = ini.readBool(o, "RasterSichtbar", gridVisible);
  rotationStep = ini.readInt(o, "RotWinkel", rotationStep);
  userRotation = ini.readInt(o, "UserRotWinkel", userRotation);
  mil = ini.readBool(o, "MIL", mil);
  macroPanel = ini.readBool(o, "Makro", macroPanel);
  macroWidth = ini.readInt(o, "MakroBreite", macroWidth);
  macroHeight = ini.readInt(o, "MakroHoehe", macroHeight);
  drcPanel = ini.readBool(o, "DRC", drcPanel);
  propertiesPanel = ini.readBool(o, "Eigenschaften", propertiesPanel);
  exportBitmapDpi = ini.readInt(o, "ExportBitmapDPI", exportBitmapDpi);
  track = ini.readInt("Settings", "Track", track);
  padOuter = ini.readInt("Settings", "Circle1", padOuter);
  padDrill = ini.readInt("Settings", "Circle2", padDrill);
  smdX = ini.readInt("Settings", "SMDX", smdX);
  smdY = ini.readInt("Settings", "SMDY", smdY);
  layoutFolder = ini.readString("Ordner", "Layout", layoutFolder);
  gerberFolder = ini.readString("Ordner", "Gerber", gerberFolder);
  bitmapFolder = ini.readString("Ordner", "Bitmap", bitmapFolder);
  templateFolder = ini.readString("Ordner", "Vorlage", templateFolder);
  pltFolder = ini.readString("Ordner", "PLT", pltFolder);
  macroFolder = ini.readString("Ordner", "Makro", macroFolder);
  macroSubFolder = ini.readString("Ordner", "MakroOrdner", macroSubFolder);
  history.clear();
  for (int i = 1; i <= 4; ++i) {
    const std::string d = ini.readString("History", "D" + std::to_string(i), "");
    if (!d.empty()) history.push_back(d);
  }
  readList(ini, "L_POPUP", "T", 0, false, trackWidths);
  readList(ini, "R_POPUP", "T", 8, false, gridSteps);
  readList(ini, "LA_POPUP", "S", 0, true, padSizes);
  readList(ini, "SMD_POPUP", "S", 0, true, smdSizes);
  dropDamagedValues();
}

void AppSettings::dropDamagedValues() {
  const AppSettings d;
  auto keep = [](int& v, int low, int high, int fallback) {
    if (v < low || v > high) v = fallback;
  };
  // A backup every few milliseconds would leave no time for editing.
  keep(autoSaveTime, 1000, std::numeric_limits<int>::max(), d.autoSaveTime);
  keep(colourScheme, 0, 3, d.colourScheme);
  keep(undo, 0, 50, d.undo);
  keep(imaxCu, 1, 299, d.imaxCu);
  keep(imaxDt, 1, 299, d.imaxDt);
  if (gridMarks != 0 && gridMarks != 2 && gridMarks != 4 && gridMarks != 5 && gridMarks != 10)
    gridMarks = d.gridMarks;
  keep(track, 0, 9998, d.track);
  keep(padOuter, 0, 9998, d.padOuter);
  keep(padDrill, 0, padOuter, std::min(d.padDrill, padOuter));
  keep(smdX, 0, 9998, d.smdX);
  keep(smdY, 0, 9998, d.smdY);
  // A grid step must be positive (a zero step would never end a grid line), list sizes not
  // negative; packed sizes hold two values of at most 9998 each.
  std::erase_if(trackWidths, [](int v) { return v < 0 || v > 9998; });
  std::erase_if(gridSteps, [](int v) { return v <= 0; });
  auto badPair = [](int v) { return v <= 0 || v / 10000 > 9998 || v % 10000 > 9998; };
  std::erase_if(padSizes, badPair);
  std::erase_if(smdSizes, badPair);
  // Any other character is a position without a key, kept as "_" like one.
  std::string keys;
  for (char k : toolKeys()) keys += k ? k : '_';
  hotkeys = keys;
}

void AppSettings::writeTo(IniFile& ini) const {
  ini.writeBool("Window", "WindowMax", windowMax);
  ini.writeInt("Window", "WindowX", windowX);
  ini.writeInt("Window", "WindowY", windowY);
  ini.writeInt("Window", "WindowW", windowW);
  ini.writeInt("Window", "WindowH", windowH);
  const char* o = "Optionen";
  ini.writeBool(o, "Kurzhilfe", hints);
  ini.writeBool(o, "AutoSave", autoSave);
  ini.writeInt(o, "AutoSaveTime", autoSaveTime);
  ini.writeInt(o, "Farbschema", colourScheme);
  ini.writeBool(o, "PlatinenZoom", boardMap);
  ini.writeInt(o, "Undo", undo);
  ini.writeInt(o, "Imax_CU", imaxCu);
  ini.writeInt(o, "Imax_DT", imaxDt);
  ini.writeBool(o, "BohrungenWeiss", whiteDrills);
  ini.writeBool(o, "Fadenkreuz", crosshair);
  ini.writeBool(o, "AutoSpiegeln", autoMirror);
  ini.writeBool(o, "VirtuelleKnoten", virtualNodes);
  ini.writeBool(o, "SchrifthoeheBegrenzen", limitTextHeight);
  ini.writeBool(o, "StrgZumFangen", ctrlToCatch);
  ini.writeBool(o, "HPGLSonderFaktor", hpglSpecialFactor);
  ini.writeBool(o, "AutoMasseDunkel", darkGroundPlane);
  ini.writeBool(o, "CAM_Nullpunkt", camOrigin);
  ini.writeBool(o, "AutoUpdate", autoUpdate);
  std::string keys;
  for (char k : toolKeys()) keys += k ? k : '_';
  ini.write(o, "Hotkeys", keys);
  ini.writeBool(o, "Transparent", transparent);
  ini.writeInt(o, "RasterMarkierung", gridMarks);
  ini.writeBool(o, "RasterSichtbar", gridVisible);
  ini.writeInt(o, "RotWinkel", rotationStep);
  ini.writeInt(o, "UserRotWinkel", userRotation);
  ini.writeBool(o, "MIL", mil);
  ini.writeBool(o, "Makro", macroPanel);
  ini.writeInt(o, "MakroBreite", macroWidth);
  ini.writeInt(o, "MakroHoehe", macroHeight);
  ini.writeBool(o, "DRC", drcPanel);
  ini.writeBool(o, "Eigenschaften", propertiesPanel);
  ini.writeInt(o, "ExportBitmapDPI", exportBitmapDpi);
  ini.writeInt("Settings", "Track", track);
  ini.writeInt("Settings", "Circle1", padOuter);
  ini.writeInt("Settings", "Circle2", padDrill);
  ini.writeInt("Settings", "SMDX", smdX);
  ini.writeInt("Settings", "SMDY", smdY);
  ini.write("Ordner", "Layout", layoutFolder);
  ini.write("Ordner", "Gerber", gerberFolder);
  ini.write("Ordner", "Bitmap", bitmapFolder);
  ini.write("Ordner", "Vorlage", templateFolder);
  ini.write("Ordner", "PLT", pltFolder);
  ini.write("Ordner", "Makro", macroFolder);
  ini.write("Ordner", "MakroOrdner", macroSubFolder);
  for (size_t i = 0; i < 4; ++i)
    ini.write("History", "D" + std::to_string(i + 1), i < history.size() ? history[i] : "");
  writeList(ini, "L_POPUP", "T", 0, trackWidths);
  writeList(ini, "R_POPUP", "T", 8, gridSteps);
  writeList(ini, "LA_POPUP", "S", 0, padSizes);
  writeList(ini, "SMD_POPUP", "S", 0, smdSizes);
}

std::array<char, 14> AppSettings::toolKeys() const {
  std::array<char, 14> keys{};
  for (size_t i = 0; i < keys.size() && i < hotkeys.size(); ++i)
    keys[i] = isHotkey(hotkeys[i]) ? hotkeys[i] : 0;
  return keys;
}

int AppSettings::toolForKey(char key) const {
  if (key == 0 || key == '_') return -1;
  const auto keys = toolKeys();
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == key) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace trazello
