#pragma once

// One run of the utility. A RunTicket is the identity of one run: whoever waits for the utility
// and whoever stops it (a button, a signal) go through it, so a stop that comes before the start
// still counts, and a late pass of an earlier run can tell that it is no longer the current one.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/system.h"

namespace qu {

struct RunTicket {
  RunTicket() = default;
  RunTicket(const RunTicket&) = delete;
  RunTicket& operator=(const RunTicket&) = delete;

  // From any thread: ends the utility if it runs, and keeps it from being started if it has not
  // been yet.
  void terminate();

  // The waiting side. A utility handed over after a stop is terminated at once.
  Process& adopt(std::unique_ptr<Process> process);
  bool stopped() const;
  // Closes the utility once it has exited.
  void release();
  void setLaunchError(std::string error);
  // Why the utility could not be started; "" when it was, or when it never had to be.
  std::string launchError() const;
  // The waiting side is done with the run.
  void workerDone();
  void awaitWorker();

 private:
  mutable std::mutex mutex_;
  std::condition_variable workerDoneChanged_;
  std::unique_ptr<Process> process_;
  bool stopped_ = false;
  bool workerDone_ = false;
  std::string launchError_;
};

// Starts the utility and waits, with no time-out, until it has exited; then closes it. False
// when it was not started: stopped before, or it could not be (the reason, "Unable to start " +
// the program + ": " + why, then goes to the ticket). `started` runs once it has started, before
// the wait.
bool ExecAndWait(RunTicket& ticket, System& system, ProcessLaunch launch,
                 const std::function<void()>& started = {});

}  // namespace qu
