#pragma once

// The unattended runner as a real process on a test's program folder, and what its scenarios
// compare: its output, the arguments the utility received, the folder's files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/system.h"
#include "support/program_folder.h"

namespace qu::testing {

// A program started with its standard output and error kept together.
class RunnerProcess {
 public:
  RunnerProcess(const std::string& program, const std::vector<std::string>& arguments);
  RunnerProcess(RunnerProcess&&) = default;
  // One that still runs is killed.
  ~RunnerProcess();

  int id() const { return process_->id(); }
  // Waits for its end and the end of its output; its exit code.
  int finish();
  // The output's lines, without their line ends.
  std::vector<std::string> lines() const;

 private:
  struct Output;
  std::shared_ptr<Output> output_;
  std::unique_ptr<Process> process_;
};

// The runner for `folder`: it takes the folder's program file for its own, and keeps its lock in
// the folder's lock place.
RunnerProcess startRunner(const TemporaryProgramFolder& folder,
                          const std::vector<std::string>& arguments = {});

struct RunnerResult {
  int exitCode = -1;
  std::vector<std::string> lines;
};
RunnerResult runProgram(const std::string& program, const std::vector<std::string>& arguments);
RunnerResult runRunner(const TemporaryProgramFolder& folder,
                       const std::vector<std::string>& arguments = {});

// Every file under a folder with its size and time, to show that nothing was written.
using FolderState =
    std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>;
FolderState folderState(const std::filesystem::path& folder);

// What the stand-in recorded of its command line (QU_SIM_ARGV_FILE), the program path first.
std::vector<std::string> recordedCommandLine(const std::filesystem::path& file);

#ifndef _WIN32
// Sends SIGTERM, SIGINT or SIGHUP ("TERM", "INT", "HUP").
void sendSignal(int processId, const char* name);
#endif

}  // namespace qu::testing
