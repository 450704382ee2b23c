#pragma once

// Environment variables that let tests and demos make the stand-in slow, fail, crash, hang or
// record how it was called. Unset or empty variables leave it a well-behaved utility.

#include <chrono>
#include <optional>
#include <string>

namespace qu::sim {

struct Knobs {
  std::string argvFile;                    // QU_SIM_ARGV_FILE: write argv there, one per line
  std::chrono::milliseconds fileDelay{0};  // QU_SIM_FILE_DELAY_MS: pause after every file
  std::optional<int> failCode;             // QU_SIM_FAIL_CODE: end at once with this code
  bool crash = false;                      // QU_SIM_CRASH: abort without writing the run log
  bool hang = false;                       // QU_SIM_HANG: wait until terminated
  std::string qlSource;                    // QU_SIM_QL_SOURCE: the folder "$QL" stands for
};

Knobs readKnobs();

}  // namespace qu::sim
