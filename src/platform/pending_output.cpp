#include "platform/pending_output.h"

namespace qu {

bool PendingOutput::append(std::string_view output) {
  const std::lock_guard lock(mutex_);
  if (closed_) return false;
  lines_.append(output);
  const bool first = !takeDue_;
  takeDue_ = true;
  return first;
}

std::optional<ScrollbackChange> PendingOutput::take() {
  const std::lock_guard lock(mutex_);
  if (!takeDue_) return std::nullopt;
  takeDue_ = false;
  return lines_.takeChange();
}

void PendingOutput::close() {
  const std::lock_guard lock(mutex_);
  closed_ = true;
  takeDue_ = false;
  lines_ = Scrollback();
}

}  // namespace qu
