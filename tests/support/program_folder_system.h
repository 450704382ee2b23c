#pragma once

// The real services of the system, except that the program believes it runs from a test's program
// folder, and its instance guards are private to that folder's test: they neither meet a program
// the user has open nor leave anything behind.

#include <filesystem>
#include <string>

#include "support/native_system.h"
#include "support/program_folder.h"

namespace qu::testing {

class ProgramFolderSystem : public System {
 public:
  explicit ProgramFolderSystem(const TemporaryProgramFolder& folder);
  // A program at `programPath` whose guards live in `lockFolder`, which it creates (on Windows,
  // named events whose names carry that folder).
  ProgramFolderSystem(std::string programPath, const std::filesystem::path& lockFolder);

  InstanceClaim acquireInstance(const std::string& name) override;
  std::string ownExecutablePath() override { return programPath_; }
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
  const std::string programPath_;
  const std::filesystem::path lockFolder_;
  NativeSystem real_;
};

}  // namespace qu::testing
