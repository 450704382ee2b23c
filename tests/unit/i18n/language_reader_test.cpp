#include "i18n/language_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace qu {
namespace {

namespace fs = std::filesystem;

class LanguageReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("qu-i18n-" + std::to_string(std::random_device{}()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    file_ = folder_ / std::string(kLanguageFileName);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // UTF-8 with a byte-order mark, as delivered: without the mark Windows reads the file in its
  // ANSI code page.
  void write(const std::string& content) {
    std::ofstream(file_, std::ios::binary) << "\xEF\xBB\xBF" << content;
  }
  std::string shown(std::string_view section, LocForm form, std::string_view control) {
    const LocTexts texts = readLocTexts(file_, section);
    const std::string* text = texts.controlText(form, control);
    return text ? *text : "<untouched>";
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(LanguageReaderTest, MissingFileOrSectionGivesEveryDefault) {
  EXPECT_EQ(readLocTexts(file_, "Russian").reads, defaultLocTexts().reads);
  EXPECT_EQ(readLanguageText(file_, "Russian", kInfo7), kInfo7.defaultText);
  write("[English]\nStop=Halt\n");
  EXPECT_EQ(readLocTexts(file_, "Deutsch").reads, defaultLocTexts().reads);
  EXPECT_EQ(shown("English", LocForm::Main, "Btn_Stop"), "Halt");
}

TEST_F(LanguageReaderTest, NamesMatchRegardlessOfCaseAndBlanks) {
  write(
      "[ russian ]\r\n"
      "USE_PROXY_AUTHENTICATION=С аутентификацией\r\n"
      "  start_update  =  Запустить  \r\n"
      "[Deutsch]\n"
      "Use_proxy_authentication =Mit Anmeldung\n");
  EXPECT_EQ(shown("Russian", LocForm::Settings, "ChBox_Authent"), "С аутентификацией");
  EXPECT_EQ(shown("Russian", LocForm::Expert, "Btn_Start"), "Запустить");
  EXPECT_EQ(shown("DEUTSCH", LocForm::Settings, "ChBox_Authent"), "Mit Anmeldung");
}

TEST_F(LanguageReaderTest, PresentEmptyValueIsNotTheDefault) {
  write("[English]\nTemp_folder=\nFor=\n");
  EXPECT_EQ(readLocTexts(file_, "English").field("TextTempFolder"), "");
  EXPECT_EQ(shown("English", LocForm::Main, "L_WKS"), "Quintaris Anti-Virus  Windows Workstations");
}

TEST_F(LanguageReaderTest, SingleKeysAreReadFromTheirSection) {
  write("[Russian]\nRC19=Прервано\ninfo20=Нет продуктов\n[Deutsch]\nRC19=Abgebrochen\n");
  const std::string key = returnCodeKey("19");
  EXPECT_EQ(key, "RC19");
  const LanguageKey canceled = {key, "Process canceled by user"};
  EXPECT_EQ(readLanguageText(file_, "Russian", canceled), "Прервано");
  EXPECT_EQ(readLanguageText(file_, "Deutsch", canceled), "Abgebrochen");
  EXPECT_EQ(readLanguageText(file_, "English", canceled), "Process canceled by user");
  EXPECT_EQ(readLanguageText(file_, "Russian", kInfo20), "Нет продуктов");
  EXPECT_EQ(readLanguageText(file_, "Deutsch", kInfo20), kInfo20.defaultText);
}

}  // namespace
}  // namespace qu
