#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace qu {

// The unattended runner: reads its arguments (the program's own path first), runs or reports,
// and gives the exit code.
int QuintarisUpdaterRun(System& system, const std::vector<std::string>& arguments);

}  // namespace qu
