#include "platform/atomic_file.h"

#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "unit/win32/win32_test_support.h"

namespace qu {
namespace {

using test::TempFolder;

std::size_t entriesIn(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    static_cast<void>(entry);
    ++count;
  }
  return count;
}

TEST(AtomicReplace, CreatesAndReplacesWholeFilesLeavingNothingBeside) {
  TempFolder folder;
  const auto file = folder.file("ss_storage.ini");
  EXPECT_FALSE(replaceFile(file, "[Updater]\r\n"));
  EXPECT_EQ(folder.read("ss_storage.ini"), "[Updater]\r\n");
  EXPECT_FALSE(replaceFile(file, "[GUI]\r\ns0=1\r\n"));
  EXPECT_EQ(folder.read("ss_storage.ini"), "[GUI]\r\ns0=1\r\n");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// Refused with nothing changed: a read-only file, a folder in the file's place, a missing folder.
TEST(AtomicReplace, RefusesWhatTheSystemRefuses) {
  TempFolder folder;
  folder.write("read-only.ini", "old");
  SetFileAttributesW(folder.file("read-only.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  std::filesystem::create_directory(folder.file("folder.ini"));
  EXPECT_TRUE(replaceFile(folder.file("read-only.ini"), "new"));
  EXPECT_EQ(folder.read("read-only.ini"), "old");
  EXPECT_TRUE(replaceFile(folder.file("folder.ini"), "new"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("folder.ini")));
  EXPECT_TRUE(replaceFile(folder.file("missing") / L"ss_storage.ini", "new"));
  EXPECT_EQ(entriesIn(folder.path()), 2u);
}

// A settings file that is a symbolic link keeps being one; the content lands in the file it
// names.
TEST(AtomicReplace, ALinkIsFollowedToTheFileItNames) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("real"));
  folder.write("real/settings.ini", "[S]\r\nk=1\r\n");
  // Wine reports success but makes no link.
  if (!CreateSymbolicLinkW(folder.file("ss_storage.ini").c_str(), L"real\\settings.ini", 0) ||
      GetFileAttributesW(folder.file("ss_storage.ini").c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "this system makes no symbolic links here";
  }
  ASSERT_FALSE(replaceFile(folder.file("ss_storage.ini"), "[S]\r\nk=2\r\n"));
  EXPECT_EQ(folder.read("real/settings.ini"), "[S]\r\nk=2\r\n");
  EXPECT_TRUE(GetFileAttributesW(folder.file("ss_storage.ini").c_str()) &
              FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_EQ(entriesIn(folder.file("real")), 1u);
}

// The settings file holds the proxy password: a file we create grants access to us alone (and to
// the system itself, which Wine always lists).
TEST(AtomicReplace, ANewFileIsOpenToItsUserOnly) {
  TempFolder folder;
  const auto file = folder.file("ss_storage.ini");
  ASSERT_FALSE(replaceFile(file, "[Updater]\r\n", FileReplace::OwnerOnly));
  PACL acl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                  nullptr, &acl, nullptr, &descriptor),
            ERROR_SUCCESS);
  ASSERT_NE(acl, nullptr);
  bool othersAllowed = false;
  bool userAllowed = false;
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  unsigned char user[256] = {};
  DWORD size = sizeof user;
  GetTokenInformation(token, TokenUser, user, size, &size);
  CloseHandle(token);
  PSID self = reinterpret_cast<TOKEN_USER*>(user)->User.Sid;
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    if (!GetAce(acl, i, reinterpret_cast<void**>(&ace)) ||
        ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) {
      continue;
    }
    const PSID sid = reinterpret_cast<PSID>(&ace->SidStart);
    if (EqualSid(sid, self)) {
      userAllowed = true;
    } else if (!IsWellKnownSid(sid, WinLocalSystemSid)) {
      othersAllowed = true;
    }
  }
  LocalFree(descriptor);
  EXPECT_TRUE(userAllowed);
  EXPECT_FALSE(othersAllowed);
  EXPECT_EQ(folder.read("ss_storage.ini"), "[Updater]\r\n");
}

}  // namespace
}  // namespace qu
