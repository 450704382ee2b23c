#pragma once

// Helpers of the system tests: a temporary folder, and a sink that collects a child's output.

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "platform/system.h"

namespace qu::test {

// Arguments for /bin/sh: wait until `file` exists, then exit with `code`. The wait also ends once
// the file's folder is gone, so no such child outlives its test.
inline std::vector<std::string> untilFileExists(const std::string& file, int code = 0) {
  return {"-c",
          "while [ ! -e \"$0\" ] && [ -d \"${0%/*}\" ]; do sleep 0.01; done; exit " +
              std::to_string(code),
          file};
}

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("qu-system-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
    return file(name);
  }

 private:
  std::filesystem::path path_;
};

// Output arrives on the implementation's thread; the test waits for it without sleeping.
class OutputCollector {
 public:
  OutputSink sink() {
    return [state = state_](std::string_view piece) {
      const std::lock_guard lock(state->mutex);
      if (piece.empty()) state->ended = true;
      state->text += piece;
      state->changed.notify_all();
    };
  }
  // Everything up to the end of the output.
  std::string all() {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait(lock, [&] { return state_->ended; });
    return state_->text;
  }
  // The output so far, once it holds `expected` or has ended.
  std::string until(const std::string& expected) {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait(
        lock, [&] { return state_->ended || state_->text.find(expected) != std::string::npos; });
    return state_->text;
  }

 private:
  struct State {
    std::mutex mutex;
    std::condition_variable changed;
    std::string text;
    bool ended = false;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace qu::test
