#pragma once

// Scenarios that run the stand-in utility from the window: a program folder with a one-file
// sample source, the environment knobs, starting and finishing runs, and finding the utility's
// process.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "platform/headless/headless_toolkit.h"
#include "run/run_log_reader.h"
#include "support/program_folder.h"
#include "support/program_folder_system.h"

namespace qu::testing {

// An environment variable for the utilities started while it lives.
class ScopedVariable {
 public:
  ScopedVariable(std::string name, const std::string& value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
};

// Polls until the condition holds; false if it never does within a generous limit, which only
// keeps a broken run from hanging the test and measures nothing.
bool eventually(const std::function<bool()>& condition);

// A live process runs the program file at `path`. One that has ended but was not yet reaped
// has no program file left and does not count.
bool processRunsFrom(const std::filesystem::path& path);

// A copy of the stand-in under the given name, waiting for its source until the object goes.
class WaitingUtility {
 public:
  WaitingUtility(System& system, const std::filesystem::path& path);
  ~WaitingUtility();
  WaitingUtility(const WaitingUtility&) = delete;
  WaitingUtility& operator=(const WaitingUtility&) = delete;
  bool running() const { return process_ != nullptr; }

 private:
  std::unique_ptr<Process> process_;
};

// The file stays, but cannot be started: without execute bits on Linux (even root needs one),
// not a program at all on Windows.
void makeUnstartable(const std::filesystem::path& program);

class RunDriver {
 public:
  // The default settings file and a sample source of one file ("CORE/core.dat") for "$QL".
  explicit RunDriver(std::string_view folderName);
  ~RunDriver();

  // Creates and shows the window and lets the first check tick pass.
  TFMain& open();
  TFMain& w() { return *window; }
  void tick(std::string_view box) { w().find<CheckBox>(box).userClick(); }
  // One product ticked (ChBox_QAV_4 asks for CORE among others) and applied.
  void tickAndApply();
  void start() { w().Btn_Start.userClick(); }
  // Starts a run whose utility waits until it is stopped, and returns once it runs.
  void startWaitingRun();
  // Carries out what the worker hands over until the window is idle again.
  void finishRun();
  // Waits until the worker has handed the end of its run over, without carrying it out.
  void awaitHandOver();
  // The next message is answered with OK; its lines are kept in `lastMessage`.
  void acknowledgeMessage();

  bool utilityRuns() const { return processRunsFrom(folder.file("Updater.exe")); }
  std::string runLog() const { return folder.read(kRunLogFileName); }
  std::string resultLine() { return w().ST_RetCode.caption(); }
  // "dd-mmm-yy hh:mm:ss" at the head of the result line.
  std::string resultTime() { return resultLine().substr(0, resultLine().find(' ', 10)); }
  // A run log from a day ago, in place before the window opens.
  void writeOldRunLog(std::string_view content);

  TemporaryProgramFolder folder;
  HeadlessToolkit toolkit;
  ProgramFolderSystem system{folder};
  std::unique_ptr<TFMain> window;
  std::vector<std::string> lastMessage;
};

class RunScenario : public ::testing::Test {
 protected:
  void SetUp() override { run = std::make_unique<RunDriver>(folderName()); }
  void TearDown() override { run.reset(); }
  virtual std::string_view folderName() const { return "program"; }

  std::unique_ptr<RunDriver> run;
};

}  // namespace qu::testing
