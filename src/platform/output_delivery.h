#pragma once

// Hands a started program's output to its sink on the pipe reader's thread.

#include <string_view>

#include "platform/system.h"

namespace qu {

class OutputDelivery {
 public:
  explicit OutputDelivery(const OutputSink& sink) : sink_(sink) {}

  // A sink that throws gets nothing more, but the reader goes on draining the pipe regardless,
  // or the program would block on a full one.
  void operator()(std::string_view piece);

 private:
  const OutputSink& sink_;
  bool healthy_ = true;
};

}  // namespace qu
