#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace qu {

// The command line CreateProcess is given: the program path always in quotes (a path with
// blanks must not be read as a shorter program), then each argument, quoted only where the C
// runtime's splitting rules need it so that the program gets back exactly what was passed.
std::wstring commandLineOf(const std::wstring& program, const std::vector<std::wstring>& arguments);

// Starts the program in a new console of its own, shown normally when the launch has an output
// sink and hidden otherwise, with normal priority, the caller's environment and no inherited
// handles. A launch from a console program gives the program a hidden console, the null device
// as input and a pipe as output and error, whose other end feeds the sink.
LaunchResult launchProcess(const ProcessLaunch& launch);

}  // namespace qu
