#include "platform/stop_requests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <system_error>
#include <thread>

namespace qu {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};
constexpr char kStop = 1;
constexpr char kQuit = 0;

// The handler only writes one byte into a pipe: all it may do safely.
std::atomic<int> wakeDescriptor{-1};

extern "C" void onSignal(int) {
  const int savedErrno = errno;
  const char byte = kStop;
  [[maybe_unused]] const ssize_t written = write(wakeDescriptor.load(), &byte, 1);
  errno = savedErrno;
}

void writeByte(int fd, char byte) {
  while (write(fd, &byte, 1) < 0 && errno == EINTR) {
  }
}

}  // namespace

struct StopRequests::State {
  int pipe[2] = {-1, -1};
  std::array<struct sigaction, kSignals.size()> previous{};
  std::thread watcher;
};

StopRequests::StopRequests(std::function<void()> onStop) : state_(std::make_unique<State>()) {
  State& state = *state_;
  if (pipe2(state.pipe, O_CLOEXEC) != 0) throw std::system_error(errno, std::system_category());
  // A flood of signals must never block the handler: bytes beyond the pipe's room are dropped.
  fcntl(state.pipe[1], F_SETFL, O_NONBLOCK);
  try {
    state.watcher = std::thread([fd = state.pipe[0], onStop = std::move(onStop)] {
      for (;;) {
        char byte = kQuit;
        const ssize_t count = read(fd, &byte, 1);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0 || byte == kQuit) return;
        onStop();
      }
    });
  } catch (const std::system_error&) {
    close(state.pipe[0]);
    close(state.pipe[1]);
    throw;
  }
  wakeDescriptor = state.pipe[1];
  struct sigaction action {};
  action.sa_handler = onSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i], &action, &state.previous[i]);
  }
}

StopRequests::~StopRequests() {
  State& state = *state_;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i], &state.previous[i], nullptr);
  }
  const int writeEnd = state.pipe[1];
  fcntl(writeEnd, F_SETFL, 0);
  writeByte(writeEnd, kQuit);
  state.watcher.join();
  wakeDescriptor = -1;
  close(state.pipe[0]);
  close(writeEnd);
}

}  // namespace qu
