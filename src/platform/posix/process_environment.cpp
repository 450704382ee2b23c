#include "platform/process_environment.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qu {

std::vector<std::string> programArguments(int argc, char** argv) {
  return {argv, argv + argc};
}

std::string environmentVariable(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  return value ? value : "";
}

void setEnvironmentVariable(std::string_view name, std::string_view value) {
  const std::string key(name);
  if (value.empty()) {
    ::unsetenv(key.c_str());
  } else {
    ::setenv(key.c_str(), std::string(value).c_str(), 1);
  }
}

std::string runningExecutablePath() {
  constexpr std::string_view kDeleted = " (deleted)";
  std::error_code error;
  std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
  // Still our folder after the file was replaced on disk.
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  return path;
}

}  // namespace qu
