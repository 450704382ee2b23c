#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/posix/posix_system.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

// A copy of sleep under the given name, running until terminated.
class NamedSleeper {
 public:
  NamedSleeper(const test::TempFolder& folder, const std::string& name) : path_(folder.file(name)) {
    std::filesystem::copy_file("/bin/sleep", path_);
    auto result = system_.startProcess({path_, {"300"}, "", {}});
    if (!result.process) throw std::runtime_error(result.error);
    process_ = std::move(result.process);
  }
  ~NamedSleeper() { stop(); }
  void stop() {
    process_->terminate();
    process_->wait();
  }
  Process& process() { return *process_; }
  const std::string& path() const { return path_; }

 private:
  PosixSystem system_;
  std::string path_;
  std::unique_ptr<Process> process_;
};

TEST(ProcessList, FindsTheUtilityByItsExactName) {
  const test::TempFolder folder;
  PosixSystem system;
  NamedSleeper utility(folder, "Updater.exe");
  EXPECT_TRUE(system.IsProcessRunning("Updater.exe"));
  EXPECT_FALSE(system.IsProcessRunning("updater.exe"));
  EXPECT_FALSE(system.IsProcessRunning("Updater"));

  const std::string name = "Probe" + std::to_string(utility.process().id()) + ".exe";
  EXPECT_FALSE(system.IsProcessRunning(name));
  NamedSleeper probe(folder, name);
  std::filesystem::remove(probe.path());
  EXPECT_TRUE(system.IsProcessRunning(name)) << "its file was deleted while it runs";
  probe.stop();
  EXPECT_FALSE(system.IsProcessRunning(name));
}

std::string stateOf(int pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  std::getline(in, stat);
  const auto close = stat.rfind(')');
  return close == std::string::npos ? "" : stat.substr(close + 2, 1);
}

TEST(ProcessList, SkipsZombies) {
  const test::TempFolder folder;
  PosixSystem system;
  const std::string name = "Zombie" + std::to_string(std::random_device()()) + ".exe";
  std::filesystem::copy_file("/bin/true", folder.file(name));
  auto result = system.startProcess({folder.file(name), {}, "", {}});
  ASSERT_TRUE(result.process);
  // Not waited for yet, so it lingers as a zombie once it has exited.
  std::string state;
  while ((state = stateOf(result.process->id())) != "Z" && !state.empty()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(state, "Z");
  EXPECT_FALSE(system.IsProcessRunning(name));
  EXPECT_EQ(result.process->wait(), 0);
}

}  // namespace
}  // namespace qu
