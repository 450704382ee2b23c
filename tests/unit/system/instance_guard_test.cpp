#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/instance_guard.h"
#include "platform/posix/posix_system.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

constexpr const char* kName = "MYPROGRAM_CHECKEXIST";

// Another process of this test binary asking for the guard (see guard_contender.cpp).
class Contender {
 public:
  Contender(const test::TempFolder& folder, const std::string& childUntil = "") {
    PosixSystem system;
    std::vector<std::string> arguments{"--guard-contender", folder.path().string(), kName};
    if (!childUntil.empty()) arguments.push_back(childUntil);
    auto result = system.startProcess({system.ownExecutablePath(), arguments, "", output_.sink()});
    if (!result.process) throw std::runtime_error(result.error);
    process_ = std::move(result.process);
  }
  ~Contender() { kill(); }
  std::string answer() { return output_.until("\n"); }
  void kill() {
    process_->terminate();
    process_->wait();
  }

 private:
  test::OutputCollector output_;
  std::unique_ptr<Process> process_;
};

TEST(InstanceGuard, FirstProcessWinsUntilItIsKilled) {
  const test::TempFolder folder;
  Contender first(folder);
  ASSERT_EQ(first.answer(), "first\n");
  Contender second(folder);
  EXPECT_EQ(second.answer(), "second\n");
  first.kill();
  Contender third(folder);
  EXPECT_EQ(third.answer(), "first\n");
}

TEST(InstanceGuard, AChildOfTheHolderDoesNotKeepIt) {
  const test::TempFolder folder;
  Contender holder(folder, folder.file("release"));
  ASSERT_EQ(holder.answer(), "first\n");
  holder.kill();
  Contender next(folder);
  EXPECT_EQ(next.answer(), "first\n") << "the holder's child still runs";
  folder.write("release", "");
}

std::string userId() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("Uid:")) return line.substr(5, line.find('\t', 5) - 5);
  }
  return "";
}

TEST(InstanceGuard, LockFileIsPerUserAndNeverALink) {
  const test::TempFolder folder;
  InstanceGuards guards(folder.path());
  const auto lockFile = guards.lockFile(kName);
  EXPECT_EQ(lockFile.parent_path(), folder.path());
  EXPECT_NE(lockFile.filename().string().find('.' + userId() + '.'), std::string::npos);
  EXPECT_EQ(guards.lockFile("../escape").parent_path(), folder.path());

  const std::string target = folder.write("target", "kept");
  std::filesystem::create_symlink(target, lockFile);
  EXPECT_FALSE(guards.acquire(kName));
  std::ifstream in(target);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
}

}  // namespace
}  // namespace qu
