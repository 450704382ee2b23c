#include "platform/win32/win32_system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "unit/system/pe_image_builder.h"
#include "unit/win32/win32_test_support.h"

namespace qu {
namespace {

using test::ScopedEnvironment;
using test::TempFolder;
using test::utf8;

std::string uniqueName(const std::string& stem) {
  return stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(GetTickCount64());
}

std::string envValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Started by InstanceGuard.IsSharedBetweenProcesses as a process of its own: takes the named guard
// and passes when the outcome is the one the parent expects.
TEST(InstanceGuardChild, Contends) {
  const std::string name = envValue("QU_GUARD_NAME");
  if (name.empty()) GTEST_SKIP() << "run by InstanceGuard.IsSharedBetweenProcesses";
  Win32System system;
  EXPECT_EQ(system.acquireInstance(name).outcome, envValue("QU_GUARD_EXPECT") == "first"
                                                      ? InstanceClaim::Outcome::Acquired
                                                      : InstanceClaim::Outcome::HeldByAnother);
}

int runContender(Win32System& system, const std::string& name, const std::string& expect) {
  ScopedEnvironment guard("QU_GUARD_NAME", name);
  ScopedEnvironment outcome("QU_GUARD_EXPECT", expect);
  auto started = system.startProcess(
      {system.ownExecutablePath(), {"--gtest_filter=InstanceGuardChild.Contends"}, "", {}});
  if (!started.process) return -1;
  return started.process->wait();
}

TEST(InstanceGuard, FirstTakerHoldsItSecondIsRefused) {
  using Outcome = InstanceClaim::Outcome;
  Win32System system;
  const std::string name = uniqueName("qu-guard");
  EXPECT_EQ(system.acquireInstance(name).outcome, Outcome::Acquired);
  const InstanceClaim second = system.acquireInstance(name);
  EXPECT_EQ(second.outcome, Outcome::HeldByAnother);
  EXPECT_EQ(second.error, "");
  EXPECT_EQ(system.acquireInstance(name + "-other").outcome, Outcome::Acquired);
}

// Not another instance: the name cannot be had as an event at all, which must be told.
TEST(InstanceGuard, ANameHeldByAnotherKindOfObjectIsAFailure) {
  const std::string name = uniqueName("qu-guard-taken");
  HANDLE mutex = CreateMutexW(nullptr, FALSE, widen(name).c_str());
  ASSERT_NE(mutex, nullptr);
  Win32System system;
  const InstanceClaim claim = system.acquireInstance(name);
  CloseHandle(mutex);
  EXPECT_EQ(claim.outcome, InstanceClaim::Outcome::Failed);
  EXPECT_EQ(claim.error.rfind("Unable to lock " + name + ": ", 0), 0u) << claim.error;
  EXPECT_GT(claim.error.size(), ("Unable to lock " + name + ": ").size()) << "the reason is given";
}

TEST(InstanceGuard, IsSharedBetweenProcessesAndFreedWithItsHolder) {
  const std::string name = uniqueName("qu-guard-shared");
  Win32System launcher;
  {
    Win32System holder;
    ASSERT_EQ(holder.acquireInstance(name).outcome, InstanceClaim::Outcome::Acquired);
    EXPECT_EQ(runContender(launcher, name, "second"), 0);
  }
  EXPECT_EQ(runContender(launcher, name, "first"), 0);
}

TEST(OwnExecutablePath, NamesThisProgram) {
  Win32System system;
  const std::string path = system.ownExecutablePath();
  EXPECT_TRUE(path.ends_with("win32_tests.exe")) << path;
  EXPECT_TRUE(std::filesystem::path(widen(path)).is_absolute()) << path;
}

std::string writePe(const TempFolder& folder, const std::string& name,
                    const test::VersionResource& resource) {
  const auto image = test::buildPe({test::versionInfoBytes(resource)});
  return folder.write(name, std::string(image.bytes.begin(), image.bytes.end()));
}

TEST(FileVersionText, ReadsTheVersionResourcesOfBuiltPrograms) {
  Win32System system;
  EXPECT_EQ(system.FileVersionText(system.ownExecutablePath()), QU_OWN_TEST_VERSION);
  EXPECT_EQ(system.FileVersionText(utf8(test::updaterStandIn())), QU_UPDATER_SIM_VERSION);
}

TEST(FileVersionText, FollowsTheTranslationTableInItsOrder) {
  TempFolder folder;
  // The first listed table has no FileVersion; the second one, named in lower case, has.
  const test::VersionResource resource{{{0x0407, 0x04E4}, {0x0409, 0x04B0}},
                                       {{u"040704E4", {{u"ProductName", u"Kein"}}},
                                        {u"040904b0", {{u"FileVersion", u"2.4.6.8"}}},
                                        {u"041904E3", {{u"FileVersion", u"9.9.9.9"}}}}};
  Win32System system;
  EXPECT_EQ(system.FileVersionText(writePe(folder, "two.dll", resource)), "2.4.6.8");
}

TEST(FileVersionText, IsEmptyWithoutAUsableResource) {
  TempFolder folder;
  Win32System system;
  const test::VersionResource unlisted{{{0x0409, 0x04B0}},
                                       {{u"041904E3", {{u"FileVersion", u"1.2.3.4"}}}}};
  EXPECT_EQ(system.FileVersionText(writePe(folder, "unlisted.dll", unlisted)), "");
  EXPECT_EQ(system.FileVersionText(folder.write("plain.exe", "not a program")), "");
  EXPECT_EQ(system.FileVersionText(folder.text("missing.exe")), "");
  EXPECT_EQ(system.FileVersionText(""), "");
}

void setWriteTime(const std::string& path, std::int64_t ticks) {
  HANDLE file = CreateFileW(widen(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

TEST(FileModifiedTime, KeepsTheFullTimeAndShowsItInTwoSecondSteps) {
  TempFolder folder;
  const std::string path = folder.write("vororadi.txt", "0\r\nDone\r\n");
  // 2021-03-04 05:06:07.1234567 UTC, in 100 ns steps since 1601.
  const std::int64_t ticks = 132592995671234567;
  setWriteTime(path, ticks);
  Win32System system;
  const FileTime time = system.FileModifiedTime(path);
  ASSERT_FALSE(time.isZero());
  const auto sinceEpoch = time.written().time_since_epoch();
  EXPECT_EQ(sinceEpoch.count(), (ticks - 116444736000000000) * 100);
  const auto dos = time.dos();
  ASSERT_TRUE(dos.has_value());
  // Time zones are whole minutes apart, so only the seconds are the same everywhere.
  EXPECT_EQ(dos->second, 6);
}

TEST(FileModifiedTime, IsZeroForFoldersAndMissingFiles) {
  TempFolder folder;
  Win32System system;
  EXPECT_TRUE(system.FileModifiedTime(utf8(folder.path())).isZero());
  EXPECT_TRUE(system.FileModifiedTime(folder.text("missing.txt")).isZero());
  EXPECT_TRUE(system.FileModifiedTime("").isZero());
}

TEST(FileExists, OnlyForRegularFiles) {
  TempFolder folder("Ordner mit Ümlaut");
  Win32System system;
  EXPECT_TRUE(system.fileExists(folder.write("ss_storage.ini", "")));
  EXPECT_FALSE(system.fileExists(utf8(folder.path())));
  EXPECT_FALSE(system.fileExists(folder.text("missing.ini")));
}

}  // namespace
}  // namespace qu
