#include "app/CustomColours.h"

#include <gtest/gtest.h>

namespace trazello {
namespace {

TEST(CustomColours, DamagedEntriesStayEmptyAndTheRestReadsBack) {
  const IniFile file = IniFile::parse(
      "[Colors]\nColorA=FF8000\nColorB=00ff00\nColorC=GG0000\nColorD=12345\nColorE=1234567\n"
      "ColorP=000001\nColorQ=FFFFFF\n");
  const CustomColours c = readCustomColours(file);
  EXPECT_EQ(c[0], rgb(255, 128, 0));
  EXPECT_EQ(c[1], rgb(0, 255, 0));
  for (size_t i : {2u, 3u, 4u, 5u, 14u}) EXPECT_FALSE(c[i]) << i;
  EXPECT_EQ(c[15], rgb(0, 0, 1));

  IniFile written = IniFile::parse("[Colors]\nColorC=GG0000\n[Other]\nKey=1\n");
  writeCustomColours(written, c);
  EXPECT_EQ(written.value("Colors", "ColorA"), "FF8000");
  EXPECT_FALSE(written.value("Colors", "ColorC"));  // the damaged entry is gone
  EXPECT_EQ(written.value("Other", "Key"), "1");
  EXPECT_EQ(readCustomColours(IniFile::parse(written.text())), c);
}

}  // namespace
}  // namespace trazello
