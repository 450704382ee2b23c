#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qu {

// Named guards shared by one user's processes: an exclusive flock on a lock file, which the
// kernel drops however the holder ends. The descriptors are close-on-exec, so a child started
// by the holder does not keep a guard alive after it.
class InstanceGuards {
 public:
  // `folder` empty: $XDG_RUNTIME_DIR, else the temp folder.
  explicit InstanceGuards(std::filesystem::path folder = {});
  InstanceGuards(const InstanceGuards&) = delete;
  InstanceGuards& operator=(const InstanceGuards&) = delete;
  ~InstanceGuards();

  // True when this call took the guard; it is then held until this object or the process ends.
  // Any failure counts as "another instance has it".
  bool acquire(const std::string& name);
  // The lock file: the user id is in its name, so users sharing the temp folder never meet.
  std::filesystem::path lockFile(const std::string& name) const;

 private:
  std::filesystem::path folder_;
  std::vector<int> held_;
};

}  // namespace qu
