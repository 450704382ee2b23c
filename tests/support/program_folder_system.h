#pragma once

// The real services of the system, except that the program believes it runs from a test's program
// folder, and its instance guard is private to that folder's test: it neither meets a program the
// user has open nor leaves anything behind.

#include "support/native_system.h"
#include "support/program_folder.h"

namespace qu::testing {

class ProgramFolderSystem : public System {
 public:
  explicit ProgramFolderSystem(const TemporaryProgramFolder& folder);

  InstanceClaim acquireInstance(const std::string& name) override;
  std::string ownExecutablePath() override { return folder_.programPath(); }
  std::string FileVersionText(const std::string& path) override {
    return real_.FileVersionText(path);
  }
  FileTime FileModifiedTime(const std::string& path) override {
    return real_.FileModifiedTime(path);
  }
  bool fileExists(const std::string& path) override { return real_.fileExists(path); }
  LaunchResult startProcess(ProcessLaunch launch) override {
    return real_.startProcess(std::move(launch));
  }
  bool IsProcessRunning(const std::string& name) override { return real_.IsProcessRunning(name); }

 private:
  const TemporaryProgramFolder& folder_;
  NativeSystem real_;
};

}  // namespace qu::testing
