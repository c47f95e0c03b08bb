#include "app/AppSettings.h"

#include <gtest/gtest.h>

namespace trazello {
namespace {

TEST(AppSettings, AMissingFileGivesEveryDefault) {
  AppSettings s;
  s.readFrom(IniFile::parse(""), "/opt/trazello/");
  EXPECT_TRUE(s.windowMax);
  EXPECT_EQ(s.windowW, 600);
  EXPECT_EQ(s.undo, 50);
  EXPECT_EQ(s.hotkeys, "ZLPSRFNTCAXMVO");
  EXPECT_EQ(s.rotationStep, 450);
  EXPECT_EQ(s.userRotation, 225);
  EXPECT_EQ(s.track, 80);
  EXPECT_EQ(s.smdY, 180);
  EXPECT_EQ(s.gridMarks, 4);
  EXPECT_EQ(s.layoutFolder, "/opt/trazello/");
  EXPECT_EQ(s.macroFolder, "/opt/trazello/macros");
  EXPECT_TRUE(s.history.empty());
  EXPECT_TRUE(s.gridSteps.empty());
}

TEST(AppSettings, EveryKeySurvivesARoundTrip) {
  AppSettings s = AppSettings::defaultsFor("/p/");
  s.windowMax = false;
  s.windowX = 33;
  s.windowH = 777;
  s.hints = false;
  s.autoSave = true;
  s.autoSaveTime = 60000;
  s.colourScheme = 2;
  s.undo = 9;
  s.crosshair = false;
  s.hotkeys = "Z_PSRFNTCAXMV_";
  s.transparent = true;
  s.gridMarks = 10;
  s.mil = true;
  s.exportBitmapDpi = 600;
  s.track = 25;
  s.padDrill = 80;
  s.layoutFolder = "/home/me/boards/";
  s.macroSubFolder = "THT";
  s.history = {"/a.trz", "/b.trz"};
  s.trackWidths = {20, 40};
  s.gridSteps = {50, 79375};
  s.padSizes = {1800060};
  s.smdSizes = {1300150, 600060};
  IniFile ini;
  ini.write("DRC", "Abstand", "20");  // another feature's section is left as it was
  s.writeTo(ini);
  const IniFile back = IniFile::parse(ini.text());
  AppSettings r;
  r.readFrom(back, "/p/");
  EXPECT_EQ(r.windowMax, false);
  EXPECT_EQ(r.windowX, 33);
  EXPECT_EQ(r.windowH, 777);
  EXPECT_EQ(r.hints, false);
  EXPECT_EQ(r.autoSave, true);
  EXPECT_EQ(r.autoSaveTime, 60000);
  EXPECT_EQ(r.colourScheme, 2);
  EXPECT_EQ(r.undo, 9);
  EXPECT_EQ(r.crosshair, false);
  EXPECT_EQ(r.hotkeys, "Z_PSRFNTCAXMV_");
  EXPECT_EQ(r.transparent, true);
  EXPECT_EQ(r.gridMarks, 10);
  EXPECT_EQ(r.mil, true);
  EXPECT_EQ(r.exportBitmapDpi, 600);
  EXPECT_EQ(r.track, 25);
  EXPECT_EQ(r.padDrill, 80);
  EXPECT_EQ(r.layoutFolder, "/home/me/boards/");
  EXPECT_EQ(r.macroSubFolder, "THT");
  EXPECT_EQ(r.history, s.history);
  EXPECT_EQ(r.trackWidths, s.trackWidths);
  EXPECT_EQ(r.gridSteps, s.gridSteps);
  EXPECT_EQ(r.padSizes, s.padSizes);
  EXPECT_EQ(r.smdSizes, s.smdSizes);
  EXPECT_EQ(back.readString("DRC", "Abstand", ""), "20");
  EXPECT_EQ(back.readString("R_POPUP", "T8", ""), "50");
}

TEST(AppSettings, UserListsStopAtTheFirstMissingKey) {
  const IniFile ini = IniFile::parse(
      "[L_POPUP]\nT0=20\nT1=30\nT3=50\n"
      "[R_POPUP]\nT0=11\nT7=12\nT8=25\nT9=100\n"
      "[LA_POPUP]\nS0=1800060\nS1=0\nS2=2000080\n"
      "[smd_popup]\ns0=1300150\n");
  AppSettings s;
  s.readFrom(ini, "/p/");
  EXPECT_EQ(s.trackWidths, (std::vector<int>{20, 30}));
  EXPECT_EQ(s.gridSteps, (std::vector<int>{25, 100}));  // from index 8 upwards
  EXPECT_EQ(s.padSizes, std::vector<int>{1800060});
  EXPECT_EQ(s.smdSizes, std::vector<int>{1300150});  // names in any case

  AppSettings below = s;
  below.readFrom(IniFile::parse("[R_POPUP]\nT0=5\nT7=6\n"), "/p/");
  EXPECT_TRUE(below.gridSteps.empty());
}

// A settings file grown to a hundred thousand keys (by another program, or by hand) is read in
// linear time, and a favourites list keeps only the entries a drop-down can offer.
TEST(AppSettings, AHugeSettingsFileIsReadAndListsStopAtTheirMaximum) {
  std::string text = "[L_POPUP]\n";
  for (int i = 0; i < 100000; ++i) text += "T" + std::to_string(i) + "=" + std::to_string(10 + i % 50) + "\n";
  text += "[Junk]\n";
  for (int i = 0; i < 100000; ++i) text += "Key" + std::to_string(i) + "=x\n";
  text += "[junk]\nKEY5=second\nkey100000=last\n";
  const IniFile ini = IniFile::parse(text);
  AppSettings s;
  s.readFrom(ini, "/p/");
  EXPECT_EQ(s.trackWidths.size(), 100u);
  EXPECT_EQ(ini.value("JUNK", "key5"), "x");  // the first of repeated keys counts
  EXPECT_EQ(ini.value("Junk", "Key100000"), "last");
  EXPECT_EQ(ini.value("junk", "Key99999"), "x");
}

TEST(AppSettings, Hotkeys) {
  AppSettings s;
  EXPECT_EQ(s.toolForKey('Z'), 0);
  EXPECT_EQ(s.toolForKey('O'), 13);
  EXPECT_EQ(s.toolForKey('Q'), -1);
  s.hotkeys = "Z_P";  // short: the rest have no key
  EXPECT_EQ(s.toolForKey('P'), 2);
  EXPECT_EQ(s.toolForKey('_'), -1);
  EXPECT_EQ(s.toolForKey('L'), -1);
  EXPECT_EQ(s.toolKeys()[13], 0);
}

TEST(AppSettings, OnlyCapitalsAndDigitsAreHotkeys) {
  // A blank at the end would be lost by the next read of the file and move the keys around.
  AppSettings s;
  s.readFrom(IniFile::parse("[Optionen]\nHotkeys= Lp9RFNTCAXMV OQ\n"), "/p/");
  EXPECT_EQ(s.hotkeys, "_L_9RFNTCAXMV_");
  EXPECT_EQ(s.toolForKey(' '), -1);
  EXPECT_EQ(s.toolForKey('p'), -1);
  EXPECT_EQ(s.toolForKey('9'), 3);
  IniFile written;
  s.writeTo(written);
  AppSettings again;
  again.readFrom(IniFile::parse(written.text()), "/p/");
  EXPECT_EQ(again.hotkeys, s.hotkeys);
}

TEST(IniFileFormat, BadNumbersFallBackAndOrderIsKept) {
  IniFile ini = IniFile::parse("[Optionen]\nUndo=abc\nMIL= 1\n\n; note\n[Window]\nWindowX=7\n");
  EXPECT_EQ(ini.readInt("Optionen", "Undo", 50), 50);
  EXPECT_EQ(ini.readBool("optionen", "mil", false), true);
  ini.writeInt("Window", "WindowY", 8);
  EXPECT_EQ(ini.text(), "[Optionen]\r\nUndo=abc\r\nMIL= 1\r\n\r\n[Window]\r\nWindowX=7\r\nWindowY=8\r\n\r\n");
}

TEST(AppSettings, DamagedValuesGetTheirDefaults) {
  // Each would break something later: a backup every millisecond, an undo depth that overflows,
  // a grid step of zero whose lines never end, a drill wider than its pad.
  AppSettings s;
  s.readFrom(IniFile::parse("[Optionen]\nAutoSaveTime=0\nUndo=2147483647\nImax_CU=-4\n"
                            "Imax_DT=300\nFarbschema=9\nRasterMarkierung=3\n"
                            "[Settings]\nTrack=-1\nCircle1=50\nCircle2=60\nSMDX=99999\n"
                            "[R_POPUP]\nT8=0\nT9=-5\nT10=127\n"
                            "[L_POPUP]\nT0=-7\nT1=30\n"
                            "[LA_POPUP]\nS0=-1800060\nS1=99990060\nS2=1800060\n"),
             "/p/");
  EXPECT_EQ(s.autoSaveTime, 300000);
  EXPECT_EQ(s.undo, 50);
  EXPECT_EQ(s.imaxCu, 35);
  EXPECT_EQ(s.imaxDt, 20);
  EXPECT_EQ(s.colourScheme, 0);
  EXPECT_EQ(s.gridMarks, 4);
  EXPECT_EQ(s.track, 80);
  EXPECT_EQ(s.padOuter, 50);
  EXPECT_EQ(s.padDrill, 50);
  EXPECT_EQ(s.smdX, 90);
  EXPECT_EQ(s.gridSteps, std::vector<int>{127});
  EXPECT_EQ(s.trackWidths, std::vector<int>{30});
  EXPECT_EQ(s.padSizes, std::vector<int>{1800060});

  // The limits themselves are kept.
  s.readFrom(IniFile::parse("[Optionen]\nAutoSaveTime=1000\nUndo=0\nImax_CU=299\n"), "/p/");
  EXPECT_EQ(s.autoSaveTime, 1000);
  EXPECT_EQ(s.undo, 0);
  EXPECT_EQ(s.imaxCu, 299);
}

}  // namespace
}  // namespace trazello
