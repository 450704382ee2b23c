#include "platform/posix/posix_process.h"

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

namespace qu {
namespace {

int openPidfd(pid_t pid) {
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

bool sendKill(int pidfd) {
  return syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0) == 0;
}

int exitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Blocks until the child has exited but leaves it a zombie, so its PID stays ours.
bool awaitExit(pid_t pid) {
  siginfo_t info{};
  while (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

}  // namespace

PosixProcess::PosixProcess(pid_t pid) : pid_(pid), pidfd_(openPidfd(pid)) {}

PosixProcess::~PosixProcess() {
  close();
  const std::lock_guard lock(stateMutex_);
  if (reaped_ || waitpid(pid_, nullptr, WNOHANG) != 0) return;
  // Still running: like a closed handle it runs on, and is reaped when it ends. Without a thread
  // for that it stays a zombie until the program ends, which does no harm.
  try {
    std::thread([pid = pid_] { waitpid(pid, nullptr, 0); }).detach();
  } catch (const std::system_error&) {
  }
}

int PosixProcess::wait() {
  const std::lock_guard waiting(waitMutex_);
  {
    const std::lock_guard lock(stateMutex_);
    if (reaped_) return exitCode_;
  }
  const bool exited = awaitExit(pid_);
  const std::lock_guard lock(stateMutex_);
  int status = 0;
  pid_t reaped = -1;
  if (exited) {
    do {
      reaped = waitpid(pid_, &status, 0);
    } while (reaped < 0 && errno == EINTR);
  }
  reaped_ = true;
  exitCode_ = reaped == pid_ ? exitCodeOf(status) : -1;
  return exitCode_;
}

bool PosixProcess::terminate() {
  const std::lock_guard lock(stateMutex_);
  if (reaped_ || closed_) return false;
  if (pidfd_ >= 0) return sendKill(pidfd_);
  return kill(pid_, SIGKILL) == 0;
}

void PosixProcess::close() {
  const std::lock_guard lock(stateMutex_);
  closed_ = true;
  if (pidfd_ >= 0) ::close(pidfd_);
  pidfd_ = -1;
}

}  // namespace qu
