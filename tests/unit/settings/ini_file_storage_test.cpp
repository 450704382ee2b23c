#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

namespace fs = std::filesystem;
using test::permissionsOf;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

constexpr const char* kContent = "; keep\n[S]\nk=1\n";

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Runs `change` expecting the refusal naming `file` by its full path.
void expectRefused(const fs::path& file, const std::function<void(IniFile&)>& change) {
  IniFile ini(file);
  try {
    change(ini);
    ADD_FAILURE() << "write to " << file << " was not refused";
  } catch (const IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + fs::absolute(file).string());
  }
}

const std::function<void(IniFile&)> kEveryChange[] = {
    [](IniFile& ini) { ini.WriteString("S", "k", "2"); },
    [](IniFile& ini) { ini.WriteInteger("T", "n", 3); },
    [](IniFile& ini) { ini.DeleteKey("S", "k"); },
};

// Root may create files in a folder without write permission; such a run cannot see the refusal.
bool folderRefusesWrites(const fs::path& folder) {
  writeBytes(folder / "probe", "x");
  bool refused = !fs::exists(folder / "probe");
  std::error_code ignored;
  fs::remove(folder / "probe", ignored);
  return refused;
}

// Permission bits are POSIX; on Windows the access rights live in the file's ACL, which the
// Win32 tests check.
#ifndef _WIN32
TEST(IniStorage, NewFileIsOwnerOnly) {
  TempFolder folder;
  IniFile ini(folder / "new.ini");
  ini.WriteString("S", "proxy_pwd", "secret");
  EXPECT_EQ(permissionsOf(folder / "new.ini"), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(IniStorage, ExistingFileKeepsPermissions) {
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, kContent);
  auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(file, mode);
  IniFile(file).WriteString("S", "k", "2");
  EXPECT_EQ(permissionsOf(file), mode);
}
#endif

TEST(IniStorage, ReplacingLeavesNoTemporaryFile) {
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, kContent);
  IniFile(file).WriteString("S", "k", "2");
  IniFile(folder / "new.ini").WriteString("S", "k", "1");
  EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"new.ini", "ss_storage.ini"}));
  EXPECT_EQ(readBytes(file), "; keep\n[S]\nk=2\n");
}

TEST(IniStorage, ReadOnlyFileIsRefusedAndKept) {
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, kContent);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  for (const auto& change : kEveryChange) expectRefused(file, change);
  EXPECT_EQ(readBytes(file), kContent);
  EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"ss_storage.ini"});
  EXPECT_EQ(IniFile(file).ReadString("S", "k", ""), "1");
}

TEST(IniStorage, ReadOnlyFolderIsRefusedAndFileKept) {
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, kContent);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (!folderRefusesWrites(folder.path())) GTEST_SKIP() << "privileged run: folder is writable";
  for (const auto& change : kEveryChange) expectRefused(file, change);
  expectRefused(folder / "new.ini", kEveryChange[0]);
  EXPECT_EQ(readBytes(file), kContent);
  EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"ss_storage.ini"});
}

TEST(IniStorage, MissingFolderIsRefusedWithFullPath) {
  TempFolder folder;
  expectRefused(folder / "absent" / "ss_storage.ini", kEveryChange[0]);
  fs::path relative = fs::path("absent-folder-of-a-test") / "ss_storage.ini";
  expectRefused(relative, kEveryChange[1]);
  EXPECT_FALSE(fs::exists(relative.parent_path()));
}

TEST(IniStorage, FolderInPlaceOfFileIsRefused) {
  TempFolder folder;
  fs::create_directory(folder / "ss_storage.ini");
  expectRefused(folder / "ss_storage.ini", kEveryChange[0]);
  EXPECT_TRUE(fs::is_directory(folder / "ss_storage.ini"));
}

// The C++ library of the Windows build creates no symbolic links; the Win32 tests make theirs.
#ifndef _WIN32
TEST(IniStorage, SymbolicLinkIsFollowed) {
  TempFolder folder;
  fs::create_directory(folder / "real");
  writeBytes(folder / "real" / "settings.ini", kContent);
  fs::create_symlink(fs::path("real") / "settings.ini", folder / "ss_storage.ini");
  IniFile(folder / "ss_storage.ini").WriteString("S", "k", "2");
  EXPECT_TRUE(fs::is_symlink(folder / "ss_storage.ini"));
  EXPECT_EQ(readBytes(folder / "real" / "settings.ini"), "; keep\n[S]\nk=2\n");
  EXPECT_EQ(namesIn(folder / "real"), std::set<std::string>{"settings.ini"});
}
#endif

TEST(IniStorage, DeletingAbsentKeyDoesNotCreateFile) {
  TempFolder folder;
  IniFile(folder / "ss_storage.ini").DeleteKey("S", "k");
  EXPECT_FALSE(fs::exists(folder / "ss_storage.ini"));
}

}  // namespace
}  // namespace qu
