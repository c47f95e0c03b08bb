#include "app/MessageTexts.h"

#include <gtest/gtest.h>

#include "app/Captions.h"
#include "app/CommandTable.h"

namespace trazello {
namespace {

TEST(MessageTexts, EveryMessageHasItsThreeLanguages) {
  for (int id = 0; id < static_cast<int>(MessageId::Count); ++id) {
    Message m{MessageKind::Information, static_cast<MessageId>(id), {"a", "b"}};
    for (Language l : {Language::Russian, Language::English, Language::French}) {
      EXPECT_FALSE(messageIn(m, l).empty()) << "message " << id << " language " << int(l);
    }
  }
}

TEST(MessageTexts, ArgumentsFillTheirPlaces) {
  const Message m{MessageKind::Information, MessageId::ConnectionsRemoved, {"3", "1"}};
  EXPECT_EQ(messageIn(m, Language::French),
            "3 connexions (élastiques) supprimées.\r1 connexions (élastiques) restantes.");
  EXPECT_EQ(messageIn(m, Language::English),
            "3 connections (rubberbands) removed.\r1 connections (rubberbands) remaining.");
}

TEST(Captions, EveryMenuEntryHasThreeLanguages) {
  for (const MenuDefinition& menu : mainMenu()) {
    std::vector<std::string> names{menu.name};
    for (const MenuCommand& c : menu.entries) {
      const std::string n = c.name;
      if (!n.empty() && n.rfind("History", 0) != 0) names.push_back(n);
    }
    for (const std::string& n : names) {
      for (Language l : {Language::Russian, Language::English, Language::French})
        EXPECT_NE(caption(n, l), n) << n;
    }
  }
  EXPECT_EQ(caption("Datei1", Language::English), "&File");
  EXPECT_EQ(languageFromByte(7), Language::Russian);
}

}  // namespace
}  // namespace trazello
