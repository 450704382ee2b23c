#pragma once

// One run of the utility. A RunTicket is the identity of one press of Start: the worker, the
// Stop button and the end-of-run steps all go through it, so a late pass of an earlier run can
// tell that it is no longer the current one and leaves the window alone.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"

namespace qu {

class TFMain;

inline constexpr std::string_view kUpdaterFileName = "Updater.exe";

// The utility's arguments: " -c -u " + trace + dump + report, split at blanks, with no empty
// elements. Nothing is cut or re-encoded.
std::vector<std::string> updaterArguments(std::string_view traceArg, std::string_view dumpArg,
                                          std::string_view reportArg);

struct RunTicket {
  explicit RunTicket(std::weak_ptr<TFMain*> window) : window_(std::move(window)) {}
  RunTicket(const RunTicket&) = delete;
  RunTicket& operator=(const RunTicket&) = delete;

  // From any thread: ends the utility if it runs, and keeps it from being started if the
  // worker has not started it yet.
  void terminate();

  // The worker's side. A utility handed over after a stop is terminated at once.
  Process& adopt(std::unique_ptr<Process> process);
  bool stopped() const;
  // Closes the utility once it has exited.
  void release();
  void setLaunchError(std::string error);
  // Why the utility could not be started; "" when it was, or when it never had to be.
  std::string launchError() const;
  // The worker no longer touches the window.
  void workerDone();
  void awaitWorker();

  // Expired or null once the window is gone: posted steps check it before touching it.
  const std::weak_ptr<TFMain*>& window() const { return window_; }

 private:
  const std::weak_ptr<TFMain*> window_;
  mutable std::mutex mutex_;
  std::condition_variable workerDoneChanged_;
  std::unique_ptr<Process> process_;
  bool stopped_ = false;
  bool workerDone_ = false;
  std::string launchError_;
};

// Starts the utility and waits, with no time-out, until it has exited; then closes it. False
// when it was not started: stopped before, or it could not be (the reason, naming the
// program, then goes to the ticket). `started` runs once it has started, before the wait.
bool ExecAndWait(RunTicket& ticket, System& system, ProcessLaunch launch,
                 const std::function<void()>& started = {});

// For FormClose: ends a running utility at once, without waiting.
void terminateRun(TFMain& window);
// For the window's destructor: ends a running utility and waits until the run's worker no
// longer touches the window.
void awaitRunEnd(TFMain& window);

}  // namespace qu
