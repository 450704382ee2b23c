#include "runner/output_relay.h"

#include "platform/standard_streams.h"

namespace qu {

OutputSink OutputRelay::sink() const {
  return [state = state_](std::string_view piece) {
    if (!piece.empty()) writeBytes(StandardStream::Output, piece);
    const std::lock_guard lock(state->mutex);
    if (piece.empty()) {
      state->ended = true;
      state->endChanged.notify_all();
    } else {
      state->lineOpen = piece.back() != '\n';
    }
  };
}

void OutputRelay::awaitEnd(std::chrono::milliseconds limit) const {
  std::unique_lock lock(state_->mutex);
  state_->endChanged.wait_for(lock, limit, [this] { return state_->ended; });
}

bool OutputRelay::lineOpen() const {
  const std::lock_guard lock(state_->mutex);
  return state_->lineOpen;
}

}  // namespace qu
