#pragma once

// The runner's command line and its usage text.

#include <string>
#include <vector>

namespace qu {

inline constexpr const char* kRunnerName = "quintaris-updater-run";

struct RunnerOptions {
  enum class Mode { Run, Status, Help };
  Mode mode = Mode::Run;
  std::string folder;  // --folder; "" for the folder of the program file
};

struct ParsedRunnerOptions {
  RunnerOptions options;
  std::string error;  // "" when the arguments were understood; else what was wrong, for the user
};

// The arguments without the program itself. --help wins over everything else.
ParsedRunnerOptions parseRunnerOptions(const std::vector<std::string>& arguments);

// The usage, with the exit codes.
std::string runnerUsage();

}  // namespace qu
