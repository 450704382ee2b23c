#include "platform/win32/win32_system.h"

#include <windows.h>

#include "platform/process_environment.h"
#include "platform/win32/process_launch.h"
#include "platform/win32/process_list.h"
#include "platform/win32/version_resource.h"
#include "platform/win32/wide_text.h"

namespace qu {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
// From 1601-01-01, where FILETIME counts, to 1970-01-01.
constexpr std::int64_t kUnixEpochTicks = 116'444'736'000'000'000;

std::int64_t ticksOf(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
}

}  // namespace

Win32System::~Win32System() {
  for (void* guard : guards_) CloseHandle(guard);
}

InstanceClaim Win32System::acquireInstance(const std::string& name) {
  using Outcome = InstanceClaim::Outcome;
  // "Already exists" still gives the event; only no event at all is a failure.
  HANDLE event = CreateEventW(nullptr, FALSE, TRUE, widen(name).c_str());
  if (!event) return {Outcome::Failed, "Unable to lock " + name + ": " + errorText(GetLastError())};
  const std::lock_guard lock(mutex_);
  guards_.push_back(event);
  // The wait consumes the signal, so the event stays unsignalled while this process lives.
  if (WaitForSingleObject(event, 1) == WAIT_OBJECT_0) return {Outcome::Acquired, ""};
  return {Outcome::HeldByAnother, ""};
}

std::string Win32System::ownExecutablePath() {
  return runningExecutablePath();
}

std::string Win32System::FileVersionText(const std::string& path) {
  return fileVersionFromResource(widen(path));
}

FileTime Win32System::FileModifiedTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {};
  }
  FILETIME local{};
  WORD dosDate = 0;
  WORD dosTime = 0;
  if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
    return {};
  }
  const std::int64_t written = ticksOf(data.ftLastWriteTime);
  const auto sinceEpoch = std::chrono::nanoseconds((written - kUnixEpochTicks) * 100);
  const auto offset = std::chrono::seconds((ticksOf(local) - written) / kTicksPerSecond);
  return FileTime(FileTime::TimePoint(sinceEpoch), offset);
}

bool Win32System::fileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

LaunchResult Win32System::startProcess(ProcessLaunch launch) {
  return launchProcess(launch);
}

bool Win32System::IsProcessRunning(const std::string& name) {
  return isProcessRunning(widen(name));
}

}  // namespace qu
