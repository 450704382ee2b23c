#include "platform/posix/process_launch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/output_delivery.h"
#include "platform/posix/error_text.h"
#include "platform/posix/posix_process.h"

extern char** environ;

namespace qu {
namespace {

class SpawnSetup {
 public:
  // In a process group of its own, the terminal's Ctrl+C and hang-up reach the caller alone.
  explicit SpawnSetup(bool ownProcessGroup) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes_, &signals);
    // Whatever the program ignores or handles, the child starts with the defaults.
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes_, &signals);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (ownProcessGroup) {
      posix_spawnattr_setpgroup(&attributes_, 0);
      flags |= POSIX_SPAWN_SETPGROUP;
    }
    posix_spawnattr_setflags(&attributes_, flags);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }

  // Output first: should the pipe have landed on descriptor 0, the later open of /dev/null
  // there must not cut the child's copy of it.
  void outputTo(int fd) {
    posix_spawn_file_actions_adddup2(&actions_, fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions_, fd, STDERR_FILENO);
  }
  void outputToNull() {
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, STDOUT_FILENO, STDERR_FILENO);
  }
  void finish(const std::string& workingFolder) {
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // Our own descriptors are close-on-exec; this also covers those of libraries that are not.
    posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
    if (!workingFolder.empty()) {
      posix_spawn_file_actions_addchdir_np(&actions_, workingFolder.c_str());
    }
  }

  int spawn(pid_t& pid, const std::string& program, std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (auto& argument : argv) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return posix_spawn(&pid, program.c_str(), &actions_, &attributes_, pointers.data(), environ);
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

void drain(int fd, const OutputSink& sink) {
  OutputDelivery deliver(sink);
  char buffer[4096];
  for (;;) {
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    deliver(std::string_view(buffer, static_cast<std::size_t>(count)));
  }
  close(fd);
  deliver({});
}

std::string absoluteProgram(const std::string& program) {
  std::error_code error;
  const auto path = std::filesystem::absolute(program, error);
  return error ? program : path.string();
}

}  // namespace

LaunchResult launchProcess(ProcessLaunch launch) {
  const std::string program = absoluteProgram(launch.program);
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), launch.arguments.begin(), launch.arguments.end());

  SpawnSetup setup(launch.fromConsoleProgram);
  int pipeFds[2] = {-1, -1};
  if (launch.output) {
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return {nullptr, errorText(errno)};
    setup.outputTo(pipeFds[1]);
  } else {
    setup.outputToNull();
  }
  setup.finish(launch.workingFolder);
  pid_t pid = -1;
  const int error = setup.spawn(pid, program, argv);
  if (pipeFds[1] >= 0) close(pipeFds[1]);
  if (error != 0) {
    if (pipeFds[0] >= 0) close(pipeFds[0]);
    return {nullptr, errorText(error)};
  }
  auto process = std::make_unique<PosixProcess>(pid);
  if (launch.output) {
    try {
      std::thread(drain, pipeFds[0], std::move(launch.output)).detach();
    } catch (const std::system_error& failure) {
      close(pipeFds[0]);
      process->terminate();
      process->wait();
      return {nullptr, failure.what()};
    }
  }
  return {std::move(process), ""};
}

}  // namespace qu
