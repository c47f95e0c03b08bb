#include "edit/SizeList.h"

#include <gtest/gtest.h>

namespace trazello {
namespace {

TEST(SizeList, AddKeepsPairsInAscendingOrder) {
  SizeList pads(SizeList::Kind::Pair);
  pads.assign({SizeList::pairTag(200, 80), SizeList::pairTag(160, 80)});
  EXPECT_TRUE(pads.add(SizeList::pairTag(160, 100), false));
  EXPECT_TRUE(pads.add(SizeList::pairTag(300, 10), false));
  EXPECT_TRUE(pads.add(SizeList::pairTag(100, 90), false));
  EXPECT_EQ(pads.entries(),
            (std::vector<int>{SizeList::pairTag(100, 90), SizeList::pairTag(160, 80),
                              SizeList::pairTag(160, 100), SizeList::pairTag(200, 80),
                              SizeList::pairTag(300, 10)}));
  EXPECT_FALSE(pads.add(SizeList::pairTag(160, 100), false));
}

TEST(SizeList, ReadEntriesAreSortedAndCleaned) {
  SizeList widths(SizeList::Kind::Width);
  widths.assign({80, 20, 80, -5, 0, 123456});
  EXPECT_EQ(widths.entries(), (std::vector<int>{20, 80}));
}

TEST(SizeList, MatchingInMilAllowsOneUnit) {
  SizeList widths(SizeList::Kind::Width);
  widths.assign({25});
  EXPECT_FALSE(widths.checkedEntry(26, false));
  EXPECT_EQ(widths.checkedEntry(26, true), 25);
  EXPECT_FALSE(widths.checkedEntry(27, true));
  EXPECT_TRUE(widths.remove(24, true));
  EXPECT_TRUE(widths.entries().empty());

  SizeList smd(SizeList::Kind::Pair);
  smd.assign({SizeList::pairTag(127, 254)});  // 50 x 100 mil
  EXPECT_TRUE(smd.checkedEntry(SizeList::pairTag(128, 254), true));
  EXPECT_FALSE(smd.checkedEntry(SizeList::pairTag(128, 254), false));
}

TEST(SizeList, Captions) {
  struct Case {
    SizeList::Kind kind;
    int tag;
    bool mil;
    const char* unit;
    std::string text;
  };
  const Case cases[] = {
      {SizeList::Kind::Width, 80, false, "мм", "  0.80 мм"},
      {SizeList::Kind::Width, 1250, false, "мм", "12.50 мм"},
      {SizeList::Kind::Width, 80, true, "mil", "    31 mil"},
      {SizeList::Kind::Width, 9999, true, "mil", "3937 mil"},
      {SizeList::Kind::Pair, SizeList::pairTag(160, 80), false, "mm", "  1.60 x 0.80   mm"},
      {SizeList::Kind::Pair, SizeList::pairTag(1600, 1080), false, "mm", "16.00 x 10.80 mm"},
      {SizeList::Kind::Pair, SizeList::pairTag(160, 80), true, "mil", "      63 x 31       mil"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SizeList(c.kind).caption(c.tag, c.mil, c.unit), c.text) << c.tag;
  }
}

}  // namespace
}  // namespace trazello
