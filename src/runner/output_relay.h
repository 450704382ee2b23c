#pragma once

// The utility's output passed on to the runner's standard output as it comes.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/system.h"

namespace qu {

class OutputRelay {
 public:
  // The sink for the launch. It shares the relay's state, so output that comes late still has
  // somewhere to go.
  OutputSink sink() const;
  // Waits until the output has ended, or for `limit` at most: a program the utility left behind
  // may hold it open.
  void awaitEnd(std::chrono::milliseconds limit) const;
  // True when output came and its last piece did not end a line.
  bool lineOpen() const;

 private:
  struct State {
    std::mutex mutex;
    std::condition_variable endChanged;
    bool ended = false;
    bool lineOpen = false;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace qu
