#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32/process_launch.h"
#include "platform/win32/win32_system.h"
#include "unit/win32/win32_test_support.h"

namespace qu {
namespace {

using test::ScopedEnvironment;
using test::TempFolder;
using test::utf8;

// A program folder holding the stand-in under the utility's name.
struct StandIn {
  explicit StandIn(const std::string& folderName = "program") : folder(folderName) {
    std::filesystem::copy_file(test::updaterStandIn(), folder.file("Updater.exe"));
  }
  std::string program() const { return folder.text("Updater.exe"); }
  TempFolder folder;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    start = end + 1;
  }
  return out;
}

// The C runtime's own splitting of the command line gives back every argument as it was passed.
TEST(CommandLine, SurvivesTheSystemsSplitting) {
  const std::vector<std::wstring> arguments = {L"-c",         L"plain",
                                               L"two words",  L"say \"hi\"",
                                               L"trailing\\", L"in \\\"quotes\\\"\\",
                                               L"",           L"C:\\Program Files\\x\\"};
  const std::wstring line = commandLineOf(L"C:\\Tools Folder\\Updater.exe", arguments);
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(line.c_str(), &count);
  ASSERT_NE(split, nullptr);
  ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
  EXPECT_EQ(std::wstring(split[0]), L"C:\\Tools Folder\\Updater.exe");
  for (std::size_t i = 0; i < arguments.size(); ++i) EXPECT_EQ(split[i + 1], arguments[i]);
  LocalFree(split);
}

TEST(CommandLine, QuotesTheProgramAndLeavesPlainArgumentsAlone) {
  EXPECT_EQ(commandLineOf(L"C:\\Q\\Updater.exe", {L"-c", L"-u", L"-rpt", L"report.txt"}),
            L"\"C:\\Q\\Updater.exe\" -c -u -rpt report.txt");
}

TEST(StartProcess, PassesEveryArgumentAndRunsInTheWorkingFolder) {
  StandIn standIn;
  TempFolder work("work folder");
  ScopedEnvironment argv("QU_SIM_ARGV_FILE", standIn.folder.text("argv.txt"));
  ScopedEnvironment fail("QU_SIM_FAIL_CODE", "5");
  Win32System system;
  auto started = system.startProcess(
      {standIn.program(), {"-c", "-u", "-rpt", "report.txt"}, utf8(work.path()), {}});
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_EQ(started.process->wait(), 5);
  const auto argvLines = lines(standIn.folder.read("argv.txt"));
  EXPECT_EQ(argvLines,
            (std::vector<std::string>{standIn.program(), "-c", "-u", "-rpt", "report.txt"}));
  // Files the switches name are relative to the working folder.
  EXPECT_TRUE(std::filesystem::exists(work.file("report.txt")));
}

// A command line far past 255 characters reaches the program whole.
TEST(StartProcess, NeverCutsALongCommandLine) {
  StandIn standIn("a program folder with a rather long name, so that the command line grows");
  ScopedEnvironment argv("QU_SIM_ARGV_FILE", standIn.folder.text("argv.txt"));
  ScopedEnvironment fail("QU_SIM_FAIL_CODE", "0");
  std::vector<std::string> arguments = {"-c", "-u"};
  for (int i = 0; i < 20; ++i) arguments.push_back("-tf" + std::to_string(i) + "_trace_file.log");
  Win32System system;
  auto started =
      system.startProcess({standIn.program(), arguments, utf8(standIn.folder.path()), {}});
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_EQ(started.process->wait(), 0);
  const auto argvLines = lines(standIn.folder.read("argv.txt"));
  ASSERT_EQ(argvLines.size(), arguments.size() + 1);
  EXPECT_EQ(argvLines.back(), arguments.back());
}

TEST(StartProcess, ReportsAProgramThatCannotBeStarted) {
  TempFolder folder;
  Win32System system;
  for (const std::string& program :
       {folder.text("Updater.exe"), folder.write("Updater.exe", "MZ")}) {
    auto started = system.startProcess({program, {"-c", "-u"}, utf8(folder.path()), {}});
    EXPECT_FALSE(started.process) << program;
    EXPECT_FALSE(started.error.empty()) << program;
  }
}

// A console program passing the utility's output on: it comes through a pipe, then its end.
TEST(StartProcess, CapturedOutputReachesTheSinkThenEnds) {
  StandIn standIn;
  ScopedEnvironment fail("QU_SIM_FAIL_CODE", "4");
  struct Received {
    std::mutex mutex;
    std::condition_variable ended;
    std::string text;
    int ends = 0;
  };
  auto received = std::make_shared<Received>();
  OutputSink sink = [received](std::string_view piece) {
    const std::lock_guard lock(received->mutex);
    received->text.append(piece);
    if (piece.empty()) ++received->ends;
    received->ended.notify_all();
  };
  Win32System system;
  auto started = system.startProcess(
      {standIn.program(), {"-c", "-u"}, utf8(standIn.folder.path()), sink, true});
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_EQ(started.process->wait(), 4);
  std::unique_lock lock(received->mutex);
  ASSERT_TRUE(
      received->ended.wait_for(lock, std::chrono::minutes(1), [&] { return received->ends > 0; }));
  EXPECT_EQ(received->ends, 1);
  EXPECT_NE(received->text.find("Return code 4: Simulated failure"), std::string::npos)
      << received->text;
}

TEST(Terminate, EndsTheProgramWithExitCodeZero) {
  StandIn standIn;
  ScopedEnvironment hang("QU_SIM_HANG", "1");
  Win32System system;
  auto started =
      system.startProcess({standIn.program(), {"-c", "-u"}, utf8(standIn.folder.path()), {}});
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_TRUE(system.IsProcessRunning("Updater.exe"));
  EXPECT_TRUE(started.process->terminate());
  EXPECT_EQ(started.process->wait(), 0);
  // Stopped before writing anything: the run log was never made.
  EXPECT_FALSE(std::filesystem::exists(standIn.folder.file("vororadi.txt")));
  started.process->close();
  EXPECT_FALSE(started.process->terminate());
}

TEST(Terminate, FromAnotherThreadWakesTheWaiter) {
  StandIn standIn;
  ScopedEnvironment hang("QU_SIM_HANG", "1");
  Win32System system;
  auto started = system.startProcess({standIn.program(), {}, utf8(standIn.folder.path()), {}});
  ASSERT_TRUE(started.process) << started.error;
  Process& process = *started.process;
  std::thread stopper([&process] { process.terminate(); });
  EXPECT_EQ(process.wait(), 0);
  stopper.join();
}

TEST(IsProcessRunning, MatchesTheExactExecutableName) {
  StandIn standIn;
  ScopedEnvironment hang("QU_SIM_HANG", "1");
  Win32System system;
  auto started = system.startProcess({standIn.program(), {}, utf8(standIn.folder.path()), {}});
  ASSERT_TRUE(started.process) << started.error;
  EXPECT_TRUE(system.IsProcessRunning("Updater.exe"));
  EXPECT_FALSE(system.IsProcessRunning("updater.exe"));
  EXPECT_FALSE(system.IsProcessRunning("Updater"));
  EXPECT_FALSE(system.IsProcessRunning(""));
  started.process->terminate();
  started.process->wait();
  started.process->close();
}

}  // namespace
}  // namespace qu
