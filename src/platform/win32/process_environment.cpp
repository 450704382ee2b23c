#include "platform/process_environment.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace qu {

// The narrow argv went through the ANSI code page; the wide command line did not.
std::vector<std::string> programArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::string environmentVariable(std::string_view name) {
  const std::wstring key = widen(name);
  std::wstring value(64, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return "";
    if (length < value.size()) {
      value.resize(length);
      return narrow(value);
    }
    value.resize(length);
  }
}

// Through the C runtime, which keeps its own copy of the environment for getenv.
void setEnvironmentVariable(std::string_view name, std::string_view value) {
  _wputenv_s(widen(name).c_str(), widen(value).c_str());
}

std::string runningExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) {
      path.resize(length);
      return narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace qu
