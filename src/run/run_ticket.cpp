#include "run/run_ticket.h"

namespace qu {

void RunTicket::terminate() {
  const std::lock_guard lock(mutex_);
  stopped_ = true;
  if (process_) process_->terminate();
}

Process& RunTicket::adopt(std::unique_ptr<Process> process) {
  const std::lock_guard lock(mutex_);
  process_ = std::move(process);
  if (stopped_) process_->terminate();
  return *process_;
}

bool RunTicket::stopped() const {
  const std::lock_guard lock(mutex_);
  return stopped_;
}

void RunTicket::release() {
  const std::lock_guard lock(mutex_);
  if (process_) process_->close();
  process_.reset();
}

void RunTicket::setLaunchError(std::string error) {
  const std::lock_guard lock(mutex_);
  launchError_ = std::move(error);
}

std::string RunTicket::launchError() const {
  const std::lock_guard lock(mutex_);
  return launchError_;
}

void RunTicket::workerDone() {
  const std::lock_guard lock(mutex_);
  workerDone_ = true;
  workerDoneChanged_.notify_all();
}

void RunTicket::awaitWorker() {
  std::unique_lock lock(mutex_);
  workerDoneChanged_.wait(lock, [this] { return workerDone_; });
}

bool ExecAndWait(RunTicket& ticket, System& system, ProcessLaunch launch,
                 const std::function<void()>& started) {
  if (ticket.stopped()) return false;
  const std::string program = launch.program;
  LaunchResult launched = system.startProcess(std::move(launch));
  if (!launched.process) {
    ticket.setLaunchError("Unable to start " + program + ": " +
                          (launched.error.empty() ? "unknown error" : launched.error));
    return false;
  }
  Process& process = ticket.adopt(std::move(launched.process));
  if (started) started();
  // Waited on outside the ticket's lock, so Stop can terminate it meanwhile.
  process.wait();
  ticket.release();
  return true;
}

}  // namespace qu
