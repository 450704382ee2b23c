// The language file shipped beside the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "i18n/language_keys.h"
#include "i18n/language_reader.h"
#include "settings/ini_file.h"

namespace qu {
namespace {

const std::filesystem::path& deliveredFile() {
  static const std::filesystem::path path =
      std::filesystem::path(__FILE__).parent_path() / "../../../data" / kLanguageFileName;
  return path;
}

// Every key a section must carry.
std::vector<std::string> requiredKeys() {
  std::vector<std::string> keys;
  for (const LocRead& read : locReads()) {
    if (read.number != 52) keys.emplace_back(read.key);  // Error6 is read twice
  }
  keys.emplace_back(kInfo7.key);
  keys.emplace_back(kInfo20.key);
  for (const char* code : {"0", "1", "2", "3", "19"}) keys.push_back(returnCodeKey(code));
  return keys;
}

constexpr const char* kMissing = "\x01missing";

TEST(DeliveredFileTest, IsUtf8WithAByteOrderMark) {
  std::ifstream in(deliveredFile(), std::ios::binary);
  ASSERT_TRUE(in) << deliveredFile();
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF[English]"));
}

TEST(DeliveredFileTest, EverySectionHasEveryKey) {
  ASSERT_EQ(requiredKeys().size(), 68u);
  const IniFile file(deliveredFile());
  for (std::string_view section : kLanguageSections) {
    for (const std::string& key : requiredKeys()) {
      const std::string value = file.ReadString(std::string(section), key, kMissing);
      EXPECT_NE(value, kMissing) << section << " lacks " << key;
      EXPECT_FALSE(value.empty()) << section << " " << key;
      EXPECT_EQ(value.find_first_of("\r\n"), std::string::npos) << section << " " << key;
    }
  }
}

TEST(DeliveredFileTest, EnglishSectionRepeatsTheBuiltInTexts) {
  const IniFile file(deliveredFile());
  for (const LocRead& read : locReads()) {
    if (read.number == 35) continue;  // the file carries Error6 once, as the message text
    std::string expected(read.defaultText);
    if (expected.ends_with(' ')) expected.pop_back();  // surrounding blanks never survive a read
    EXPECT_EQ(file.ReadString("English", std::string(read.key), kMissing), expected) << read.key;
  }
  EXPECT_EQ(file.ReadString("English", "RC19", kMissing), "Process canceled by user");
  EXPECT_EQ(file.ReadString("English", "info7", kMissing), kInfo7.defaultText);
  EXPECT_EQ(file.ReadString("English", "info20", kMissing), kInfo20.defaultText);
}

TEST(DeliveredFileTest, TranslationsAreTheirOwn) {
  const LocTexts english = readLocTexts(deliveredFile(), "English");
  for (std::string_view section : {"Russian", "Deutsch"}) {
    const LocTexts translated = readLocTexts(deliveredFile(), section);
    EXPECT_NE(translated.field("MsgNothingSelected"), english.field("MsgNothingSelected"));
    EXPECT_NE(*translated.controlText(LocForm::Main, "Btn_Set"),
              *english.controlText(LocForm::Main, "Btn_Set"));
    EXPECT_NE(*translated.controlText(LocForm::Main, "L_WKS"),
              *english.controlText(LocForm::Main, "L_WKS"));
    EXPECT_TRUE(translated.field("UrlForum").starts_with("https://support.quintaris.example/"));
  }
}

}  // namespace
}  // namespace qu
