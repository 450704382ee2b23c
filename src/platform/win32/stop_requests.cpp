#include "platform/stop_requests.h"

#include <windows.h>

#include <mutex>
#include <system_error>

namespace qu {
namespace {

// What a control handler's thread may still hold after the watcher has gone.
struct Watch {
  explicit Watch(std::function<void()> stop)
      : onStop(std::move(stop)), finished(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Watch() {
    if (finished) CloseHandle(finished);
  }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;

  const std::function<void()> onStop;
  const HANDLE finished;  // set once the program has finished what the stop began
};

std::mutex currentMutex;
std::shared_ptr<Watch> current;

// On a thread the system starts for each event. Returning from a close, logoff or shutdown event
// lets the system end the process, so those wait until the program is done.
BOOL WINAPI onControl(DWORD event) {
  std::shared_ptr<Watch> watch;
  {
    const std::lock_guard lock(currentMutex);
    watch = current;
  }
  if (!watch) return FALSE;
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      watch->onStop();
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      watch->onStop();
      WaitForSingleObject(watch->finished, INFINITE);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

struct StopRequests::State {
  std::shared_ptr<Watch> watch;
};

StopRequests::StopRequests(std::function<void()> onStop)
    : state_(std::make_unique<State>(State{std::make_shared<Watch>(std::move(onStop))})) {
  if (!state_->watch->finished) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
  }
  {
    const std::lock_guard lock(currentMutex);
    current = state_->watch;
  }
  if (!SetConsoleCtrlHandler(onControl, TRUE)) {
    const auto error = static_cast<int>(GetLastError());
    const std::lock_guard lock(currentMutex);
    current.reset();
    throw std::system_error(error, std::system_category());
  }
}

StopRequests::~StopRequests() {
  {
    const std::lock_guard lock(currentMutex);
    current.reset();
  }
  SetEvent(state_->watch->finished);
  SetConsoleCtrlHandler(onControl, FALSE);
}

}  // namespace qu
