#pragma once

// What a process starts with, as UTF-8 on every platform. Windows hands narrow programs their
// arguments and environment in the ANSI code page, which cannot hold every folder name.

#include <string>
#include <string_view>
#include <vector>

namespace qu {

// The arguments of main, argv[0] first.
std::vector<std::string> programArguments(int argc, char** argv);
// "" when the variable is not set.
std::string environmentVariable(std::string_view name);
// An empty value removes the variable.
void setEnvironmentVariable(std::string_view name, std::string_view value);
// The full path of the running executable; "" if the system cannot tell.
std::string runningExecutablePath();

}  // namespace qu
