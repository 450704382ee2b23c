#pragma once

#include <filesystem>

#include "platform/posix/instance_guard.h"
#include "platform/system.h"

namespace qu {

class PosixSystem final : public System {
 public:
  // `guardFolder` empty: the user's own private folder (see InstanceGuards). Tests put the lock
  // into a folder of their own.
  explicit PosixSystem(std::filesystem::path guardFolder = {});

  InstanceClaim acquireInstance(const std::string& name) override;
  std::string ownExecutablePath() override;
  std::string FileVersionText(const std::string& path) override;
  FileTime FileModifiedTime(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  LaunchResult startProcess(ProcessLaunch launch) override;
  bool IsProcessRunning(const std::string& name) override;

 private:
  InstanceGuards guards_;
};

}  // namespace qu
