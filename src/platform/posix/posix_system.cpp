#include "platform/posix/posix_system.h"

#include <sys/stat.h>

#include <ctime>

#include "platform/file_version.h"
#include "platform/posix/process_launch.h"
#include "platform/posix/process_list.h"
#include "platform/process_environment.h"

namespace qu {
namespace {

bool statRegular(const std::string& path, struct stat& info) {
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

PosixSystem::PosixSystem(std::filesystem::path guardFolder) : guards_(std::move(guardFolder)) {
  tzset();
}

InstanceClaim PosixSystem::acquireInstance(const std::string& name) {
  return guards_.acquire(name);
}

std::string PosixSystem::ownExecutablePath() {
  return runningExecutablePath();
}

std::string PosixSystem::FileVersionText(const std::string& path) {
  return fileVersionOfFile(path);
}

FileTime PosixSystem::FileModifiedTime(const std::string& path) {
  struct stat info {};
  if (!statRegular(path, info)) return {};
  struct tm local {};
  if (!localtime_r(&info.st_mtim.tv_sec, &local)) return {};
  const auto written = FileTime::TimePoint(std::chrono::seconds(info.st_mtim.tv_sec) +
                                           std::chrono::nanoseconds(info.st_mtim.tv_nsec));
  return FileTime(written, std::chrono::seconds(local.tm_gmtoff));
}

bool PosixSystem::fileExists(const std::string& path) {
  struct stat info {};
  return statRegular(path, info);
}

LaunchResult PosixSystem::startProcess(ProcessLaunch launch) {
  return launchProcess(std::move(launch));
}

bool PosixSystem::IsProcessRunning(const std::string& name) {
  return isProcessRunning(name);
}

}  // namespace qu
