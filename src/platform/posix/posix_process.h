#pragma once

#include <sys/types.h>

#include <mutex>

#include "platform/system.h"

namespace qu {

// A child process held through a pidfd, so a stop can never reach a process that has taken
// over the PID of a reaped one. Without pidfd support the same holds by the locking below: the
// child is reaped only under the state lock, so while the lock is held and the child is not
// reaped its PID cannot have been reused.
class PosixProcess final : public Process {
 public:
  explicit PosixProcess(pid_t pid);
  PosixProcess(const PosixProcess&) = delete;
  PosixProcess& operator=(const PosixProcess&) = delete;
  ~PosixProcess() override;

  int id() const override { return pid_; }
  int wait() override;
  bool terminate() override;
  void close() override;

 private:
  const pid_t pid_;
  std::mutex waitMutex_;  // one waiter at a time, so a second one never waits on a reused PID
  std::mutex stateMutex_;
  int pidfd_ = -1;
  bool closed_ = false;
  bool reaped_ = false;
  int exitCode_ = -1;
};

}  // namespace qu
