#pragma once

// Requests from outside to end a console program: SIGTERM, SIGINT and SIGHUP on Linux; Ctrl+C,
// Ctrl+Break and the closing of its console on Windows. While a StopRequests lives they no longer
// end the program; each one calls its function instead.

#include <functional>
#include <memory>

namespace qu {

class StopRequests {
 public:
  // `onStop` runs on a thread of the watcher's own, never inside a signal handler, once per
  // request. One watcher at a time. Throws std::system_error when it cannot watch.
  explicit StopRequests(std::function<void()> onStop);
  // Gives the requests their previous meaning back. A console being closed is held until here,
  // so the program can finish what the stop began before the system ends it.
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace qu
