#pragma once

#include <string>

namespace qu {

// True when a running process's executable file name is exactly `name` (letter case counts).
bool isProcessRunning(const std::wstring& name);

}  // namespace qu
