// Settings files as the utility reads them on Windows: without a byte-order mark in the ANSI
// code page, with one in UTF-16LE or UTF-8.

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "unit/win32/win32_test_support.h"

namespace qu {
namespace {

using test::TempFolder;

// The cases name bytes of the Western code page, the one Wine and western systems use.
class AnsiSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP();
  }
  TempFolder folder;
};

TEST_F(AnsiSettings, ANewFileIsWrittenInTheCodePage) {
  IniFile file(folder.file("ss_storage.ini"));
  file.WriteString("Updater", "proxy_login", "M\xC3\xBCller \xE2\x82\xAC");
  EXPECT_EQ(folder.read("ss_storage.ini"), "[Updater]\r\nproxy_login=M\xFCller \x80\r\n");
  EXPECT_EQ(file.ReadString("Updater", "proxy_login", ""), "M\xC3\xBCller \xE2\x82\xAC");
}

TEST_F(AnsiSettings, AFileWithoutMarkIsReadInTheCodePage) {
  folder.write("ss_storage.ini", "[Updater]\r\nretranslation_dir=C:\\Daten\\\xC4nderungen\r\n");
  IniFile file(folder.file("ss_storage.ini"));
  EXPECT_EQ(file.ReadString("Updater", "retranslation_dir", ""), "C:\\Daten\\\xC3\x84nderungen");
}

// Quotes keep the blanks of a code-page value, in a file with a CR alone for a line end.
TEST_F(AnsiSettings, AValueWithBlanksIsQuotedInTheCodePage) {
  folder.write("ss_storage.ini", "[Updater]\rproxy_pwd=old\r");
  IniFile file(folder.file("ss_storage.ini"));
  file.WriteString("Updater", "proxy_pwd", " M\xC3\xBCller ");
  file.WriteString("Updater", "proxy_pwd", file.ReadString("Updater", "proxy_pwd", ""));
  EXPECT_EQ(folder.read("ss_storage.ini"), "[Updater]\rproxy_pwd=\" M\xFCller \"\r");
  EXPECT_EQ(file.ReadString("Updater", "proxy_pwd", ""), " M\xC3\xBCller ");
}

// A character outside the code page would come back as something else: the write is refused
// and the file stays as it was.
TEST_F(AnsiSettings, AValueTheCodePageCannotHoldIsARefusedWrite) {
  const std::string before = "[Updater]\r\nproxy_login=old\r\n";
  folder.write("ss_storage.ini", before);
  IniFile file(folder.file("ss_storage.ini"));
  for (const std::string value : {"\xD0\x96ukov", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80"}) {
    EXPECT_THROW(file.WriteString("Updater", "proxy_login", value), IniWriteError) << value;
    EXPECT_THROW(file.WriteString("Updater", value, "x"), IniWriteError) << value;
  }
  EXPECT_EQ(folder.read("ss_storage.ini"), before);
}

TEST_F(AnsiSettings, FilesWithAMarkKeepTheirEncodingAndTakeAnyText) {
  const std::string utf16 = std::string("\xFF\xFE[\0U\0]\0\r\0\n\0", 12);
  folder.write("wide.ini", utf16);
  folder.write("utf8.ini", "\xEF\xBB\xBF[U]\r\n");
  IniFile wide(folder.file("wide.ini"));
  IniFile utf8(folder.file("utf8.ini"));
  const std::string value = "\xD0\x96\xE4\xB8\xAD";  // Cyrillic and Chinese
  wide.WriteString("U", "k", value);
  utf8.WriteString("U", "k", value);
  EXPECT_EQ(folder.read("wide.ini"), utf16 + std::string("k\0=\0\x16\x04\x2D\x4E\r\0\n\0", 12));
  EXPECT_EQ(folder.read("utf8.ini"), "\xEF\xBB\xBF[U]\r\nk=" + value + "\r\n");
  EXPECT_EQ(wide.ReadString("U", "k", ""), value);
}

}  // namespace
}  // namespace qu
