#pragma once

#include "platform/system.h"

namespace qu {

// Starts a program with posix_spawn, without a shell: standard input from /dev/null, output to
// the launch's sink or to /dev/null, no other descriptor inherited, default signal handling;
// launched from a console program, in a process group of its own.
LaunchResult launchProcess(ProcessLaunch launch);

}  // namespace qu
