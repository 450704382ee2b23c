#pragma once

// The Windows services under the program: named events, the version resource API, file
// attributes, CreateProcess and the process snapshot. Paths and texts cross the API as UTF-16.

#include <mutex>
#include <vector>

#include "platform/system.h"

namespace qu {

class Win32System final : public System {
 public:
  Win32System() = default;
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;
  // The guard events go with the process; closing them earlier would hand the guard on.
  ~Win32System() override;

  // A named auto-reset event, created signalled: the first process to consume the signal holds
  // the guard for as long as it keeps the event open. A name that cannot be had as an event (an
  // object of another kind has it, or access is denied) is a failure.
  InstanceClaim acquireInstance(const std::string& name) override;
  std::string ownExecutablePath() override;
  std::string FileVersionText(const std::string& path) override;
  FileTime FileModifiedTime(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  // In a console of its own, shown when the launch has an output sink and hidden otherwise; the
  // program writes to that console, so the sink itself receives nothing. A launch from a console
  // program instead hands it to the sink through a pipe, with the console hidden.
  LaunchResult startProcess(ProcessLaunch launch) override;
  bool IsProcessRunning(const std::string& name) override;

 private:
  std::mutex mutex_;
  std::vector<void*> guards_;
};

}  // namespace qu
