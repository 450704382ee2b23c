#pragma once

// The window showing the utility's output live, like a terminal: the last lines only, drawn a
// batch at a time, so a flood of output neither grows memory nor holds the utility back.

#include <memory>
#include <string>

#include "platform/toolkit.h"

namespace qu {

// Output that arrives is drawn at most this often.
inline constexpr int kConsoleDrawIntervalMs = 40;

// Callable from any thread; the window is made and drawn on the loop's thread.
std::shared_ptr<ConsoleWindow> openQtConsole(const std::string& title);

}  // namespace qu
