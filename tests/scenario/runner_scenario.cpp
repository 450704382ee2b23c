#include "scenario/runner_scenario.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/utf8_path.h"
#include "support/native_system.h"

namespace qu::testing {

namespace fs = std::filesystem;

struct RunnerProcess::Output {
  std::mutex mutex;
  std::condition_variable endChanged;
  std::string text;
  bool ended = false;
};

RunnerProcess::RunnerProcess(const std::string& program, const std::vector<std::string>& arguments)
    : output_(std::make_shared<Output>()) {
  auto sink = [output = output_](std::string_view piece) {
    const std::lock_guard lock(output->mutex);
    output->text.append(piece);
    if (piece.empty()) {
      output->ended = true;
      output->endChanged.notify_all();
    }
  };
  LaunchResult started = NativeSystem().startProcess({program, arguments, "", sink, true});
  if (!started.process) throw std::runtime_error("cannot start " + program + ": " + started.error);
  process_ = std::move(started.process);
}

RunnerProcess::~RunnerProcess() {
  if (!process_) return;
  process_->terminate();
  process_->wait();
}

int RunnerProcess::finish() {
  const int code = process_->wait();
  std::unique_lock lock(output_->mutex);
  output_->endChanged.wait(lock, [this] { return output_->ended; });
  return code;
}

std::vector<std::string> RunnerProcess::lines() const {
  const std::lock_guard lock(output_->mutex);
  std::vector<std::string> lines;
  std::istringstream in(output_->text);
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

namespace {

std::vector<std::string> runnerArguments(const TemporaryProgramFolder& folder,
                                         const std::vector<std::string>& arguments) {
  std::vector<std::string> all{folder.programPath(), utf8FromPath(folder.lockFolder())};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return all;
}

}  // namespace

RunnerProcess startRunner(const TemporaryProgramFolder& folder,
                          const std::vector<std::string>& arguments) {
  return RunnerProcess(QU_RUNNER_IN_FOLDER_PATH, runnerArguments(folder, arguments));
}

RunnerResult runProgram(const std::string& program, const std::vector<std::string>& arguments) {
  RunnerProcess process(program, arguments);
  const int code = process.finish();
  return {code, process.lines()};
}

RunnerResult runRunner(const TemporaryProgramFolder& folder,
                       const std::vector<std::string>& arguments) {
  return runProgram(QU_RUNNER_IN_FOLDER_PATH, runnerArguments(folder, arguments));
}

FolderState folderState(const fs::path& folder) {
  FolderState state;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::uintmax_t size = entry.is_regular_file() ? entry.file_size() : 0;
    state[utf8FromPath(entry.path())] = {size, entry.last_write_time()};
  }
  return state;
}

std::vector<std::string> recordedCommandLine(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

#ifndef _WIN32
void sendSignal(int processId, const char* name) {
  LaunchResult kill = NativeSystem().startProcess(
      {"/bin/sh", {"-c", "kill -s \"$0\" \"$1\"", name, std::to_string(processId)}, "", {}});
  ASSERT_TRUE(kill.process) << kill.error;
  EXPECT_EQ(kill.process->wait(), 0);
}
#endif

}  // namespace qu::testing
