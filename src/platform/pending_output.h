#pragma once

// Output on its way from a pipe reader to the screen. The reader appends under a short lock and
// returns at once; the window's thread takes what has gathered when it draws. Nothing more than
// the scrollback would keep is held, so a screen that falls behind costs lines, never memory,
// and never holds the reader back.

#include <mutex>
#include <optional>
#include <string_view>

#include "platform/scrollback.h"

namespace qu {

class PendingOutput {
 public:
  // True when this output is the first since the last take, so the caller must have a take
  // scheduled; false while one is due already, and once the window has closed (the output is
  // then dropped).
  bool append(std::string_view output);
  // Nothing when no output has arrived since the last take.
  std::optional<ScrollbackChange> take();
  // The window has gone: later output is dropped.
  void close();

 private:
  std::mutex mutex_;
  Scrollback lines_;
  bool takeDue_ = false;
  bool closed_ = false;
};

}  // namespace qu
