#include "settings/default_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "option_forms.h"
#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

namespace fs = std::filesystem;
using test::dataFile;
using test::OptionForms;
using test::permissionsOf;
using test::readBytes;
using test::TempFolder;
using test::withPlatformLineEnds;
using test::writeBytes;

// The file holds the proxy password. Windows keeps access rights in an ACL, which the Win32
// tests check; its permission bits only tell that the file stays writable for the next Apply.
void expectOwnerOnly(const fs::path& file) {
#ifdef _WIN32
  EXPECT_EQ(permissionsOf(file) & fs::perms::owner_write, fs::perms::owner_write);
#else
  EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);
#endif
}

TEST(DefaultSettings, FreshStartGivesTheDefaultFile) {
  OptionForms forms;
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  WriteDefaultSettings(file, forms.options());
  EXPECT_EQ(readBytes(file), withPlatformLineEnds(readBytes(dataFile("default_ss_storage.ini"))));
  expectOwnerOnly(file);
  EXPECT_EQ(forms.fields[0], "2;");
  EXPECT_EQ(forms.fields[5], "1;");
}

TEST(DefaultSettings, ReplacesAnyFileOfThatName) {
  OptionForms forms;
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, "[Updater]\nproxy_pwd=old\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  WriteDefaultSettings(file, forms.options());
  EXPECT_EQ(readBytes(file), withPlatformLineEnds(readBytes(dataFile("default_ss_storage.ini"))));
  expectOwnerOnly(file);
}

TEST(DefaultSettings, ReadOnlyFileIsRefusedAndKept) {
  OptionForms forms;
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, "[Updater]\n");
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_THROW(WriteDefaultSettings(file, forms.options()), IniWriteError);
  EXPECT_EQ(readBytes(file), "[Updater]\n");
}

}  // namespace
}  // namespace qu
