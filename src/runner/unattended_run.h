#pragma once

// The runner's two commands in a program folder: one run of the utility, and --status.

#include <string>

#include "platform/system.h"

namespace qu {

// The name of the runner's own lock, in the same private place as the window's but apart from
// it: the window may be open while the runner runs.
inline constexpr const char* kRunnerLockName = "quintaris-updater-run";

// Refuses (one line on standard error, nothing written) unless the folder holds the settings
// file and a utility with a version, no other runner of this user runs and no Updater.exe runs.
// Then runs the utility as the window's Start would and gives the exit code.
int runUnattended(System& system, const std::string& appDir);

// Prints the last result line and gives its code; writes nothing and needs no settings file.
int printRunStatus(System& system, const std::string& appDir);

}  // namespace qu
