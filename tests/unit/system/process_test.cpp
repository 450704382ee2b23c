#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/posix/posix_system.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

constexpr int kKilled = 128 + 9;

std::unique_ptr<Process> start(ProcessLaunch launch) {
  PosixSystem system;
  LaunchResult result = system.startProcess(std::move(launch));
  if (!result.process) throw std::runtime_error("launch failed: " + result.error);
  return std::move(result.process);
}

std::unique_ptr<Process> shell(const std::string& script, const std::string& folder = "",
                               OutputSink output = {}) {
  return start({"/bin/sh", {"-c", script}, folder, std::move(output)});
}

TEST(Processes, RunInTheGivenFolderAndReportTheExit) {
  const test::TempFolder folder;
  test::OutputCollector output;
  auto process = shell("pwd -P; echo oops >&2; exit 3", folder.path().string(), output.sink());
  EXPECT_EQ(process->wait(), 3);
  EXPECT_EQ(output.all(), std::filesystem::canonical(folder.path()).string() + "\noops\n");
}

TEST(Processes, PassArgumentsWithoutAShell) {
  test::OutputCollector output;
  auto process =
      start({"/bin/sh",
             {"-c", "printf '[%s]' \"$@\"", "sh", "a b", "\"quoted\"", "$HOME", ";", "", "-rpt+"},
             "",
             output.sink()});
  EXPECT_EQ(process->wait(), 0);
  EXPECT_EQ(output.all(), "[a b][\"quoted\"][$HOME][;][][-rpt+]");
}

TEST(Processes, DiscardedOutputGoesToTheNullDevice) {
  const test::TempFolder folder;
  auto process = shell("readlink /proc/$$/fd/1 /proc/$$/fd/2 /proc/$$/fd/0 | cat > where",
                       folder.path().string());
  EXPECT_EQ(process->wait(), 0);
  std::ifstream in(folder.file("where"));
  const std::string where{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(where, "/dev/null\n/dev/null\n/dev/null\n");
}

TEST(Processes, InheritNoOtherDescriptors) {
  const test::TempFolder folder;
  // fopen without "e" leaves the descriptor open across exec, as some libraries do.
  std::FILE* leaky = std::fopen(folder.write("held", "x").c_str(), "r");
  ASSERT_NE(leaky, nullptr);
  test::OutputCollector output;
  auto process = shell("ls /proc/$$/fd", "", output.sink());
  EXPECT_EQ(process->wait(), 0);
  EXPECT_EQ(output.all(), "0\n1\n2\n");
  std::fclose(leaky);
}

TEST(Processes, LaunchFailuresCarryTheReason) {
  const test::TempFolder folder;
  PosixSystem system;
  const std::string notExecutable = folder.write("Updater.exe", "#!/bin/sh\n");
  const struct {
    ProcessLaunch launch;
    std::string reason;
  } cases[] = {
      {{folder.file("missing.exe"), {}, "", {}}, "No such file or directory"},
      {{notExecutable, {}, "", {}}, "Permission denied"},
      {{"/bin/true", {}, folder.file("no-such-folder"), {}}, "No such file or directory"},
  };
  for (const auto& c : cases) {
    const LaunchResult result = system.startProcess(c.launch);
    EXPECT_EQ(result.process, nullptr) << c.launch.program;
    EXPECT_EQ(result.error, c.reason) << c.launch.program;
  }
}

// The output outlives both the program and the Process: a child it left behind keeps writing.
TEST(Processes, WaitEndsAtExitWhileOutputDrainsOn) {
  const test::TempFolder folder;
  test::OutputCollector output;
  auto process = shell("echo early; (while [ ! -e go ]; do sleep 0.01; done; echo late) & exit 5",
                       folder.path().string(), output.sink());
  EXPECT_EQ(process->wait(), 5);
  process.reset();
  EXPECT_EQ(output.until("early"), "early\n");
  folder.write("go", "");
  EXPECT_EQ(output.all(), "early\nlate\n");
}

TEST(Processes, AThrowingSinkDoesNotBlockTheChild) {
  auto process = shell("head -c 1000000 /dev/zero; exit 6", "",
                       [](std::string_view) { throw std::runtime_error("console gone"); });
  EXPECT_EQ(process->wait(), 6);
}

TEST(Processes, TerminateWakesTheWaiter) {
  auto process = start({"/bin/sleep", {"300"}, "", {}});
  int exitCode = 0;
  std::thread waiter([&] { exitCode = process->wait(); });
  EXPECT_TRUE(process->terminate());
  waiter.join();
  EXPECT_EQ(exitCode, kKilled);
  EXPECT_FALSE(process->terminate()) << "reaped";
}

TEST(Processes, NothingIsSignalledAfterClose) {
  const test::TempFolder folder;
  auto process = start({"/bin/sh", test::untilFileExists(folder.file("go")), "", {}});
  process->close();
  EXPECT_FALSE(process->terminate());
  const std::string status = "/proc/" + std::to_string(process->id()) + "/status";
  std::ifstream in(status);
  std::string line;
  while (std::getline(in, line) && !line.starts_with("State:")) {
  }
  ASSERT_TRUE(line.starts_with("State:"));
  EXPECT_EQ(line.find("zombie"), std::string::npos) << "the closed one still runs";
  process.reset();
  folder.write("go", "");  // it ends now and is reaped in the background
}

// Stop pressed just as the utility ends, many times over: every run ends exactly once, and a
// stop either reached the live child or was not sent at all.
TEST(Processes, TerminateRacingANaturalExit) {
  for (int run = 0; run < 1000; ++run) {
    auto process = start({"/bin/false", {}, "", {}});
    int exitCode = 0;
    bool sent = false;
    std::thread waiter([&] { exitCode = process->wait(); });
    std::thread stopper([&] { sent = process->terminate(); });
    waiter.join();
    stopper.join();
    ASSERT_TRUE(exitCode == 1 || exitCode == kKilled) << exitCode;
    if (!sent) {
      ASSERT_EQ(exitCode, 1) << "killed without a stop";
    }
    ASSERT_FALSE(process->terminate());
  }
}

// Makes the kernel hand a reaped child's PID to a new process, then stops the old one.
TEST(Processes, TerminateAfterReapNeverHitsTheNewOwnerOfThePid) {
  const char* kLastPid = "/proc/sys/kernel/ns_last_pid";
  if (!std::ofstream(kLastPid)) GTEST_SKIP() << "cannot steer PID allocation here";
  const test::TempFolder folder;
  for (int attempt = 0; attempt < 50; ++attempt) {
    auto old = start({"/bin/true", {}, "", {}});
    ASSERT_EQ(old->wait(), 0);
    std::ofstream(kLastPid) << old->id() - 1 << std::flush;
    auto heir = start({"/bin/sh", test::untilFileExists(folder.file("go"), 7), "", {}});
    if (heir->id() != old->id()) {  // another process took the PID first
      heir->terminate();
      heir->wait();
      continue;
    }
    EXPECT_FALSE(old->terminate());
    folder.write("go", "");
    EXPECT_EQ(heir->wait(), 7) << "the new owner of the PID was killed";
    return;
  }
  GTEST_SKIP() << "the PID was always taken by someone else";
}

}  // namespace
}  // namespace qu
