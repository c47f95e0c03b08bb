#pragma once

#include <array>
#include <string>
#include <vector>

#include "IniFile.h"

namespace trazello {

// Everything the program keeps in "TRAZEL50.INI" between runs, with the defaults of a first
// start. Sections of other features (design rule check, printing, drill files) stay in the
// IniFile untouched.
struct AppSettings {
  // Window
  bool windowMax = true;
  int windowX = 10, windowY = 10, windowW = 600, windowH = 400;
  // Optionen
  bool hints = true;
  bool autoSave = false;
  int autoSaveTime = 300000;
  int colourScheme = 0;
  bool boardMap = true;
  int undo = 50;  // depth minus one
  int imaxCu = 35, imaxDt = 20;
  bool whiteDrills = false;
  bool crosshair = true;
  bool autoMirror = true;
  bool virtualNodes = true;
  bool limitTextHeight = false;
  bool ctrlToCatch = true;
  bool hpglSpecialFactor = false;
  bool darkGroundPlane = true;
  bool camOrigin = false;
  bool autoUpdate = false;
  std::string hotkeys = "ZLPSRFNTCAXMVO";
  bool transparent = false;
  int gridMarks = 4;
  bool gridVisible = true;
  int rotationStep = 450;      // tenths of a degree
  int userRotation = 225;      // tenths of a degree
  bool mil = false;
  bool macroPanel = false;
  int macroWidth = 176, macroHeight = 164;
  bool drcPanel = false;
  bool propertiesPanel = false;
  int exportBitmapDpi = 300;
  // Settings: current sizes in hundredths of a millimetre
  int track = 80, padOuter = 180, padDrill = 60, smdX = 90, smdY = 180;
  // Ordner
  std::string layoutFolder, gerberFolder, bitmapFolder, templateFolder, pltFolder;
  std::string macroFolder, macroSubFolder;
  // History
  std::vector<std::string> history;
  // User lists
  std::vector<int> trackWidths;  // hundredths of a millimetre
  std::vector<int> gridSteps;    // hundredths of a millimetre, or thousandths when above 10000
  std::vector<int> padSizes;     // outer * 10000 + drill
  std::vector<int> smdSizes;     // width * 10000 + height

  // Defaults that depend on where the program lives.
  static AppSettings defaultsFor(const std::string& programFolder);

  // Values a damaged file holds outside what the program can work with get their defaults;
  // damaged entries of the user lists are left out.
  void readFrom(const IniFile& ini, const std::string& programFolder);
  void writeTo(IniFile& ini) const;
  void dropDamagedValues();

  // The key of each of the 14 tools (zoom, track, pad, SMD pad, circle, polygon, special shape,
  // text, connection, autorouter, test, measure, photo view, solder mask); 0 for none.
  std::array<char, 14> toolKeys() const;
  // The tool whose hotkey is `key`, or -1.
  int toolForKey(char key) const;
};

}  // namespace trazello
