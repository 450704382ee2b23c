#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/instance_guard.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/private_folder.h"
#include "platform/process_environment.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

namespace fs = std::filesystem;
using Outcome = InstanceClaim::Outcome;

constexpr const char* kName = "MYPROGRAM_CHECKEXIST";

// Another process of this test binary asking for the guard (see guard_contender.cpp).
class Contender {
 public:
  Contender(const fs::path& place, const std::string& childUntil = "") {
    PosixSystem system;
    std::vector<std::string> arguments{"--guard-contender", place.string(), kName};
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

// The commands stand in for system calls the tests would otherwise need.
void runCommand(const std::string& program, const std::vector<std::string>& arguments) {
  PosixSystem system;
  auto result = system.startProcess({program, arguments, "", {}});
  if (!result.process || result.process->wait() != 0) throw std::runtime_error(program + " failed");
}

bool privileged() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("Uid:")) return line.substr(5, line.find('\t', 5) - 5) == "0";
  }
  return false;
}

std::string contentOf(const fs::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(InstanceGuard, FirstProcessWinsUntilItIsKilled) {
  const test::TempFolder folder;
  const fs::path place = folder.path() / "lock";
  Contender first(place);
  ASSERT_EQ(first.answer(), "first\n");
  Contender second(place);
  EXPECT_EQ(second.answer(), "second\n");
  first.kill();
  Contender third(place);
  EXPECT_EQ(third.answer(), "first\n");
}

TEST(InstanceGuard, AChildOfTheHolderDoesNotKeepIt) {
  const test::TempFolder folder;
  const fs::path place = folder.path() / "lock";
  Contender holder(place, folder.file("release"));
  ASSERT_EQ(holder.answer(), "first\n");
  holder.kill();
  Contender next(place);
  EXPECT_EQ(next.answer(), "first\n") << "the holder's child still runs";
  folder.write("release", "");
}

TEST(InstanceGuard, CreatesItsPrivateFolderAndKeepsTheLockThere) {
  const test::TempFolder folder;
  const fs::path place = folder.path() / "state" / "quintaris-updater";
  InstanceGuards guards(place);
  EXPECT_EQ(guards.acquire(kName).outcome, Outcome::Acquired);
  EXPECT_EQ(fs::status(place).permissions(), fs::perms::owner_all);
  EXPECT_TRUE(fs::is_regular_file(place / "MYPROGRAM_CHECKEXIST.lock"));
  EXPECT_EQ(guards.acquire("../escape").outcome, Outcome::Acquired);
  EXPECT_TRUE(fs::is_regular_file(place / ".._escape.lock"));

  // A second open of the lock contends even inside one process.
  InstanceGuards again(place);
  const InstanceClaim second = again.acquire(kName);
  EXPECT_EQ(second.outcome, Outcome::HeldByAnother);
  EXPECT_EQ(second.error, "");
}

struct UnusablePlace {
  const char* name;
  // Lays the fault out in the test's folder and gives the guard's folder.
  std::function<fs::path(const test::TempFolder&)> layOut;
  bool lockFileNamed;  // the error names the lock file rather than its folder
  std::string reason;
};

fs::path privateFolder(const fs::path& path) {
  fs::create_directory(path);
  fs::permissions(path, fs::perms::owner_all);
  return path;
}

// Only another holder ends the program silently: each of these must be told, naming the place.
TEST(InstanceGuard, AnUnsafeOrUnusablePlaceIsAFailureThatNamesIt) {
  const std::vector<UnusablePlace> cases = {
      {"the folder is a link",
       [](const test::TempFolder& folder) {
         const fs::path place = folder.path() / "lock";
         fs::create_directory_symlink(privateFolder(folder.path() / "elsewhere"), place);
         return place;
       },
       false, "it is a symbolic link"},
      {"the folder is another user's (as anyone but root, the root folder is)",
       [](const test::TempFolder& folder) {
         if (!privileged()) return fs::path("/");
         const fs::path place = privateFolder(folder.path() / "lock");
         runCommand("/bin/chown", {"65534", place.string()});
         return place;
       },
       false, "it belongs to another user"},
      {"the folder is open to others",
       [](const test::TempFolder& folder) {
         const fs::path place = privateFolder(folder.path() / "lock");
         fs::permissions(place,
                         fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec,
                         fs::perm_options::add);
         return place;
       },
       false, "other users can reach it (mode 0755; it must be 0700)"},
      {"the folder is a plain file",
       [](const test::TempFolder& folder) {
         return fs::path(folder.write("lock", "not a folder"));
       },
       false, "it is not a folder"},
      {"a parent cannot be created",
       [](const test::TempFolder& folder) {
         return fs::path(folder.write("parent", "not a folder")) / "lock";
       },
       false, "Not a directory"},
      {"the lock file is a link",
       [](const test::TempFolder& folder) {
         const fs::path place = privateFolder(folder.path() / "lock");
         fs::create_symlink(folder.write("target", "kept"), place / "MYPROGRAM_CHECKEXIST.lock");
         return place;
       },
       true, "it is a symbolic link"},
      {"the lock file is a pipe",
       [](const test::TempFolder& folder) {
         const fs::path place = privateFolder(folder.path() / "lock");
         runCommand("/usr/bin/mkfifo", {(place / "MYPROGRAM_CHECKEXIST.lock").string()});
         return place;
       },
       true, "it is not a plain file"},
  };
  for (const UnusablePlace& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempFolder folder;
    const fs::path place = c.layOut(folder);
    const fs::path named = c.lockFileNamed ? place / "MYPROGRAM_CHECKEXIST.lock" : place;
    const InstanceClaim claim = InstanceGuards(place).acquire(kName);
    EXPECT_EQ(claim.outcome, Outcome::Failed);
    EXPECT_EQ(claim.error.rfind("Unable to lock " + named.string() + ": ", 0), 0u) << claim.error;
    EXPECT_NE(claim.error.find(c.reason), std::string::npos) << claim.error;
    // Nothing was created or changed through a link.
    EXPECT_FALSE(fs::exists(folder.path() / "elsewhere" / "MYPROGRAM_CHECKEXIST.lock"));
    if (fs::exists(folder.path() / "target")) {
      EXPECT_EQ(contentOf(folder.path() / "target"), "kept");
    }
  }
}

// The same folder for a desktop session, cron and systemd alike: no variable moves it.
TEST(UserStateFolder, ComesFromThePasswordDatabaseAndNotFromTheEnvironment) {
  const FolderLookup usual = userStateFolder();
  ASSERT_EQ(usual.failure, "");
  EXPECT_TRUE(usual.path.is_absolute());
  EXPECT_TRUE(usual.path.string().ends_with("/.local/state/quintaris-updater")) << usual.path;
  const test::TempFolder folder;
  for (const char* variable : {"HOME", "XDG_RUNTIME_DIR", "XDG_STATE_HOME", "TMPDIR"}) {
    SCOPED_TRACE(variable);
    const std::string saved = environmentVariable(variable);
    setEnvironmentVariable(variable, folder.path().string());
    EXPECT_EQ(userStateFolder().path, usual.path);
    setEnvironmentVariable(variable, saved);
  }
}

}  // namespace
}  // namespace qu
