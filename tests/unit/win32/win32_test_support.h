#pragma once

// Helpers of the Win32 tests: temporary folders, UTF-8 paths, environment knobs of the stand-in.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "platform/win32/wide_text.h"

namespace qu::test {

namespace fs = std::filesystem;

// A path as the program's UTF-8 text.
inline std::string utf8(const fs::path& path) {
  return narrow(path.wstring());
}

class TempFolder {
 public:
  // `name` (UTF-8) becomes the last part of the path.
  explicit TempFolder(const std::string& name = "folder") {
    std::random_device random;
    root_ = fs::temp_directory_path() /
            ("qu-win32-" + std::to_string(random()) + std::to_string(random()));
    path_ = root_ / widen(name);
    fs::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(root_, ignored)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(root_, ignored);
  }
  const fs::path& path() const { return path_; }
  fs::path file(const std::string& name) const { return path_ / widen(name); }
  std::string text(const std::string& name) const { return utf8(file(name)); }
  std::string write(const std::string& name, const std::string& content) const {
    std::ofstream(file(name), std::ios::binary) << content;
    return text(name);
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

 private:
  fs::path root_;
  fs::path path_;
};

// Sets an environment variable for this test only; children started meanwhile inherit it.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const std::string& name, const std::string& value) : name_(widen(name)) {
    SetEnvironmentVariableW(name_.c_str(), widen(value).c_str());
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), nullptr); }

 private:
  std::wstring name_;
};

// The stand-in utility as built.
inline fs::path updaterStandIn() {
  return fs::path(QU_UPDATER_SIM_PATH);
}

}  // namespace qu::test
