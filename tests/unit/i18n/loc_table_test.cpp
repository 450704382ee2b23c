#include "i18n/loc_table.h"

#include <gtest/gtest.h>

#include <set>

namespace qu {
namespace {

TEST(LocTableTest, SixtyTwoReadsOfSixtyOneKeysInOrder) {
  const auto reads = locReads();
  ASSERT_EQ(reads.size(), 62u);
  std::set<std::string_view> keys;
  for (std::size_t i = 0; i < reads.size(); ++i) {
    EXPECT_EQ(reads[i].number, static_cast<int>(i) + 1);
    EXPECT_FALSE(reads[i].targets.empty()) << reads[i].key;
    keys.insert(reads[i].key);
  }
  EXPECT_EQ(keys.size(), 61u);
  EXPECT_EQ(locRead(35).key, "Error6");
  EXPECT_EQ(locRead(52).key, "Error6");
  EXPECT_NE(locRead(35).defaultText, locRead(52).defaultText);
  EXPECT_EQ(locRead(9).key, "Use_proxy_authentication ");
  EXPECT_THROW(locRead(63), std::out_of_range);
}

TEST(LocTableTest, EveryStateFieldIsSetOnce) {
  std::multiset<std::string_view> fields;
  for (const LocRead& read : locReads()) {
    for (const LocTarget& target : read.targets) {
      if (target.kind == LocTargetKind::StateField) fields.insert(target.name);
    }
  }
  const std::multiset<std::string_view> expected = {"UrlSee",
                                                    "UrlForum",
                                                    "UrlKnowBase",
                                                    "UrlCode",
                                                    "MsgNoUpdater",
                                                    "MsgNoSettingsFile",
                                                    "MsgErrorTitle",
                                                    "MsgCheckParams",
                                                    "MsgNothingSelected",
                                                    "MsgSourceOfUpdates",
                                                    "MsgAttentionTitle",
                                                    "MsgConfirmExit",
                                                    "TextUpdatesFolder",
                                                    "TextTempFolder",
                                                    "MsgCompleted",
                                                    "ProductPrefix",
                                                    "TextFor"};
  EXPECT_EQ(fields, expected);
}

TEST(LocTableTest, AddressDefaultsAreNeutralPlaceholders) {
  for (int number = 43; number <= 46; ++number) {
    EXPECT_TRUE(locRead(number).key.starts_with("URL_"));
    EXPECT_TRUE(locRead(number).defaultText.starts_with("https://support.quintaris.example/"))
        << locRead(number).key;
  }
}

}  // namespace
}  // namespace qu
